#include "platform/files.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/win1250.h"

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
  RegularFileRead read = ReadRegularFile(path);
  if (read.status != RegularFileRead::Status::Ok) return std::nullopt;
  return std::move(read.bytes);
}

namespace {

// A file opened for reading only when it is a regular file. The open itself
// cannot block (a FIFO would wait for a writer for ever), and the kind is
// tested on the opened file, so nothing swapped in between is read.
struct OpenedFile {
  int fd = -1;               // -1: not opened (or not a regular file)
  bool not_regular = false;  // there, but a folder, FIFO, device or socket
  std::uintmax_t size = 0;
};

OpenedFile OpenRegularFile(const std::string& path) {
  OpenedFile file;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return file;
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    ::close(fd);
    return file;
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    file.not_regular = true;
    return file;
  }
  file.fd = fd;
  file.size = static_cast<std::uintmax_t>(st.st_size);
  return file;
}

}  // namespace

RegularFileRead ReadRegularFile(const std::string& path, std::uintmax_t max_size) {
  using Status = RegularFileRead::Status;
  RegularFileRead out;
  const OpenedFile file = OpenRegularFile(path);
  if (file.not_regular) out.status = Status::NotRegular;
  if (file.fd < 0) return out;
  const int fd = file.fd;
  out.size = file.size;
  if (out.size > max_size) {
    ::close(fd);
    out.status = Status::TooLarge;
    return out;
  }
  // Read to the end rather than trusting the length: a file may change while
  // it is read.
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(out.size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return out;
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
    if (bytes.size() > max_size) {
      ::close(fd);
      out.size = bytes.size();
      out.status = Status::TooLarge;
      return out;
    }
  }
  ::close(fd);
  out.size = bytes.size();
  out.bytes = std::move(bytes);
  out.status = Status::Ok;
  return out;
}

ExactFileRead ReadRegularFileExactly(const std::string& path, std::span<std::byte> memory) {
  using Status = ExactFileRead::Status;
  ExactFileRead out;
  const OpenedFile file = OpenRegularFile(path);
  if (file.not_regular) out.status = Status::NotRegular;
  if (file.fd < 0) return out;
  const int fd = file.fd;
  out.size = file.size;
  if (out.size != memory.size()) {
    ::close(fd);
    out.status = Status::WrongSize;
    return out;
  }
  std::size_t done = 0;
  out.status = Status::Ok;
  while (done < memory.size()) {
    const ssize_t n = ::read(fd, memory.data() + done, memory.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {  // an error, or the end came early: the file was cut
      out.status = Status::FailedPartway;
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  // One byte more would mean the file grew while it was read.
  char extra = 0;
  ssize_t more = 0;
  while (out.status == Status::Ok && (more = ::read(fd, &extra, 1)) < 0 && errno == EINTR) {
  }
  if (out.status == Status::Ok && more != 0) out.status = Status::FailedPartway;
  ::close(fd);
  return out;
}

namespace {

WriteFaults g_write_faults;

// "<name>.tmp<pid>" of a process that no longer runs: what a save killed in
// the middle left behind.
bool IsStaleTempOf(std::string_view entry, std::string_view base) {
  const std::string prefix = std::string(base) + ".tmp";
  if (entry.size() <= prefix.size() || entry.size() > prefix.size() + 10 || entry.substr(0, prefix.size()) != prefix)
    return false;
  long long pid = 0;
  for (const char c : entry.substr(prefix.size())) {
    if (c < '0' || c > '9') return false;
    pid = pid * 10 + (c - '0');
  }
  if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()) return false;
  if (static_cast<pid_t>(pid) == ::getpid()) return true;
  return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

void RemoveStaleTemps(const std::string& folder, std::string_view base) {
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
  if (ec) return;
  for (const auto& entry : it) {
    const std::string name = entry.path().filename().string();
    if (IsStaleTempOf(name, base)) ::unlink(JoinPath(folder, name).c_str());
  }
}

int InjectedFault(WriteStep step, const std::string& target, const std::string& temp) {
  return g_write_faults.Hook ? g_write_faults.Hook(step, target, temp) : 0;
}

// Writes all of `bytes` to `fd`; false with errno set when the disk refuses.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

WriteFaults& FileWriteFaults() { return g_write_faults; }
void ResetWriteFaults() { g_write_faults = WriteFaults{}; }

FileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes, FileAccess access) {
  FileWriteResult result;
  auto failed = [&result](WriteStep step, int error) {
    result.failed = step;
    result.error = error;
    return result;
  };

  // The file written is the one a link points to; the link itself stays.
  std::string target = path;
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0) {
    if (S_ISLNK(st.st_mode)) {
      char* real = ::realpath(path.c_str(), nullptr);
      if (!real) return failed(WriteStep::Target, errno);
      target = real;
      std::free(real);
      if (::stat(target.c_str(), &st) != 0) return failed(WriteStep::Target, errno);
    }
    if (S_ISDIR(st.st_mode)) return failed(WriteStep::Target, EISDIR);
    result.existed = true;
  } else if (errno != ENOENT) {
    return failed(WriteStep::Target, errno);
  }

  // The old file's bits; a password's file is its owner's alone.
  const bool owner_only = access == FileAccess::OwnerOnly;
  const bool set_mode = result.existed || owner_only;
  mode_t mode = result.existed ? (st.st_mode & 07777) : 0600;
  if (owner_only) mode &= ~mode_t{077};

  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string(".") : target.substr(0, slash == 0 ? 1 : slash);
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  RemoveStaleTemps(folder, base);
  const std::string temp = target + ".tmp" + std::to_string(::getpid());

  int error = InjectedFault(WriteStep::Create, target, temp);
  // Made for its owner alone: the bits it is to have are set before anyone
  // else could open it.
  int fd = error ? -1 : ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                               set_mode ? 0600 : 0666);
  if (fd < 0) return failed(WriteStep::Create, error ? error : errno);
  auto give_up = [&](WriteStep step, int e) {
    if (fd >= 0) ::close(fd);
    ::unlink(temp.c_str());
    return failed(step, e);
  };

  if ((error = InjectedFault(WriteStep::Write, target, temp)) != 0) {
    WriteAll(fd, bytes.substr(0, bytes.size() / 2));  // a disk that fills up half way
    return give_up(WriteStep::Write, error);
  }
  if (!WriteAll(fd, bytes)) return give_up(WriteStep::Write, errno);

  if ((error = InjectedFault(WriteStep::Permissions, target, temp)) != 0) return give_up(WriteStep::Permissions, error);
  if (set_mode && ::fchmod(fd, mode) != 0) return give_up(WriteStep::Permissions, errno);

  if ((error = InjectedFault(WriteStep::Flush, target, temp)) != 0) return give_up(WriteStep::Flush, error);
  if (::fsync(fd) != 0) return give_up(WriteStep::Flush, errno);

  error = InjectedFault(WriteStep::Close, target, temp);
  const int closed = ::close(fd);
  fd = -1;
  if (error == 0 && closed != 0) error = errno;
  if (error != 0) return give_up(WriteStep::Close, error);

  if ((error = InjectedFault(WriteStep::Rename, target, temp)) != 0) return give_up(WriteStep::Rename, error);
  if (::rename(temp.c_str(), target.c_str()) != 0) return give_up(WriteStep::Rename, errno);

  // The rename reaches the disk only with the folder. From here on the new
  // file stands, whatever is reported.
  error = InjectedFault(WriteStep::FolderFlush, target, temp);
  if (error == 0) {
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) {
      error = errno;
    } else {
      // A file system that cannot flush a folder says EINVAL: there is
      // nothing more to do there.
      if (::fsync(dir) != 0 && errno != EINVAL) error = errno;
      ::close(dir);
    }
  }
  if (error != 0) return failed(WriteStep::FolderFlush, error);
  return result;
}

std::string WriteErrorText(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
      return "nincs elég hely a lemezen"_w;
    case EACCES:
    case EPERM:
      return "nincs írási jogosultság"_w;
    case EROFS:
      return "a lemez csak olvasható"_w;
    case EISDIR:
    case EEXIST:
    case ENOTEMPTY:
      return "egy mappa áll a fájl helyén"_w;
    case ENOTDIR:
      return "egy fájl áll a mappa helyén"_w;
    case ENOENT:
      return "a fájl mappája nem létezik"_w;
    default:
      break;
  }
  // The system's own words (in the language of its locale).
  return "a rendszer hibaüzenete: "_w + Utf8ToWin1250(std::strerror(error));
}

std::string WriteFailureReason(const FileWriteResult& result) {
  if (result.failed == WriteStep::Target && result.error == ENOENT)
    return "a szimbolikus hivatkozás nem létező fájlra mutat"_w;
  std::string reason = WriteErrorText(result.error);
  if (result.failed == WriteStep::FolderFlush)
    reason += "; az új fájl a helyére került, de nem biztos, hogy a lemezre is kiíródott"_w;
  return reason;
}

std::string WriteFailureNote(const FileWriteResult& result, std::string_view kept) {
  std::string note = " (" + WriteFailureReason(result);
  if (result.existed && result.failed != WriteStep::FolderFlush && !kept.empty()) note += "; " + std::string(kept);
  return note + ")";
}

}  // namespace vorda
