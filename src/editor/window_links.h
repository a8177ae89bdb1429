#pragma once
// What the editor asks of windows that it does not own: the main window closes
// (Esc and the closing commands), the map window is refreshed, asked whether it
// is visible, or shown. Each window fills in its part when it is created; an
// empty entry means the window does not exist, and asking it does nothing.
#include <functional>

namespace vorda {

struct WindowLinks {
  std::function<void()> OnCloseMain;
  std::function<bool()> OnMapVisible;
  // The map window's refresh (it replays the moves up to the cursor line and
  // redraws); `force` redraws even when nothing changed.
  std::function<void(bool force)> OnRefreshMap;
  // Enables and shows the map window with its grid on column 2, row 2.
  std::function<void()> OnShowMap;

  void CloseMain() const {
    if (OnCloseMain) OnCloseMain();
  }
  bool MapVisible() const { return OnMapVisible && OnMapVisible(); }
  void RefreshMap(bool force) const {
    if (OnRefreshMap) OnRefreshMap(force);
  }
  void ShowMap() const {
    if (OnShowMap) OnShowMap();
  }
};

WindowLinks& Windows();
void ResetWindowLinks();

}  // namespace vorda
