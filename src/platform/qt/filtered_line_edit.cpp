#include "platform/qt/filtered_line_edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <algorithm>

#include "platform/qt/qt_text.h"

namespace vorda {

FilteredLineEdit::FilteredLineEdit(Filter filter, QWidget* parent) : QLineEdit(parent), filter_(std::move(filter)) {}

std::string FilteredLineEdit::Kept(const QString& text) const {
  const qsizetype room = std::max<qsizetype>(0, maxLength() - (this->text().size() - selectedText().size()));
  return filter_ ? filter_(FromQString(text), static_cast<std::size_t>(room)) : std::string();
}

void FilteredLineEdit::InsertFiltered(const QString& text) {
  if (isReadOnly()) return;
  const std::string kept = Kept(text);
  if (!kept.empty()) insert(ToQString(kept));
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    InsertFiltered(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    // The press has put the cursor where the click was.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection()) {
      deselect();
      InsertFiltered(clipboard->text(QClipboard::Selection));
    }
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void FilteredLineEdit::dropEvent(QDropEvent* event) {
  const QString text = event->mimeData() ? event->mimeData()->text() : QString();
  if (isReadOnly() || text.isEmpty()) {
    event->ignore();
    return;
  }
  deselect();
  setCursorPosition(cursorPositionAt(event->position().toPoint()));
  InsertFiltered(text);
  setFocus(Qt::MouseFocusReason);
  event->acceptProposedAction();
}

QMenu* FilteredLineEdit::ContextMenu() {
  QMenu* menu = createStandardContextMenu();
  // Qt names the menu's Paste by its own (translated) caption, followed by
  // its shortcut.
  const QString caption = QLineEdit::tr("&Paste");
  for (QAction* action : menu->actions()) {
    if (!action->text().startsWith(caption)) continue;
    QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
    connect(action, &QAction::triggered, this,
            [this] { InsertFiltered(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
  }
  return menu;
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = ContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent* event) {
  const std::string kept = Kept(event->commitString());
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(ToQString(kept), event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&filtered);
}

}  // namespace vorda
