#pragma once
// Mail transport: hands one finished mail to an SMTP server.
//
// The contract every implementation keeps:
// - One call of Send is one connection: connect, greet, authenticate when
//   asked, give the envelope, send the message, quit. It blocks until the mail
//   is accepted or the attempt has failed, and never longer than the
//   implementation's total timeout.
// - `implicit_tls` false: a plain connection, never upgraded (no STARTTLS).
//   True: TLS from the connection's first byte. Over TLS the server's
//   certificate chain must verify against the trusted certificates and its
//   name or address must match `host`; otherwise nothing at all is sent and the
//   fault is Certificate.
// - Credentials are offered (SMTP AUTH) exactly when both `user` and
//   `password` are non-empty.
// - The result is None only when the server accepted the message for every
//   recipient; a refused sender or recipient, a failed login, a broken line or
//   a timeout gives its fault and never None. `detail` is a short text of what
//   went wrong (in English, from the transport); it never holds the password.
// - The mail's bytes are sent as given: CR LF lines, the header first; a line
//   starting with "." is escaped on the wire by the transport.
// - A transport that talks to a server keeps no copy of the password after
//   Send returns (the recording one below keeps everything, for tests).
#include <cstdint>
#include <string>
#include <vector>

namespace vorda {

struct MailServer {
  std::string host;
  std::uint16_t port = 25;
  bool implicit_tls = false;
  std::string user;
  std::string password;
};

struct MailEnvelope {
  std::string from;
  std::vector<std::string> recipients;
  std::string message;  // header, blank line, body
};

// Refused: the server refused the sender or a recipient. Rejected: it refused
// the message itself (or answered it with what no SMTP server says).
enum class MailFault { None, Connect, Certificate, Tls, Auth, Refused, Rejected, Dropped, Timeout, Other };

struct MailResult {
  MailFault fault = MailFault::None;
  std::string detail;
  bool Ok() const { return fault == MailFault::None; }
};

class MailTransport {
 public:
  virtual ~MailTransport() = default;
  virtual MailResult Send(const MailServer& server, const MailEnvelope& mail) = 0;
};

// The installed transport; by default the libcurl one with the system's
// certificate store (CurlMailTransport::SystemStore).
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
