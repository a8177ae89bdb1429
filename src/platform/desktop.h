#pragma once
// What the program asks of the desktop besides message boxes: the open-file
// dialog and the opening of a document (the help file) in the program the
// desktop uses for it. The windows install a Qt-backed implementation; tests
// install the recording one.
//
// Every implementation keeps:
// - OpenFile shows a modal dialog starting in `folder` and offers the filters
//   in their order, the first one chosen; a filter matches its patterns
//   whatever the case of the file names. It gives the chosen path (a typed
//   name is given as it is, whether the file exists or not), or nullopt when
//   the user cancels. It never changes the working directory.
// - OpenDocument hands a file to the desktop and gives false when the desktop
//   could not take it (no program for it, no desktop at all).
// Paths are in the file system's own encoding; captions are Windows-1250.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorda {

struct FileFilter {
  std::string caption;                // e.g. "UL file"
  std::vector<std::string> patterns;  // e.g. "*.ul"
};

class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual std::optional<std::string> OpenFile(const std::string& folder, const std::vector<FileFilter>& filters) = 0;
  virtual bool OpenDocument(const std::string& path) = 0;
};

// The installed implementation (by default the recording one below).
Desktop& DesktopServices();
void InstallDesktop(Desktop* desktop);  // nullptr: back to the default

// Remembers what was asked and answers with fixed results.
class RecordingDesktop : public Desktop {
 public:
  std::optional<std::string> OpenFile(const std::string& folder, const std::vector<FileFilter>& filters) override {
    dialogs.push_back(folder);
    last_filters = filters;
    return chosen;
  }
  bool OpenDocument(const std::string& path) override {
    documents.push_back(path);
    return opens;
  }
  std::optional<std::string> chosen;  // what the dialog gives
  bool opens = true;
  std::vector<std::string> dialogs;  // the folders dialogs were opened in
  std::vector<FileFilter> last_filters;
  std::vector<std::string> documents;
};

}  // namespace vorda
