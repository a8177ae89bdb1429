#include "support/loopback_smtp.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <utility>

namespace vorda::testing {

namespace {

std::string ScriptPath() {
  const char* source = std::getenv("VORDA_SOURCE_DIR");
  const std::filesystem::path root =
      source ? std::filesystem::path(source) : std::filesystem::path(__FILE__).parent_path() / "../..";
  return (root / "tests/mail/smtp_server.py").string();
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

}  // namespace

LoopbackSmtp::LoopbackSmtp() {
  cert_ = dir_.path() + "/cert.pem";
  const std::string key = dir_.path() + "/key.pem";
  const std::string other_cert = dir_.path() + "/other-cert.pem";
  const std::string other_key = dir_.path() + "/other-key.pem";
  for (const auto& [c, k] : {std::pair{cert_, key}, std::pair{other_cert, other_key}}) {
    const std::string make_cert =
        "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 -subj /CN=localhost "
        "-addext subjectAltName=IP:127.0.0.1,DNS:localhost -keyout '" +
        k + "' -out '" + c + "' >/dev/null 2>&1";
    if (std::system(make_cert.c_str()) != 0) throw std::runtime_error("openssl could not make a test certificate");
  }

  const std::string script = ScriptPath();
  const std::string out = dir_.path();
  const pid_t parent = ::getpid();
  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(1);
    ::execl("/usr/bin/python3", "python3", script.c_str(), out.c_str(), cert_.c_str(), key.c_str(),
            other_cert.c_str(), other_key.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  const std::string ports_file = dir_.path() + "/ports.json";
  for (int i = 0; i < 1000 && !std::filesystem::exists(ports_file); ++i) {
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      throw std::runtime_error("the SMTP test server stopped at start");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (!std::filesystem::exists(ports_file)) throw std::runtime_error("the SMTP test server did not start");
  ports_ = ReadFile(ports_file);
}

LoopbackSmtp::~LoopbackSmtp() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  for (int i = 0; i < 200; ++i) {
    if (::waitpid(pid_, nullptr, WNOHANG) == pid_) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(pid_, SIGKILL);
  ::waitpid(pid_, nullptr, 0);
}

int LoopbackSmtp::Port(const std::string& listener) const {
  const std::string key = "\"" + listener + "\": ";
  const std::size_t at = ports_.find(key);
  if (at == std::string::npos) throw std::runtime_error("no listener " + listener);
  return std::atoi(ports_.c_str() + at + key.size());
}

std::vector<LoopbackSmtp::Received> LoopbackSmtp::Messages(const std::string& listener) const {
  std::vector<Received> out;
  for (int n = 1;; ++n) {
    const std::string base = dir_.path() + "/" + listener + "-" + std::to_string(n);
    if (!std::filesystem::exists(base + ".txt")) break;
    Received r;
    r.content = ReadFile(base + ".eml");
    std::istringstream meta(ReadFile(base + ".txt"));
    for (std::string line; std::getline(meta, line);) {
      if (line.rfind("from=", 0) == 0) r.from = line.substr(5);
      if (line.rfind("rcpt=", 0) == 0) r.recipients.push_back(line.substr(5));
      if (line.rfind("login=", 0) == 0) r.login = line.substr(6);
      if (line.rfind("tls=", 0) == 0) r.tls = line.substr(4) == "1";
      if (line.rfind("login_tls=", 0) == 0) r.login_tls = line.substr(10) == "1";
    }
    out.push_back(std::move(r));
  }
  return out;
}

std::string LoopbackSmtp::Wire(const std::string& listener) const {
  return ReadFile(dir_.path() + "/" + listener + ".wire");
}

int ClosedPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  socklen_t len = sizeof addr;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  ::close(fd);
  return ntohs(addr.sin_port);
}

}  // namespace vorda::testing
