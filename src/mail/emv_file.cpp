#include "mail/emv_file.h"

#include "data/text.h"
#include "editor/email_sheet_files.h"

namespace vorda {

namespace {

constexpr const char* kCrLf = "\r\n";

std::string LowerCode(std::string code) {
  for (char& c : code)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return code;
}

int LinesOf(const SheetState& sheet) { return sheet.Sheet40Lines ? kSheetLines : 20; }

}  // namespace

std::string KodText(const std::array<bool, kSendFlagCount>& flags) {
  std::string kod;
  if (flags[B64])
    kod = "KOD=B64&";
  else if (flags[B64P])
    kod = "KOD=B64&PRINT=OFF&";
  else if (flags[UUE])
    kod = "KOD=UUE&";
  else if (flags[UUEP])
    kod = "KOD=UUE&PRINT=OFF&";
  if (flags[POSTA]) kod = "KOD=POSTA&";
  return kod;
}

std::string EmvFileName(const SheetHeader& header) {
  return header.KSZ + "_" + header.FORD + (header.SendFlags[BEALL] ? "b" : "") + ".emv";
}

void PrepareEmvSheet(SheetState& sheet) {
  for (int l = 1; l <= LinesOf(sheet); ++l) {
    std::string& code = sheet.Lines.SheetCodes[static_cast<std::size_t>(l)];
    if (const std::size_t blank = code.find(' '); blank != std::string::npos) code.erase(blank);
  }
  auto& h = sheet.Header;
  h.KOD = KodText(h.SendFlags);
  // The older form's reader takes four-digit account numbers.
  if (!sheet.Sheet40Lines && h.SZLA.size() == 5 && h.SZLA[0] == '0') h.SZLA.erase(0, 1);
}

void UpperCaseSheetCodes(SheetState& sheet) {
  for (int l = 1; l <= kSheetLines; ++l)
    for (char& c : sheet.Lines.SheetCodes[static_cast<std::size_t>(l)])
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
}

std::string EmvFileText(const SheetState& sheet, std::int32_t check_sum, bool with_queue) {
  const auto& h = sheet.Header;
  const auto& f = h.SendFlags;
  std::string out = sheet.Sheet40Lines ? "VERSION=2.0&" : "VERSION=1.1&";
  if (!h.EMAIL.empty()) out += std::string(kCrLf) + "email=" + h.EMAIL + "&" + kCrLf;
  if (f[ELVESZETT]) out += "ELVESZETT=OFF&";
  out += "KSZ=" + h.KSZ + "&SZLA=" + h.SZLA + "&FORD=" + std::to_string(LeadingNumber(h.FORD)) + "&";
  if (f[BEALL]) out += "BEALL=OFF&";
  out += "PSW=" + h.PSW + "&" + kCrLf;

  for (int l = 1; l <= LinesOf(sheet); ++l) {
    const auto i = static_cast<std::size_t>(l);
    const std::string n = std::to_string(l);
    const std::string& code = sheet.Lines.SheetCodes[i];
    if (code.empty()) {
      out += "C" + n + "=&P" + n + "1=0&P" + n + "2=0&P" + n + "3=0&" + kCrLf;
      continue;
    }
    const auto& p = sheet.Lines.SheetParams[i];
    out += "C" + n + "=" + LowerCode(code) + "&P" + n + "1=" + std::to_string(p[0]) + "&P" + n + "2=" +
           std::to_string(p[1]) + "&P" + n + "3=" + std::to_string(p[2]) + "&" + kCrLf;
  }

  if (f[UL]) out += "UL=OFF&";
  if (f[JL]) out += "JL=OFF&";
  if (f[EXT]) out += "EXT=OFF&";
  if (f[SZL]) out += "SZL=OFF&";
  out += "ELLSZ=" + std::to_string(check_sum) + "&";
  const std::string new_email = h.NEWEMAIL.empty() ? std::string() : "NEWEMAIL=" + h.NEWEMAIL + "&";
  out += sheet.Sheet40Lines ? h.KOD + new_email : new_email + h.KOD;
  if (with_queue) out += "PREKAR=" + h.PREKAR + "&" + "PREFORD=" + h.PREFORD + "&";
  out += "Post=P";
  out += kCrLf;
  return out;
}

}  // namespace vorda
