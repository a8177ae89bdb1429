#include "platform/mail_transport.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/files.h"
#include "platform/smtp_module.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

MailTransport* g_installed = nullptr;

// Fails every send with the reason the module could not be loaded.
class UnavailableTransport : public MailTransport {
 public:
  explicit UnavailableTransport(std::string why) : why_(std::move(why)) {}
  MailResult Send(const MailServer&, const MailEnvelope&) override {
    MailResult r;
    r.fault = MailFault::Unavailable;
    r.detail = why_;
    return r;
  }

 private:
  std::string why_;
};

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

std::string ProgramFolder() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string(".") : exe.parent_path().string();
}

// dlopen's words name the library that is missing: "libcurl.so.4: cannot open
// shared object file: ...".
std::string MissingLibrary(const std::string& error) {
  const std::size_t at = error.find(": cannot open shared object file");
  if (at == std::string::npos) return std::string();
  const std::size_t from = error.rfind(' ', at);
  return error.substr(from == std::string::npos ? 0 : from + 1, at - (from == std::string::npos ? 0 : from + 1));
}

// The module stays loaded for the rest of the run: the transports it made may
// still be in use, and libcurl and OpenSSL are not made to be unloaded.
std::unique_ptr<MailTransport> Load(const SmtpSettings& settings, const std::string& folder, std::string& why) {
  const std::string path = JoinPath(folder, kSmtpModuleName);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    why = "nincs meg a fájl: "_w + path;
    return nullptr;
  }
  void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) {
    const char* text = ::dlerror();
    const std::string missing = MissingLibrary(text ? text : "");
    why = missing.empty() ? "a fájl hibás vagy nem ehhez a programhoz készült: "_w + path
                          : "hiányzik egy könyvtár, amely a levélküldéshez kell: "_w + missing;
    return nullptr;
  }
  auto signature = reinterpret_cast<VordaSmtpModuleSignature>(::dlsym(module, VORDA_SMTP_MODULE_SIGNATURE_SYMBOL));
  auto make = reinterpret_cast<VordaSmtpTransportNew>(::dlsym(module, VORDA_SMTP_TRANSPORT_NEW_SYMBOL));
  if (!signature || !make || signature() != SmtpModuleSignature()) {
    why = "a fájl nem ehhez a programhoz készült: "_w + path;
    return nullptr;
  }
  std::unique_ptr<MailTransport> transport(make(&settings));
  if (!transport) why = "a levélküldő könyvtár nem indult el"_w;
  return transport;
}

}  // namespace

SmtpSettings SmtpSettings::SystemStore() {
  SmtpSettings s;
  s.ca_file = Environment("SSL_CERT_FILE");
  s.ca_dir = Environment("SSL_CERT_DIR");
  return s;
}

std::unique_ptr<MailTransport> LoadSmtpTransport(const SmtpSettings& settings, const std::string& folder) {
  std::string why;
  auto transport = Load(settings, folder.empty() ? ProgramFolder() : folder, why);
  if (transport) return transport;
  return std::make_unique<UnavailableTransport>(why);
}

MailTransport& Mailer() {
  if (g_installed) return *g_installed;
  static std::unique_ptr<MailTransport> real;
  static bool loaded = false;
  if (!loaded) {
    real = LoadSmtpTransport(SmtpSettings::SystemStore());
    loaded = dynamic_cast<UnavailableTransport*>(real.get()) == nullptr;
  }
  return *real;
}

void InstallMailTransport(MailTransport* transport) { g_installed = transport; }

void WipeSecret(std::string& secret) {
  volatile char* p = secret.data();
  for (std::size_t i = 0; i < secret.size(); ++i) p[i] = 0;
  secret.clear();
}

}  // namespace vorda
