#pragma once
// The mail transport on libcurl with OpenSSL: "smtp://host:port" for a plain
// connection, "smtps://host:port" for TLS from the first byte. The peer is
// verified against the system's certificate store (or `ca_file` / `ca_dir`
// when set): the chain must lead to a trusted certificate, every certificate
// of it must be within its validity dates, and the server's certificate must
// name the host (DNS name or IP address); TLS 1.2 at the least.
#include <string>
#include <vector>

#include "platform/mail_transport.h"

namespace vorda {

class CurlMailTransport : public MailTransport {
 public:
  struct Settings {
    // A PEM file of the certificates to trust instead of the system's bundle,
    // and a folder of hashed certificates instead of the system's folder.
    std::string ca_file;
    std::string ca_dir;
    long connect_timeout_ms = 15000;
    long total_timeout_ms = 60000;
    // libcurl's "HOST:PORT:CONNECT-TO-HOST:CONNECT-TO-PORT" redirections: the
    // URL and the certificate check still use the given host and port.
    std::vector<std::string> connect_to;
  };

  // The system's store as OpenSSL names it: the files of the environment's
  // SSL_CERT_FILE and SSL_CERT_DIR when they are set, else libcurl's own
  // (Debian: /etc/ssl/certs/ca-certificates.crt and /etc/ssl/certs).
  static Settings SystemStore();

  CurlMailTransport() = default;
  explicit CurlMailTransport(Settings settings) : settings_(std::move(settings)) {}

  MailResult Send(const MailServer& server, const MailEnvelope& mail) override;

 private:
  Settings settings_;
};

}  // namespace vorda
