// The SMTP transport on libcurl with OpenSSL, built as the module
// vorda40-smtp.so that the program loads when it first sends a mail (see
// LoadSmtpTransport): nothing else of the program links libcurl.
//
// "smtps://host:port" for TLS from the first byte, "smtp://host:port" for plain
// SMTP with STARTTLS (required, or taken when offered). The peer is verified
// against the system's certificate store (or `ca_file` / `ca_dir` when set):
// the chain must lead to a trusted certificate, every certificate of it must
// be within its validity dates, and the server's certificate must name the
// host (DNS name or IP address); TLS 1.2 at the least. libcurl's debug hook
// shows every line of the exchange: the server's are read by SmtpExchange,
// ours only for their command word; nothing is printed.
#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <string_view>
#include <type_traits>

#include "platform/mail_transport.h"
#include "platform/smtp_module.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

void InitCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Host names and addresses only: anything else could reshape the URL.
bool PlainHost(std::string_view host) {
  if (host.empty()) return false;
  return std::all_of(host.begin(), host.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-';
  });
}

struct Upload {
  std::string_view bytes;
  std::size_t pos = 0;
};

std::size_t ReadUpload(char* buffer, std::size_t size, std::size_t count, void* user) {
  auto* up = static_cast<Upload*>(user);
  const std::size_t n = std::min(size * count, up->bytes.size() - up->pos);
  std::memcpy(buffer, up->bytes.data() + up->pos, n);
  up->pos += n;
  return n;
}

int ReadExchange(CURL*, curl_infotype type, char* data, std::size_t size, void* user) {
  auto* exchange = static_cast<SmtpExchange*>(user);
  if (type == CURLINFO_HEADER_IN) exchange->Received(std::string_view(data, size));
  if (type == CURLINFO_HEADER_OUT) exchange->Sent(std::string_view(data, size));
  return 0;
}

struct CurlDeleter {
  void operator()(CURL* h) const { curl_easy_cleanup(h); }
};
struct ListDeleter {
  void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

MailResult Failure(MailFault fault, std::string detail) {
  MailResult r;
  r.fault = fault;
  r.detail = std::move(detail);
  return r;
}

// "15", or "0,8" for a timeout of 800 ms.
std::string Seconds(long ms) {
  std::string s = std::to_string(ms / 1000);
  if (ms % 1000 != 0) s += "," + std::to_string(ms % 1000 / 100);
  return s;
}

// OpenSSL's verification codes (X509_V_ERR_...) that a user can act on.
std::string CertificateReason(CURLcode code, long verify, const char* error) {
  if (code == CURLE_SSL_CACERT_BADFILE) return "a megbízható tanúsítványok fájlja nem olvasható"_w;
  // The chain verified; libcurl's own check of the name failed.
  if (std::strstr(error, "target host name") != nullptr) return "a tanúsítvány nem erre a szervernévre szól"_w;
  switch (verify) {
    case 62:  // host name mismatch
    case 64:  // IP address mismatch
      return "a tanúsítvány nem erre a szervernévre szól"_w;
    case 9: return "a tanúsítvány még nem érvényes"_w;
    case 10: return "a tanúsítvány lejárt"_w;
    case 18:
    case 19: return "a tanúsítványt saját magának állította ki a szerver, és ez a gép nem bízik benne"_w;
    case 2:
    case 20:
    case 21: return "a tanúsítvány kiadója nincs a gép megbízható kiadói között"_w;
    case 23: return "a tanúsítványt visszavonták"_w;
    default: return "a tanúsítvány nem ellenőrizhető (hibakód: "_w + std::to_string(verify) + ")";
  }
}

class CurlMailTransport : public MailTransport {
 public:
  explicit CurlMailTransport(SmtpSettings settings) : settings_(std::move(settings)) {}
  MailResult Send(const MailServer& server, const MailEnvelope& mail) override;

 private:
  MailResult Outcome(CURLcode code, const char* error, CURL* c, const SmtpExchange& exchange,
                     const MailServer& server) const;

  SmtpSettings settings_;
};

MailResult CurlMailTransport::Outcome(CURLcode code, const char* error, CURL* c, const SmtpExchange& exchange,
                                      const MailServer& server) const {
  if (code == CURLE_OK) return {};
  const bool login = !server.user.empty() && !server.password.empty();

  // STARTTLS wanted and never offered: nothing more was said.
  if (code == CURLE_USE_SSL_FAILED && !exchange.StartTlsSent())
    return Failure(server.security == MailSecurity::StartTlsIfOffered ? MailFault::CleartextLogin
                                                                      : MailFault::NoStartTls,
                   std::string());

  // The server's own answer is what failed (libcurl names the command it
  // answered in its error text: "MAIL failed: 530").
  const bool refused = exchange.Answered() &&
                       (exchange.Code() >= 400 || code == CURLE_WEIRD_SERVER_REPLY ||
                        (code == CURLE_SEND_ERROR && std::strstr(error, " failed: ") != nullptr));
  if (refused) {
    MailResult r;
    r.fault = FaultOfReply(exchange.Step(), exchange.Code(), login);
    r.step = exchange.Step();
    r.code = exchange.Code();
    r.reply = ShownReplyLine(exchange.Line(), server.user, server.password);
    if (r.reply.empty()) r.detail = "a szerver válasza nem mutatható meg"_w;
    return r;
  }

  curl_off_t connect_us = 0;
  curl_easy_getinfo(c, CURLINFO_CONNECT_TIME_T, &connect_us);
  long verify = 0;
  curl_easy_getinfo(c, CURLINFO_SSL_VERIFYRESULT, &verify);
  switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST: return Failure(MailFault::Connect, "a szerver neve nem található"_w);
    case CURLE_COULDNT_CONNECT:
      return Failure(MailFault::Connect, "a szerver nem fogad kapcsolatot ezen a porton"_w);
    case CURLE_OPERATION_TIMEDOUT:
      if (connect_us == 0)
        return Failure(MailFault::Timeout,
                       Seconds(std::min(settings_.connect_timeout_ms, settings_.total_timeout_ms)) +
                           " másodperc alatt sem jött létre a kapcsolat"_w);
      if (!exchange.AnyReply())
        return Failure(MailFault::Timeout, "a kapcsolat létrejött, de a szerver "_w +
                                               Seconds(settings_.total_timeout_ms) + " másodperc alatt sem szólalt meg"_w);
      return Failure(MailFault::Timeout,
                     "a küldés "_w + Seconds(settings_.total_timeout_ms) + " másodperc alatt sem ért véget"_w);
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
      return Failure(MailFault::Certificate, CertificateReason(code, verify, error));
    case CURLE_SSL_CONNECT_ERROR: return Failure(MailFault::Tls, "a TLS kézfogás nem sikerült"_w);
    case CURLE_USE_SSL_FAILED: return Failure(MailFault::Tls, "a szerver nem kezdte el a titkosítást"_w);
    case CURLE_LOGIN_DENIED:
      return Failure(MailFault::Auth, "a szerver bejelentkezési módjai közül egyiket sem ismeri a program"_w);
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
      return Failure(MailFault::Dropped, "a szerver bontotta a kapcsolatot"_w);
    case CURLE_WEIRD_SERVER_REPLY: return Failure(MailFault::Other, "a szerver válasza nem értelmezhető"_w);
    default: return Failure(MailFault::Other, "a levélküldő könyvtár hibakódja: "_w + std::to_string(code));
  }
}

MailResult CurlMailTransport::Send(const MailServer& server, const MailEnvelope& mail) {
  InitCurlOnce();
  if (!PlainHost(server.host)) return Failure(MailFault::Connect, "a szerver neve érvénytelen"_w);
  if (server.port == 0) return Failure(MailFault::Connect, "érvénytelen port"_w);
  if (mail.recipients.empty()) return Failure(MailFault::RecipientRefused, "nincs címzett"_w);

  std::unique_ptr<CURL, CurlDeleter> h(curl_easy_init());
  if (!h) return Failure(MailFault::Other, "a levélküldő könyvtár nem indult el"_w);
  CURL* c = h.get();

  const bool implicit = server.security == MailSecurity::Implicit;
  const bool login = !server.user.empty() && !server.password.empty();
  const std::string url = std::string(implicit ? "smtps://" : "smtp://") + server.host + ":" + std::to_string(server.port);
  curl_easy_setopt(c, CURLOPT_URL, url.c_str());
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, settings_.connect_timeout_ms);
  curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, settings_.total_timeout_ms);
  // STARTTLS taken only when offered, unless a password would otherwise
  // travel in clear.
  const long use_ssl = (server.security == MailSecurity::StartTlsIfOffered && !login) ? CURLUSESSL_TRY : CURLUSESSL_ALL;
  curl_easy_setopt(c, CURLOPT_USE_SSL, use_ssl);
  curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
  curl_easy_setopt(c, CURLOPT_SSLVERSION, static_cast<long>(CURL_SSLVERSION_TLSv1_2));
  if (!settings_.ca_file.empty()) curl_easy_setopt(c, CURLOPT_CAINFO, settings_.ca_file.c_str());
  if (!settings_.ca_dir.empty()) curl_easy_setopt(c, CURLOPT_CAPATH, settings_.ca_dir.c_str());

  std::unique_ptr<curl_slist, ListDeleter> connect_to;
  for (const auto& entry : settings_.connect_to)
    connect_to.reset(curl_slist_append(connect_to.release(), entry.c_str()));
  if (connect_to) curl_easy_setopt(c, CURLOPT_CONNECT_TO, connect_to.get());

  if (login) {
    curl_easy_setopt(c, CURLOPT_USERNAME, server.user.c_str());
    curl_easy_setopt(c, CURLOPT_PASSWORD, server.password.c_str());
  }

  curl_easy_setopt(c, CURLOPT_MAIL_FROM, mail.from.c_str());
  std::unique_ptr<curl_slist, ListDeleter> rcpt;
  for (const auto& r : mail.recipients) rcpt.reset(curl_slist_append(rcpt.release(), r.c_str()));
  curl_easy_setopt(c, CURLOPT_MAIL_RCPT, rcpt.get());

  Upload up{mail.message, 0};
  curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(c, CURLOPT_READFUNCTION, &ReadUpload);
  curl_easy_setopt(c, CURLOPT_READDATA, &up);
  curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(mail.message.size()));

  // The debug hook is called only in verbose mode; with it set, libcurl
  // prints nothing itself.
  SmtpExchange exchange;
  curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, &ReadExchange);
  curl_easy_setopt(c, CURLOPT_DEBUGDATA, &exchange);
  curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);

  char error[CURL_ERROR_SIZE] = {};
  curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);

  const CURLcode code = curl_easy_perform(c);
  // libcurl keeps its own copy of the password until the handle goes.
  curl_easy_setopt(c, CURLOPT_PASSWORD, "");
  return Outcome(code, error, c, exchange, server);
}

}  // namespace

}  // namespace vorda

extern "C" __attribute__((visibility("default"))) long vorda_smtp_module_signature() {
  return vorda::SmtpModuleSignature();
}

extern "C" __attribute__((visibility("default"))) vorda::MailTransport* vorda_smtp_transport_new(
    const vorda::SmtpSettings* settings) {
  try {
    return new vorda::CurlMailTransport(*settings);
  } catch (...) {
    return nullptr;
  }
}

static_assert(std::is_same_v<decltype(&vorda_smtp_module_signature), VordaSmtpModuleSignature>);
static_assert(std::is_same_v<decltype(&vorda_smtp_transport_new), VordaSmtpTransportNew>);
