#pragma once
// The batch tool's filter subcommands: the pairing filters applied
// (`filter-pairings`), the grid's display order after the block filters
// (`order`) and the block search (`search`).

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace lumora {
class Ui;
}

namespace lumora::cli {

struct PairingFilterRequest {
  std::optional<int> crew;   // --crew
  std::vector<int> numbers;  // --numbers, in the order given
  bool invert = false;
  std::optional<std::string> text;  // --text
  std::optional<int> saveTo;        // --save-to
};

// Prints "%d %d %04d" (pairing index, mark, number) for every marked
// pairing. Exit status: 0 applied; 2 bad arguments or file; 3 the semicolon
// question answered No. The result goes to `output` (when given) whenever
// the file loaded.
int RunFilterPairings(const std::string& file, const std::string& output,
                      const PairingFilterRequest& request, Ui& ui, std::ostream& out);

// The search check boxes named in `list` ("names,empnums,pairs,bids") are
// checked and the others unchecked; empty: all four. False for an unknown name.
bool ParseSearchChecks(const std::string& list, bool (&checks)[4]);

// Prints the display order "%d %s" (crew index, name) after the search (when
// `search` is given) and the filters toggled by settings key, in order.
int RunOrder(const std::string& file, const std::optional<std::string>& search,
             const std::string& in, const std::vector<std::string>& filters, Ui& ui,
             std::ostream& out);

// Prints the crew members the search matched, with the categories.
int RunSearch(const std::string& file, const std::string& text, const std::string& in, Ui& ui,
              std::ostream& out);

struct FilterCommandLine {
  CLI::App* filterPairings = nullptr;
  CLI::App* order = nullptr;
  CLI::App* search = nullptr;
  std::string file;
  std::string output;
  std::string text;
  std::string in;
  std::vector<std::string> filters;
  std::vector<int> numbers;
  int crew = -1;
  int saveTo = -1;
  CLI::Option* crewOption = nullptr;
  CLI::Option* textOption = nullptr;
  CLI::Option* saveToOption = nullptr;
  CLI::Option* searchOption = nullptr;
  bool invert = false;
  bool yes = false;
};

std::unique_ptr<FilterCommandLine> AddFilterCommands(CLI::App& app);

std::optional<int> RunChosenFilterCommand(const FilterCommandLine& line, std::ostream& out);

}  // namespace lumora::cli
