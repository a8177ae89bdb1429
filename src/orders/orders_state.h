#pragma once
// What order interpretation keeps between calls: the turn's start coordinates,
// the position the last move replay reached, the EF order's TVP factor, and the
// map window's "return pending at the turn's start" check box, which the map
// window sets here so that the replay never reaches into a window.
#include <cstdint>
#include <string>

namespace vorda {

struct TStartCoords {
  std::int32_t StartX = 0;  // where the character stands when the turn begins
  std::int32_t StartY = 0;
  std::int32_t TeleportX = 0;  // return point of a teleport pending at the turn's start
  std::int32_t TeleportY = 0;
  std::int32_t LoadedTeleportX = 0;  // the teleport pair as read from a sheet file
  std::int32_t LoadedTeleportY = 0;
};

struct TMovePosition {
  bool ReturnPending = false;
  std::int32_t X = 0;
  std::int32_t Y = 0;
  std::int32_t PrevX = 0;
  std::int32_t PrevY = 0;
  std::int32_t TeleX = 0;
  std::int32_t TeleY = 0;
  friend bool operator==(const TMovePosition&, const TMovePosition&) = default;
};

// The texts of the map window's four coordinate fields (start x, start y,
// teleport x, teleport y) as a sheet load leaves them; the map window shows them
// and reads them back into StartCoords.
struct TMapCoordFields {
  std::string Edit1 = "0";
  std::string Edit2 = "0";
  std::string Edit3 = "0";
  std::string Edit4 = "0";
};

struct OrdersState {
  TStartCoords StartCoords;
  TMovePosition MovePosition;
  TMapCoordFields MapFields;
  // The map window's "Teleport (városi teleport, falka)" check box.
  bool TeleportReturnChecked = false;
  // TVP factor of the "EF" order; the editor's "+" key cycles it, loading a
  // sheet sets it, and the cost rules read and write it.
  std::uint8_t EfFactor = 10;
};

OrdersState& Orders();
void ResetOrdersState();

}  // namespace vorda
