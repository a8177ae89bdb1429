// Sending for real: the SMTP module and the sending dialog against the
// loopback SMTP server.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>

#include "data/order_sheet.h"
#include "data/scrambler.h"
#include "editor/editor_state.h"
#include "editor/program_state.h"
#include "editor/sheet_files.h"
#include "editor/sheet_totals.h"
#include "mail/email_dialog.h"
#include "mail/send_dialog.h"
#include "platform/mail_transport.h"
#include "platform/message_box.h"
#include "platform/win1250.h"
#include "support/loopback_smtp.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

using testing::LoopbackSmtp;

constexpr MailSecurity kImplicit = MailSecurity::Implicit;
constexpr MailSecurity kStartTls = MailSecurity::StartTls;
constexpr MailSecurity kIfOffered = MailSecurity::StartTlsIfOffered;

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

  static SmtpSettings Trusting() {
    SmtpSettings s;
    s.ca_file = server->CertFile();
    s.connect_timeout_ms = 2000;
    s.total_timeout_ms = 5000;
    return s;
  }

  static MailServer At(const std::string& listener, MailSecurity security, std::string user = "",
                       std::string password = "") {
    return {"127.0.0.1", static_cast<std::uint16_t>(server->Port(listener)), security, std::move(user),
            std::move(password)};
  }

  static MailEnvelope Letter() {
    return {"en@pelda.hu", {"ul@drovanek.hu", "masolat@pelda.hu"},
            "Subject: Vorda40\r\n\r\nVERSION=1.1&\r\n.pont\r\n\xE1rv\xEDzt\xFBr\xF5\r\n"};
  }

  // The password and the two Base64 forms in which AUTH sends it.
  static bool HoldsTheSecret(const std::string& bytes) {
    for (const std::string& s : {std::string("titok"), Base64("titok"), Base64(std::string("\0vorda\0titok", 12))})
      if (bytes.find(s) != std::string::npos) return true;
    return false;
  }

  // Installs a transport whose ports 25 and 587 lead to `listener`.
  void InstallTransportTo(const std::string& listener) {
    auto settings = Trusting();
    const std::string to = ":127.0.0.1:" + std::to_string(server->Port(listener));
    settings.connect_to = {"127.0.0.1:25" + to, "127.0.0.1:587" + to};
    installed = LoadSmtpTransport(settings);
    InstallMailTransport(installed.get());
  }

  static inline std::unique_ptr<LoopbackSmtp> server;
  RecordingMessageBoxes boxes;
  std::unique_ptr<MailTransport> installed;
};

TEST_F(SmtpTest, DeliversOverEachKindOfEncryption) {
  struct Case {
    const char* listener;
    MailSecurity security;
    const char* user;
    const char* password;
    const char* login;
    bool tls;
  };
  const Case cases[] = {
      {"plain", kIfOffered, "", "", "", false},
      {"tls", kImplicit, "", "", "", true},
      {"tls_auth", kImplicit, "vorda", "titok", "vorda", true},
      // A user name without a password logs in as nobody.
      {"tls", kImplicit, "vorda", "", "", true},
      // STARTTLS, required or taken as offered, before the login.
      {"starttls", kStartTls, "vorda", "titok", "vorda", true},
      {"starttls", kIfOffered, "", "", "", true},
      {"starttls", kIfOffered, "vorda", "titok", "vorda", true},
  };
  auto transport = LoadSmtpTransport(Trusting());
  for (const auto& c : cases) {
    const std::string what = std::string(c.listener) + " " + c.user;
    const std::size_t before = server->Messages(c.listener).size();
    const MailResult r = transport->Send(At(c.listener, c.security, c.user, c.password), Letter());
    ASSERT_TRUE(r.Ok()) << what << ": " << r.detail << r.reply;
    const auto got = server->Messages(c.listener);
    ASSERT_EQ(got.size(), before + 1) << what;
    EXPECT_EQ(got.back().from, "en@pelda.hu");
    EXPECT_EQ(got.back().recipients, (std::vector<std::string>{"ul@drovanek.hu", "masolat@pelda.hu"}));
    EXPECT_EQ(got.back().login, c.login) << what;
    EXPECT_EQ(got.back().tls, c.tls) << what;
    if (*c.login) {
      EXPECT_TRUE(got.back().login_tls) << what;
    }
    // Byte for byte, the line that starts with a dot included.
    EXPECT_EQ(got.back().content, Letter().message) << what;
  }
  EXPECT_FALSE(HoldsTheSecret(server->Wire("starttls")));
}

TEST_F(SmtpTest, EveryFailureIsAFaultNeverSuccess) {
  struct Case {
    const char* what;
    MailServer at;
    MailFault fault;
    SmtpSettings settings;
    std::string reply;   // the server's line as shown, when it is what failed
    std::string detail;  // else the transport's reason
    MailStep step = MailStep::Connect;
  };
  auto untrusting = Trusting();
  untrusting.ca_file.clear();  // the system's store does not know our certificate
  auto short_wait = Trusting();
  short_wait.total_timeout_ms = 800;
  auto wrong_name = Trusting();
  const int tls_port = server->Port("tls");
  wrong_name.connect_to = {"mail.pelda.hu:" + std::to_string(tls_port) + ":127.0.0.1:" + std::to_string(tls_port)};
  const std::string self_signed = "a tanúsítványt saját magának állította ki a szerver, és ez a gép nem bízik benne"_w;

  const Case cases[] = {
      {"no server", {"127.0.0.1", static_cast<std::uint16_t>(testing::ClosedPort()), kIfOffered, "", ""},
       MailFault::Connect, Trusting(), "", "a szerver nem fogad kapcsolatot ezen a porton"_w},
      {"refused recipient", At("refuse", kIfOffered), MailFault::RecipientRefused, Trusting(),
       "550 5.1.1 No such user here", "", MailStep::Rcpt},
      {"recipient put off", At("tempfail", kIfOffered), MailFault::RecipientRefused, Trusting(),
       "451 4.3.0 Mailbox busy, try again later", "", MailStep::Rcpt},
      {"DATA refused", At("refuse_data", kIfOffered), MailFault::Rejected, Trusting(),
       "554 5.5.1 Error: no valid recipients", "", MailStep::Data},
      {"message rejected", At("reject", kIfOffered), MailFault::Rejected, Trusting(),
       "554 5.7.1 Message rejected: looks like spam", "", MailStep::Message},
      {"dropped line", At("drop", kIfOffered), MailFault::Dropped, Trusting(), "",
       "a szerver bontotta a kapcsolatot"_w},
      {"wrong password", At("tls_auth", kImplicit, "vorda", "rossz"), MailFault::Auth, Trusting(),
       "535 5.7.8 Authentication credentials invalid", "", MailStep::Auth},
      {"login required", At("plain_auth", kIfOffered), MailFault::LoginRequired, Trusting(),
       "530 5.7.0 Authentication required", "", MailStep::Mail},
      // A password is never sent in clear: a server without STARTTLS gets
      // nothing more than EHLO.
      {"login without STARTTLS", At("plain_auth", kIfOffered, "vorda", "titok"), MailFault::CleartextLogin,
       Trusting(), "", ""},
      {"STARTTLS required, not offered", At("plain_auth", kStartTls, "vorda", "titok"), MailFault::NoStartTls,
       Trusting(), "", ""},
      {"STARTTLS required, not offered, no login", At("plain", kStartTls), MailFault::NoStartTls, Trusting(), "",
       ""},
      {"untrusted certificate", At("tls", kImplicit, "vorda", "titok"), MailFault::Certificate, untrusting, "",
       self_signed},
      {"untrusted certificate after STARTTLS", At("starttls_untrusted", kIfOffered, "vorda", "titok"),
       MailFault::Certificate, Trusting(), "", self_signed},
      {"untrusted certificate after STARTTLS, no login", At("starttls_untrusted", kIfOffered),
       MailFault::Certificate, Trusting(), "", self_signed},
      {"certificate for another name", {"mail.pelda.hu", static_cast<std::uint16_t>(tls_port), kImplicit, "", ""},
       MailFault::Certificate, wrong_name, "", "a tanúsítvány nem erre a szervernévre szól"_w},
      {"TLS to a plain server", At("plain", kImplicit), MailFault::Tls, Trusting(), "",
       "a TLS kézfogás nem sikerült"_w},
      // A plain client waits for a greeting that a TLS server never sends.
      {"plain to a TLS server", At("tls", kIfOffered), MailFault::Timeout, short_wait, "",
       "a kapcsolat létrejött, de a szerver 0,8 másodperc alatt sem szólalt meg"_w},
      {"silent server", At("silent", kIfOffered), MailFault::Timeout, short_wait, "",
       "a kapcsolat létrejött, de a szerver 0,8 másodperc alatt sem szólalt meg"_w},
  };
  std::map<std::string, std::size_t> before;
  for (const char* l : {"tls", "plain", "plain_auth", "starttls_untrusted"}) before[l] = server->Messages(l).size();
  for (const auto& c : cases) {
    auto transport = LoadSmtpTransport(c.settings);
    const MailResult r = transport->Send(c.at, Letter());
    EXPECT_EQ(r.fault, c.fault) << c.what << ": " << r.detail << r.reply;
    EXPECT_EQ(r.reply, c.reply) << c.what;
    EXPECT_EQ(r.detail, c.detail) << c.what;
    if (!c.reply.empty()) {
      EXPECT_EQ(r.step, c.step) << c.what;
      EXPECT_EQ(r.code, std::stoi(c.reply)) << c.what;
    }
  }
  // Nothing reached the mailbox of the listeners that failed, and nothing of
  // the password went over a plain line.
  for (const auto& [listener, count] : before) EXPECT_EQ(server->Messages(listener).size(), count) << listener;
  for (const char* l : {"plain_auth", "plain", "starttls_untrusted"}) {
    EXPECT_FALSE(HoldsTheSecret(server->Wire(l))) << l;
    EXPECT_EQ(server->Wire(l).find("AUTH"), std::string::npos) << l;
  }
  EXPECT_EQ(server->Wire("starttls_untrusted").find("MAIL FROM"), std::string::npos);
}

// A server may repeat what it was sent: the password, plain or in Base64,
// never reaches what is shown, nor is anything printed.
TEST_F(SmtpTest, PasswordNeverReachesAMessageOrTheLog) {
  auto transport = LoadSmtpTransport(Trusting());
  ::testing::internal::CaptureStderr();
  ::testing::internal::CaptureStdout();
  const MailResult r = transport->Send(At("echo_auth", kImplicit, "vorda", "titok"), Letter());
  const std::string printed = ::testing::internal::GetCapturedStdout() + ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(r.fault, MailFault::Auth);
  EXPECT_EQ(r.reply, "535 5.7.8 Bad login vorda/***** *****");
  EXPECT_EQ(printed, "");

  Program().Options.SMTP = "127.0.0.1";
  testing::TempDir dir;
  SendFormCreate();
  AddListedFile(dir.Write("1234_0012.emv", "VERSION=1.1&\r\nPost=P\r\n"));
  TSMTPUsernameChange("vorda");
  TSMTPPasswordChange("titok");
  struct Case {
    const char* listener;
    int port;
  };
  for (const Case c : {Case{"echo_auth", server->Port("echo_auth")}, Case{"plain_auth", 25}, Case{"plain_auth", 587}}) {
    InstallTransportTo(c.listener);
    TSMTPPortChange(std::to_string(c.port));
    boxes.shown.clear();
    ::testing::internal::CaptureStderr();
    SendButtonClick();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_FALSE(HoldsTheSecret(boxes.shown[0].text)) << boxes.shown[0].text;
  }
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
    auto settings = SmtpSettings::SystemStore();
    EXPECT_EQ(settings.ca_file, c.named ? server->CertFile() : "");
    settings.total_timeout_ms = 5000;
    auto transport = LoadSmtpTransport(settings);
    const MailResult r = transport->Send(At("tls", kImplicit), Letter());
    EXPECT_EQ(r.fault, c.fault) << r.detail;
  }
  if (old_file) ::setenv("SSL_CERT_FILE", saved.c_str(), 1);
}

// The program's transport is the module beside the program, loaded at the
// first send; a module that cannot be loaded fails the send with its reason.
TEST_F(SmtpTest, TransportModuleIsLoadedFromTheProgramsFolder) {
  const std::size_t before = server->Messages("plain").size();
  ASSERT_TRUE(Mailer().Send(At("plain", kIfOffered), Letter()).Ok());
  EXPECT_EQ(server->Messages("plain").size(), before + 1);

  testing::TempDir empty;
  testing::TempDir broken;
  broken.Write(kSmtpModuleName, "no ELF here");
  struct Case {
    const testing::TempDir& folder;
    std::string reason;
  };
  const Case cases[] = {
      {empty, "nincs meg a fájl: "_w + empty.path() + "/" + kSmtpModuleName},
      {broken, "a fájl hibás vagy nem ehhez a programhoz készült: "_w + broken.path() + "/" + kSmtpModuleName},
  };
  const std::string path = broken.Write("1234_0012.emv", "VERSION=1.1&\r\nPost=P\r\n");
  Program().Options.SMTP = "127.0.0.1";
  SendFormCreate();
  AddListedFile(path);
  for (const auto& c : cases) {
    auto missing = LoadSmtpTransport(Trusting(), c.folder.path());
    const MailResult r = missing->Send(At("plain", kIfOffered), Letter());
    EXPECT_EQ(r.fault, MailFault::Unavailable);
    EXPECT_EQ(r.detail, c.reason);
    InstallMailTransport(missing.get());
    boxes.shown.clear();
    SendButtonClick();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Hiba történt a levél küldése közben!\r\n\r\nA levélküldő modul nem tölthető be, "
                                   "ezért a levél nem lett elküldve!\r\n("_w +
                                       c.reason + ")");
    EXPECT_EQ(boxes.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(SendDialog().Status, "Hiba a küldés közben!"_w);
  }
  EXPECT_EQ(server->Messages("plain").size(), before + 1);
}

// A saved e-mail order file, read back, then mailed with the file's bytes as
// the body: on port 25 (redirected to the loopback listener) plain, on 25 to
// a server offering STARTTLS upgraded, on 587 over STARTTLS with a login, and
// on the implicit TLS port with a login.
TEST_F(SmtpTest, SavedSheetIsMailedOnEachPort) {
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
    bool tls;
  };
  const Case cases[] = {
      {"plain", 25, "", "", false},
      {"starttls", 25, "", "", true},
      {"starttls", 587, " vorda ", "titok ", true},
      {"tls_auth", server->Port("tls_auth"), " vorda ", "titok ", true},
  };
  for (const auto& c : cases) {
    const std::size_t before = server->Messages(c.listener).size();
    InstallTransportTo(c.listener);
    TSMTPPortChange(std::to_string(c.port));
    TSMTPUsernameChange(c.user);
    TSMTPPasswordChange(c.password);
    boxes.shown.clear();

    SendButtonClick();
    ASSERT_EQ(boxes.shown.size(), 1u) << c.listener;
    EXPECT_EQ(boxes.shown[0].text, "A levél sikeresen elküldve!"_w) << c.listener << ": " << boxes.shown[0].text;
    EXPECT_EQ(SendDialog().Status, "Levél küldés vége!"_w);
    const auto got = server->Messages(c.listener);
    ASSERT_EQ(got.size(), before + 1) << c.listener;
    EXPECT_EQ(got.back().from, kDefaultSender);
    EXPECT_EQ(got.back().recipients, (std::vector<std::string>{"ul@drovanek.hu", "masolat@pelda.hu"}));
    EXPECT_EQ(got.back().login, std::string(c.user).empty() ? "" : "vorda");
    EXPECT_EQ(got.back().tls, c.tls) << c.listener << " " << c.port;
    if (*c.user) {
      EXPECT_TRUE(got.back().login_tls);
    }
    const std::string& mail = got.back().content;
    const std::size_t body = mail.find("\r\n\r\n");
    ASSERT_NE(body, std::string::npos);
    EXPECT_EQ(mail.substr(body + 4), file + "\r\n") << c.listener;
    EXPECT_NE(mail.find("\r\nSubject: Vorda40\r\n"), std::string::npos);
    EXPECT_NE(mail.find("\r\nX-Mailer: Vorda40\r\n"), std::string::npos);
  }
  EXPECT_EQ(SendDialog().List.size(), 1u);
}

// What the user reads for each way a server fails, word for word.
TEST_F(SmtpTest, FailedSendingShowsTheErrorBoxAndKeepsTheList) {
  testing::TempDir dir;
  const std::string path = dir.Write("1234_0012.emv", "VERSION=1.1&KSZ=1234&\r\nPost=P\r\n");
  Program().Options.SMTP = "127.0.0.1";
  SendFormCreate();
  AddListedFile(path);
  AddListedFile(path);

  struct Case {
    const char* listener;
    int port;  // 25 and 587 are redirected to the listener; 0: the listener's own port (TLS from the first byte)
    const char* user;
    std::string text;
  };
  const std::string head = "Hiba történt a levél küldése közben!\r\n\r\n"_w;
  const Case cases[] = {
      {"plain_auth", 25, "",
       "Az SMTP szerver bejelentkezést (vagy titkosított kapcsolatot) kér.\r\n"
       "A szerver válasza: 530 5.7.0 Authentication required"_w},
      {"refuse", 25, "",
       "Az SMTP szerver visszautasította a címzettet.\r\nA szerver válasza: 550 5.1.1 No such user here"_w},
      {"tempfail", 25, "",
       "Az SMTP szerver visszautasította a címzettet. (átmeneti hiba, később érdemes újra próbálni)\r\n"
       "A szerver válasza: 451 4.3.0 Mailbox busy, try again later"_w},
      {"refuse_data", 25, "",
       "Az SMTP szerver nem fogadta el a levelet.\r\nA szerver válasza: 554 5.5.1 Error: no valid recipients"_w},
      {"reject", 25, "",
       "Az SMTP szerver nem fogadta el a levelet.\r\n"
       "A szerver válasza: 554 5.7.1 Message rejected: looks like spam"_w},
      {"drop", 25, "", "Megszakadt a kapcsolat az SMTP szerverrel.\r\n(a szerver bontotta a kapcsolatot)"_w},
      {"plain_auth", 25, "vorda",
       "A szerver nem kínál titkosított kapcsolatot, a jelszó titkosítatlanul nem küldhető el. A levél nem lett "
       "elküldve! (Bejelentkezést nem kérő szerverhez hagyd üresen a felhasználónevet és a jelszót.)"_w},
      {"plain_auth", 587, "vorda",
       "Az SMTP szerver nem kínál titkosított kapcsolatot (STARTTLS), ezért a levél nem lett elküldve!"_w},
      {"plain", 587, "",
       "Az SMTP szerver nem kínál titkosított kapcsolatot (STARTTLS), ezért a levél nem lett elküldve!"_w},
      {"starttls_untrusted", 25, "",
       "Az SMTP szerver tanúsítványa nem ellenőrizhető: nem megbízható kiadótól származik, lejárt, vagy nem ehhez "
       "a szervernévhez szól. A levél nem lett elküldve!\r\n(a tanúsítványt saját magának állította ki a szerver, "
       "és ez a gép nem bízik benne)"_w},
      {"tls_auth", 0, "vorda", "Az SMTP szerver nem fogadta el a felhasználónevet vagy a jelszót.\r\n"
                               "A szerver válasza: 535 5.7.8 Authentication credentials invalid"_w},
      {"plain", 0, "", "A titkosított (TLS) kapcsolat nem jött létre.\r\n(a TLS kézfogás nem sikerült)"_w},
  };
  for (const auto& c : cases) {
    const std::string what = std::string(c.listener) + " " + std::to_string(c.port) + " " + c.user;
    InstallTransportTo(c.listener);
    TSMTPPortChange(std::to_string(c.port ? c.port : server->Port(c.listener)));
    TSMTPUsernameChange(c.user);
    TSMTPPasswordChange(*c.user ? "rossz" : "");
    const std::size_t before = server->Messages(c.listener).size();
    boxes.shown.clear();
    SendButtonClick();
    ASSERT_EQ(boxes.shown.size(), 1u) << what;
    EXPECT_EQ(boxes.shown[0].text, head + c.text) << what;
    EXPECT_EQ(boxes.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(SendDialog().Status, "Hiba a küldés közben!"_w);
    EXPECT_EQ(SendDialog().List, (std::vector<std::string>{path, path}));
    EXPECT_EQ(server->Messages(c.listener).size(), before) << what;
  }
}

}  // namespace
}  // namespace vorda
