#include "platform/smtp_reply.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vorda {

namespace {

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameWord(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Upper(x) == y; });
}

std::string_view FirstWord(std::string_view line) {
  const std::size_t end = line.find_first_of(" \r\n");
  return line.substr(0, end);
}

std::string_view TrimEnd(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool Digit(char c) { return c >= '0' && c <= '9'; }

std::string Printable(std::string_view bytes) {
  std::string out(bytes);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) c = '?';
  return out;
}

}  // namespace

void SmtpExchange::Sent(std::string_view line) {
  if (quitting_) return;
  const std::string_view verb = FirstWord(line);
  if (SameWord(verb, "QUIT")) {
    // What the server says to QUIT, after a refusal, is not what went wrong.
    quitting_ = true;
    return;
  }
  // After a challenge (334) the line is the answer to it, credentials.
  const bool credentials = step_ == MailStep::Auth && answered_ && code_ == 334;
  answered_ = false;
  if (credentials) return;
  if (SameWord(verb, "EHLO") || SameWord(verb, "HELO")) {
    step_ = MailStep::Hello;
    starttls_offered_ = false;
  } else if (SameWord(verb, "STARTTLS")) {
    step_ = MailStep::StartTls;
    starttls_sent_ = true;
  } else if (SameWord(verb, "AUTH")) {
    step_ = MailStep::Auth;
  } else if (SameWord(verb, "MAIL")) {
    step_ = MailStep::Mail;
  } else if (SameWord(verb, "RCPT")) {
    step_ = MailStep::Rcpt;
  } else if (SameWord(verb, "DATA")) {
    step_ = MailStep::Data;
  }
}

void SmtpExchange::Received(std::string_view bytes) {
  for (const char c : bytes) {
    if (c == '\n') {
      EndOfLine();
      continue;
    }
    if (partial_.size() < kKeptLine) partial_ += c;
    ++partial_size_;
  }
}

void SmtpExchange::EndOfLine() {
  std::string line = std::move(partial_);
  const bool cut = partial_size_ > line.size();
  partial_.clear();
  partial_size_ = 0;
  if (quitting_) return;
  if (!cut && !line.empty() && line.back() == '\r') line.pop_back();
  any_reply_ = true;
  const bool coded = line.size() >= 3 && Digit(line[0]) && Digit(line[1]) && Digit(line[2]);
  const int code = coded ? (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0') : 0;
  const bool last = !coded || line.size() < 4 || line[3] != '-';
  if (step_ == MailStep::Hello && coded && line.size() >= 4 &&
      SameWord(TrimEnd(std::string_view(line).substr(4)), "STARTTLS"))
    starttls_offered_ = true;
  if (!last) return;
  line_ = std::move(line);
  code_ = code;
  answered_ = true;
  // The go-ahead for the message: the reply that matters now is the one to
  // the message's end.
  if (step_ == MailStep::Data && code == 354) {
    step_ = MailStep::Message;
    answered_ = false;
  }
}

MailFault FaultOfReply(MailStep step, int code, bool login_set) {
  if ((code == 530 || code == 538) && !login_set) return MailFault::LoginRequired;
  if (code == 534 || code == 535) return MailFault::Auth;
  switch (step) {
    case MailStep::Connect:
    case MailStep::Greeting:
    case MailStep::Hello:
      return MailFault::Connect;
    case MailStep::StartTls:
      return MailFault::Tls;
    case MailStep::Auth:
      return MailFault::Auth;
    case MailStep::Mail:
      return MailFault::SenderRefused;
    case MailStep::Rcpt:
      return MailFault::RecipientRefused;
    case MailStep::Data:
    case MailStep::Message:
      return MailFault::Rejected;
    case MailStep::Quit:
      break;
  }
  return MailFault::Other;
}

std::string Base64(std::string_view bytes) {
  static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
    std::uint32_t v = 0;
    for (std::size_t k = 0; k < 3; ++k)
      v = (v << 8) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
    for (std::size_t k = 0; k < 4; ++k) out += k <= n ? kDigits[(v >> (18 - 6 * k)) & 63] : '=';
  }
  return out;
}

std::string ShownReplyLine(std::string_view line, std::string_view user, std::string_view password) {
  std::string shown = Printable(line);
  if (!password.empty()) {
    std::string plain_login;
    plain_login += '\0';
    plain_login += user;
    plain_login += '\0';
    plain_login += password;
    const std::array<std::string, 3> secrets = {Printable(password), Base64(password), Base64(plain_login)};
    // The mask is made of a character none of the secrets holds, so masking
    // one can never make another (or itself) appear.
    char mask = 0;
    for (int c = 0x20; c <= 0x7E && mask == 0; ++c) {
      const char candidate = c == 0x20 ? '*' : static_cast<char>(c);  // "*" first, as users know it
      if (std::none_of(secrets.begin(), secrets.end(),
                       [&](const std::string& s) { return s.find(candidate) != std::string::npos; }))
        mask = candidate;
    }
    if (mask == 0) return std::string();
    for (const std::string& secret : secrets) {
      for (std::size_t at = shown.find(secret); at != std::string::npos; at = shown.find(secret, at + 5))
        shown.replace(at, secret.size(), 5, mask);
    }
  }
  if (shown.size() > kShownReplyLength) shown.resize(kShownReplyLength);
  return shown;
}

}  // namespace vorda
