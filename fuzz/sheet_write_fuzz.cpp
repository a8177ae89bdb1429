// The ".UL" writer on any sheet in memory: any codes, parameters, TVPs and
// manual TVPs, any character number and turn, any coordinates. A sheet the
// form cannot carry is refused before anything is written and stays as it
// was; every other sheet is written in the 20- or 40-line form, loads again
// with what the form carries equal, and is written again byte for byte.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

#include "data/accounts_settings.h"
#include "data/char_settings.h"
#include "data/order_sheet.h"
#include "data/text.h"
#include "editor/editor_state.h"
#include "editor/program_state.h"
#include "editor/sheet_files.h"
#include "fuzz_support.h"
#include "orders/orders_state.h"
#include "platform/files.h"
#include "platform/message_box.h"

namespace {

using namespace vorda;

std::string TrimRight(std::string s) {
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

// What the form gives back of a parameter: "-" marks the empty field, and only
// P3 keeps a one-digit negative value.
std::int32_t AsCarried(std::int32_t p, std::size_t k) {
  if (p >= 0) return p;
  return k == 2 && p >= -9 ? p : 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto& boxes = fuzz::FreshBoxes();
  fuzz::ClearScratchDir();
  fuzz::ResetSheetStates();

  fuzz::StateSource in(data, size);
  auto& sheet = SheetModel();
  auto& h = sheet.Header;
  h.KSZ = in.Bool() ? std::to_string(in.Below(9999)) : in.Text(5);
  h.FORD = in.Bool() ? std::to_string(in.Below(99999)) : in.Text(5);
  h.SendFlags[BEALL] = in.Bool();
  sheet.Sheet40Lines = in.Bool();
  for (std::uint32_t n = in.Below(40); n > 0; --n) {
    const std::size_t i = 1 + in.Below(kSheetLines - 1);
    sheet.Lines.SheetCodes[i] = in.Bool() ? std::string(in.Bool() ? "M" : "VE") : in.Text(5);
    for (auto& p : sheet.Lines.SheetParams[i]) p = in.Number();
    sheet.Lines.SheetTvp[i] = in.Number();
    sheet.Lines.SheetTvpManual[i] = in.Bool() ? static_cast<std::int32_t>(in.Below(1998)) - 999 : in.Number();
    sheet.Lines.SheetVp[i] = in.Number();
    sheet.Lines.SheetPp[i] = in.Number();
    sheet.Lines.SheetTu[i] = static_cast<std::int8_t>(in.Number());
  }
  auto& c = Orders().StartCoords;
  c.StartX = in.Number();
  c.StartY = in.Number();
  c.TeleportX = in.Number();
  c.TeleportY = in.Number();
  auto& ch = CharSettings();
  ch.CharTvp = in.Number();
  ch.CharVp = in.Number();
  ch.CharPp = in.Number();
  ch.CharTu = static_cast<std::int8_t>(in.Number());
  Editor().SheetModified = true;
  const SheetState before = sheet;
  const TCharSettings ch_before = ch;

  if (!WriteSheetForm(fuzz::ScratchDir())) {
    // Refused: said once, nothing written, the sheet as it was.
    FUZZ_CHECK(!SheetFormRefusal().empty());
    FUZZ_CHECK(boxes.shown.size() == 1);
    FUZZ_CHECK(Editor().SheetModified);
    FUZZ_CHECK(sheet.Lines.SheetCodes == before.Lines.SheetCodes && sheet.Lines.SheetParams == before.Lines.SheetParams);
    FUZZ_CHECK(sheet.Header.KSZ == before.Header.KSZ && sheet.Header.FORD == before.Header.FORD);
    FUZZ_CHECK(std::filesystem::is_empty(fuzz::ScratchDir()));
    return 0;
  }
  FUZZ_CHECK(boxes.shown.empty());
  FUZZ_CHECK(!Editor().SheetModified);
  const SheetState written_state = sheet;  // as the writer put the header
  const std::string name = SheetFileName(written_state.Header);
  const auto written = ReadWholeFile(fuzz::ScratchDir() + "/" + name);
  FUZZ_CHECK(written.has_value());

  ResetSheetModel();
  ResetOrdersState();
  FUZZ_CHECK(LoadSheet(fuzz::ScratchDir(), name));
  FUZZ_CHECK(boxes.shown.empty());
  const auto& back = SheetModel();
  FUZZ_CHECK(back.Sheet40Lines == written_state.Sheet40Lines);
  FUZZ_CHECK(back.Header.KSZ == written_state.Header.KSZ && back.Header.FORD == written_state.Header.FORD);
  FUZZ_CHECK(back.Header.SendFlags[BEALL] == before.Header.SendFlags[BEALL]);
  const std::size_t lines = back.Sheet40Lines ? 40 : 20;
  for (std::size_t i = 1; i <= kSheetLines; ++i) {
    if (i > lines) {
      FUZZ_CHECK(back.Lines.SheetCodes[i].empty() && back.Lines.SheetParams[i] == (std::array<std::int32_t, 3>{}));
      continue;
    }
    const std::string& code = before.Lines.SheetCodes[i];
    FUZZ_CHECK(TrimRight(back.Lines.SheetCodes[i]) == (code.find('-') != std::string::npos ? "" : TrimRight(code)));
    for (std::size_t k = 0; k < 3; ++k)
      FUZZ_CHECK(back.Lines.SheetParams[i][k] == AsCarried(before.Lines.SheetParams[i][k], k));
    FUZZ_CHECK(back.Lines.SheetTvp[i] == before.Lines.SheetTvp[i]);
    FUZZ_CHECK(back.Lines.SheetTvpManual[i] == before.Lines.SheetTvpManual[i]);
  }
  // A coordinate pair is written when both of it are set.
  const auto& cb = Orders().StartCoords;
  const bool start = c.StartX != 0 && c.StartY != 0;
  const bool teleport = c.TeleportX != 0 && c.TeleportY != 0;
  FUZZ_CHECK(cb.StartX == (start ? c.StartX : 0) && cb.StartY == (start ? c.StartY : 0));
  FUZZ_CHECK(cb.TeleportX == (teleport ? c.TeleportX : 0) && cb.TeleportY == (teleport ? c.TeleportY : 0));

  // Written again from what was read (with the resources and character
  // values the form shows but the reader leaves): the same bytes, unless the
  // form's own marks changed a value ("-" for an empty field); and from then
  // on always the same bytes.
  bool projected = false;
  for (std::size_t i = 1; i <= lines; ++i) {
    const auto& p = before.Lines.SheetParams[i];
    projected = projected || p[0] < 0 || p[1] < 0 || p[2] < -9 ||
                before.Lines.SheetCodes[i].find('-') != std::string::npos;
  }
  const auto write_back = [&before, &ch_before, &name] {
    auto& s = SheetModel();
    const std::size_t lines = s.Sheet40Lines ? 40 : 20;
    for (std::size_t i = 1; i <= kSheetLines; ++i) {
      s.Lines.SheetVp[i] = before.Lines.SheetVp[i];
      s.Lines.SheetPp[i] = before.Lines.SheetPp[i];
      s.Lines.SheetTu[i] = before.Lines.SheetTu[i];
      // The footer totals every line, also those a 20-line file leaves out.
      if (i > lines) {
        s.Lines.SheetParams[i] = before.Lines.SheetParams[i];
        s.Lines.SheetTvp[i] = before.Lines.SheetTvp[i];
        s.Lines.SheetTvpManual[i] = before.Lines.SheetTvpManual[i];
      }
    }
    CharSettings() = ch_before;
    FUZZ_CHECK(WriteSheetForm(fuzz::ScratchDir()));
    return ReadWholeFile(fuzz::ScratchDir() + "/" + name);
  };
  const auto second = write_back();
  if (!projected) FUZZ_CHECK(second == written);
  FUZZ_CHECK(LoadSheet(fuzz::ScratchDir(), name));
  FUZZ_CHECK(write_back() == second);
  return 0;
}
