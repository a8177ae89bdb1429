#include "editor/qt/settings_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QImage>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include "data/accounts_settings.h"
#include "data/char_settings.h"
#include "data/order_sheet.h"
#include "editor/editor_fixture.h"
#include "editor/program_state.h"
#include "editor/sheet_screen.h"
#include "editor/window_links.h"

namespace vorda {
namespace {

class SettingsWindowTest : public testing::EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    ResetSheetScreen();
    ResetWindowLinks();
  }
  void TearDown() override {
    ResetWindowLinks();
    EditorFixture::TearDown();
  }
};

TEST_F(SettingsWindowTest, ShowsTheCharactersValuesAndOkStoresThem) {
  CharSettings().CharMozg = 12;
  CharSettings().CharTu = -7;
  SheetModel().Header.KSZ = "1234";
  SheetModel().Lines.SheetCodes[1] = "M";
  SheetModel().Lines.SheetParams[1] = {1, 0, 0};
  Program().Options.Map = "/jatek/Terkep/";
  Program().Options.Lexor = "lexor";  // no path: cleared when shown
  {
    TForm6 form;
    Windows().ShowSettings();
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(form.SpinEdit(0)->value(), 12);
    EXPECT_EQ(form.SpinEdit(6)->value(), -7);
    EXPECT_EQ(Program().Options.Lexor, "");
    EXPECT_TRUE(form.grab().save(QDir(QCoreApplication::applicationDirPath()).filePath("settings.png")));
    // No label runs into a value or a button beside it.
    for (const QLabel* label : form.findChildren<QLabel*>())
      for (const QWidget* control : form.findChildren<QAbstractButton*>())
        EXPECT_FALSE(label->geometry().intersects(control->geometry())) << label->text().toStdString();
    for (const QLabel* label : form.findChildren<QLabel*>())
      for (const QWidget* control : form.findChildren<QAbstractSpinBox*>())
        EXPECT_FALSE(label->geometry().intersects(control->geometry())) << label->text().toStdString();

    form.SpinEdit(0)->setValue(6);
    form.Button2Click();
    EXPECT_FALSE(form.isVisible());
  }
  EXPECT_EQ(Accounts().SettingsCount, 1);
  EXPECT_EQ(Accounts().SettingsTable[1].MOZG, 6);
  EXPECT_EQ(SheetModel().Lines.SheetTvp[1], 6);  // the cost follows at once
  EXPECT_FALSE(Windows().OnShowSettings);
}

// As the program makes it: its controls come with its first show, and the
// window shows and takes its values just as one made whole at once.
TEST_F(SettingsWindowTest, ControlsMadeAtTheFirstShowLookAndWorkTheSame) {
  CharSettings().CharMozg = 12;
  SheetModel().Header.KSZ = "1234";
  Program().Options.Map = "/jatek/Terkep/";
  QImage whole;
  {
    TForm6 form;
    Windows().ShowSettings();
    whole = form.grab().toImage();
  }
  TForm6 form(nullptr, ControlsMade::AtFirstShow);
  EXPECT_TRUE(form.findChildren<QWidget*>().isEmpty());  // nothing made before it is shown
  Windows().ShowSettings();
  ASSERT_TRUE(form.isVisible());
  EXPECT_EQ(form.grab().toImage(), whole);
  EXPECT_EQ(form.SpinEdit(0)->value(), 12);
  form.SpinEdit(0)->setValue(6);
  form.Button2Click();
  EXPECT_EQ(Accounts().SettingsTable[1].MOZG, 6);
}

TEST_F(SettingsWindowTest, EnterMovesFromValueToValueAndOnToTheMapFolderButton) {
  TForm6 form;
  Windows().ShowSettings();
  QApplication::setActiveWindow(&form);
  for (int i = 0; i < 7; ++i) {
    form.SpinEdit(i)->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(form.SpinEdit(i), &enter);
    const QWidget* next = i < 6 ? static_cast<QWidget*>(form.SpinEdit(i + 1)) : form.findChildren<QPushButton*>()[0];
    EXPECT_TRUE(next->hasFocus()) << i;
  }
  EXPECT_EQ(form.findChildren<QPushButton*>()[0]->text().toStdString(), "Keresés...");
}

TEST_F(SettingsWindowTest, ATypedValueOutsideItsRangeIsBroughtToTheNearestBound) {
  struct Case {
    int index;
    const char* typed;
    int kept;
  };
  const Case cases[] = {
      {0, "99", 15}, {0, "3", 5}, {1, "13", 12}, {2, "21", 20}, {3, "9999", 3000}, {3, "-3000", -300},
      {4, "-25000", -2500}, {6, "999", 100}, {6, "-50", -50}, {5, "12a", 12},
  };
  TForm6 form;
  Windows().ShowSettings();
  for (const auto& c : cases) {
    QSpinBox* spin = form.SpinEdit(c.index);
    spin->selectAll();
    QKeyEvent erase(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(spin, &erase);
    for (const char ch : std::string(c.typed)) {
      QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(ch)));
      QApplication::sendEvent(spin, &key);
    }
    spin->interpretText();
    EXPECT_EQ(spin->value(), c.kept) << c.index << " " << c.typed;
  }
  // A value longer than may be typed, set from the character's settings, stays.
  for (const int i : {3, 4}) {
    form.SpinEdit(i)->setValue(form.SpinEdit(i)->minimum());
    form.SpinEdit(i)->interpretText();
    EXPECT_EQ(form.SpinEdit(i)->value(), form.SpinEdit(i)->minimum());
  }
}

}  // namespace
}  // namespace vorda
