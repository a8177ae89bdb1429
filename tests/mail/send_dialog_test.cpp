#include "mail/send_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

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
    MailSecurity security;
    std::string login, secret;
  };
  const std::string order(kOrderAddress);
  const Case cases[] = {
      {"", "", "25", "", "", std::string(kDefaultSender), {order}, 25, MailSecurity::StartTlsIfOffered, "", ""},
      // No "@": the default sender, and no copy.
      {"en", "masolat", "25", "", "", std::string(kDefaultSender), {order}, 25, MailSecurity::StartTlsIfOffered, "", ""},
      {" en@pelda.hu", "m@pelda.hu", "465", "", "", " en@pelda.hu", {order, "m@pelda.hu"}, 465, MailSecurity::Implicit,
       "", ""},
      // Several copy addresses, split at the commas.
      {"", "a@pelda.hu,b@pelda.hu", "25", "", "", std::string(kDefaultSender), {order, "a@pelda.hu", "b@pelda.hu"}, 25,
       MailSecurity::StartTlsIfOffered, "", ""},
      {"", "", "587", " vorda ", " titok ", std::string(kDefaultSender), {order}, 587, MailSecurity::StartTls, "vorda",
       "titok"},
      {"", "", "2525", "vorda", "titok", std::string(kDefaultSender), {order}, 2525, MailSecurity::Implicit, "vorda",
       "titok"},
      // A user name without a password, and a port that is no number.
      {"", "", "abc", "vorda", "", std::string(kDefaultSender), {order}, 25, MailSecurity::StartTlsIfOffered, "", ""},
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
    EXPECT_EQ(sent.server.security, c.security) << c.port;
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

TEST_F(SendDialogTest, FailureShowsTheServersWordsAndKeepsTheList) {
  mailer.result.fault = MailFault::RecipientRefused;
  mailer.result.step = MailStep::Rcpt;
  mailer.result.code = 550;
  mailer.result.reply = "550 5.1.1 No such user here";
  SendFormCreate();
  AddListedFile(file);
  SendButtonClick();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text,
            "Hiba történt a levél küldése közben!\r\n\r\nAz SMTP szerver visszautasította a címzettet."
            "\r\nA szerver válasza: 550 5.1.1 No such user here"_w);
  EXPECT_EQ(boxes.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(SendDialog().Status, "Hiba a küldés közben!"_w);
  EXPECT_EQ(SendDialog().List.size(), 1u);
}

// The server's refusal read by the step it answered and its code, as the box
// then shows it.
TEST_F(SendDialogTest, RefusalsReadByStepAndCode) {
  struct Case {
    MailStep step;
    int code;
    bool login;
    std::string text;
  };
  const std::string later = " (átmeneti hiba, később érdemes újra próbálni)"_w;
  const std::string login = "Az SMTP szerver bejelentkezést (vagy titkosított kapcsolatot) kér."_w;
  const std::string bad_login = "Az SMTP szerver nem fogadta el a felhasználónevet vagy a jelszót."_w;
  const std::string sender = "Az SMTP szerver visszautasította a feladót."_w;
  const std::string recipient = "Az SMTP szerver visszautasította a címzettet."_w;
  const std::string message = "Az SMTP szerver nem fogadta el a levelet."_w;
  const Case cases[] = {
      {MailStep::Mail, 530, false, login},
      {MailStep::Auth, 538, false, login},
      {MailStep::Rcpt, 530, false, login},
      // With a login set, a 530 on MAIL is the sender's refusal.
      {MailStep::Mail, 530, true, sender},
      {MailStep::Auth, 535, true, bad_login},
      {MailStep::Auth, 534, true, bad_login},
      {MailStep::Auth, 504, true, bad_login},
      {MailStep::Mail, 553, false, sender},
      {MailStep::Rcpt, 550, false, recipient},
      {MailStep::Data, 554, false, message},
      {MailStep::Message, 552, false, message},
      {MailStep::Mail, 421, false, sender + later},
      {MailStep::Rcpt, 450, false, recipient + later},
      {MailStep::Rcpt, 451, true, recipient + later},
      {MailStep::Data, 451, false, message + later},
      {MailStep::Message, 452, false, message + later},
      {MailStep::Greeting, 554, false, "Nem sikerült kapcsolódni az SMTP szerverhez."_w},
      {MailStep::Hello, 421, false, "Nem sikerült kapcsolódni az SMTP szerverhez."_w + later},
      {MailStep::StartTls, 454, false, "A titkosított (TLS) kapcsolat nem jött létre."_w + later},
      // An answer no server should give counts as the step's refusal.
      {MailStep::Data, 250, false, message},
  };
  for (const auto& c : cases) {
    MailResult r;
    r.fault = FaultOfReply(c.step, c.code, c.login);
    r.step = c.step;
    r.code = c.code;
    r.reply = std::to_string(c.code) + " szoveg";
    EXPECT_EQ(SendFailureText(r), c.text + "\r\nA szerver válasza: "_w + r.reply) << c.code;
  }
  // Without a reply the transport's reason stands in brackets; the faults
  // that say all themselves stand alone.
  MailResult timeout;
  timeout.fault = MailFault::Timeout;
  timeout.detail = "15 másodperc alatt sem jött létre a kapcsolat"_w;
  EXPECT_EQ(SendFailureText(timeout),
            "Az SMTP szerver nem válaszolt időben.\r\n(15 másodperc alatt sem jött létre a kapcsolat)"_w);
  MailResult no_starttls;
  no_starttls.fault = MailFault::NoStartTls;
  EXPECT_EQ(SendFailureText(no_starttls),
            "Az SMTP szerver nem kínál titkosított kapcsolatot (STARTTLS), ezért a levél nem lett elküldve!"_w);
  MailResult clear;
  clear.fault = MailFault::CleartextLogin;
  EXPECT_EQ(SendFailureText(clear),
            "A szerver nem kínál titkosított kapcsolatot, a jelszó titkosítatlanul nem küldhető el. A levél nem lett "
            "elküldve! (Bejelentkezést nem kérő szerverhez hagyd üresen a felhasználónevet és a jelszót.)"_w);
}

TEST_F(SendDialogTest, PortChoosesTheEncryption) {
  EXPECT_EQ(SecurityOfPort(25), MailSecurity::StartTlsIfOffered);
  EXPECT_EQ(SecurityOfPort(587), MailSecurity::StartTls);
  for (int port : {465, 26, 2525, 1, 65535}) EXPECT_EQ(SecurityOfPort(port), MailSecurity::Implicit) << port;
}

// The transport runs on a thread of its own while the caller waits; a click
// meanwhile starts nothing, and the program may not close.
TEST_F(SendDialogTest, SendRunsOnAWorkerAndASecondClickDoesNothing) {
  struct ThreadOfSend : RecordingMailTransport {
    MailResult Send(const MailServer& server, const MailEnvelope& mail) override {
      thread = std::this_thread::get_id();
      return RecordingMailTransport::Send(server, mail);
    }
    std::thread::id thread;
  } worker_mailer;
  InstallMailTransport(&worker_mailer);
  SendFormCreate();
  AddListedFile(file);
  int waits = 0;
  SendButtonClick({}, [&](const std::function<bool()>& finished) {
    ++waits;
    EXPECT_TRUE(SendRunning());
    EXPECT_EQ(SendDialog().Status, "Levél küldésének kezdete..."_w);
    SendButtonClick();  // the second click
    while (!finished()) std::this_thread::yield();
  });
  EXPECT_EQ(waits, 1);
  EXPECT_FALSE(SendRunning());
  ASSERT_EQ(worker_mailer.sent.size(), 1u);
  EXPECT_NE(worker_mailer.thread, std::this_thread::get_id());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "A levél sikeresen elküldve!"_w);
}

TEST_F(SendDialogTest, PastedAddressKeepsItsAddressCharactersOnly) {
  struct Case {
    std::string text;
    std::size_t room;
    std::string kept;
  };
  const Case cases[] = {
      {"en@pelda.hu", 35, "en@pelda.hu"},
      {" Kovács Béla <bela@pelda.hu>; x_y@z.hu\r\n", 35, "KovcsBlabela@pelda.huxy@z.hu"},
      {"a,b-c.d@0Z", 35, "a,b-c.d@0Z"},
      {std::string(40, 'a'), 35, std::string(35, 'a')},
      {"#a#b#c#d", 2, "ab"},
      {"abc", 0, ""},
      {std::string("a\0b\x7F\xE1" "c", 6), 35, "abc"},
  };
  for (const auto& c : cases) EXPECT_EQ(AddressText(c.text, c.room), c.kept) << c.text;
}

}  // namespace
}  // namespace vorda
