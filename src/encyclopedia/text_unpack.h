#pragma once
// The encyclopedia's files come plain or with every line and every index key
// packed by one of two methods. Both methods first swap each half of the text
// end for end; method 1 then takes a fixed sequence of small numbers off the
// bytes; both then expand code bytes into the texts they stand for.
//
// Which code bytes and which seed the packer used is its own data, so it is
// read at start from an optional file beside the program, lexor_tables.txt:
//
//   ; a ";" starts a comment; blank lines are skipped
//   seed 123           method 1's generator seed, a byte in decimal
//   1 80 737A          an entry of method 1's table: the code byte, then the
//                      text it stands for (DOS code page bytes), both in
//                      hexadecimal
//   2 81 656E20        an entry of method 2's table
//
// The entries of one table are applied in the order of their lines (at most 27
// for method 1, 46 for method 2). Method 1 is known when the file gives its
// seed, method 2 when it gives entries of its table. A file with a line that
// cannot be read, or an entry whose text holds its own code byte (it would
// never finish expanding), is refused whole: then only plain files are read.
#include <cstdint>
#include <string>
#include <string_view>

#include "encyclopedia/encyclopedia_state.h"

namespace vorda {

inline constexpr std::string_view kPackingFileName = "lexor_tables.txt";
inline constexpr std::size_t kTable1Size = 27;
inline constexpr std::size_t kTable2Size = 46;
// The most of an unpacked line or key that is kept: no reader uses more than a
// 255-byte line, and tables whose texts hold each other's codes would otherwise
// double a text with every entry.
inline constexpr std::size_t kUnpackedLimit = 255;

// The program's 32-bit generator: every draw steps S := S * 134775813 + 1
// (mod 2^32) and yields the high half of S * N, 0..N-1.
class PackingGenerator {
 public:
  explicit PackingGenerator(std::uint32_t seed) : state_(seed) {}
  std::uint32_t Random(std::uint32_t n) {
    state_ = state_ * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(state_) * n) >> 32);
  }

 private:
  std::uint32_t state_;
};

// The first L div 2 bytes end for end, then the rest end for end: "abcde" gives
// "baedc".
std::string HalfReversal(std::string_view text);

// Replaces every `code` byte of `text`, left to right, by `replacement`.
void ExpandCodes1(std::string& text, std::string_view replacement, std::uint8_t code);
void ExpandCodes2(std::string& text, std::string_view replacement, std::uint8_t code);

// One packed line or key, unpacked with the packer's tables in Encyclopedia()
// and cut at kUnpackedLimit bytes (its start as the whole unpacking would give
// it). The generator of method 1 starts from the seed at every call.
std::string EncyclopediaUnpack1(std::string_view text);
std::string EncyclopediaUnpack2(std::string_view text);

// Reads the tables file's bytes into `out`. Empty on success, else why the file
// is refused (Windows-1250); `out` is then left unknown.
std::string ParseEncyclopediaPacking(std::string_view bytes, EncyclopediaPacking& out);

// Reads kPackingFileName from `program_dir` (found whatever its case) into
// Encyclopedia().Packing. No file: nothing is known and the result is empty.
// A refused or unreadable file: nothing is known and the result is the message
// to show.
std::string LoadEncyclopediaPacking(const std::string& program_dir);

// The packing mode that a TEXT.DTA whose first line is `first_line` has: 1 or 2
// when that method (if known) unpacks it to an entry header ("#..."), else 0. A
// line of up to three bytes that already reads as a plain header ("#T5") is
// plain, although method 2's half reversal leaves its "#" in front: a packed
// header that short puts its key's letter last.
std::uint8_t TextModeOfFirstLine(std::string_view first_line);

// Sets Encyclopedia().EncyclopediaTextMode for the TEXT.DTA in `folder` (found
// whatever its case; an empty folder is the current one) and returns it: 0 when
// there is no such file. The encyclopedia window's creation calls it, and the
// settings window's change of folder through the link the window fills in.
std::uint8_t DetectEncyclopediaTextMode(std::string_view folder);

}  // namespace vorda
