// Writes the invented demo map (MAP.DAT, MAP.LST, SF_MAP.LST) into a folder,
// "demo" by default, so that no multi-megabyte map needs to be kept in the
// repository.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "support/map_fixture.h"

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "demo";
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec || !vorda::testing::WriteInventedMapFiles(folder)) {
    std::fprintf(stderr, "make_demo_map: cannot write the map files into %s\n", folder.c_str());
    return 1;
  }
  std::printf("make_demo_map: MAP.DAT, MAP.LST and SF_MAP.LST written into %s\n", folder.c_str());
  return 0;
}
