#pragma once
// The encyclopedia window `TForm7`: the entry last found as formatted text,
// with the key that was looked up in its status bar. It is created once at
// start (reading the packer's tables and finding how the encyclopedia is
// packed) and carries the editor's encyclopedia command, which shows it when
// an entry was found. It is shown without blocking, but while it is active the
// main window and the map window are disabled; Esc or closing it enables them
// again.
#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QTextEdit>
#include <optional>

#include "platform/qt/controls_made.h"
#include "platform/qt/qt_rich_text.h"

namespace vorda {

class TForm7 : public LateControlsWindow {
  Q_OBJECT

 public:
  // `main_window` is the one it centres on; both it and `map_window` (when
  // there is one) are disabled while this window is active.
  explicit TForm7(QWidget* main_window, QWidget* map_window = nullptr, ControlsMade made = ControlsMade::AtCreation);
  ~TForm7() override;

  TForm7(const TForm7&) = delete;
  TForm7& operator=(const TForm7&) = delete;

  static constexpr int kWidth = 565;
  static constexpr int kHeight = 452;

  // The editor's encyclopedia command: looks up the cell under the cursor and
  // shows the window when an entry was found.
  void LookupAtCursor();

  QTextEdit& Enc();
  QLabel& StatusPanel();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  // What the look-up writes an entry into: the window's text control, made
  // when the first entry comes (the window is shown with it).
  class EntryView : public RichTextView {
   public:
    explicit EntryView(TForm7& form) : form_(form) {}
    void Clear() override;
    void LoadRtf(std::string_view rtf) override;

   private:
    TForm7& form_;
  };

  void FormCreate();
  void MakeControls() override;
  void SetBlockedEnabled(bool enabled);

  QPointer<QWidget> main_window_;
  QPointer<QWidget> map_window_;
  QTextEdit* enc_ = nullptr;
  QStatusBar* status_bar_ = nullptr;
  QLabel* panel_ = nullptr;
  std::optional<QtRichTextView> enc_view_;
  EntryView view_{*this};
};

}  // namespace vorda
