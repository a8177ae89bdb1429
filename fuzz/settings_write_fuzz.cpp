// The beallit.cfg writer on any settings table in memory: any character
// numbers and any values of the fields. A table the file cannot carry is
// refused and leaves the old file; every other one reads back equal and is
// written again byte for byte.
#include <cstdint>
#include <string>

#include "data/accounts_settings.h"
#include "data/char_settings.h"
#include "data/order_sheet.h"
#include "fuzz_support.h"
#include "platform/files.h"
#include "platform/message_box.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorda;
  auto& boxes = fuzz::FreshBoxes();
  fuzz::ClearScratchDir();
  ResetAccounts();
  ResetSheetModel();
  ResetCharSettings();

  fuzz::StateSource in(data, size);
  for (std::uint32_t n = 1 + in.Below(7); n > 0; --n) {
    TSettingsEntry e;
    e.KSZ = in.Bool() ? std::to_string(in.Below(9999)) : in.Text(5);
    e.MOZG = static_cast<std::uint8_t>(in.Number());
    e.FELT = static_cast<std::uint8_t>(in.Number());
    e.TERFOKUSZ = static_cast<std::uint8_t>(in.Number());
    e.TVP = in.Number();
    e.VP = in.Number();
    e.PP = in.Number();
    e.TU = static_cast<std::int8_t>(in.Number());
    AppendSettingsEntry(e);
  }
  const std::string path = fuzz::ScratchDir() + "/beallit.cfg";
  fuzz::WriteScratchFile("beallit.cfg", "old");
  const AccountsState first = Accounts();

  const auto unsaved = SaveAccountsAndSettings(fuzz::ScratchDir());
  if (!SettingsFileRefusal().empty()) {
    FUZZ_CHECK(unsaved.size() == 1 && unsaved[0].file == "beallit.cfg");
    FUZZ_CHECK(ReadWholeFile(path) == "old");
    return 0;
  }
  FUZZ_CHECK(unsaved.empty());
  const auto written = ReadWholeFile(path);
  FUZZ_CHECK(written.has_value());

  ResetAccounts();
  LoadAccountsAndSettings(fuzz::ScratchDir());
  FUZZ_CHECK(boxes.shown.empty());  // nothing read as damaged
  const AccountsState& back = Accounts();
  FUZZ_CHECK(back.SettingsCount == first.SettingsCount);
  for (std::size_t i = 1; i <= first.SettingsCount; ++i) {
    const TSettingsEntry& a = first.SettingsTable[i];
    const TSettingsEntry& b = back.SettingsTable[i];
    // The file keeps a character number right-aligned in its four columns,
    // the one form it is compared in.
    FUZZ_CHECK(b.KSZ == SettingsKey(a.KSZ));
    FUZZ_CHECK(b.MOZG == a.MOZG && b.FELT == a.FELT && b.TERFOKUSZ == a.TERFOKUSZ && b.TVP == a.TVP && b.VP == a.VP &&
               b.PP == a.PP && b.TU == a.TU);
  }
  FUZZ_CHECK(SaveAccountsAndSettings(fuzz::ScratchDir()).empty());
  FUZZ_CHECK(ReadWholeFile(path) == written);
  return 0;
}
