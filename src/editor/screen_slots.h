#pragma once
// The two screen slots under which the editor's popups are drawn: a popup saves
// the rectangle of the sheet image it will cover and puts it back when it
// closes. The slots are never cleared.
#include <array>

namespace vorda {

struct ScreenRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// The pictures of the slots: copies a rectangle of the sheet image out into a
// slot's picture and back. The main window installs one over its sheet image.
class SheetPictureStore {
 public:
  virtual ~SheetPictureStore() = default;
  // Sizes the slot's picture to the rectangle and copies the rectangle into it.
  virtual void Save(int slot, const ScreenRect& rect) = 0;
  // Copies the slot's picture back onto the sheet image at `rect`.
  virtual void Restore(int slot, const ScreenRect& rect) = 0;
  // Draws the resource view's picture (170 x 136) onto the sheet image with its
  // top-left corner at (x, y). A store without pictures draws nothing.
  virtual void DrawResourcePicture(int /*x*/, int /*y*/) {}
};

// nullptr: no pictures (the rectangles are still remembered).
void InstallSheetPictureStore(SheetPictureStore* store);

// Remembers the rectangle in slot 1 or 2 and saves its picture; any other slot
// does nothing.
void SaveScreenRect(int left, int top, int right, int bottom, int slot);
// Puts slot 1 or 2 back where it was taken; any other slot does nothing.
void RestoreScreenRect(int slot);

// The resource view's picture at (x, y), from the installed store.
void DrawResourcePicture(int x, int y);

// The rectangle slot 1 or 2 remembers (an empty one for any other slot).
ScreenRect ScreenSlot(int slot);
void ResetScreenSlots();

}  // namespace vorda
