#include "orders/start_coords.h"

#include <charconv>
#include <string>

#include "orders/orders_state.h"

namespace vorda {

std::optional<std::int32_t> CoordFieldValue(std::string_view text) {
  if (text.empty()) return 0;
  if (text.front() == '+') {
    text.remove_prefix(1);
    if (text.empty() || text.front() == '-') return std::nullopt;
  }
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool SetTeleportChecked(bool checked) {
  auto& orders = Orders();
  if (orders.TeleportReturnChecked == checked) return false;
  orders.TeleportReturnChecked = checked;
  auto& c = orders.StartCoords;
  auto& f = orders.MapFields;
  if (checked) {
    if (const auto x = CoordFieldValue(f.Edit3)) c.TeleportX = *x;
    if (const auto y = CoordFieldValue(f.Edit4)) c.TeleportY = *y;
    if (c.LoadedTeleportX != 0 || c.LoadedTeleportY != 0) {
      c.TeleportX = c.LoadedTeleportX;
      c.LoadedTeleportX = 0;
      f.Edit3 = std::to_string(c.TeleportX);
      c.TeleportY = c.LoadedTeleportY;
      c.LoadedTeleportY = 0;
      f.Edit4 = std::to_string(c.TeleportY);
    }
  } else {
    f.Edit3 = "0";
    f.Edit4 = "0";
    c.TeleportX = 0;
    c.TeleportY = 0;
  }
  return true;
}

}  // namespace vorda
