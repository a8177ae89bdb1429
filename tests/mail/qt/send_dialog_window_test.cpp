#include "mail/qt/send_dialog_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include "data/scrambler.h"
#include "editor/program_state.h"
#include "editor/window_links.h"
#include "mail/send_dialog.h"
#include "platform/mail_transport.h"
#include "platform/message_box.h"
#include "platform/qt/qt_text.h"
#include "platform/win1250.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

class SendDialogWindowTest : public testing::FreshState {
 protected:
  void SetUp() override {
    FreshState::SetUp();
    ResetProgramState();
    ResetSendDialog();
    ResetWindowLinks();
    InstallMessageBoxes(&boxes);
    InstallMailTransport(&mailer);
    Program().Options.SMTP = "smtp.pelda.hu";
    Program().Options.Password = *ScrambleString("regi");
    main_window.resize(680, 545);
    main_window.show();
    form = std::make_unique<TForm5>(&main_window);
  }
  void TearDown() override {
    form.reset();
    InstallMailTransport(nullptr);
    InstallMessageBoxes(nullptr);
    ResetWindowLinks();
    ResetSendDialog();
    ResetProgramState();
    FreshState::TearDown();
  }

  testing::TempDir dir;
  RecordingMessageBoxes boxes;
  RecordingMailTransport mailer;
  QWidget main_window;
  std::unique_ptr<TForm5> form;
};

TEST_F(SendDialogWindowTest, ListsFilesAndSendsThem) {
  Windows().ShowSendDialog();
  QApplication::processEvents();
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(form->Password()->text(), "");  // the placeholder is no text
  EXPECT_EQ(form->Password()->placeholderText(), "*******");
  EXPECT_EQ(UnscrambleString(Program().Options.Password), "regi");

  for (const char* key : {"e", "n", "&", "@", "p", ".", "h", "u"}) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, key);
    QApplication::sendEvent(form->MailFrom(), &press);
  }
  EXPECT_EQ(form->MailFrom()->text(), "en@p.hu");
  EXPECT_EQ(Program().Options.SenderEmail, "en@p.hu");

  const std::string file = dir.Write("1234_0012.emv", "VERSION=1.1&\r\nPost=P\r\n");
  form->ChooseFile = [&] { return file; };
  form->AddButton()->click();
  form->ChooseFile = [] { return std::string(); };
  form->AddButton()->click();
  ASSERT_EQ(form->List()->count(), 1);

  form->grab().save(QDir(QCoreApplication::applicationDirPath()).filePath("send_dialog.png"));

  form->SendButton()->click();
  ASSERT_EQ(mailer.sent.size(), 1u);
  EXPECT_EQ(mailer.sent[0].mail.from, "en@p.hu");
  EXPECT_EQ(mailer.sent[0].server.password, "");  // no user name: no login
  EXPECT_EQ(form->StatusPanel()->text(), ToQString("Levél küldés vége!"_w));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "A levél sikeresen elküldve!"_w);
  EXPECT_EQ(form->List()->count(), 1);

  form->Password()->setText("uj");
  EXPECT_EQ(form->Password()->displayText(), "**");
  EXPECT_EQ(UnscrambleString(Program().Options.Password), "uj");
  form->Password()->clear();
  EXPECT_EQ(Program().Options.Password, "");
}

}  // namespace
}  // namespace vorda
