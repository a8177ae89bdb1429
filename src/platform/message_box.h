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
  // Asks with the answers given, each a caption in which "&" marks the key
  // that chooses it. The first answer is the default and also Esc's. Gives
  // the index of the answer chosen.
  virtual std::size_t Ask(std::string_view text, const std::vector<std::string>& answers, MessageKind kind) = 0;
};

// The installed implementation (by default the recording one below); while a
// OneBoxPerAction is alive, the gathering one in front of it.
MessageBoxes& Messages();
void InstallMessageBoxes(MessageBoxes* boxes);  // nullptr: back to the default

// One key or command shows at most one box: while one of these is alive, the
// messages shown are gathered (each different text once) and shown together
// as one box, of the gravest kind among them, when the outermost one ends. A
// question shows what was gathered before it asks.
class OneBoxPerAction {
 public:
  OneBoxPerAction();
  ~OneBoxPerAction();
  OneBoxPerAction(const OneBoxPerAction&) = delete;
  OneBoxPerAction& operator=(const OneBoxPerAction&) = delete;
};

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
  std::size_t Ask(std::string_view text, const std::vector<std::string>& answers, MessageKind kind) override {
    shown.push_back({std::string(text), kind});
    asked.push_back(answers);
    return choice;
  }
  std::vector<Shown> shown;
  std::vector<std::vector<std::string>> asked;  // the answers of each Ask
  bool answer = true;
  std::size_t choice = 0;  // what Ask answers
};

}  // namespace vorda
