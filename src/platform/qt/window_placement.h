#pragma once
// Where the program's dialogs stand when they are shown.
class QWidget;

namespace vorda {

// Centres `self` on `main`: main's top plus half the difference of the two
// heights, likewise with the widths (both measured with their frames). Does
// nothing without a main window.
void CentreOnMainWindow(QWidget* self, const QWidget* main);

// Shows `window` over the others and gives it the keys: what a command that
// opens a dialog does.
void ShowInFront(QWidget& window);

}  // namespace vorda
