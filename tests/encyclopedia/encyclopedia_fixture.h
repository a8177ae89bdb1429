#pragma once
// Invented encyclopedias for the tests: a packer built as the inverse of the
// unpacking rules (codes put back in reverse table order, the generator's
// numbers added, the halves reversed), and a writer of TEXT.IDX and TEXT.DTA.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/order_sheet.h"
#include "encyclopedia/encyclopedia_state.h"
#include "encyclopedia/text_unpack.h"
#include "platform/message_box.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"

namespace vorda::testing {

// In both tables the first entry's text holds a later entry's code, so a later
// entry expands what an earlier one wrote. Method 2: "T1" is a code, so a header such as "#T12"
// is shorter packed than unpacked.
inline EncyclopediaPacking TestPacking() {
  EncyclopediaPacking p;
  p.Method1Known = true;
  p.Seed1 = 42;
  p.Table1 = {{0x02, "\x03" "a"}, {0x01, "sz"}, {0x03, "gy"}};
  p.Method2Known = true;
  p.Table2 = {{0x81, "\x80t"}, {0x80, "en "}, {0x84, "T1"}};
  return p;
}

// The tables above as the file beside the program gives them.
inline constexpr std::string_view kTestPackingFile =
    "; invented tables\r\n"
    "seed 42\r\n"
    "1 02 0361\r\n"
    "1 01 737A  ; sz\r\n"
    "1 03 6779\r\n"
    "\r\n"
    "2 81 8074\r\n"
    "2 80 656E20\r\n"
    "2 84 5431\r\n";

inline std::string Compress(std::string text, const std::vector<CodeExpansion>& table) {
  for (auto it = table.rbegin(); it != table.rend(); ++it) {
    for (std::size_t at = text.find(it->Text); at != std::string::npos; at = text.find(it->Text, at + 1))
      text.replace(at, it->Text.size(), 1, static_cast<char>(it->Code));
  }
  return text;
}

inline std::string Pack1(std::string_view text) {
  const auto& p = Encyclopedia().Packing;
  std::string out = Compress(std::string(text), p.Table1);
  PackingGenerator generator(p.Seed1);
  for (char& c : out) c = static_cast<char>(static_cast<std::uint8_t>(c) + generator.Random(7));
  return HalfReversal(out);
}

inline std::string Pack2(std::string_view text) {
  return HalfReversal(Compress(std::string(text), Encyclopedia().Packing.Table2));
}

inline std::string Pack(int mode, std::string_view text) {
  return mode == 1 ? Pack1(text) : mode == 2 ? Pack2(text) : std::string(text);
}

struct FixtureEntry {
  std::string key;
  std::vector<std::string> lines;  // DOS code page, unpacked
};

inline void PutInt(std::string& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// Writes TEXT.DTA (header "#" + key, then the lines, each packed and ended by
// CR LF) and TEXT.IDX into `folder` (Encyclopedia().Packing must hold the
// tables to pack with).
inline void WriteEncyclopedia(const TempDir& dir, int mode, const std::vector<FixtureEntry>& entries,
                              std::string_view prologue = {}) {
  std::string data(prologue);
  std::string index;
  PutInt(index, static_cast<std::uint32_t>(entries.size()), 2);
  for (const auto& e : entries) {
    data += Pack(mode, "#" + e.key) + "\r\n";
    const std::string key = Pack(mode, e.key);
    index += static_cast<char>(key.size());
    index += key + std::string(8 - key.size(), '\0');
    PutInt(index, static_cast<std::uint32_t>(data.size()), 4);
    for (const auto& line : e.lines) data += Pack(mode, line) + "\r\n";
  }
  dir.Write("TEXT.DTA", data);
  dir.Write("TEXT.IDX", index);
}

class EncyclopediaTest : public FreshState {
 protected:
  void SetUp() override {
    FreshState::SetUp();
    ResetEncyclopediaState();
    InstallMessageBoxes(&boxes);
  }
  void TearDown() override {
    InstallMessageBoxes(nullptr);
    ResetEncyclopediaState();
    FreshState::TearDown();
  }
  RecordingMessageBoxes boxes;
};

}  // namespace vorda::testing
