#include "editor/start_up.h"

#include <utility>

#include "data/accounts_settings.h"
#include "data/char_settings.h"
#include "data/game_tables.h"
#include "data/map_grid.h"
#include "data/order_sheet.h"
#include "data/text.h"
#include "editor/editor_state.h"
#include "editor/menu_commands.h"
#include "editor/notebook.h"
#include "editor/program_state.h"
#include "editor/sheet_files.h"
#include "editor/sheet_screen.h"
#include "editor/window_links.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/timing_marks.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

constexpr std::string_view kForm = "UL Form Options";
constexpr std::string_view kMap = "UL Map Options";
constexpr std::string_view kNotes = "UL Notes Options";
constexpr std::string_view kUl = "UL Options";
constexpr std::string_view kSend = "UL Send Options";
constexpr std::string_view kRecent = "Fordulok";
constexpr int kRecentSlots = 10;

constexpr std::size_t kSheetNameLength = 10;
constexpr std::size_t kFolderLength = 255;
constexpr std::size_t kMailLength = 35;
constexpr std::size_t kPasswordLength = 256;  // the scrambled block: 256 hex digits

std::string RecentKey(int slot) { return "Last" + std::to_string(slot); }

bool IsPopupMode(std::uint8_t mode) {
  return mode == 2 || mode == 3 || mode == 33 || mode == 6 || mode == 7 || mode == 8;
}

// The map folder as a path: Options.Map, which the settings window stores with
// its separator at the end; empty or relative means the program's folder.
std::string MapFolder() {
  const auto& p = Program();
  const std::string& map = p.Options.Map;
  if (map.empty()) return p.ProgramDir;
  if (map.front() == '/') return map;
  return JoinPath(p.ProgramDir, map);
}

// The character's values from its settings entry; a character without one gets
// an entry of MOZG 10, FELT 10 and all else 0.
void TakeCharacterSettingsAtStart() {
  auto& c = CharSettings();
  std::uint8_t index = FindSheetSettings();
  if (index == 0) {
    TSettingsEntry entry;
    entry.KSZ = SheetModel().Header.KSZ;
    entry.MOZG = 10;
    entry.FELT = 10;
    index = AppendSettingsEntry(entry);
    c = TCharSettings{};
    c.CharMozg = 10;
    c.CharFelt = 10;
    if (index == 0) return;
  }
  const TSettingsEntry& e = Accounts().SettingsTable[index];
  c.CharMozg = e.MOZG;
  c.CharFelt = e.FELT;
  c.CharTerfokusz = e.TERFOKUSZ;
  c.CharTvp = e.TVP;
  c.CharVp = e.VP;
  c.CharPp = e.PP;
  c.CharTu = e.TU;
}

}  // namespace

std::string IniPathFor(const std::string& program_dir, const std::vector<std::string>& arguments) {
  return JoinPath(program_dir, arguments.size() == 1 ? arguments[0] : std::string(kIniName));
}

void ReadOptions(const IniProfile& ini) {
  auto& o = Program().Options;
  o.FormLeft = ini.ReadInteger(kForm, "PosLeft", 0);
  o.FormTop = ini.ReadInteger(kForm, "PosTop", 0);
  o.MapLeft = ini.ReadInteger(kMap, "PosLeft", 0);
  o.MapTop = ini.ReadInteger(kMap, "PosTop", 0);
  o.ShowMap = ini.ReadInteger(kMap, "ShowMap", 0) != 0;
  o.NotesLeft = ini.ReadInteger(kNotes, "PosLeft", 0);
  o.NotesTop = ini.ReadInteger(kNotes, "PosTop", 0);
  o.NotesWidth = ini.ReadInteger(kNotes, "Width", 0);
  o.NotesHeight = ini.ReadInteger(kNotes, "Height", 0);
  o.ShowNotes = ini.ReadInteger(kNotes, "ShowNotes", 0) != 0;
  o.CurrentUL = ini.ReadString(kUl, "CurrentUL", "", kSheetNameLength);
  o.Active = ini.ReadInteger(kUl, "Active", 10);
  o.Description = ini.ReadInteger(kUl, "Description", 0);
  o.Color = ini.ReadInteger(kUl, "Color", 1);
  o.Replacer = ini.ReadInteger(kUl, "Replacer", 0);
  o.Lexor = ini.ReadString(kUl, "Lexor", "", kFolderLength);
  o.Map = ini.ReadString(kUl, "Map", "", kFolderLength);
  o.Fordulo = ini.ReadString(kUl, "Fordulo", "", kFolderLength);
  o.SenderEmail = ini.ReadString(kSend, "SenderEmail", "", kMailLength);
  o.SendCC = ini.ReadString(kSend, "SendCC", "", kMailLength);
  o.SMTP = ini.ReadString(kSend, "SMTP", "", kMailLength);
  o.SMTPPort = ini.ReadInteger(kSend, "SMTPPort", 25);
  o.Username = ini.ReadString(kSend, "Username", "", kFolderLength);
  o.Password = ini.ReadString(kSend, "Password", "", kPasswordLength);
  auto& recent = Program().RecentSheets;
  for (int i = 1; i <= kRecentSlots; ++i)
    recent[static_cast<std::size_t>(i)] = ini.ReadString(kRecent, RecentKey(i), "", kFolderLength);
}

IniProfile OptionsProfile() {
  const auto& o = Program().Options;
  IniProfile ini;
  ini.WriteInteger(kForm, "PosLeft", o.FormLeft);
  ini.WriteInteger(kForm, "PosTop", o.FormTop);
  ini.WriteInteger(kMap, "PosLeft", o.MapLeft);
  ini.WriteInteger(kMap, "PosTop", o.MapTop);
  ini.WriteInteger(kMap, "ShowMap", o.ShowMap ? 1 : 0);
  ini.WriteInteger(kNotes, "PosLeft", o.NotesLeft);
  ini.WriteInteger(kNotes, "PosTop", o.NotesTop);
  ini.WriteInteger(kNotes, "Width", o.NotesWidth);
  ini.WriteInteger(kNotes, "Height", o.NotesHeight);
  ini.WriteInteger(kNotes, "ShowNotes", o.ShowNotes ? 1 : 0);
  ini.WriteString(kUl, "CurrentUL", o.CurrentUL.substr(0, kSheetNameLength));
  ini.WriteInteger(kUl, "Active", o.Active);
  ini.WriteInteger(kUl, "Description", o.Description);
  ini.WriteInteger(kUl, "Color", o.Color);
  ini.WriteInteger(kUl, "Replacer", o.Replacer);
  ini.WriteString(kUl, "Lexor", o.Lexor);
  ini.WriteString(kUl, "Map", o.Map);
  ini.WriteString(kUl, "Fordulo", o.Fordulo);
  ini.WriteString(kSend, "SenderEmail", o.SenderEmail);
  ini.WriteString(kSend, "SendCC", o.SendCC);
  ini.WriteString(kSend, "SMTP", o.SMTP);
  ini.WriteInteger(kSend, "SMTPPort", o.SMTPPort);
  ini.WriteString(kSend, "Username", o.Username);
  ini.WriteString(kSend, "Password", o.Password);
  const auto& recent = Program().RecentSheets;
  for (int i = 1; i <= kRecentSlots; ++i)
    if (!recent[static_cast<std::size_t>(i)].empty())
      ini.WriteString(kRecent, RecentKey(i), recent[static_cast<std::size_t>(i)]);
  return ini;
}

std::string OptionsRefusal() {
  const auto& o = Program().Options;
  struct Text {
    std::string_view section;
    std::string key;
    const std::string& value;
    std::size_t kept;  // what the reader keeps of it
    bool quote;
  };
  // CurrentUL is cut to its ten characters as it is written.
  std::vector<Text> texts = {
      {kUl, "CurrentUL", o.CurrentUL, std::string::npos, true},
      {kUl, "Lexor", o.Lexor, kFolderLength, true},
      {kUl, "Map", o.Map, kFolderLength, true},
      {kUl, "Fordulo", o.Fordulo, kFolderLength, true},
      {kSend, "SenderEmail", o.SenderEmail, kMailLength, true},
      {kSend, "SendCC", o.SendCC, kMailLength, true},
      {kSend, "SMTP", o.SMTP, kMailLength, true},
      {kSend, "Username", o.Username, kFolderLength, true},
      {kSend, "Password", o.Password, kPasswordLength, false},
  };
  const auto& recent = Program().RecentSheets;
  for (int i = 1; i <= kRecentSlots; ++i)
    texts.push_back({kRecent, RecentKey(i), recent[static_cast<std::size_t>(i)], kFolderLength, true});
  for (const Text& t : texts) {
    const std::string which = "a(z) ["_w + std::string(t.section) + "] " + t.key + " értéke "_w;
    if (HasLineBreak(t.value)) return which + "sortörést tartalmaz"_w;
    if (t.value.size() > t.kept)
      return which + (t.quote ? "(" + PrintableText(t.value) + ") " : std::string()) + "hosszabb "_w +
             std::to_string(t.kept) + " karakternél, nem fér el a fájlban"_w;
  }
  return {};
}

bool ReadIniAtStart(const IniStorage& ini) {
  auto& p = Program();
  for (auto& slot : p.RecentSheets) slot.clear();
  SheetModel().Header.KSZ = "0000";
  SheetModel().Header.SZLA = "00000";

  const auto bytes = ini.Read();
  p.IniFound = bytes.has_value();
  if (p.IniFound) {
    ReadOptions(IniProfile::Parse(*bytes));
  } else {
    // No file: the zero values; the mail port is the standard one, so that the
    // first close does not write a port no server listens on.
    p.Options = TOptions{};
    p.Options.Active = 0;
    p.Options.Color = 0;
  }
  return p.IniFound;
}

void LoadMapAtStart() {
  const std::string folder = MapFolder();
  std::string error;
  if (!FindFileNoCase(folder, "MAP.DAT").empty() && !LoadMapDat(folder, error))
    Messages().Show(error, MessageKind::Error);
  TimingMark("map");
  const std::string list = FindFileNoCase(folder, "MAP.LST");
  if (!list.empty() && !LoadMapNameList(list, MapListKind::MapLst, error)) Messages().Show(error, MessageKind::Error);
  TimingMark("names");
}

void mapdatbeolvass1Click() {
  const std::string folder = MapFolder();
  std::string error;
  if (FindFileNoCase(folder, "MAP.DAT").empty()) return;
  if (!LoadMapDat(folder, error)) Messages().Show(error, MessageKind::Error);
  if (Windows().MapVisible()) Windows().RefreshMap(true);
}

std::uint16_t ValidCursorCell(std::int32_t active) {
  const std::int32_t line = active / 10;
  const std::int32_t column = active % 10;
  if (active < 0 || line < 1 || line > kSheetLines || column > 3) return 10;
  return static_cast<std::uint16_t>(active);
}

void FirstActivation() {
  auto& p = Program();
  if (!p.FirstActivation) return;
  p.FirstActivation = false;
  LoadAccountsAndSettingsAtStart(p.ProgramDir);
  TimingMark("accounts");

  auto& ed = Editor();
  ed.EditorReady = true;
  ed.EditorMode = 1;
  ed.ColorMarkup = true;
  ed.CursorCell = 10;
  ed.SheetModified = false;

  if (p.IniFound) {
    if (!p.Options.CurrentUL.empty()) {
      const std::string sheet = p.Options.CurrentUL + ".ul";
      if (!FindFileNoCase(p.ProgramDir, sheet).empty()) LoadSheet(p.ProgramDir, sheet);
    }
    if (SheetModel().Header.KSZ != "0000") TakeCharacterSettingsAtStart();
    TimingMark("sheet-file");
    LoadGameDataFiles(p.ProgramDir);
    TimingMark("tables");
    DrawSheetFrame();
    RedrawSheet();
    MoveCursor(ValidCursorCell(p.Options.Active));
    UpdateStatusLine(1);
  } else {
    LoadGameDataFiles(p.ProgramDir);
    TimingMark("tables");
    DrawSheetFrame();
    RedrawSheet();
    UpdateStatusLine(1);
    MoveCursor(10);
  }
  TimingMark("sheet");
  Windows().RefreshMap(true);
  Windows().NotebookLoad();
  TimingMark("activated");
}

std::vector<RecentMenuItem> RecentMenuItems() {
  std::vector<RecentMenuItem> items;
  const auto& recent = Program().RecentSheets;
  int position = kFirstRecentPosition;
  for (int i = 1; i <= kRecentSlots; ++i)
    if (!recent[static_cast<std::size_t>(i)].empty())
      items.push_back({position++, "UL" + std::to_string(i), recent[static_cast<std::size_t>(i)]});
  return items;
}

void RecentSheetClick(int position, const std::string& file) {
  if (Editor().SheetModified) {
    ShowPendingPrompt(PendingAction::RecentSheet, position, file);
    return;
  }
  const auto& p = Program();
  if (FindFileNoCase(p.ProgramDir, file).empty()) {
    Messages().Show("Nem létezik ilyen file!"_w, MessageKind::Error);
    return;
  }
  BeginNotebookCommand();
  Windows().NotebookSave();
  if (!LoadSheet(p.ProgramDir, file)) return;
  LoadGameDataFiles(p.ProgramDir);
  DrawSheetFrame();
  RedrawSheet();
  MoveCursor(10);
  TakeAccountData();
  UpdateStatusLine(1);
  if (Windows().MapVisible()) Windows().RefreshMap(false);
  Windows().NotebookLoad();
}

CloseAnswer AskToClose() {
  const auto& ed = Editor();
  if (IsPopupMode(ed.EditorMode) || Windows().SendRunning()) return CloseAnswer::Refused;
  if (ed.SheetModified) {
    ShowExitPrompt();
    return CloseAnswer::Prompted;
  }
  return CloseAnswer::Proceed;
}

bool ShutDown(IniStorage& ini) {
  auto& p = Program();
  auto& o = p.Options;
  const auto& ed = Editor();
  const auto& h = SheetModel().Header;
  if (Windows().OnMapVisible) o.ShowMap = Windows().MapVisible();
  if (const auto& map = Windows().OnMapPlace) {
    const WindowPlace at = map();
    o.MapLeft = at.Left;
    o.MapTop = at.Top;
  }
  if (const auto& notes = Windows().OnNotebookPlace) {
    const WindowPlace at = notes();
    o.NotesLeft = at.Left;
    o.NotesTop = at.Top;
    o.NotesWidth = at.Width;
    o.NotesHeight = at.Height;
  }
  o.CurrentUL = (h.KSZ + "-" + h.FORD + (h.SendFlags[BEALL] ? "b" : "")).substr(0, kSheetNameLength);
  o.Active = ed.CursorCell;
  o.Description = ed.ResourceView ? 1 : 0;
  o.Color = ed.ColorMarkup ? 1 : 0;
  o.Replacer = 0;  // typing over a line is never switched on

  std::vector<UnsavedFile> unsaved;
  const std::string ini_name = p.IniPath.substr(p.IniPath.find_last_of('/') + 1);
  const std::string ini_what = "a program beállításai"_w;
  if (const std::string why = OptionsRefusal(); !why.empty()) {
    unsaved.push_back({ini_name, ini_what, why});
  } else if (const FileWriteResult written = ini.Write(OptionsProfile().Serialize()); !written) {
    unsaved.push_back({ini_name, ini_what, WriteFailureReason(written)});
  }
  for (UnsavedFile& file : SaveAccountsAndSettings(p.ProgramDir)) unsaved.push_back(std::move(file));
  if (auto notes = Windows().NotebookSaveAtClose()) unsaved.push_back(std::move(*notes));
  const bool give_up =
      !unsaved.empty() && Messages().Ask(CloseBoxText(unsaved), CloseBoxAnswers(), MessageKind::Error) == 1;
  const bool sheet_given_up = std::exchange(p.SheetGivenUpForClose, false);
  if (!unsaved.empty() && !give_up) {
    // The window stays with everything as it was, the sheet's changes too.
    if (sheet_given_up) Editor().SheetModified = true;
    return false;
  }
  // Nothing is to save the notes on the way out: they are saved, or given up.
  Windows().NotebookProgramEnds(give_up);
  return true;
}

std::string CloseBoxText(const std::vector<UnsavedFile>& unsaved) {
  std::string text = "A program bezárásakor ezeket a fájlokat nem sikerült elmenteni:\r"_w;
  for (const UnsavedFile& f : unsaved) text += "\r" + f.file + " (" + f.what + "): " + f.reason;
  text +=
      "\r\rVissza: a program nyitva marad, és semmi sem vész el. Ha helyet szabadított fel, vagy elhárította "
      "a hibát, újra bezárhatja.\r"
      "Kilépés mentés nélkül: a program most bezárul, ezek a fájlok úgy maradnak a lemezen, ahogy most vannak."_w;
  return text;
}

const std::vector<std::string>& CloseBoxAnswers() {
  static const std::vector<std::string> answers = {"&Vissza"_w, "&Kilépés mentés nélkül"_w};
  return answers;
}

}  // namespace vorda
