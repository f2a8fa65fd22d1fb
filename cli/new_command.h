#pragma once
// `lumora-cli new`: a new month as the desktop program makes it, New... with
// the month's default period and then the new-file wizard, one ">> Next >>"
// per step, with the files named on the command line as the steps' choices.

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

struct NewCommandLine {
  CLI::App* command = nullptr;
  int month = 0;
  std::string year;
  std::string base;
  std::string equipment;
  std::string status;
  std::vector<std::string> alternate;  // BASE EQP STATUS LETTER
  std::string toolbox;
  std::string roster;
  std::string absences;
  std::string absencesNext;
  std::string activity;
  std::string priorPairings;
  std::string prg;
  std::vector<std::string> lis;
  bool yes = false;
  std::string output;
};

std::unique_ptr<NewCommandLine> AddNewCommand(CLI::App& app);

// The command with the batch Ui and settings given; the answers the command
// itself gives are printed on `err` with the argument errors (tests).
int RunNew(const NewCommandLine& line, Ui& ui, SettingsStore& settings, std::ostream& err);

// The exit status when `new` was chosen, nothing otherwise: 0 when OUT was
// saved, 3 when the wizard stayed on its first step, 2 for bad arguments, a
// named file that cannot be read or an OUT that cannot be written.
std::optional<int> RunChosenNew(const NewCommandLine& line, std::ostream& err);

}  // namespace lumora::cli
