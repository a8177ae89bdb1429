#include "platform/rich_text.h"

#include <gtest/gtest.h>

namespace vorda {
namespace {

constexpr std::string_view kTables =
    "{\\rtf1\\ansi \\deff4{\\fonttbl\r\n{\\f4\\froman\\fcharset238 Times New Roman CE;}\r\n"
    "{\\f5\\fmodern\\fcharset238\\fprq1 Courier New CE;}}\r\n"
    "{\\colortbl;\r\n\\red0\\green0\\blue0;\r\n\\red180\\green0\\blue0;}\r\n\\f5\\fs18 ";

RichText Parse(std::string_view body) { return ParseRtf(std::string(kTables) + std::string(body)); }

TEST(ParseRtf, RunsCarryFontSizeBoldAndColour) {
  const RichText t = Parse("plain {\\cf2\\b red\\b0  thin} \xE1\r\n\\par next\\par}");
  ASSERT_EQ(t.paragraphs.size(), 3u);
  const auto& p = t.paragraphs[0];
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(p[0].text, "plain ");
  EXPECT_EQ(p[0].format.font, "Courier New CE");
  EXPECT_EQ(p[0].format.family, FontFamily::Modern);
  EXPECT_EQ(p[0].format.half_points, 18);
  EXPECT_TRUE(p[0].format.color.automatic);
  EXPECT_EQ(p[1].text, "red");
  EXPECT_TRUE(p[1].format.bold);
  EXPECT_EQ(p[1].format.color, (RichColor{false, 180, 0, 0}));
  EXPECT_EQ(p[2].text, " thin");
  EXPECT_FALSE(p[2].format.bold);
  EXPECT_EQ(p[3].text, " \xE1");  // the group closed: the plain format again
  EXPECT_EQ(p[3].format, p[0].format);
  EXPECT_EQ(t.PlainText(), "plain red thin \xE1\nnext\n");
}

TEST(ParseRtf, ReadsLenientlyAndAlwaysEnds) {
  struct Case {
    std::string rtf;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"{a}b}c", "a"},                              // text after the document is ignored
      {"}{x", "x"},                                 // a stray "}" first; an unclosed group at the end
      {"{\\'e1\\\\\\{\\}\\~z}", "\xE1\\{}z"},        // escapes
      {"{a\\\r\nb}", "a\nb"},                       // "\" before a line end ends a paragraph
      {"{\\*\\unknown skipped}shown}", ""},         // the "\*" group is dropped, then the document ends
      {"{{\\*\\unknown skipped}shown}", "shown"},
      {"{\\fs99999999999999 \\cf-5 x\\", "x"},      // wild numbers, a "\" at the very end
      {std::string(100000, '{') + "deep" + std::string(100000, '}'), "deep"},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseRtf(c.rtf).PlainText(), c.text) << c.rtf.substr(0, 40);
}

}  // namespace
}  // namespace vorda
