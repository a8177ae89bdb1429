#include "platform/desktop.h"

namespace vorda {

namespace {
RecordingDesktop g_default;
Desktop* g_desktop = nullptr;
}  // namespace

Desktop& DesktopServices() { return g_desktop ? *g_desktop : g_default; }

void InstallDesktop(Desktop* desktop) { g_desktop = desktop; }

}  // namespace vorda
