#pragma once
// The program's settings file in the Windows ini layout:
//
//   [Section]
//   Key=Value
//
// What every implementation and every reader of it keeps:
// - Section and key names compare without regard to ASCII case. A section
//   that stands twice is read as one; of a key that stands twice in it the
//   first value counts.
// - Lines end in CR LF, LF or CR; blanks around names and values are
//   dropped, and a value standing in one pair of double quotes loses them.
//   Lines that are neither a section head nor a "key=value" (comments starting
//   with ";", empty lines, stray text) are skipped.
// - A missing key gives the caller's default. Whether the file exists at all is
//   asked separately: the program keeps its zero values without a file, and
//   only then uses the defaults.
// - An integer value is read like the Windows profile functions read it: an
//   optional sign and the leading decimal digits (none: 0), held to 32 bits.
// - A text value is cut to the length the caller asks for.
// - The file is always written whole, from the values the program holds, in the
//   order they were set: nothing of the old file survives a write, and the
//   write goes to a temporary file that is then renamed over the old one, so a
//   failed write leaves the old file as it was. The file may hold a password,
//   so it is readable by its owner only.
// The texts are bytes (Windows-1250); nothing is converted.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace vorda {

// The contents of an ini file: sections of keys with their values.
class IniProfile {
 public:
  // Reads the text of a file (never fails: what cannot be read is skipped).
  static IniProfile Parse(std::string_view bytes);
  // The file's text, CR LF line ends, a blank line between sections. Values
  // that would not read back as they are (blanks at the ends, a pair of
  // quotes) are quoted; line ends inside a value become blanks.
  std::string Serialize() const;

  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback,
                         std::size_t max_length) const;

  // Sets a value, adding the section and the key at the end when they are new.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);

 private:
  struct Entry {
    std::string key, value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  const Section* FindSection(std::string_view name) const;
  std::vector<Section> sections_;
};

// Where the profile is kept.
class IniStorage {
 public:
  virtual ~IniStorage() = default;
  virtual bool Exists() const = 0;
  // The whole file's bytes; nullopt when it does not exist or cannot be read.
  virtual std::optional<std::string> Read() const = 0;
  // Replaces the file with `bytes` in one step; on failure the old file is
  // kept and the result says why.
  virtual FileWriteResult Write(std::string_view bytes) = 0;
};

// A file on disk.
class FileIniStorage : public IniStorage {
 public:
  explicit FileIniStorage(std::string path) : path_(std::move(path)) {}
  bool Exists() const override;
  std::optional<std::string> Read() const override;
  FileWriteResult Write(std::string_view bytes) override;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// A file held in memory, for tests: `bytes` is the file (nullopt: none), and
// `fail_error` makes every write fail with that error number and keep the old
// bytes.
class MemoryIniStorage : public IniStorage {
 public:
  bool Exists() const override { return bytes.has_value(); }
  std::optional<std::string> Read() const override { return bytes; }
  FileWriteResult Write(std::string_view b) override {
    FileWriteResult result;
    result.existed = bytes.has_value();
    if (fail_error != 0) {
      result.failed = WriteStep::Rename;
      result.error = fail_error;
      return result;
    }
    bytes = std::string(b);
    return result;
  }
  std::optional<std::string> bytes;
  int fail_error = 0;
};

}  // namespace vorda
