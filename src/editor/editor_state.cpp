#include "editor/editor_state.h"

#include "platform/null_canvas.h"

namespace vorda {

namespace {
EditorState g_editor;
NullCanvas g_no_canvas;
Canvas* g_canvas = nullptr;
}  // namespace

EditorState& Editor() { return g_editor; }

void ResetEditorState() { g_editor = EditorState{}; }

Canvas& SheetCanvas() { return g_canvas ? *g_canvas : g_no_canvas; }

void InstallSheetCanvas(Canvas* canvas) { g_canvas = canvas; }

}  // namespace vorda
