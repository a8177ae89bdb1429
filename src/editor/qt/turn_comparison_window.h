#pragma once
// `TForm8`: the comparison of a character's items in two turn reports. The
// player loads the HTML report of a first and a second turn and fills the four
// lists; the lists use a fixed-pitch font so that their padded columns line up.
// While it is shown no other window of the program takes input.
#include "platform/qt/controls_made.h"

class QLabel;
class QListWidget;

namespace vorda {

class TForm8 : public LateControlsWindow {
  Q_OBJECT

 public:
  // `main` is the main window it centres on (may be null).
  explicit TForm8(QWidget* main = nullptr, ControlsMade made = ControlsMade::AtCreation);
  ~TForm8() override;

  TForm8(const TForm8&) = delete;
  TForm8& operator=(const TForm8&) = delete;

  // "Összehasonlítás": fills the four lists from the two reports read.
  void Button3Click();

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void MakeControls() override;
  void LoadReport(int turn);
  void ShowFileLabels();

  QWidget* main_;
  QLabel* elso_kari_ = nullptr;
  QLabel* masodik_kari_ = nullptr;
  QListWidget* vdb_ = nullptr;
  QListWidget* nl_kar1_ = nullptr;
  QListWidget* nl_kar2_ = nullptr;
  QListWidget* vtdb_ = nullptr;
};

}  // namespace vorda
