#include "platform/message_box.h"

#include <algorithm>

namespace vorda {

namespace {

RecordingMessageBoxes g_default;
MessageBoxes* g_boxes = nullptr;

MessageBoxes& Installed() { return g_boxes ? *g_boxes : g_default; }

// Stands in front of the installed boxes while an action runs.
class Gathering : public MessageBoxes {
 public:
  void Show(std::string_view text, MessageKind kind) override {
    if (std::find(texts_.begin(), texts_.end(), text) == texts_.end()) texts_.emplace_back(text);
    kind_ = std::max(kind_, kind);
  }
  bool AskYesNo(std::string_view text) override {
    Flush();
    return Installed().AskYesNo(text);
  }
  std::size_t Ask(std::string_view text, const std::vector<std::string>& answers, MessageKind kind) override {
    Flush();
    return Installed().Ask(text, answers, kind);
  }
  void Flush() {
    if (texts_.empty()) return;
    std::string text;
    for (const std::string& t : texts_) text += (text.empty() ? "" : "\r\r") + t;
    const MessageKind kind = kind_;
    texts_.clear();
    kind_ = MessageKind::Information;
    Installed().Show(text, kind);
  }
  int depth = 0;

 private:
  std::vector<std::string> texts_;
  MessageKind kind_ = MessageKind::Information;
};

Gathering g_gathering;

}  // namespace

MessageBoxes& Messages() { return g_gathering.depth > 0 ? static_cast<MessageBoxes&>(g_gathering) : Installed(); }

void InstallMessageBoxes(MessageBoxes* boxes) { g_boxes = boxes; }

OneBoxPerAction::OneBoxPerAction() { ++g_gathering.depth; }

OneBoxPerAction::~OneBoxPerAction() {
  if (--g_gathering.depth > 0) return;
  try {
    g_gathering.Flush();
  } catch (...) {
    // A box that cannot be shown while an error unwinds the action: the
    // error itself is shown by the event's guard.
  }
}

}  // namespace vorda
