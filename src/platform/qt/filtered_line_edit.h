#pragma once
// A line edit whose text can grow only through a filter: whatever enters it
// otherwise than by a typed key (Ctrl+V and Shift+Insert, the context menu's
// Paste, the X11 selection's middle-click, a drop, an input method's text)
// passes `filter` first, which gets the text (Windows-1250) and the room left
// under the edit's maximum length and returns what may go in. Typed keys are
// the owner's to filter (an event filter of its own sees them first).
#include <QLineEdit>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class QMenu;

namespace vorda {

class FilteredLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  using Filter = std::function<std::string(std::string_view text, std::size_t room)>;
  FilteredLineEdit(Filter filter, QWidget* parent);

  // Puts what the filter keeps of `text` in place of the selection, or at the
  // cursor.
  void InsertFiltered(const QString& text);
  // The context menu as shown, its Paste going through the filter; the
  // caller owns it.
  QMenu* ContextMenu();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // What the filter keeps of `text` in the room left.
  std::string Kept(const QString& text) const;

  Filter filter_;
};

}  // namespace vorda
