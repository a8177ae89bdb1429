#pragma once
// The player's accounts (SZAMLAK.CFG) and the per-character settings that the
// cost rules need (beallit.cfg), both kept in the program's folder: read once at
// the first activation, appended to while the program runs, written back whole
// at shut-down.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/order_sheet.h"
#include "platform/files.h"

namespace vorda {

inline constexpr int kAccountCapacity = 100;
inline constexpr int kSettingsCapacity = 100;

struct TAccountRecord {
  std::string KSZ;   // character number, at most 4
  std::string SZLA;  // account number, at most 5
  std::string KOD;   // order password, at most 18 (its first 8 are the sheet's PSW)
  // The default send options ELV, UL, JL, EXT, LSZ, B64, B64P, UU, UUP, POSTA,
  // BEALL: one to one the sheet header's SendFlags, indexed the same way.
  std::array<bool, kSendFlagCount> Flags{};
  std::string EMAIL;  // at most 35; may be empty
};

struct TSettingsEntry {
  std::string KSZ;               // character number, at most 4
  std::uint8_t MOZG = 0;         // TVP of one movement step
  std::uint8_t FELT = 0;         // TVP of an invention order
  std::uint8_t TERFOKUSZ = 0;    // number of teleport foci
  std::int32_t TVP = 0;          // resources already used up in the turn
  std::int32_t VP = 0;
  std::int32_t PP = 0;
  std::int8_t TU = 0;
};

struct AccountsState {
  // 1-based; index 0 is never used.
  std::array<TAccountRecord, kAccountCapacity + 1> AccountTable;
  std::int32_t AccountCount = 0;
  std::array<TSettingsEntry, kSettingsCapacity + 1> SettingsTable;
  std::uint8_t SettingsCount = 0;
};

AccountsState& Accounts();
void ResetAccounts();

// Reads `dir`/SZAMLAK.CFG, resets the sheet header's KSZ, SZLA, FORD, PREKAR,
// PREFORD, the character's values and every line's manual TVP, then reads
// `dir`/beallit.cfg. A missing file leaves its table empty, silently. A damaged
// record is dropped and reading goes on; records beyond the 100 slots are
// refused; both are reported with a message. (The editor's own defaults that go
// with this reset are the editor's to set.)
void LoadAccountsAndSettings(const std::string& dir);

// Why the account table, or the settings table, cannot be written so that it
// reads back the same (a value longer than its field, a line break in a
// value); empty when it can.
std::string AccountFileRefusal();
std::string SettingsFileRefusal();

// Writes SZAMLAK.CFG when there is an account and beallit.cfg when there is a
// settings entry; a file whose table is empty is left untouched. A table that
// its file cannot carry is not written at all; each file is replaced in one
// step, so a failed write keeps the old one. SZAMLAK.CFG holds the passwords
// and is readable by its owner only. Nothing is shown: the files not written
// come back with why.
std::vector<UnsavedFile> SaveAccountsAndSettings(const std::string& dir);

// A character number in the one form that beallit.cfg keeps and that settings
// entries are compared in: at most four characters, right-aligned with blanks
// (the file's first column). Reading, writing and looking up all use it, so a
// number never comes back in another form that would match no entry.
std::string SettingsKey(std::string_view ksz);
// The sheet header's character number as a sheet file gives it: its
// SettingsKey, and "0000" (the no-character sheet) when it holds no character.
std::string CharacterNumber(std::string_view ksz);

// Index of the last account whose KSZ is `code` (exact), 0 if none.
std::uint8_t FindAccount(std::string_view code);
// Index of the last settings entry of the sheet header's KSZ (both taken as
// their SettingsKey), 0 if none.
std::uint8_t FindSheetSettings();

// Appends to the end of a table and gives the new index; a full table takes
// nothing, shows why and gives 0.
std::uint8_t AppendAccount(const TAccountRecord& record);
std::uint8_t AppendSettingsEntry(const TSettingsEntry& entry);

}  // namespace vorda
