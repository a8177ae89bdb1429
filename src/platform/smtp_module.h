#pragma once
// The two entry points of the SMTP module (src/platform/curl/), looked up by
// name when the program loads it. The module is built with the program from the
// same sources; the signature guards against a module left from another build,
// whose types would not match.
#include "platform/mail_transport.h"

namespace vorda {

// Raised whenever the types that cross the module's edge change.
inline constexpr long kSmtpModuleAbi = 1;

constexpr long SmtpModuleSignature() {
  return kSmtpModuleAbi << 32 | static_cast<long>(sizeof(MailServer)) << 20 |
         static_cast<long>(sizeof(MailResult)) << 10 | static_cast<long>(sizeof(SmtpSettings));
}

}  // namespace vorda

extern "C" {
// SmtpModuleSignature() as the module was built.
using VordaSmtpModuleSignature = long (*)();
// A new transport with these settings, owned by the caller.
using VordaSmtpTransportNew = vorda::MailTransport* (*)(const vorda::SmtpSettings* settings);
}

#define VORDA_SMTP_MODULE_SIGNATURE_SYMBOL "vorda_smtp_module_signature"
#define VORDA_SMTP_TRANSPORT_NEW_SYMBOL "vorda_smtp_transport_new"
