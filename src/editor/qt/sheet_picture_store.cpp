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
}

}  // namespace vorda
