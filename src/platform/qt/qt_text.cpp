#include "platform/qt/qt_text.h"

#include "platform/win1250.h"

namespace vorda {

QString ToQString(std::string_view win1250) {
  const std::string utf8 = Win1250ToUtf8(win1250);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return Utf8ToWin1250(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace vorda
