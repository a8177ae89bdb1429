#include "data/order_sheet.h"

#include <memory>

namespace vorda {

namespace {
std::unique_ptr<SheetState> g_sheet = std::make_unique<SheetState>();
}

SheetState& SheetModel() { return *g_sheet; }

void ResetSheetModel() { g_sheet = std::make_unique<SheetState>(); }

void ClearSheetLine(int line) {
  auto& s = SheetModel().Lines;
  const auto i = static_cast<std::size_t>(line);
  s.SheetCodes[i].clear();
  s.SheetParams[i] = {0, 0, 0};
  s.SheetTexts[i].clear();
  s.SheetTvp[i] = 0;
  s.SheetTvpManual[i] = 0;
  s.SheetVp[i] = 0;
  s.SheetPp[i] = 0;
  s.SheetTu[i] = 0;
}

void ClearSheetLines() {
  for (int l = 1; l <= kSheetLines; ++l) ClearSheetLine(l);
}

bool LoadCurParams(int line) {
  if (line < 1 || line > kSheetLines) return false;
  auto& s = SheetModel();
  const auto& p = s.Lines.SheetParams[static_cast<std::size_t>(line)];
  s.CurParam1 = p[0];
  s.CurParam2 = p[1];
  s.CurParam3 = p[2];
  return true;
}

std::int32_t LineTvp(int line) {
  const auto& s = SheetModel().Lines;
  const auto i = static_cast<std::size_t>(line);
  // Wrapped like the 32-bit sum it is, never undefined.
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(s.SheetTvp[i]) +
                                   static_cast<std::uint32_t>(s.SheetTvpManual[i]));
}

}  // namespace vorda
