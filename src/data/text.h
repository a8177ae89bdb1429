#pragma once
// The small text routines every screen and file writer shares. All texts are
// Windows-1250 bytes.
#include <cstdint>
#include <string>
#include <string_view>

namespace vorda {

// The game operator's files are written in the DOS Hungarian code page (CWI-2);
// this maps its letters to Windows-1250 byte for byte (same length).
std::string CwiToWin1250(std::string_view s);

// The number a text starts with: leading blanks skipped, an optional sign, then
// the digits up to the first other character (none: 0); kept within 32 bits.
std::int32_t LeadingNumber(std::string_view s);

// Whether a value holds a CR or an LF, which would end its line in a file.
bool HasLineBreak(std::string_view s);

// A value as a message quotes it: every control byte (a line break, a tab) is
// shown as "?", so that the message keeps its lines.
std::string PrintableText(std::string_view s);

// Lower-cases only the 26 plain capitals A..Z.
char LowerCaseChar(char c);

// Value in decimal, blanks in front up to Width; never cut; Width 0 = no padding.
std::string IntToStrPadded(std::int32_t value, int width);

// S with blanks appended up to Width; never cut.
std::string PadRight(std::string_view s, int width);

// Two upper-case hexadecimal digits.
std::string ByteToHex(std::uint8_t b);

// The byte that the first two characters spell in upper-case hexadecimal; a
// character that is no digit counts -1, the result is taken modulo 256. A text
// shorter than two characters reads its missing digits as non-digits.
std::uint8_t HexToByte(std::string_view s);

// S with every Old replaced by New, each search starting again from the text's
// start, so that an occurrence a replacement creates is replaced too (two blanks
// by one reduces every run of blanks to one). A pair for which that never ends
// (a New that contains Old, or one that brings the text back to where it was)
// is replaced in one left-to-right pass instead.
std::string ReplaceAll(std::string_view old_text, std::string_view new_text, std::string_view s);

}  // namespace vorda
