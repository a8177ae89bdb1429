#pragma once
// Mail transport: hands one finished mail to an SMTP server.
//
// The contract every implementation keeps:
// - One call of Send is one connection: connect, greet, encrypt as `security`
//   asks, authenticate when asked, give the envelope, send the message, quit.
//   It blocks until the mail is accepted or the attempt has failed, and never
//   longer than the implementation's total timeout.
// - `security`:
//   Implicit: TLS from the connection's first byte.
//   StartTls: plain SMTP, upgraded with STARTTLS before anything else is said;
//     a server that does not offer STARTTLS is told nothing more (NoStartTls).
//   StartTlsIfOffered: upgraded with STARTTLS when the server offers it, plain
//     otherwise; but with credentials to offer, a server without STARTTLS is
//     told nothing more (CleartextLogin).
//   Whenever TLS is used, the server's certificate chain must verify against
//   the trusted certificates and its name or address must match `host`;
//   otherwise nothing at all is sent and the fault is Certificate. A failed
//   upgrade never falls back to plain.
// - Credentials are offered (SMTP AUTH) exactly when both `user` and
//   `password` are non-empty, and only ever over TLS.
// - The result is None only when the server accepted the message for every
//   recipient; a refused sender or recipient, a failed login, a broken line or
//   a timeout gives its fault and never None.
// - When the server's answer is what failed, `reply` holds its last reply
//   line as it may be shown (ShownReplyLine: printable ASCII, at most 200
//   characters, credentials masked), `code` its code, `step` the command it
//   answered; the fault follows FaultOfReply. Otherwise `reply` is empty and
//   `detail` says in Hungarian (Windows-1250) what went wrong. Neither ever
//   holds the password.
// - The mail's bytes are sent as given: CR LF lines, the header first; a line
//   starting with "." is escaped on the wire by the transport.
// - Send reads nothing but its arguments and the transport's own settings, so
//   it may run on a worker thread while the window's thread goes on.
// - A transport that talks to a server keeps no copy of the password after
//   Send returns, and logs nothing (the recording one below keeps everything,
//   for tests).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/smtp_reply.h"

namespace vorda {

enum class MailSecurity { Implicit, StartTls, StartTlsIfOffered };

struct MailServer {
  std::string host;
  std::uint16_t port = 25;
  MailSecurity security = MailSecurity::StartTlsIfOffered;
  std::string user;
  std::string password;
};

struct MailEnvelope {
  std::string from;
  std::vector<std::string> recipients;
  std::string message;  // header, blank line, body
};

struct MailResult {
  MailFault fault = MailFault::None;
  MailStep step = MailStep::Connect;
  int code = 0;  // the server's reply code; 0 when no reply is shown
  std::string reply;
  std::string detail;
  bool Ok() const { return fault == MailFault::None; }
  // A 4xx answer: the server may take the mail later.
  bool Transient() const { return code >= 400 && code <= 499; }
};

class MailTransport {
 public:
  virtual ~MailTransport() = default;
  virtual MailResult Send(const MailServer& server, const MailEnvelope& mail) = 0;
};

// Where the SMTP transport finds the certificates it trusts, and how long it
// waits.
struct SmtpSettings {
  // A PEM file of the certificates to trust instead of the system's bundle,
  // and a folder of hashed certificates instead of the system's folder.
  std::string ca_file;
  std::string ca_dir;
  long connect_timeout_ms = 15000;
  long total_timeout_ms = 60000;
  // libcurl's "HOST:PORT:CONNECT-TO-HOST:CONNECT-TO-PORT" redirections: the
  // URL and the certificate check still use the given host and port.
  std::vector<std::string> connect_to;

  // The system's store as OpenSSL names it: the files of the environment's
  // SSL_CERT_FILE and SSL_CERT_DIR when they are set, else libcurl's own
  // (Debian: /etc/ssl/certs/ca-certificates.crt and /etc/ssl/certs).
  static SmtpSettings SystemStore();
};

// The SMTP transport (libcurl with OpenSSL) lives in a module of its own,
// kSmtpModuleName in `folder` (by default the folder of the running program),
// so that the program maps libcurl and the TLS, Kerberos and LDAP libraries it
// pulls in only when a mail is sent. When the module cannot be loaded, the
// transport returned fails every send with the fault Unavailable and a detail
// that says why.
inline constexpr const char* kSmtpModuleName = "vorda40-smtp.so";
std::unique_ptr<MailTransport> LoadSmtpTransport(const SmtpSettings& settings, const std::string& folder = {});

// The installed transport; by default the module's, with the system's
// certificate store, loaded at the first call (and tried again at the next
// call while it cannot be loaded).
MailTransport& Mailer();
void InstallMailTransport(MailTransport* transport);  // nullptr: back to the default

// Overwrites a secret's bytes in a way the optimiser keeps, then empties it.
void WipeSecret(std::string& secret);

// Remembers every mail instead of sending it and answers with `result`.
class RecordingMailTransport : public MailTransport {
 public:
  struct Sent {
    MailServer server;
    MailEnvelope mail;
  };
  MailResult Send(const MailServer& server, const MailEnvelope& mail) override {
    sent.push_back({server, mail});
    return result;
  }
  std::vector<Sent> sent;
  MailResult result;
};

}  // namespace vorda
