#pragma once
// `lumora-cli check`: builds the blocks of a schedule file and prints the
// list of the exceptions and warnings report, one line per list line.

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace lumora {
class Ui;
}

namespace lumora::cli {

struct CheckCommandLine {
  CLI::App* command = nullptr;
  std::string file;
};

std::unique_ptr<CheckCommandLine> AddCheckCommand(CLI::App& app);

// Exit status 0 when the report was printed on `out` (whatever it lists), 2
// when the file cannot be loaded. The file is not changed.
int RunCheck(const std::string& file, Ui& ui, std::ostream& out);

// The exit status when `check` was chosen, nothing otherwise.
std::optional<int> RunChosenCheck(const CheckCommandLine& line, Ui& ui, std::ostream& out);

}  // namespace lumora::cli
