#pragma once
// The encyclopedia (the Lexor): the entry for the parameter under the editor's
// cursor, found through TEXT.IDX, read from TEXT.DTA and turned into rich text.
//
// TEXT.IDX (little-endian): a signed 16-bit count N (0 or less: no records),
// then N records of 13 bytes: the key as a length byte and 8 bytes (packed like
// the text lines), and a signed 32-bit offset into TEXT.DTA just behind the
// entry's header line. TEXT.DTA: lines, each packed by itself; an entry is its
// header line "#" + key, then its lines up to the next line beginning with "#".
#include <cstdint>
#include <string>
#include <string_view>

namespace vorda {

// The kinds of entries, by the letters their keys begin with.
enum EncyclopediaEntryKind : std::int16_t { KindItem = 1, KindSpell = 2, KindEK = 3, KindAV = 4, KindV = 5 };

// The key that the cell `cursor_cell` (line * 10 + column) of the sheet forms
// by the code of its line, its column and its parameter, after the alias
// table: "T5", "S12"; empty when the cell forms none.
std::string EncyclopediaKeyOfCell(std::uint16_t cursor_cell);

// The editor's encyclopedia command: looks up the entry for the cell under the
// cursor in `folder` (the encyclopedia folder of the options; empty: the
// current folder). When the cell forms no key, or its entry is not found, a
// message says so and EncyclopediaText is left empty, so that no earlier entry
// is shown as the answer.
void LookupEncyclopediaEntryAtCursor(std::uint16_t cursor_cell, std::string_view folder);

// Finds, reads and shows one entry; the number is 16-bit, as the index keys
// were made. Leaves EncyclopediaText empty when nothing was found.
void ShowEncyclopediaEntry(std::int16_t kind, std::int16_t number, std::string_view folder);

// Checks the two files, finds `key` in TEXT.IDX and reads its entry from
// TEXT.DTA into EncyclopediaText. Missing files, unreadable files and a damaged
// index are shown in a message and give false; a key that is not there gives
// true with an empty text.
bool FindEncyclopediaKey(std::string_view folder, std::string_view key);

// The index scan on the bytes of TEXT.IDX, keys unpacked in the current mode.
struct IndexSearch {
  enum Result { Found, Missing, Damaged } result = Missing;
  std::int32_t position = 0;
  std::string why;  // Damaged: what is wrong, in Hungarian
};
IndexSearch FindKeyInIndex(std::string_view index, std::string_view key);

// Where the header line that ends just before `position` (its line break
// included) begins: the offset after the previous line break, or 0.
std::size_t HeaderLineStart(std::string_view data, std::size_t position);

// The entry that begins at `start` of TEXT.DTA's bytes, as rich-text body: the
// lines after its header line up to the next header line or the end, each
// unpacked in the current mode, converted, and followed by "\r\n\par ", but
// lines beginning with "#", "$" or A8h.
std::string ReadEncyclopediaEntry(std::string_view data, std::size_t start);

// One unpacked line as rich-text body: RTF groups and control words of the
// line are dropped, "^B" makes the rest of the line bold in colour 3, other
// "^" marks go with the character after them, and the DOS letters become
// Windows-1250 (FEh here 7Fh).
std::string EncyclopediaLineToRtf(std::string_view line);

// The whole RTF document around a body: Courier New CE at 9 points.
std::string EncyclopediaRtfDocument(std::string_view body);

}  // namespace vorda
