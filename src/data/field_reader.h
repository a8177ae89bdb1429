#pragma once
// Reads the program's plain text files field by field, the way all of them are
// laid out: a number field skips blanks, tabs and line breaks and reads one
// decimal integer (which may run onto the next line); a text field takes at most
// a fixed number of characters of the current line, blanks included. A line ends
// at LF, CR LF or a lone CR; no CR ever stays in a value.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorda {

class FieldReader {
 public:
  explicit FieldReader(std::string_view bytes) : data_(bytes) {}

  // True when nothing is left to read.
  bool Eof() const { return pos_ >= data_.size(); }

  // Skips blanks, tabs and line breaks, then takes the following run of other
  // characters (at most 32) as a decimal integer with an optional sign. At the
  // end of the data it gives 0 and succeeds. False when the run is no integer
  // or does not fit 32 bits (`value` is then 0).
  bool ReadNumber(std::int32_t& value);

  // The next character of the current line, or '\0' at a line end or the end of
  // the data (a line break is not consumed).
  char ReadChar();

  // At most `max_chars` characters from the current position up to the line end.
  std::string ReadText(std::size_t max_chars);

  // The rest of the current line, whatever its length.
  std::string ReadRestOfLine() { return ReadText(data_.size()); }

  // Skips the rest of the current line and its line break.
  void SkipLine();

  std::size_t Position() const { return pos_; }

 private:
  bool AtLineEnd() const { return Eof() || data_[pos_] == '\n' || data_[pos_] == '\r'; }

  std::string_view data_;
  std::size_t pos_ = 0;
};

}  // namespace vorda
