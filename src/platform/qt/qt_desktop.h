#pragma once
// The desktop through Qt: the file dialog over the main window and the
// desktop's handler for documents.
#include <QPointer>
#include <QWidget>

#include "platform/desktop.h"

namespace vorda {

class QtDesktop : public Desktop {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  std::optional<std::string> OpenFile(const std::string& folder, const std::vector<FileFilter>& filters) override;
  bool OpenDocument(const std::string& path) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace vorda
