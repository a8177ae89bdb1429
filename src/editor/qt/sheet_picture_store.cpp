#include "editor/qt/sheet_picture_store.h"

#include <QPainter>
#include <algorithm>

namespace vorda {

void QtSheetPictureStore::Save(int slot, const ScreenRect& rect) {
  if (slot != 1 && slot != 2) return;
  const int width = std::max(0, rect.Right - rect.Left);
  const int height = std::max(0, rect.Bottom - rect.Top);
  // Parts of the rectangle outside the sheet come out black.
  QImage picture(width, height, sheet_.format());
  picture.fill(Qt::black);
  QPainter painter(&picture);
  painter.drawImage(QPoint(0, 0), sheet_, QRect(rect.Left, rect.Top, width, height));
  painter.end();
  pictures_[static_cast<std::size_t>(slot)] = picture;
}

void QtSheetPictureStore::Restore(int slot, const ScreenRect& rect) {
  if (slot != 1 && slot != 2) return;
  const QImage& picture = pictures_[static_cast<std::size_t>(slot)];
  if (picture.isNull()) return;
  QPainter painter(&sheet_);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(QPoint(rect.Left, rect.Top), picture);
  painter.end();
  if (canvas_) canvas_->MarkTouched(QRect(QPoint(rect.Left, rect.Top), picture.size()));
}

QImage QtSheetPictureStore::ResourcePicture() {
  QImage picture(170, 136, QImage::Format_RGB32);
  picture.fill(Qt::black);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing, false);
  // The sheet, rolled at top and bottom.
  p.setPen(QColor(120, 90, 40));
  p.setBrush(QColor(230, 210, 160));
  p.drawRect(20, 14, 130, 108);
  p.setBrush(QColor(200, 175, 120));
  p.drawRect(14, 8, 142, 10);
  p.drawRect(14, 118, 142, 10);
  // Numbered order lines: a code, three parameters.
  for (int row = 0; row < 8; ++row) {
    const int y = 26 + 11 * row;
    p.setPen(QColor(120, 90, 40));
    p.drawLine(28, y + 6, 36, y + 6);
    p.setPen(QColor(40, 70, 140));
    p.drawLine(42, y + 6, 62, y + 6);
    p.setPen(QColor(60, 60, 60));
    for (int k = 0; k < 3; ++k) p.drawLine(68 + 18 * k, y + 6, 80 + 18 * k, y + 6);
  }
  // The seal.
  p.setPen(QColor(120, 0, 0));
  p.setBrush(QColor(190, 20, 20));
  p.drawEllipse(QPoint(128, 100), 12, 12);
  p.setPen(QColor(240, 200, 200));
  p.drawLine(122, 100, 134, 100);
  p.drawLine(128, 94, 128, 106);
  p.end();
  return picture;
}

void QtSheetPictureStore::DrawResourcePicture(int x, int y) {
  static const QImage picture = ResourcePicture();
  QPainter painter(&sheet_);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(QPoint(x, y), picture);
  painter.end();
  if (canvas_) canvas_->MarkTouched(QRect(QPoint(x, y), picture.size()));
}

}  // namespace vorda
