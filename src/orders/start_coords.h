#pragma once
// The turn's start coordinates as the map window's fields and teleport check box
// hold them (Orders().StartCoords, MapFields, TeleportReturnChecked). The sheet
// loader and the map window both set the box, so its rule lives here, once.
#include <cstdint>
#include <optional>
#include <string_view>

namespace vorda {

// The value of a coordinate field's text: empty counts 0, otherwise a decimal
// number with an optional sign. A text that is not a number (only a paste can
// put one into a field) has no value: the stored coordinate then stays.
std::optional<std::int32_t> CoordFieldValue(std::string_view text);

// The teleport check box set by the user or by code: only a real change does
// what its click does. Checked: the teleport fields' values become the return
// point (a field that holds no number leaves its coordinate as it was), and a
// teleport pair loaded with a sheet takes over once, fields included.
// Unchecked: both fields show "0" and the return point is cleared. False when
// the box already stood so and nothing changed.
bool SetTeleportChecked(bool checked);

}  // namespace vorda
