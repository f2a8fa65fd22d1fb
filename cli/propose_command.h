#pragma once
// The batch tool's "propose": fills the open time of a schedule file with
// the proposal engine and writes the file with the proposal accepted.

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace lumora::cli {

struct ProposeCommandLine {
  CLI::App* propose = nullptr;
  std::string file;
  std::string output;
  std::vector<int> crews;
  double timeLimit = 0.0;  // 0: by the crew to fill
  bool greedy = false;
  bool json = false;
};

std::unique_ptr<ProposeCommandLine> AddProposeCommand(CLI::App& app);

// One line per accepted assignment ("crew pairing-number day", indexes from
// 0) or, with --json, the assignments, the figures of the engine and of the
// greedy baseline, and the solver's status.
int RunPropose(const ProposeCommandLine& line, std::ostream& out, std::ostream& err);

std::optional<int> RunChosenPropose(const ProposeCommandLine& line, std::ostream& out,
                                    std::ostream& err);

}  // namespace lumora::cli
