#pragma once
// A temporary folder for a test's fixture files, removed with the object.
#include <string>
#include <string_view>

namespace vorda::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // Writes `bytes` to `name` inside the folder and returns its path.
  std::string Write(std::string_view name, std::string_view bytes) const;
  std::string Read(std::string_view name) const;

 private:
  std::string path_;
};

}  // namespace vorda::testing
