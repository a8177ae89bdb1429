#pragma once
// When a window makes its controls. The program's start makes every window it
// has and shows two or three; a window that only a command shows can make its
// controls when it is first shown, and the start does not wait for them. Made
// at creation (the default), a window's controls can be looked at before it is
// ever shown.
#include <QWidget>

namespace vorda {

enum class ControlsMade { AtCreation, AtFirstShow };

// A window whose controls MakeControls makes, once: at creation or at the
// first show, as its maker chose, or earlier when code asks for a control.
class LateControlsWindow : public QWidget {
 public:
  void setVisible(bool visible) override {
    if (visible) EnsureControls();
    QWidget::setVisible(visible);
  }

 protected:
  using QWidget::QWidget;
  // From the window's constructor, once its own settings are made.
  void MakeControlsAt(ControlsMade made) {
    if (made == ControlsMade::AtCreation) EnsureControls();
  }
  void EnsureControls() {
    if (made_) return;
    made_ = true;
    MakeControls();
  }
  virtual void MakeControls() = 0;

 private:
  bool made_ = false;
};

}  // namespace vorda
