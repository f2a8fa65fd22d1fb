#pragma once
// The batch tool's crew complement: mark one pairing instance as flying with
// the changed complement (two captains, or an extra flight attendant on a
// purser pairing), or take the mark away, as the complement dialog does.

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

// Opens the complement as the dialog does, selects (or with `off` deselects)
// the line of pairing index `pairing` on day index `day`, both from 0, and
// closes it with "Done"; the blocks are built again when the file had them
// shown. An instance the dialog does not list is refused (exit 3) and the
// file is written unchanged in its complement.
int RunComplement(const std::string& file, const std::string& output, int pairing, int day,
                  bool off, Ui& ui, BlockRules& rules, std::ostream& err);

struct ComplementCommandLine {
  CLI::App* complement = nullptr;
  std::string file;
  std::string output;
  int pairing = 0;
  int day = 0;
  bool off = false;
  bool yes = false;
};

std::unique_ptr<ComplementCommandLine> AddComplementCommand(CLI::App& app);

// The exit status when `complement` was chosen, otherwise nothing.
std::optional<int> RunChosenComplement(const ComplementCommandLine& line, std::ostream& err);

}  // namespace lumora::cli
