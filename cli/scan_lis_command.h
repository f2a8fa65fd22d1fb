#pragma once
// `lumora-cli scan-lis`: the command "AC Type and French Data from LIS
// Files..." on a schedule file, with the LIS files given as arguments,
// written to another file. `import-prg --lis` runs the same scan after the
// import.

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace lumora {
class DocumentSession;
class SettingsStore;
class Ui;
}  // namespace lumora

namespace lumora::cli {

struct ScanLisCommandLine {
  CLI::App* command = nullptr;
  std::string file;
  std::vector<std::string> lisFiles;
  std::string output;
  // Answers Yes to the question about a file name without the month.
  bool yes = false;
};

std::unique_ptr<ScanLisCommandLine> AddScanLisCommand(CLI::App& app);

// The LIS scan with `files` as the file dialog's choice. A file whose name
// lacks the month and whose question the session's Ui answers No is left out
// of the choice; the others are scanned. Returns whether anything was
// scanned.
bool ScanLisFilesNamed(DocumentSession& session, const std::vector<std::string>& files);

// Loads `line.file`, scans the LIS files and saves to `line.output`. Exit
// status: 0 when the command ran to its end, whatever the scan found (its
// messages and lists go to `ui`); 2 when the schedule file or a LIS file
// cannot be read; 3 when the result cannot be saved.
int RunScanLis(const ScanLisCommandLine& line, Ui& ui, SettingsStore& settings, std::ostream& err);

// The exit status when `scan-lis` was chosen, nothing otherwise. Questions
// are answered by `line.yes`; settings go to the desktop program's settings
// file.
std::optional<int> RunChosenScanLis(const ScanLisCommandLine& line, std::ostream& err);

}  // namespace lumora::cli
