#include "data/field_reader.h"

#include <charconv>

namespace vorda {

namespace {
bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
}  // namespace

bool FieldReader::ReadNumber(std::int32_t& value) {
  value = 0;
  while (!Eof() && IsSeparator(data_[pos_])) ++pos_;
  if (Eof()) return true;
  const std::size_t start = pos_;
  while (!Eof() && !IsSeparator(data_[pos_]) && pos_ - start < 32) ++pos_;
  std::string_view run = data_.substr(start, pos_ - start);
  if (!run.empty() && run.front() == '+') {
    run.remove_prefix(1);
    if (!run.empty() && run.front() == '-') return false;
  }
  if (run.empty()) return false;
  std::int32_t parsed = 0;
  const auto [end, ec] = std::from_chars(run.data(), run.data() + run.size(), parsed);
  if (ec != std::errc() || end != run.data() + run.size()) return false;
  value = parsed;
  return true;
}

char FieldReader::ReadChar() {
  if (AtLineEnd()) return '\0';
  return data_[pos_++];
}

std::string FieldReader::ReadText(std::size_t max_chars) {
  const std::size_t start = pos_;
  while (!AtLineEnd() && pos_ - start < max_chars) ++pos_;
  return std::string(data_.substr(start, pos_ - start));
}

void FieldReader::SkipLine() {
  while (!AtLineEnd()) ++pos_;
  if (Eof()) return;
  if (data_[pos_] == '\r') {
    ++pos_;
    if (!Eof() && data_[pos_] == '\n') ++pos_;
  } else {
    ++pos_;
  }
}

}  // namespace vorda
