#include "platform/qt/qt_message_box.h"

#include <QMessageBox>

#include "platform/qt/qt_text.h"

namespace vorda {

QtMessageBoxes::QtMessageBoxes(std::string title, QWidget* parent) : title_(std::move(title)), parent_(parent) {}

void QtMessageBoxes::Show(std::string_view text, MessageKind kind) {
  const QMessageBox::Icon icon = kind == MessageKind::Error     ? QMessageBox::Critical
                                 : kind == MessageKind::Warning ? QMessageBox::Warning
                                                                : QMessageBox::Information;
  QMessageBox box(icon, ToQString(title_), ToQString(text), QMessageBox::Ok, parent_.data());
  box.exec();
}

bool QtMessageBoxes::AskYesNo(std::string_view text) {
  QMessageBox box(QMessageBox::Question, ToQString(title_), ToQString(text), QMessageBox::Yes | QMessageBox::No,
                  parent_.data());
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace vorda
