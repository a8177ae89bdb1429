// The floor the program's start is measured against (scripts/bench): a bare Qt
// Widgets window of the main window's size that paints itself black, started
// the way vorda40 starts (the same scaling settings), marking the end of its
// first paint as the program marks its first drawn sheet. Arguments: the
// window's width and height (default 680 x 564, the main window under Xvfb).
//
// Built with VORDA_BARE_WITH_MENU_AND_TEXT it also has what any window of the
// program's kind shows at once: a menu bar with the main window's two menus
// and their twelve items, a line of text in the sheet's font at its size,
// and a second window of the map window's size shown beside it. What the
// program costs beyond that is its own work.
#include <QApplication>
#include <QPainter>
#include <QWidget>
#ifdef VORDA_BARE_WITH_MENU_AND_TEXT
#include <QMenuBar>
#include <QVBoxLayout>
#endif

#include "platform/timing_marks.h"

namespace {

class BareWindow : public QWidget {
 public:
  BareWindow() {
#ifdef VORDA_BARE_WITH_MENU_AND_TEXT
    auto* bar = new QMenuBar(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(bar);
    layout->addStretch();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    for (const char* item : {"Üres UL\tCtrl+F3", "UL betöltés\tF3", "UL mentése\tF2", "E-mail UL mentés\tAlt+F2",
                             "2 forduló összehasonlítása\tAlt+F3"})
      file->addAction(QString::fromUtf8(item));
    file->addSeparator();
    file->addAction(QString::fromUtf8("&Kilépés\tAlt+X"));
    QMenu* sheet = bar->addMenu(QString::fromUtf8("&UL tábla"));
    for (const char* item : {"Váltás leírás/erőforrások között\tF6", "&Beállítások\tF5", "&Térkép",
                             "&Notesz a karakterhez\tCtrl+F5", "UL &küldése\tF9", "&Enciklopédia\tF11"})
      sheet->addAction(QString::fromUtf8(item));
#endif
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
#ifdef VORDA_BARE_WITH_MENU_AND_TEXT
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(8, 60, QString::fromUtf8("1. MOZG 12   Mozgás északra a 12. mezőre, 3 TVP"));
#endif
    painter.end();
    if (painted_) return;
    painted_ = true;
    vorda::TimingMark("first-drawn-sheet");
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  vorda::TimingMark("main");
  if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING")) qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Floor);
  QApplication app(argc, argv);
  vorda::TimingMark("app");
  const QStringList args = QApplication::arguments();
  BareWindow window;
  window.setAttribute(Qt::WA_OpaquePaintEvent);
  window.resize(args.size() > 2 ? args[1].toInt() : 680, args.size() > 2 ? args[2].toInt() : 564);
#ifdef VORDA_BARE_WITH_MENU_AND_TEXT
  QWidget second;
  second.setFixedSize(520, 434);
  second.show();
#endif
  window.show();
  return QApplication::exec();
}
