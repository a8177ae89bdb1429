#pragma once
// What an SMTP server answered, read from the exchange as it passes: which
// command the last reply answered, its code and its last line, and whether the
// server offers STARTTLS. The transport feeds it the command lines it sends
// and the bytes it receives; the reply lines are outside data of any length
// and content, so what may be shown of them is made here too.
#include <cstddef>
#include <string>
#include <string_view>

namespace vorda {

// The SMTP step a reply answers: Greeting is the server's first line, Hello
// EHLO/HELO, Message the reply after the message's last line.
enum class MailStep { Connect, Greeting, Hello, StartTls, Auth, Mail, Rcpt, Data, Message, Quit };

// Unavailable: the transport could not be loaded. NoStartTls: STARTTLS was
// required and not offered. CleartextLogin: credentials were to be offered and
// the server offers no encryption. LoginRequired: the server asks for a login
// (or an encrypted line) and none was set. Rejected: the server refused the
// message itself (or answered it with what no SMTP server says).
enum class MailFault {
  None,
  Unavailable,
  Connect,
  Certificate,
  Tls,
  NoStartTls,
  CleartextLogin,
  LoginRequired,
  Auth,
  SenderRefused,
  RecipientRefused,
  Rejected,
  Dropped,
  Timeout,
  Other,
};

class SmtpExchange {
 public:
  // A command line as it went out. Only its first word is looked at: what
  // follows may carry credentials and is never kept.
  void Sent(std::string_view line);
  // Bytes from the server: whole lines or any pieces of them.
  void Received(std::string_view bytes);

  // The step the last reply answered, or the one that waits for its reply.
  MailStep Step() const { return step_; }
  // A whole reply (its last line) came after the last command sent.
  bool Answered() const { return answered_; }
  // The last reply's code (its first three digits), 0 when it has none.
  int Code() const { return code_; }
  // The last reply line received, without its line end, as it came (at most
  // kKeptLine bytes of it).
  const std::string& Line() const { return line_; }
  bool AnyReply() const { return any_reply_; }
  // The last EHLO reply named STARTTLS.
  bool StartTlsOffered() const { return starttls_offered_; }
  bool StartTlsSent() const { return starttls_sent_; }

  static constexpr std::size_t kKeptLine = 4096;

 private:
  void EndOfLine();

  MailStep step_ = MailStep::Greeting;
  bool answered_ = false;
  bool any_reply_ = false;
  bool starttls_offered_ = false;
  bool starttls_sent_ = false;
  bool quitting_ = false;  // after QUIT nothing said counts any more
  int code_ = 0;
  std::string line_;
  std::string partial_;
  std::size_t partial_size_ = 0;  // the whole length of the line being received
};

// The fault a server's refusal stands for, by the step it answered and its
// code: 530 or 538 without a login set asks for one; 534 or 535 refuse the
// login; otherwise the step decides (an unexpected code counts as a refusal
// of that step). Defined for every step and code, and never None.
MailFault FaultOfReply(MailStep step, int code, bool login_set);

// A reply line as it may be shown: every byte outside 0x20..0x7E as "?",
// every occurrence of the password (and of the Base64 forms in which AUTH
// LOGIN and AUTH PLAIN send it) masked, then cut to kShownReplyLength
// characters. Empty when nothing of it can be shown safely.
inline constexpr std::size_t kShownReplyLength = 200;
std::string ShownReplyLine(std::string_view line, std::string_view user, std::string_view password);

std::string Base64(std::string_view bytes);

}  // namespace vorda
