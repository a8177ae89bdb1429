#include "platform/qt/qt_text.h"

#include "platform/win1250.h"

namespace vorda {

// Straight through the code page's table: texts cross this edge on every key
// and for every caption and label.
QString ToQString(std::string_view win1250) {
  QString text(static_cast<qsizetype>(win1250.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (const char ch : win1250) {
    const auto byte = static_cast<unsigned char>(ch);
    const std::uint16_t cp = CodePointOfByte(byte);
    *out++ = QChar(byte != 0 && cp == 0 ? u'?' : static_cast<char16_t>(cp));
  }
  return text;
}

std::string FromQString(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  const QChar* p = text.constData();
  const QChar* const end = p + text.size();
  while (p != end) {
    std::uint32_t cp = p->unicode();
    ++p;
    if (QChar::isHighSurrogate(cp) && p != end && p->isLowSurrogate()) {
      cp = QChar::surrogateToUcs4(static_cast<char16_t>(cp), p->unicode());
      ++p;
    }
    // A character without a byte, and half of a surrogate pair, is one "?".
    const int byte = QChar::isSurrogate(cp) ? -1 : Win1250ByteOf(cp);
    out += byte < 0 ? '?' : static_cast<char>(byte);
  }
  return out;
}

}  // namespace vorda
