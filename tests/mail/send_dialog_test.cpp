#include "mail/send_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "data/scrambler.h"
#include "editor/program_state.h"
#include "platform/mail_transport.h"
#include "platform/message_box.h"
#include "platform/win1250.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

class SendDialogTest : public testing::FreshState {
 protected:
  void SetUp() override {
    FreshState::SetUp();
    ResetProgramState();
    ResetSendDialog();
    InstallMessageBoxes(&boxes);
    InstallMailTransport(&mailer);
    Program().Options.SMTP = "smtp.pelda.hu";
    file = dir.Write("1234_0012.emv", "VERSION=1.1&\r\nPost=P\r\n");
  }
  void TearDown() override {
    InstallMailTransport(nullptr);
    InstallMessageBoxes(nullptr);
    ResetSendDialog();
    ResetProgramState();
    FreshState::TearDown();
  }

  RecordingMessageBoxes boxes;
  RecordingMailTransport mailer;
  testing::TempDir dir;
  std::string file;
};

TEST_F(SendDialogTest, SenderRecipientsTlsAndLoginFollowTheSettings) {
  struct Case {
    const char* from;
    const char* cc;
    const char* port;
    const char* user;
    const char* password;  // typed into the password edit
    std::string sender;
    std::vector<std::string> recipients;
    std::uint16_t used_port;
    bool tls;
    std::string login, secret;
  };
  const std::string order(kOrderAddress);
  const Case cases[] = {
      {"", "", "25", "", "", std::string(kDefaultSender), {order}, 25, false, "", ""},
      // No "@": the default sender, and no copy.
      {"en", "masolat", "25", "", "", std::string(kDefaultSender), {order}, 25, false, "", ""},
      {" en@pelda.hu", "m@pelda.hu", "465", "", "", " en@pelda.hu", {order, "m@pelda.hu"}, 465, true, "", ""},
      // Several copy addresses, split at the commas.
      {"", "a@pelda.hu,b@pelda.hu", "25", "", "", std::string(kDefaultSender), {order, "a@pelda.hu", "b@pelda.hu"}, 25,
       false, "", ""},
      {"", "", "587", " vorda ", " titok ", std::string(kDefaultSender), {order}, 587, true, "vorda", "titok"},
      // A user name without a password, and a port that is no number.
      {"", "", "abc", "vorda", "", std::string(kDefaultSender), {order}, 25, false, "", ""},
  };
  for (const auto& c : cases) {
    SendFormCreate();
    AddListedFile(file);
    TMailFromChange(c.from);
    TMailCCChange(c.cc);
    TSMTPPortChange(c.port);
    TSMTPUsernameChange(c.user);
    TSMTPPasswordChange(c.password);
    mailer.sent.clear();
    boxes.shown.clear();
    SendButtonClick();
    ASSERT_EQ(mailer.sent.size(), 1u) << c.from;
    const auto& sent = mailer.sent[0];
    EXPECT_EQ(sent.mail.from, c.sender);
    EXPECT_EQ(sent.mail.recipients, c.recipients);
    EXPECT_EQ(sent.server.host, "smtp.pelda.hu");
    EXPECT_EQ(sent.server.port, c.used_port);
    EXPECT_EQ(sent.server.implicit_tls, c.tls);
    EXPECT_EQ(sent.server.user, c.login);
    EXPECT_EQ(sent.server.password, c.secret);
    EXPECT_EQ(boxes.shown.size(), 1u);
    SendFormShow();
  }
}

TEST_F(SendDialogTest, NothingIsSentWithoutServerPortOrFiles) {
  struct Case {
    const char* host;
    int port;
    bool list;
    std::string message;
  };
  const Case cases[] = {
      {"", 25, true, "Nem állítottál be SMTP szervert!\rEnélkül nem fog menni az UL küldés!"_w},
      {"h", 0, true, "Hibás SMTP port: 0 (1 és 65535 közötti szám lehet)!\rEnélkül nem fog menni az UL küldés!"_w},
      {"h", 65536, true, "Hibás SMTP port: 65536 (1 és 65535 közötti szám lehet)!\rEnélkül nem fog menni az UL küldés!"_w},
      {"h", 25, false, "Üres az EMV file-lista, így nem tudsz küldeni levelet!"_w},
  };
  for (const auto& c : cases) {
    Program().Options.SMTP = c.host;
    Program().Options.SMTPPort = c.port;
    SendFormShow();
    if (c.list) AddListedFile(file);
    boxes.shown.clear();
    SendButtonClick();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, c.message);
    EXPECT_TRUE(mailer.sent.empty());
  }
  // A listed file that cannot be read stops before any connection.
  Program().Options.SMTP = "h";
  Program().Options.SMTPPort = 25;
  AddListedFile(dir.path() + "/nincs.emv");
  boxes.shown.clear();
  SendButtonClick();
  EXPECT_EQ(boxes.shown.size(), 1u);
  EXPECT_TRUE(mailer.sent.empty());
  EXPECT_EQ(SendDialog().Status, "Levél létrehozása (EMV fileok beolvasása)"_w);
}

TEST_F(SendDialogTest, BodyJoinsTheFilesInListOrder) {
  auto lines = [](int n, const std::string& tag) {
    std::string out;
    for (int i = 1; i <= n; ++i) out += tag + std::to_string(i) + "\r\n";
    return out;
  };
  const std::string body = JoinOrderFiles({lines(42, "a"), lines(22, "b")});
  EXPECT_EQ(body, lines(42, "a") + "\r\n" + lines(22, "b") + "\r\n");
  EXPECT_EQ(std::count(body.begin(), body.end(), '\n'), 42 + 1 + 22 + 1);
  // Lines end at LF or a lone CR too; a last line without its break counts.
  EXPECT_EQ(JoinOrderFiles({"x\ny\rz"}), "x\r\ny\r\nz\r\n\r\n");
}

TEST_F(SendDialogTest, MailHeaderNamesSenderCopyAndAgent) {
  EXPECT_EQ(ComposeOrderMail("en@pelda.hu", "m@pelda.hu", "BODY\r\n", 0),
            "Date: Thu, 01 Jan 1970 00:00:00 +0000\r\n"
            "From: en@pelda.hu\r\n"
            "To: ul@drovanek.hu\r\n"
            "Cc: m@pelda.hu\r\n"
            "Subject: Vorda40\r\n"
            "X-Mailer: Vorda40\r\n"
            "MIME-Version: 1.0\r\n"
            "Content-Type: text/plain; charset=windows-1250\r\n"
            "Content-Transfer-Encoding: 8bit\r\n"
            "\r\n"
            "BODY\r\n");
}

TEST_F(SendDialogTest, PasswordEditStoresOnlyWhatWasTyped) {
  auto& o = Program().Options;
  SendFormCreate();
  EXPECT_EQ(SendDialog().PasswordPlaceholder, "*******");
  EXPECT_EQ(o.Password, "");
  TSMTPPasswordChange("titok");
  EXPECT_EQ(UnscrambleString(o.Password), "titok");
  SendFormCreate();
  EXPECT_EQ(SendDialog().PasswordPlaceholder, "*******");  // shown, never stored
  EXPECT_EQ(UnscrambleString(o.Password), "titok");
  TSMTPPasswordChange("");
  EXPECT_EQ(o.Password, "");
}

TEST_F(SendDialogTest, FailureShowsTheTransportsFaultAndKeepsTheList) {
  mailer.result = {MailFault::Refused, "RCPT failed: 550"};
  SendFormCreate();
  AddListedFile(file);
  SendButtonClick();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text,
            "Hiba történt a levél küldése közben!\r\n\r\nAz SMTP szerver visszautasította a feladót vagy a címzettet."
            "\r\n(RCPT failed: 550)"_w);
  EXPECT_EQ(SendDialog().Status, "Hiba a küldés közben!"_w);
  EXPECT_EQ(SendDialog().List.size(), 1u);
}

}  // namespace
}  // namespace vorda
