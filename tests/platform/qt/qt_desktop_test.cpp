#include "platform/qt/qt_desktop.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

#include "support/qt/when_modal.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

// Runs `answer` on the open-file dialog once it is up.
void WhenTheDialogIsUp(std::function<void(QFileDialog&)> answer) { testing::WhenModalIsUp<QFileDialog>(answer); }

const std::vector<FileFilter> kFilters = {{"UL file", {"*.ul", "*.UL"}}};

TEST(QtDesktop, ATypedNameIsGivenBackEvenWhenNoSuchFileExists) {
  testing::TempDir dir;
  QtDesktop desktop;
  WhenTheDialogIsUp([](QFileDialog& d) {
    d.selectFile("missing.ul");
    // Whatever the dialog does not take (a "file not found" box) is closed
    // with it, so that a refusal fails the test instead of hanging it.
    QTimer::singleShot(500, [] {
      while (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    static_cast<QDialog&>(d).accept();  // as the Open button does
  });
  const auto chosen = desktop.OpenFile(dir.path() + "/", kFilters);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(*chosen, dir.path() + "/missing.ul");
}

TEST(QtDesktop, ACancelledDialogGivesNothing) {
  testing::TempDir dir;
  QtDesktop desktop;
  WhenTheDialogIsUp([](QFileDialog& d) { d.reject(); });
  EXPECT_FALSE(desktop.OpenFile(dir.path() + "/", kFilters));
}

}  // namespace
}  // namespace vorda
