#pragma once
// A fixture for editor tests: fresh program state and a recording canvas
// installed as the sheet image.
#include <gtest/gtest.h>

#include "editor/editor_state.h"
#include "editor/program_state.h"
#include "editor/sheet_totals.h"
#include "platform/recording_canvas.h"
#include "support/state_reset.h"

namespace vorda::testing {

class EditorFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetAll();
    InstallSheetCanvas(&canvas);
  }
  void TearDown() override {
    InstallSheetCanvas(nullptr);
    ResetAll();
  }
  static void ResetAll() {
    ResetAllState();
    ResetEditorState();
    ResetStatusValues();
    ResetProgramState();
  }

  RecordingCanvas canvas;
};

}  // namespace vorda::testing
