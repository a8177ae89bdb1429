#pragma once
// `TForm6` "Beállítások": the current character's seven values and the three
// folders (map, encyclopedia, turn reports). A black window without caption,
// always on top; while it is shown no other window of the program takes input.
// What a value accepts and what "OK" and the folder pickers do is the settings
// logic's (editor/settings_dialog.h); the window passes on and shows.
#include <array>

#include "platform/qt/controls_made.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace vorda {

class TForm6 : public LateControlsWindow {
  Q_OBJECT

 public:
  explicit TForm6(QWidget* main = nullptr, ControlsMade made = ControlsMade::AtCreation);
  ~TForm6() override;

  TForm6(const TForm6&) = delete;
  TForm6& operator=(const TForm6&) = delete;

  QSpinBox* SpinEdit(int index);
  // "OK": stores the values, closes, and the sheet shows the new costs.
  void Button2Click();

 protected:
  void showEvent(QShowEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void MakeControls() override;
  void FormActivate();
  void ShowFolders();
  void PickFolder(int which);

  QWidget* main_;
  std::array<QSpinBox*, 7> spins_{};
  QLabel* label9_ = nullptr;
  QLabel* label11_ = nullptr;
  QLabel* label13_ = nullptr;
  QPushButton* button1_ = nullptr;
};

}  // namespace vorda
