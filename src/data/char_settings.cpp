#include "data/char_settings.h"

namespace vorda {

namespace {
TCharSettings g_char_settings;
}

TCharSettings& CharSettings() { return g_char_settings; }

void ResetCharSettings() { g_char_settings = TCharSettings{}; }

}  // namespace vorda
