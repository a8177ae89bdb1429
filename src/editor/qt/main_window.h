#pragma once
// The main window `TForm1`: the order sheet on one 680 x 545 image, drawn by the
// editor, and the keyboard that edits it. Its key events become Windows
// virtual-key codes; menu shortcuts take theirs first, every other key goes to
// the editor's mode dispatch. Tab and Ctrl+Tab are keys of the sheet, not focus
// moves. No exception leaves an event: it is shown in a message box.
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QWidget>

#include "editor/qt/sheet_picture_store.h"
#include "platform/qt/qt_canvas.h"

namespace vorda {

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // The window's creation: the program's folder, the large-font check, the
  // empty header, the ini file, the caption, the black sheet image, the map
  // files and the menu. `arguments`: the command line without the program's
  // name; `program_dir`: the folder of the program's files (empty: the
  // executable's folder).
  explicit TForm1(QWidget* parent = nullptr, const QStringList& arguments = {}, const QString& program_dir = {});
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

  // The application's activation handler: whenever the program becomes the
  // active application, the main window comes to the front.
  void AppBringToFront(Qt::ApplicationState state);

 signals:
  // The close was carried out: the ini file and the other files are written.
  void Closed();

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void showEvent(QShowEvent* e) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void FormCreate(const QStringList& arguments, const QString& program_dir);
  void BuildMainMenu();
  void BuildRecentMenu();
  // Where the sheet image stands in the window (below the menu bar).
  QRect SheetRect() const;
  // Asks for a paint of what the canvas's drawing touched since the last time.
  void ShowTouchedPixels();

  QtCanvas canvas_;
  QtSheetPictureStore store_;
  bool physical_keys_ = false;
  bool activation_queued_ = false;
  bool sheet_shown_ = false;
  QMenuBar* menu_bar_ = nullptr;
  QMenu* file_menu_ = nullptr;
  int fixed_file_items_ = 0;  // the seven fixed items and the separator FN2
};

}  // namespace vorda
