// libFuzzer target: the ini-file reader, on any bytes, and the program's
// options read from it. Whatever the file holds, the options written back at
// shut-down read back as the same options, and the profile's own writer keeps
// every value it was given.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "editor/program_state.h"
#include "editor/start_up.h"
#include "fuzz_support.h"
#include "platform/ini_file.h"

namespace {

using namespace vorda;

bool SameOptions(const TOptions& a, const TOptions& b) {
  return a.FormLeft == b.FormLeft && a.FormTop == b.FormTop && a.MapLeft == b.MapLeft && a.MapTop == b.MapTop &&
         a.ShowMap == b.ShowMap && a.NotesLeft == b.NotesLeft && a.NotesTop == b.NotesTop &&
         a.ShowNotes == b.ShowNotes && a.NotesWidth == b.NotesWidth && a.NotesHeight == b.NotesHeight &&
         a.CurrentUL == b.CurrentUL && a.Active == b.Active && a.Description == b.Description &&
         a.Color == b.Color && a.Lexor == b.Lexor && a.Map == b.Map && a.Fordulo == b.Fordulo &&
         a.Replacer == b.Replacer && a.SenderEmail == b.SenderEmail && a.SendCC == b.SendCC && a.SMTP == b.SMTP &&
         a.SMTPPort == b.SMTPPort && a.Username == b.Username && a.Password == b.Password;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ResetProgramState();
  MemoryIniStorage ini;
  ini.bytes = std::string(bytes);
  FUZZ_CHECK(ReadIniAtStart(ini));
  const auto& o = Program().Options;
  FUZZ_CHECK(o.CurrentUL.size() <= 10 && o.SMTP.size() <= 35 && o.SendCC.size() <= 35 &&
             o.SenderEmail.size() <= 35 && o.Lexor.size() <= 255 && o.Password.size() <= 256);

  const TOptions first = o;
  const auto recent = Program().RecentSheets;
  FUZZ_CHECK(ini.Write(OptionsProfile().Serialize()));
  Program().Options = TOptions{};
  FUZZ_CHECK(ReadIniAtStart(ini));
  FUZZ_CHECK(SameOptions(first, Program().Options));
  FUZZ_CHECK(recent == Program().RecentSheets);

  // The profile itself: every value it parsed is written so that it reads back.
  const IniProfile parsed = IniProfile::Parse(bytes);
  constexpr std::string_view kKeys[] = {"Active", "CurrentUL", "Password", "Last1", "k"};
  IniProfile copy;
  for (const auto key : kKeys)
    if (const auto value = parsed.Find("UL Options", key)) copy.WriteString("UL Options", key, *value);
  const IniProfile back = IniProfile::Parse(copy.Serialize());
  for (const auto key : kKeys) FUZZ_CHECK(copy.Find("UL Options", key) == back.Find("UL Options", key));
  return 0;
}
