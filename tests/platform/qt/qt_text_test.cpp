// The edge between Windows-1250 and Qt's strings goes straight through the
// code page's table; the C library's iconv is the reference it must agree with,
// byte by byte and character by character.
#include "platform/qt/qt_text.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "platform/win1250.h"

namespace vorda {
namespace {

// The text converted by iconv, or nothing when iconv refuses it.
bool IconvConvert(const char* to, const char* from, const std::string& in, std::string& out) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  out.assign(in.size() * 4 + 8, '\0');
  char* inp = const_cast<char*>(in.data());
  std::size_t inleft = in.size();
  char* outp = out.data();
  std::size_t outleft = out.size();
  const bool ok = iconv(cd, &inp, &inleft, &outp, &outleft) != static_cast<std::size_t>(-1) && inleft == 0;
  iconv_close(cd);
  out.resize(out.size() - outleft);
  return ok;
}

TEST(QtText, EveryByteBecomesTheCharacterIconvGivesAndHolesAQuestionMark) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    std::string utf8;
    const QString expected = IconvConvert("UTF-8", "CP1250", byte, utf8) ? QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())) : QStringLiteral("?");
    EXPECT_EQ(ToQString(byte), expected) << b;
    EXPECT_EQ(Win1250ToUtf8(byte), expected.toStdString()) << b;
  }
  EXPECT_EQ(ToQString("Beállítás őű"_w + "\x81"), QString::fromUtf8("Beállítás őű?"));
}

TEST(QtText, EveryCharacterBecomesTheByteIconvGivesOrAQuestionMark) {
  for (char32_t cp = 1; cp < 0x30000; ++cp) {
    if (cp >= 0xD800 && cp < 0xE000) continue;  // surrogates are no characters
    const QString text = QString::fromUcs4(&cp, 1);
    const QByteArray utf8 = text.toUtf8();
    std::string expected;
    if (!IconvConvert("CP1250", "UTF-8", utf8.toStdString(), expected)) expected = "?";
    ASSERT_EQ(FromQString(text), expected) << std::hex << static_cast<unsigned>(cp);
  }
  // Half of a surrogate pair is one character without a byte.
  EXPECT_EQ(FromQString(QString(QChar(0xD800)) + "a"), "?a");
  EXPECT_EQ(FromQString(QString::fromUtf8("Árvíztűrő 😀!")), "Árvíztűrő ?!"_w);
}

}  // namespace
}  // namespace vorda
