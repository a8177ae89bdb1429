#include "fuzz_support.h"

#include <cstdio>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "data/accounts_settings.h"
#include "data/char_settings.h"
#include "data/order_sheet.h"
#include "editor/editor_state.h"
#include "editor/program_state.h"
#include "encyclopedia/encyclopedia_state.h"
#include "orders/orders_state.h"
#include "platform/message_box.h"
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

RecordingMessageBoxes& FreshBoxes() {
  static RecordingMessageBoxes boxes;
  InstallMessageBoxes(&boxes);
  boxes.shown.clear();
  boxes.asked.clear();
  return boxes;
}

void ResetSheetStates() {
  ResetSheetModel();
  ResetOrdersState();
  ResetCharSettings();
  ResetAccounts();
  ResetProgramState();
  ResetEditorState();
}

std::uint8_t StateSource::Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

bool StateSource::Bool() { return (Byte() & 1) != 0; }

std::uint32_t StateSource::Below(std::uint32_t max) {
  std::uint32_t v = 0;
  for (int k = 0; k < 4; ++k) v = (v << 8) | Byte();
  return max == 0xFFFFFFFFu ? v : v % (max + 1);
}

std::int32_t StateSource::Number() {
  static constexpr std::int32_t kEdges[] = {0,      1,       -1,      9,      -9,     10,     -10,
                                            999,    -999,    1000,    -1000,  9999,   -9999,  10000,
                                            -10000, 99999,   100000,  123456, 255,    256,    -128,
                                            127,    INT32_MAX, INT32_MIN};
  switch (Byte() % 4) {
    case 0: return kEdges[Byte() % (sizeof kEdges / sizeof kEdges[0])];
    case 1: return static_cast<std::int32_t>(Below(200)) - 100;
    case 2: return static_cast<std::int32_t>(Below(0xFFFFFFFFu));
    default: return static_cast<std::int32_t>(Below(20000)) - 10000;
  }
}

std::string StateSource::Text(std::size_t max_length) {
  static constexpr char kCommon[] = "0123456789 abcMVEZ-&=;\r\n\t\xA6\xE1\x00|";
  const std::size_t length = Below(static_cast<std::uint32_t>(max_length));
  std::string out;
  for (std::size_t i = 0; i < length; ++i) {
    const std::uint8_t b = Byte();
    if (b < 0x80)
      out += kCommon[b % (sizeof kCommon - 1)];
    else if (b < 0xC0)
      out += static_cast<char>(b);  // a letter of the upper half
    else
      out += static_cast<char>(Byte());  // any byte at all
  }
  return out;
}

void Fail(const char* what, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: %s\n", file, line, what);
  std::abort();
}

}  // namespace vorda::fuzz
