#pragma once
// Message boxes shown with Qt, over the main window when one is given.
#include <QPointer>
#include <QWidget>

#include "platform/message_box.h"

namespace vorda {

class QtMessageBoxes : public MessageBoxes {
 public:
  // `title`: the caption of every box (Windows-1250).
  explicit QtMessageBoxes(std::string title, QWidget* parent = nullptr);

  void SetParent(QWidget* parent) { parent_ = parent; }

  void Show(std::string_view text, MessageKind kind) override;
  bool AskYesNo(std::string_view text) override;
  std::size_t Ask(std::string_view text, const std::vector<std::string>& answers, MessageKind kind) override;

 private:
  std::string title_;
  QPointer<QWidget> parent_;
};

}  // namespace vorda
