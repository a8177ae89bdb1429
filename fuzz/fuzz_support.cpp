#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "encyclopedia/encyclopedia_state.h"
#include "encyclopedia/text_unpack.h"

namespace vorda::fuzz {

namespace fs = std::filesystem;

std::vector<std::string_view> SplitParts(std::string_view input, std::size_t count) {
  std::vector<std::string_view> parts;
  while (parts.size() + 1 < count) {
    const std::size_t at = input.find(kPartSeparator);
    if (at == std::string_view::npos) break;
    parts.push_back(input.substr(0, at));
    input.remove_prefix(at + 1);
  }
  parts.push_back(input);
  parts.resize(count);
  return parts;
}

namespace {

struct Scratch {
  Scratch() {
    const char* base = fs::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/vorda-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) Fail("cannot make a scratch folder", __FILE__, __LINE__);
    path = pattern;
  }
  ~Scratch() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
  std::string path;
};

Scratch& TheScratch() {
  static Scratch scratch;
  return scratch;
}

}  // namespace

const std::string& ScratchDir() { return TheScratch().path; }

void WriteScratchFile(const std::string& name, std::string_view bytes) {
  std::ofstream out(ScratchDir() + "/" + name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) Fail("cannot write a scratch file", __FILE__, __LINE__);
}

void ClearScratchDir() {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(ScratchDir(), ec)) fs::remove_all(entry.path(), ec);
}

const std::string_view kInventedPackingFile =
    "seed 42\r\n"
    "1 02 0361\r\n"
    "1 01 737A\r\n"
    "1 03 6779\r\n"
    "2 81 8074\r\n"
    "2 80 656E20\r\n"
    "2 84 5431\r\n";

bool SamePacking(const EncyclopediaPacking& a, const EncyclopediaPacking& b) {
  auto same_table = [](const std::vector<CodeExpansion>& x, const std::vector<CodeExpansion>& y) {
    if (x.size() != y.size()) return false;
    for (std::size_t i = 0; i < x.size(); ++i)
      if (x[i].Code != y[i].Code || x[i].Text != y[i].Text) return false;
    return true;
  };
  return a.Method1Known == b.Method1Known && a.Seed1 == b.Seed1 && a.Method2Known == b.Method2Known &&
         same_table(a.Table1, b.Table1) && same_table(a.Table2, b.Table2);
}

void UseInventedPacking(std::uint8_t text_mode) {
  auto& state = Encyclopedia();
  if (!ParseEncyclopediaPacking(kInventedPackingFile, state.Packing).empty())
    Fail("the invented tables are refused", __FILE__, __LINE__);
  state.EncyclopediaTextMode = text_mode;
}

void Fail(const char* what, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: %s\n", file, line, what);
  std::abort();
}

}  // namespace vorda::fuzz
