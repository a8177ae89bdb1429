#include "editor/sheet_totals.h"

#include "data/char_settings.h"
#include "data/order_sheet.h"
#include "editor/editor_state.h"

namespace vorda {

namespace {
StatusValues g_status;

// Two's-complement wrap-around sums, as the 32- and 8-bit totals are kept.
std::int32_t Add32(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
std::int8_t Add8(std::int8_t a, std::int32_t b) {
  return static_cast<std::int8_t>(static_cast<std::uint8_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b)));
}
}  // namespace

StatusValues& Status() { return g_status; }

void ResetStatusValues() { g_status = StatusValues{}; }

void ComputeStatusValues() {
  const auto& s = SheetModel().Lines;
  const auto& ch = CharSettings();
  const int cur_line = Editor().CurLine;
  StatusValues v;
  for (int l = 1; l <= kSheetLines; ++l) {
    const auto i = static_cast<std::size_t>(l);
    const auto& p = s.SheetParams[i];
    for (const std::int32_t x : p)
      if (x >= 1 && x <= 999) v.CheckSum = Add32(v.CheckSum, x);
    if (s.SheetCodes[i] == "M") {
      for (const std::int32_t x : p)
        if (x > 0) ++v.MoveCount;
    } else if (s.SheetCodes[i] == "V" && p[0] == 163) {
      ++v.MoveCount;
    }
    const std::int32_t tvp = LineTvp(l);
    v.TotalTvp = Add32(v.TotalTvp, tvp);
    if (l <= cur_line) v.TvpToCursor = Add32(v.TvpToCursor, tvp);
    v.TotalVp = Add32(v.TotalVp, s.SheetVp[i]);
    v.TotalPp = Add32(v.TotalPp, s.SheetPp[i]);
    v.TotalTu = Add8(v.TotalTu, s.SheetTu[i]);
  }
  v.TotalTvp = Add32(v.TotalTvp, ch.CharTvp);
  v.TotalVp = Add32(v.TotalVp, ch.CharVp);
  v.TotalPp = Add32(v.TotalPp, ch.CharPp);
  v.TotalTu = Add8(v.TotalTu, ch.CharTu);
  v.TvpToCursor = Add32(v.TvpToCursor, ch.CharTvp);
  g_status = v;
}

}  // namespace vorda
