#pragma once
// The batch tool's block-building subcommands: assign, remove and undo of
// one pairing transaction on a schedule file, written to another file.

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace lumora {
class BlockRules;
class TDocument;
class Ui;
}  // namespace lumora

namespace lumora::cli {

// Indexes count from 0 and go to the operation as given: one out of range is
// its refusal, not a bad argument. The result code is printed on `out`, its
// meaning on stderr. With `number`, the pairing is the one of that number on
// `day` (the open copy to assign, the crew member's own to remove), and none
// is a bad argument.
int RunAssign(const std::string& file, const std::string& output, int crew, int pairing, int day,
              bool skipRestChecks, Ui& ui, BlockRules& rules, std::ostream& out,
              std::optional<int> number = std::nullopt);
int RunRemove(const std::string& file, const std::string& output, int crew, int pairing, int day,
              Ui& ui, BlockRules& rules, std::ostream& out,
              std::optional<int> number = std::nullopt);
int RunUndo(const std::string& file, const std::string& output, Ui& ui, BlockRules& rules);

// With `number`, sets `pairing` to the table position of that pairing on
// `day` (its open copy, or with `removing` the copy in the crew member's
// day); false, with a message on stderr, when there is none.
bool ResolvePairingNumber(const TDocument& doc, const std::optional<int>& number, int crew, int day,
                          bool removing, int& pairing);

// The subcommands' options, filled by the parser.
struct BuildingCommandLine {
  CLI::App* assign = nullptr;
  CLI::App* remove = nullptr;
  CLI::App* undo = nullptr;
  std::string file;
  std::string output;
  int crew = 0;
  int pairing = 0;
  std::optional<int> number;
  int day = 0;
  bool shift = false;
  bool yes = false;
};

std::unique_ptr<BuildingCommandLine> AddBuildingCommands(CLI::App& app);

// The exit status of the subcommand that was chosen, or nothing when none of
// these was. Questions are answered No unless --yes.
std::optional<int> RunChosenBuildingCommand(const BuildingCommandLine& line, std::ostream& out);

}  // namespace lumora::cli
