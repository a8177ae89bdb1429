#pragma once
// The map window's controls as rules: the four coordinate fields (start x, start
// y, teleport x, teleport y), the teleport check box, the selection of a square
// and what the window's activation does to the editor.
//
// The fields' texts live in Orders().MapFields and the box in
// Orders().TeleportReturnChecked, so that loading a sheet and the move replay
// see them without a window; the window shows this state and reports its
// user's edits here.
#include <cstdint>
#include <string>
#include <string_view>

#include "orders/start_coords.h"

namespace vorda {

enum class MapField { Edit1 = 1, Edit2, Edit3, Edit4 };

// Where the keyboard focus goes after a key in a field.
enum class MapFocus { Stay, Edit2, Edit4, Grid };

// Each field holds at most three characters: coordinates 0..999.
inline constexpr int kMapFieldLength = 3;

// The key filter of a typed character: Backspace, Tab and the digits pass
// (`key` unchanged); Enter is dropped and moves the focus (Edit1 to Edit2, Edit3
// to Edit4, Edit2 and Edit4 to the grid); every other character, minus signs
// and letters included, is dropped. A dropped key becomes 0.
MapFocus MapFieldKeyPress(MapField field, char& key);

// The field's text as its user left it: the text is kept, and its value
// (empty counts 0) goes into StartX, StartY, TeleportX or TeleportY. A text that
// is not a number (pasted) keeps the stored value; false then.
bool StoreMapField(MapField field, std::string_view text);

// The field's text as the window shows it.
const std::string& MapFieldText(MapField field);
// The teleport fields are editable only while the box is checked.
bool TeleportFieldsEnabled();

// The teleport check box (SetTeleportChecked) is the rule of
// orders/start_coords.h, which the sheet loader sets too.

// The window becomes active: the editor takes no keys while it is. The view is
// refreshed first by the window.
void MapWindowActivated();
// Another window becomes active: the centre square is selected again (column,
// then row, each a change of selection) and the editor takes keys again. The
// window repaints its grid.
void MapWindowDeactivated();

}  // namespace vorda
