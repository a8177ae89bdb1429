#include "platform/ini_file.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

#include "support/temp_dir.h"
#include "support/write_faults.h"

namespace vorda {
namespace {

// A file as a Windows editor leaves it: CR LF, names in any case, a comment,
// quotes, blanks around the "=" and a second section of an existing name.
constexpr std::string_view kWindowsFile =
    "; written by hand\r\n"
    "[ul options]\r\n"
    "currentul = 1234-0012b\r\n"
    "ACTIVE=203\r\n"
    "Lexor=\"  C:\\lex\\ \"\r\n"
    "Active=99\r\n"
    "\r\n"
    "[UL SEND OPTIONS]\r\n"
    "SmtpPort=587\r\n"
    "stray line\r\n"
    "[UL Options]\r\n"
    "Map=second\r\n";

TEST(IniProfile, ReadsTheWindowsLayoutWhateverTheCaseAndLineEnds) {
  std::string lf(kWindowsFile);
  std::erase(lf, '\r');
  for (const std::string_view bytes : {kWindowsFile, std::string_view(lf)}) {
    const IniProfile p = IniProfile::Parse(bytes);
    EXPECT_EQ(p.ReadString("UL Options", "CurrentUL", "", 10), "1234-0012b");
    EXPECT_EQ(p.ReadInteger("UL Options", "Active", 10), 203);  // the first of two
    EXPECT_EQ(p.ReadString("UL Options", "Lexor", "", 255), "  C:\\lex\\ ");
    EXPECT_EQ(p.ReadString("UL Options", "Map", "", 255), "second");  // the section's second part
    EXPECT_EQ(p.ReadInteger("UL Send Options", "SMTPPort", 25), 587);
    EXPECT_EQ(p.ReadInteger("UL Send Options", "Missing", 25), 25);
    EXPECT_EQ(p.ReadString("Fordulok", "Last1", "x", 255), "x");
  }
}

TEST(IniProfile, IntegersAreReadLikeTheProfileFunctions) {
  const struct Case {
    const char* value;
    std::int32_t expected;
  } cases[] = {{"42", 42},          {"-7", -7},         {"+5", 5},           {"12abc", 12},
               {"abc", 0},          {"", 0},            {"2147483647", 2147483647},
               {"99999999999", 2147483647},             {"-2147483648", -2147483647 - 1},
               {"-99999999999", -2147483647 - 1}};
  for (const Case& c : cases) {
    const IniProfile p = IniProfile::Parse(std::string("[s]\nk=") + c.value + "\n");
    EXPECT_EQ(p.ReadInteger("s", "k", 10), c.expected) << c.value;
  }
}

TEST(IniProfile, TextsAreCutToTheirLength) {
  const std::string password(256, 'A');
  const IniProfile p = IniProfile::Parse("[s]\r\nPassword=" + password + "B\r\nShort=abcdefghijkl\r\n");
  EXPECT_EQ(p.ReadString("s", "password", "", 256), password);
  EXPECT_EQ(p.ReadString("s", "short", "", 10), "abcdefghij");
}

TEST(IniProfile, WhatIsWrittenReadsBackAsItWas) {
  IniProfile p;
  const std::string values[] = {"plain", " leading", "trailing ", "\"quoted\"", "", "\"", "a=b;c",
                                "\xE1rv\xEDz"};
  for (std::size_t i = 0; i < std::size(values); ++i) p.WriteString("Sec", "K" + std::to_string(i), values[i]);
  p.WriteInteger("Other", "N", -12);
  p.WriteString("sec", "k0", "replaced");  // same key, other case: replaced in place
  p.WriteString("Sec", "Line", "one\r\ntwo");

  const std::string text = p.Serialize();
  EXPECT_EQ(text.substr(0, 22), "[Sec]\r\nK0=replaced\r\nK1");
  EXPECT_NE(text.find("\r\n\r\n[Other]\r\nN=-12\r\n"), std::string::npos);
  const IniProfile back = IniProfile::Parse(text);
  EXPECT_EQ(back.ReadString("Sec", "K0", "", 255), "replaced");
  for (std::size_t i = 1; i < std::size(values); ++i)
    EXPECT_EQ(back.ReadString("Sec", "K" + std::to_string(i), "-", 255), values[i]) << i;
  EXPECT_EQ(back.ReadString("Sec", "Line", "", 255), "one  two");
  EXPECT_EQ(back.ReadInteger("Other", "N", 0), -12);
}

TEST(FileIniStorage, WritesWholeAndKeepsTheOldFileWhenAWriteFails) {
  testing::TempDir dir;
  FileIniStorage file(dir.path() + "/vorda40.ini");
  EXPECT_FALSE(file.Exists());
  EXPECT_FALSE(file.Read());
  dir.Write("vorda40.ini", "[Fordulok]\r\nLast1=a.ul\r\nLast2=b.ul\r\n");
  ASSERT_TRUE(file.Exists());

  IniProfile p;
  p.WriteString("Fordulok", "Last1", "c.ul");
  ASSERT_TRUE(file.Write(p.Serialize()));
  const IniProfile back = IniProfile::Parse(*file.Read());
  EXPECT_EQ(back.ReadString("Fordulok", "Last1", "", 255), "c.ul");
  EXPECT_FALSE(back.Find("Fordulok", "Last2"));  // nothing of the old file survives

  // The temporary file cannot be made: the write fails and the file stays.
  std::filesystem::create_directory(dir.path() + "/vorda40.ini.tmp" + std::to_string(::getpid()));
  EXPECT_FALSE(file.Write("[x]\r\n"));
  EXPECT_EQ(*file.Read(), p.Serialize());
}

// The ini file holds the mail password: its owner's alone, however loosely the
// old one was kept, and a failed write keeps the old file.
TEST(FileIniStorage, IsReadableByItsOwnerOnlyAndKeepsTheOldFileOnAFault) {
  testing::TempDir dir;
  const std::string path = dir.Write("vorda40.ini", "[UL Options]\r\nActive=11\r\n");
  std::filesystem::permissions(path, std::filesystem::perms(0644));
  FileIniStorage file(path);
  for (const auto& fault : testing::kWriterFaults) {
    if (fault.step == WriteStep::FolderFlush) continue;
    const testing::ScopedWriteFault injected(fault.step, fault.error);
    const FileWriteResult written = file.Write("[x]\r\n");
    EXPECT_EQ(written.failed, fault.step);
    EXPECT_TRUE(written.existed);
    EXPECT_EQ(dir.Read("vorda40.ini"), "[UL Options]\r\nActive=11\r\n");
    EXPECT_TRUE(testing::TempFilesIn(dir.path()).empty());
  }
  ASSERT_TRUE(file.Write("[x]\r\n"));
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0600));
  std::filesystem::remove(path);
  ASSERT_TRUE(file.Write("[x]\r\n"));
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0600));
}

}  // namespace
}  // namespace vorda
