#include "platform/files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
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
