#include "map/map_view.h"

#include "editor/editor_state.h"
#include "orders/move_replay.h"
#include "orders/orders_state.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

MapViewState g_view;

// Terrain 6 is the ground on which a pending teleport return stays pending; its
// selected square is framed white so that it stands out, every other one red.
constexpr int kReturnGround = 6;
constexpr Color kFrameOnReturnGround = colors::White;
constexpr Color kFrameElsewhere = colors::Red;

// Where the unknown mark and the shown features sit inside a square.
constexpr int kUnknownMarkOffset = 11;
constexpr int kIconLeft = 3;
constexpr int kIconTop = 4;
constexpr int kIconPitch = 17;

const MapCell& SelectedCell() {
  return g_view.MapWindow[static_cast<std::size_t>(g_view.Col)][static_cast<std::size_t>(g_view.Row)];
}

}  // namespace

MapViewState& MapView() { return g_view; }

void ResetMapView() { g_view = MapViewState{}; }

bool RefreshMapView(bool force) {
  const std::uint16_t cursor = Editor().CursorCell;
  TraceMoves(cursor / 10, cursor % 10);
  const TMovePosition& p = Orders().MovePosition;
  if (!force && p.X == p.PrevX && p.Y == p.PrevY) return false;

  for (int i = 0; i < kMapViewSize; ++i) {
    for (int j = 0; j < kMapViewSize; ++j) {
      // In 64 bits: a position near the 32-bit limits must not wrap into the map.
      const std::int64_t x = std::int64_t{p.X} - kMapViewCentre + i;
      const std::int64_t y = std::int64_t{p.Y} - kMapViewCentre + j;
      const bool inside = x >= 0 && x < kMapWidth && y >= 0 && y < kMapHeight;
      const MapCell* cell = inside ? MapCellAt(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)) : nullptr;
      g_view.MapWindow[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = cell ? *cell : g_view.EmptyMapCell;
    }
  }
  RefreshMapLabels();
  FillFeatureSlots();
  return true;
}

void RefreshMapLabels() {
  const TMovePosition& p = Orders().MovePosition;
  for (int i = 0; i < kMapViewSize; ++i) {
    g_view.FK[static_cast<std::size_t>(i)] = std::to_string(std::int64_t{p.X} - kMapViewCentre + i);
    g_view.BK[static_cast<std::size_t>(i)] = std::to_string(std::int64_t{p.Y} - kMapViewCentre + i);
  }
}

void FillFeatureSlots() {
  const MapCell& cell = SelectedCell();
  for (int slot = 1; slot <= kFeatureSlotCount; ++slot) {
    const MapFeature& f = cell.Features[static_cast<std::size_t>(slot - 1)];
    SetFeatureSlot(slot, f.Kind, f.Number);
  }
}

void SetFeatureSlot(int slot, int kind, std::uint16_t number) {
  if (slot < 1 || slot > kFeatureSlotCount) return;
  TFeatureSlot& s = g_view.Slots[static_cast<std::size_t>(slot)];
  s.Name = GetFeatureName(kind, number);
  // A kind without an icon starts from the empty slot's picture, so that no
  // earlier feature's icon or digits stay under its number.
  s.Picture = kind >= 0 && kind < kFeatureIcons ? kind : 0;
  s.Numbered = kind >= 1;
  s.Number = s.Numbered ? number : 0;
  s.FrameVisible = kind >= 1;
}

std::string GetFeatureName(int kind, std::uint16_t number) { return FeatureName(kind, number); }

bool SelectMapSquare(int col, int row) {
  if (col < 0 || col >= kMapViewSize || row < 0 || row >= kMapViewSize) return false;
  if (col == g_view.Col && row == g_view.Row) return false;
  g_view.Col = col;
  g_view.Row = row;
  FillFeatureSlots();
  return true;
}

std::vector<DigitAt> NumberDigits(std::uint16_t number) {
  std::string text = std::to_string(number);
  if (text.size() > 4) text.resize(4);
  text.insert(0, 4 - text.size(), '0');
  std::size_t first = text.find_first_not_of('0');
  if (first == std::string::npos) first = 3;
  std::vector<DigitAt> digits;
  for (std::size_t i = first; i < 4; ++i) digits.push_back({static_cast<int>(i) + 1, text[i] - '0'});
  return digits;
}

void DrawCellDigit(int left, int top, int feature_no, int position, int digit, MapPainter& painter) {
  // DigitOffset from the feature's icon, which stands at (3, 4 + 17 (n - 1)).
  painter.DrawPicture(MapPicture::Digit, digit, left + 9 + 5 * position, top + kIconPitch * feature_no - 9);
}

SquareRect MapSquareRect(int col, int row) {
  const int pitch = kMapSquarePixels + 1;
  return {col * pitch, row * pitch, col * pitch + kMapSquarePixels, row * pitch + kMapSquarePixels};
}

void DrawGrid1DrawCell(int col, int row, const SquareRect& rect, MapPainter& painter) {
  if (col < 0 || col >= kMapViewSize || row < 0 || row >= kMapViewSize) return;
  const MapCell& c = g_view.MapWindow[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
  const int l = rect.Left;
  const int t = rect.Top;
  const bool selected = col == g_view.Col && row == g_view.Row;

  if (c.Terrain < kTerrainTiles) {
    painter.DrawPicture(MapPicture::Tile, c.Terrain, l, t);
    if (selected) g_view.PreviewTerrain = c.Terrain;
  }
  if (c.Known == 0 && c.Terrain > 0)
    painter.DrawPicture(MapPicture::Unknown, 0, l + kUnknownMarkOffset, t + kUnknownMarkOffset);

  int shown = 0;
  for (const MapFeature& f : c.Features) {
    if (f.Kind == 0) continue;
    ++shown;
    // A kind without an icon still takes its place and shows its number.
    if (f.Kind < kFeatureIcons)
      painter.DrawPicture(MapPicture::Icon, f.Kind, l + kIconLeft, t + kIconTop + kIconPitch * (shown - 1));
    for (const DigitAt& d : NumberDigits(f.Number)) DrawCellDigit(l, t, shown, d.position, d.digit, painter);
    if (shown == kShownFeaturesPerSquare) break;
  }

  const MapCell& s = SelectedCell();
  g_view.IsmertFelirat = s.Known == 0 ? "Ismeretlen Terület"_w : std::string();
  g_view.Tajfelirat = s.LandscapeIndex >= 1 && s.LandscapeIndex <= MapModel().LandscapeCount
                          ? LandscapeName(s.LandscapeIndex)
                          : std::string();

  const SquareRect r = MapSquareRect(g_view.Col, g_view.Row);
  painter.DrawFrame({Point{r.Left + 1, r.Top + 1}, Point{r.Right - 1, r.Top + 1}, Point{r.Right - 1, r.Bottom - 1},
                     Point{r.Left + 1, r.Bottom - 1}, Point{r.Left + 1, r.Top + 1}},
                    s.Terrain == kReturnGround ? kFrameOnReturnGround : kFrameElsewhere);
}

void PaintMapGrid(MapPainter& painter) {
  for (int row = 0; row < kMapViewSize; ++row)
    for (int col = 0; col < kMapViewSize; ++col) DrawGrid1DrawCell(col, row, MapSquareRect(col, row), painter);
}

}  // namespace vorda
