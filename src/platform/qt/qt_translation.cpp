#include "platform/qt/qt_translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace vorda {

QTranslator* InstallQtHungarian(const QString& folder) {
  const QString dir = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
  const QString path = QDir(dir).filePath(QString::fromLatin1(kQtHungarianFile));
  // Only this file: QTranslator would otherwise fall back on other names.
  if (!QFileInfo(path).isFile()) return nullptr;
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(path) || !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return nullptr;
  }
  return translator;
}

}  // namespace vorda
