// Sending for real: the libcurl transport and the sending dialog against the
// loopback SMTP server.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "data/order_sheet.h"
#include "data/scrambler.h"
#include "editor/editor_state.h"
#include "editor/program_state.h"
#include "editor/sheet_files.h"
#include "editor/sheet_totals.h"
#include "mail/email_dialog.h"
#include "mail/loopback_smtp.h"
#include "mail/send_dialog.h"
#include "platform/curl_mail_transport.h"
#include "platform/message_box.h"
#include "platform/win1250.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

using testing::LoopbackSmtp;

class SmtpTest : public testing::FreshState {
 protected:
  static void SetUpTestSuite() { server = std::make_unique<LoopbackSmtp>(); }
  static void TearDownTestSuite() { server.reset(); }

  void SetUp() override {
    FreshState::SetUp();
    ResetProgramState();
    ResetEditorState();
    ResetStatusValues();
    ResetEmailDialog();
    ResetSendDialog();
    InstallMessageBoxes(&boxes);
  }
  void TearDown() override {
    InstallMailTransport(nullptr);
    InstallMessageBoxes(nullptr);
    ResetSendDialog();
    ResetEmailDialog();
    ResetStatusValues();
    ResetEditorState();
    ResetProgramState();
    FreshState::TearDown();
  }

  static CurlMailTransport::Settings Trusting() {
    CurlMailTransport::Settings s;
    s.ca_file = server->CertFile();
    s.connect_timeout_ms = 2000;
    s.total_timeout_ms = 5000;
    return s;
  }

  static MailServer At(const std::string& listener, bool tls, std::string user = "", std::string password = "") {
    return {"127.0.0.1", static_cast<std::uint16_t>(server->Port(listener)), tls, std::move(user),
            std::move(password)};
  }

  static MailEnvelope Letter() {
    return {"en@pelda.hu", {"ul@drovanek.hu", "masolat@pelda.hu"},
            "Subject: Vorda40\r\n\r\nVERSION=1.1&\r\n.pont\r\n\xE1rv\xEDzt\xFBr\xF5\r\n"};
  }

  static inline std::unique_ptr<LoopbackSmtp> server;
  RecordingMessageBoxes boxes;
};

TEST_F(SmtpTest, DeliversPlainAndOverTlsWithAndWithoutLogin) {
  struct Case {
    const char* listener;
    bool tls;
    const char* user;
    const char* password;
    const char* login;
  };
  const Case cases[] = {
      {"plain", false, "", "", ""},
      {"plain_auth", false, "vorda", "titok", "vorda"},
      {"tls", true, "", "", ""},
      {"tls_auth", true, "vorda", "titok", "vorda"},
      // A user name without a password logs in as nobody.
      {"tls", true, "vorda", "", ""},
  };
  CurlMailTransport transport(Trusting());
  for (const auto& c : cases) {
    const std::size_t before = server->Messages(c.listener).size();
    const MailResult r = transport.Send(At(c.listener, c.tls, c.user, c.password), Letter());
    ASSERT_TRUE(r.Ok()) << c.listener << ": " << r.detail;
    const auto got = server->Messages(c.listener);
    ASSERT_EQ(got.size(), before + 1) << c.listener;
    EXPECT_EQ(got.back().from, "en@pelda.hu");
    EXPECT_EQ(got.back().recipients, (std::vector<std::string>{"ul@drovanek.hu", "masolat@pelda.hu"}));
    EXPECT_EQ(got.back().login, c.login) << c.listener;
    // Byte for byte, the line that starts with a dot included.
    EXPECT_EQ(got.back().content, Letter().message) << c.listener;
  }
}

TEST_F(SmtpTest, EveryFailureIsAFaultNeverSuccess) {
  struct Case {
    const char* what;
    MailServer at;
    MailFault fault;
    CurlMailTransport::Settings settings;
  };
  auto untrusting = Trusting();
  untrusting.ca_file.clear();  // the system's store does not know our certificate
  auto short_wait = Trusting();
  short_wait.total_timeout_ms = 800;
  auto wrong_name = Trusting();
  const int tls_port = server->Port("tls");
  wrong_name.connect_to = {"mail.pelda.hu:" + std::to_string(tls_port) + ":127.0.0.1:" + std::to_string(tls_port)};

  const Case cases[] = {
      {"no server", {"127.0.0.1", static_cast<std::uint16_t>(testing::ClosedPort()), false, "", ""},
       MailFault::Connect, Trusting()},
      {"refused recipient", At("refuse", false), MailFault::Refused, Trusting()},
      {"rejected message", At("reject", false), MailFault::Rejected, Trusting()},
      {"dropped line", At("drop", false), MailFault::Dropped, Trusting()},
      {"wrong password", At("plain_auth", false, "vorda", "rossz"), MailFault::Auth, Trusting()},
      {"login required", At("plain_auth", false), MailFault::Refused, Trusting()},
      {"untrusted certificate", At("tls", true, "vorda", "titok"), MailFault::Certificate, untrusting},
      {"certificate for another name", {"mail.pelda.hu", static_cast<std::uint16_t>(tls_port), true, "", ""},
       MailFault::Certificate, wrong_name},
      {"TLS to a plain server", At("plain", true), MailFault::Tls, Trusting()},
      // A plain client waits for a greeting that a TLS server never sends.
      {"plain to a TLS server", At("tls", false), MailFault::Timeout, short_wait},
  };
  const std::size_t tls_before = server->Messages("tls").size();
  const std::size_t plain_before = server->Messages("plain").size();
  for (const auto& c : cases) {
    CurlMailTransport transport(c.settings);
    const MailResult r = transport.Send(c.at, Letter());
    EXPECT_EQ(r.fault, c.fault) << c.what << ": " << r.detail;
    EXPECT_FALSE(r.detail.empty()) << c.what;
    EXPECT_EQ(r.detail.find("titok"), std::string::npos) << c.what;
  }
  // Nothing reached the mailbox of the listeners that failed.
  EXPECT_EQ(server->Messages("tls").size(), tls_before);
  EXPECT_EQ(server->Messages("plain").size(), plain_before);
}

// The system's store may be named by OpenSSL's environment variables; without
// them our self-made certificate is trusted by nobody.
TEST_F(SmtpTest, SystemStoreFollowsOpenSslsEnvironment) {
  const char* old_file = std::getenv("SSL_CERT_FILE");
  const std::string saved = old_file ? old_file : "";
  struct Case {
    bool named;
    MailFault fault;
  };
  for (const Case c : {Case{true, MailFault::None}, Case{false, MailFault::Certificate}}) {
    if (c.named)
      ::setenv("SSL_CERT_FILE", server->CertFile().c_str(), 1);
    else
      ::unsetenv("SSL_CERT_FILE");
    auto settings = CurlMailTransport::SystemStore();
    EXPECT_EQ(settings.ca_file, c.named ? server->CertFile() : "");
    settings.total_timeout_ms = 5000;
    CurlMailTransport transport(settings);
    const MailResult r = transport.Send(At("tls", true), Letter());
    EXPECT_EQ(r.fault, c.fault) << r.detail;
  }
  if (old_file) ::setenv("SSL_CERT_FILE", saved.c_str(), 1);
}

// A saved e-mail order file, read back, then mailed with the file's bytes as
// the body: once plain (port 25, redirected to the loopback listener), once
// over TLS with a login.
TEST_F(SmtpTest, SavedSheetIsMailedPlainAndOverTls) {
  testing::TempDir dir;
  auto& h = SheetModel().Header;
  h.KSZ = "1234";
  h.FORD = "12";
  h.SZLA = "12345";
  h.PSW = "Titok12";
  SheetModel().Lines.SheetCodes[1] = "M";
  SheetModel().Lines.SheetParams[1] = {5, 3, 0};
  ASSERT_TRUE(Ments1Click(dir.path()));
  ResetSheetModel();
  ASSERT_TRUE(LoadSheet(dir.path(), "1234_0012.emv"));
  ASSERT_EQ(SheetModel().Lines.SheetCodes[1], "M");
  const std::string file = dir.Read("1234_0012.emv");

  auto& o = Program().Options;
  o.SMTP = "127.0.0.1";
  SendFormCreate();
  SendFormShow();
  AddListedFile(dir.path() + "/1234_0012.emv");
  TMailCCChange("masolat@pelda.hu");

  struct Case {
    const char* listener;
    int port;
    const char* user;
    const char* password;
  };
  const Case cases[] = {{"plain", 25, "", ""}, {"tls_auth", server->Port("tls_auth"), " vorda ", "titok "}};
  for (const auto& c : cases) {
    const std::size_t before = server->Messages(c.listener).size();
    auto settings = Trusting();
    settings.connect_to = {"127.0.0.1:25:127.0.0.1:" + std::to_string(server->Port("plain"))};
    CurlMailTransport transport(settings);
    InstallMailTransport(&transport);
    TSMTPPortChange(std::to_string(c.port));
    TSMTPUsernameChange(c.user);
    TSMTPPasswordChange(c.password);
    boxes.shown.clear();

    SendButtonClick();
    ASSERT_EQ(boxes.shown.size(), 1u) << c.listener;
    EXPECT_EQ(boxes.shown[0].text, "A levél sikeresen elküldve!"_w) << c.listener;
    EXPECT_EQ(SendDialog().Status, "Levél küldés vége!"_w);
    const auto got = server->Messages(c.listener);
    ASSERT_EQ(got.size(), before + 1) << c.listener;
    EXPECT_EQ(got.back().from, kDefaultSender);
    EXPECT_EQ(got.back().recipients, (std::vector<std::string>{"ul@drovanek.hu", "masolat@pelda.hu"}));
    EXPECT_EQ(got.back().login, std::string(c.user).empty() ? "" : "vorda");
    const std::string& mail = got.back().content;
    const std::size_t body = mail.find("\r\n\r\n");
    ASSERT_NE(body, std::string::npos);
    EXPECT_EQ(mail.substr(body + 4), file + "\r\n") << c.listener;
    EXPECT_NE(mail.find("\r\nSubject: Vorda40\r\n"), std::string::npos);
    EXPECT_NE(mail.find("\r\nX-Mailer: Vorda40\r\n"), std::string::npos);
  }
  EXPECT_EQ(SendDialog().List.size(), 1u);
}

TEST_F(SmtpTest, FailedSendingShowsTheErrorBoxAndKeepsTheList) {
  testing::TempDir dir;
  const std::string path = dir.Write("1234_0012.emv", "VERSION=1.1&KSZ=1234&\r\nPost=P\r\n");
  Program().Options.SMTP = "127.0.0.1";
  SendFormCreate();
  AddListedFile(path);
  AddListedFile(path);

  struct Case {
    const char* listener;
    bool plain;  // port 25, redirected to the listener
    std::string starts;
  };
  const Case cases[] = {
      {"refuse", true, "Hiba történt a levél küldése közben!\r\n\r\nAz SMTP szerver visszautasította"_w},
      {"reject", true, "Hiba történt a levél küldése közben!\r\n\r\nAz SMTP szerver nem fogadta el a levelet."_w},
      {"drop", true, "Hiba történt a levél küldése közben!\r\n\r\nMegszakadt a kapcsolat"_w},
      {"plain", false, "Hiba történt a levél küldése közben!\r\n\r\nA titkosított (TLS) kapcsolat nem jött létre."_w},
  };
  for (const auto& c : cases) {
    const std::string port = std::to_string(server->Port(c.listener));
    auto settings = Trusting();
    settings.connect_to = {"127.0.0.1:25:127.0.0.1:" + port};
    CurlMailTransport transport(settings);
    InstallMailTransport(&transport);
    TSMTPPortChange(c.plain ? "25" : port);
    boxes.shown.clear();
    SendButtonClick();
    ASSERT_EQ(boxes.shown.size(), 1u) << c.listener;
    EXPECT_EQ(boxes.shown[0].text.substr(0, c.starts.size()), c.starts) << c.listener;
    EXPECT_EQ(boxes.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(SendDialog().Status, "Hiba a küldés közben!"_w);
    EXPECT_EQ(SendDialog().List, (std::vector<std::string>{path, path}));
  }

  // A certificate that does not verify has its own message in the same error
  // box, and nothing is sent.
  CurlMailTransport untrusting;
  InstallMailTransport(&untrusting);
  TSMTPPortChange(std::to_string(server->Port("tls_auth")));
  TSMTPUsernameChange("vorda");
  TSMTPPasswordChange("titok");
  const std::size_t before = server->Messages("tls_auth").size();
  boxes.shown.clear();
  SendButtonClick();
  ASSERT_EQ(boxes.shown.size(), 1u);
  const std::string cert =
      "Hiba történt a levél küldése közben!\r\n\r\nAz SMTP szerver tanúsítványa nem ellenőrizhető"_w;
  EXPECT_EQ(boxes.shown[0].text.substr(0, cert.size()), cert);
  EXPECT_EQ(boxes.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(SendDialog().Status, "Hiba a küldés közben!"_w);
  EXPECT_EQ(server->Messages("tls_auth").size(), before);
}

}  // namespace
}  // namespace vorda
