#pragma once
// The e-mail order dialog `TForm2` ("E-mail UL mentése"): seven edits, the
// eleven send-flag boxes, the queue label and a menu with Esc (close) and F2
// (save). It only passes its events to the plain logic of mail/email_dialog.h
// and shows its state. Application-modal while shown, so the main window and the
// map window take no input; it registers itself as the editor's e-mail dialog.
#include <array>

#include "platform/qt/controls_made.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace vorda {

class TForm2 : public LateControlsWindow {
  Q_OBJECT

 public:
  // `main`: the main window, which the dialog centres itself on.
  explicit TForm2(QWidget* main, ControlsMade made = ControlsMade::AtCreation);
  ~TForm2() override;

  TForm2(const TForm2&) = delete;
  TForm2& operator=(const TForm2&) = delete;

  QLineEdit* Edit(int n);
  QCheckBox* CheckBox(int n);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void MakeControls() override;
  void Sync();
  void Save();

  std::array<QLineEdit*, 8> edits_{};
  std::array<QCheckBox*, 12> boxes_{};
  QLabel* label8_ = nullptr;
  QLabel* label9_ = nullptr;
};

}  // namespace vorda
