#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace vorda::testing {

TempDir::TempDir() {
  std::string templ = (std::filesystem::temp_directory_path() / "vorda-test-XXXXXX").string();
  if (!::mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
  path_ = templ;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Write(std::string_view name, std::string_view bytes) const {
  const std::string p = path_ + "/" + std::string(name);
  std::ofstream out(p, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return p;
}

std::string TempDir::Read(std::string_view name) const {
  std::ifstream in(path_ + "/" + std::string(name), std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace vorda::testing
