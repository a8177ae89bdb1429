#pragma once
// File-system helpers. The game's files carry Windows names (MAP.DAT, ".UL",
// SZAMLAK.CFG) that may stand in any case on a Linux disk, so a file is found
// by a case-blind match of its name; paths are joined with "/" in one place.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vorda {

// dir + "/" + name, without doubling a "/" that dir already ends in; an empty
// dir gives name itself.
std::string JoinPath(std::string_view dir, std::string_view name);

// The path of the file called `name` in `dir`: the exact name when it exists,
// else the first entry whose name matches it ignoring ASCII case. Empty when
// there is none (or dir cannot be read).
std::string FindFileNoCase(std::string_view dir, std::string_view name);

// Path of `name` in `dir` as it should be used for reading or for writing: the
// existing file in whatever case it stands, or JoinPath(dir, name) when none does.
std::string ResolvePathNoCase(std::string_view dir, std::string_view name);

// The whole file's bytes; nullopt when it cannot be opened or read, or is no
// regular file (see ReadRegularFile).
std::optional<std::string> ReadWholeFile(const std::string& path);

// A whole file read by ReadRegularFile.
struct RegularFileRead {
  enum class Status {
    Ok,          // `bytes` holds the file
    Unreadable,  // missing, or cannot be opened or read
    NotRegular,  // a folder, FIFO, device or socket: never read
    TooLarge,    // longer than the caller's limit: not read
  };
  Status status = Status::Unreadable;
  std::uintmax_t size = 0;  // the file's length, for a regular file
  std::string bytes;
};

// Reads the file at `path` only when it is a regular file. The open itself
// cannot block (a FIFO would wait for a writer for ever), and the kind is
// tested on the opened file, so nothing swapped in between is read.
RegularFileRead ReadRegularFile(const std::string& path,
                                std::uintmax_t max_size = std::numeric_limits<std::uintmax_t>::max());

// A file read into memory that it must fill exactly (ReadRegularFileExactly).
struct ExactFileRead {
  enum class Status {
    Ok,             // the memory holds the whole file
    Unreadable,     // missing, or cannot be opened
    NotRegular,     // a folder, FIFO, device or socket: never read
    WrongSize,      // not as long as the memory: nothing read
    FailedPartway,  // a read failed, or the file changed its length, after reading began
  };
  Status status = Status::Unreadable;
  std::uintmax_t size = 0;  // the file's length, for a regular file
};

// Reads the regular file at `path` straight into `memory` when it is exactly
// as long. Its kind and length are tested on the opened file before a byte is
// read, so that a file of another length leaves `memory` as it was; only a
// read that fails after that (a disk error, a file cut or grown meanwhile)
// leaves part of the file in it (FailedPartway).
ExactFileRead ReadRegularFileExactly(const std::string& path, std::span<std::byte> memory);

// Writes `bytes` to a temporary file beside `path` and renames it over `path`,
// so that a failed write leaves the old file as it was. False on any failure
// (and the temporary file is removed).
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace vorda
