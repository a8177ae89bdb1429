#pragma once
// Qt key events as Windows virtual-key codes with shift states, the form the
// editor's handlers take them in.
//
// - The numeric keypad's digits and "*", "+", "-", "/" get codes of their own
//   (96..105, 106, 107, 109, 111); the keypad is no shift state.
// - Letters and digits follow the active layout, so that "M" is typed where the
//   keyboard shows an M.
// - The other keys of the main block (the Hungarian keyboard's é, ó, ü, ö, ő, ű,
//   ú, á, í and its punctuation) are matched by their physical position, so that
//   they give the Hungarian keyboard's codes whichever layout is active.
#include <QKeyEvent>
#include <cstdint>

#include "platform/virtual_keys.h"

namespace vorda {

struct VirtualKey {
  std::uint16_t code = 0;  // 0: no Windows key fits
  ShiftState shift = shift::None;
  friend bool operator==(const VirtualKey&, const VirtualKey&) = default;
};

// `physical_codes`: the event's native scan codes are XKB key codes (X11 and
// Wayland), by which a key's position is known. Without them (the offscreen
// platform, synthetic events) the key's character decides.
VirtualKey TranslateKeyEvent(const QKeyEvent& event, bool physical_codes);

// True on the platforms whose native scan codes are XKB key codes.
bool PlatformHasPhysicalKeyCodes();

// The shift states of the keyboard modifiers and the mouse buttons held.
ShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

}  // namespace vorda
