#pragma once
// The batch tool's queries and settings of the month's rules: who is legal
// for a pairing instance, the month's blocking rules, and the two read-only
// summaries of the month.

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

// The dialog's caption, the legal list, an empty line and the bid list. A
// pairing or day index out of range, or a day without an open instance of
// the pairing: a message on `err`, kExitCannotRun.
int RunWhosLegal(const std::string& file, int pairing, int day, Ui& ui, std::ostream& out,
                 std::ostream& err);

struct RulesCommandLine {
  CLI::App* whosLegal = nullptr;
  std::string file;
  int pairing = 0;
  int day = 0;
};

std::unique_ptr<RulesCommandLine> AddRulesCommands(CLI::App& app);

std::optional<int> RunChosenRulesCommand(const RulesCommandLine& line, Ui& ui, std::ostream& out,
                                         std::ostream& err);

}  // namespace lumora::cli
