// An SMTP server's replies read from any bytes, and what the error box makes
// of them.
// Input, in parts separated by 1Eh: the user name, the password, our side of
// the exchange (each byte one command: E EHLO, S STARTTLS, A AUTH, C the
// credentials, M MAIL, R RCPT, D DATA, Q QUIT; any other byte chooses one by
// its value), and the server's bytes, cut at 1Fh into the pieces that arrive
// before the first command and after each one.
// The reply shown is at most 200 characters of printable ASCII and never holds
// the password (plain, or as AUTH sends it in Base64); every step and code has
// its fault, never None; the box names the fault and shows that reply; what
// the server says once QUIT was sent changes nothing.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "mail/send_dialog.h"
#include "platform/smtp_reply.h"

namespace {

using vorda::MailFault;
using vorda::MailStep;

constexpr MailStep kSteps[] = {MailStep::Connect, MailStep::Greeting, MailStep::Hello, MailStep::StartTls,
                               MailStep::Auth,    MailStep::Mail,     MailStep::Rcpt,  MailStep::Data,
                               MailStep::Message, MailStep::Quit};

bool KnownFault(MailFault f) { return f > MailFault::None && f <= MailFault::Other; }

// Every step and code (and a few out of range) has a fault of its own.
bool ClassificationIsTotal() {
  for (const MailStep step : kSteps)
    for (int code = -1; code <= 1000; ++code)
      for (const bool login : {false, true})
        if (!KnownFault(vorda::FaultOfReply(step, code, login))) return false;
  return true;
}

std::vector<std::string_view> Pieces(std::string_view bytes) {
  std::vector<std::string_view> pieces;
  for (std::size_t from = 0;;) {
    const std::size_t end = bytes.find('\x1F', from);
    pieces.push_back(bytes.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from));
    if (end == std::string_view::npos) return pieces;
    from = end + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorda;
  static const bool total = ClassificationIsTotal();
  FUZZ_CHECK(total);

  const auto parts = fuzz::SplitParts(std::string_view(reinterpret_cast<const char*>(data), size), 4);
  const std::string user(parts[0]);
  const std::string password(parts[1]);
  const std::string_view script = parts[2];
  const std::vector<std::string_view> server = Pieces(parts[3]);

  std::string plain_login;
  plain_login += '\0';
  plain_login += user;
  plain_login += '\0';
  plain_login += password;
  const std::string commands[] = {"EHLO vorda",           "STARTTLS",          "AUTH PLAIN",
                                  Base64(plain_login),    "MAIL FROM:<a@b.hu>", "RCPT TO:<ul@drovanek.hu>",
                                  "DATA",                 "QUIT"};
  static constexpr std::string_view kLetters = "ESACMRDQ";

  SmtpExchange exchange;
  bool quit = false;
  SmtpExchange at_quit;
  for (std::size_t i = 0; i < server.size(); ++i) {
    if (i > 0 && i - 1 < script.size()) {
      const char b = script[i - 1];
      const std::size_t letter = kLetters.find(b);
      const std::size_t command = letter != std::string_view::npos ? letter : static_cast<unsigned char>(b) % 8;
      exchange.Sent(commands[command] + "\r\n");
      if (command == 7 && !quit) {
        quit = true;
        at_quit = exchange;
      }
    }
    exchange.Received(server[i]);
  }

  FUZZ_CHECK(exchange.Line().size() <= SmtpExchange::kKeptLine);
  FUZZ_CHECK(exchange.Code() >= 0 && exchange.Code() <= 999);
  if (quit) {
    FUZZ_CHECK(exchange.Step() == at_quit.Step());
    FUZZ_CHECK(exchange.Answered() == at_quit.Answered());
    FUZZ_CHECK(exchange.Code() == at_quit.Code());
    FUZZ_CHECK(exchange.Line() == at_quit.Line());
  }

  const std::string shown = ShownReplyLine(exchange.Line(), user, password);
  FUZZ_CHECK(shown.size() <= kShownReplyLength);
  for (const char c : shown) FUZZ_CHECK(c >= 0x20 && c <= 0x7E);
  if (!password.empty()) {
    FUZZ_CHECK(shown.find(password) == std::string::npos);
    FUZZ_CHECK(shown.find(Base64(password)) == std::string::npos);
    FUZZ_CHECK(shown.find(Base64(plain_login)) == std::string::npos);
  } else {
    // Without a password only the unprintable bytes change, and the length.
    std::string printable(exchange.Line().substr(0, kShownReplyLength));
    for (char& c : printable)
      if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) c = '?';
    FUZZ_CHECK(shown == printable);
  }

  const bool login = !user.empty() && !password.empty();
  MailResult result;
  result.fault = FaultOfReply(exchange.Step(), exchange.Code(), login);
  FUZZ_CHECK(KnownFault(result.fault));
  result.step = exchange.Step();
  result.code = exchange.Code();
  result.reply = shown;
  const std::string text = SendFailureText(result);
  FUZZ_CHECK(!text.empty());
  if (!shown.empty()) {
    const std::string tail = "\r\nA szerver v\xE1lasza: " + shown;
    FUZZ_CHECK(text.size() > tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0);
  }
  return 0;
}
