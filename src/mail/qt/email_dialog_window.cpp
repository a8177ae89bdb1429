#include "mail/qt/email_dialog_window.h"

#include "platform/qt/window_placement.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QVBoxLayout>

#include "editor/program_state.h"
#include "editor/window_links.h"
#include "mail/email_dialog.h"
#include "platform/qt/event_guard.h"
#include "platform/qt/qt_text.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

QString Lines(const std::string& win1250) {
  QString s = ToQString(win1250);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QChar('\r'), QChar('\n'));
  return s;
}

void SetText(QLineEdit* edit, const std::string& text) {
  const QString q = ToQString(text);
  if (edit->text() == q) return;
  const QSignalBlocker block(edit);
  edit->setText(q);
}

}  // namespace

TForm2::TForm2(QWidget* main, ControlsMade made) : LateControlsWindow(main, Qt::Dialog) {
  setWindowTitle(ToQString("E-mail UL mentése"_w));
  setWindowModality(Qt::ApplicationModal);
  MakeControlsAt(made);
  Windows().OnShowEmailDialog = [this] { ShowInFront(*this); };
}

TForm2::~TForm2() { Windows().OnShowEmailDialog = nullptr; }

QLineEdit* TForm2::Edit(int n) {
  EnsureControls();
  return edits_[static_cast<std::size_t>(n)];
}

QCheckBox* TForm2::CheckBox(int n) {
  EnsureControls();
  return boxes_[static_cast<std::size_t>(n)];
}

void TForm2::MakeControls() {
  auto* menu = new QMenuBar(this);
  auto* quit = menu->addAction(ToQString("Kilépés   ESC   "_w));
  quit->setShortcut(QKeySequence(Qt::Key_Escape));
  connect(quit, &QAction::triggered, this, [this] { close(); });
  auto* save = menu->addAction(ToQString("Mentés  F2   "_w));
  save->setShortcut(QKeySequence(Qt::Key_F2));
  connect(save, &QAction::triggered, this, [this] { Save(); });
  for (QAction* a : {quit, save}) {
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);
  }

  const char* labels[] = {nullptr,          "Karakterszám:", "Fordulószám:", "Számlaszám:",
                          "Táplálási jelszó:", "Karatkerszám:", "Fordulószám:"};
  for (int n = 1; n <= 7; ++n) {
    auto* e = new QLineEdit(this);
    e->setMaxLength(static_cast<int>(kEmailEditLength[static_cast<std::size_t>(n)]));
    e->setContextMenuPolicy(Qt::NoContextMenu);  // typed keys only, as the filter allows
    e->installEventFilter(this);
    edits_[static_cast<std::size_t>(n)] = e;
  }
  const char* captions[] = {nullptr,
                            "Elveszett UL",
                            "UL kérése",
                            "JL kérése",
                            "Extra forduló kérése",
                            "Számlaszám látható a fordulóban",
                            "Base64 kódolással",
                            "Base64 kódolással és papíron",
                            "UUENCODE kódolással",
                            "UUENCODE kódolással és papíron",
                            "Csak postán, nyomtatva",
                            "Beállítós UL"};
  for (int b = 1; b <= 11; ++b) {
    auto* box = new QCheckBox(ToQString(Utf8ToWin1250(captions[b])), this);
    connect(box, &QCheckBox::clicked, this, [this, b](bool checked) {
      GuardEvent([&] {
        EmailDialog().CheckBox[static_cast<std::size_t>(b)] = checked;
        EmailCheckBoxClick(b);
      });
      Sync();
    });
    boxes_[static_cast<std::size_t>(b)] = box;
  }
  label8_ = new QLabel(this);
  label9_ = new QLabel(this);

  auto* form = new QGridLayout;
  for (int n = 1; n <= 4; ++n) {
    form->addWidget(new QLabel(ToQString(Utf8ToWin1250(labels[n])), this), n - 1, 0);
    form->addWidget(edits_[static_cast<std::size_t>(n)], n - 1, 1);
  }
  auto* flags = new QVBoxLayout;
  for (int b = 1; b <= 11; ++b) flags->addWidget(boxes_[static_cast<std::size_t>(b)]);

  auto* queue = new QGroupBox(ToQString("Melyik karakter, melyik fordulója után  lépsz:"_w), this);
  auto* queue_grid = new QGridLayout(queue);
  for (int n = 5; n <= 6; ++n) {
    queue_grid->addWidget(new QLabel(ToQString(Utf8ToWin1250(labels[n])), queue), n - 5, 0);
    queue_grid->addWidget(edits_[static_cast<std::size_t>(n)], n - 5, 1);
  }
  queue_grid->addWidget(label8_, 2, 0, 1, 2);

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menu);
  layout->addLayout(form);
  layout->addLayout(flags);
  layout->addWidget(queue);
  layout->addWidget(label9_);
  layout->addWidget(edits_[7]);

  setTabOrder(edits_[1], edits_[2]);
  setTabOrder(edits_[2], edits_[3]);
  setTabOrder(edits_[3], edits_[4]);
  setTabOrder(edits_[4], boxes_[1]);
  for (int b = 1; b < 11; ++b) setTabOrder(boxes_[static_cast<std::size_t>(b)], boxes_[static_cast<std::size_t>(b + 1)]);
  setTabOrder(boxes_[11], edits_[5]);
  setTabOrder(edits_[5], edits_[6]);
  setTabOrder(edits_[6], edits_[7]);
}

void TForm2::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  GuardEvent([this] {
    CentreOnMainWindow(this, parentWidget());
    EmailFormActivate();
  });
  Sync();
  edits_[1]->setFocus();
}

void TForm2::closeEvent(QCloseEvent* event) {
  GuardEvent([] { EmailFormClose(); });
  QWidget::closeEvent(event);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  int n = 0;
  for (int k = 1; k <= 7; ++k)
    if (watched == edits_[static_cast<std::size_t>(k)]) n = k;
  if (n == 0) return QWidget::eventFilter(watched, event);

  if (event->type() == QEvent::FocusIn && n == 1) GuardEvent([] { Edit1Enter(); });
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const std::string text = FromQString(key->text());
    // Keys that type nothing (arrows, Delete, Home) are not filtered.
    if (!enter && (text.empty() || text[0] == 127)) return false;
    EmailFocus focus = EmailFocus::None;
    bool taken = false;
    GuardEvent([&] { taken = EmailEditKeyPress(n, enter ? '\r' : text[0], focus); });
    if (focus == EmailFocus::CheckBox1)
      boxes_[1]->setFocus();
    else if (focus != EmailFocus::None)
      edits_[static_cast<std::size_t>(focus)]->setFocus();
    return !taken;
  }
  if (event->type() == QEvent::KeyRelease) {
    const std::string text = FromQString(edits_[static_cast<std::size_t>(n)]->text());
    GuardEvent([&] {
      if (n == 1)
        Edit1KeyUp(text);
      else
        EmailEditKeyUp(n, text);
    });
    Sync();
  }
  return false;
}

void TForm2::Sync() {
  const auto& d = EmailDialog();
  for (int n = 1; n <= 7; ++n) SetText(edits_[static_cast<std::size_t>(n)], d.Edit[static_cast<std::size_t>(n)]);
  for (int b = 1; b <= 11; ++b) {
    QCheckBox* box = boxes_[static_cast<std::size_t>(b)];
    const QSignalBlocker block(box);
    box->setChecked(d.CheckBox[static_cast<std::size_t>(b)]);
  }
  label8_->setText(Lines(d.Label8));
  label9_->setText(Lines(d.Label9));
}

void TForm2::Save() {
  bool saved = false;
  GuardEvent([&] { saved = Ments1Click(Program().ProgramDir); });
  if (!saved) return;
  // The save drew the sheet anew (its codes are upper case again).
  if (parentWidget()) parentWidget()->update();
  close();
}

}  // namespace vorda
