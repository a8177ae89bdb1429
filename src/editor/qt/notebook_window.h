#pragma once
// `TForm9`: the character's notebook, a memo above a one-panel status bar,
// beside the editor and on top of it. Its text lives in the notebook model
// (editor/notebook.h); the window shows it, passes edits back, keeps its
// visibility in the options and gives its place and size when the program
// closes, for the ini file.
#include "platform/qt/controls_made.h"

class QLabel;
class QPlainTextEdit;

namespace vorda {

class TForm9 : public LateControlsWindow {
  Q_OBJECT

 public:
  explicit TForm9(QWidget* main = nullptr, ControlsMade made = ControlsMade::AtCreation);
  ~TForm9() override;

  TForm9(const TForm9&) = delete;
  TForm9& operator=(const TForm9&) = delete;

  QPlainTextEdit* Memo();

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void MakeControls() override;
  void ShowModel();

  QPlainTextEdit* memo_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace vorda
