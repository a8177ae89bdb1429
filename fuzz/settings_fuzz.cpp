// SZAMLAK.CFG and beallit.cfg read from any bytes. Input: the two files,
// separated by the byte 1Eh. What was read, saved and read again must be what
// was read the first time (the BEALL flag aside, which is always saved off).
#include <cstdint>
#include <string>

#include "data/accounts_settings.h"
#include "data/char_settings.h"
#include "data/order_sheet.h"
#include "fuzz_support.h"
#include "platform/message_box.h"

namespace {

using namespace vorda;

bool SameAccount(const TAccountRecord& a, const TAccountRecord& b) {
  for (int f = 0; f < BEALL; ++f)
    if (a.Flags[static_cast<std::size_t>(f)] != b.Flags[static_cast<std::size_t>(f)]) return false;
  return a.KSZ == b.KSZ && a.SZLA == b.SZLA && a.KOD == b.KOD && a.EMAIL == b.EMAIL;
}

bool SameEntry(const TSettingsEntry& a, const TSettingsEntry& b) {
  return a.KSZ == b.KSZ && a.MOZG == b.MOZG && a.FELT == b.FELT && a.TERFOKUSZ == b.TERFOKUSZ && a.TVP == b.TVP &&
         a.VP == b.VP && a.PP == b.PP && a.TU == b.TU;
}

// An account that keeps nothing once its BEALL flag is saved off.
bool EmptyWithoutBeall(const TAccountRecord& r) {
  for (int f = 0; f < BEALL; ++f)
    if (r.Flags[static_cast<std::size_t>(f)]) return false;
  return r.KSZ.empty() && r.SZLA.empty() && r.KOD.empty() && r.EMAIL.empty();
}

void CheckFields() {
  const AccountsState& st = Accounts();
  FUZZ_CHECK(st.AccountCount >= 0 && st.AccountCount <= kAccountCapacity);
  FUZZ_CHECK(st.SettingsCount <= kSettingsCapacity);
  for (int i = 1; i <= st.AccountCount; ++i) {
    const TAccountRecord& r = st.AccountTable[static_cast<std::size_t>(i)];
    FUZZ_CHECK(r.KSZ.size() <= 4 && r.SZLA.size() <= 5 && r.KOD.size() <= 18 && r.EMAIL.size() <= 35);
  }
  for (int i = 1; i <= st.SettingsCount; ++i)
    FUZZ_CHECK(st.SettingsTable[static_cast<std::size_t>(i)].KSZ.size() == 4);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshBoxes();
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto parts = fuzz::SplitParts(input, 2);
  fuzz::ClearScratchDir();
  fuzz::WriteScratchFile("SZAMLAK.CFG", parts[0]);
  fuzz::WriteScratchFile("beallit.cfg", parts[1]);

  ResetAccounts();
  ResetSheetModel();
  ResetCharSettings();
  LoadAccountsAndSettings(fuzz::ScratchDir());
  CheckFields();
  const AccountsState first = Accounts();
  FUZZ_CHECK(SaveAccountsAndSettings(fuzz::ScratchDir()).empty());

  ResetAccounts();
  LoadAccountsAndSettings(fuzz::ScratchDir());
  CheckFields();
  const AccountsState& again = Accounts();

  // Accounts that only had BEALL on come back as nothing and are dropped.
  int k = 0;
  for (int i = 1; i <= first.AccountCount; ++i) {
    const TAccountRecord& r = first.AccountTable[static_cast<std::size_t>(i)];
    if (EmptyWithoutBeall(r)) continue;
    ++k;
    FUZZ_CHECK(k <= again.AccountCount);
    FUZZ_CHECK(SameAccount(r, again.AccountTable[static_cast<std::size_t>(k)]));
    FUZZ_CHECK(!again.AccountTable[static_cast<std::size_t>(k)].Flags[BEALL]);
  }
  // (An empty table leaves its file as it was, which reads the same again.)
  FUZZ_CHECK(k == again.AccountCount);

  FUZZ_CHECK(again.SettingsCount == first.SettingsCount);
  for (int i = 1; i <= first.SettingsCount; ++i)
    FUZZ_CHECK(
        SameEntry(first.SettingsTable[static_cast<std::size_t>(i)], again.SettingsTable[static_cast<std::size_t>(i)]));
  return 0;
}
