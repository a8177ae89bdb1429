#include "support/write_faults.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

namespace vorda::testing {

ScopedWriteFault::ScopedWriteFault(WriteStep step, int error, std::string name_part)
    : hits_(std::make_shared<int>(0)) {
  FileWriteFaults().Hook = [step, error, name_part, hits = hits_](WriteStep at, const std::string& target,
                                                                  const std::string&) {
    if (at != step) return 0;
    const std::string name = target.substr(target.find_last_of('/') + 1);
    if (!name_part.empty() && name.find(name_part) == std::string::npos) return 0;
    ++*hits;
    return error;
  };
}

ScopedWriteFault::~ScopedWriteFault() { ResetWriteFaults(); }

const char* StepName(WriteStep step) {
  switch (step) {
    case WriteStep::None: return "none";
    case WriteStep::Target: return "target";
    case WriteStep::Create: return "create";
    case WriteStep::Write: return "write";
    case WriteStep::Permissions: return "permissions";
    case WriteStep::Flush: return "flush";
    case WriteStep::Close: return "close";
    case WriteStep::Rename: return "rename";
    case WriteStep::FolderFlush: return "folder flush";
  }
  return "?";
}

const WriterFault kWriterFaults[10] = {
    {WriteStep::Create, ENOSPC},  {WriteStep::Write, ENOSPC},     {WriteStep::Permissions, ENOSPC},
    {WriteStep::Flush, ENOSPC},   {WriteStep::Close, ENOSPC},     {WriteStep::Rename, ENOSPC},
    {WriteStep::Create, EACCES},  {WriteStep::Create, EROFS},     {WriteStep::Write, EIO},
    {WriteStep::FolderFlush, EIO},
};

std::string FaultName(const WriterFault& fault) {
  return std::string(StepName(fault.step)) + " " + std::strerror(fault.error);
}

std::vector<std::string> TempFilesIn(const std::string& dir) {
  std::vector<std::string> found;
  std::error_code ec;
  for (auto it = std::filesystem::recursive_directory_iterator(dir, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.find(".tmp") != std::string::npos) found.push_back(name);
  }
  return found;
}

}  // namespace vorda::testing
