#pragma once
// The loopback SMTP server of tests/mail/smtp_server.py, started for a test
// suite: two self-made certificates for 127.0.0.1 and localhost (one the tests
// trust, one they do not), a listener per behaviour on free ports (the script
// lists them), and what each accepted or heard in the clear. The server
// process dies with the object, or with the test process.
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace vorda::testing {

class LoopbackSmtp {
 public:
  struct Received {
    std::string from;
    std::vector<std::string> recipients;
    std::string login;  // empty without AUTH
    bool tls = false;        // the message came over TLS
    bool login_tls = false;  // the login was made over TLS
    std::string content;
  };

  // Throws when the certificate cannot be made or the server does not start
  // within ten seconds.
  LoopbackSmtp();
  ~LoopbackSmtp();
  LoopbackSmtp(const LoopbackSmtp&) = delete;
  LoopbackSmtp& operator=(const LoopbackSmtp&) = delete;

  int Port(const std::string& listener) const;
  const std::string& CertFile() const { return cert_; }
  // The messages `listener` accepted so far, in order.
  std::vector<Received> Messages(const std::string& listener) const;
  // Every byte `listener` received in the clear so far (before any TLS).
  std::string Wire(const std::string& listener) const;

 private:
  TempDir dir_;
  std::string cert_;
  std::string ports_;
  int pid_ = -1;
};

// A loopback port on which nothing listens.
int ClosedPort();

}  // namespace vorda::testing
