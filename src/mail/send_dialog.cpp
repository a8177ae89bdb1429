#include "mail/send_dialog.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <thread>

#include "data/field_reader.h"
#include "data/scrambler.h"
#include "editor/program_state.h"
#include "platform/files.h"
#include "platform/mail_transport.h"
#include "platform/message_box.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

SendDialogState g_dialog;

constexpr std::size_t kFieldLength = 35;

std::string Cut(std::string_view s, std::size_t width) { return std::string(s.substr(0, width)); }

bool HasAt(std::string_view s) { return s.find('@') != std::string_view::npos; }

std::string Trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

// An integer as typed (an optional sign, then digits, within 32 bits).
std::optional<std::int64_t> WholeNumber(std::string_view s) {
  std::size_t i = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
  if (i == s.size() || s.size() - i > 10) return std::nullopt;
  std::int64_t v = 0;
  for (std::size_t k = i; k < s.size(); ++k) {
    if (s[k] < '0' || s[k] > '9') return std::nullopt;
    v = v * 10 + (s[k] - '0');
  }
  if (s[0] == '-') v = -v;
  if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
  return v;
}

// The clear password lives only as long as one attempt.
struct ClearPassword {
  std::string& text;
  ~ClearPassword() { WipeSecret(text); }
};

std::string FaultText(MailFault fault) {
  switch (fault) {
    case MailFault::Unavailable:
      return "A levélküldő modul nem tölthető be, ezért a levél nem lett elküldve!"_w;
    case MailFault::Connect: return "Nem sikerült kapcsolódni az SMTP szerverhez."_w;
    case MailFault::Certificate:
      return "Az SMTP szerver tanúsítványa nem ellenőrizhető: nem megbízható kiadótól származik, lejárt, "
             "vagy nem ehhez a szervernévhez szól. A levél nem lett elküldve!"_w;
    case MailFault::Tls: return "A titkosított (TLS) kapcsolat nem jött létre."_w;
    case MailFault::NoStartTls:
      return "Az SMTP szerver nem kínál titkosított kapcsolatot (STARTTLS), ezért a levél nem lett elküldve!"_w;
    case MailFault::CleartextLogin:
      return "A szerver nem kínál titkosított kapcsolatot, a jelszó titkosítatlanul nem küldhető el. A levél nem "
             "lett elküldve! (Bejelentkezést nem kérő szerverhez hagyd üresen a felhasználónevet és a jelszót.)"_w;
    case MailFault::LoginRequired: return "Az SMTP szerver bejelentkezést (vagy titkosított kapcsolatot) kér."_w;
    case MailFault::Auth: return "Az SMTP szerver nem fogadta el a felhasználónevet vagy a jelszót."_w;
    case MailFault::SenderRefused: return "Az SMTP szerver visszautasította a feladót."_w;
    case MailFault::RecipientRefused: return "Az SMTP szerver visszautasította a címzettet."_w;
    case MailFault::Rejected: return "Az SMTP szerver nem fogadta el a levelet."_w;
    case MailFault::Dropped: return "Megszakadt a kapcsolat az SMTP szerverrel."_w;
    case MailFault::Timeout: return "Az SMTP szerver nem válaszolt időben."_w;
    case MailFault::None:
    case MailFault::Other: break;
  }
  return "Ismeretlen hiba."_w;
}

void SetStatus(const std::string& text, const std::function<void()>& repaint) {
  g_dialog.Status = text;
  if (repaint) repaint();
}

}  // namespace

SendDialogState& SendDialog() { return g_dialog; }
void ResetSendDialog() { g_dialog = SendDialogState{}; }

void SendFormCreate() {
  auto& d = g_dialog;
  const auto& o = Program().Options;
  d.TMailFrom = o.SenderEmail;
  d.TMailCC = o.SendCC;
  d.TSMTPServer = o.SMTP;
  d.TSMTPPort = std::to_string(o.SMTPPort);
  d.TSMTPUsername = o.Username;
  d.PasswordPlaceholder = "*******";
  d.Label2 = "Ha nem adsz meg E-mail címet, akkor az UL-OK a "_w + std::string(kDefaultSender) +
             " címre megy\r(kivéve ha az E-mail UL mentésnél beállítottál E-mail címet, mert akkor oda)"_w;
  d.Label5 = "Küldendő EMV file-ok listája\r(Az UL-ek a listában szereplő sorrendben lesznek betáplálva)"_w;
}

void SendFormShow() { g_dialog.List.clear(); }

void TMailFromChange(const std::string& text) {
  g_dialog.TMailFrom = text;
  Program().Options.SenderEmail = Cut(text, kFieldLength);
}
void TMailCCChange(const std::string& text) {
  g_dialog.TMailCC = text;
  Program().Options.SendCC = Cut(text, kFieldLength);
}
void TSMTPServerChange(const std::string& text) {
  g_dialog.TSMTPServer = text;
  Program().Options.SMTP = Cut(text, kFieldLength);
}
void TSMTPPortChange(const std::string& text) {
  g_dialog.TSMTPPort = text;
  const auto n = WholeNumber(text);
  Program().Options.SMTPPort = n ? static_cast<std::int32_t>(*n) : 25;
}
void TSMTPUsernameChange(const std::string& text) {
  g_dialog.TSMTPUsername = text;
  Program().Options.Username = text;
}

void TSMTPPasswordChange(std::string text) {
  ClearPassword wipe{text};
  auto& o = Program().Options;
  if (text.empty()) {
    o.Password.clear();
    return;
  }
  // The edit is limited to what the scramble block holds.
  if (auto scrambled = ScrambleString(text)) o.Password = std::move(*scrambled);
}

bool AddressCharacter(char c) {
  return c == ',' || c == '-' || c == '.' || c == '@' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
         (c >= 'a' && c <= 'z');
}

bool AddressKeyPress(char key, bool& enter) {
  enter = key == 13;
  if (enter) return false;
  return key == 8 || key == 9 || AddressCharacter(key);
}

std::string AddressText(std::string_view text, std::size_t room) {
  std::string kept;
  for (const char c : text) {
    if (kept.size() == room) break;
    if (AddressCharacter(c)) kept += c;
  }
  return kept;
}

void Button1Click() { g_dialog.List.clear(); }
void AddListedFile(const std::string& path) { g_dialog.List.push_back(path); }

std::string JoinOrderFiles(const std::vector<std::string>& contents) {
  std::string body;
  for (const auto& file : contents) {
    FieldReader in(file);
    for (; !in.Eof(); in.SkipLine()) body += in.ReadRestOfLine() + "\r\n";
    body += "\r\n";
  }
  return body;
}

std::string ComposeOrderMail(std::string_view sender, std::string_view cc, std::string_view body, std::time_t now) {
  char date[64] = {};
  std::tm tm{};
  gmtime_r(&now, &tm);
  static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::snprintf(date, sizeof date, "%s, %02d %s %04d %02d:%02d:%02d +0000", kDays[tm.tm_wday], tm.tm_mday,
                kMonths[tm.tm_mon], tm.tm_year + 1900, tm.tm_hour, tm.tm_min, tm.tm_sec);
  std::string mail;
  mail += std::string("Date: ") + date + "\r\n";
  mail += "From: " + std::string(sender) + "\r\n";
  mail += "To: " + std::string(kOrderAddress) + "\r\n";
  if (!cc.empty()) mail += "Cc: " + std::string(cc) + "\r\n";
  mail += "Subject: Vorda40\r\n";
  mail += "X-Mailer: Vorda40\r\n";
  mail += "MIME-Version: 1.0\r\n";
  mail += "Content-Type: text/plain; charset=windows-1250\r\n";
  mail += "Content-Transfer-Encoding: 8bit\r\n";
  mail += "\r\n";
  mail += body;
  return mail;
}

MailSecurity SecurityOfPort(int port) {
  if (port == 25) return MailSecurity::StartTlsIfOffered;
  if (port == 587) return MailSecurity::StartTls;
  return MailSecurity::Implicit;
}

std::string SendFailureText(const MailResult& result) {
  std::string text = FaultText(result.fault);
  if (result.Transient()) text += " (átmeneti hiba, később érdemes újra próbálni)"_w;
  if (!result.reply.empty())
    text += "\r\nA szerver válasza: "_w + result.reply;
  else if (!result.detail.empty())
    text += "\r\n(" + result.detail + ")";
  return text;
}

bool SendRunning() { return g_dialog.Sending; }

void SendButtonClick(const std::function<void()>& repaint, const SendWait& wait) {
  auto& d = g_dialog;
  // A click while a send is on its way (the window waits in its own loop).
  if (d.Sending) return;
  const auto& o = Program().Options;

  const std::string sender = HasAt(d.TMailFrom) ? d.TMailFrom : std::string(kDefaultSender);
  const std::string cc = (!d.TMailCC.empty() && HasAt(d.TMailCC)) ? d.TMailCC : std::string();
  MailEnvelope mail;
  mail.from = sender;
  mail.recipients.emplace_back(kOrderAddress);
  // The copy field may name several addresses, split at the commas.
  for (std::size_t from = 0; !cc.empty() && from <= cc.size();) {
    const std::size_t comma = std::min(cc.find(',', from), cc.size());
    if (comma > from) mail.recipients.push_back(cc.substr(from, comma - from));
    from = comma + 1;
  }

  MailServer server;
  ClearPassword wipe{server.password};
  server.host = o.SMTP;
  server.security = SecurityOfPort(o.SMTPPort);
  if (!o.Username.empty() && !o.Password.empty()) {
    server.user = Trim(o.Username);
    std::string clear = UnscrambleString(o.Password);
    ClearPassword wipe_clear{clear};
    // Trimmed straight into place: no other copy of the clear text is made.
    const std::size_t first = clear.find_first_not_of(' ');
    if (first != std::string::npos) server.password.assign(clear, first, clear.find_last_not_of(' ') - first + 1);
  }

  if (server.host.empty()) {
    Messages().Show("Nem állítottál be SMTP szervert!\rEnélkül nem fog menni az UL küldés!"_w, MessageKind::Error);
    return;
  }
  if (o.SMTPPort < 1 || o.SMTPPort > 65535) {
    Messages().Show("Hibás SMTP port: "_w + std::to_string(o.SMTPPort) + " (1 és 65535 közötti szám lehet)!\r"_w +
                        "Enélkül nem fog menni az UL küldés!"_w,
                    MessageKind::Error);
    return;
  }
  server.port = static_cast<std::uint16_t>(o.SMTPPort);
  if (d.List.empty()) {
    Messages().Show("Üres az EMV file-lista, így nem tudsz küldeni levelet!"_w, MessageKind::Error);
    return;
  }

  SetStatus("Levél létrehozása (EMV fileok beolvasása)"_w, repaint);
  std::vector<std::string> contents;
  for (const auto& path : d.List) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) {
      Messages().Show("A fájl nem olvasható: "_w + path, MessageKind::Error);
      return;
    }
    contents.push_back(std::move(*bytes));
  }
  mail.message = ComposeOrderMail(sender, cc, JoinOrderFiles(contents), std::time(nullptr));

  SetStatus("Levél küldésének kezdete..."_w, repaint);
  // Chosen here, on the window's thread; the first send loads the module.
  MailTransport& transport = Mailer();
  MailResult result;
  {
    // The worker sees only this call's own server, mail and result, which
    // outlive it: the thread is joined before they go.
    struct Running {
      bool& flag;
      explicit Running(bool& f) : flag(f) { flag = true; }
      ~Running() { flag = false; }
    } running(d.Sending);
    std::atomic<bool> finished = false;
    std::jthread worker([&] {
      try {
        result = transport.Send(server, mail);
      } catch (...) {
        result = MailResult{};
        result.fault = MailFault::Other;
      }
      finished.store(true, std::memory_order_release);
    });
    if (wait) wait([&] { return finished.load(std::memory_order_acquire); });
    worker.join();
  }
  if (result.Ok()) {
    SetStatus("Levél küldés vége!"_w, repaint);
    Messages().Show("A levél sikeresen elküldve!"_w, MessageKind::Information);
    return;
  }
  SetStatus("Hiba a küldés közben!"_w, repaint);
  Messages().Show("Hiba történt a levél küldése közben!\r\n\r\n"_w + SendFailureText(result), MessageKind::Error);
}

}  // namespace vorda
