#pragma once
// The edge between the program's Windows-1250 texts and Qt's Unicode strings.
#include <QString>
#include <string>
#include <string_view>

namespace vorda {

QString ToQString(std::string_view win1250);
std::string FromQString(const QString& text);

}  // namespace vorda
