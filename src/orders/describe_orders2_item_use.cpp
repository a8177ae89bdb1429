// The use of an item (H): the description depends on the item in P1. Most items
// just add their count or points to "<item> használata"; about fifty have a text
// of their own, and the climbing gear names its destination by the line's TVP.
#include <array>
#include <initializer_list>
#include <string>

#include "data/game_tables.h"
#include "data/gazetteer.h"
#include "platform/win1250.h"
#include "orders/describe_orders2_branches.h"
#include "orders/directions.h"

namespace vorda::orders2 {

namespace {

bool IsOneOf(std::int32_t v, std::initializer_list<std::int32_t> set) {
  for (const std::int32_t x : set)
    if (v == x) return true;
  return false;
}

// Item 1: the games entry; P3 chooses the contest-only and report-delivery variants.
std::string GamesEntryOption(std::int32_t p3) {
  switch (p3) {
    case 9: return " csak vetélkedőre"_w;
    case 10: return " e-mail (BASE64)";
    case 19: return " csak vetélkedő e-mail (BASE64)"_w;
    case 20: return " e-mail (UUENCODE)";
    case 29: return " csak vetélkedő e-mail (UUENCODE)"_w;
    case 30: return " posta+e-mail (BASE64)";
    case 39: return " csak vetélkedő posta+e-mail (BASE64)"_w;
    case 40: return " posta+e-mail (UUENCODE)";
    case 49: return " csak vetélkedő posta+e-mail (UUENCODE)"_w;
    default: return "";
  }
}

// Item 335, the scissors: P2 1 hair style (P3 1..8), 2 beard (1..4), 3 moustache (1..4).
std::string ScissorsText(std::int32_t p2, std::int32_t p3) {
  if (p2 == 1) {
    static const std::array<std::string, 9> hair = {
        "",          "normál haj$"_w, "göndör haj$"_w, "rövid haj$"_w, "hosszú haj$"_w,
        "copfos haj$", "kontyos haj$", "tüsi haj$"_w,  "kopasz fej$",
    };
    return "használód az @ollót$, új hajtípus: @"_w +
           (InRange(p3, 1, 8) ? hair[static_cast<std::size_t>(p3)] : "^3. paraméter$ (1-8)"_w);
  }
  if (p2 == 2) {
    static const std::array<std::string, 5> beard = {
        "", "nincs$", "kecske-szakáll$"_w, "körszakáll$"_w, "hosszú szakáll$"_w,
    };
    return "használód az @ollót$, új szakáll: @"_w +
           (InRange(p3, 1, 4) ? beard[static_cast<std::size_t>(p3)] : "^3. paraméter$ (1-4)"_w);
  }
  static const std::array<std::string, 5> moustache = {
      "", "nincs$", "normál bajusz$"_w, "harcsabajusz$", "rövid bajusz$"_w,
  };
  return "használód az @ollót$, új bajusz: @"_w +
         (InRange(p3, 1, 4) ? moustache[static_cast<std::size_t>(p3)] : "^3. paraméter$ (1-4)"_w);
}

// Item 365, the Tyrkian climbing machine, goes wherever the line's TVP says.
std::string ClimbingMachineText(std::int32_t tvp) {
  switch (tvp) {
    case 14: return "@Tyrkiai mászógéppel$ lemászol a @mély kútba$"_w;
    case 16: return "@Tyrkiai mászógéppel$ felmászol a @grok képződménybe$"_w;
    case 20: return "@Tyrkiai mászógéppel$ lemászol a @mély szakadékba$"_w;
    case 24: return "@Tyrkiai mászógéppel$ felmászol a @sziklafészekbe$"_w;
    case 28: return "@Tyrkiai mászógéppel$ felmászol a @márványtoronyba$"_w;
    case 35: return "@Tyrkiai mászógéppel$ felmászol a @quwarg-bolyba$"_w;
    case 40: return "@Tyrkiai mászógéppel$ felmászol a @kristálypalotába$"_w;
    default: return "";
  }
}

// Items 1400 and 1983: against which monster the potion works in the next battle.
std::string BattlePotionText(std::string s, std::int32_t p2) {
  if (p2 == 8999) return s + " (@törlöd a beállítást$)"_w;
  if (p2 > 0) return s + " (@" + MonsterName(p2) + "$)";
  if (p2 == 0) return s + " a következő csatában"_w;
  return s;
}

// Item 2069, the gnome refrigerator: P2 chooses what it makes, P3 from which
// item or how many.
bool IsGreatGnomeIngredient(std::int32_t p3) {
  return IsOneOf(p3, {2243, 2250, 2271, 2272, 2336, 2338, 2386, 2387, 2470, 2476, 2477, 2532, 2533, 2534});
}

std::string OintmentName(std::int32_t p2) {
  switch (p2) {
    case 1405: return " @erőserkentő kenőcs$, "_w;
    case 1406: return " @agyértágító kenőcs$, "_w;
    case 1407: return " @reflexélesítő kenőcs$, "_w;
    case 1408: return " @sejtfiatalító kenőcs$, "_w;
    default: return " @esélynövelő kenőcs$, "_w;
  }
}

std::string RefrigeratorPiece(std::int32_t p2, std::int32_t p3) {
  switch (p2) {
    case 1: return "+1% max fv (@quwarg kitindarab$, @nerub totemfétis$, @moa relikvia$)"_w;
    case 2:
      if (IsOneOf(p3, {1959, 1968, 1971})) return "+1 max ÉP (@"_w + ItemName(p3) + "$)";
      if (IsGreatGnomeIngredient(p3)) return "+2 max ÉP (@"_w + ItemName(p3) + "$)";
      return "+1 max ÉP (^???$)"_w;
    case 3:
      if (IsOneOf(p3, {1959, 1969, 1971})) return "+4 max VP (@" + ItemName(p3) + "$)";
      if (IsGreatGnomeIngredient(p3)) return "+8 max VP (@" + ItemName(p3) + "$)";
      return "+4 max VP (^???$)";
    case 4: return "+20% nevesre halálkúpban (-1-1 @lég$, @tűz$, @víz$, @föld$ esszencia)"_w;
    case 5: return "+1% max fv (@triton pikkely$, @szirén hajszál$)"_w;
    case 6: return "+1% max fv (@quwargszilánk$, @óriásfétis$)"_w;
    case 7: return "+1% max fv (@térkristály$, @fészektoll$)"_w;
    case 8: return "+1% max fv (@tűzváltó totem$, @bazaltgolyó$)"_w;
    case 9: return "+1% max fv (@kőtojás$, @grokgumó$, @pókgumó$)"_w;
    case 10: return "+1% max fv (@óelf medál$, @ébenkoponya$, @őstörpe ékkő$)"_w;
    case 1405: case 1406: case 1407: case 1408: case 1409: {
      // P3 elixirs for P3 ointments and P3 life stones.
      const std::string used = N(Negated(p3));
      return "+" + N(p3) + " @nerub elixir$ (" + used + OintmentName(p2) + used + " @tleikan életkő$)"_w;
    }
    case 1928: case 1929: case 1930: case 1931: case 1932: case 1933: {
      std::string s = "3 @" + ItemName(p2) + "$ transzformálás "_w;
      if (InRange(p3, 1928, 1933)) return s + "(+1 @" + ItemName(p3) + "$)";
      return s + "(+1 ^???$)";
    }
    case 1480:
      // Fewer than a hundred ducats make a crystal, more a prism.
      return N(p3) + " @titanitdukát$ átalakítása "_w + (p3 < 100 ? "@védőkristállyá$"_w : "@védőprizmává$"_w);
    case 350: return N(p3) + " @esszenciakristály$ átalakítása @vortexvesszővé$"_w;
    case 2331: return N(p3) + " @vortexvessző$ átalakítása @esszenciakristállyá$"_w;
    default: return "";
  }
}

}  // namespace

// The rules are tried in this order and the first that holds decides. A rule
// that also tests P2 or P3 lets an item whose values fail it go on to the
// general rules at the end; a rule on the item alone ends the search.
std::string DescribeItemUse(const OrderLine& o, std::int32_t tvp) {
  const std::int32_t item = o.p1, p2 = o.p2, p3 = o.p3;
  const std::string u = "@" + ItemName(item) + "$ használata "_w;

  if (IsOneOf(item, {883, 892, 1294, 1508, 1640})) return p2 > 0 ? u + ": @" + N(p2) + "$ db" : u;
  if (item == 1755 && p2 > 0)  // gold into VP, one for one
    return "@aranyfaló ládikó$ (@"_w + N(p2) + "$ arany átváltása @"_w + N(p2) + "$ vp-re)";
  if (item == 1137 && p2 > 0) {  // at most four bottles a turn
    if (p2 < 5) return "@varkaudar pálinka$ használata (@"_w + N(p2) + "$ üveg)"_w;
    return "@varkaudar pálinka$ használata (^"_w + N(p2) + "$ üveg, max @4$ üveg)"_w;
  }
  if (item == 1224 && p2 > 0) return "@ryuku tájoló$ használata (keresés: @"_w + ItemName(p2) + "$)";
  if (item == 1387 && (p2 >= 1 || p3 >= 1)) {  // the teleport stone's target square X;Y
    std::string square;
    DescribeMapSquare(p2, p3, square);
    return "titkos teleportkő (@"_w + N(p2) + "$;@" + N(p3) + "$)@ " + square;
  }
  if (IsOneOf(item, {1167, 1168, 2229})) {  // cooking a recipe
    std::string s = "főzés (@"_w + ItemName(item) + "$)";
    if (p2 > 0) s += ": @" + RecipeName(p2) + "$";
    return s;
  }
  if (item == 1184) {  // item 28 sharpens less
    std::string s = u;
    if (p2 > 0) s += " (@" + ItemName(p2) + "$)";
    return s + (p2 == 28 ? ", +@2$ sebzés"_w : ", +@4$ sebzés"_w);
  }
  if (IsOneOf(item, {1268, 1271})) return p2 > 0 ? u + ": @" + ItemName(p2) + "$" : u;
  if (item == 1477 && p2 > 0) {  // the jokonbia branch flies P3 squares in heading P2
    std::string s = "@jokonbia-ág$ használata"_w;
    if (InRange(p2, 1, 8))
      s = "@boszirepcsi$, irány: @"_w + DirectionNames()[static_cast<std::size_t>(p2)] + "$ " + N(p3) + " mezőt"_w;
    if (p3 >= 19)
      s += " (^max 18 mező$)"_w;
    else if (InRange(p3, 10, 18))
      s += " (@leb.köpeny$+@légsík$)"_w;
    else if (InRange(p3, 6, 9))
      s += " (csak @lebernyeg köpennyel$)"_w;
    return s;
  }
  if (item == 1586) {  // the strangling noose: from a level on, or against one foe
    if (p2 == 0) return "törlöd a @fojtóhurok$ beállításodat"_w;
    if (InRange(p2, 1, 99)) return u + ", @" + N(p2) + "$. szinttől"_w;
    return u + ", @" + CharacterOrMonsterName(p2) + "$ ellen";
  }
  if (item == 1589) {
    std::string s = u;
    if (p2 > 0) s += ", @" + ItemName(p2) + "$";
    if (p3 > 0) s += ", @" + ItemName(p3) + "$";
    return s;
  }
  if (item == 1602) return p2 > 0 ? u + ": @" + N(p3) + "$ db @" + ItemName(p2) + "$" : u;
  if (item == 1802) {  // the blue orb raises one of four values
    std::string s = "használod a @kék golyót$"_w;
    if (p2 == 1) s += " +1 @támadás$"_w;
    if (p2 == 2) s += " +1 @védekezés$"_w;
    if (p2 == 3) s += " +5 @max.ép$"_w;
    if (p2 == 4) s += " +5 @max.vp$";
    return s;
  }
  if (item == 248) {
    if (p2 > 1) return "megeszel " + N(p2) + " @pszi követ$"_w;
    return "megeszel egy @pszi követ$"_w;
  }
  if (item == 1 && p2 > 0) {  // the games entry; 999 is the operator's switch
    if (p2 == 999) return "@deus ex machina$ ki/be kapcsolása"_w;
    return "jelentkezés az Olimpiára (@"_w + ItemName(p2) + "$)" + GamesEntryOption(p3);
  }
  if (item == 78 && p2 == 0) {
    if (tvp == 16) return "@mászókarommal$ felmászol a @grok képződménybe$"_w;
    return "@mászókarommal$ felmászol a @quwarg-bolyba$"_w;
  }
  if (item == 81 && p2 > 0) return u + "(@" + ItemName(p2) + "$)";
  if (item == 92 && p2 == 0) {
    if (tvp == 14) return "@kötéllel$ lemászol a @mély kútba$"_w;
    return "@kötéllel$ lemászol a @mély szakadékba$"_w;
  }
  if (item == 150 && p2 >= 0) {  // heals when at least P2 life points are missing
    if (p2 == 0) return "@szent jogar$ használata"_w;
    return "@szent jogar$ használata (ha legalább @"_w + N(p2) + "$ életpontod hiányzik)"_w;
  }
  if (item == 284 && p2 >= 0) {
    if (p2 == 0) return "@sötét ital$ használata"_w;
    return "@sötét ital$ használata (ha legalább @"_w + N(p2) + "$ életpontod hiányzik)"_w;
  }
  if (item == 165 && p2 == 0) {
    if (tvp == 24) return "@mászókampóval$ felmászol a @sziklafészekbe$"_w;
    return "@mászókampóval$ felmászol a @márványtoronyba$"_w;
  }
  if (item == 335 && p2 > 0) return InRange(p2, 1, 3) ? ScissorsText(p2, p3) : u;
  if (item == 365 && p2 == 0) {
    const std::string s = ClimbingMachineText(tvp);
    return s.empty() ? u : s;
  }
  if (item == 392 && p2 == 0) {
    if (tvp == 40) return "@mászó karpereccel$ felmászol a @kristálypalotába$"_w;
    if (tvp == 45) return "@mászó karpereccel$ felmászol az @ősi rúnatoronyba$"_w;
    return u;
  }
  if (item == 265 && p2 > 0) return "@kristálygömb$ használata (@"_w + CharacterName(p2) + "$)";
  if (item == 305 && p2 > 0) return "@" + N(p2) + "$ " + u + "(max. ^2 darab/forduló!!!$)"_w;
  if (item == 578) {
    if (p2 > 1) return "beledobsz " + N(p2) + " @ében tobozt$ a gejzírbe"_w;
    return "beledobsz egy @ében tobozt$ a gejzírbe"_w;
  }
  if (item == 569 && p2 > 0) return "@Martian tekercse$ használata (@"_w + SpellName(p2) + "$)";
  if (item == 645 && p2 > 0)
    return "@Fortuna Szentélye$ használod (megsemmisül az összes @"_w + ItemName(p2) + "$)";
  if (item == 697 && p2 > 0) {  // the horn turns life points into half as many VP
    const std::int32_t life = p3 > 0 ? Times(p2, p3) : p2;
    return "@Ezüstmágusok kürtjét$ használod (átalakítod @"_w + N(life) + "$ életpontodat @"_w + N(life / 2) +
           "$ vp-re)";
  }
  if (item == 970) {
    std::string s = "@" + ItemName(970) + "$ használata"_w;
    if (p2 > 0) s += ", @" + N(p2) + "$ db";
    return s;
  }
  if (item == 1064) {
    std::string s = "@" + ItemName(1064) + "$ használata"_w;
    if (p2 > 0) s += ", @" + ItemName(p2) + "$";
    if (p3 > 0) s += " -> @" + ItemName(p3) + "$";
    return s;
  }
  if (item == 1143 && p2 > 0) return u + ", ha legalább @"_w + N(p2) + "$ életpontod hiányzik"_w;
  if (IsOneOf(item, {1332, 1398}) && p2 > 0) return u + " (@" + ItemName(p2) + "$)";
  if (IsOneOf(item, {1333, 2026}) && p2 > 0) return u + " (@" + N(p2) + "$. labirintus)";
  if (IsOneOf(item, {1340, 2313, 1460, 2242, 2121, 2136, 2183, 2504}) && p2 >= 1)
    return u + " (@" + SpellName(p2) + "$)";
  if (item == 1400) return BattlePotionText("@tűzsárkány ital$ használata"_w, p2);
  if (item == 1983) return BattlePotionText("@yeti nektár$ használata"_w, p2);
  if (item == 1459 && p2 > 0) return u + " (@" + N(p2) + "$. szakértelem)"_w;
  if (item == 1525) {
    std::string s = u;
    if (p2 > 0) s += ", @" + MonsterName(p2) + "$";
    if (p3 > 0) s += ", @" + MonsterName(p3) + "$";
    return s;
  }
  if (IsOneOf(item, {1608, 1652, 2266, 1899, 2276}) && p2 > 0) return u + " (@" + MonsterName(p2) + "$)";
  if (item == 1678 && p2 > 0) return u + " (@" + ItemName(p2) + "$), +@3$ támadás"_w;
  if (item == 1693) {  // a bet of 10..3000 gold
    if (InRange(p2, 10, 3000)) return u + ", tét: @"_w + N(p2) + "$ arany";
    return u + ", tét: ^??? "_w + N(p2) + "$ arany (10-3000 lehet)";
  }
  if (item == 341 && p2 > 0) {  // the alchemist's cauldron
    if (p3 != 0) return "alkímiázó üst (@"_w + N(p3) + " " + ItemName(p2) + "$)";
    return "alkímiázó üst (@"_w + ItemName(p2) + "$)";
  }
  if (item == 1540 && p2 > 0) {
    if (p3 == 0) return u + " (@" + ItemName(p2) + "$)";
    if (p3 > 0) return u + " (@" + N(p3) + "$ db @" + ItemName(p2) + "$)";
    return u;
  }
  if (item == 1820 && p2 > 0) {
    if (p2 == 1) return u + ", @életerőd$ nő"_w;
    if (p2 == 2) return u + ", @varázspontod$ nő"_w;
    return u;
  }
  if (item == 1873) {  // ten water of life a dose
    std::string s = "@nerub gyógyital$ használata (+@"_w;
    if (p2 == 0) s += "10";
    if (p2 > 0) s += N(Times(p2, 10));
    return s + "$ életvíz)"_w;
  }
  if (item == 2069) return "@gnóm refrugátor$: "_w + RefrigeratorPiece(p2, p3);
  if (item == 2020) return p2 > 0 ? u + " (@" + ItemName(p2) + "$), +@8$ sebzés"_w : u;
  if (item == 2241)
    return p2 > 0 ? u + " (@" + ItemName(p2) + "$), +@10$ AC, +@10$ támadás @30$ fordulóra"_w : u;
  if (item == 2295) return p2 > 0 ? u + " (@" + ItemName(p2) + "$), +@10%$ varázslatsebzés"_w : u;
  // Kind 2 is an item used a number of times; any other item spends P2 points.
  if (p2 > 0 && ItemKind(item) == 2)
    return "@" + ItemName(item) + "$ használata (@"_w + N(p2) + " alkalommal$)";
  if (p2 > 0) return u + "@" + N(p2) + "$ pontért"_w;
  return u;
}

}  // namespace vorda::orders2
