#include "backup_command.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <ostream>

#include "batch_ui.h"
#include "commands.h"
#include "files/backup.h"
#include "platform/clock.h"

namespace lumora::cli {

std::unique_ptr<BackupCommandLine> AddBackupCommand(CLI::App& app) {
  auto line = std::make_unique<BackupCommandLine>();
  CLI::App* command =
      app.add_subcommand("backup", "Back a schedule file up into a folder, as Backup... does");
  command->add_option("FILE", line->file, "Schedule file")->required();
  command->add_flag("--dated", line->dated,
                    "Put the date and time in the name, so that no backup overwrites another");
  command->add_option("-o,--output", line->folder, "Folder to write to (made when missing)")
      ->required();
  line->command = command;
  return line;
}

int RunBackup(const BackupCommandLine& line, Ui& ui, const Clock& clock, std::ostream& out,
              std::ostream& err) {
  BatchRun run(ui);
  if (!run.open(line.file)) return kExitCannotRun;
  std::error_code error;
  std::filesystem::create_directories(line.folder, error);
  if (!std::filesystem::is_directory(line.folder, error)) {
    err << "lumora-cli: cannot make the folder " << line.folder << '\n';
    return kExitCannotRun;
  }
  TDocument& doc = run.session.document();
  const std::filesystem::path target =
      std::filesystem::path(line.folder) / BackupFileName(doc.FileName, line.dated, clock.now());
  if (!WriteBackup(doc, target, ui, run.session.log())) return kExitRefused;
  out << target.string() << '\n';
  return kExitOk;
}

std::optional<int> RunChosenBackup(const BackupCommandLine& line, std::ostream& out,
                                   std::ostream& err) {
  if (line.command == nullptr || !*line.command) return std::nullopt;
  BatchUi ui(false);
  SystemClock clock;
  return RunBackup(line, ui, clock, out, err);
}

}  // namespace lumora::cli
