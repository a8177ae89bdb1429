#pragma once
// The map window `TForm3` ("Térkép lépésellenőrzés"): the 5 x 5 view of the map
// around the position the sheet's moves reach at the editor cursor, its axis
// labels, the side panel of the selected square, and the fields of the turn's
// start and teleport coordinates with the teleport check box.
//
// The window is thin: what it shows is MapView() and Orders() (map/map_view.h,
// map/map_controls.h); it passes its events there and draws the result. It is
// created once after the main window, fills in the editor's map links
// (Windows()), and is only shown and hidden. It is laid out in pixels and not
// scaled with the screen's pixels per inch.
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <array>
#include <cstdint>

#include "map/map_controls.h"

class QCheckBox;

namespace vorda {

class TForm4;
class MapGridWidget;
class MapFieldEdit;

class TForm3 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm3(const TForm4& pictures, QWidget* parent = nullptr);
  ~TForm3() override;

  TForm3(const TForm3&) = delete;
  TForm3& operator=(const TForm3&) = delete;

  static constexpr int kClientWidth = 520;
  static constexpr int kClientHeight = 434;

  // The one entry of the view: replays the moves up to the cursor and redraws
  // when the position moved or `force` is set. It first takes over what the
  // editor changed in the fields and the check box (a sheet loaded, a new sheet).
  void RefreshMapWindow(bool force);
  // F10 and the menu: enables and shows the window with the centre square selected.
  void ShowMapWindow();

  // The controls, for the tests.
  QWidget* Grid() const;
  QLineEdit* Field(MapField field) const;
  QCheckBox* TeleportBox() const { return CheckBox1; }
  const QLabel* XLabel(int column) const { return FK[static_cast<std::size_t>(column)]; }
  const QLabel* YLabel(int row) const { return BK[static_cast<std::size_t>(row)]; }
  const QLabel* SlotName(int slot) const { return KSt[static_cast<std::size_t>(slot)]; }
  const QLabel* SlotImage(int slot) const { return KompKep[static_cast<std::size_t>(slot)]; }
  const QWidget* SlotFrame(int slot) const { return KB[static_cast<std::size_t>(slot)]; }
  const QLabel* LandscapeCaption() const { return Tajfelirat; }
  const QLabel* UnknownCaption() const { return IsmertFelirat; }

  // Activation, as the window system reports it; public for the tests.
  void FormActivate();
  void FormDeactivate();

 protected:
  void changeEvent(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void FormCreate();
  void BuildControls();
  // Shows the editor-side state of the fields and the box.
  void SyncControls();
  // Paints the 25 squares at once, then shows what the painting set (preview,
  // captions) and the labels and slots.
  void RepaintGrid();
  void ShowLabelsAndSlots();
  void ShowSlots();
  // A feature's number on a slot's own copy of its icon.
  void DrawSlotNumber(QImage& image, std::uint16_t number) const;
  void DrawSlotDigit(QImage& image, int position, int digit) const;
  // The grid's selected square changed (mouse or arrow key); a key released in it.
  void DrawGrid1Click(int col, int row);
  void DrawGrid1KeyUp();
  void FieldEdited(MapField field, const QString& text);
  void FieldFocus(MapFocus focus);
  void CheckBox1Click(bool checked);

  const TForm4& pictures_;
  MapGridWidget* DrawGrid1 = nullptr;
  std::array<QLabel*, 5> FK{};
  std::array<QLabel*, 5> BK{};
  QWidget* KompPanel = nullptr;
  QLabel* Nagykep = nullptr;
  QLabel* Nagykep2 = nullptr;
  QLabel* Nagykep3 = nullptr;
  QLabel* Nagykep4 = nullptr;
  QLabel* Tajfelirat = nullptr;
  QLabel* IsmertFelirat = nullptr;
  std::array<QWidget*, 21> KB{};       // slots 1..20
  std::array<QLabel*, 21> KompKep{};  // slots 1..20
  std::array<QLabel*, 21> KSt{};      // slots 1..20
  std::array<MapFieldEdit*, 5> Edits{};  // Edit1..Edit4
  QCheckBox* CheckBox1 = nullptr;
};

}  // namespace vorda
