#include "orders/place_text.h"

#include "data/text.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

constexpr std::int32_t kLastLabyrinth = 255;

// The building's own phrase, or nullptr for a code that no row lists.
const std::string* TablePhrase(std::int32_t code) {
  for (const PlaceRow& row : PlaceTable())
    for (const PlaceCodeRange& r : row.Codes)
      if (code >= r.First && code <= r.Last) return &row.Phrase;
  return nullptr;
}

}  // namespace

// A town's name stands before its building as an adjective ("xantroxi"), or as a
// plain word before the value mark for the three towns of the Dark Land
// ("Északtűz", "Sárkányverem", "Lávafolyó"). Closed buildings carry a warning;
// three codes name two buildings in one phrase.
const std::vector<PlaceRow>& PlaceTable() {
  static const std::vector<PlaceRow> table = {
      {{{256}}, " a @templomba$"_w},
      {{{376}}, " a @fény szentélyébe$"_w},
      {{{486}}, " a @sörsátorba$"_w},
      {{{487}}, " a @Rothadás Szentélyébe$"_w},
      {{{488}}, " az @erődítménybe$"_w},
      {{{489}}, " a @pusztulás sírjai közé$"_w},
      {{{490}}, " az @elefántcsont toronyba$"_w},
      {{{491}}, " az @obszidián erődbe$"_w},
      {{{492}}, " a @sárkánytanyára$"_w},
      {{{494}}, " a @császári erődbe$"_w},
      {{{496}}, " a @Hősök csarnokába$"_w},
      {{{500, 506}}, " az @öreg varázslóhoz$"_w},
      {{{507}, {534}}, " a @tanyára$"_w},
      {{{508, 525}}, " a @remetelakba$"_w},
      {{{526}}, " a @qvilli vegyesboltba$"_w},
      {{{527}}, " a @qvilli városházára$"_w},
      {{{528}}, " a @kastélyba$"_w},
      {{{529}, {543, 545}, {555, 560}, {659, 663}, {690}}, " a @kolostorba$"_w},
      {{{530}}, " a @fehér gránittoronyba$"_w},
      {{{531}}, " a @gnómlakba$"_w},
      {{{532}}, " a @törpe tanyára$"_w},
      {{{533}}, " a @kobudera tanyára$"_w},
      {{{535}}, " a @fekete gránittoronyba$"_w},
      {{{536}}, " a @xantroxi tanácsadó bölcselőhöz$"_w},
      {{{537}}, " a @shadari fegyverboltba$"_w},
      {{{538}}, " a @shadari vegyesboltba$"_w},
      {{{539}}, " a @shadari városházára$"_w},
      {{{540}}, " a @gatini városházára$"_w},
      {{{541}}, " a @gatini vegyesboltba$"_w},
      {{{542}}, " a @gatini fegyverboltba$"_w},
      {{{546}}, " a @qvilli fegyverboltba$"_w},
      {{{547}, {551}}, " @Vangorf gróf várába$"_w},
      {{{548}, {552}}, " @Lord Dravonyi erődítményébe$"_w},
      {{{549}, {553}}, " @Lady Ilmereth házába$"_w},
      {{{550}, {554}}, " @Gnóm kutatóállomásba$"_w},
      {{{561}}, " a @xantroxi jósdába$"_w},
      {{{562}}, " a @xantroxi fegyvermesterhez$"_w},
      {{{563}}, " a @xantroxi helytartói hivatalba$"_w},
      {{{564}}, " a @xantroxi Fairlight bankba$"_w},
      {{{565}}, " a @xantroxi ékszerboltba$"_w},
      {{{566}}, " a @xantroxi sötét kastplomba$"_w},
      {{{567}}, " a @xantroxi fegyverboltba$"_w},
      {{{568}}, " a @xantroxi vegyesboltba$"_w},
      {{{569}}, " a @libertani sötét kastplomba$"_w},
      {{{570}}, " a @wargpini sötét kastplomba$"_w},
      {{{571}}, " a @vaskaromi sötét kastplomba$"_w},
      {{{572}}, " a @libertani fegyvermesterhez$"_w},
      {{{573}}, " a @wargpini fegyvermesterhez$"_w},
      {{{574}}, " a @vaskaromi fegyvermesterhez$"_w},
      {{{575}}, " a @libertani jósdába$"_w},
      {{{576}}, " a @wargpini jósdába$"_w},
      {{{577}}, " a @vaskaromi jósdába$"_w},
      {{{578}}, " a @libertani helytartói hivatalba$"_w},
      {{{579}}, " a @wargpini helytartói hivatalba$ (^bezárt$)"_w},
      {{{580}}, " a @vaskaromi helytartói hivatalba$ (^bezárt$)"_w},
      {{{581}}, " a @libertani Fairlight bankba$"_w},
      {{{582}}, " a @wargpini Fairlight bankba$ (^bezárt$)"_w},
      {{{583}}, " a @vaskaromi Fairlight bankba$ (^bezárt$)"_w},
      {{{584}}, " a @libertani ékszerboltba$"_w},
      {{{585}}, " a @wargpini ékszerboltba$"_w},
      {{{586}}, " a @vaskaromi ékszerboltba$"_w},
      {{{587}}, " a @libertani tanácsadó bölcselőhöz$"_w},
      {{{588}}, " a @wargpini tanácsadó bölcselőhöz$"_w},
      {{{589}}, " a @vaskaromi tanácsadó bölcselőhöz$"_w},
      {{{590}}, " a @libertani fegyverboltba$"_w},
      {{{591}}, " a @wargpini fegyverboltba$"_w},
      {{{592}}, " a @vaskaromi fegyverboltba$"_w},
      {{{593}}, " a @libertani vegyesboltba$"_w},
      {{{594}}, " a @wargpini vegyesboltba$"_w},
      {{{595}}, " a @vaskaromi vegyesboltba$"_w},
      {{{596}}, " a @xantroxi fekete mágustoronyba$"_w},
      {{{597}}, " a @libertani fekete mágustoronyba$"_w},
      {{{598}}, " a @wargpini fekete mágustoronyba$"_w},
      {{{599}}, " a @vaskaromi fekete mágustoronyba$"_w},
      {{{600, 606}}, " az @elf villába$"_w},
      {{{607}}, " a @shadari fogadóba$"_w},
      {{{608}}, " a @qvilli fogadóba$"_w},
      {{{609}}, " a @gatini fogadóba$"_w},
      {{{610}}, " a @xantroxi fogadóba$"_w},
      {{{611}}, " a @libertani fogadóba$"_w},
      {{{612}}, " a @wargpini fogadóba$ / @viharóriás barlangba$"_w},
      {{{613}}, " a @vaskaromi fogadóba$"_w},
      {{{614}}, " az @alanori piroslámpás házba$"_w},
      {{{615}}, " a @zangrozi vegyesboltba$"_w},
      {{{616}}, " az @alanori vegyesboltba$"_w},
      {{{617}}, " a @roxati vegyesboltba$"_w},
      {{{618}}, " a @zangrozi fegyverboltba$"_w},
      {{{619}}, " az @alanori fegyverboltba$"_w},
      {{{620}}, " a @roxati fegyverboltba$ / @sárkánybarlangba$"_w},
      {{{621}}, " a @zangrozi fogadóba$"_w},
      {{{622}}, " az @alanori fogadóba$"_w},
      {{{623}}, " a @roxati fogadóba$"_w},
      {{{624}}, " a @zangrozi Fairlight bankba$ / @lovagi táborba$"_w},
      {{{625}}, " az @alanori Fairlight bankba$"_w},
      {{{626}}, " a @roxati Fairlight bankba$"_w},
      {{{627}}, " a @zangrozi kvazár kohóba$"_w},
      {{{628}}, " az @alanori kvazár kohóba$"_w},
      {{{629}}, " a @roxati kvazár kohóba$"_w},
      {{{630}}, " a @zangrozi fegyvermesterhez$"_w},
      {{{631}}, " az @alanori fegyvermesterhez$"_w},
      {{{632}}, " a @roxati fegyvermesterhez$"_w},
      {{{633}}, " a @zangrozi olimpiai arénába$"_w},
      {{{634}}, " az @alanori olimpiai arénába$"_w},
      {{{635}}, " a @roxati olimpiai arénába$"_w},
      {{{636}}, " a @zangrozi piroslámpás házba$"_w},
      {{{637}}, " a @roxati piroslámpás házba$"_w},
      {{{638}}, " a @zangrozi kaszinóba$"_w},
      {{{639}}, " az @alanori kaszinóba$"_w},
      {{{640}}, " a @roxati kaszinóba$"_w},
      {{{641}}, " a @zangrozi fekete mágustoronyba$"_w},
      {{{642}}, " az @alanori fekete mágustoronyba$"_w},
      {{{643}}, " a @roxati fekete mágustoronyba$"_w},
      {{{644}}, " a @zangrozi jósdába$"_w},
      {{{645}}, " az @alanori jósdába$"_w},
      {{{646}}, " a @roxati jósdába$"_w},
      {{{647}}, " a @zangrozi szörnypiacra$"_w},
      {{{648}}, " az @alanori szörnypiacra$"_w},
      {{{649}}, " a @roxati szörnypiacra$"_w},
      {{{650}}, " a @zangrozi királyi palotába$"_w},
      {{{651}}, " az @alanori királyi palotába$"_w},
      {{{652}}, " a @roxati királyi palotába$"_w},
      {{{653}}, " a @zangrozi ékszerboltba$"_w},
      {{{654}}, " az @alanori ékszerboltba$"_w},
      {{{655}}, " a @roxati ékszerboltba$"_w},
      {{{656}}, " a @zangrozi tanácsadó bölcselőhöz$"_w},
      {{{657}}, " az @alanori tanácsadó bölcselőhöz$"_w},
      {{{658}}, " a @roxati tanácsadó bölcselőhöz$"_w},
      {{{664, 665}}, " @Kragoru tornyába$"_w},
      {{{666, 668}}, " az @erdei bölcshöz$"_w},
      {{{669}}, " a @Fehér Bérc Plazába$"_w},
      {{{670}}, " az @Ezüsttoronyba$"_w},
      {{{671}}, " Északtűz @Borzalom Fellegvárába$"_w},
      {{{672}}, " Sárkányverem @Borzalom Fellegvárába$"_w},
      {{{673}}, " Lávafolyó @Borzalom Fellegvárába$"_w},
      {{{674}}, " Északtűz @Thargodan mágustornyába$"_w},
      {{{675}}, " Sárkányverem @Thargodan mágustornyába$"_w},
      {{{676}}, " Lávafolyó @Thargodan mágustornyába$"_w},
      {{{677}}, " Északtűz @vegyesboltjába$"_w},
      {{{678}}, " Sárkányverem @vegyesboltjába$"_w},
      {{{679}}, " Lávafolyó @vegyesboltjába$"_w},
      {{{680}}, " Északtűz @fegyverboltjába$"_w},
      {{{681}}, " Sárkányverem @fegyverboltjába$"_w},
      {{{682}}, " Lávafolyó @fegyverboltjába$"_w},
      {{{683}}, " a @fehérbérci arénába$"_w},
      {{{684}}, " a @fehérbérci fogadóba$"_w},
      {{{685}}, " a @fehérbérci városházába$"_w},
      {{{686}}, " a @Sötét Földön lévő fegyvermesterhez$"_w},
      {{{687}, {688}, {689}}, " az @Invázióügyi Minisztériumba$"_w},
      {{{691}}, " a @történelemkutató intézetbe$"_w},
      {{{692}}, " a @barbár barlangba$"_w},
      {{{693}}, " a @karbionális látomásba$"_w},
      {{{694}}, " az @árnytündér szentélybe$"_w},
      {{{695}}, " a @Zarknod ónixpiramisába$"_w},
      {{{696}}, " a @fehérbérci piroslámpás házba$"_w},
      {{{697}}, " a @fehérbérci bankba$"_w},
      {{{698}}, " a @Földelem Kapuja Harci Iskolába$"_w},
      {{{699}}, " a @tolvajcéhbe$"_w},
      {{{700}}, " a @bányászházba$"_w},
      {{{701}}, " a @jáde sárkány kolostorba$"_w},
      {{{702}}, " a @Vérvörös Lángok Oktató Központba$"_w},
      {{{703}}, " a @Zan fogadóba$"_w},
      {{{704}}, " a @Serény Múmiák Shopba$"_w},
      {{{705}}, " a @biztosrévi bankba$"_w},
      {{{706}}, " a @biztosrévi ezüst mágustoronyba$"_w},
      {{{711}}, " a @fehérbérci futárszolgálathoz$"_w},
      {{{712}}, " a @biztosrévi futárszolgálathoz$"_w},
      {{{716}}, " a @füstös lebújba$"_w},
      {{{782}}, " a @császárvárosi arénába (fegyvermester)$"_w},
      {{{815}}, " a @déli dűneelf fegyverművészhez$"_w},
      {{{816}}, " az @északi dűneelf fegyverművészhez$"_w},
      {{{1173}}, " @Leah szentélyébe$"_w},
      {{{1174}}, " @Dornodon szentélyébe$"_w},
      {{{1175}}, " @Raia szentélyébe$"_w},
      {{{1176}}, " @Elenios szentélyébe$"_w},
      {{{1177}}, " @Sheran szentélyébe$"_w},
      {{{1178}}, " @Tharr szentélyébe$"_w},
      {{{1179}}, " @Fairlight szentélyébe$"_w},
      {{{1180}}, " @Chara-din szentélyébe$"_w},
      {{{1204}}, " a @malomba$"_w},
      {{{1511}}, " a @ryuku akadálypályára$"_w},
      {{{1512}}, " a @ryuku aranybányába$"_w},
      {{{1681}}, " a @versengés tornyába$"_w},
      {{{1821}}, " a @varkaudar fellegvárba$"_w},
      {{{1859}}, " a @császári kolostorba$"_w},
  };
  return table;
}

std::string PlaceText(std::int32_t code) {
  std::string phrase;
  if (code >= 1 && code <= kLastLabyrinth) {
    phrase = " @#" + IntToStrPadded(code, 0) + ".$ titkos labirintusba";
  } else if (const std::string* own = TablePhrase(code)) {
    phrase = *own;
  } else {
    phrase = ": @#" + IntToStrPadded(code, 0) + ".$ épületbe"_w;
  }
  // A named building also shows its number; a numbered one already does.
  if (phrase.find('#') == std::string::npos) phrase += " (#" + IntToStrPadded(code, 0) + ")";
  return phrase;
}

}  // namespace vorda
