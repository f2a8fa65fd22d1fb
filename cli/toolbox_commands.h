#pragma once
// The batch tool's toolbox subcommands: pressing a toolbox button and
// clicking an empty day of a block (`place`), and loading a toolbox
// definition file into a schedule file (`toolbox`).

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

// Presses the toolbox button whose code text is `code` (the request buttons
// "X1" to "XM" included) and clicks day index `day` of crew member `crew`
// (both from 0). Prints what the click did on `out`. Exit status: 0 when a
// code was placed or a request set or cleared; 2 when the file cannot be
// read, there is no such button or the result cannot be saved; 3 when the
// click placed nothing. The result is written whenever the file was read.
int RunPlace(const std::string& file, const std::string& output, int crew, int day,
             const std::string& code, Ui& ui, BlockRules& rules, std::ostream& out);

// Loads the toolbox definition file `boxFile` into the schedule file, as the
// command "&ToolBox Items..." does once the file is chosen. Exit status: 0
// when its entries are in use (with or without airports); 2 when a file
// cannot be read or the result cannot be saved; 3 when the toolbox file was
// refused and the built-in table applies. The result is written whenever the
// schedule file was read.
int RunToolbox(const std::string& file, const std::string& boxFile, const std::string& output,
               Ui& ui);

struct ToolboxCommandLine {
  CLI::App* place = nullptr;
  CLI::App* toolbox = nullptr;
  std::string file;
  std::string boxFile;
  std::string output;
  std::string code;
  int crew = 0;
  int day = 0;
  bool yes = false;
};

std::unique_ptr<ToolboxCommandLine> AddToolboxCommands(CLI::App& app);

// The exit status of the subcommand that was chosen, or nothing when none of
// these was. Questions are answered No unless --yes; messages go to stderr.
std::optional<int> RunChosenToolboxCommand(const ToolboxCommandLine& line, std::ostream& out);

}  // namespace lumora::cli
