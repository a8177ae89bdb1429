#include "editor/qt/notebook_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QVBoxLayout>

#include "editor/notebook.h"
#include "editor/program_state.h"
#include "editor/window_links.h"
#include "platform/qt/event_guard.h"
#include "platform/qt/qt_text.h"
#include "platform/win1250.h"

namespace vorda {

TForm9::TForm9(QWidget* main, ControlsMade made) : LateControlsWindow(main, Qt::Window | Qt::WindowStaysOnTopHint) {
  setWindowTitle(ToQString("Vorda40 by Quorbel (belső notesz)"_w));
  resize(435, 300);
  MakeControlsAt(made);

  LinkNotebook([this] { ShowModel(); });
  Windows().OnShowNotebook = [this] {
    show();
    raise();
  };
  // A window never shown has the place and size it was given: its controls'
  // least size counts only from its first show on.
  Windows().OnNotebookPlace = [this] { return WindowPlace{x(), y(), width(), height()}; };

  // The window's place and size from the ini file; a size of 0 is made 100.
  auto& o = Program().Options;
  if (o.NotesWidth == 0) o.NotesWidth = 100;
  if (o.NotesHeight == 0) o.NotesHeight = 100;
  move(o.NotesLeft, o.NotesTop);
  resize(o.NotesWidth, o.NotesHeight);
  if (o.ShowNotes) show();
}

QPlainTextEdit* TForm9::Memo() {
  EnsureControls();
  return memo_;
}

void TForm9::MakeControls() {
  memo_ = new QPlainTextEdit(this);
  memo_->setFrameShape(QFrame::NoFrame);
  memo_->setStyleSheet("QPlainTextEdit { background: #000000; color: #FFFF00; }");
  QFont font("Courier New CE");
  font.setStyleHint(QFont::TypeWriter);
  font.setBold(true);
  memo_->setFont(font);
  auto* bar = new QStatusBar(this);
  bar->setSizeGripEnabled(true);
  status_ = new QLabel(bar);
  bar->addWidget(status_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(memo_, 1);
  layout->addWidget(bar);

  connect(memo_, &QPlainTextEdit::textChanged, this, [this] {
    GuardEvent([this] {
      Notebook().Text = FromQString(memo_->toPlainText());
      Notebook().Modified = true;
    });
  });
}

TForm9::~TForm9() {
  // The program ends with the notebook open, without the shut-down that
  // saves it: changed notes are not dropped.
  if (Notebook().Shown && Notebook().Modified && !Notebook().ProgramEnding) GuardEvent([] { SaveNotebook(); });
  auto& links = Windows();
  links.OnShowNotebook = nullptr;
  links.OnNotebookPlace = nullptr;
  links.OnNotebookSave = nullptr;
  links.OnNotebookSaveIfKept = nullptr;
  links.OnNotebookClear = nullptr;
  links.OnNotebookLoad = nullptr;
  links.OnNotebookSaveAtClose = nullptr;
  links.OnNotebookProgramEnds = nullptr;
  Notebook().Shown = false;
}

void TForm9::ShowModel() {
  EnsureControls();
  const QSignalBlocker block(memo_);
  memo_->setPlainText(ToQString(Notebook().Text));
  status_->setText(ToQString(Notebook().Status));
}

// A minimised window is still shown: it goes on following the sheet.
void TForm9::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (e->spontaneous()) return;
  GuardEvent([this] {
    Notebook().Shown = true;
    Program().Options.ShowNotes = true;
    BeginNotebookCommand();
    LoadNotebook();
    ShowModel();
  });
}

void TForm9::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  if (!e->spontaneous()) Notebook().Shown = false;
}

void TForm9::closeEvent(QCloseEvent* e) {
  // The program's end closes every window: the shut-down has saved the
  // notes already, or the user gave them up.
  if (Notebook().ProgramEnding) {
    QWidget::closeEvent(e);
    return;
  }
  GuardEvent([] {
    // Notes a failed save leaves are kept, and written at the latest when
    // the program closes.
    BeginNotebookCommand();
    SaveNotebook();
    Program().Options.ShowNotes = false;
  });
  QWidget::closeEvent(e);
}

}  // namespace vorda
