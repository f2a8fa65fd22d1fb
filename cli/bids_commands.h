#pragma once
// The batch tool's bids subcommands: the pilot bids file loaded into a
// schedule file (`import-bids`), and the bids window's panes for one crew
// member or all of them, with its two buttons that turn the guess of a bid
// into a pairing filter and day requests (`bids`).

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace lumora {
class Ui;
}  // namespace lumora

namespace lumora::cli {

// "Pilot Bids..." with `bidsFile` chosen in its file dialog; the result goes
// to `output`. Exit status: 0 when the import ran to its end; 2 when the
// schedule file cannot be read or the result cannot be saved; 3 when the
// document is a flight-attendant one or the bids file cannot be opened.
int RunImportBids(const std::string& file, const std::string& bidsFile, const std::string& output,
                  Ui& ui);

struct BidsOptions {
  std::optional<int> crew;  // roster index; every crew member without it
  bool setFilters = false;
  bool setDayOffReq = false;
  std::string output;  // empty: nothing written
};

// The bids window over the built blocks: per crew member his tab label, the
// "FILTERS" pane and the "GUESS" pane on `out`. Exit status: 0; 2 when the
// file cannot be read, the crew member does not exist, a button is asked for
// without --crew or the result cannot be saved; 3 in a flight-attendant file.
int RunBids(const std::string& file, const BidsOptions& options, Ui& ui, std::ostream& out);

struct BidsCommandLine {
  CLI::App* importBids = nullptr;
  CLI::App* bids = nullptr;
  std::string file;
  std::string bidsFile;
  std::string output;
  int crew = -1;
  bool setFilters = false;
  bool setDayOffReq = false;
  bool yes = false;
};

std::unique_ptr<BidsCommandLine> AddBidsCommands(CLI::App& app);

// The exit status of the subcommand that was chosen, or nothing when none of
// these was. Questions are answered No unless --yes; messages go to stderr.
std::optional<int> RunChosenBidsCommand(const BidsCommandLine& line, std::ostream& out);

}  // namespace lumora::cli
