#include "platform/mail_transport.h"

#include "platform/curl_mail_transport.h"

namespace vorda {

namespace {

MailTransport* g_installed = nullptr;

}  // namespace

MailTransport& Mailer() {
  static CurlMailTransport real(CurlMailTransport::SystemStore());
  return g_installed ? *g_installed : real;
}

void InstallMailTransport(MailTransport* transport) { g_installed = transport; }

void WipeSecret(std::string& secret) {
  volatile char* p = secret.data();
  for (std::size_t i = 0; i < secret.size(); ++i) p[i] = 0;
  secret.clear();
}

}  // namespace vorda
