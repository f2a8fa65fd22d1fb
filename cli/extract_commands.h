#pragma once
// `lumora-cli import-roster` and `import-absences`: the crew-tracking
// system's roster and absence extracts loaded into a schedule file, with the
// extract named on the command line as the file dialog's choice, and the
// result written to another file.

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace lumora {
class SettingsStore;
class Ui;
}  // namespace lumora

namespace lumora::cli {

struct ExtractCommandLine {
  CLI::App* roster = nullptr;
  CLI::App* absences = nullptr;
  std::string file;
  std::string extract;
  std::string output;
  bool nextMonth = false;
  // Answers Yes to the import's questions (otherwise No).
  bool yes = false;
};

std::unique_ptr<ExtractCommandLine> AddExtractCommands(CLI::App& app);

// Loads `line.file`, runs the import with `line.extract` and saves the
// document as the import left it to `line.output`. Exit status: 0 when the
// import read the extract, 3 when it did not; 2 when the extract or the
// schedule file cannot be read (nothing written) or the result cannot be
// saved.
int RunImportRoster(const ExtractCommandLine& line, Ui& ui, SettingsStore& settings,
                    std::ostream& err);
int RunImportAbsences(const ExtractCommandLine& line, Ui& ui, SettingsStore& settings,
                      std::ostream& err);

// The exit status when one of these was chosen, nothing otherwise. Settings
// go to the desktop program's settings file.
std::optional<int> RunChosenExtractCommand(const ExtractCommandLine& line, std::ostream& err);

}  // namespace lumora::cli
