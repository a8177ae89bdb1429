#pragma once
// The current character's settings values, copied from its entry in the
// settings file: what the cost rules and the status line read.
#include <cstdint>

namespace vorda {

struct TCharSettings {
  std::uint8_t CharMozg = 0;       // TVP of one movement step
  std::uint8_t CharFelt = 0;       // TVP of an invention line
  std::uint8_t CharTerfokusz = 0;  // number of teleport foci
  std::int32_t CharTvp = 0;        // resources already used up in the turn
  std::int32_t CharVp = 0;
  std::int32_t CharPp = 0;
  std::int8_t CharTu = 0;
};

TCharSettings& CharSettings();
void ResetCharSettings();

}  // namespace vorda
