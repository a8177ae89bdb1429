#pragma once
// The pictures of the two screen slots, copied out of and back onto the sheet
// image of the main window.
#include <QImage>
#include <array>

#include "editor/screen_slots.h"
#include "platform/qt/qt_canvas.h"

namespace vorda {

class QtSheetPictureStore : public SheetPictureStore {
 public:
  explicit QtSheetPictureStore(QImage& sheet) : sheet_(sheet) {}
  // On the canvas's image, adding what a picture put back covers to the
  // canvas's record of touched pixels.
  explicit QtSheetPictureStore(QtCanvas& canvas) : sheet_(canvas.Image()), canvas_(&canvas) {}

  void Save(int slot, const ScreenRect& rect) override;
  void Restore(int slot, const ScreenRect& rect) override;
  void DrawResourcePicture(int x, int y) override;

  // The resource view's picture, 170 x 136: an order sheet on parchment under
  // its seal.
  static QImage ResourcePicture();

 private:
  QImage& sheet_;
  QtCanvas* canvas_ = nullptr;
  std::array<QImage, 3> pictures_;  // index 0 unused
};

}  // namespace vorda
