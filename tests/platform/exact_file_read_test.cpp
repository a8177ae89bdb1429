// Reading a file straight into memory that it must fill exactly: a file of
// another length, or one that is no regular file, leaves the memory as it was.
#include <sys/stat.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

using Status = ExactFileRead::Status;

TEST(ReadRegularFileExactly, AFileOfTheMemorysLengthFillsIt) {
  testing::TempDir dir;
  dir.Write("MAP.DAT", "abcdefgh");
  std::array<std::byte, 8> memory{};
  const ExactFileRead read = ReadRegularFileExactly(dir.path() + "/MAP.DAT", memory);
  EXPECT_EQ(read.status, Status::Ok);
  EXPECT_EQ(read.size, 8u);
  EXPECT_EQ(std::memcmp(memory.data(), "abcdefgh", 8), 0);
}

TEST(ReadRegularFileExactly, AnythingElseLeavesTheMemoryAsItWas) {
  testing::TempDir dir;
  dir.Write("short", "abcdefg");
  dir.Write("long", "abcdefghi");
  ASSERT_EQ(::mkfifo((dir.path() + "/fifo").c_str(), 0600), 0);
  ASSERT_EQ(::mkdir((dir.path() + "/folder").c_str(), 0700), 0);
  const struct {
    const char* name;
    Status status;
    std::uintmax_t size;
  } cases[] = {{"short", Status::WrongSize, 7}, {"long", Status::WrongSize, 9}, {"fifo", Status::NotRegular, 0},
               {"folder", Status::NotRegular, 0}, {"missing", Status::Unreadable, 0}};
  for (const auto& c : cases) {
    std::array<std::byte, 8> memory;
    memory.fill(std::byte{0x5A});
    const ExactFileRead read = ReadRegularFileExactly(dir.path() + "/" + c.name, memory);
    EXPECT_EQ(read.status, c.status) << c.name;
    if (c.status == Status::WrongSize) {
      EXPECT_EQ(read.size, c.size) << c.name;
    }
    for (const std::byte b : memory) ASSERT_EQ(b, std::byte{0x5A}) << c.name;
  }
}

// A file that says it is longer than what a read gives: the kernel's own
// files say 4096 bytes and hold a line.
TEST(ReadRegularFileExactly, AFileThatEndsEarlierThanItsLengthSaysFailsPartway) {
  const std::string path = "/sys/kernel/mm/transparent_hugepage/enabled";
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || st.st_size <= 0) GTEST_SKIP() << path << " is not there";
  std::vector<std::byte> memory(static_cast<std::size_t>(st.st_size));
  EXPECT_EQ(ReadRegularFileExactly(path, memory).status, Status::FailedPartway);
}

}  // namespace
}  // namespace vorda
