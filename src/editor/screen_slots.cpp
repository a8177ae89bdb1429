#include "editor/screen_slots.h"

namespace vorda {

namespace {
std::array<ScreenRect, 3> g_slots{};  // index 0 unused
SheetPictureStore* g_store = nullptr;

bool IsSlot(int slot) { return slot == 1 || slot == 2; }
}  // namespace

void InstallSheetPictureStore(SheetPictureStore* store) { g_store = store; }

void SaveScreenRect(int left, int top, int right, int bottom, int slot) {
  if (!IsSlot(slot)) return;
  auto& rect = g_slots[static_cast<std::size_t>(slot)];
  rect = {left, top, right, bottom};
  if (g_store) g_store->Save(slot, rect);
}

void RestoreScreenRect(int slot) {
  if (!IsSlot(slot)) return;
  if (g_store) g_store->Restore(slot, g_slots[static_cast<std::size_t>(slot)]);
}

void DrawResourcePicture(int x, int y) {
  if (g_store) g_store->DrawResourcePicture(x, y);
}

ScreenRect ScreenSlot(int slot) { return IsSlot(slot) ? g_slots[static_cast<std::size_t>(slot)] : ScreenRect{}; }

void ResetScreenSlots() { g_slots = {}; }

}  // namespace vorda
