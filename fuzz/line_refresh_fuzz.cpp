// The line refresh over any sheet: codes of 0..4 bytes and any 32-bit
// parameters on all 40 lines, with the invented demo game tables loaded. No
// description may exceed 100 bytes, nothing may throw, and every refresh must
// come back quickly.
//
// Input: flags (1 resource view, 2 settings sheet, 4 forty lines, 8 teleport
// box), EF factor, MOZG, FELT, TERFOKUSZ (a byte each); start x, start y,
// teleport x, teleport y, the turn's TVP (32-bit little-endian each); then 40
// lines of: code length (0..4, taken mod 5), 4 code bytes, P1, P2, P3, TVP
// (32-bit each) and the manual TVP (16-bit, taken into -999..999).
#include <chrono>
#include <cstdint>
#include <string>

#include "data/char_settings.h"
#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "editor/editor_state.h"
#include "editor/line_refresh.h"
#include "fuzz_support.h"
#include "orders/orders_state.h"

namespace {

using namespace vorda;

// The input read front to back; bytes beyond its end read as 0.
class InputBytes {
 public:
  InputBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  // Little-endian.
  std::int32_t Int32() {
    std::uint32_t v = 0;
    for (int k = 0; k < 4; ++k) v |= static_cast<std::uint32_t>(Byte()) << (8 * k);
    return static_cast<std::int32_t>(v);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// Far above what a refresh takes even under the sanitizers; a describer that
// loops over a parameter's whole range shows up here.
constexpr auto kSlowRefresh = std::chrono::seconds(1);

void RefreshChecked(int line) {
  const auto start = std::chrono::steady_clock::now();
  try {
    RefreshSheetLine(line);
  } catch (...) {
    fuzz::Fail("the line refresh threw", __FILE__, __LINE__);
  }
  FUZZ_CHECK(std::chrono::steady_clock::now() - start < kSlowRefresh);
  const auto& lines = SheetModel().Lines;
  FUZZ_CHECK(lines.SheetTexts[static_cast<std::size_t>(line)].size() <= kDescriptionLength);
  FUZZ_CHECK(lines.SheetCodes[static_cast<std::size_t>(line)].find(' ') == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  LoadGameDataFiles(VORDA_DEMO_DIR);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  InputBytes in(data, size);
  ResetSheetModel();
  ResetOrdersState();
  ResetCharSettings();
  ResetEditorState();

  auto& sheet = SheetModel();
  auto& ed = Editor();
  ed.ColorMarkup = true;
  const std::uint8_t flags = in.Byte();
  ed.ResourceView = (flags & 1) != 0;
  sheet.Header.SendFlags[BEALL] = (flags & 2) != 0;
  sheet.Sheet40Lines = (flags & 4) != 0;
  Orders().TeleportReturnChecked = (flags & 8) != 0;
  Orders().EfFactor = in.Byte();
  auto& ch = CharSettings();
  ch.CharMozg = in.Byte();
  ch.CharFelt = in.Byte();
  ch.CharTerfokusz = in.Byte();
  auto& c = Orders().StartCoords;
  c.StartX = in.Int32();
  c.StartY = in.Int32();
  c.TeleportX = in.Int32();
  c.TeleportY = in.Int32();
  ch.CharTvp = in.Int32();

  for (std::size_t i = 1; i <= kSheetLines; ++i) {
    const std::size_t length = in.Byte() % (kCodeLength + 1);
    std::string code;
    for (std::size_t k = 0; k < kCodeLength; ++k) code += static_cast<char>(in.Byte());
    code.resize(length);
    sheet.Lines.SheetCodes[i] = code;
    for (auto& p : sheet.Lines.SheetParams[i]) p = in.Int32();
    sheet.Lines.SheetTvp[i] = in.Int32();
    sheet.Lines.SheetTvpManual[i] = static_cast<std::int32_t>(in.Byte() | (in.Byte() << 8)) % 1999 - 999;
  }
  for (int line = 1; line <= kSheetLines; ++line) RefreshChecked(line);
  // Once more, now that every line has been described, from the last line up.
  for (int line = kSheetLines; line >= 1; --line) RefreshChecked(line);
  return 0;
}
