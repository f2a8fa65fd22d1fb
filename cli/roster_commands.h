#pragma once
// The batch tool's roster subcommand: the roster dialog's insert, delete and
// move (drag) operations on a schedule file.

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace lumora {
class BlockRules;
class Ui;
}  // namespace lumora

namespace lumora::cli {

struct RosterEdit {
  enum class Kind { Insert, Delete, Move };
  Kind kind = Kind::Insert;
  // Roster positions from 1, as the dialog lists them. The insert's
  // position and employee number are the texts typed into the dialog.
  std::string insertAt;
  std::string name;
  std::string empNumber;
  int position = 0;  // delete, move from
  int to = 0;        // move to
};

// Applies `edit` as the roster dialog does and builds the blocks afterwards,
// as the desktop does when the dialog closes. Prints the dialog's status line of a move on
// `out`; the dialog's messages go to the Ui. Exit status: 0 when the roster
// changed, 2 when the file cannot be read or the result cannot be written,
// 3 when the dialog refused (or a move changed nothing). The result is
// written whenever the file was read.
int RunRoster(const std::string& file, const std::string& output, const RosterEdit& edit, Ui& ui,
              BlockRules& rules, std::ostream& out);

struct RosterCommandLine {
  CLI::App* roster = nullptr;
  std::string file;
  std::string output;
  std::optional<std::string> insertAt;
  std::optional<int> deletePosition;
  std::optional<int> moveFrom;
  std::optional<int> moveTo;
  std::string name;
  std::string empNumber;
  bool yes = false;
};

std::unique_ptr<RosterCommandLine> AddRosterCommands(CLI::App& app);

// The exit status when `roster` was chosen, or nothing. Questions are
// answered No unless --yes; messages go to stderr.
std::optional<int> RunChosenRosterCommand(const RosterCommandLine& line, std::ostream& out);

}  // namespace lumora::cli
