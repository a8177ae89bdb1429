#include "editor/line_refresh.h"

#include <gtest/gtest.h>

#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "editor/editor_fixture.h"

namespace vorda {
namespace {

using Op = RecordingCanvas::Op;

class LineRefreshTest : public testing::EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    Editor().ColorMarkup = true;
  }
  void SetLine(int line, const std::string& code, std::int32_t p1 = 0, std::int32_t p2 = 0, std::int32_t p3 = 0) {
    auto& s = SheetModel().Lines;
    s.SheetCodes[line] = code;
    s.SheetParams[line] = {p1, p2, p3};
  }
  // The visible characters drawn in the description panel, each with its colour.
  std::vector<std::pair<std::string, Color>> DescriptionRuns() const {
    std::vector<std::pair<std::string, Color>> out;
    for (const auto& e : canvas.Texts())
      if (e.x1 >= 234 && e.font == "Arial CE") out.push_back({e.text, e.color});
    return out;
  }
};

TEST_F(LineRefreshTest, BlanksAreRemovedFromTheStoredCode) {
  SetLine(3, " M A ");
  RefreshSheetLine(3);
  EXPECT_EQ(SheetModel().Lines.SheetCodes[3], "MA");
}

TEST_F(LineRefreshTest, UnknownCodeIsRedWarningWithNoTvp) {
  SetLine(2, "m", 1, 2, 3);
  SheetModel().Lines.SheetTvp[2] = 55;
  RefreshSheetLine(2);
  const auto& s = SheetModel().Lines;
  EXPECT_EQ(s.SheetTexts[2], "");
  const auto runs = DescriptionRuns();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].first, "? Ismeretlen parancs");
  EXPECT_EQ(runs[0].second, colors::Red);
  const auto texts = canvas.Texts();
  const auto it = std::find_if(texts.begin(), texts.end(), [](const auto& e) { return e.text == "? Ismeretlen parancs"; });
  ASSERT_NE(it, texts.end());
  EXPECT_EQ(it->x1, 234);
  EXPECT_EQ(it->y1, 12 * 2 - 2);
}

TEST_F(LineRefreshTest, UnknownCodeRowMovesUpOnLargeFontScreens) {
  Editor().LargeFontOffset = -1;
  SetLine(5, "QQQ");
  RefreshSheetLine(5);
  const auto texts = canvas.Texts();
  const auto it = std::find_if(texts.begin(), texts.end(), [](const auto& e) { return e.text == "? Ismeretlen parancs"; });
  ASSERT_NE(it, texts.end());
  EXPECT_EQ(it->y1, 12 * 5 - 3);
}

TEST_F(LineRefreshTest, FreeLineClearsItsBandAndDrawsNoDescription) {
  SheetModel().Lines.SheetTexts[7] = "old";
  RefreshSheetLine(7);
  EXPECT_EQ(SheetModel().Lines.SheetTexts[7], "");
  EXPECT_TRUE(DescriptionRuns().empty());
  const auto& first = canvas.Entries().front();
  bool band = false;
  for (const auto& e : canvas.Entries())
    if (e.op == Op::Fill && e.x1 == 230 && e.y1 == 83 && e.x2 == 700 && e.y2 == 95 && e.color == colors::Black) band = true;
  EXPECT_TRUE(band) << first.x1;
}

TEST_F(LineRefreshTest, BandOfTheLastLineReachesTheStatusLine) {
  RefreshSheetLine(40);
  bool band = false;
  for (const auto& e : canvas.Entries())
    if (e.op == Op::Fill && e.x1 == 230 && e.y1 == 479 && e.x2 == 700 && e.y2 == 501) band = true;
  EXPECT_TRUE(band);
}

TEST_F(LineRefreshTest, EveryRefreshRedrawsTheGreyDividerAndTheLineSum) {
  RefreshSheetLine(20);
  bool divider = false;
  for (const auto& e : canvas.Entries())
    if (e.op == Op::Line && e.x1 == 229 && e.y1 == 250 && e.x2 == 800 && e.y2 == 250 && e.color == colors::Grey) divider = true;
  EXPECT_TRUE(divider);
  const auto texts = canvas.Texts();
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.back().x1, 195);  // the TVP sum comes last, in the sheet font
  EXPECT_EQ(texts.back().y1, 12 * 20 - 2);
  EXPECT_EQ(texts.back().text, "  - ");
  EXPECT_EQ(texts.back().font, "Courier New");
  EXPECT_EQ(canvas.FontName(), "Courier New");
}

TEST_F(LineRefreshTest, LeavingTheResourceViewRedrawsAllFortyDescriptions) {
  Editor().ResourceView = true;
  for (int l = 1; l <= kSheetLines; ++l) SetLine(l, "zz");
  RefreshSheetLine(9);
  EXPECT_FALSE(Editor().ResourceView);
  const auto& entries = canvas.Entries();
  ASSERT_FALSE(entries.empty());
  EXPECT_EQ(entries[0].op, Op::Fill);
  EXPECT_EQ(entries[0].x1, 230);
  EXPECT_EQ(entries[0].y1, 10);
  EXPECT_EQ(entries[0].x2, 685);
  EXPECT_EQ(entries[0].y2, 500);
  int warnings = 0;
  for (const auto& e : canvas.Texts())
    if (e.text == "? Ismeretlen parancs") ++warnings;
  EXPECT_EQ(warnings, 41);  // 40 lines, and line 9 once more
}

struct MarkupRun {
  const char* text;
  Color color;
};

TEST_F(LineRefreshTest, MarkUpSwitchesColoursAndSkipsLeadingBlanks) {
  canvas.SetFontColor(colors::Yellow);
  DrawMarkedUpText("  @12$ x^!", 234, 10, false);
  const MarkupRun expected[] = {{"1", colors::Aqua}, {"2", colors::Aqua}, {" ", colors::Yellow},
                                {"x", colors::Yellow}, {"!", colors::Red}};
  const auto texts = canvas.Texts();
  ASSERT_EQ(texts.size(), std::size(expected));
  int x = 234;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].text, expected[i].text) << i;
    EXPECT_EQ(texts[i].color, expected[i].color) << i;
    EXPECT_EQ(texts[i].x1, x) << i;  // each character follows the one before
    x = texts[i].x2;
  }
}

TEST_F(LineRefreshTest, AllRedTextIgnoresItsMarks) {
  canvas.SetFontColor(colors::Red);
  DrawMarkedUpText("@1$2^3", 234, 10, true);
  const auto texts = canvas.Texts();
  ASSERT_EQ(texts.size(), 3u);
  for (const auto& t : texts) EXPECT_EQ(t.color, colors::Red);
}

TEST_F(LineRefreshTest, MarksAloneDrawNothing) {
  DrawMarkedUpText(" @ ^$", 234, 10, false);
  EXPECT_TRUE(canvas.Texts().empty());
}

}  // namespace
}  // namespace vorda
