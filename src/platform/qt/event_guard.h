#pragma once
// The one wrapper around every Qt event entry of our windows: an exception that
// the work of an event raises (an input/output error the code does not test, a
// failed allocation) stops that work and is shown in a message box; it never
// crosses into Qt.
#include <exception>
#include <utility>

namespace vorda {

// Shows the error of an event that failed; never throws.
void ShowEventError(const char* what) noexcept;

template <typename Work>
void GuardEvent(Work&& work) noexcept {
  try {
    std::forward<Work>(work)();
  } catch (const std::exception& e) {
    ShowEventError(e.what());
  } catch (...) {
    ShowEventError(nullptr);
  }
}

}  // namespace vorda
