#include "data/turn_report.h"

#include <gtest/gtest.h>

#include "platform/win1250.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

std::string Lines(std::initializer_list<std::string> lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

// One count cell and its name cell, as the operator writes a table row.
std::string Row(const std::string& count, const std::string& name) {
  return Lines({"<tr>", "<td CLASS=tdb>" + count + "</td>", "<td><A HREF=\"t.htm\">" + name + "</td>", "</tr>"});
}

const std::string kMoney = Lines({
    "<html><body>",
    "<tr><td>Pénz:</td>"_w,
    "<td>1200 arany</td></tr>",
    "<p>Eladás: arany került a bankszámládra. 300 arany</p>"_w,
});
const std::string kCarried = Lines({"<h2>NÁLAD LÉVŐ TÁRGYAK (*-gal jelöltek bekészítve)</h2>"_w, "<table>"}) +
                             Row("3", "Hosszú íj</A> ($17)"_w) + Row("$&ge;5", "Kötél</A> * ($21)"_w) +
                             Lines({"<tr><td COLSPAN=6>[benne &ge;20 Nyílvessző ($18), fér még 10]</td></tr>"_w,
                                    "<tr><td COLSPAN=6>[benne: [üres]</td></tr>"_w}) +
                             Row("0", "Semmi</A> ($19)") + Row("2", "Gyertya</A> ($9000)") + Lines({"</table>"});
const std::string kBank = Lines({"<h2>TÁRGYAID A BANK SZÉFJÉBEN</h2>"_w, "<table>"}) +
                          Row("9", "Bankban tartott kard</A> ($30)") + Lines({"</table>"});
const std::string kStart = Lines({"<h2>A FORDULÓ ELEJÉN MÉG MEGVOLT...</h2>"_w, "<table>"}) +
                           Row("&ge;2", "Fáklya</A> ($40)"_w) + Lines({"</table>"});
const std::string kGained = Lines({"<h2>EBBEN A FORDULÓBAN KERÜLT HOZZÁD...</h2>"_w, "<table>"}) +
                            Row("2", "Hosszú íj</A> ($17)"_w) + Lines({"</table>", "</body></html>"});

class TurnReportTest : public testing::FreshState {
 protected:
  ItemCounts now{}, start{};
  const std::string& Name(int code) const { return Reports().ItemNameTable[static_cast<std::size_t>(code)]; }
};

TEST_F(TurnReportTest, ReportWithEveryMarker) {
  ReadReportItemsFromText(kMoney + kCarried + kBank + kStart + kGained, now, start);
  EXPECT_EQ(now[50], 1500);  // 1200 carried and 300 paid into the bank
  EXPECT_EQ(Name(50), "arany");
  EXPECT_EQ(now[17], 3);
  EXPECT_EQ(Name(17), "Hosszú íj"_w);
  EXPECT_EQ(now[21], 5);
  EXPECT_EQ(Name(21), "Kötél"_w);
  EXPECT_EQ(now[18], 20);  // a container's contents, its free room dropped
  EXPECT_EQ(Name(18), "Nyílvessző"_w);
  EXPECT_EQ(now[19], 0);
  EXPECT_EQ(Name(19), "");   // a count of 0 never reads its name
  EXPECT_EQ(now[30], 0);     // the bank's items are not the character's
  EXPECT_EQ(start[40], 2);   // gone during the turn
  EXPECT_EQ(now[40], 0);
  EXPECT_EQ(start[17], 1);   // held 3 now, 2 of them came during the turn
  EXPECT_EQ(start[50], 1500);
}

TEST_F(TurnReportTest, MissingSectionsDoNotHideTheOnesAfterThem) {
  // Without the bank, and without both the bank and the start section.
  ReadReportItemsFromText(kMoney + kCarried + kStart + kGained, now, start);
  EXPECT_EQ(start[40], 2);
  EXPECT_EQ(start[17], 1);
  ReadReportItemsFromText(kMoney + kCarried + kGained, now, start);
  EXPECT_EQ(start[40], 0);
  EXPECT_EQ(start[17], 1);
}

TEST_F(TurnReportTest, EveryEntryIsClearedAndCodesOutsideTheTableAreIgnored) {
  now.fill(77);
  start.fill(77);
  const std::string report = kMoney + kCarried + kStart + kGained;
  ReadReportItemsFromText(report, now, start);
  const ItemCounts first_now = now, first_start = start;
  EXPECT_EQ(now[4999], 0);
  EXPECT_EQ(now[0], 0);
  ReadReportItemsFromText(report, now, start);  // the same report again: the same counts
  EXPECT_EQ(now, first_now);
  EXPECT_EQ(start, first_start);

  ItemCounts counts{};
  for (const char* text : {"4 Kard (#0)", "4 Kard (#5001)", "4 Kard (#-3)", "4 Kard (#99999999999)", "4 Kard #7"})
    AddReportItem(text, 1, counts, true);
  EXPECT_EQ(counts, ItemCounts{});
  AddReportItem("4 Kard (#5000)", 1, counts, true);
  AddReportItem("  1 Kard (#5000)  ", -1, counts, true);
  EXPECT_EQ(counts[5000], 3);
  EXPECT_EQ(Name(5000), "Kard");
}

TEST_F(TurnReportTest, AddReportItemNameIsCutAndBadCountIsZero) {
  ItemCounts counts{};
  AddReportItem("2 Egy nagyon hosszú nevű varázstárgy vagyok (#12)"_w, 1, counts, true);
  EXPECT_EQ(Name(12), "Egy nagyon hosszú nevű varázst"_w);
  EXPECT_EQ(counts[12], 2);
  AddReportItem("sok Alma (#13)", 1, counts, true);
  EXPECT_EQ(counts[13], 0);
  EXPECT_EQ(Name(13), "Alma");
}

TEST(CleanItemText, RemovesTheReportMarks) {
  struct Case {
    std::string in, out;
  };
  const Case cases[] = {
      {"3 Hosszú íj ($17)"_w, "3 Hosszú íj (#17)"_w},
      {"  $>2 Kötél * ($21)  "_w, "2 Kötél (#21)"_w},
      {"5 csepp Gyógyital + ($60)"_w, "5 Gyógyital (#60)"_w},
      {"1 korty Bor > ($61)", "1 Bor (#61)"},
      {"[benne 20 Nyílvessző ($18), fér még 10]"_w, "20 Nyílvessző (#18)"_w},
      {"[bennük: [üres]"_w, ""},
      {"4   Kő    ($3)"_w, "4 Kő (#3)"_w},
  };
  for (const auto& c : cases) EXPECT_EQ(CleanItemText(c.in), c.out) << c.in;
}

TEST_F(TurnReportTest, FileThatCannotBeReadClearsTheCounts) {
  testing::TempDir dir;
  now.fill(5);
  start.fill(5);
  EXPECT_FALSE(ReadReportItems(dir.path() + "/nincs.htm", now, start));
  EXPECT_EQ(now, ItemCounts{});
  EXPECT_EQ(start, ItemCounts{});
  EXPECT_TRUE(ReadReportItems(dir.Write("f.htm", kMoney + kCarried), now, start));
  EXPECT_EQ(now[17], 3);
}

TEST_F(TurnReportTest, TagsAreStrippedUntilAClosingBracketStandsFirst) {
  struct Case {
    std::string cell_line;
    std::int32_t count;
  };
  const Case cases[] = {
      {"<td CLASS=tdb>$>4", 4},  // the marks before the count are dropped
      {"<td CLASS=tdb><b>4</b></td>", 4},
      {"<td CLASS=tdb>> 4", 4},
      // The ">" stands before the next "<": "> 4</td>" is left as it is, and
      // the ">" of its "</td>" leaves no count.
      {"<td CLASS=tdb>> 4</td>", 0},
      {"<td CLASS=tdb>4 <i>db</i>", 0},  // "4 db" is no number
  };
  for (const auto& c : cases) {
    ReadReportItemsFromText(Lines({"NÁLAD LÉVŐ TÁRGYAK (*-gal jelöltek bekészítve)"_w, c.cell_line,
                                   "<td><A HREF=x><b>Kő</b></A> ($3)"_w, "</table>"}),
                            now, start);
    EXPECT_EQ(now[3], c.count) << c.cell_line;
  }
  EXPECT_EQ(Name(3), "Kő"_w);
}

}  // namespace
}  // namespace vorda
