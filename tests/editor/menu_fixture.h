#pragma once
// A fixture for the menu and start-up tests: the screen fixture with the menu
// commands installed, a program folder of the test's own, recorded message
// boxes and desktop, and counters on the windows the editor reaches.
#include <map>
#include <string>

#include "data/accounts_settings.h"
#include "editor/menu_commands.h"
#include "editor/program_state.h"
#include "editor/screen_fixture.h"
#include "editor/start_up.h"
#include "platform/desktop.h"
#include "platform/message_box.h"
#include "support/temp_dir.h"

namespace vorda::testing {

class MenuFixture : public ScreenFixture {
 protected:
  void SetUp() override {
    ScreenFixture::SetUp();
    ResetMenuCommands();
    InstallMenuCommands();
    Program().ProgramDir = dir.path() + "/";
    InstallMessageBoxes(&boxes);
    InstallDesktop(&desktop);
    auto& w = Windows();
    w.OnCloseMain = [this] { ++calls["close"]; };
    w.OnNotebookSave = [this] {
      ++calls["notes save"];
      order += "S";
      return true;
    };
    w.OnNotebookSaveIfKept = [this] { ++calls["notes save if kept"]; };
    w.OnNotebookClear = [this] { ++calls["notes clear"]; };
    w.OnNotebookLoad = [this] { ++calls["notes load"]; order += "L" + SheetModel().Header.KSZ; };
    MainWindow().Resize = [this](int dx, int dy) {
      width += dx;
      height += dy;
    };
  }
  void TearDown() override {
    InstallDesktop(nullptr);
    InstallMessageBoxes(nullptr);
    ResetMenuCommands();
    ScreenFixture::TearDown();
  }

  // A key as the main window hands it on: the menu's shortcuts first.
  static void Key(std::uint16_t key, ShiftState shift = shift::None) {
    if (!RunMenuShortcut(key, shift)) FormKeyDown(key, shift);
  }

  static void AddAccount(const std::string& ksz, const std::string& szla, const std::string& kod) {
    TAccountRecord a;
    a.KSZ = ksz;
    a.SZLA = szla;
    a.KOD = kod;
    a.Flags[UL] = true;
    a.Flags[POSTA] = true;
    AppendAccount(a);
  }
  static void AddSettings(const std::string& ksz, std::uint8_t mozg) {
    TSettingsEntry e;
    e.KSZ = ksz;
    e.MOZG = mozg;
    e.FELT = 10;
    AppendSettingsEntry(e);
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto& b : boxes.shown) out.push_back(b.text);
    return out;
  }

  TempDir dir;
  RecordingMessageBoxes boxes;
  RecordingDesktop desktop;
  std::map<std::string, int> calls;
  std::string order;  // notebook saves "S" and loads "L" + character, in turn
  int width = 0, height = 0;
};

}  // namespace vorda::testing
