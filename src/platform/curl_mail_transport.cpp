#include "platform/curl_mail_transport.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string_view>

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

struct CurlDeleter {
  void operator()(CURL* h) const { curl_easy_cleanup(h); }
};
struct ListDeleter {
  void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

MailFault FaultOf(CURLcode code, std::string_view detail) {
  switch (code) {
    case CURLE_OK:
      return MailFault::None;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
      return MailFault::Connect;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
      return MailFault::Certificate;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_USE_SSL_FAILED:
      return MailFault::Tls;
    case CURLE_LOGIN_DENIED:
      return MailFault::Auth;
    case CURLE_OPERATION_TIMEDOUT:
      return MailFault::Timeout;
    case CURLE_WEIRD_SERVER_REPLY:
      // What the server answers to the message's end when it is no "250".
      return MailFault::Rejected;
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
      // The server's refusal of the sender, a recipient or the message comes
      // back as a send error that names the command.
      if (detail.find("RCPT failed") != std::string_view::npos || detail.find("MAIL failed") != std::string_view::npos)
        return MailFault::Refused;
      if (detail.find("DATA failed") != std::string_view::npos) return MailFault::Rejected;
      return MailFault::Dropped;
    default:
      return MailFault::Other;
  }
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

}  // namespace

CurlMailTransport::Settings CurlMailTransport::SystemStore() {
  Settings s;
  s.ca_file = Environment("SSL_CERT_FILE");
  s.ca_dir = Environment("SSL_CERT_DIR");
  return s;
}

MailResult CurlMailTransport::Send(const MailServer& server, const MailEnvelope& mail) {
  InitCurlOnce();
  if (!PlainHost(server.host)) return {MailFault::Connect, "invalid host name"};
  if (server.port == 0) return {MailFault::Connect, "invalid port"};
  if (mail.recipients.empty()) return {MailFault::Refused, "no recipient"};

  std::unique_ptr<CURL, CurlDeleter> h(curl_easy_init());
  if (!h) return {MailFault::Other, "libcurl could not start"};
  CURL* c = h.get();

  const std::string url =
      std::string(server.implicit_tls ? "smtps://" : "smtp://") + server.host + ":" + std::to_string(server.port);
  curl_easy_setopt(c, CURLOPT_URL, url.c_str());
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, settings_.connect_timeout_ms);
  curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, settings_.total_timeout_ms);
  // A plain connection stays plain; TLS is only ever the implicit kind.
  curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_NONE));
  curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
  curl_easy_setopt(c, CURLOPT_SSLVERSION, static_cast<long>(CURL_SSLVERSION_TLSv1_2));
  if (!settings_.ca_file.empty()) curl_easy_setopt(c, CURLOPT_CAINFO, settings_.ca_file.c_str());
  if (!settings_.ca_dir.empty()) curl_easy_setopt(c, CURLOPT_CAPATH, settings_.ca_dir.c_str());

  std::unique_ptr<curl_slist, ListDeleter> connect_to;
  for (const auto& entry : settings_.connect_to)
    connect_to.reset(curl_slist_append(connect_to.release(), entry.c_str()));
  if (connect_to) curl_easy_setopt(c, CURLOPT_CONNECT_TO, connect_to.get());

  if (!server.user.empty() && !server.password.empty()) {
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

  char error[CURL_ERROR_SIZE] = {};
  curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);

  const CURLcode code = curl_easy_perform(c);
  // libcurl keeps its own copy of the password until the handle goes.
  curl_easy_setopt(c, CURLOPT_PASSWORD, "");
  h.reset();

  MailResult result;
  result.detail = error[0] != 0 ? std::string(error) : std::string(curl_easy_strerror(code));
  result.fault = FaultOf(code, result.detail);
  if (result.Ok()) result.detail.clear();
  return result;
}

}  // namespace vorda
