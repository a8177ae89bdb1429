// The canned messages of the news order "HIR" for the shared-mind group ("KT"):
// P1 picks the message, P2 and P3 fill it (a square as P2;P3, a date as P2.P3).
#include <cstdint>
#include <string>

#include "data/game_tables.h"
#include "platform/win1250.h"
#include "orders/describe_orders3_parts.h"

namespace vorda::describe3 {

namespace {

std::string Char(std::int32_t id) { return CharacterName(id); }
std::string Item(std::int32_t id) { return ItemName(id); }
std::string Square(std::int32_t x, std::int32_t y) { return Num(x) + ";" + Num(y); }
std::string Date(std::int32_t month, std::int32_t day) { return Num(month) + "." + Num(day); }

// The wandering hero of news 51, whose camp the group reports.
std::string CampingHero() { return "Vándor Balgor"_w; }

}  // namespace

std::string NewsText(std::int32_t p1, std::int32_t p2, std::int32_t p3) {
  switch (p1) {
    case 1: return "KT találkozó "_w + Date(p2, p3) + " a szokott helyen";
    case 2: return "KT találkozó "_w + Date(p2, p3) + " nem a szokott helyen";
    case 3: return Date(p2, p3) + " hírdetett KT találkozó elmarad"_w;
    case 4: return "KT újság "_w + Num(p2) + ". száma megjelent. Válaszboríték: "_w + Char(p3);
    case 5: return "lehet fejleszteni a(z) " + Num(p2) + ". képességet, fejenként "_w + Num(p3) + " TU";
    case 6: return "a képességbe még "_w + Num(p2) + " TU kell, tegyen még bele, aki tud"_w;
    case 7: return "a képesség kész, de még nem működik. várjatok a fejlesztéssel"_w;
    case 8: return Char(p2) + " letudatcsatázta egyik tagunkat: "_w + Char(p3) + "t";
    case 9: return Char(p2) + " ellenségünk. támadjátok tudatcsatával. TU-ja kb. "_w + Num(p3);
    case 10: return Char(p2) + " a szövetségesünk, BA parancs"_w;
    case 11: return Char(p2) + " az ellenségünk, lehet támadni őket tudatilag is"_w;
    case 12: return "békét kötöttünk a(z) "_w + Char(p2) + " KT-val";
    case 13: return "a KT létszáma "_w + Num(p2) + " felvehetünk még "_w + Num(p3) + " tagot";
    case 14: return "új tag lépett a KT-ba: "_w + Char(p2);
    case 15: return Char(p2) + " tettei miatt kirúgásra lett ítélve. adjatok ki FKER-t"_w;
    case 16: return Char(p2) + " passzív a KT-ban. adjatok ki rá FKER parancsot"_w;
    case 17: return "lemondok a vezetőségről, adjatok ki FKER "_w + Num(p2) + " " + Num(p3) + " parancsot";
    case 18: return Char(p2) + " erőszakosan kilépett a KT-ból"_w;
    case 19: return Char(p2) + "t kérésére kiengedtem a KT-ból"_w;
    case 20: return "új tag jelentkezett: "_w + Char(p2) + " be kellene ajánlani"_w;
    case 21: return "KT érdekében kellene "_w + Num(p2) + " TU minél hamarabb"_w;
    case 22: return "szükségem lenne "_w + Num(p2) + " TU-ra, aki tud, adjon";
    case 23: return "felesleges TU-kat adjátok "_w + Char(p2) + " részére"_w;
    case 24: return "nagyon kellene " + Num(p2) + " darab " + Item(p3);
    case 25: return "akinek van felesleges (kölcsön) "_w + Item(p2) + " adja " + Char(p3);
    case 26: return "infót kérek: "_w + MonsterName(p2) + " és "_w + Item(p3);
    case 27: return "ha kell " + Item(p2) + " szólj, mert eladom/eldobom"_w;
    case 28: return "tudod hol található "_w + Char(p2) + "? ha igen, üzenj"_w;
    case 29: return "kérlek gyógyítsatok rajtam"_w;
    case 30: return "fontos mondanivalóm van. hívjatok: "_w + Num(p2) + Num(p3);
    case 31: return "Raia templom " + Square(p2, p3) + " még lehet jelentkezni"_w;
    case 32: return "Elenios templom " + Square(p2, p3) + " még lehet jelentkezni"_w;
    case 33: return "Leah templom " + Square(p2, p3) + " még lehet jelentkezni"_w;
    case 34: return "Dornodon templom " + Square(p2, p3) + " még lehet jelentkezni"_w;
    case 35: return "Tharr templom " + Square(p2, p3) + " még lehet jelentkezni"_w;
    case 36: return "Sheran templom " + Square(p2, p3) + " még lehet jelentkezni"_w;
    case 37: return "Fairlight templom " + Square(p2, p3) + " még lehet jelentkezni"_w;
    case 38: return Square(p2, p3) + " mezőn tudati lenyomat"_w;
    case 39: return Square(p2, p3) + " mezőn tudati jel"_w;
    case 40: return Square(p2, p3) + " mezőn álomvirág"_w;
    case 41: return Square(p2, p3) + " mezőn szopógödör"_w;
    case 42: return Square(p2, p3) + " mezőn nagy költségű múmia-próba"_w;
    case 43: return Square(p2, p3) + " mezőn Raia templom épült"_w;
    case 44: return Square(p2, p3) + " mezőn Elenios templom épült"_w;
    case 45: return Square(p2, p3) + " mezőn Tharr templom épült"_w;
    case 46: return Square(p2, p3) + " mezőn Sheran templom épült"_w;
    case 47: return Square(p2, p3) + " mezőn Fairlight templom épült"_w;
    case 48: return Square(p2, p3) + " mezőn Dornodon templom épült"_w;
    case 49: return Square(p2, p3) + " mezőn Leah templom épült"_w;
    case 50: return "előre megbeszélt "_w + Num(p2) + " helyen van egy " + Item(p3);
    case 51: return CampingHero() + " a " + Square(p2, p3) + " mezőn táborozik"_w;
    case 52: return Square(p2, p3) + " mezőn van valami érdekes/furcsa"_w;
    case 53: return Square(p2, p3) + " mezőn táborozok"_w;
    case 54: return Char(p2) + " előző HIRe nem igaz"_w;
    case 55: return Date(p2, p3) + "-án tudatkorbács, aki nem fejleszt"_w;
    case 56: return "leváltjuk a KT vezetőt, add ki az FKER "_w + Num(p2) + " " + Num(p3) + " parancsot";
    case 57: return "kellemes ünnepeket"_w;
    case 58: return "újabb szent liget a(z) "_w + Square(p2, p3) + " mezőn"_w;
    case 59: return "eladok " + Item(p2) + " tárgyat "_w + Num(p3) + " aranyért/darab áron"_w;
    case 60: return "vennék "_w + Item(p2) + " tárgyat "_w + Num(p3) + " aranyért/darab áron"_w;
    case 61: return "eladó "_w + Num(p2) + " " + Item(p3);
    case 62: return "van " + Num(p2) + " MXTUm, kellene még "_w + Num(p3);
    case 63: return Char(p2) + " KT megtámadta "_w + Char(p3) + " szöv. KT-t"_w;
    case 64: return "következő KT verseny/olimpia "_w + Date(p2, p3) + "-án kezdődik"_w;
    case 65: return "KT versenynek/olimpiának "_w + Date(p2, p3) + "-án vége"_w;
    case 66: return "van fölösleges "_w + Num(p2) + " MXTUm";
    case 67: return "valaki kiirtott/rombolt egy növényt/épitményt a(z) "_w + Square(p2, p3) + " mezőn"_w;
    case 68: return "kiirtottam/romboltam egy növényt/épitményt a(z) "_w + Square(p2, p3) + " mezőn"_w;
    case 69: return "beleromboltam " + Item(p2) + "-ba, de nem romboltam le teljesen";
    case 70: return Char(p2) + " nem használhat EK-t, amíg "_w + Num(p3) + " TUt nem fejleszt";
    case 71: return "senki nem használhat EK-t, amíg "_w + Num(p2) + " TUt nem fejleszt";
    case 72: return "küldjetek karlapot "_w + Date(p2, p3) + "-ig a köv. KT gyűlésre"_w;
    case 73: return "ne használd "_w + Num(p2) + ". képességet "_w + Char(p3) + " KT tagjaira";
    case 74: return "ha tudod, használd "_w + Num(p2) + ". képességet "_w + Char(p3) + " KT tagjaira";
    case 84: return "Megöltem egy @"_w + Num(p2) + "$ Tp-s masszát. @"_w + Item(p3) + "$ volt benne!";
    default:  // 0, 75..83, above 84 and negative numbers name no message
      return "híreket mesélsz társaidnak: "_w + Num(p1) + ". hírt "_w + Num(p2) + " " + Num(p3);
  }
}

}  // namespace vorda::describe3
