#pragma once
// The project's invented demo folder, for tests that start windows on it.
#include <string>

namespace vorda::testing {

// Copies every file of the demo folder (VORDA_SOURCE_DIR/demo, or the one of
// the sources this was built from) into `folder`.
void CopyDemoFolder(const std::string& folder);

}  // namespace vorda::testing
