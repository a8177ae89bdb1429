// The notebook writer on any notes in memory, through the save the editor
// uses: notes the file cannot carry are refused (with one message, nothing
// written, the notes kept); all others are written, read back equal and
// written again byte for byte.
#include <cstdint>
#include <filesystem>
#include <string>

#include "data/order_sheet.h"
#include "editor/notebook.h"
#include "editor/program_state.h"
#include "fuzz_support.h"
#include "platform/files.h"
#include "platform/message_box.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorda;
  auto& boxes = fuzz::FreshBoxes();
  fuzz::ClearScratchDir();
  ResetProgramState();
  ResetSheetModel();
  ResetNotebook();
  Program().ProgramDir = fuzz::ScratchDir() + "/";

  fuzz::StateSource in(data, size);
  const std::string ksz = in.Bool() ? std::to_string(in.Below(9999)) : in.Text(5);
  auto& nb = Notebook();
  SheetModel().Header.KSZ = ksz;  // whose notes they are
  nb.ShownKsz = ksz;
  nb.Text = in.Text(size);
  nb.Modified = true;
  const std::string text = nb.Text;

  if (!SaveNotebook()) {
    FUZZ_CHECK(!NotebookRefusal(ksz, text).empty());
    FUZZ_CHECK(boxes.shown.size() == 1);
    FUZZ_CHECK(nb.Text == text && nb.Modified && nb.SaveFailed);
    std::error_code ec;
    FUZZ_CHECK(std::filesystem::is_empty(fuzz::ScratchDir(), ec) || !std::filesystem::exists(fuzz::ScratchDir() + "/notesz/" + ksz + ".not", ec));
    return 0;
  }
  FUZZ_CHECK(NotebookRefusal(ksz, text).empty());
  const std::string path = NotebookPath(Program().ProgramDir, ksz);
  const auto written = ReadWholeFile(path);
  FUZZ_CHECK(written.has_value());
  FUZZ_CHECK(NotebookTextOfFile(*written) == text);

  nb.Text = NotebookTextOfFile(*written);
  FUZZ_CHECK(SaveNotebook());
  FUZZ_CHECK(ReadWholeFile(path) == written);
  return 0;
}
