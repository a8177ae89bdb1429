// TEXT.IDX and TEXT.DTA read from any bytes: the first byte chooses the
// packing mode (with the invented tables) and the case of the file names, the
// rest is the index and the data, split at the part separator. A look-up that
// fails shows one message, leaves no entry and changes nothing else; one that
// succeeds shows none and gives the entry the index points at, or no entry
// when the key is not there.
#include <cstdint>
#include <string>
#include <string_view>

#include "encyclopedia/encyclopedia_lookup.h"
#include "encyclopedia/encyclopedia_state.h"
#include "fuzz_support.h"
#include "platform/message_box.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorda;
  if (size == 0) return 0;
  static RecordingMessageBoxes boxes;
  InstallMessageBoxes(&boxes);
  const std::uint8_t mode = static_cast<std::uint8_t>(data[0] % 3);
  const bool lower_case_names = (data[0] & 0x80) != 0;
  const auto parts = fuzz::SplitParts(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1), 2);
  const std::string_view index = parts[0];
  const std::string_view file = parts[1];
  fuzz::ClearScratchDir();
  fuzz::WriteScratchFile(lower_case_names ? "text.idx" : "TEXT.IDX", index);
  fuzz::WriteScratchFile(lower_case_names ? "text.dta" : "Text.Dta", file);

  for (std::string_view key : {"T1", "T2", "S21", "EK-2553"}) {
    fuzz::UseInventedPacking(mode);
    const IndexSearch search = FindKeyInIndex(index, key);
    FUZZ_CHECK((search.result == IndexSearch::Damaged) == !search.why.empty());
    if (search.result != IndexSearch::Found) FUZZ_CHECK(search.position == 0);

    auto& state = Encyclopedia();
    state.EncyclopediaText = "elozo";
    state.StatusText = "elozo";
    const EncyclopediaState before = state;
    boxes.shown.clear();
    const bool read = FindEncyclopediaKey(fuzz::ScratchDir(), key);
    FUZZ_CHECK(state.StatusText == before.StatusText && state.EncyclopediaTextMode == before.EncyclopediaTextMode);
    FUZZ_CHECK(fuzz::SamePacking(state.Packing, before.Packing));
    const bool inside = search.position > 0 && static_cast<std::size_t>(search.position) <= file.size();
    if (!read) {
      FUZZ_CHECK(search.result == IndexSearch::Damaged || (search.result == IndexSearch::Found && !inside));
      FUZZ_CHECK(boxes.shown.size() == 1 && state.EncyclopediaText.empty());
      continue;
    }
    FUZZ_CHECK(boxes.shown.empty());
    if (search.result == IndexSearch::Missing) {
      FUZZ_CHECK(state.EncyclopediaText.empty());
      continue;
    }
    FUZZ_CHECK(search.result == IndexSearch::Found && inside);
    const auto at = static_cast<std::size_t>(search.position);
    FUZZ_CHECK(state.EncyclopediaText == ReadEncyclopediaEntry(file, HeaderLineStart(file, at)));
  }
  return 0;
}
