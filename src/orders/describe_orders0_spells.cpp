// The spells of the "V" order, chosen by the spell number P1.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/game_tables.h"
#include "data/gazetteer.h"
#include "platform/win1250.h"
#include "orders/describe_orders0_parts.h"
#include "orders/directions.h"
#include "orders/move_replay.h"
#include "orders/orders_state.h"

namespace vorda::describe0 {

namespace {

// The renewals (P2) and the least health or opponent level (P3) of the
// spells that renew themselves in battle (vampirization, feast).
std::string RenewalText(const LineParams& p, const std::string& min_tail) {
  std::string s;
  if (p.p2 > 0) s += " @" + Num(p.p2) + "$ újítással"_w;
  if (p.p3 >= 1) s += ", min. @" + Num(p.p3) + min_tail;
  return s;
}

// Magic paint (9): the new colour of the hair (P2 = 1), eyes (2) or skin (3),
// by P3.
std::string PaintColour(std::int32_t part, std::int32_t colour) {
  static const std::vector<std::string> hair = {
      "szőke haj"_w, "barna haj"_w, "fekete haj"_w, "vörös haj"_w, "ezüst haj"_w,
      "arany haj"_w, "ősz haj"_w, "tarka haj"_w, "pöttyös haj"_w, "csíkos haj"_w,
      "kockás haj"_w, "lila haj"_w, "szürke haj"_w, "sárga haj"_w, "meghatározhatatlan színű haj"_w,
      "lila-fehér mintás haj"_w, "kék-zöld csíkos haj"_w, "hófehér haj"_w, "hollófekete haj"_w,
      "világoskék haj"_w};
  static const std::vector<std::string> eyes = {
      "barna szem"_w, "szürke szem"_w, "zöld szem"_w, "kék szem"_w, "piros szem"_w,
      "csillogó szem"_w, "félszem"_w, "vak"_w, "világoskék szem"_w, "égszínkék szem"_w,
      "sárga szem"_w, "narancssárga szem"_w, "homokóra szem"_w, "ferde szem"_w, "apró szem"_w,
      "vizenyős szem"_w, "lila szem"_w, "szemüveges"_w, "borostyán szem"_w, "izzóan vörös szem"_w};
  static const std::vector<std::string> skin = {
      "normál bőrszin"_w, "sötét bőrszin"_w, "fekete bőrszin"_w, "világos bőrszin"_w,
      "kreol bőrszin"_w, "rózsaszin bőrszin"_w, "bronz bőrszin"_w, "fehér bőrszin"_w,
      "sárga bőrszin"_w, "zöld bőrszin"_w, "rücskös bőr"_w, "mélykék bőrszin"_w,
      "nyálkás bőr"_w, "sárgásbarna bőrszin"_w, "lila bőrszin"_w, "pikkelyes bőr"_w};
  const std::vector<std::string>* list = part == 1 ? &hair : part == 2 ? &eyes : part == 3 ? &skin : nullptr;
  if (list == nullptr || colour < 1 || colour > static_cast<std::int32_t>(list->size())) return "";
  return (*list)[static_cast<std::size_t>(colour - 1)];
}

// Dimension jump (163): the known gates between the worlds, each a target
// square with the text around its coordinates.
struct DimensionGate {
  std::int32_t x, y;
  std::string head, tail;
};

std::string DimensionJumpText(const LineParams& p) {
  static const std::array<DimensionGate, 17> gates = {{
      {423, 70, "@dimenzióugrás$ Sötét Földre (@"_w, "$) : ryuku (450;5)-ről"_w},
      {450, 5, "@dimenzióugrás$ a ryuku szigetvilágba (@"_w, "$) : Sötét Földről (423;70)-ről"_w},
      {195, 70, "@dimenzióugrás$ Alanorhoz (@"_w, "$) : ryuku (465;102)-ről"_w},
      {465, 102, "@dimenzióugrás$ a ryuku szigetvilágba (@"_w, "$) : Alanortól (195;70)-ről"_w},
      {364, 61, "@dimenzióugrás$ Sötét Földre (@"_w, "$) : északi kapu (188;31)-ről"_w},
      {364, 64, "@dimenzióugrás$ Sötét Földre (@"_w, "$) : középső kapu (190;60)-ról"_w},
      {364, 67, "@dimenzióugrás$ Sötét Földre (@"_w, "$) : déli kapu (191;105)-ről"_w},
      {188, 31, "@dimenzióugrás$ Ghallára (@"_w, "$) : északi kapu (364;61)-ről"_w},
      {190, 60, "@dimenzióugrás$ Ghallára (@"_w, "$) : középső kapu (364;64)-ről"_w},
      {191, 105, "@dimenzióugrás$ Ghallára (@"_w, "$) : déli kapu (364;67)-ről"_w},
      {132, 46, "@dimenzióugrás$ Kragoruhoz (@"_w, "$) : nyugati toronytól (72;84)-ről"_w},
      {72, 84, "@dimenzióugrás$ Kragoruhoz (@"_w, "$) : keleti toronytól (132;46)-ról"_w},
      {620, 89, "@dimenzióugrás$ a kiégett földekre (@"_w, "$) : Ghalláról (185;57)-ről"_w},
      {185, 57, "@dimenzióugrás$ Ghallára (@"_w, "$) : a kiégett földekről (620;89)-ről"_w},
      {453, 118, "@dimenzióugrás$ a ryuku szigetvilágba (@"_w, "$) : a kiégett földekről (513;49)-ről"_w},
      {406, 26, "@dimenzióugrás$ Sötét Földre (@"_w, "$) : a kiégett földekről (513;49)-ről"_w},
      {513, 49, "@dimenzióugrás$ a kiégett földekre (@"_w, "$) : a sötét földről, vagy ryukuról"_w},
  }};
  for (const DimensionGate& g : gates)
    if (g.x == p.p2 && g.y == p.p3) return g.head + Num(p.p2) + "$;@" + Num(p.p3) + g.tail;
  // From the burnt lands' gate (513;49) the jump leads to two worlds; the
  // position is the one the last replay left.
  const TMovePosition& at = Orders().MovePosition;
  if (p.p2 == 0 && p.p3 == 0 && at.X == 513 && at.Y == 49)
    return "@dimenzióugrás$ több helyszínre: ryuku szigetvilág (@453$;@118$) / Sötét Föld (@406$;@26$)"_w;
  return "@dimenzióugrás$ (^???$) varázslása"_w;
}

// The target square as the teleports write it: P2 + "$;@" + P3.
std::string Target(const LineParams& p) { return Num(p.p2) + "$;@" + Num(p.p3); }

std::string PlaceText(const LineParams& p) {
  std::string s;
  DescribeMapSquare(p.p2, p.p3, s);
  return s;
}

// The tau cost of a teleport by the ordinary and by the space-bender rule, from
// the position that the lines before this one reach (each may stay empty).
std::string TeleportCosts(const LineParams& p) {
  std::string tau;
  TeleportTauText(p.p2, p.p3, p.line, tau);
  std::string bender;
  SpaceBenderTauText(p.p2, p.p3, p.line, bender);
  return tau + " " + bender;
}

// Flight (489): P3 squares in direction P2, at most 10.
std::string FlightText(const LineParams& p) {
  std::string s;
  if (p.p2 >= 1 && p.p2 <= 8)
    s = "@repülés$, irány: @"_w + DirectionNames()[static_cast<std::size_t>(p.p2)] + "$ " + Num(p.p3) +
        " mezőt"_w;
  else
    s = "@repülés$ használata"_w;
  if (p.p3 > 10) s += " (^max 10 mező$)"_w;
  return s;
}

std::string ListedSpellText(const LineParams& p) {
  switch (p.p1) {
    case 1: return "@vámpirizáció$"_w + RenewalText(p, "$ ép-től"_w);
    case 6: return "@áldomás$"_w + RenewalText(p, ".$ szintű ellenfélre"_w);
    case 7: {
      std::string s = "@alkímia$ ("_w;
      if (p.p3 > 0) s += "@" + Num(p.p3) + "$ ";
      return s + ItemName(p.p2) + ")";
    }
    case 9: return "varázsfesték: @"_w + PaintColour(p.p2, p.p3);
    case 14: {
      std::string s = "@méregsemlegesítés$ "_w;
      if (p.p2 == 1) s += "(mindig megújítod)"_w;
      return s;
    }
    case 15: {
      std::string s = "@szaporítás$ ("_w;
      if (p.p3 > 0) s += Num(p.p3) + " ";
      return s + "@" + ItemName(p.p2) + "$)";
    }
    case 18:
      if (p.p2 >= 15 && p.p2 <= 30) return "vak őrület (@"_w + Num(p.p2) + "%$ menekülés)"_w;
      return "vak őrület (^???%$ menekülés)"_w;
    case 20: {
      std::string s = "bűvölés ("_w;
      if (p.p3 >= 1 && p.p3 <= 20) s += Num(p.p3) + " ";
      return s + "@" + ItemName(p.p2) + "$)";
    }
    case 21: return "korgó gyomor, huss (@+"_w + Num(p.p2) + "$ kaja)";
    case 22: return "unkreáció (@"_w + ItemName(p.p2) + "$)";
    case 54: return "kristálygömb (@"_w + CharacterName(p.p2) + "$)  - fekete gyöngy"_w;
    case 75: return "mágiafeloldás (@"_w + SpellName(p.p2) + "$)";
    case 80: return "életszívás II. (@"_w + MonsterName(p.p2) + "$)";
    case 81: {
      std::string s = "vadítás ("_w;
      if ((p.p2 >= 0 && p.p2 <= 9) || (p.p2 >= 988 && p.p2 <= 999)) return s + "@" + MonsterName(p.p2) + "$)";
      if (p.p2 > 999) return s + "@" + CharacterName(p.p2) + "$)";
      return s + "^???$)";
    }
    case 82: return "szörnyészlelés I. (@"_w + MonsterName(p.p2) + "$)";
    case 83: return "szörnycsábítás (^SZK parancs után!$)"_w;
    case 84: return "szörnyidézés (@"_w + MonsterName(p.p2) + "$)";
    case 88: {
      std::string s = "@szopókőpusztítás$ ("_w;
      if (p.p2 > 0) s += Num(p.p2) + " ";
      return s + "szopókő)"_w;
    }
    case 96: return "városi teleport (@"_w + Target(p) + "$)@ " + PlaceText(p) + " " + TeleportCosts(p);
    case 134: return "varázslatfelejtés (@"_w + SpellName(p.p2) + "$)";
    case 135: return "tárgyészlelés (@"_w + ItemName(p.p2) + "$)";
    case 143: return "növényültetés (@"_w + ItemName(p.p2) + "$)";
    case 144: {
      std::string s = "földelementál idézése ("_w;
      if (p.p2 == 1) s += "@agyagelementál"_w;
      else if (p.p2 == 2) s += "@bazaltelementál"_w;
      else if (p.p2 == 3) s += "@gránitelementál"_w;
      else s += "^???";
      return s + "$)";
    }
    case 160: return "@varázskőkészítés$ ("_w + Num(p.p2) + " darab)";
    case 163: return DimensionJumpText(p);
    case 169: return "@áldomás II.$"_w + RenewalText(p, ".$ szintű ellenfélre"_w);
    case 181:
      return "városi teleport II. (@"_w + Target(p) + "$)@ " + PlaceText(p) + " " + TeleportCosts(p);
    case 198: return "tiltott teleport (@"_w + Target(p) + "$)@ " + TeleportCosts(p);
    case 208:
      if (p.p2 == 1) return "@Kisebb kívánság$ (+1 TNO)"_w;
      if (p.p2 == 2) return "@Kisebb kívánság$ (+1 KNO)"_w;
      return "@Kisebb kívánság$ (+1 ?\?\?)"_w;  // escaped: "??)" would read as a trigraph
    case 237: return "minta formázása (@"_w + ItemName(p.p2) + "$)";
    case 275:
      if (p.p2 != 0) return "érckonverzió (@"_w + ItemName(p.p2) + "$)";
      return "érckonverzió (@ezüstdarab$)"_w;
    case 308: return "manapajzs (@" + Num(p.p2) + "$ vp)";
    case 347: return "keltetés (@"_w + ItemName(p.p2) + "$)";
    case 388: return "felsőbb beavatkozás (@"_w + Num(p.p2) + "$. TK)";
    case 416: return "városi teleport III. (@"_w + Target(p) + "$)@ " + PlaceText(p);
    case 453: return "Trinigan rúnája (@"_w + Num(p.p3) + "$ db @" + ItemName(p.p2) + "$)";
    case 489: return FlightText(p);
    default: return "@" + SpellName(p.p1) + "$ varázslása"_w;
  }
}

}  // namespace

std::string SpellText(const LineParams& p) {
  // A psi ability or an attack or defence spell is not cast with "V".
  const char kind = SpellKind(p.p1);
  if (kind == 'P') return "@" + SpellName(p.p1) + " ^??? (ez pszí képesség, P paranccsal aktivizáld)"_w;
  if (kind == 'H') return "@" + SpellName(p.p1) + " ^??? (ez támadó/védekező varázslat, tedd TV listába)"_w;
  return ListedSpellText(p);
}

}  // namespace vorda::describe0
