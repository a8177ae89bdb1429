#include "map/qt/map_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <functional>

#include "editor/program_state.h"
#include "editor/window_links.h"
#include "map/map_view.h"
#include "map/qt/picture_store.h"
#include "orders/orders_state.h"
#include "platform/qt/event_guard.h"
#include "platform/qt/qt_text.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

// 8 point at 96 pixels per inch: characters 11 pixels high, whatever the
// screen's own pixels per inch.
constexpr int kFontPixels = 11;

QFont LabelFont(bool narrow = false) {
  QFont f(narrow ? QStringLiteral("Liberation Sans Narrow") : QStringLiteral("Liberation Sans"));
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(kFontPixels);
  f.setBold(true);
  return f;
}

// $BBGGRR to Qt's colour.
QColor ToQColor(Color c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

// A label in the window's own font (which every control takes from the
// window), or in `font`.
QLabel* MakeLabel(QWidget* parent, const QString& text, Qt::GlobalColor color, const QFont* font = nullptr) {
  auto* label = new QLabel(text, parent);
  if (font) label->setFont(*font);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, color);
  label->setPalette(pal);
  return label;
}

void BlackBackground(QWidget* w) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, Qt::black);
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

class QtMapPainter : public MapPainter {
 public:
  QtMapPainter(QPainter& painter, const TForm4& pictures) : p_(painter), pictures_(pictures) {}
  void DrawPicture(MapPicture picture, int index, int x, int y) override {
    switch (picture) {
      case MapPicture::Tile: p_.drawImage(x, y, pictures_.Kep(index)); break;
      case MapPicture::Icon: p_.drawImage(x, y, pictures_.Komp(index)); break;
      case MapPicture::Unknown: p_.drawImage(x, y, pictures_.Ismert()); break;
      case MapPicture::Digit: p_.drawImage(x, y, pictures_.S(index)); break;
    }
  }
  void DrawFrame(const std::array<Point, 5>& points, Color color) override {
    QPen pen(ToQColor(color));
    pen.setWidth(2);
    pen.setJoinStyle(Qt::MiterJoin);
    p_.setPen(pen);
    std::array<QPoint, 5> q;
    for (std::size_t i = 0; i < points.size(); ++i) q[i] = QPoint(points[i].x, points[i].y);
    p_.drawPolyline(q.data(), static_cast<int>(q.size()));
  }

 private:
  QPainter& p_;
  const TForm4& pictures_;
};

// The slot's frame: a blue line just inside its bounds, nothing filled.
class FeatureSlotFrame : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(Qt::blue);
    p.drawRect(0, 0, width() - 1, height() - 1);
  }
};

}  // namespace

// The draw grid `DrawGrid1`: 5 x 5 squares that the view paints. A change of the
// selected square, by the mouse or the arrow keys, reports itself; so does any
// key released in the grid.
class MapGridWidget : public QWidget {
 public:
  MapGridWidget(const TForm4& pictures, QWidget* parent)
      : QWidget(parent), pictures_(pictures), image_(kMapGridPixels, kMapGridPixels, QImage::Format_RGB32) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_.fill(Qt::black);
  }

  std::function<void(int col, int row)> OnSelect;
  std::function<void()> OnKeyUp;

  void Render() {
    image_.fill(Qt::black);
    QPainter p(&image_);
    QtMapPainter painter(p, pictures_);
    PaintMapGrid(painter);
    p.end();
    repaint();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(0, 0, image_);
  }
  void mousePressEvent(QMouseEvent* e) override {
    const int pitch = kMapSquarePixels + 1;
    const QPoint at = e->position().toPoint();
    if (at.x() < 0 || at.y() < 0) return;
    Select(at.x() / pitch, at.y() / pitch);
  }
  void keyPressEvent(QKeyEvent* e) override {
    const auto& v = MapView();
    switch (e->key()) {
      case Qt::Key_Left: Select(v.Col - 1, v.Row); break;
      case Qt::Key_Right: Select(v.Col + 1, v.Row); break;
      case Qt::Key_Up: Select(v.Col, v.Row - 1); break;
      case Qt::Key_Down: Select(v.Col, v.Row + 1); break;
      default: QWidget::keyPressEvent(e); return;
    }
    e->accept();
  }
  void keyReleaseEvent(QKeyEvent* e) override {
    if (e->isAutoRepeat()) return;
    if (OnKeyUp) OnKeyUp();
  }

 private:
  void Select(int col, int row) {
    if (col < 0 || col >= kMapViewSize || row < 0 || row >= kMapViewSize) return;
    if (OnSelect) OnSelect(col, row);
  }

  const TForm4& pictures_;
  QImage image_;
};

// A coordinate field: typed characters go through the key filter first.
class MapFieldEdit : public QLineEdit {
 public:
  MapFieldEdit(MapField field, QWidget* parent) : QLineEdit(parent), field_(field) {}

  std::function<void(MapFocus)> OnFocus;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    const std::string typed = FromQString(e->text());
    if (typed.size() == 1) {
      char key = typed[0];
      const MapFocus focus = MapFieldKeyPress(field_, key);
      if (key == 0) {
        e->accept();
        if (focus != MapFocus::Stay && OnFocus) OnFocus(focus);
        return;
      }
    }
    QLineEdit::keyPressEvent(e);
  }

 private:
  MapField field_;
};

TForm3::TForm3(const TForm4& pictures, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      pictures_(pictures) {
  GuardEvent([this] { FormCreate(); });
}

TForm3::~TForm3() {
  auto& links = Windows();
  links.OnRefreshMap = nullptr;
  links.OnMapVisible = nullptr;
  links.OnShowMap = nullptr;
  links.OnMapPlace = nullptr;
}

void TForm3::FormCreate() {
  setWindowTitle(ToQString("Térkép lépésellenőrzés"_w));
  setFixedSize(kClientWidth, kClientHeight);
  // Closing the main window ends the program even while this one is shown.
  setAttribute(Qt::WA_QuitOnClose, false);
  BlackBackground(this);
  BuildControls();

  const auto& options = Program().Options;
  move(options.MapLeft, options.MapTop);
  MapView().Col = kMapViewCentre;
  MapView().Row = kMapViewCentre;
  MapView().EmptyMapCell = MapCell{};

  auto& links = Windows();
  links.OnRefreshMap = [this](bool force) { RefreshMapWindow(force); };
  links.OnMapVisible = [this] { return isVisible(); };
  links.OnShowMap = [this] { ShowMapWindow(); };
  links.OnMapPlace = [this] { return WindowPlace{x(), y(), width(), height()}; };

  SyncControls();
  RefreshMapWindow(true);
  if (options.ShowMap) show();
}

void TForm3::BuildControls() {
  setFont(LabelFont());
  DrawGrid1 = new MapGridWidget(pictures_, this);
  DrawGrid1->setGeometry(0, 0, kMapGridPixels, kMapGridPixels);
  DrawGrid1->OnSelect = [this](int col, int row) { GuardEvent([&] { DrawGrid1Click(col, row); }); };
  DrawGrid1->OnKeyUp = [this] { GuardEvent([this] { DrawGrid1KeyUp(); }); };

  for (int i = 0; i < kMapViewSize; ++i) {
    const auto n = static_cast<std::size_t>(i);
    FK[n] = MakeLabel(this, QString(), Qt::white);
    FK[n]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    FK[n]->setGeometry(33 + 40 * i - 30, 201, 30, 13);
    BK[n] = MakeLabel(this, QString(), Qt::white);
    BK[n]->setGeometry(204, 13 + 40 * i, 22, 13);
  }

  KompPanel = new QWidget(this);
  KompPanel->setGeometry(226, -33, 287, 458);
  BlackBackground(KompPanel);
  const auto preview = [this](int x, int y) {
    auto* image = new QLabel(KompPanel);
    image->setGeometry(x, y, TForm4::kTileSize, TForm4::kTileSize);
    return image;
  };
  Nagykep2 = preview(9, 40);
  Nagykep = preview(48, 40);
  Nagykep4 = preview(9, 79);
  Nagykep3 = preview(48, 79);
  // The captions stand right of the preview, where it cannot cover them.
  const QFont narrow = LabelFont(true);
  Tajfelirat = MakeLabel(KompPanel, QString(), Qt::yellow, &narrow);
  Tajfelirat->setGeometry(96, 58, 187, 13);
  IsmertFelirat = MakeLabel(KompPanel, QString(), Qt::white, &narrow);
  IsmertFelirat->setGeometry(96, 74, 187, 13);

  const QString hint = ToQString("duppla kattintás: enciklopédia"_w);
  for (int n = 1; n <= kFeatureSlotCount; ++n) {
    const auto s = static_cast<std::size_t>(n);
    const int left = n <= 10 ? 2 : 142;
    const int top = 122 + 32 * ((n - 1) % 10);
    KB[s] = new FeatureSlotFrame(KompPanel);
    KB[s]->setGeometry(left, top, 141, 33);
    KB[s]->hide();
    KompKep[s] = new QLabel(KompPanel);
    KompKep[s]->setGeometry(left + 6, top + 4, TForm4::kIconWidth, TForm4::kIconHeight);
    KompKep[s]->setToolTip(hint);
    KSt[s] = MakeLabel(KompPanel, QString(), Qt::yellow);
    KSt[s]->setGeometry(left + 5, top + 18, 134, 14);
  }

  const auto text = [this](const std::string& win1250, int x, int y) {
    MakeLabel(this, ToQString(win1250), Qt::white)->move(x, y);
  };
  text("Forduló elején az induló koordináták"_w, 3, 227);
  text("X:", 11, 244);
  text("Y:", 67, 244);
  text("Beteleportálás induló koordinátája:"_w, 3, 291);
  text("X:", 11, 309);
  text("Y:", 67, 309);

  const struct {
    MapField field;
    int x, y, width;
  } edits[] = {{MapField::Edit1, 29, 245, 35}, {MapField::Edit2, 85, 245, 35},
               {MapField::Edit3, 29, 310, 35}, {MapField::Edit4, 85, 310, 36}};
  for (const auto& e : edits) {
    auto* edit = new MapFieldEdit(e.field, this);
    edit->setGeometry(e.x, e.y, e.width, 15);
    edit->setFrame(false);
    edit->setMaxLength(kMapFieldLength);
    edit->setTextMargins(0, 0, 0, 0);
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Base, Qt::black);
    pal.setColor(QPalette::Text, Qt::yellow);
    pal.setColor(QPalette::Disabled, QPalette::Base, Qt::black);
    pal.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 0));
    edit->setPalette(pal);
    edit->OnFocus = [this](MapFocus focus) { FieldFocus(focus); };
    const MapField field = e.field;
    connect(edit, &QLineEdit::textEdited, this,
            [this, field](const QString& t) { GuardEvent([&] { FieldEdited(field, t); }); });
    Edits[static_cast<std::size_t>(field)] = edit;
  }

  CheckBox1 = new QCheckBox(ToQString("Teleport (városi teleport, falka)"_w), this);
  CheckBox1->setGeometry(4, 264, 350, 17);
  QPalette pal = CheckBox1->palette();
  pal.setColor(QPalette::WindowText, Qt::white);
  CheckBox1->setPalette(pal);
  connect(CheckBox1, &QCheckBox::clicked, this, [this](bool checked) { GuardEvent([&] { CheckBox1Click(checked); }); });

  setTabOrder(DrawGrid1, Edits[1]);
  setTabOrder(Edits[1], Edits[2]);
  setTabOrder(Edits[2], CheckBox1);
  setTabOrder(CheckBox1, Edits[3]);
  setTabOrder(Edits[3], Edits[4]);
}

QWidget* TForm3::Grid() const { return DrawGrid1; }

QLineEdit* TForm3::Field(MapField field) const { return Edits[static_cast<std::size_t>(field)]; }

void TForm3::RefreshMapWindow(bool force) {
  SyncControls();
  if (!RefreshMapView(force)) return;
  RepaintGrid();
}

void TForm3::ShowMapWindow() {
  setEnabled(true);
  show();
  raise();
  activateWindow();
  SelectMapSquare(kMapViewCentre, MapView().Row);
  SelectMapSquare(kMapViewCentre, kMapViewCentre);
  RepaintGrid();
}

void TForm3::FormActivate() {
  RefreshMapWindow(false);
  MapWindowActivated();
}

void TForm3::FormDeactivate() {
  MapWindowDeactivated();
  RepaintGrid();
}

void TForm3::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() != QEvent::ActivationChange) return;
  GuardEvent([this] {
    if (isActiveWindow())
      FormActivate();
    else
      FormDeactivate();
  });
}

void TForm3::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  Program().Options.ShowMap = true;
  GuardEvent([this] { SyncControls(); });
}

void TForm3::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  // Minimising is no closing: the window stays shown for the next start.
  if (!e->spontaneous()) Program().Options.ShowMap = false;
}

void TForm3::SyncControls() {
  for (const MapField field : {MapField::Edit1, MapField::Edit2, MapField::Edit3, MapField::Edit4}) {
    QLineEdit* edit = Field(field);
    const QString text = ToQString(MapFieldText(field));
    if (edit->text() != text) edit->setText(text);
  }
  const bool checked = Orders().TeleportReturnChecked;
  if (CheckBox1->isChecked() != checked) CheckBox1->setChecked(checked);  // clicked() is not emitted
  Field(MapField::Edit3)->setEnabled(TeleportFieldsEnabled());
  Field(MapField::Edit4)->setEnabled(TeleportFieldsEnabled());
}

void TForm3::RepaintGrid() {
  DrawGrid1->Render();
  const int terrain = MapView().PreviewTerrain;
  if (terrain >= 0) {
    const QPixmap tile = QPixmap::fromImage(pictures_.Kep(terrain));
    for (QLabel* image : {Nagykep, Nagykep2, Nagykep3, Nagykep4}) image->setPixmap(tile);
  }
  IsmertFelirat->setText(ToQString(MapView().IsmertFelirat));
  Tajfelirat->setText(ToQString(MapView().Tajfelirat));
  ShowLabelsAndSlots();
}

void TForm3::ShowLabelsAndSlots() {
  const auto& v = MapView();
  for (std::size_t i = 0; i < FK.size(); ++i) {
    FK[i]->setText(ToQString(v.FK[i]));
    BK[i]->setText(ToQString(v.BK[i]));
  }
  ShowSlots();
}

void TForm3::ShowSlots() {
  const auto& v = MapView();
  for (int n = 1; n <= kFeatureSlotCount; ++n) {
    const auto s = static_cast<std::size_t>(n);
    const TFeatureSlot& slot = v.Slots[s];
    // The digits go onto the slot's own copy; the store's icon stays clean.
    QImage picture = pictures_.Komp(slot.Picture).copy();
    if (slot.Numbered) DrawSlotNumber(picture, slot.Number);
    KompKep[s]->setPixmap(QPixmap::fromImage(picture));
    KSt[s]->setText(ToQString(slot.Name));
    KB[s]->setVisible(slot.FrameVisible);
  }
}

void TForm3::DrawSlotNumber(QImage& image, std::uint16_t number) const {
  for (const DigitAt& d : NumberDigits(number)) DrawSlotDigit(image, d.position, d.digit);
}

void TForm3::DrawSlotDigit(QImage& image, int position, int digit) const {
  const Point at = DigitOffset(position);
  QPainter p(&image);
  p.drawImage(at.x, at.y, pictures_.S(digit));
}

void TForm3::DrawGrid1Click(int col, int row) {
  // The new square refills the side panel; the old and the new square are
  // painted again, so that the frame, preview and captions follow.
  if (!SelectMapSquare(col, row)) return;
  RepaintGrid();
}

void TForm3::DrawGrid1KeyUp() {
  FillFeatureSlots();
  ShowSlots();
}

void TForm3::FieldEdited(MapField field, const QString& text) {
  StoreMapField(field, FromQString(text));
  RefreshMapWindow(false);
}

void TForm3::FieldFocus(MapFocus focus) {
  switch (focus) {
    case MapFocus::Stay: break;
    case MapFocus::Edit2: Field(MapField::Edit2)->setFocus(Qt::TabFocusReason); break;
    case MapFocus::Edit4: Field(MapField::Edit4)->setFocus(Qt::TabFocusReason); break;
    case MapFocus::Grid: DrawGrid1->setFocus(Qt::TabFocusReason); break;
  }
}

void TForm3::CheckBox1Click(bool checked) {
  if (SetTeleportChecked(checked)) SyncControls();
  RefreshMapWindow(false);
}

}  // namespace vorda
