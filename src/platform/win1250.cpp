#include "platform/win1250.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace vorda {

namespace {

// One conversion through iconv; an input sequence that has no counterpart is
// replaced by "?" and skipped (one byte of input).
std::string Iconv(const char* to, const char* from, std::string_view in, std::size_t skip_unit) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert between Windows-1250 and UTF-8");
  std::string out;
  out.resize(in.size() * 4 + 16);
  char* inp = const_cast<char*>(in.data());
  std::size_t inleft = in.size();
  char* outp = out.data();
  std::size_t outleft = out.size();
  while (inleft > 0) {
    if (iconv(cd, &inp, &inleft, &outp, &outleft) != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      const std::size_t used = out.size() - outleft;
      out.resize(out.size() * 2);
      outp = out.data() + used;
      outleft = out.size() - used;
      continue;
    }
    // EILSEQ or EINVAL: a byte with no character, or a character with no byte.
    std::size_t bad = skip_unit;
    if (skip_unit == 0) {  // UTF-8 input: skip one whole character
      const auto b0 = static_cast<unsigned char>(*inp);
      bad = b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC0 ? 2 : 1;
      if (bad > inleft) bad = inleft;
    }
    inp += bad;
    inleft -= bad;
    if (outleft == 0) {
      const std::size_t used = out.size();
      out.resize(out.size() * 2);
      outp = out.data() + used;
      outleft = out.size() - used;
    }
    *outp++ = '?';
    --outleft;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  out.resize(out.size() - outleft);
  iconv_close(cd);
  return out;
}

}  // namespace

std::string Win1250ToUtf8(std::string_view win1250) { return Iconv("UTF-8", "CP1250", win1250, 1); }

std::string Utf8ToWin1250(std::string_view utf8) { return Iconv("CP1250", "UTF-8", utf8, 0); }

}  // namespace vorda
