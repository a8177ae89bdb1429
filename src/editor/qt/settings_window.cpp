#include "editor/qt/settings_window.h"

#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>

#include "editor/program_state.h"
#include "editor/settings_dialog.h"
#include "editor/window_links.h"
#include "platform/qt/event_guard.h"
#include "platform/qt/window_placement.h"
#include "platform/qt/qt_text.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

QLabel* BoldLabel(QWidget* parent, const std::string& text, int x, int y, const char* color) {
  auto* label = new QLabel(ToQString(text), parent);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, QColor(QString::fromLatin1(color)));
  label->setPalette(pal);
  QFont bold = parent->font();
  bold.setBold(true);
  label->setFont(bold);
  label->move(x, y);
  label->adjustSize();
  return label;
}

constexpr const char* kYellow = "#FFFF00";
constexpr const char* kAqua = "#00FFFF";

// A value field: any whole number of its length may be typed; one outside the
// range is brought to the nearest bound when the field is left or read.
class SettingsSpin : public QSpinBox {
 public:
  SettingsSpin(int index, QWidget* parent) : QSpinBox(parent), index_(index) {
    const SpinRange r = kSettingsRanges[static_cast<std::size_t>(index)];
    setRange(r.Min, r.Max);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  }

 protected:
  QValidator::State validate(QString& text, int& /*pos*/) const override {
    const QString typed = text.trimmed();
    if (typed == textFromValue(value())) return QValidator::Acceptable;  // set from the settings, not typed
    if (typed.size() > kSettingsValueLengths[static_cast<std::size_t>(index_)]) return QValidator::Invalid;
    if (typed.isEmpty() || (typed == "-" && minimum() < 0)) return QValidator::Intermediate;
    bool ok = false;
    const qlonglong value = typed.toLongLong(&ok);
    if (!ok || typed.startsWith('+')) return QValidator::Invalid;
    return value < minimum() || value > maximum() ? QValidator::Intermediate : QValidator::Acceptable;
  }
  void fixup(QString& text) const override {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (ok) text = QString::number(ClampSettingsValue(index_, value));
  }

 private:
  int index_;
};

QString FolderText(std::string& folder) {
  if (!KeepFolderSetting(folder)) return ToQString("Nincs beállított elérési út"_w);
  return QFile::decodeName(QByteArray::fromStdString(folder));
}

}  // namespace

TForm6::TForm6(QWidget* main, ControlsMade made)
    : LateControlsWindow(main, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), main_(main) {
  setWindowTitle(ToQString("Beállítások"_w));
  setWindowModality(Qt::ApplicationModal);
  setFixedSize(282, 423);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  // The small dialog type the window's places were laid out for: the longest
  // labels end before the controls beside them only in a face of its width.
  QFont small(QStringLiteral("Liberation Sans"));
  small.setPixelSize(11);
  setFont(small);
  MakeControlsAt(made);

  Windows().OnShowSettings = [this] { ShowInFront(*this); };
}

TForm6::~TForm6() { Windows().OnShowSettings = nullptr; }

QSpinBox* TForm6::SpinEdit(int index) {
  EnsureControls();
  return spins_[static_cast<std::size_t>(index)];
}

void TForm6::MakeControls() {
  struct Spin {
    std::string label;
    int label_y, spin_y;
  };
  const Spin spins[] = {
      {"Mozgások TVP értéke:"_w, 13, 8},
      {"Feltalálás parancsok TVP értéke:"_w, 36, 32},
      {"Térfókuszok száma:"_w, 60, 56},
      {"felhasználandó TVP értéke:"_w, 124, 119},
      {"felhasználandó VP értéke:"_w, 148, 143},
      {"felhasználandó PP értéke:"_w, 172, 167},
      {"felhasználandó TU értéke:"_w, 196, 191},
  };
  for (int i = 0; i < 7; ++i) {
    const Spin& s = spins[i];
    BoldLabel(this, s.label, 18, s.label_y, kYellow);
    auto* spin = new SettingsSpin(i, this);
    spin->setGeometry(216, s.spin_y, 58, 22);
    spin->installEventFilter(this);
    spins_[static_cast<std::size_t>(i)] = spin;
  }
  BoldLabel(this, "Kör közben elhasznált erőforrások\n(pl. kezdet, vagy befejező parancsok)"_w, 18, 86, kYellow);

  auto folder_row = [this](const std::string& caption, int y, int button_y, QLabel*& shown) {
    BoldLabel(this, caption, 18, y, kYellow);
    shown = BoldLabel(this, "", 18, y + 24, kAqua);
    shown->resize(258, 16);
    auto* button = new QPushButton(ToQString("Keresés..."_w), this);
    button->setGeometry(176, button_y, 90, 24);
    return button;
  };
  button1_ = folder_row("SF_MAP.DAT elérési útja:"_w, 236, 231, label9_);
  auto* button4 = folder_row("TEXT.DTA elérési útja:"_w, 284, 279, label11_);
  auto* button5 = folder_row("Fordulók elérési útja:"_w, 332, 327, label13_);
  auto* ok = new QPushButton("OK", this);
  ok->setGeometry(32, 381, 82, 26);
  auto* cancel = new QPushButton(ToQString("Mégsem"_w), this);
  cancel->setGeometry(168, 381, 82, 26);

  connect(button1_, &QPushButton::clicked, this, [this] { GuardEvent([this] { PickFolder(1); }); });
  connect(button4, &QPushButton::clicked, this, [this] { GuardEvent([this] { PickFolder(2); }); });
  connect(button5, &QPushButton::clicked, this, [this] { GuardEvent([this] { PickFolder(3); }); });
  connect(ok, &QPushButton::clicked, this, [this] { GuardEvent([this] { Button2Click(); }); });
  connect(cancel, &QPushButton::clicked, this, [this] { close(); });
}

void TForm6::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (e->spontaneous()) return;
  if (main_ != nullptr) {
    const QRect m = main_->frameGeometry();
    move(m.left() + (m.width() - width()) / 2, m.top() + (m.height() - height()) / 2);
  }
  GuardEvent([this] { FormActivate(); });
}

void TForm6::FormActivate() {
  const SettingsValues values = CharSettingsValues();
  for (int i = 0; i < 7; ++i) spins_[static_cast<std::size_t>(i)]->setValue(values[static_cast<std::size_t>(i)]);
  ShowFolders();
  spins_[0]->setFocus();
}

void TForm6::ShowFolders() {
  auto& o = Program().Options;
  label9_->setText(FolderText(o.Map));
  label11_->setText(FolderText(o.Lexor));
  label13_->setText(FolderText(o.Fordulo));
}

void TForm6::PickFolder(int which) {
  auto& o = Program().Options;
  const std::string& folder = which == 1 ? o.Map : which == 2 ? o.Lexor : o.Fordulo;
  const QString start = QFile::decodeName(QByteArray::fromStdString(folder));
  QString chosen;
  if (which == 1)
    chosen = QFileDialog::getOpenFileName(this, QString(), start + "MAP.DAT", ToQString("MV térkép (map.dat)"_w));
  else if (which == 2)
    chosen = QFileDialog::getOpenFileName(this, QString(), start + "TEXT.DTA", "Lexor adatfile (text.dta)");
  else
    chosen = QFileDialog::getOpenFileName(this, QString(), start, "*.htm");
  if (chosen.isEmpty()) return;
  const std::string file = QFile::encodeName(chosen).toStdString();
  if (which == 1)
    ChooseMapFolder(file);
  else if (which == 2)
    ChooseEncyclopediaFolder(file);
  else
    ChooseReportFolder(file);
  ShowFolders();
}

void TForm6::Button2Click() {
  EnsureControls();
  SettingsValues values{};
  for (int i = 0; i < 7; ++i) {
    QSpinBox* spin = spins_[static_cast<std::size_t>(i)];
    spin->interpretText();
    values[static_cast<std::size_t>(i)] = spin->value();
  }
  close();
  StoreSettingsValues(values);
  if (main_ != nullptr) main_->update();
}

void TForm6::paintEvent(QPaintEvent* e) {
  QWidget::paintEvent(e);
  QPainter painter(this);
  painter.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 2));
  painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

// Enter in a value moves on to the next one, the last to the map folder's button.
bool TForm6::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(e)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      for (int i = 0; i < 7; ++i)
        if (watched == spins_[static_cast<std::size_t>(i)]) {
          if (i < 6)
            spins_[static_cast<std::size_t>(i) + 1]->setFocus();
          else
            button1_->setFocus();
          return true;
        }
    }
  }
  return QWidget::eventFilter(watched, e);
}

}  // namespace vorda
