// The packer's tables file read from any bytes. A refused file leaves nothing
// known; an accepted one keeps its tables within their sizes, with no entry
// holding its own code, and reads back the same when written again in the
// file's form. Unpacking with what was accepted only ever lengthens a line,
// and only up to the longest line kept.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "encyclopedia/encyclopedia_state.h"
#include "encyclopedia/text_unpack.h"
#include "fuzz_support.h"

namespace {

using namespace vorda;

std::string Hex(std::string_view bytes) {
  std::string out;
  for (char c : bytes) {
    char two[3];
    std::snprintf(two, sizeof two, "%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
    out += two;
  }
  return out;
}

// The tables in the file's form.
std::string TablesFile(const EncyclopediaPacking& p) {
  std::string out = p.Method1Known ? "seed " + std::to_string(p.Seed1) + "\n" : "";
  for (const auto& e : p.Table1) out += "1 " + Hex(std::string(1, static_cast<char>(e.Code))) + " " + Hex(e.Text) + "\n";
  for (const auto& e : p.Table2) out += "2 " + Hex(std::string(1, static_cast<char>(e.Code))) + " " + Hex(e.Text) + "\n";
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  auto& packing = Encyclopedia().Packing;
  fuzz::UseInventedPacking(0);  // something known before: a refusal must drop it
  const std::string why = ParseEncyclopediaPacking(file, packing);
  const EncyclopediaPacking parsed = packing;

  fuzz::ClearScratchDir();
  fuzz::WriteScratchFile(std::string(kPackingFileName), file);
  fuzz::UseInventedPacking(0);
  FUZZ_CHECK(LoadEncyclopediaPacking(fuzz::ScratchDir()) == why);
  FUZZ_CHECK(fuzz::SamePacking(packing, parsed));

  if (!why.empty()) {
    FUZZ_CHECK(fuzz::SamePacking(parsed, EncyclopediaPacking{}));
    return 0;
  }
  FUZZ_CHECK(parsed.Table1.size() <= kTable1Size && parsed.Table2.size() <= kTable2Size);
  FUZZ_CHECK(parsed.Table1.empty() || parsed.Method1Known);
  FUZZ_CHECK(parsed.Method2Known == !parsed.Table2.empty());
  for (const auto* table : {&parsed.Table1, &parsed.Table2})
    for (const auto& e : *table)
      FUZZ_CHECK(!e.Text.empty() && e.Text.find(static_cast<char>(e.Code)) == std::string::npos);

  EncyclopediaPacking again;
  FUZZ_CHECK(ParseEncyclopediaPacking(TablesFile(parsed), again).empty());
  FUZZ_CHECK(fuzz::SamePacking(again, parsed));

  // A packed line is at most 255 bytes.
  packing = parsed;
  const std::string_view line = file.substr(0, 255);
  for (auto unpack : {EncyclopediaUnpack1, EncyclopediaUnpack2}) {
    const std::size_t length = unpack(line).size();
    FUZZ_CHECK(length >= line.size() && length <= kUnpackedLimit);
  }
  return 0;
}
