#include "support/full_sheet.h"

#include <fstream>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "orders/describers.h"
#include "platform/files.h"

namespace vorda::testing {

namespace {

constexpr std::int32_t kFirstId = 100000;

// A 20-byte name of plain letters, different for every record.
std::string RecordName(const char* kind, int n) {
  std::string name = std::string(kind) + " " + std::to_string(n);
  name.resize(20, 'x');
  return name;
}

bool WriteLines(const std::string& folder, const char* file, int count, std::string (*line)(int)) {
  std::string bytes;
  for (int n = 0; n < count; ++n) bytes += line(n) + "\r\n";
  std::ofstream out(JoinPath(folder, file), std::ios::binary);
  out << bytes;
  return static_cast<bool>(out.flush());
}

}  // namespace

bool WriteFullGameTables(const std::string& folder) {
  return WriteLines(folder, "ITEM.TXT", kItemCapacity,
                    [](int n) { return std::to_string(kFirstId + n) + " 0 40 30 45 0 " + RecordName("Targy", n); }) &&
         WriteLines(folder, "KARAVAN.TXT", kCaravanCapacity,
                    [](int n) { return std::to_string(kFirstId + n) + " " + std::to_string(kFirstId + n) + " 4"; }) &&
         WriteLines(folder, "RECEPT.TXT", kRecipeCapacity,
                    [](int n) { return std::to_string(kFirstId + n) + " 10 " + RecordName("Recept", n); }) &&
         WriteLines(folder, "KARAKTER.TXT", kCharacterCapacity,
                    [](int n) { return std::to_string(kFirstId + n) + " " + RecordName("Karakter", n); }) &&
         WriteLines(folder, "MONSTER.TXT", kMonsterCapacity,
                    [](int n) { return std::to_string(kFirstId + n) + " " + RecordName("Szorny", n); }) &&
         WriteLines(folder, "SPELL.TXT", kSpellCapacity,
                    [](int n) { return std::to_string(kFirstId + n) + " V 10 4 20 " + RecordName("Varazslat", n); });
}

const std::vector<std::string>& DescriberCodes(int describer) {
  static const std::vector<std::string> codes[4] = {
      {"VD", "ESK", "ZAN", "ONGY", "EK", "V"},
      {"M",    "A",   "AA",  "FA",  "FAA", "AL",   "AMT",  "AT",   "BA",   "BE",   "BEAJ", "BEEN",
       "BPB",  "BPK", "D",   "DD",  "DX",  "E",    "EA",   "EE",   "EF",   "EP",   "ERKI", "F",
       "FAS",  "FF",  "FFK", "FGY", "FK",  "FKER", "FKT",  "FKU",  "FL",   "FLH",  "FOG",  "FSE",
       "FTV",  "FU",  "FV",  "FVH", "GO",  "GY",   "GYJ",  "GYK",  "HU",   "ID",   "IM",   "IN",
       "INL",  "INT", "INK", "JLK", "K",   "KF",   "KIEN", "KNO",  "KOKI", "KOTB", "KOTF", "KOTL"},
      {"ERO", "EXT", "FNO", "BB",  "KB",  "TRO", "FELV", "KPB", "KPK", "KUT", "L",   "LE",   "SZV", "LM",
       "OV",  "PBE", "PKI", "RM",  "SE",  "SZE", "SZK",  "SZM", "T",   "FT",  "TAN", "TF",   "TIM", "TNO",
       "TPF", "TPS", "PPF", "PPS", "TV",  "USZ", "FUSZ", "VE",  "FVE", "VIK", "VPF", "VPS",  "VTN", "ZIP",
       "VI",  "KT",  "AV",  "VV",  "LOT", "KRE", "FGO",  "FM",  "LIC", "P",   "KPCS", "HH", "H"},
      {"FOK", "FPH", "FVK", "TK", "TKB", "MAK", "KLD", "CIR", "FBB", "FKB", "HIR"},
  };
  return codes[describer];
}

std::vector<std::string> EveryOrderCode() {
  std::vector<std::string> all;
  for (int d = 0; d < 4; ++d) all.insert(all.end(), DescriberCodes(d).begin(), DescriberCodes(d).end());
  return all;
}

void CodeSheetLine(int line, const std::string& code) {
  static constexpr std::array<std::array<std::int32_t, 3>, 6> kParams = {{
      {2, 1, 3}, {1, 1, 1}, {1, 1, 0}, {5, 5, 5}, {1200, 2, 0}, {0, 0, 0},
  }};
  auto& sheet = SheetModel();
  const auto i = static_cast<std::size_t>(line);
  sheet.Lines.SheetCodes[i] = code;
  for (const auto& p : kParams) {
    sheet.Lines.SheetParams[i] = p;
    sheet.LineDescription.clear();
    DescribeOrders0(line);
    DescribeOrders1(line);
    DescribeOrders2(line);
    DescribeOrders3(line);
    if (!sheet.LineDescription.empty()) break;
  }
  sheet.LineDescription.clear();
}

void CodeSheetLines(const std::vector<std::string>& codes, std::size_t first) {
  for (int l = 1; l <= kSheetLines; ++l)
    CodeSheetLine(l, codes[(first + static_cast<std::size_t>(l) - 1) % codes.size()]);
}

}  // namespace vorda::testing
