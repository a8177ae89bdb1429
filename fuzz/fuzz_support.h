#pragma once
// Helpers shared by the libFuzzer targets: a scratch folder for the readers
// that take files, the splitting of one input into several files, the
// invented encyclopedia tables, and the check that stops a run with a report
// when an invariant breaks.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorda {
struct EncyclopediaPacking;
class RecordingMessageBoxes;
}

namespace vorda::fuzz {

// Parts of one input are separated by this byte (ASCII record separator),
// which none of the game's text files uses.
inline constexpr char kPartSeparator = '\x1E';

// Splits `input` at kPartSeparator into exactly `count` parts: missing parts
// are empty, and the last part takes the rest whole.
std::vector<std::string_view> SplitParts(std::string_view input, std::size_t count);

// A folder of this process's own, on a memory file system when there is one;
// removed when the process ends.
const std::string& ScratchDir();
// Writes `bytes` to ScratchDir()/`name`.
void WriteScratchFile(const std::string& name, std::string_view bytes);
// Removes every file of ScratchDir().
void ClearScratchDir();

// The packer's tables of the invented encyclopedias, as the file beside the
// program gives them.
extern const std::string_view kInventedPackingFile;
// Whether two packings know the same methods with the same seed and tables.
bool SamePacking(const EncyclopediaPacking& a, const EncyclopediaPacking& b);
// Puts those tables into Encyclopedia().Packing and `text_mode` (0..2) into its
// EncyclopediaTextMode.
void UseInventedPacking(std::uint8_t text_mode);

// The message boxes of this run: installed, and emptied of the last run's.
RecordingMessageBoxes& FreshBoxes();

// The sheet, its header and everything its files and the editor around it
// hold, as at program start.
void ResetSheetStates();

// The values a writer's target builds its random state from: any bytes, but
// often the kind of text the program holds (digits, letters, blanks, the odd
// line break or separator), so that most states can be written at all.
class StateSource {
 public:
  StateSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Bool();
  // 0..max.
  std::uint32_t Below(std::uint32_t max);
  // Any 32-bit value, a small one, or one at the edge of a field's width.
  std::int32_t Number();
  // A text of 0..max_length bytes.
  std::string Text(std::size_t max_length);

 private:
  std::uint8_t Byte();
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// Reports `what` with the source position and aborts, which libFuzzer records
// as a crash with its input.
[[noreturn]] void Fail(const char* what, const char* file, int line);

}  // namespace vorda::fuzz

#define FUZZ_CHECK(condition) \
  ((condition) ? (void)0 : ::vorda::fuzz::Fail("check failed: " #condition, __FILE__, __LINE__))
