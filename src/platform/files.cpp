#include "platform/files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace vorda {

namespace fs = std::filesystem;

std::string JoinPath(std::string_view dir, std::string_view name) {
  if (dir.empty()) return std::string(name);
  std::string out(dir);
  if (out.back() != '/') out += '/';
  out += name;
  return out;
}

static bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string FindFileNoCase(std::string_view dir, std::string_view name) {
  std::error_code ec;
  const std::string exact = JoinPath(dir, name);
  if (fs::is_regular_file(exact, ec)) return exact;
  const fs::path base = dir.empty() ? fs::path(".") : fs::path(std::string(dir));
  fs::directory_iterator it(base, ec);
  if (ec) return {};
  for (const auto& entry : it) {
    const std::string fname = entry.path().filename().string();
    if (EqualNoCase(fname, name) && entry.is_regular_file(ec)) return JoinPath(dir, fname);
  }
  return {};
}

std::string ResolvePathNoCase(std::string_view dir, std::string_view name) {
  std::string found = FindFileNoCase(dir, name);
  return found.empty() ? JoinPath(dir, name) : found;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string tmp = path + ".tmp" + std::to_string(::getpid());
  {
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return false;
    const bool wrote = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool flushed = std::fflush(f) == 0 && ::fsync(fileno(f)) == 0;
    const bool closed = std::fclose(f) == 0;
    if (!(wrote && flushed && closed)) {
      std::remove(tmp.c_str());
      return false;
    }
  }
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    std::remove(tmp.c_str());
    return false;
  }
  return true;
}

}  // namespace vorda
