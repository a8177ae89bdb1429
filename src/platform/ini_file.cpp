#include "platform/ini_file.h"

#include <filesystem>
#include <limits>

#include "platform/files.h"

namespace vorda {

namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool Quoted(std::string_view s) { return s.size() >= 2 && s.front() == '"' && s.back() == '"'; }

}  // namespace

IniProfile IniProfile::Parse(std::string_view bytes) {
  IniProfile profile;
  Section* current = nullptr;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find_first_of("\r\n");
    std::string_view line = Trim(bytes.substr(0, end));
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);

    if (!line.empty() && line.front() == '[') {
      const std::size_t close = line.find(']');
      const std::string_view name = Trim(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
      current = nullptr;
      for (auto& s : profile.sections_)
        if (SameName(s.name, name)) current = &s;
      if (!current) {
        profile.sections_.push_back({std::string(name), {}});
        current = &profile.sections_.back();
      }
      continue;
    }
    if (!current || line.empty() || line.front() == ';') continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = Trim(line.substr(0, eq));
    if (key.empty()) continue;
    std::string_view value = Trim(line.substr(eq + 1));
    if (Quoted(value)) value = value.substr(1, value.size() - 2);
    bool known = false;
    for (const auto& e : current->entries) known = known || SameName(e.key, key);
    if (!known) current->entries.push_back({std::string(key), std::string(value)});
  }
  return profile;
}

std::string IniProfile::Serialize() const {
  std::string out;
  for (const auto& s : sections_) {
    if (!out.empty()) out += "\r\n";
    out += "[" + s.name + "]\r\n";
    for (const auto& e : s.entries) {
      std::string value = e.value;
      for (char& c : value)
        if (c == '\r' || c == '\n') c = ' ';
      if (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || Quoted(value)))
        value = "\"" + value + "\"";
      out += e.key + "=" + value + "\r\n";
    }
  }
  return out;
}

const IniProfile::Section* IniProfile::FindSection(std::string_view name) const {
  for (const auto& s : sections_)
    if (SameName(s.name, name)) return &s;
  return nullptr;
}

std::optional<std::string> IniProfile::Find(std::string_view section, std::string_view key) const {
  if (const Section* s = FindSection(section))
    for (const auto& e : s->entries)
      if (SameName(e.key, key)) return e.value;
  return std::nullopt;
}

std::int32_t IniProfile::ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const {
  const auto value = Find(section, key);
  if (!value) return fallback;
  std::string_view s = *value;
  bool negative = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  std::int64_t n = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  for (const char c : s) {
    if (c < '0' || c > '9') break;
    n = std::min(n * 10 + (c - '0'), kLimit);
  }
  if (!negative) n = std::min<std::int64_t>(n, std::numeric_limits<std::int32_t>::max());
  return static_cast<std::int32_t>(negative ? -n : n);
}

std::string IniProfile::ReadString(std::string_view section, std::string_view key, std::string_view fallback,
                                   std::size_t max_length) const {
  const auto value = Find(section, key);
  std::string out = value ? *value : std::string(fallback);
  if (out.size() > max_length) out.resize(max_length);
  return out;
}

void IniProfile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Section* s = const_cast<Section*>(FindSection(section));
  if (!s) {
    sections_.push_back({std::string(section), {}});
    s = &sections_.back();
  }
  for (auto& e : s->entries)
    if (SameName(e.key, key)) {
      e.value = std::string(value);
      return;
    }
  s->entries.push_back({std::string(key), std::string(value)});
}

void IniProfile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

bool FileIniStorage::Exists() const {
  std::error_code ec;
  return std::filesystem::is_regular_file(path_, ec);
}

std::optional<std::string> FileIniStorage::Read() const {
  if (!Exists()) return std::nullopt;
  return ReadWholeFile(path_);
}

FileWriteResult FileIniStorage::Write(std::string_view bytes) {
  return WriteFileAtomically(path_, bytes, FileAccess::OwnerOnly);
}

}  // namespace vorda
