#include "platform/message_box.h"

namespace vorda {

namespace {
RecordingMessageBoxes g_default;
MessageBoxes* g_boxes = nullptr;
}  // namespace

MessageBoxes& Messages() { return g_boxes ? *g_boxes : g_default; }

void InstallMessageBoxes(MessageBoxes* boxes) { g_boxes = boxes; }

}  // namespace vorda
