// libFuzzer target: the ini-file reader, on any bytes. It reads the program's keys
// from what it parsed and checks that what the writer makes of them reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const vorda::IniProfile profile = vorda::IniProfile::Parse(bytes);

  constexpr std::string_view kSections[] = {"UL Options", "UL Send Options", "Fordulok", "s"};
  constexpr std::string_view kKeys[] = {"Active", "CurrentUL", "Password", "Last1", "k"};
  vorda::IniProfile copy;
  for (const auto section : kSections)
    for (const auto key : kKeys) {
      (void)profile.ReadInteger(section, key, 10);
      if (const auto value = profile.Find(section, key)) copy.WriteString(section, key, *value);
    }

  const vorda::IniProfile back = vorda::IniProfile::Parse(copy.Serialize());
  for (const auto section : kSections)
    for (const auto key : kKeys)
      if (copy.Find(section, key) != back.Find(section, key)) std::abort();
  return 0;
}
