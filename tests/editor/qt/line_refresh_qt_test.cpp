// A refreshed line drawn on the real Qt canvas shows its mark-up colours where
// the mark-up puts them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "editor/editor_fixture.h"
#include "editor/line_refresh.h"
#include "platform/qt/qt_canvas.h"

namespace vorda {
namespace {

class LineRefreshQtTest : public testing::EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    InstallSheetCanvas(&qt);
    Editor().ColorMarkup = true;
  }
  // Columns x0..x1-1 of line L's description band that hold a pixel of colour c.
  bool HasColour(int line, int x0, int x1, Color c) const {
    for (int x = x0; x < x1; ++x)
      for (int y = 12 * line - 1; y < 12 * line + 11; ++y)
        if (QtCanvas::FromRgb(qt.Image().pixel(x, y)) == c) return true;
    return false;
  }
  QtCanvas qt{680, 545};
};

TEST_F(LineRefreshQtTest, ValueAndNormalColoursStandWhereTheMarkUpPutsThem) {
  // "M 2": "mozogsz" in the normal colour, then "@keletre" in the value colour.
  auto& s = SheetModel().Lines;
  s.SheetCodes[3] = "M";
  s.SheetParams[3] = {2, 0, 0};
  RefreshSheetLine(3);
  const std::string text = s.SheetTexts[3];
  const auto at = text.find('@');
  ASSERT_NE(at, std::string::npos) << text;
  qt.SetFontName("Arial CE");
  const int normal_end = 234 + qt.TextWidth(text.substr(0, at));
  EXPECT_TRUE(HasColour(3, 234, normal_end, colors::Yellow));
  EXPECT_FALSE(HasColour(3, 234, normal_end, colors::Aqua));
  EXPECT_TRUE(HasColour(3, normal_end, 700, colors::Aqua));
  EXPECT_FALSE(HasColour(3, 0, 680, colors::Red));
}

TEST_F(LineRefreshQtTest, ClearingALineLeavesNothingOfItsAccentedText) {
  // "M 3 7 1" reads "mozogsz délkeletre, északnyugatra, ..." in bold: the
  // accents must fall inside the band that the next refresh of the line clears.
  qt.SetFontBold(true);  // as the frame leaves the sheet's one font
  auto& s = SheetModel().Lines;
  s.SheetCodes[6] = "M";
  s.SheetParams[6] = {3, 7, 1};
  RefreshSheetLine(6);
  ASSERT_TRUE(HasColour(6, 234, 700, colors::Aqua));
  s.SheetCodes[6].clear();
  s.SheetParams[6] = {0, 0, 0};
  RefreshSheetLine(6);
  for (int y = 12 * 6 - 2; y <= 12 * 6 + 10; ++y)
    for (int x = 230; x < 680; ++x)
      if (y != 250) {
        ASSERT_EQ(QtCanvas::FromRgb(qt.Image().pixel(x, y)), colors::Black) << x << "," << y;
      }
}

// Three item names that hold every accented Hungarian letter, the descending
// letters and the other Windows-1250 letters with the tallest accents and the
// deepest hooks.
void NameLetterItems() {
  auto& t = Tables();
  const std::array<std::string, 3> names = {"gjpqyáéíóöőúüűÁÉÍÓÖ"_w, "ŐÚÜŰŮŚŠŤŽŹĆČĎĚĹŇŔŘÝÂ"_w,
                                            "ĄąĘęŞşŢţÇçĂăÎîďťľĽQß"_w};
  for (std::size_t k = 0; k < names.size(); ++k) {
    t.ItemTable[k + 1].Id = static_cast<std::int32_t>(k + 1);
    t.ItemTable[k + 1].Name = names[k];
  }
  t.ItemCount = 3;
}

// What each line draws must stay its own, whatever its neighbours do and in
// whichever order they are drawn and cleared.
TEST_F(LineRefreshQtTest, NeighbouringLinesNeverTouchALinesLetters) {
  const struct Case {
    int ppi, points;
    bool bold;
  } cases[] = {{96, 8, true}, {96, 8, false}, {120, 7, true}};
  constexpr int L = 10;
  const auto band = [this](int line) {  // x 230.. of rows 12L - 1 .. 12L + 10
    std::vector<QRgb> pixels;
    for (int y = 12 * line - 1; y < 12 * line + 11; ++y)
      for (int x = 230; x < qt.Image().width(); ++x) pixels.push_back(qt.Image().pixel(x, y));
    return pixels;
  };
  const auto right_half = [this] { return qt.Image().copy(230, 0, qt.Image().width() - 230, qt.Image().height()); };
  auto& s = SheetModel().Lines;
  const auto code = [&s](int line, bool drawn) {
    const std::array<std::int32_t, 3> order = {line % 3 + 1, (line + 1) % 3 + 1, (line + 2) % 3 + 1};
    s.SheetCodes[static_cast<std::size_t>(line)] = drawn ? "FF" : "";
    s.SheetParams[static_cast<std::size_t>(line)] = drawn ? order : std::array<std::int32_t, 3>{};
  };
  NameLetterItems();
  for (const Case& k : cases) {
    qt.SetPixelsPerInch(k.ppi);
    qt.SetFontSize(k.points);
    qt.SetFontBold(k.bold);
    Editor().LargeFontOffset = k.ppi > 96 ? -1 : 0;
    const auto fresh = [this] { qt.Image().fill(Qt::black); };

    // Each line alone on a black image.
    std::array<std::vector<QRgb>, 3> alone;
    for (int i = 0; i < 3; ++i) {
      fresh();
      code(L - 1 + i, true);
      RefreshSheetLine(L - 1 + i);
      alone[static_cast<std::size_t>(i)] = band(L - 1 + i);
      code(L - 1 + i, false);
    }
    ASSERT_NE(alone[1], std::vector<QRgb>(alone[1].size(), qRgb(0, 0, 0)));

    // All three drawn, in every order; then the neighbours cleared, one after the other.
    std::array<int, 3> order = {L - 1, L, L + 1};
    do {
      fresh();
      for (const int line : order) {
        code(line, true);
        RefreshSheetLine(line);
      }
      for (int i = 0; i < 3; ++i) ASSERT_TRUE(band(L - 1 + i) == alone[static_cast<std::size_t>(i)]) << k.ppi << " line " << L - 1 + i;
      for (const int line : order) {
        if (line == L) continue;
        code(line, false);
        RefreshSheetLine(line);
        ASSERT_TRUE(band(L) == alone[1]) << k.ppi << " after clearing line " << line;
      }
    } while (std::next_permutation(order.begin(), order.end()));

    // Cleared, the line leaves nothing behind: the right half is as if it had
    // never been drawn.
    fresh();
    code(L - 1, true);
    code(L + 1, true);
    RefreshSheetLine(L - 1);
    RefreshSheetLine(L + 1);
    const QImage without = right_half();
    code(L, true);
    RefreshSheetLine(L);
    code(L, false);
    RefreshSheetLine(L);
    EXPECT_TRUE(right_half() == without) << k.ppi;
    code(L - 1, false);
    code(L + 1, false);
  }
}

TEST_F(LineRefreshQtTest, UnknownCodeIsDrawnRed) {
  SheetModel().Lines.SheetCodes[5] = "m";
  RefreshSheetLine(5);
  EXPECT_TRUE(HasColour(5, 234, 400, colors::Red));
  EXPECT_FALSE(HasColour(5, 234, 400, colors::Yellow));
}

}  // namespace
}  // namespace vorda
