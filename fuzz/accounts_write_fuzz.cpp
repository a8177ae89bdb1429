// The SZAMLAK.CFG writer on any account table in memory: any character and
// account numbers, passwords, addresses and flags. A table the file cannot
// carry is refused and leaves the old file; every other one reads back equal
// (an account that holds nothing is none, and the settings flag is always
// stored off), and is written again byte for byte.
#include <cstdint>
#include <filesystem>
#include <string>

#include "data/accounts_settings.h"
#include "data/char_settings.h"
#include "data/order_sheet.h"
#include "fuzz_support.h"
#include "platform/files.h"
#include "platform/message_box.h"

namespace {

using namespace vorda;

bool Empty(const TAccountRecord& r) {
  for (int f = 0; f < BEALL; ++f)
    if (r.Flags[static_cast<std::size_t>(f)]) return false;
  return r.KSZ.empty() && r.SZLA.empty() && r.KOD.empty() && r.EMAIL.empty();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshBoxes();
  fuzz::ClearScratchDir();
  ResetAccounts();
  ResetSheetModel();
  ResetCharSettings();

  fuzz::StateSource in(data, size);
  for (std::uint32_t n = in.Below(6); n > 0; --n) {
    TAccountRecord r;
    r.KSZ = in.Bool() ? std::to_string(in.Below(9999)) : in.Text(5);
    r.SZLA = in.Bool() ? std::to_string(in.Below(99999)) : in.Text(6);
    r.KOD = in.Text(20);
    r.EMAIL = in.Bool() ? std::string() : in.Text(37);
    for (auto&& flag : r.Flags) flag = in.Bool();
    AppendAccount(r);
  }
  const std::string old_file = "régi";
  const std::string path = fuzz::ScratchDir() + "/SZAMLAK.CFG";
  fuzz::WriteScratchFile("SZAMLAK.CFG", old_file);
  const AccountsState first = Accounts();

  const auto unsaved = SaveAccountsAndSettings(fuzz::ScratchDir());
  if (!AccountFileRefusal().empty()) {
    FUZZ_CHECK(unsaved.size() == 1 && unsaved[0].file == "SZAMLAK.CFG");
    FUZZ_CHECK(ReadWholeFile(path) == old_file);
    return 0;
  }
  FUZZ_CHECK(unsaved.empty());
  const auto written = ReadWholeFile(path);
  FUZZ_CHECK(written.has_value());
  if (first.AccountCount == 0) {
    FUZZ_CHECK(written == old_file);  // an empty table leaves its file
    return 0;
  }

  ResetAccounts();
  LoadAccountsAndSettings(fuzz::ScratchDir());
  const AccountsState& back = Accounts();
  int k = 0;
  for (int i = 1; i <= first.AccountCount; ++i) {
    const TAccountRecord& r = first.AccountTable[static_cast<std::size_t>(i)];
    if (Empty(r)) continue;
    ++k;
    FUZZ_CHECK(k <= back.AccountCount);
    const TAccountRecord& b = back.AccountTable[static_cast<std::size_t>(k)];
    FUZZ_CHECK(b.KSZ == r.KSZ && b.SZLA == r.SZLA && b.KOD == r.KOD && b.EMAIL == r.EMAIL);
    for (int f = 0; f < BEALL; ++f) FUZZ_CHECK(b.Flags[static_cast<std::size_t>(f)] == r.Flags[static_cast<std::size_t>(f)]);
    FUZZ_CHECK(!b.Flags[BEALL]);
  }
  FUZZ_CHECK(k == back.AccountCount);

  // Written again from what was read: the same bytes (the settings flag is
  // stored off either way), unless empty accounts were dropped on the way.
  if (k == first.AccountCount) {
    FUZZ_CHECK(SaveAccountsAndSettings(fuzz::ScratchDir()).empty());
    FUZZ_CHECK(ReadWholeFile(path) == written);
  }
  return 0;
}
