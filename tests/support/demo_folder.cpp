#include "support/demo_folder.h"

#include <cstdlib>
#include <filesystem>

namespace vorda::testing {

void CopyDemoFolder(const std::string& folder) {
  const char* source = std::getenv("VORDA_SOURCE_DIR");
  const std::filesystem::path root =
      source ? std::filesystem::path(source) : std::filesystem::path(__FILE__).parent_path() / "../..";
  for (const auto& entry : std::filesystem::directory_iterator(root / "demo"))
    std::filesystem::copy_file(entry.path(), std::filesystem::path(folder) / entry.path().filename());
}

}  // namespace vorda::testing
