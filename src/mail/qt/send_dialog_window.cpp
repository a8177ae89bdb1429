#include "mail/qt/send_dialog_window.h"

#include "platform/qt/window_placement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProxyStyle>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "data/scrambler.h"
#include "editor/program_state.h"
#include "editor/window_links.h"
#include "mail/send_dialog.h"
#include "platform/qt/event_guard.h"
#include "platform/qt/filtered_line_edit.h"
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

// The password edit masks every character with "*", whatever the platform's
// own mask character is.
class AsteriskMask : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* ret) const override {
    if (hint == QStyle::SH_LineEdit_PasswordCharacter) return '*';
    return QProxyStyle::styleHint(hint, option, widget, ret);
  }
};

QLineEdit* NewEdit(QWidget* parent, int max_length, const std::string& text) {
  auto* e = new QLineEdit(ToQString(text), parent);
  e->setMaxLength(max_length);
  return e;
}

// The sender and copy edits: pasted and dropped text keeps its address
// characters only.
FilteredLineEdit* NewAddressEdit(QWidget* parent, const std::string& text) {
  auto* e = new FilteredLineEdit([](std::string_view t, std::size_t room) { return AddressText(t, room); }, parent);
  e->setMaxLength(static_cast<int>(kAddressLength));
  e->setText(ToQString(text));
  return e;
}

// While a send is on its way the program takes no input: the window's thread
// only paints and runs its timers.
class InputBlocker : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::ContextMenu:
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop:
      case QEvent::InputMethod:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
      case QEvent::TabletPress:
      case QEvent::TabletRelease:
        return true;
      default:
        return false;
    }
  }
};

}  // namespace

TForm5::TForm5(QWidget* main, ControlsMade made) : LateControlsWindow(main, Qt::Dialog) {
  setWindowTitle(ToQString("Vorda40 by Quorbel  -  UL Küldése interneten"_w));
  setWindowModality(Qt::ApplicationModal);
  GuardEvent([] { SendFormCreate(); });
  // Set before the controls are made, so that a stand-in put in its place
  // before the first show stays.
  ChooseFile = [this] {
    const QString chosen = QFileDialog::getOpenFileName(this, QString(), QFile::decodeName(Program().ProgramDir.c_str()),
                                                        ToQString("E-mail UL file (*.emv *.EMV)"_w), nullptr,
                                                        QFileDialog::ReadOnly);
    return chosen.isEmpty() ? std::string() : std::string(QFile::encodeName(chosen).constData());
  };
  MakeControlsAt(made);

  Windows().OnShowSendDialog = [this] { ShowInFront(*this); };
  Windows().OnSendRunning = [] { return SendRunning(); };
}

TForm5::~TForm5() {
  Windows().OnShowSendDialog = nullptr;
  Windows().OnSendRunning = nullptr;
}

QLineEdit* TForm5::MailFrom() {
  EnsureControls();
  return from_;
}
QLineEdit* TForm5::MailCC() {
  EnsureControls();
  return cc_;
}
QLineEdit* TForm5::Password() {
  EnsureControls();
  return password_;
}
QListWidget* TForm5::List() {
  EnsureControls();
  return list_;
}
QPushButton* TForm5::SendButton() {
  EnsureControls();
  return send_;
}
QPushButton* TForm5::AddButton() {
  EnsureControls();
  return add_;
}
QLabel* TForm5::StatusPanel() {
  EnsureControls();
  return status_;
}

// The edits show what the dialog's state held when it was created: nothing
// but the edits themselves changes it.
void TForm5::MakeControls() {
  const auto& d = SendDialog();

  from_ = NewAddressEdit(this, d.TMailFrom);
  cc_ = NewAddressEdit(this, d.TMailCC);
  auto* to = NewEdit(this, 35, std::string(kOrderAddress));
  to->setReadOnly(true);
  to->setFocusPolicy(Qt::NoFocus);
  server_ = NewEdit(this, 35, d.TSMTPServer);
  auto* port = NewEdit(this, 35, d.TSMTPPort);
  auto* user = NewEdit(this, 35, d.TSMTPUsername);
  password_ = NewEdit(this, static_cast<int>(kMaxScrambledLength), "");
  password_->setEchoMode(QLineEdit::Password);
  auto* mask = new AsteriskMask;
  mask->setParent(password_);
  password_->setStyle(mask);
  password_->setPlaceholderText(ToQString(d.PasswordPlaceholder));
  for (QLineEdit* e : {from_, cc_}) e->installEventFilter(this);

  auto text_of = [](const QString& s) { return FromQString(s); };
  connect(from_, &QLineEdit::textChanged, this, [=](const QString& s) { GuardEvent([&] { TMailFromChange(text_of(s)); }); });
  connect(cc_, &QLineEdit::textChanged, this, [=](const QString& s) { GuardEvent([&] { TMailCCChange(text_of(s)); }); });
  connect(server_, &QLineEdit::textChanged, this,
          [=](const QString& s) { GuardEvent([&] { TSMTPServerChange(text_of(s)); }); });
  connect(port, &QLineEdit::textChanged, this, [=](const QString& s) { GuardEvent([&] { TSMTPPortChange(text_of(s)); }); });
  connect(user, &QLineEdit::textChanged, this,
          [=](const QString& s) { GuardEvent([&] { TSMTPUsernameChange(text_of(s)); }); });
  connect(password_, &QLineEdit::textChanged, this,
          [=](const QString& s) { GuardEvent([&] { TSMTPPasswordChange(text_of(s)); }); });

  auto* fields = new QFormLayout;
  fields->addRow(ToQString("E-mail címed:"_w), from_);
  fields->addRow(ToQString("Másolatot kap:"_w), cc_);
  fields->addRow(ToQString("Drovanek Kft címe:"_w), to);
  fields->addRow(ToQString("SMTP szerver:"_w), server_);
  fields->addRow(ToQString("SMTP Port:"_w), port);
  fields->addRow(ToQString("SMTP felhasználó:"_w), user);
  fields->addRow(ToQString("SMTP jelszó:"_w), password_);

  auto* label2 = new QLabel(Lines(d.Label2), this);
  auto* label5 = new QLabel(Lines(d.Label5), this);
  list_ = new QListWidget(this);
  auto* clear = new QPushButton(ToQString("Lista ürítése"_w), this);
  add_ = new QPushButton(ToQString("Hozzáadás a listához"_w), this);
  send_ = new QPushButton(ToQString("UL-ek küldése"_w), this);

  auto* status_bar = new QStatusBar(this);
  status_bar->setSizeGripEnabled(false);
  const int widths[] = {300, 100, 50};
  for (int w : widths) {
    auto* panel = new QLabel(this);
    panel->setFixedWidth(w);
    status_bar->addWidget(panel);
    if (!status_) status_ = panel;
  }

  connect(clear, &QPushButton::clicked, this, [this] {
    GuardEvent([] { Button1Click(); });
    SyncList();
  });
  connect(add_, &QPushButton::clicked, this, [this] {
    GuardEvent([this] {
      const std::string path = ChooseFile ? ChooseFile() : std::string();
      if (!path.empty()) AddListedFile(path);
    });
    SyncList();
  });
  connect(send_, &QPushButton::clicked, this, [this] {
    GuardEvent([this] {
      SendButtonClick(
          [this] {
            status_->setText(ToQString(SendDialog().Status));
            status_->repaint();
          },
          [this](const std::function<bool()>& finished) { WaitForSend(finished); });
    });
    status_->setText(ToQString(SendDialog().Status));
  });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(clear);
  buttons->addWidget(add_);
  buttons->addWidget(send_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(label2);
  layout->addWidget(label5);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  layout->addWidget(status_bar);
}

void TForm5::WaitForSend(const std::function<bool()>& finished) {
  InputBlocker blocker;
  QCoreApplication::instance()->installEventFilter(&blocker);
  QEventLoop loop;
  QTimer poll;
  connect(&poll, &QTimer::timeout, &loop, [&] {
    if (finished()) loop.quit();
  });
  poll.start(10);
  loop.exec();
  QCoreApplication::instance()->removeEventFilter(&blocker);
}

void TForm5::closeEvent(QCloseEvent* event) {
  // Refused without a word until the send has ended.
  if (SendRunning()) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

void TForm5::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  CentreOnMainWindow(this, parentWidget());
  GuardEvent([] { SendFormShow(); });
  SyncList();
}

bool TForm5::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == from_ || watched == cc_) && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    // Pasting is the edit's own, through the same filter.
    if (key->matches(QKeySequence::Paste)) return false;
    const bool enter_key = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const std::string text = FromQString(key->text());
    if (!enter_key && (text.empty() || text[0] == 127)) return false;
    bool enter = false;
    bool taken = false;
    GuardEvent([&] { taken = AddressKeyPress(enter_key ? '\r' : text[0], enter); });
    if (enter) (watched == from_ ? cc_ : server_)->setFocus();
    return !taken;
  }
  return QWidget::eventFilter(watched, event);
}

void TForm5::SyncList() {
  list_->clear();
  for (const auto& path : SendDialog().List) list_->addItem(QFile::decodeName(path.c_str()));
}

}  // namespace vorda
