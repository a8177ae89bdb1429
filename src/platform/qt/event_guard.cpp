#include "platform/qt/event_guard.h"

#include <cstdio>
#include <string>

#include "platform/win1250.h"
#include "platform/message_box.h"

namespace vorda {

void ShowEventError(const char* what) noexcept {
  try {
    // The run time's messages are plain ASCII or UTF-8.
    const std::string text = what && *what ? Utf8ToWin1250(what) : "Ismeretlen hiba"_w;
    Messages().Show(text, MessageKind::Error);
  } catch (...) {
    std::fputs("vorda40: an error could not be shown\n", stderr);
  }
}

}  // namespace vorda
