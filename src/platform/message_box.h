#pragma once
// Message boxes: the one way failures are shown to the user. The windows
// install a Qt-backed implementation; tests install the recording one.
#include <string>
#include <string_view>
#include <vector>

namespace vorda {

enum class MessageKind { Information, Warning, Error };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows `text` (Windows-1250) and waits until the user closes it.
  virtual void Show(std::string_view text, MessageKind kind) = 0;
  // Asks a yes/no question; true for yes.
  virtual bool AskYesNo(std::string_view text) = 0;
};

// The installed implementation (by default the recording one below).
MessageBoxes& Messages();
void InstallMessageBoxes(MessageBoxes* boxes);  // nullptr: back to the default

// Remembers every message instead of showing it; answers questions with a fixed
// answer.
class RecordingMessageBoxes : public MessageBoxes {
 public:
  struct Shown {
    std::string text;
    MessageKind kind;
  };
  void Show(std::string_view text, MessageKind kind) override { shown.push_back({std::string(text), kind}); }
  bool AskYesNo(std::string_view text) override {
    shown.push_back({std::string(text), MessageKind::Information});
    return answer;
  }
  std::vector<Shown> shown;
  bool answer = true;
};

}  // namespace vorda
