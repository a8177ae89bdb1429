#include "platform/qt/qt_desktop.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QStringList>
#include <QUrl>

#include "platform/qt/qt_text.h"

namespace vorda {

std::optional<std::string> QtDesktop::OpenFile(const std::string& folder, const std::vector<FileFilter>& filters) {
  QStringList names;
  for (const auto& f : filters) {
    QStringList patterns;
    for (const auto& p : f.patterns) patterns << QString::fromStdString(p);
    names << ToQString(f.caption) + " (" + patterns.join(' ') + ")";
  }
  QFileDialog dialog(parent_, QString(), QFile::decodeName(folder.c_str()), names.join(";;"));
  // A typed name need not exist: the caller answers a missing file with its
  // own message.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setOption(QFileDialog::DontResolveSymlinks);
  // Filters match whatever the case: "*.ul" finds "X.UL" too.
  dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

bool QtDesktop::OpenDocument(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(path.c_str())));
}

}  // namespace vorda
