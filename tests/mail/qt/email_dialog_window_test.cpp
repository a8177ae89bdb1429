#include "mail/qt/email_dialog_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <filesystem>

#include "data/accounts_settings.h"
#include "data/order_sheet.h"
#include "editor/editor_state.h"
#include "editor/program_state.h"
#include "editor/window_links.h"
#include "mail/email_dialog.h"
#include "platform/message_box.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

void Type(QWidget* w, Qt::Key key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &release);
}

class EmailDialogWindowTest : public testing::FreshState {
 protected:
  void SetUp() override {
    FreshState::SetUp();
    ResetProgramState();
    ResetEditorState();
    ResetEmailDialog();
    ResetWindowLinks();
    InstallMessageBoxes(&boxes);
    Program().ProgramDir = dir.path() + "/";
    main_window.resize(680, 545);
    main_window.show();
    form = std::make_unique<TForm2>(&main_window);
  }
  void TearDown() override {
    form.reset();
    InstallMessageBoxes(nullptr);
    ResetWindowLinks();
    ResetEmailDialog();
    ResetEditorState();
    ResetProgramState();
    FreshState::TearDown();
  }

  testing::TempDir dir;
  RecordingMessageBoxes boxes;
  QWidget main_window;
  std::unique_ptr<TForm2> form;
};

TEST_F(EmailDialogWindowTest, ShowsTheHeaderAndTakesTypedDigitsOnly) {
  TAccountRecord r;
  r.KSZ = "1234";
  r.SZLA = "5678";
  r.KOD = "Titok12";
  r.Flags[UUE] = true;
  AppendAccount(r);
  auto& h = SheetModel().Header;
  h.FORD = "0012";
  h.PREKAR = "2345";
  h.PREFORD = "0007";
  h.SendFlags[B64] = true;

  Windows().ShowEmailDialog();
  QApplication::processEvents();
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(form->Edit(2)->text(), "12");
  EXPECT_TRUE(form->CheckBox(6)->isChecked());
  EXPECT_FALSE(Editor().EditorReady);

  form->Edit(1)->selectAll();           // "0000": typing replaces it
  Type(form->Edit(1), Qt::Key_A, "a");  // not a digit: dropped
  for (const char* digit : {"1", "2", "3", "4"}) Type(form->Edit(1), Qt::Key_1, digit);
  EXPECT_EQ(form->Edit(1)->text(), "1234");
  EXPECT_EQ(form->Edit(3)->text(), "05678");
  EXPECT_EQ(form->Edit(4)->text(), "Titok12");
  EXPECT_TRUE(form->CheckBox(8)->isChecked());
  EXPECT_FALSE(form->CheckBox(6)->isChecked());

  form->CheckBox(7)->click();
  EXPECT_FALSE(form->CheckBox(8)->isChecked());
  EXPECT_TRUE(h.SendFlags[B64P]);
  EXPECT_FALSE(h.SendFlags[UUE]);

  form->grab().save(QDir(QCoreApplication::applicationDirPath()).filePath("email_dialog.png"));

  // F2 saves both files and closes the dialog; the editor takes its keys again.
  for (QAction* a : form->actions())
    if (a->shortcut() == QKeySequence(Qt::Key_F2)) a->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(boxes.shown.empty()) << (boxes.shown.empty() ? "" : boxes.shown[0].text);
  EXPECT_TRUE(std::filesystem::exists(dir.path() + "/1234_0012.emv"));
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(Editor().EditorReady);
}

// As the program makes it: its controls come with its first show, and the
// dialog shows the header just as one made whole at once.
TEST_F(EmailDialogWindowTest, ControlsMadeAtTheFirstShowLookAndWorkTheSame) {
  SheetModel().Header.FORD = "0012";
  Windows().ShowEmailDialog();
  QApplication::processEvents();
  const QImage whole = form->grab().toImage();
  form->close();
  form.reset();
  form = std::make_unique<TForm2>(&main_window, ControlsMade::AtFirstShow);
  EXPECT_TRUE(form->findChildren<QWidget*>().isEmpty());  // nothing made before it is shown
  Windows().ShowEmailDialog();
  QApplication::processEvents();
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(form->grab().toImage(), whole);
  EXPECT_EQ(form->Edit(2)->text(), "12");
  for (QAction* a : form->actions())
    if (a->shortcut() == QKeySequence(Qt::Key_Escape)) a->trigger();
  EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace vorda
