#include "editor/menu_commands.h"

#include <array>
#include <filesystem>
#include <utility>

#include "data/accounts_settings.h"
#include "data/char_settings.h"
#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "editor/editor_modes.h"
#include "editor/editor_state.h"
#include "editor/line_operations.h"
#include "editor/line_refresh.h"
#include "editor/notebook.h"
#include "editor/program_state.h"
#include "editor/screen_slots.h"
#include "editor/sheet_files.h"
#include "editor/sheet_screen.h"
#include "editor/start_up.h"
#include "editor/window_links.h"
#include "orders/orders_state.h"
#include "platform/canvas.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

constexpr Color kPromptGrey = 0xAAAAAA;
constexpr Color kPromptText = 0xFF2200;
constexpr Color kActiveField = 0x55FF11;
constexpr int kKszX = 282, kFordX = 317, kFieldY = 222;

struct MenuState {
  PendingAction pending = PendingAction::None;
  std::string pending_file;
};
MenuState g_menu;
MainWindowLinks g_main_window;

bool IsFile(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

bool IsPopupMode(std::uint8_t mode) {
  return mode == 2 || mode == 3 || mode == 33 || mode == 6 || mode == 7 || mode == 8;
}

std::string Pad4(std::string s) {
  for (char& c : s)
    if (c == ' ') c = '0';
  if (s.size() < 4) s.insert(0, 4 - s.size(), '0');
  return s;
}

std::int32_t FieldNumber(const std::string& field) {
  std::int32_t n = 0;
  for (const char c : field) {
    if (c < '0' || c > '9') break;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::string SuffixOfSettings() { return SheetModel().Header.SendFlags[BEALL] ? "b" : ""; }

// The sheet file the writer would write for the header as it stands.
bool SheetFileExists() {
  const auto& h = SheetModel().Header;
  return !FindFileNoCase(Program().ProgramDir, h.KSZ + "-" + Pad4(h.FORD) + SuffixOfSettings() + ".ul").empty();
}

void DrawPromptFields() {
  const auto& h = SheetModel().Header;
  Canvas& c = SheetCanvas();
  c.SetFontColor(colors::Black);
  c.SetBrushColor(Modes().PromptIndex == 1 ? kActiveField : kPromptGrey);
  c.TextOut(kKszX, kFieldY, h.KSZ);
  c.SetBrushColor(Modes().PromptIndex == 2 ? kActiveField : kPromptGrey);
  c.TextOut(kFordX, kFieldY, h.FORD);
}

void DrawOverwriteWarning() {
  Canvas& c = SheetCanvas();
  if (SheetFileExists()) {
    c.SetBrushColor(colors::Red);
    c.SetFontColor(colors::Yellow);
  } else {
    c.SetBrushColor(kPromptGrey);
    c.SetFontColor(kPromptGrey);
  }
  c.TextOut(356, 252, "Módosít!"_w);
}

// The character's settings as the save prompt takes them: from its record, or
// MOZG and FELT 10 and the rest 0; the teleport focus count stays.
void CharacterSettingsIn() {
  auto& c = CharSettings();
  if (const std::uint8_t i = FindSheetSettings(); i != 0) {
    const auto& e = Accounts().SettingsTable[i];
    c.CharMozg = e.MOZG;
    c.CharFelt = e.FELT;
    c.CharTvp = e.TVP;
    c.CharVp = e.VP;
    c.CharPp = e.PP;
    c.CharTu = e.TU;
  } else {
    c.CharMozg = 10;
    c.CharFelt = 10;
    c.CharTvp = c.CharVp = c.CharPp = 0;
    c.CharTu = 0;
  }
}

// Enter in the save prompt. False when the sheet could not be written (the
// writer has said why).
bool SaveFromPrompt() {
  if (!WriteSheetForm(Program().ProgramDir)) return false;
  TakeAccountData();
  const auto& c = CharSettings();
  const auto& h = SheetModel().Header;
  if (const std::uint8_t i = FindSheetSettings(); i != 0) {
    auto& e = Accounts().SettingsTable[i];
    e.MOZG = c.CharMozg;
    e.FELT = c.CharFelt;
    e.TVP = c.CharTvp;
    e.VP = c.CharVp;
    e.PP = c.CharPp;
    e.TU = c.CharTu;
  } else if (h.KSZ != "0000") {
    TSettingsEntry e;
    e.KSZ = h.KSZ;
    e.MOZG = c.CharMozg;
    e.FELT = c.CharFelt;
    e.TVP = c.CharTvp;
    e.VP = c.CharVp;
    e.PP = c.CharPp;
    e.TU = c.CharTu;
    AppendSettingsEntry(e);
  }
  if (Modes().SavedEditorMode == 3) Windows().CloseMain();
  return true;
}

void DrawYesNoBox(const std::string& last_word, char last_key) {
  SaveScreenRect(130, 200, 510, 280, 1);
  Canvas& c = SheetCanvas();
  c.SetBrushColor(colors::Red);
  c.SetPenColor(colors::Aqua);
  c.Rectangle(130, 200, 510, 280);
  c.SetFontColor(colors::Yellow);
  c.TextOut(132, 215, "   Az UL módosítva lett, de nem lett mentve!"_w);
  c.TextOut(132, 250, "        Vissza    Mentés és....  "_w + last_word);
  c.SetFontColor(colors::Black);
  c.TextOut(188, 250, "V");
  c.TextOut(258, 250, "M");
  c.TextOut(363, 250, std::string(1, last_key));
}

void ClosePrompt() {
  Editor().EditorMode = 1;
  RestoreScreenRect(1);
}

// The new sheet itself (the question about unsaved changes comes before).
void NewSheet() {
  BeginNotebookCommand();
  Windows().NotebookSave();
  Windows().NotebookClear();
  auto& sheet = SheetModel();
  sheet.Header.SendFlags[BEALL] = false;
  ClearSheetLines();
  sheet.Header.KSZ = "0000";
  sheet.Header.FORD = "0000";

  auto& orders = Orders();
  orders.StartCoords = TStartCoords{};
  orders.MapFields = TMapCoordFields{};
  orders.TeleportReturnChecked = false;

  LoadGameDataFiles(Program().ProgramDir);
  DrawSheetFrame();
  RedrawSheet();
  UpdateStatusLine(1);
  MoveCursor(10);
  if (Windows().MapVisible()) Windows().RefreshMap(false);

  CharSettings() = TCharSettings{};
  CharSettings().CharMozg = 10;
  CharSettings().CharFelt = 10;
  ShowSavePrompt();
}

// Opens the chosen file (the question about unsaved changes comes before).
// True when the sheet was replaced.
bool OpenChosenSheet(const std::string& path) {
  const std::string& program_dir = Program().ProgramDir;
  bool replaced = false;
  BeginNotebookCommand();
  if (IsFile(path)) {
    Windows().NotebookSave();
    Windows().NotebookClear();
    const std::size_t slash = path.find_last_of('/');
    const std::string dir = slash == std::string::npos ? program_dir : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    replaced = LoadSheet(dir, name);
    if (replaced) {
      LoadGameDataFiles(program_dir);
      DrawSheetFrame();
      RedrawSheet();
      MoveCursor(10);
    }
  } else {
    Messages().Show("Nem létezik ilyen file!"_w, MessageKind::Error);
  }
  TakeAccountData();
  UpdateStatusLine(1);
  if (Windows().MapVisible()) Windows().RefreshMap(false);
  Windows().NotebookLoad();
  return replaced;
}

// Runs what waited behind the prompt; true when the sheet was replaced.
bool RunPendingAction() {
  const PendingAction action = std::exchange(g_menu.pending, PendingAction::None);
  switch (action) {
    case PendingAction::RecentSheet: {
      const std::string& file = g_menu.pending_file;
      if (FindFileNoCase(Program().ProgramDir, file).empty()) {
        Messages().Show("Nem létezik ilyen file!"_w, MessageKind::Error);
        break;
      }
      RecentSheetClick(Program().PendingMenuIndex, file);
      return true;
    }
    case PendingAction::NewSheet:
      NewSheet();
      return true;
    case PendingAction::OpenSheet:
      return OpenChosenSheet(g_menu.pending_file);
    case PendingAction::None:
      break;
  }
  return false;
}

// Each shortcut runs its table item, condition first.
template <std::size_t I>
void RunItem() {
  RunMenuItem(MainMenu1()[I]);
}
template <std::size_t... I>
constexpr std::array<void (*)(), sizeof...(I)> ItemRunners(std::index_sequence<I...>) {
  return {&RunItem<I>...};
}
constexpr std::size_t kMaxItems = 32;
constexpr auto kRunners = ItemRunners(std::make_index_sequence<kMaxItems>{});

std::vector<MenuItemDef> BuildMainMenu() {
  using enum MenuCondition;
  const ShiftState none = shift::None;
  return {
      {"Rejt01", "Rejtett1", "Sor másolása"_w, '7', shift::Shift, EnabledReady, &Rejt01Click},
      {"Rejt02", "Rejtett1", "Sor törlése"_w, 0, none, EnabledReady, &Rejt02Click},
      {"Rejt03", "Rejtett1", "Kilepés tiltása"_w, vk::F4, shift::Alt, NoPopup, &Rejt03Click},
      {"Rejt04", "Rejtett1", "Sor beszúrása"_w, vk::Insert, none, EnabledReady, &Rejt04Click},
      {"Rejt05", "Rejtett1", "Mozgáskeresés"_w, vk::F8, none, EnabledReady, &Rejt05Click},
      {"Erforrsok1", "Rejtett1", "Erőforrások"_w, vk::Tab, shift::Ctrl, ReadyMode1Or5, &Erforrsok1Click},
      {"Segtsg1", "Rejtett1", "Segítség"_w, vk::F1, none, Always, &Segtsg1Click},
      {"Sormozgatas", "Rejtett1", "Sormozgatás"_w, vk::F4, none, Mode1Or4, &SormozgatasClick},
      {"FormNoveles", "Rejtett1", "Növelés"_w, vk::F1, shift::Ctrl, Always, &FormNovelesClick},
      {"FormCsokkentes", "Rejtett1", "Csökkentés"_w, vk::F1, shift::Alt, Always, &FormCsokkentesClick},
      {"resUL1", "File1", "Üres UL"_w, vk::F3, shift::Ctrl, Ready, &resUL1Click},
      {"ULbetlts1", "File1", "UL betöltés"_w, vk::F3, none, NoPopup, &ULbetlts1Click},
      {"ULmentse1", "File1", "UL mentése"_w, vk::F2, none, Ready, &ULmentse1Click},
      {"EmailULments1", "File1", "E-mail UL mentés"_w, vk::F2, shift::Alt, Ready, &EmailULments1Click},
      {"N2fordulsszehasonltsa1", "File1", "2 forduló összehasonlítása"_w, vk::F3, shift::Alt, Ready,
       &N2fordulsszehasonltsa1Click},
      {"N1", "File1", "-", 0, none, Always, nullptr},
      {"Kilps1", "File1", "&Kilépés"_w, 'X', shift::Alt, NoPopup, &Kilps1Click},
      {"Vltslerserforrsokkztt1", "ULtbla1", "Váltás leírás/erőforrások között"_w, vk::F6, none, Ready,
       &Vltslerserforrsokkztt1Click},
      {"Belltsok1", "ULtbla1", "&Beállítások"_w, vk::F5, none, Always, &Belltsok1Click},
      {"Trkp1", "ULtbla1", "&Térkép"_w, 0, none, Always, &Trkp1Click},
      {"Noteszakarakterhez1", "ULtbla1", "&Notesz a karakterhez"_w, vk::F5, shift::Ctrl, Always,
       &Noteszakarakterhez1Click},
      {"ULkldse1", "ULtbla1", "UL &küldése"_w, vk::F9, none, Ready, &ULkldse1Click},
      // The encyclopedia entry of the parameter under the cursor; the look-up
      // reads the cursor line, so it waits for edit mode like the line commands.
      {"Lexor1", "ULtbla1", "&Enciklopédia"_w, vk::F11, none, Ready, &Lexor1Click},
  };
}

}  // namespace

const std::vector<MenuItemDef>& MainMenu1() {
  static const std::vector<MenuItemDef> items = BuildMainMenu();
  return items;
}

bool MenuConditionHolds(MenuCondition condition) {
  const auto& ed = Editor();
  const bool ready = ed.EditorReady && ed.EditorMode == 1;
  switch (condition) {
    case MenuCondition::Always: return true;
    case MenuCondition::Ready: return ready;
    case MenuCondition::EnabledReady: return ready && (!g_main_window.Enabled || g_main_window.Enabled());
    case MenuCondition::ReadyMode1Or5: return ed.EditorReady && (ed.EditorMode == 1 || ed.EditorMode == 5);
    case MenuCondition::Mode1Or4: return ed.EditorMode == 1 || ed.EditorMode == 4;
    case MenuCondition::NoPopup: return !IsPopupMode(ed.EditorMode);
  }
  return false;
}

void RunMenuItem(const MenuItemDef& item) {
  const OneBoxPerAction one_box;
  if (item.command && MenuConditionHolds(item.condition)) item.command();
}

void RunRecentItem(int position, const std::string& file) {
  const OneBoxPerAction one_box;
  if (MenuConditionHolds(MenuCondition::NoPopup)) RecentSheetClick(position, file);
}

MainWindowLinks& MainWindow() { return g_main_window; }

void InstallMenuCommands() {
  SetModeKeyHandler(2, &SavePromptKey);
  SetModeKeyHandler(3, &ExitPromptKey);
  SetModeKeyHandler(33, &PendingActionPromptKey);
  const auto& items = MainMenu1();
  static_assert(kMaxItems >= 22);
  for (std::size_t i = 0; i < items.size() && i < kMaxItems; ++i)
    if (items[i].key != 0) SetMenuShortcut(items[i].key, items[i].shift, kRunners[i]);
}

void ResetMenuCommands() {
  g_menu = MenuState{};
  g_main_window = MainWindowLinks{};
}

// ---------------------------------------------------------------- prompts

void ShowSavePrompt() {
  auto& ed = Editor();
  auto& m = Modes();
  m.SavedEditorMode = ed.EditorMode;
  ed.EditorMode = 2;
  m.PromptIndex = 1;

  SaveScreenRect(200, 200, 440, 280, 1);
  Canvas& c = SheetCanvas();
  c.SetBrushColor(kPromptGrey);
  c.SetPenColor(colors::Aqua);
  c.Rectangle(200, 200, 440, 280);
  c.SetFontColor(kPromptText);
  c.TextOut(212, 222, "Fordulód: 0000-0000.UL néven"_w);
  c.TextOut(212, 252, "kívánod elmenteni!"_w);
  if (SheetFileExists()) DrawOverwriteWarning();

  auto& h = SheetModel().Header;
  // The digits shift through four places: both fields are kept four long.
  h.KSZ = Pad4(h.KSZ.substr(0, 4));
  h.FORD = Pad4(h.FORD.substr(0, 4));
  DrawPromptFields();
}

void SavePromptKey(std::uint16_t key) {
  auto& m = Modes();
  auto& h = SheetModel().Header;
  Windows().NotebookSaveIfKept();
  Windows().NotebookClear();

  const std::string character_before = h.KSZ;
  std::string& field = m.PromptIndex == 2 ? h.FORD : h.KSZ;
  const bool digit = (key >= vk::Digit0 && key <= vk::Digit9) || (key >= vk::Numpad0 && key <= vk::Numpad9);
  if (digit) {
    const char d = static_cast<char>('0' + (key >= vk::Numpad0 ? key - vk::Numpad0 : key - vk::Digit0));
    field = field.substr(field.empty() ? 0 : 1) + d;
    DrawPromptFields();
  } else if (key == vk::Back) {
    field = "0" + field.substr(0, field.empty() ? 0 : field.size() - 1);
    DrawPromptFields();
  } else if (key == vk::Add || key == vk::Subtract) {
    std::int32_t n = FieldNumber(field);
    if (key == vk::Add && n < 9999) ++n;
    if (key == vk::Subtract && n > 0) --n;
    field = Pad4(std::to_string(n));
    DrawPromptFields();
  } else if (key == vk::Space || key == vk::Left || key == vk::Right) {
    m.PromptIndex = key == vk::Space ? 3 - m.PromptIndex : key == vk::Left ? 1 : 2;
    DrawPromptFields();
  } else if (key == vk::Return) {
    // A sheet that could not be written keeps the prompt, so that another
    // number can be tried or the cause mended.
    if (!SaveFromPrompt()) m.KeepSavePrompt = true;
  }

  DrawOverwriteWarning();
  CharacterSettingsIn();
  if (h.KSZ != character_before) RefreshAllLinesAroundPopup();  // the costs follow the character
  Windows().NotebookLoad();
  UpdateStatusLine(1);
}

void ShowExitPrompt() {
  DrawYesNoBox("Kilépés"_w, 'K');
  Editor().EditorMode = 3;
}

void ExitPromptKey(std::uint16_t key) {
  switch (key) {
    case vk::Escape:
    case 'V':
      ClosePrompt();
      break;
    case 'K':
      // Closing is carried out once the key is done; the editor is back in
      // edit mode by then, so the close is not refused as one behind a popup.
      Editor().SheetModified = false;
      Program().SheetGivenUpForClose = true;
      ClosePrompt();
      Windows().CloseMain();
      break;
    case 'M':
      RestoreScreenRect(1);
      BeginNotebookCommand();
      ShowSavePrompt();
      break;
    default:
      break;
  }
}

void ShowPendingPrompt(PendingAction action, int menu_position, const std::string& file) {
  g_menu.pending = action;
  g_menu.pending_file = file;
  Program().PendingMenuIndex = menu_position;
  DrawYesNoBox("Tovább"_w, 'T');
  Editor().EditorMode = 33;
}

void PendingActionPromptKey(std::uint16_t key) {
  switch (key) {
    case vk::Escape:
    case 'V':
      g_menu.pending = PendingAction::None;
      ClosePrompt();
      break;
    case 'M':
      g_menu.pending = PendingAction::None;
      RestoreScreenRect(1);
      BeginNotebookCommand();
      ShowSavePrompt();
      break;
    case 'T': {
      ClosePrompt();
      // The changes are given up only when something takes the sheet's place.
      auto& ed = Editor();
      ed.SheetModified = false;
      if (!RunPendingAction()) ed.SheetModified = true;
      break;
    }
    default:
      break;
  }
}

void TakeAccountData() {
  auto& h = SheetModel().Header;
  constexpr SendFlag kAccountFlags[] = {ELVESZETT, UL, JL, EXT, SZL, B64, B64P, UUE, UUEP, POSTA};
  if (const std::uint8_t i = FindAccount(h.KSZ); i != 0) {
    const auto& a = Accounts().AccountTable[i];
    h.SZLA = a.SZLA.size() == 4 ? "0" + a.SZLA : a.SZLA;
    h.PSW = a.KOD.substr(0, 8);
    for (const SendFlag f : kAccountFlags) h.SendFlags[f] = a.Flags[f];
  } else {
    h.SZLA = "00000";
    h.PSW.clear();
    for (const SendFlag f : kAccountFlags) h.SendFlags[f] = false;
  }
}

// ---------------------------------------------------------------- commands

void Segtsg1Click() {
  const std::string help = FindFileNoCase(Program().ProgramDir, "vorda40.hlp");
  if (help.empty()) {
    Messages().Show("Nincs meg a VORDA40.HLP file!", MessageKind::Information);
    return;
  }
  if (!DesktopServices().OpenDocument(help))
    Messages().Show("A súgó nem nyitható meg: "_w + help, MessageKind::Error);
}

void FormNovelesClick() {
  if (g_main_window.Resize) g_main_window.Resize(50, 50);
}

void FormCsokkentesClick() {
  if (g_main_window.Resize) g_main_window.Resize(-50, -50);
}

void resUL1Click() {
  if (Editor().SheetModified)
    ShowPendingPrompt(PendingAction::NewSheet);
  else
    NewSheet();
}

void ULbetlts1Click() {
  const auto chosen = DesktopServices().OpenFile(
      Program().ProgramDir, {{"UL file", {"*.ul", "*.UL"}}, {"E-mail UL file", {"*.emv", "*.EMV"}}});
  if (!chosen) return;
  if (Editor().SheetModified && IsFile(*chosen))
    ShowPendingPrompt(PendingAction::OpenSheet, 0, *chosen);
  else
    OpenChosenSheet(*chosen);
}

void ULmentse1Click() {
  // From here to the prompt's Enter or Esc the notebook says at most once
  // that it could not be saved (a new sheet's prompt goes on with the new
  // sheet's command).
  BeginNotebookCommand();
  ShowSavePrompt();
}
void EmailULments1Click() { Windows().ShowEmailDialog(); }
void N2fordulsszehasonltsa1Click() { Windows().ShowComparison(); }
void Belltsok1Click() { Windows().ShowSettings(); }
void Trkp1Click() { Windows().ShowMap(); }
void Noteszakarakterhez1Click() { Windows().ShowNotebook(); }
void ULkldse1Click() { Windows().ShowSendDialog(); }
void Lexor1Click() {
  // The look-up reads the cell under the cursor; the line and column follow
  // it, as the status line's TVP up to the cursor counts to that line.
  auto& ed = Editor();
  ed.CurLine = static_cast<std::uint8_t>(ed.CursorCell / 10);
  ed.CurColumn = static_cast<std::uint8_t>(ed.CursorCell % 10);
  Windows().LookupEncyclopedia();
}

}  // namespace vorda
