#include "platform/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/win1250.h"
#include "support/temp_dir.h"
#include "support/write_faults.h"

namespace vorda {
namespace {

namespace fs = std::filesystem;
using testing::ScopedWriteFault;
using testing::TempDir;
using testing::TempFilesIn;

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st.st_mode & 07777;
}

mode_t Umask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// A process that has ended: the number of its pid is free.
pid_t DeadPid() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

class AtomicWriteTest : public ::testing::Test {
 protected:
  void TearDown() override { ResetWriteFaults(); }
  TempDir dir;
};

TEST_F(AtomicWriteTest, AStepThatFailsLeavesTheOldFileAndNoTemporaryFile) {
  const std::string path = dir.path() + "/lap.ul";
  for (const WriteStep step : testing::kFaultSteps)
    for (const int error : {ENOSPC, EACCES, EROFS, EIO})
      for (const bool earlier : {true, false}) {
        const std::string where = std::string(testing::StepName(step)) + " " + std::to_string(error) +
                                  (earlier ? " over an old file" : " as a new file");
        fs::remove(path);
        if (earlier) {
          dir.Write("lap.ul", "old bytes");
          ::chmod(path.c_str(), 0640);
        }
        const ScopedWriteFault fault(step, error);
        const FileWriteResult written = WriteFileAtomically(path, "the new bytes, longer than the old ones");
        EXPECT_FALSE(written) << where;
        EXPECT_EQ(written.failed, step) << where;
        EXPECT_EQ(written.error, error) << where;
        EXPECT_EQ(written.existed, earlier) << where;
        EXPECT_EQ(fault.hits(), 1) << where;
        EXPECT_TRUE(TempFilesIn(dir.path()).empty()) << where;
        if (step == WriteStep::FolderFlush) {
          // Only the last step comes after the new file took the old one's place.
          EXPECT_EQ(dir.Read("lap.ul"), "the new bytes, longer than the old ones") << where;
        } else if (earlier) {
          EXPECT_EQ(dir.Read("lap.ul"), "old bytes") << where;
          EXPECT_EQ(ModeOf(path), 0640u) << where;
        } else {
          EXPECT_FALSE(fs::exists(path)) << where;
        }
      }
}

TEST_F(AtomicWriteTest, ErrorsAreSaidInPlainHungarian) {
  const struct {
    int error;
    std::string text;
  } cases[] = {
      {ENOSPC, "nincs elég hely a lemezen"_w},       {EDQUOT, "nincs elég hely a lemezen"_w},
      {EACCES, "nincs írási jogosultság"_w},          {EPERM, "nincs írási jogosultság"_w},
      {EROFS, "a lemez csak olvasható"_w},            {EISDIR, "egy mappa áll a fájl helyén"_w},
      {ENOTDIR, "egy fájl áll a mappa helyén"_w},     {ENOENT, "a fájl mappája nem létezik"_w},
      {EIO, "a rendszer hibaüzenete: "_w + std::strerror(EIO)},
  };
  for (const auto& c : cases) EXPECT_EQ(WriteErrorText(c.error), c.text) << c.error;

  FileWriteResult r;
  r.failed = WriteStep::Write;
  r.error = ENOSPC;
  EXPECT_EQ(WriteFailureNote(r, "a korábbi fájl megmaradt"_w), " (nincs elég hely a lemezen)"_w);
  r.existed = true;
  EXPECT_EQ(WriteFailureNote(r, "a korábbi fájl megmaradt"_w), " (nincs elég hely a lemezen; a korábbi fájl megmaradt)"_w);
  r.failed = WriteStep::FolderFlush;
  r.error = EIO;
  EXPECT_EQ(WriteFailureNote(r, "a korábbi fájl megmaradt"_w),
            " (a rendszer hibaüzenete: "_w + std::strerror(EIO) +
                "; az új fájl a helyére került, de nem biztos, hogy a lemezre is kiíródott)"_w);
}

TEST_F(AtomicWriteTest, PermissionBitsAreKeptAndPasswordFilesAreTheOwnersAlone) {
  const struct {
    const char* name;
    int old_mode;  // -1: no earlier file
    FileAccess access;
    mode_t expected;
  } cases[] = {
      {"shared-0640", 0640, FileAccess::Shared, 0640},
      {"shared-0755", 0755, FileAccess::Shared, 0755},
      {"shared-new", -1, FileAccess::Shared, 0666 & ~Umask()},
      {"private-new", -1, FileAccess::OwnerOnly, 0600},
      {"private-0644", 0644, FileAccess::OwnerOnly, 0600},  // tightened at its next save
      {"private-0400", 0400, FileAccess::OwnerOnly, 0400},
  };
  for (const auto& c : cases) {
    const std::string path = dir.path() + "/" + c.name;
    if (c.old_mode >= 0) {
      dir.Write(c.name, "old");
      ::chmod(path.c_str(), static_cast<mode_t>(c.old_mode));
    }
    ASSERT_TRUE(WriteFileAtomically(path, "new", c.access)) << c.name;
    EXPECT_EQ(ModeOf(path), c.expected) << c.name;
    EXPECT_EQ(dir.Read(c.name), "new") << c.name;
  }
}

TEST_F(AtomicWriteTest, ALinkIsKeptAndTheFileItPointsToIsWritten) {
  fs::create_directory(dir.path() + "/valodi");
  const std::string real = dir.Write("valodi/vorda40.ini", "old");
  ::chmod(real.c_str(), 0640);
  const std::string link = dir.path() + "/vorda40.ini";
  fs::create_symlink("valodi/vorda40.ini", link);

  // The temporary file stands beside the file written, so that the rename
  // stays within its folder.
  std::string temp_seen;
  FileWriteFaults().Hook = [&temp_seen](WriteStep step, const std::string&, const std::string& temp) {
    if (step == WriteStep::Rename) temp_seen = temp;
    return 0;
  };
  const FileWriteResult written = WriteFileAtomically(link, "new", FileAccess::OwnerOnly);
  ASSERT_TRUE(written);
  EXPECT_TRUE(written.existed);
  EXPECT_EQ(fs::path(temp_seen).parent_path(), fs::canonical(dir.path() + "/valodi"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(dir.Read("valodi/vorda40.ini"), "new");
  EXPECT_EQ(ModeOf(real), 0600u);

  // A link that points nowhere is an error and is left alone.
  const std::string dangling = dir.path() + "/SZAMLAK.CFG";
  fs::create_symlink("nincs/SZAMLAK.CFG", dangling);
  const FileWriteResult refused = WriteFileAtomically(dangling, "new");
  EXPECT_EQ(refused.failed, WriteStep::Target);
  EXPECT_EQ(WriteFailureReason(refused), "a szimbolikus hivatkozás nem létező fájlra mutat"_w);
  EXPECT_TRUE(fs::is_symlink(dangling));
  EXPECT_EQ(fs::read_symlink(dangling), "nincs/SZAMLAK.CFG");
  EXPECT_TRUE(TempFilesIn(dir.path()).empty());
}

TEST_F(AtomicWriteTest, AFolderInTheWayIsAnError) {
  fs::create_directories(dir.path() + "/1234-0012.ul/benne");
  const FileWriteResult written = WriteFileAtomically(dir.path() + "/1234-0012.ul", "new");
  EXPECT_EQ(written.failed, WriteStep::Target);
  EXPECT_EQ(WriteFailureReason(written), "egy mappa áll a fájl helyén"_w);
  EXPECT_TRUE(fs::is_directory(dir.path() + "/1234-0012.ul/benne"));
}

TEST_F(AtomicWriteTest, ATemporaryFileThatAKilledSaveLeftIsRemoved) {
  const std::string dead = std::to_string(DeadPid());
  dir.Write("lap.ul.tmp" + dead, "half of a killed save");
  dir.Write("lap.ul.tmp" + std::to_string(::getpid()), "an earlier one of this process");
  dir.Write("lap.ul.tmp1", "a save that still runs");  // pid 1 is alive
  dir.Write("masik.ul.tmp" + dead, "another file's");
  dir.Write("lap.ul.tmpx" + dead, "no name of a save");
  ASSERT_TRUE(WriteFileAtomically(dir.path() + "/lap.ul", "new"));
  std::vector<std::string> left = TempFilesIn(dir.path());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"lap.ul.tmp1", "lap.ul.tmpx" + dead, "masik.ul.tmp" + dead}));
}

// A real full disk and a real read-only disk: a small memory file system in a
// mount namespace of a child process of its own, so that nothing outside sees
// it. Where mounting is not permitted the test says so and is skipped.
TEST_F(AtomicWriteTest, ARealFullOrReadOnlyDiskKeepsTheOldFile) {
  int pipe_fds[2];
  ASSERT_EQ(::pipe(pipe_fds), 0);
  const std::string mount_point = dir.path();
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe_fds[0]);
    auto report = [&](const std::string& what, int code) {
      (void)!::write(pipe_fds[1], what.data(), what.size());
      ::_exit(code);
    };
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", mount_point.c_str(), "tmpfs", 0, "size=64k") != 0)
      report(std::string("mounting a file system is not permitted here: ") + std::strerror(errno), 77);
    const std::string path = mount_point + "/lap.ul";
    if (!WriteFileAtomically(path, "old bytes")) report("the old file could not be made", 1);
    // Fill the disk.
    const int fill = ::open((mount_point + "/toltelek").c_str(), O_WRONLY | O_CREAT, 0600);
    const std::string block(4096, 'x');
    while (::write(fill, block.data(), block.size()) > 0) {
    }
    ::close(fill);
    const FileWriteResult full = WriteFileAtomically(path, std::string(20000, 'n'));
    if (full || full.error != ENOSPC) report("a full disk did not say ENOSPC: " + WriteErrorText(full.error), 2);
    if (!full.existed) report("the full disk's old file was not seen", 3);
    if (ReadWholeFile(path) != "old bytes") report("the full disk changed the old file", 4);
    if (::access((path + ".tmp" + std::to_string(::getpid())).c_str(), F_OK) == 0) report("a temporary file left", 5);
    ::unlink((mount_point + "/toltelek").c_str());
    if (::mount(nullptr, mount_point.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
      report(std::string("remounting read-only is not permitted here: ") + std::strerror(errno), 77);
    const FileWriteResult read_only = WriteFileAtomically(path, "new");
    if (read_only || read_only.error != EROFS || read_only.failed != WriteStep::Create)
      report("a read-only disk did not say EROFS at the create: " + WriteErrorText(read_only.error), 6);
    if (ReadWholeFile(path) != "old bytes") report("the read-only disk changed the old file", 7);
    ::_exit(0);
  }
  ::close(pipe_fds[1]);
  std::string said;
  char buffer[256];
  for (ssize_t n; (n = ::read(pipe_fds[0], buffer, sizeof buffer)) > 0;) said.append(buffer, static_cast<std::size_t>(n));
  ::close(pipe_fds[0]);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << said;
  EXPECT_EQ(WEXITSTATUS(status), 0) << said;
}

}  // namespace
}  // namespace vorda
