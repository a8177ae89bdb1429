#include "editor/qt/turn_comparison_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

#include "editor/editor_state.h"
#include "editor/turn_comparison.h"
#include "editor/window_links.h"
#include "platform/qt/qt_text.h"
#include "platform/win1250.h"
#include "support/state_reset.h"

namespace vorda {
namespace {

std::string DemoReport(const char* name) {
  const char* source = std::getenv("VORDA_SOURCE_DIR");
  const std::filesystem::path root =
      source ? std::filesystem::path(source) : std::filesystem::path(__FILE__).parent_path() / "../../..";
  return (root / "demo" / name).string();
}

TEST(TurnComparisonWindow, ShowsTheFourListsAndGivesTheKeysBackOnClose) {
  testing::ResetAllState();
  ResetWindowLinks();
  ResetEditorState();
  {
    TForm8 form;
    ASSERT_TRUE(Windows().OnShowComparison);
    Windows().ShowComparison();
    ASSERT_TRUE(LoadTurnReport(1, DemoReport("1234-0011.htm")));
    ASSERT_TRUE(LoadTurnReport(2, DemoReport("1234-0012.htm")));
    form.Button3Click();
    const auto lists = form.findChildren<QListWidget*>();
    ASSERT_EQ(lists.size(), 4);
    EXPECT_EQ(lists[0]->count(), 4);  // the count changes
    EXPECT_EQ(lists[0]->item(1)->text(), ToQString("1200 arany (#50)                  -> 1050 arany (#50)                  =   -150"));
    EXPECT_TRUE(form.grab().save(QDir(QCoreApplication::applicationDirPath()).filePath("turn_comparison.png")));

    Editor().EditorReady = false;
    Editor().EditorMode = 8;
    form.close();
    EXPECT_TRUE(Editor().EditorReady);
    EXPECT_EQ(Editor().EditorMode, 1);
  }
  EXPECT_FALSE(Windows().OnShowComparison);
  ResetTurnComparison();
  testing::ResetAllState();
}

// As the program makes it: its controls come with its first show, and the
// window shows and fills its lists just as one made whole at once.
TEST(TurnComparisonWindow, ControlsMadeAtTheFirstShowLookAndWorkTheSame) {
  testing::ResetAllState();
  ResetWindowLinks();
  ResetEditorState();
  QImage whole;
  {
    TForm8 form;
    Windows().ShowComparison();
    whole = form.grab().toImage();
  }
  {
    TForm8 form(nullptr, ControlsMade::AtFirstShow);
    EXPECT_TRUE(form.findChildren<QWidget*>().isEmpty());  // nothing made before it is shown
    Windows().ShowComparison();
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(form.grab().toImage(), whole);
    ASSERT_TRUE(LoadTurnReport(1, DemoReport("1234-0011.htm")));
    ASSERT_TRUE(LoadTurnReport(2, DemoReport("1234-0012.htm")));
    form.Button3Click();
    EXPECT_EQ(form.findChildren<QListWidget*>()[0]->count(), 4);
  }
  ResetTurnComparison();
  testing::ResetAllState();
}

}  // namespace
}  // namespace vorda
