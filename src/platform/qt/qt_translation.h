#pragma once
// Qt's own texts in Hungarian: the standard buttons of the message boxes
// ("Igen", "Nem", "Mégse") and the open-file dialog, as Qt's Hungarian users
// see them. The program's own texts are Hungarian already and never go
// through Qt's translation.
#include <QString>

class QTranslator;

namespace vorda {

// The file of Qt's Hungarian texts (Debian's qt6-translations-l10n).
inline constexpr const char* kQtHungarianFile = "qtbase_hu.qm";

// Loads kQtHungarianFile from `folder` (empty: Qt's own translations folder)
// and installs it in the application, which owns it from then on. Nullptr when
// the file is not there or cannot be read: Qt's dialogs then stay in English
// and nothing else changes.
QTranslator* InstallQtHungarian(const QString& folder = {});

}  // namespace vorda
