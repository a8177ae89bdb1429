// Timings of the editor's hot paths on the heaviest sheet: every game table at
// capacity with no record found (so every lookup scans a whole table) and 40
// coded lines. Run by scripts/bench; the figures go into the README.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "data/game_tables.h"
#include "data/map_grid.h"
#include "data/order_sheet.h"
#include "editor/editor_modes.h"
#include "editor/editor_state.h"
#include "editor/line_refresh.h"
#include "editor/sheet_screen.h"
#include "platform/files.h"
#include "platform/null_canvas.h"
#include "platform/qt/qt_canvas.h"
#include "platform/zero_pages.h"
#include "platform/virtual_keys.h"
#include "support/full_sheet.h"
#include "support/map_fixture.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

using testing::CodeSheetLine;
using testing::CodeSheetLines;
using testing::DescriberCodes;

// The folder with the full tables and the invented map, made once.
const testing::TempDir& DataFolder() {
  static const auto folder = [] {
    auto dir = std::make_unique<testing::TempDir>();
    if (!testing::WriteFullGameTables(dir->path()) || !testing::WriteInventedMapFiles(dir->path()))
      std::abort();
    return dir;
  }();
  return *folder;
}

enum CanvasKind { kNoCanvas = 0, kQtCanvas = 1 };

// The editor as after the first activation, with the full tables loaded and the
// frame drawn on the chosen canvas.
class Sheet {
 public:
  explicit Sheet(CanvasKind kind) {
    testing::ResetAllState();
    ResetEditorState();
    ResetSheetScreen();
    ResetEditorModes();
    LoadGameDataFiles(DataFolder().path());
    if (kind == kQtCanvas) InstallSheetCanvas(&qt_);
    auto& ed = Editor();
    ed.EditorReady = true;
    ed.EditorMode = 1;
    ed.ColorMarkup = true;
    ed.CursorCell = 10;
    DrawSheetFrame();
    CodeSheetLines(testing::EveryOrderCode(), 0);
    RedrawSheet();
    MoveCursor(10);
    UpdateStatusLine(1);
    // As in the program once the first drawn sheet is shown: the record of
    // touched pixels starts empty.
    qt_.TakeTouched();
  }
  ~Sheet() { InstallSheetCanvas(nullptr); }

 private:
  QtCanvas qt_{680, 545};
};

void BM_RefreshSheetLine(benchmark::State& state) {
  Sheet sheet(static_cast<CanvasKind>(state.range(1)));
  const auto& codes = DescriberCodes(static_cast<int>(state.range(0)));
  for (int l = 1; l <= kSheetLines; ++l) CodeSheetLine(l, codes[static_cast<std::size_t>(l - 1) % codes.size()]);
  int line = 1;
  for (auto _ : state) {
    RefreshSheetLine(line);
    line = line == kSheetLines ? 1 : line + 1;
  }
}
BENCHMARK(BM_RefreshSheetLine)->ArgNames({"describer", "qt"})->ArgsProduct({{0, 1, 2, 3}, {kNoCanvas, kQtCanvas}});

void BM_RedrawSheet(benchmark::State& state) {
  Sheet sheet(static_cast<CanvasKind>(state.range(0)));
  for (auto _ : state) RedrawSheet();
}
BENCHMARK(BM_RedrawSheet)->ArgName("qt")->Arg(kNoCanvas)->Arg(kQtCanvas)->Unit(benchmark::kMillisecond);

// A digit typed into the first parameter of line 20: the line's cells, its
// description and the status line drawn again.
void BM_KeyPress(benchmark::State& state) {
  Sheet sheet(static_cast<CanvasKind>(state.range(0)));
  CodeSheetLine(20, "VE");
  MoveCursor(201);
  for (auto _ : state) {
    std::uint16_t key = vk::Digit0 + 5;
    FormKeyDown(key, shift::None);
    Editor().CursorCell = 201;
  }
}
BENCHMARK(BM_KeyPress)->ArgName("qt")->Arg(kNoCanvas)->Arg(kQtCanvas);

void BM_LoadGameDataFiles(benchmark::State& state) {
  const std::string& folder = DataFolder().path();
  for (auto _ : state) LoadGameDataFiles(folder);
}
BENCHMARK(BM_LoadGameDataFiles)->Unit(benchmark::kMillisecond);

// MAP.DAT as the start reads it, into a grid that has held no map (arg 1),
// and as the reload command reads it over a map shown (arg 0): into fresh
// memory that takes the old map's place only when the read is whole.
void BM_LoadMapDat(benchmark::State& state) {
  const std::string& folder = DataFolder().path();
  const bool at_start = state.range(0) == 1;
  std::string error;
  for (auto _ : state) {
    if (at_start) {
      state.PauseTiming();
      ResetMapState();
      state.ResumeTiming();
    }
    if (!LoadMapDat(folder, error)) state.SkipWithError(error.c_str());
  }
}
BENCHMARK(BM_LoadMapDat)->ArgName("at_start")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The same file read into memory in one go, the floor a loader can reach:
// into memory fresh from the system (arg 1), as at start, or into memory
// already written (arg 0).
void BM_ReadMapDatPlain(benchmark::State& state) {
  const std::string path = JoinPath(DataFolder().path(), "MAP.DAT");
  const bool fresh = state.range(0) == 1;
  char* memory = static_cast<char*>(AllocateZeroPages(kMapDatSize));
  for (auto _ : state) {
    if (fresh) {
      state.PauseTiming();
      FreeZeroPages(memory, kMapDatSize);
      memory = static_cast<char*>(AllocateZeroPages(kMapDatSize));
      state.ResumeTiming();
    }
    std::ifstream in(path, std::ios::binary);
    in.read(memory, static_cast<std::streamsize>(kMapDatSize));
    benchmark::DoNotOptimize(memory);
  }
  FreeZeroPages(memory, kMapDatSize);
}
BENCHMARK(BM_ReadMapDatPlain)->ArgName("fresh_memory")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorda

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
