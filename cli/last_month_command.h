#pragma once
// `lumora-cli import-last-month`: the command "Last Month's Data from
// Extract..." on a schedule file, with the crew activity extract and the
// prior-period pairing extract given as arguments, written to another file.

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

struct LastMonthCommandLine {
  CLI::App* command = nullptr;
  std::string file;
  std::string activity;
  std::string pairings;
  std::string output;
  // Answers Yes to the question about a file whose first line has another length.
  bool yes = false;
};

std::unique_ptr<LastMonthCommandLine> AddLastMonthCommand(CLI::App& app);

// Loads `line.file`, runs the import with the two files as the answers of its
// file dialogs and saves what it left to `line.output`. Exit status: 0 when
// the import returned true, 3 when it returned false; 2 when a named file
// cannot be read (nothing is written) or the result cannot be saved.
int RunLastMonth(const LastMonthCommandLine& line, Ui& ui, SettingsStore& settings,
                 std::ostream& err);

// The exit status when `import-last-month` was chosen, nothing otherwise.
std::optional<int> RunChosenLastMonth(const LastMonthCommandLine& line, std::ostream& err);

}  // namespace lumora::cli
