#pragma once
// Saves that fail on purpose: the file layer's fault seam set for a test's
// scope, and the check that a failed save left no temporary file.
#include <memory>
#include <string>
#include <vector>

#include "platform/files.h"

namespace vorda::testing {

// While alive, every save whose target's name contains `name_part` (every save
// when it is empty) fails at `step` with the error number `error`.
class ScopedWriteFault {
 public:
  ScopedWriteFault(WriteStep step, int error, std::string name_part = {});
  ~ScopedWriteFault();
  ScopedWriteFault(const ScopedWriteFault&) = delete;
  ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;
  int hits() const { return *hits_; }  // how many saves it made fail

 private:
  std::shared_ptr<int> hits_;
};

// The steps a test can make fail, and the errors a disk gives.
inline constexpr WriteStep kFaultSteps[] = {WriteStep::Create, WriteStep::Write,  WriteStep::Permissions,
                                            WriteStep::Flush,  WriteStep::Close,  WriteStep::Rename,
                                            WriteStep::FolderFlush};
const char* StepName(WriteStep step);

// The faults every writer's tests inject: each step on a full disk, and the
// other errors where a disk gives them.
struct WriterFault {
  WriteStep step;
  int error;
};
extern const WriterFault kWriterFaults[10];
std::string FaultName(const WriterFault& fault);

// The names of the temporary files of a save left in `dir` (and its
// subfolders).
std::vector<std::string> TempFilesIn(const std::string& dir);

}  // namespace vorda::testing
