// The one box of a close that could not write everything, as the user meets
// it: its look, and its keys (V and Esc go back, K closes without saving).
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "editor/start_up.h"
#include "platform/qt/qt_message_box.h"
#include "platform/win1250.h"
#include "support/qt/modal_dialog.h"

namespace vorda {
namespace {

TEST(CloseBox, ListsTheFilesAndTakesItsKeys) {
  const std::vector<UnsavedFile> unsaved = {
      {"vorda40.ini", "a program beállításai"_w, "nincs elég hely a lemezen"_w},
      {"SZAMLAK.CFG", "a számlák"_w, "nincs elég hely a lemezen"_w},
      {"beallit.cfg", "a karakterek beállításai"_w, "a lemez csak olvasható"_w},
      {"notesz/1234.not", "a(z) 1234 karakter jegyzetei"_w, "egy mappa áll a fájl helyén"_w},
  };
  QtMessageBoxes boxes("Vorda40 UL tervező program"_w);
  const struct {
    int key;
    const char* text;
    std::size_t answer;
  } cases[] = {{Qt::Key_K, "k", 1}, {Qt::Key_V, "v", 0}, {Qt::Key_Escape, "", 0}, {Qt::Key_Return, "\r", 0}};
  bool first = true;
  for (const auto& c : cases) {
    testing::WhenModalIsUp<QMessageBox>([&c, &first](QMessageBox& box) {
      if (first) {
        first = false;
        EXPECT_TRUE(box.grab().save(QDir(QCoreApplication::applicationDirPath()).filePath("close_box.png")));
      }
      QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier, c.text);
      QApplication::sendEvent(&box, &press);
      // A key the box did not take would leave it open: close it, so that the
      // test fails instead of hanging.
      QTimer::singleShot(2000, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
      });
    });
    EXPECT_EQ(boxes.Ask(CloseBoxText(unsaved), CloseBoxAnswers(), MessageKind::Error), c.answer) << c.key;
  }
}

}  // namespace
}  // namespace vorda
