#include "editor/window_links.h"

namespace vorda {

namespace {
WindowLinks g_links;
}

WindowLinks& Windows() { return g_links; }

void ResetWindowLinks() { g_links = WindowLinks{}; }

}  // namespace vorda
