#pragma once
// `lumora-cli import-prg`: the command "This Month's Pairings..." on a
// schedule file, with the PRG file and the dialog's settings given as
// arguments, written to another file.

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace lumora {
class SettingsStore;
class Ui;
}  // namespace lumora

namespace lumora::cli {

struct ImportPrgCommandLine {
  CLI::App* command = nullptr;
  std::string file;
  std::string prg;
  // The dialog's manual settings: a base letter and an optional equipment
  // digit. Without it the document's own base and equipment apply.
  std::optional<std::string> prefix;
  std::vector<std::string> lisFiles;
  std::string output;
};

std::unique_ptr<ImportPrgCommandLine> AddImportPrgCommand(CLI::App& app);

// True for one upper-case letter followed by at most one digit.
bool IsPrgPrefix(const std::string& prefix);

// Loads `line.file`, imports `line.prg` into it, rebuilds the blocks and saves
// to `line.output`. Exit status: 0 when the command ran to its end, whatever
// the import and the LIS scan found (their messages go to `ui`); 2 for a bad
// prefix, or a schedule, PRG or LIS file that cannot be read; 3 when the
// result cannot be saved. The LIS scan runs only when LIS files are given.
int RunImportPrg(const ImportPrgCommandLine& line, Ui& ui, SettingsStore& settings,
                 std::ostream& err);

// The exit status when `import-prg` was chosen, nothing otherwise. Settings
// go to the desktop program's settings file.
std::optional<int> RunChosenImportPrg(const ImportPrgCommandLine& line, Ui& ui, std::ostream& err);

}  // namespace lumora::cli
