#include "map/map_controls.h"

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
  const std::optional<std::int32_t> value = CoordFieldValue(text);
  if (!value) return false;
  FieldValue(field) = *value;
  return true;
}

const std::string& MapFieldText(MapField field) { return FieldText(field); }

bool TeleportFieldsEnabled() { return Orders().TeleportReturnChecked; }

void MapWindowActivated() { Editor().EditorReady = false; }

void MapWindowDeactivated() {
  SelectMapSquare(kMapViewCentre, MapView().Row);
  SelectMapSquare(kMapViewCentre, kMapViewCentre);
  Editor().EditorReady = true;
}

}  // namespace vorda
