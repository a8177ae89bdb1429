#include "editor/notebook.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <system_error>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "editor/program_state.h"
#include "editor/window_links.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

namespace fs = std::filesystem;

NotebookState g_notebook;

constexpr std::string_view kFolderName = "notesz";

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The notesz folder of the program's folder, in whatever case it stands.
std::string NotebookFolder(const std::string& program_dir) {
  std::error_code ec;
  const std::string exact = JoinPath(program_dir, kFolderName);
  if (fs::is_directory(exact, ec)) return exact;
  fs::directory_iterator it(program_dir.empty() ? fs::path(".") : fs::path(program_dir), ec);
  if (!ec)
    for (const auto& entry : it)
      if (EqualNoCase(entry.path().filename().string(), kFolderName) && entry.is_directory(ec))
        return JoinPath(program_dir, entry.path().filename().string());
  return exact;
}

// Whose notes a save writes: those loaded, else the sheet's character.
std::string SaveKsz() {
  return g_notebook.ShownKsz.empty() ? SheetModel().Header.KSZ : g_notebook.ShownKsz;
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(path, ec);
}

}  // namespace

NotebookState& Notebook() { return g_notebook; }

void ResetNotebook() { g_notebook = NotebookState{}; }

bool NotebookKszValid(std::string_view ksz) {
  if (ksz.empty() || ksz.size() > 4) return false;
  for (const char c : ksz)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string NotebookPath(const std::string& program_dir, std::string_view ksz) {
  if (!NotebookKszValid(ksz)) return {};
  return ResolvePathNoCase(NotebookFolder(program_dir), std::string(ksz) + ".not");
}

std::string NotebookFileBytes(std::string_view text) {
  if (text.empty()) return {};
  std::string out;
  std::size_t from = 0;
  while (true) {
    const std::size_t end = text.find('\n', from);
    out.append(text.substr(from, end - from));
    out += "\r\n";
    if (end == std::string_view::npos) break;
    from = end + 1;
  }
  return out;
}

std::string NotebookTextOfFile(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r') {
      if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      out += '\n';
    } else {
      out += bytes[i];
    }
  }
  // The last line's line end closes it; it starts no further line.
  if (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

std::string NotebookStatus(std::string_view ksz) {
  std::int32_t number = 0;
  const auto [end, ec] = std::from_chars(ksz.data(), ksz.data() + ksz.size(), number);
  if (ec != std::errc() || end != ksz.data() + ksz.size()) number = 0;
  return "NOTESZ: " + std::string(ksz) + " " + CharacterName(number);
}

std::string NotebookRefusal(std::string_view ksz, std::string_view text) {
  if (!NotebookKszValid(ksz)) return "a karakter száma (\""_w + std::string(ksz) + "\") nem lehet fájlnév"_w;
  // A line ends in CR LF in the file, and any CR ends a line when it is read.
  if (const std::size_t cr = text.find('\r'); cr != std::string_view::npos) {
    const auto line = std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(cr), '\n') + 1;
    return "a(z) "_w + std::to_string(line) + ". sora kocsivissza-jelet tartalmaz, ami nem fér el a fájlban"_w;
  }
  return {};
}

void BeginNotebookCommand() { g_notebook.FailureShown = false; }

namespace {

struct NotebookProblem {
  UnsavedFile unsaved;
  std::string message;  // the box outside shut-down
};

std::string What(std::string_view ksz) { return "a(z) "_w + std::string(ksz) + " karakter jegyzetei"_w; }

// Writes the notes; what went wrong when it failed. Nothing is shown here.
std::optional<NotebookProblem> WriteNotebook() {
  auto& nb = g_notebook;
  const std::string ksz = SaveKsz();
  const std::string& dir = Program().ProgramDir;
  const std::string file = std::string(kFolderName) + "/" + ksz + ".not";
  if (const std::string why = NotebookRefusal(ksz, nb.Text); !why.empty()) {
    const std::string message =
        NotebookKszValid(ksz)
            ? "A(z) "_w + ksz + " karakter noteszét nem sikerült menteni ("_w + why + ")."
            : "A notesz nem menthető: "_w + why + "."_w;
    return NotebookProblem{{file, What(ksz), why}, message};
  }
  const std::string folder = NotebookFolder(dir);
  FileWriteResult written;
  std::error_code ec;
  if (fs::exists(folder, ec) && !fs::is_directory(folder, ec)) {
    written.failed = WriteStep::Create;
    written.error = ENOTDIR;  // a file where the folder should be
  } else if (!fs::is_directory(folder, ec) && !fs::create_directory(folder, ec)) {
    written.failed = WriteStep::Create;
    written.error = ec ? ec.value() : EIO;
  } else {
    written = WriteFileAtomically(NotebookPath(dir, ksz), NotebookFileBytes(nb.Text));
  }
  if (written) return std::nullopt;
  return NotebookProblem{{file, What(ksz), WriteFailureReason(written)},
                         "A(z) "_w + ksz + " karakter noteszét nem sikerült menteni"_w +
                             WriteFailureNote(written, "a korábbi fájl megmaradt"_w) + "."};
}

void NotebookSaved() {
  g_notebook.Modified = false;
  g_notebook.SaveFailed = false;
}

}  // namespace

bool SaveNotebook() {
  auto& nb = g_notebook;
  const auto problem = WriteNotebook();
  if (!problem) {
    NotebookSaved();
    return true;
  }
  nb.SaveFailed = true;
  if (!nb.FailureShown) {
    nb.FailureShown = true;
    Messages().Show(problem->message, MessageKind::Error);
  }
  return false;
}

std::optional<UnsavedFile> SaveNotebookAtClose() {
  const auto problem = WriteNotebook();
  if (!problem) {
    NotebookSaved();
    return std::nullopt;
  }
  g_notebook.SaveFailed = true;
  return problem->unsaved;
}

void NotebookProgramEnds(bool give_up) {
  if (give_up) NotebookSaved();
  g_notebook.ProgramEnding = true;
}

bool SaveNotebookIfKept() {
  if (!g_notebook.Text.empty() || FileExists(NotebookPath(Program().ProgramDir, SaveKsz()))) return SaveNotebook();
  return true;
}

void ClearNotebook() {
  if (!SaveNotebookIfKept()) return;
  g_notebook.Text.clear();
  g_notebook.ShownKsz.clear();
  g_notebook.Modified = false;
}

void LoadNotebook() {
  auto& nb = g_notebook;
  // Until a save succeeds, the notes and their status line stay as they are.
  if ((nb.Modified || nb.SaveFailed) && !SaveNotebook()) return;
  const std::string& ksz = SheetModel().Header.KSZ;
  nb.Text.clear();
  nb.Modified = false;
  nb.ShownKsz = ksz;
  nb.Status = NotebookStatus(ksz);
  const std::string path = NotebookPath(Program().ProgramDir, ksz);
  if (FileExists(path)) {
    if (const auto bytes = ReadWholeFile(path))
      nb.Text = NotebookTextOfFile(*bytes);
    else
      Messages().Show("A(z) "_w + ksz + " karakter noteszét nem sikerült beolvasni."_w, MessageKind::Error);
  }
}

void LinkNotebook(std::function<void()> refresh) {
  auto& links = Windows();
  links.OnNotebookSave = [] { return !g_notebook.Shown || SaveNotebook(); };
  // Notes that a failed save left behind are written at shut-down even when
  // the window was closed since: they are never dropped unasked.
  links.OnNotebookSaveAtClose = []() -> std::optional<UnsavedFile> {
    if (!g_notebook.Shown && !g_notebook.SaveFailed) return std::nullopt;
    return SaveNotebookAtClose();
  };
  links.OnNotebookProgramEnds = [](bool give_up) { NotebookProgramEnds(give_up); };
  links.OnNotebookSaveIfKept = [] {
    if (g_notebook.Shown) SaveNotebookIfKept();
  };
  links.OnNotebookClear = [refresh] {
    if (!g_notebook.Shown) return;
    ClearNotebook();
    if (refresh) refresh();
  };
  links.OnNotebookLoad = [refresh] {
    if (!g_notebook.Shown) return;
    LoadNotebook();
    if (refresh) refresh();
  };
}

}  // namespace vorda
