#pragma once
// A fresh program state with the editor's cursor and the map view reset
// before and after each test of the map window's logic.
#include "editor/editor_state.h"
#include "map/map_view.h"
#include "support/state_reset.h"

namespace vorda::testing {

class MapStateTest : public FreshState {
 protected:
  void SetUp() override {
    FreshState::SetUp();
    ResetEditorState();
    ResetMapView();
  }
  void TearDown() override {
    ResetMapView();
    ResetEditorState();
    FreshState::TearDown();
  }
};

}  // namespace vorda::testing
