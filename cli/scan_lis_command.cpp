#include "scan_lis_command.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "batch_ui.h"
#include "commands.h"
#include "imports/lis_scan.h"
#include "platform/ui.h"
#include "shell/ini_settings.h"

#include "named_files_ui.h"
namespace lumora::cli {

std::unique_ptr<ScanLisCommandLine> AddScanLisCommand(CLI::App& app) {
  auto line = std::make_unique<ScanLisCommandLine>();
  CLI::App* command = app.add_subcommand(
      "scan-lis", "Flag the aircraft type, CRA share, meals and French pairings from LIS files");
  command->add_option("FILE", line->file, "Schedule file")->required();
  command->add_option("LISFILE", line->lisFiles, "LIS pairing files")->required();
  command->add_option("-o,--output", line->output, "Schedule file to write")->required();
  command->add_flag("--yes", line->yes,
                    "Use LIS files whose names lack the month (otherwise they are left out)");
  line->command = command;
  return line;
}

bool ScanLisFilesNamed(DocumentSession& session, const std::vector<std::string>& files) {
  LisFilesUi chosen(session.ui(), files);
  return ScanLisFiles(session.document(), session.importServices(chosen));
}

int RunScanLis(const ScanLisCommandLine& line, Ui& ui, SettingsStore& settings, std::ostream& err) {
  if (const auto unreadable = UnreadableFile(line.lisFiles)) {
    err << "lumora-cli: cannot read the LIS file " << *unreadable << '\n';
    return kExitCannotRun;
  }
  BatchRun run(ui, &settings);
  if (!run.open(line.file)) return kExitCannotRun;
  ScanLisFilesNamed(run.session, line.lisFiles);
  return run.session.save(line.output) ? kExitOk : kExitRefused;
}

std::optional<int> RunChosenScanLis(const ScanLisCommandLine& line, std::ostream& err) {
  if (line.command == nullptr || !*line.command) return std::nullopt;
  BatchUi ui(line.yes);
  IniSettingsStore settings;
  return RunScanLis(line, ui, settings, err);
}

}  // namespace lumora::cli
