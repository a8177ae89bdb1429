#pragma once
// The main window `TForm1`: the order sheet on one 680 x 545 image, drawn by the
// editor, and the keyboard that edits it. Its key events become Windows
// virtual-key codes; menu shortcuts take theirs first, every other key goes to
// the editor's mode dispatch. Tab and Ctrl+Tab are keys of the sheet, not focus
// moves. No exception leaves an event: it is shown in a message box.
#include <QWidget>

#include "editor/qt/sheet_picture_store.h"
#include "platform/qt/qt_canvas.h"

namespace vorda {

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // The window's creation: the program's folder, the large-font check, the
  // empty header, the caption and the black sheet image.
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  static constexpr int kSheetWidth = 680;
  static constexpr int kSheetHeight = 545;

  QtCanvas& SheetImage() { return canvas_; }

  // The first activation (queued when the window is first shown): the account
  // and settings files, edit mode with the cursor on line 1's code, the game
  // tables of the program's folder, and the whole screen drawn. Later calls do
  // nothing.
  void FormActivate();

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void showEvent(QShowEvent* e) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void FormCreate();

  QtCanvas canvas_;
  QtSheetPictureStore store_;
  bool physical_keys_ = false;
  bool activation_queued_ = false;
};

}  // namespace vorda
