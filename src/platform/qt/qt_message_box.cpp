#include "platform/qt/qt_message_box.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include "platform/qt/qt_text.h"

namespace vorda {

namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
  return kind == MessageKind::Error     ? QMessageBox::Critical
         : kind == MessageKind::Warning ? QMessageBox::Warning
                                        : QMessageBox::Information;
}

// The program's texts break their lines with CR, as Windows boxes take them.
QString BoxText(std::string_view text) {
  QString s = ToQString(text);
  s.replace(QString("\r\n"), QString("\n"));
  s.replace(QChar('\r'), QChar('\n'));
  return s;
}

}  // namespace

QtMessageBoxes::QtMessageBoxes(std::string title, QWidget* parent) : title_(std::move(title)), parent_(parent) {}

void QtMessageBoxes::Show(std::string_view text, MessageKind kind) {
  QMessageBox box(IconOf(kind), ToQString(title_), BoxText(text), QMessageBox::Ok, parent_.data());
  box.exec();
}

bool QtMessageBoxes::AskYesNo(std::string_view text) {
  QMessageBox box(QMessageBox::Question, ToQString(title_), BoxText(text), QMessageBox::Yes | QMessageBox::No,
                  parent_.data());
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

std::size_t QtMessageBoxes::Ask(std::string_view text, const std::vector<std::string>& answers, MessageKind kind) {
  QMessageBox box(IconOf(kind), ToQString(title_), BoxText(text), QMessageBox::NoButton, parent_.data());
  std::vector<QPushButton*> buttons;
  // The box takes a button's marked letter without Alt as well.
  for (const std::string& answer : answers) buttons.push_back(box.addButton(ToQString(answer), QMessageBox::ActionRole));
  if (!buttons.empty()) {
    box.setDefaultButton(buttons.front());
    box.setEscapeButton(buttons.front());
  }
  // A list of files with their reasons reads best a line each: the box is
  // made wider than a plain message.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(560, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0, 1,
                  grid->columnCount());
  box.exec();
  for (std::size_t i = 0; i < buttons.size(); ++i)
    if (box.clickedButton() == buttons[i]) return i;
  return 0;
}

}  // namespace vorda
