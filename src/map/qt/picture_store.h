#pragma once
// The picture store `TForm4`: a window that is never shown, holding the
// pictures the map window paints from and the editor's scratch pictures. All
// pictures are our own, drawn here at start:
// - terrain tiles Kep0..Kep22 (39 x 39): a colour of their own per code and a
//   hatch pattern with the code's number in small digits;
// - feature icons Komp1..Komp17 (33 x 15): a colour per kind, the kind's number
//   in a chip at the left and a black field for the feature's number;
//   Komp0, the empty side-panel slot, is a dim outline;
// - Ismert (19 x 19): a grey disc with a question mark, see-through around it;
// - digits S0..S9 (4 x 7): white on black;
// - Save1, Save2 (33 x 15, resized when used) and SavePic (170 x 136): blank.
#include <QImage>
#include <QWidget>
#include <array>

namespace vorda {

class TForm4 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm4(QWidget* parent = nullptr);

  static constexpr int kTileSize = 39;
  static constexpr int kIconWidth = 33;
  static constexpr int kIconHeight = 15;
  static constexpr int kMarkSize = 19;
  static constexpr int kDigitWidth = 4;
  static constexpr int kDigitHeight = 7;

  // Out-of-range numbers give the empty picture of their group (tile 0, Komp0,
  // digit 0).
  const QImage& Kep(int code) const;
  const QImage& Komp(int kind) const;
  const QImage& Ismert() const { return ismert_; }
  const QImage& S(int digit) const;
  QImage& Save1() { return save1_; }
  QImage& Save2() { return save2_; }
  QImage& SavePic() { return save_pic_; }

 private:
  std::array<QImage, 23> kep_;
  std::array<QImage, 18> komp_;
  std::array<QImage, 10> s_;
  QImage ismert_;
  QImage save1_, save2_, save_pic_;
};

}  // namespace vorda
