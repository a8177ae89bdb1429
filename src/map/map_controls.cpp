#include "map/map_controls.h"

#include <charconv>
#include <optional>

#include "editor/editor_state.h"
#include "map/map_view.h"
#include "orders/orders_state.h"

namespace vorda {

namespace {

constexpr char kBackspace = 8;
constexpr char kTab = 9;
constexpr char kEnter = 13;

std::string& FieldText(MapField field) {
  auto& f = Orders().MapFields;
  switch (field) {
    case MapField::Edit1: return f.Edit1;
    case MapField::Edit2: return f.Edit2;
    case MapField::Edit3: return f.Edit3;
    case MapField::Edit4: return f.Edit4;
  }
  return f.Edit1;
}

std::int32_t& FieldValue(MapField field) {
  auto& c = Orders().StartCoords;
  switch (field) {
    case MapField::Edit1: return c.StartX;
    case MapField::Edit2: return c.StartY;
    case MapField::Edit3: return c.TeleportX;
    case MapField::Edit4: return c.TeleportY;
  }
  return c.StartX;
}

// The value of a field's text: empty counts 0; only decimal digits make a
// number (the key filter lets no other character in, a paste may).
std::optional<std::int32_t> FieldNumber(std::string_view text) {
  if (text.empty()) return 0;
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size() || text.front() == '-') return std::nullopt;
  return value;
}

}  // namespace

MapFocus MapFieldKeyPress(MapField field, char& key) {
  if (key == kBackspace || key == kTab || (key >= '0' && key <= '9')) return MapFocus::Stay;
  const bool enter = key == kEnter;
  key = 0;
  if (!enter) return MapFocus::Stay;
  switch (field) {
    case MapField::Edit1: return MapFocus::Edit2;
    case MapField::Edit3: return MapFocus::Edit4;
    case MapField::Edit2:
    case MapField::Edit4: return MapFocus::Grid;
  }
  return MapFocus::Stay;
}

bool StoreMapField(MapField field, std::string_view text) {
  FieldText(field) = std::string(text);
  const std::optional<std::int32_t> value = FieldNumber(text);
  if (!value) return false;
  FieldValue(field) = *value;
  return true;
}

const std::string& MapFieldText(MapField field) { return FieldText(field); }

bool TeleportFieldsEnabled() { return Orders().TeleportReturnChecked; }

bool SetTeleportChecked(bool checked) {
  auto& orders = Orders();
  if (orders.TeleportReturnChecked == checked) return false;
  orders.TeleportReturnChecked = checked;
  auto& c = orders.StartCoords;
  auto& f = orders.MapFields;
  if (checked) {
    if (const auto x = FieldNumber(f.Edit3)) c.TeleportX = *x;
    if (const auto y = FieldNumber(f.Edit4)) c.TeleportY = *y;
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

void MapWindowActivated() { Editor().EditorReady = false; }

void MapWindowDeactivated() {
  SelectMapSquare(kMapViewCentre, MapView().Row);
  SelectMapSquare(kMapViewCentre, kMapViewCentre);
  Editor().EditorReady = true;
}

}  // namespace vorda
