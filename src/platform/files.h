#pragma once
// File-system helpers. The game's files carry Windows names (MAP.DAT, ".UL",
// SZAMLAK.CFG) that may stand in any case on a Linux disk, so a file is found
// by a case-blind match of its name; paths are joined with "/" in one place.
#include <cstddef>
#include <cstdint>
#include <functional>
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

// The steps of a save, in their order. A step that fails leaves the old file
// as it was and no temporary file behind; only a failure of the last one
// (FolderFlush) comes after the new file has taken the old one's place.
enum class WriteStep {
  None,         // nothing failed
  Target,       // the path itself: a folder in the way, a dangling link, a folder that cannot be searched
  Create,       // the temporary file beside the target
  Write,
  Permissions,  // the old file's permission bits (or the owner-only ones) on the new one
  Flush,        // the new bytes onto the disk
  Close,
  Rename,       // the new file takes the old one's place
  FolderFlush,  // the folder's new entry onto the disk
};

// Who may read the file a save writes. A new file gets the umask's bits, or
// read and write for its owner only; an existing file keeps its own bits, and
// an owner-only file loses any that give others access.
enum class FileAccess {
  Shared,
  OwnerOnly,  // files that hold a password
};

// What a save did.
struct FileWriteResult {
  WriteStep failed = WriteStep::None;
  int error = 0;         // the system's error number of the failed step
  bool existed = false;  // an earlier file stood at the path (or behind its link)
  explicit operator bool() const { return failed == WriteStep::None; }
};

// Writes `bytes` to `path` the way careful editors do: into a temporary file in
// the target's folder, flushed to the disk with the target's permission bits,
// then renamed over the target, and the folder flushed too. A symbolic link is
// kept and the file it points to is written; a link that points nowhere, or a
// folder standing at the path, is an error and is left alone. Whatever step
// fails, the old file stays byte for byte and no temporary file is left; a
// temporary file that an earlier save of the same file left behind when it was
// killed is removed first.
FileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                                    FileAccess access = FileAccess::Shared);

// Why a save failed, in plain Hungarian (Windows-1250): no space, no
// permission, a read-only disk, a folder in the way, or the system's own text.
std::string WriteErrorText(int error);
// The whole reason of a failed save: the error's text, and for a failed folder
// flush that the new file stands.
std::string WriteFailureReason(const FileWriteResult& result);
// The note a save's message ends in: " (reason; kept)" with `kept` (such as "a
// korábbi fájl megmaradt") only when an earlier file was there and is still
// there as it was; " (reason)" otherwise.
std::string WriteFailureNote(const FileWriteResult& result, std::string_view kept);

// A file that a save did not write, and why (plain Hungarian, Windows-1250).
struct UnsavedFile {
  std::string file;    // as the user knows it: "vorda40.ini", "notesz/1234.not"
  std::string what;    // what it holds: "a számlák"
  std::string reason;
};

// The seam through which tests make saves fail. Before each step from Create
// to FolderFlush the hook is asked; a result other than 0 makes that step fail
// with that error number (a failing Write writes a part of the bytes first, a
// failing Close still closes). `target` is the file written (after its link is
// followed), `temp` the temporary file.
using WriteFaultHook = std::function<int(WriteStep step, const std::string& target, const std::string& temp)>;
struct WriteFaults {
  WriteFaultHook Hook;
};
WriteFaults& FileWriteFaults();
void ResetWriteFaults();

}  // namespace vorda
