#pragma once
// The map window's view: a 5 x 5 piece of the map centred on the position the
// sheet's moves reach at the editor cursor, the axis labels, the captions and
// 2 x 2 preview of the selected square, and the side panel of the selected
// square's 20 feature slots.
//
// Everything here is plain state and rules; the window only draws what this
// state says, through a MapPainter for the grid's squares.
//
// Pixel layout of the grid: 5 x 5 squares of 39 x 39 with 1-pixel grid lines,
// so square (col, row) covers x 40 col .. 40 col + 38, y 40 row .. 40 row + 38.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/map_grid.h"
#include "platform/canvas.h"

namespace vorda {

inline constexpr int kMapViewSize = 5;
inline constexpr int kMapViewCentre = 2;
inline constexpr int kMapSquarePixels = 39;
inline constexpr int kMapGridPixels = 200;
inline constexpr int kFeatureSlotCount = 20;
inline constexpr int kTerrainTiles = 23;  // tiles of terrain codes 0..22
inline constexpr int kFeatureIcons = 18;  // 0 the empty slot, 1..17 the feature kinds
inline constexpr int kShownFeaturesPerSquare = 2;

// One side-panel slot as its label, image and frame show it. The image is a
// copy of feature icon `Picture` with `Number` drawn on it when `Numbered`.
struct TFeatureSlot {
  std::string Name;
  int Picture = 0;
  bool Numbered = false;
  std::uint16_t Number = 0;
  bool FrameVisible = false;
  friend bool operator==(const TFeatureSlot&, const TFeatureSlot&) = default;
};

struct MapViewState {
  // MapWindow[col][row]: whole copies of map squares; col i is map x = X - 2 + i,
  // row j is map y = Y - 2 + j.
  std::array<std::array<MapCell, kMapViewSize>, kMapViewSize> MapWindow{};
  // Stands for every square outside the map.
  MapCell EmptyMapCell{};
  // The selected square (the grid's current cell).
  int Col = kMapViewCentre;
  int Row = kMapViewCentre;
  // Axis labels: FK[i] the map x of column i (under the grid), BK[j] the map y
  // of row j (right of the grid).
  std::array<std::string, kMapViewSize> FK;
  std::array<std::string, kMapViewSize> BK;
  // Captions of the selected square.
  std::string IsmertFelirat;  // unknown square
  std::string Tajfelirat;     // landscape name
  // The terrain tile the 2 x 2 preview shows; -1 before any was shown.
  int PreviewTerrain = -1;
  // Side-panel slots 1..20 (index 0 unused).
  std::array<TFeatureSlot, kFeatureSlotCount + 1> Slots{};
};

MapViewState& MapView();
void ResetMapView();

// Brings the view up to the position at the editor cursor: replays the moves up
// to the cursor's cell, and unless `force` or the position moved, stops there.
// Otherwise copies the 25 squares, writes the labels and refills the side
// panel, and returns true: the window must then repaint the grid at once. The
// selected square stays where it is.
bool RefreshMapView(bool force);

// The ten axis labels from the position the last replay reached.
void RefreshMapLabels();
// Slots 1..20 from the features of the selected square of MapWindow.
void FillFeatureSlots();
// Fills one slot (1..20; any other slot does nothing) with the feature's name,
// the icon of its kind and its number, and shows its frame for a feature.
void SetFeatureSlot(int slot, int kind, std::uint16_t number);
// The feature's name; empty for an unnamed feature and for a kind or number
// outside the name tables.
std::string GetFeatureName(int kind, std::uint16_t number);

// The selected square changes (mouse, key or code): a real change takes the new
// square and refills the side panel, as the grid's click does. False when the
// square was already selected or lies outside the grid.
bool SelectMapSquare(int col, int row);

// A digit of a feature number at `position` 1..4 of the number's four places.
struct DigitAt {
  int position = 0;
  int digit = 0;
  friend bool operator==(const DigitAt&, const DigitAt&) = default;
};
// The number rule shared by the squares and the side panel: the decimal number,
// cut to its first four characters, right-aligned in four places without
// leading zeros; 0 is one 0 in place 4. Feature numbers are unsigned 16-bit, so
// 40000 shows "4000" and never a sign.
std::vector<DigitAt> NumberDigits(std::uint16_t number);
// Where digit place `position` lies from the top left of the icon it is drawn on.
inline constexpr Point DigitOffset(int position) { return {5 * position + 6, 4}; }

// The pictures of the store that a square is painted from.
enum class MapPicture {
  Tile,     // terrain tile 0..22, 39 x 39
  Icon,     // feature icon 1..17, 33 x 15
  Unknown,  // the unknown-square mark, 19 x 19
  Digit,    // digit 0..9, 4 x 7
};

class MapPainter {
 public:
  virtual ~MapPainter() = default;
  virtual void DrawPicture(MapPicture picture, int index, int x, int y) = 0;
  // A closed line through the five points with a pen 2 pixels wide.
  virtual void DrawFrame(const std::array<Point, 5>& points, Color color) = 0;
};

// One digit of the number of a square's shown feature `feature_no` (1 top,
// 2 bottom) at place `position` 1..4, in the square whose top left is
// (left, top).
void DrawCellDigit(int left, int top, int feature_no, int position, int digit, MapPainter& painter);

struct SquareRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
// The grid's rectangle of square (col, row): Right and Bottom lie one past it.
SquareRect MapSquareRect(int col, int row);

// Paints square (col, row) of MapWindow at `rect` through `painter`: its tile,
// the unknown mark, its first two features with their numbers; then sets the
// captions from the selected square (and the preview when this is the selected
// square) and draws the selected square's frame again, so it stays on top.
void DrawGrid1DrawCell(int col, int row, const SquareRect& rect, MapPainter& painter);
// All 25 squares, as a repaint of the grid does.
void PaintMapGrid(MapPainter& painter);

}  // namespace vorda
