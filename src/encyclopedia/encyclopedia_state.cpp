#include "encyclopedia/encyclopedia_state.h"

namespace vorda {

namespace {
EncyclopediaState g_state;
RecordingRichTextView g_default_view;
RichTextView* g_view = nullptr;
}  // namespace

EncyclopediaState& Encyclopedia() { return g_state; }

void ResetEncyclopediaState() {
  g_state = EncyclopediaState{};
  g_default_view = RecordingRichTextView{};
}

RichTextView& EncyclopediaView() { return g_view ? *g_view : g_default_view; }

void InstallEncyclopediaView(RichTextView* view) { g_view = view; }

}  // namespace vorda
