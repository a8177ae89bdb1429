// The mental abilities of the "EK" order, chosen by the ability number P1.
#include <array>
#include <cstdint>
#include <string>

#include "data/game_tables.h"
#include "platform/win1250.h"
#include "orders/attribute_names.h"
#include "orders/describe_orders0_parts.h"
#include "orders/move_replay.h"

namespace vorda::describe0 {

namespace {

std::string Char(std::int32_t id) { return CharacterName(id); }

std::int64_t Times(std::int64_t factor, std::int32_t value) { return factor * value; }

// Mind shield (3): against mind battle, against harmful abilities, both, or
// laid on another character's mind.
std::string MindShieldText(std::int32_t p2) {
  if (p2 == 0) return "tudatpajzsot húzol fel @tudatcsata$ ellen  -1 TU"_w;
  if (p2 == 1) return "tudatpajzsot húzol fel @tudatcsata$ ellen"_w;
  if (p2 == 2) return "tudatpajzsot húzol fel az @ártó képességek$ ellen  -1 TU"_w;
  if (p2 == 4 || p2 == 5) return "tudatpajzs @ártó képességek$ és @tudatcsata$ ellen   -2 TU"_w;
  if (p2 >= 1000) return "tudatpajzsot helyezel @"_w + Char(p2) + "$ elméjére  -1 TU"_w;
  return "tudatpajzs ^????$"_w;
}

// The spells that a healing totem may cast; any other P3 is an item it uses.
constexpr std::array<std::int32_t, 11> kTotemSpells = {5, 10, 58, 80, 128, 133, 187, 267, 324, 399, 508};

bool IsTotemSpell(std::int32_t id) {
  for (const std::int32_t s : kTotemSpells)
    if (s == id) return true;
  return false;
}

// Healing totem (116) and totem master (553): below P2 per cent of health the
// totem heals with the mind vitalization (P3 = 1), a spell or an item.
std::string HealingTotemText(const LineParams& p, const std::string& head, const std::string& off_text) {
  std::string s = head;
  if (p.p2 >= 30 && p.p2 <= 90)
    s += "@" + Num(p.p2) + "%$ alatt ";
  else
    s += "^???%$ alatt ";
  if (p.p3 == 1)
    s += "@tudati vitalizáció$ használata"_w;
  else if (IsTotemSpell(p.p3))
    s += "@" + SpellName(p.p3) + "$ használata"_w;
  else
    s += "@" + ItemName(p.p3) + "$ használata"_w;
  if (p.p2 == 0 && p.p3 == 0) s = off_text;  // the totem switched off
  return s;
}

// Price of stupidity (273): P2 the school (1 theology, 2 thaumaturgy, 3 ancient
// theology, 4 ancient thaumaturgy); P3 = 0 clears its setting, else its spells
// below P3 VP move up to P3 VP. The old kind of setting (P2 >= 5) no longer works.
struct StupiditySchool {
  std::string cleared;  // P3 = 0
  std::string middle;   // between the two P3
  std::string end;
};

std::string StupidityText(const LineParams& p) {
  static const std::array<StupiditySchool, 4> schools = {{
      {"@teológia$ varázslatok beállítása törölve"_w, "$ vp alatti @teológia$ varázslatok @"_w,
       "$ vp-be kerülnek"_w},
      {"@taumaturgia$ varázslatok beállítása törölve"_w, "$ vp alatti @taumaturgia$ varázslatok @"_w,
       "$ vp-be kerülnek"_w},
      {"@ősteológia$ varázslatok beállítása törölve"_w, "$ vp alatti @ősteológia$ varázslatok @"_w,
       "$ vp-be kerülnek (>@700$?)"_w},
      {"@őstaumaturgia$ varázslatok beállítása törölve"_w, "$ vp alatti @őstaumaturgia$ varázslatok @"_w,
       "$ vp-be kerülnek (>@700$?)"_w},
  }};
  std::string s = "butaság ára: "_w;
  if (p.p2 >= 5) return s + "@2014. április 29$-től új típusú butaság ára van, a régi nem működik"_w;
  if (p.p2 == 0 && p.p3 == 0) return s + " @beállítások törölve$"_w;
  if (p.p2 >= 1 && p.p2 <= 4) {
    const StupiditySchool& school = schools[static_cast<std::size_t>(p.p2 - 1)];
    if (p.p3 == 0) return s + school.cleared;
    return s + "@" + Num(p.p3) + school.middle + Num(p.p3) + school.end;
  }
  return s;  // P2 below 0, or P2 = 0 with P3 set
}

// Sacrifice of metals (134): copper (70) up to 6, tin (85) up to 3, iron (152)
// up to 2 pieces, each piece adding 1, 2 or 3 to damage and attack.
std::string MetalSacrificeText(const LineParams& p) {
  std::string s = "fémek áldozása ("_w;
  if (p.p2 == 70) {
    if (p.p3 >= 0 && p.p3 <= 6) return s + "@" + Num(p.p3) + " réz$) @+"_w + Num(p.p3) + " sebzés és támadás"_w;
    return s + "^??? réz$) (max. 6 rezet áldozhatsz)"_w;
  }
  if (p.p2 == 85) {
    if (p.p3 >= 0 && p.p3 <= 3)
      return s + "@" + Num(p.p3) + " ón$) @+"_w + Num(Times(2, p.p3)) + " sebzés és támadás"_w;
    return s + "^??? ón$) (max. 3 ónt áldozhatsz)"_w;
  }
  if (p.p2 == 152) {
    // Two pieces of iron at most, though the warning says three.
    if (p.p3 >= 0 && p.p3 <= 2)
      return s + "@" + Num(p.p3) + " vas$) @+"_w + Num(Times(3, p.p3)) + " sebzés és támadás"_w;
    return s + "^??? vas$) (max. 3 vasat áldozhatsz)"_w;
  }
  return s + "^???$)";
}

// Redistribution (189): one point from attribute P2 to attribute P3 (1..6).
std::string RedistributionText(const LineParams& p) {
  if (p.p2 >= 1 && p.p2 <= 6 && p.p3 >= 1 && p.p3 <= 6) {
    const auto& names = AttributeNames();
    return "@" + names[static_cast<std::size_t>(5 + p.p2)] + " $átcsoportosítasz 1 pontot @"_w +
           names[static_cast<std::size_t>(11 + p.p3)] + " $";
  }
  return "átcsoportosítás (@miről$, @mire$)"_w;
}

// Weapon master (302): the weapon group P2.
std::string WeaponMasterText(std::int32_t p2) {
  if (p2 < 1) return "fegyvermester (^???$)";
  std::string s = "fegyvermester (@";
  switch (p2) {
    case 1: return s + "ökölvívás$)"_w;
    case 2: return s + "szúrófegyverek$)"_w;
    case 3: return s + "vágófegyverek$)"_w;
    case 4: return s + "ütőfegyverek$)"_w;
    case 5: return s + "lőfegyverek$)"_w;
    case 6: return s + "dobófegyverek$)"_w;
    default: return s + "^???$)";
  }
}

}  // namespace

std::string AbilityText(const LineParams& p) {
  switch (p.p1) {
    case 1: return "tudatkorbács, @"_w + Char(p.p2) + "$ sebződik 20 ép-t   -1 TU"_w;
    case 2: return "tudatcsata @"_w + Char(p.p2) + "$ ellen  -1 TU";
    case 3: return MindShieldText(p.p2);
    case 4: return "tudati vizsgálat, célpont @"_w + Char(p.p2) + "$  -1 TU";
    case 5: return "tudattárs keresése, célpont @"_w + Char(p.p2) + "$";
    case 6:
      if (p.p2 != 0) return "tudati vitalizáció @"_w + Char(p.p2) + "$ részére  -2 TU"_w;
      return "@tudati vitalizáció$ saját magadon  -2 TU"_w;
    case 7:
      if (p.p3 != 0)
        return "tudatturbó @"_w + Num(p.p2) + ".$ képesség, @"_w + Num(p.p3) + "$ ponttal  -" + Num(p.p3) + " TU";
      return "tudatturbó @"_w + Num(p.p2) + ".$ képesség, @1$ ponttal  -1 TU"_w;
    case 12: {
      std::string s = "tudati képességek letiltása @"_w + Num(p.p2) + " TU-ra$ ";
      if (p.p3 >= 1) s += "(@" + Char(p.p3) + "$)";
      return s;
    }
    case 32: return "@érclelőhelyek érzékelése$ 3 mező sugarú körben"_w;
    case 37: return "koncentráció könnyítés @"_w + Num(p.p2) + ".$ harcművészeti képességre  -1 TU"_w;
    case 39: return "@gonoszok észlelése$ 3 mezőn belül  -1 TU"_w;
    case 40: return "tvp szaporítás @+"_w + Num(Times(5, p.p2)) + " tvp$, -" + Num(p.p2) + " TU";
    case 41: {
      std::string s = "@méregszaporítás$ "_w;
      if (p.p2 == 26) return s + "+" + Num(p.p3) + " gyenge méreg"_w;
      if (p.p2 == 166) return s + "+" + Num(p.p3) + " ugh méreg"_w;
      return s + "^???$";
    }
    case 42: return "energiatöltés @+"_w + Num(Times(6, p.p2)) + " vp$, -" + Num(p.p2) + " TU";
    case 43: {
      std::string s = "hívők észlelése "_w;
      if (p.p2 >= 1 && p.p2 <= 6) return s + "@" + Num(p.p2) + "$ sugarú körben, -"_w + Num((p.p2 + 1) / 2) + " TU";
      return s + " ^???$";
    }
    case 99: return "bármelyik KT tagjának tudsz @tárgyat$, @TU-t$ és @infót$ átadni a forduló végéig"_w;
    case 101: return "lenullázod a @quwarg-számlálót$ a KT tagjainál  -1 TU"_w;
    case 102: return "@viharfelhőt$ helyezel el, célpont @"_w + Char(p.p2) + "$  -1 TU";
    case 103: return "létrehozol egy @múmia-próbát$ a mezőn @"_w + Num(p.p2) + "$ pontért"_w;
    case 105: return "létrehozol egy @tudati lenyomatot$, amely véd a rombolás ellen  -4 TU"_w;
    case 109: {
      std::string s = "létrehozol egy @tudati jelet$ (dupla TU regenerálódás)  "_w;
      if (p.p2 == 1) s += "-4 TU";
      else if (p.p2 == 2) s += "-6 TU";
      return s;
    }
    case 111: return "@csatakiáltás$  -1 TU"_w;
    case 114: return "@Főnix idézése$  -4 TU"_w;
    case 115: return "@tudatpajzs letörése$, célpont @"_w + Char(p.p2) + "$  -1 TU";
    case 116: return HealingTotemText(p, "gyógyító totem: "_w, "gyógyító totem: @kikapcsolva$"_w);
    case 118: return "@trikornis idézése$  -4 TU"_w;
    case 119: return "bemérgezed a fegyvered @"_w + Num(p.p2) + ".$ szintű lények ellen"_w;
    case 122: return "qwargok leigázása: megidézel egy @"_w + MonsterName(p.p2) + "$  -4 TU";
    case 131: return "@gonoszság erejét$ helyezel el az oltáron  -2 TU"_w;
    case 133: return "elültetsz egy @szent tölgyfát$  -6 TU"_w;
    case 134: return MetalSacrificeText(p);
    case 135: return "elültetsz egy @álomvirágot$  -2 TU"_w;
    case 138:
      if (p.p2 == 0) return "Felhelyezed a @Hófarkas$ tetoválását -1 TU"_w;
      if (p.p2 >= 1 && p.p2 <= 3) return "A Falka ereje @" + Num(p.p2) + " $TU pontért"_w;
      return "Falka ereje ^???";
    case 140: return "megidézel egy @aurapollátort$  -6 TU"_w;
    case 143: return "mester hívása (@+1 ökölvívás$, ha *-os)  -2 TU"_w;
    case 145:
      if (p.p2 == 1) return "kasztroplanáris transzformáció @életpontszívás$  -1 TU"_w;
      if (p.p2 == 2) return "kasztroplanáris transzformáció @varázspontszívás$  -1 TU"_w;
      return "kasztroplanáris transzformáció ^???$"_w;
    case 147: return "létrehozol egy @vérvörös köpenyt$  -1 TU -20 életpont"_w;
    case 148: return "megidézel egy @alanori csatamént$  -4 TU"_w;
    case 153: return "létrehozol @"_w + Num(p.p2) + "$ aranypikkelyt  -" + Num(Times(2, p.p2)) + " TU";
    case 158: return "felszenteled a @vízlelőhelyet$  -2 TU"_w;
    case 159: return "elhelyezed a @kasztroplanáris uralmat$  -4 TU"_w;
    case 163: return "@Szent ligetet$ szentelsz  -6 TU"_w;
    case 164: return "átkot mondasz el @"_w + Char(p.p2) + "$ fejére  min. -1 TU"_w;
    case 172: return "létrehozol egy @porfelleget$  -2 TU"_w;
    case 176: return "tudati képesség használata"_w;
    case 179: return "a bugyorba teszel @" + Num(p.p2) + "$ tudatpontot";
    case 180: return "kiveszel a bugyorból @"_w + Num(p.p2) + "$ tudatpontot";
    case 185: return "megidézel egy @aranysárkányt$  -4 TU"_w;
    case 187: return "@szamócaenergia$  -1 TU"_w;
    case 189: return RedistributionText(p);
    case 190:
      if (p.p2 != 0)
        return "elnyomók gyűlölete (@"_w + MonsterName(p.p2) + "$ ellen @+7$ támadás, @+4$ sebzés)"_w;
      return "elnyomók gyűlölete (a KT főnök által beállított lényre @+7$ tám. @+4$ seb.)"_w;
    case 206: return "kihívás, célpont @"_w + Char(p.p2) + "$  -2 TU";
    case 207:
      if (p.p3 == 1) return "@Elenios áldása$ száll @"_w + Char(p.p2) + "$ fejére  -1 TU"_w;
      if (p.p3 == 2) return "@Elenios átka$ sújt le @"_w + Char(p.p2) + "$ fejére -1 TU"_w;
      if (p.p3 == 3) return "leloldod @Elenios átkát "_w + Char(p.p2) + "$ fejéről"_w;
      return "@Elenios átka/áldása ^???$"_w;
    case 208: return "elhelyezed a @Jáde-sárkány óvó tetoválását$  -2 TU"_w;
    case 210: return "elhelyezed a @barátság szent tüzét$  -3 TU"_w;
    case 212: return "aranyburok, célpont @"_w + Char(p.p2) + "$  -1 TU";
    case 213: return "dalolni fogsz a csatában "_w;
    case 214: return "@pszionikus visszacsatolás$  -4 TU"_w;
    case 215: return "hatalom rúnája @-"_w + Num(Times(12, p.p2)) + " vp$, +" + Num(p.p2) + " TU";
    case 224: return "megidézel egy @kőtiprót$  -4 TU"_w;
    case 225: return "megidézel egy @erdei tündét$  -4 TU"_w;
    case 227: return "teleportálsz a(z) (@"_w + Num(p.p2) + "$;@" + Num(p.p3) + "$) koordinátára"_w;
    case 273: return StupidityText(p);
    case 288: return "főnixtoll teremtése @"_w + Char(p.p2) + "$  -2 TU";
    case 289:
      if (p.p2 == 0) return "törlöd a düh vérvörös köde beállításokat  @-1 TU"_w;
      if (p.p2 >= 1 && p.p2 <= 50)
        return "düh vérvörös köde: szörnyekre @+"_w + Num(p.p2) + "$% erősség   @-1 TU"_w;
      return "düh vérvörös köde: +^???$%"_w;
    case 294: return "Maffiózó idézése  -3 TU"_w;
    case 302: return WeaponMasterText(p.p2);
    case 311: return "Fortuna Szentélyének teremtése  -4 TU"_w;
    case 340: {
      std::string s = "zsákmány kihívása"_w;
      if (p.p2 > 0) s += ": @" + Char(p.p2) + "$";
      if (p.p3 >= 1) s += " (@" + ItemName(p.p3) + "$) -1 TU";
      return s;
    }
    case 390: return "tudati fekete mágia @-"_w + Num(Times(12, p.p2)) + " vp$, +" + Num(p.p2) + " TU";
    case 395:
    case 503:  // the favourite camp: set it here (P2 = 0), or jump to it
      if (p.p2 != 0) return "@Kedvenc táborhelyedre$ ugrasz: @"_w + Num(p.p2) + "$;@" + Num(p.p3) + "$";
      return "Ez a hely lesz a @kedvenc táborhelyed$."_w;
    case 553: return HealingTotemText(p, "totemmester: "_w, "totemmester: @kikapcsolva$"_w);
    case 559: {
      // Mind transfer: a teleport without return; it costs twice the distance in psi.
      std::string s = p.p2 != 0 ? "tudatáthelyezés: @"_w + Num(p.p2) + "$;@" + Num(p.p3) + "$"
                                : "tudatáthelyezés"_w;
      const std::int32_t d = TeleportDistance(p.p2, p.p3, p.line);
      return s + " (pszi: @" + Num(Times(2, d)) + "$)";
    }
    default: return "tudati képesség használata"_w;
  }
}

}  // namespace vorda::describe0
