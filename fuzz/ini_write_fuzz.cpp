// The ini writer on any options in memory: any numbers, any texts of any
// length, any recent sheets. Options the file cannot carry are refused; all
// others read back equal (the sheet's name is kept to its ten characters, as
// it is written) and are written again byte for byte.
#include <cstdint>
#include <string>

#include "editor/program_state.h"
#include "editor/start_up.h"
#include "fuzz_support.h"
#include "platform/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorda;
  ResetProgramState();
  fuzz::StateSource in(data, size);
  auto& o = Program().Options;
  for (std::int32_t* n : {&o.FormLeft, &o.FormTop, &o.MapLeft, &o.MapTop, &o.NotesLeft, &o.NotesTop, &o.NotesWidth,
                          &o.NotesHeight, &o.Active, &o.Description, &o.Color, &o.Replacer, &o.SMTPPort})
    *n = in.Number();
  o.ShowMap = in.Bool();
  o.ShowNotes = in.Bool();
  const auto text = [&in](std::size_t longest) { return in.Bool() ? in.Text(12) : in.Text(longest); };
  o.CurrentUL = text(14);
  o.Lexor = text(260);
  o.Map = text(260);
  o.Fordulo = text(260);
  o.SenderEmail = text(37);
  o.SendCC = text(37);
  o.SMTP = text(37);
  o.Username = text(260);
  o.Password = text(260);
  auto& recent = Program().RecentSheets;
  for (std::size_t i = 1; i <= 10; ++i) recent[i] = in.Bool() ? std::string() : text(260);

  if (!OptionsRefusal().empty()) return 0;
  const TOptions first = o;
  const auto first_recent = recent;
  MemoryIniStorage ini;
  FUZZ_CHECK(ini.Write(OptionsProfile().Serialize()));
  const std::string written = *ini.bytes;

  ResetProgramState();
  FUZZ_CHECK(ReadIniAtStart(ini));
  const TOptions& b = Program().Options;
  FUZZ_CHECK(b.FormLeft == first.FormLeft && b.FormTop == first.FormTop && b.MapLeft == first.MapLeft &&
             b.MapTop == first.MapTop && b.ShowMap == first.ShowMap && b.NotesLeft == first.NotesLeft &&
             b.NotesTop == first.NotesTop && b.ShowNotes == first.ShowNotes && b.NotesWidth == first.NotesWidth &&
             b.NotesHeight == first.NotesHeight && b.Active == first.Active && b.Description == first.Description &&
             b.Color == first.Color && b.Replacer == first.Replacer && b.SMTPPort == first.SMTPPort);
  FUZZ_CHECK(b.CurrentUL == first.CurrentUL.substr(0, 10));
  FUZZ_CHECK(b.Lexor == first.Lexor && b.Map == first.Map && b.Fordulo == first.Fordulo);
  FUZZ_CHECK(b.SenderEmail == first.SenderEmail && b.SendCC == first.SendCC && b.SMTP == first.SMTP);
  FUZZ_CHECK(b.Username == first.Username && b.Password == first.Password);
  FUZZ_CHECK(Program().RecentSheets == first_recent);

  FUZZ_CHECK(OptionsRefusal().empty());
  FUZZ_CHECK(ini.Write(OptionsProfile().Serialize()));
  FUZZ_CHECK(*ini.bytes == written);
  return 0;
}
