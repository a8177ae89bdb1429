#include "encyclopedia/qt/encyclopedia_window.h"

#include "platform/qt/window_placement.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "editor/editor_state.h"
#include "editor/program_state.h"
#include "editor/window_links.h"
#include "encyclopedia/encyclopedia_lookup.h"
#include "encyclopedia/encyclopedia_state.h"
#include "encyclopedia/text_unpack.h"
#include "platform/message_box.h"
#include "platform/qt/event_guard.h"
#include "platform/qt/qt_keys.h"
#include "platform/qt/qt_text.h"
#include "platform/virtual_keys.h"
#include "platform/win1250.h"

namespace vorda {

TForm7::TForm7(QWidget* main_window, QWidget* map_window, ControlsMade made)
    : LateControlsWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                      Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      main_window_(main_window),
      map_window_(map_window) {
  setWindowTitle(ToQString("Enciklopédia a Lexorből"_w));
  resize(kWidth, kHeight);
  MakeControlsAt(made);
  GuardEvent([this] { FormCreate(); });
}

TForm7::~TForm7() {
  Windows().OnLookupEncyclopedia = nullptr;
  Windows().OnEncyclopediaFolderChanged = nullptr;
  InstallEncyclopediaView(nullptr);
}

QTextEdit& TForm7::Enc() {
  EnsureControls();
  return *enc_;
}

QLabel& TForm7::StatusPanel() {
  EnsureControls();
  return *panel_;
}

void TForm7::EntryView::Clear() {
  form_.EnsureControls();
  form_.enc_view_->Clear();
}

void TForm7::EntryView::LoadRtf(std::string_view rtf) {
  form_.EnsureControls();
  form_.enc_view_->LoadRtf(rtf);
}

void TForm7::MakeControls() {
  enc_ = new QTextEdit(this);
  enc_view_.emplace(*enc_);
  enc_->setReadOnly(true);
  QPalette grey = enc_->palette();
  grey.setColor(QPalette::Base, QColor(0x87, 0x87, 0x87));
  enc_->setPalette(grey);
  enc_->setPlainText(QStringLiteral("Enc"));
  enc_->installEventFilter(this);

  status_bar_ = new QStatusBar(this);
  status_bar_->setSizeGripEnabled(false);
  panel_ = new QLabel(status_bar_);
  panel_->setMinimumWidth(50);
  status_bar_->addWidget(panel_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(enc_, 1);
  layout->addWidget(status_bar_);
  setFocusProxy(enc_);
  enc_->setFocus();
}

void TForm7::FormCreate() {
  InstallEncyclopediaView(&view_);
  Windows().OnLookupEncyclopedia = [this] { GuardEvent([this] { LookupAtCursor(); }); };
  Windows().OnEncyclopediaFolderChanged = [](const std::string& folder) { DetectEncyclopediaTextMode(folder); };

  // How the encyclopedia is packed is found once here (and again when the
  // settings change its folder).
  const std::string refused = LoadEncyclopediaPacking(Program().ProgramDir);
  if (!refused.empty()) Messages().Show(refused, MessageKind::Warning);
  DetectEncyclopediaTextMode(Program().Options.Lexor);
}

void TForm7::LookupAtCursor() {
  LookupEncyclopediaEntryAtCursor(Editor().CursorCell, Program().Options.Lexor);
  const auto& state = Encyclopedia();
  if (state.EncyclopediaText.empty()) return;
  StatusPanel().setText(ToQString(state.StatusText));
  show();
  raise();
  activateWindow();
}

bool TForm7::eventFilter(QObject* watched, QEvent* e) {
  if (watched == enc_ && e->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(e);
    if (TranslateKeyEvent(*key, false).code == vk::Escape) {
      close();
      return true;
    }
  }
  return QWidget::eventFilter(watched, e);
}

void TForm7::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  CentreOnMainWindow(this, main_window_);
}

void TForm7::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::ActivationChange && isActiveWindow()) SetBlockedEnabled(false);
}

void TForm7::closeEvent(QCloseEvent* e) {
  SetBlockedEnabled(true);
  QWidget::closeEvent(e);
}

void TForm7::SetBlockedEnabled(bool enabled) {
  if (main_window_) main_window_->setEnabled(enabled);
  if (map_window_) map_window_->setEnabled(enabled);
}

}  // namespace vorda
