#include "editor/qt/turn_comparison_window.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "editor/editor_state.h"
#include "editor/program_state.h"
#include "editor/turn_comparison.h"
#include "editor/window_links.h"
#include "platform/qt/event_guard.h"
#include "platform/qt/window_placement.h"
#include "platform/qt/qt_text.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

QLabel* YellowLabel(QWidget* parent, const std::string& text, int x, int y) {
  auto* label = new QLabel(ToQString(text), parent);
  label->setStyleSheet("color: #FFFF00; background: transparent;");
  label->move(x, y);
  label->adjustSize();
  return label;
}

QListWidget* ItemList(QWidget* parent, int x, int y, int w, int h) {
  auto* list = new QListWidget(parent);
  list->setGeometry(x, y, w, h);
  list->setFrameShape(QFrame::NoFrame);
  list->setStyleSheet("QListWidget { background: #000000; color: #FFFF00; }");
  QFont font("Courier New");
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  list->setFont(font);
  return list;
}

void Fill(QListWidget* list, const std::vector<std::string>& lines) {
  list->clear();
  for (const auto& line : lines) list->addItem(ToQString(line));
}

}  // namespace

TForm8::TForm8(QWidget* main, ControlsMade made)
    : LateControlsWindow(main, Qt::Window | Qt::WindowStaysOnTopHint), main_(main) {
  setWindowTitle(ToQString("2 Forduló tárgyainak összehasonlítása (Vorda40 by Quorbel)"_w));
  setWindowModality(Qt::ApplicationModal);
  setFixedSize(721, 555);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);

  ResetTurnComparison();
  MakeControlsAt(made);
  Windows().OnShowComparison = [this] { ShowInFront(*this); };
}

TForm8::~TForm8() { Windows().OnShowComparison = nullptr; }

void TForm8::MakeControls() {
  auto* button1 = new QPushButton(ToQString("Első forduló"_w), this);
  button1->move(8, 12);
  auto* button2 = new QPushButton(ToQString("Második forduló"_w), this);
  button2->move(120, 12);
  auto* button3 = new QPushButton(ToQString("Összehasonlítás"_w), this);
  button3->move(608, 12);
  for (auto* b : {button1, button2, button3}) b->resize(105, 25);
  elso_kari_ = YellowLabel(this, "", 232, 10);
  masodik_kari_ = YellowLabel(this, "", 232, 26);
  for (auto* l : {elso_kari_, masodik_kari_}) l->resize(370, 16);
  YellowLabel(this, "Változások darabszámban:"_w, 16, 48);
  vdb_ = ItemList(this, 8, 64, 705, 142);
  YellowLabel(this, "Csak az első fordulóban van meg:"_w, 16, 212);
  nl_kar1_ = ItemList(this, 8, 227, 353, 142);
  YellowLabel(this, "Csak a második fordulóban van meg:"_w, 379, 212);
  nl_kar2_ = ItemList(this, 370, 227, 343, 142);
  YellowLabel(this, "A táborozása alatti tárgyszám változások:"_w, 16, 384);
  vtdb_ = ItemList(this, 8, 400, 705, 142);

  connect(button1, &QPushButton::clicked, this, [this] { GuardEvent([this] { LoadReport(1); }); });
  connect(button2, &QPushButton::clicked, this, [this] { GuardEvent([this] { LoadReport(2); }); });
  connect(button3, &QPushButton::clicked, this, [this] { GuardEvent([this] { Button3Click(); }); });
  ShowFileLabels();
}

void TForm8::ShowFileLabels() {
  const auto& s = TurnComparison();
  elso_kari_->setText(s.Turn1File.empty() ? ToQString("Nincs betöltve első karakter"_w)
                                          : QFile::decodeName(QByteArray::fromStdString(s.Turn1File)));
  masodik_kari_->setText(s.Turn2File.empty() ? ToQString("Nincs betöltve második karakter"_w)
                                             : QFile::decodeName(QByteArray::fromStdString(s.Turn2File)));
}

void TForm8::LoadReport(int turn) {
  const std::string& folder = Program().Options.Fordulo;
  const QString chosen =
      QFileDialog::getOpenFileName(this, QString(), QFile::decodeName(QByteArray::fromStdString(folder)), "*.htm");
  if (chosen.isEmpty()) return;
  LoadTurnReport(turn, QFile::encodeName(chosen).toStdString());
  ShowFileLabels();
}

void TForm8::Button3Click() {
  EnsureControls();
  const ComparisonLists lists = CompareTurns();
  Fill(vdb_, lists.VDB);
  Fill(nl_kar1_, lists.NLKar1);
  Fill(nl_kar2_, lists.NLKar2);
  Fill(vtdb_, lists.VTDB);
}

void TForm8::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (main_ != nullptr) {
    const QRect m = main_->frameGeometry();
    move(m.left() + (m.width() - frameGeometry().width()) / 2, m.top() + (m.height() - frameGeometry().height()) / 2);
  }
}

void TForm8::closeEvent(QCloseEvent* e) {
  auto& ed = Editor();
  ed.EditorReady = true;
  ed.EditorMode = 1;
  QWidget::closeEvent(e);
}

}  // namespace vorda
