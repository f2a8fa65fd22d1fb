#pragma once
// `lumora-cli backup`: the Backup command to a folder given on the command
// line: FILE's copy as STEM.LM2, or with --dated "STEM D M YYYY at HHMM .LM2".

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace lumora {
class Clock;
class Ui;
}  // namespace lumora

namespace lumora::cli {

struct BackupCommandLine {
  CLI::App* command = nullptr;
  std::string file;
  std::string folder;
  bool dated = false;
};

std::unique_ptr<BackupCommandLine> AddBackupCommand(CLI::App& app);

// Writes the backup and prints its path: 0 when written, 3 when the save
// failed (its message on `ui`), 2 when FILE does not load or the folder
// cannot be made.
int RunBackup(const BackupCommandLine& line, Ui& ui, const Clock& clock, std::ostream& out,
              std::ostream& err);

std::optional<int> RunChosenBackup(const BackupCommandLine& line, std::ostream& out,
                                   std::ostream& err);

}  // namespace lumora::cli
