#include "import_prg_command.h"

#include <CLI/CLI.hpp>
#include <fstream>
#include <ostream>

#include "commands.h"
#include "imports/prg_dialog.h"
#include "named_files_ui.h"
#include "platform/ui.h"
#include "scan_lis_command.h"
#include "shell/ini_settings.h"

#include "platform/forwarding_ui.h"

namespace lumora::cli {

namespace {

// The front end's file dialog, answered with the file named on the command
// line; everything else goes to the batch tool's Ui.
class ChosenFileUi final : public ForwardingUi {
 public:
  ChosenFileUi(Ui& inner, std::string file) : ForwardingUi(inner), file_(std::move(file)) {}

  std::vector<std::string> openFiles(const FileDialogOptions&) override {
    if (chosen_) return {};
    chosen_ = true;
    return {file_};
  }

 private:
  std::string file_;
  bool chosen_ = false;
};

bool Readable(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return false;
  return std::ifstream(path, std::ios::binary).is_open();
}

}  // namespace

bool IsPrgPrefix(const std::string& prefix) {
  if (prefix.empty() || prefix.size() > 2) return false;
  if (prefix[0] < 'A' || prefix[0] > 'Z') return false;
  return prefix.size() == 1 || (prefix[1] >= '0' && prefix[1] <= '9');
}

std::unique_ptr<ImportPrgCommandLine> AddImportPrgCommand(CLI::App& app) {
  auto line = std::make_unique<ImportPrgCommandLine>();
  CLI::App* command = app.add_subcommand(
      "import-prg", "Load this month's pairings from a PRG file into a schedule file");
  command->add_option("FILE", line->file, "Schedule file")->required();
  command->add_option("PRG", line->prg, "PRG pairing file")->required();
  command->add_option("--prefix", line->prefix,
                      "Base letter and optional equipment digit (J or J8) instead of the "
                      "document's own");
  command->add_option(
      "--lis", line->lisFiles,
      "LIS files to scan after the import (files whose names lack the month are left out)");
  command->add_option("-o,--output", line->output, "Schedule file to write")->required();
  line->command = command;
  return line;
}

int RunImportPrg(const ImportPrgCommandLine& line, Ui& ui, SettingsStore& settings,
                 std::ostream& err) {
  if (line.prefix && !IsPrgPrefix(*line.prefix)) {
    err << "lumora-cli: --prefix must be one upper-case letter and an optional digit, as J or "
           "J8\n";
    return kExitCannotRun;
  }
  if (const auto unreadable = UnreadableFile(line.lisFiles)) {
    err << "lumora-cli: cannot read the LIS file " << *unreadable << '\n';
    return kExitCannotRun;
  }
  if (!Readable(line.prg)) {
    err << "lumora-cli: cannot read the PRG file " << line.prg << '\n';
    return kExitCannotRun;
  }

  // The file dialog of the import is answered with the PRG file.
  ChosenFileUi chosen(ui, line.prg);
  BatchRun run(chosen, &settings);
  if (!run.open(line.file)) return kExitCannotRun;
  PrgCommandHooks hooks;
  if (!line.lisFiles.empty())
    hooks.scanLisFiles = [&] { ScanLisFilesNamed(run.session, line.lisFiles); };
  const bool loaded = run.session.importPairings(
      [&](LoadPrgDialog& dialog) {
        if (line.prefix) {
          dialog.setUseManualSettings(true);
          dialog.setBaseCode(line.prefix->substr(0, 1));
          dialog.setEqpCode(line.prefix->substr(1));
        }
        dialog.accept(chosen);
      },
      std::move(hooks));
  // The document is written either way: the LIS scan and the rebuilt blocks
  // ran, and a refused file left the month as it was.
  if (!run.session.save(line.output)) return kExitRefused;
  return loaded ? kExitOk : kExitRefused;
}

std::optional<int> RunChosenImportPrg(const ImportPrgCommandLine& line, Ui& ui, std::ostream& err) {
  if (line.command == nullptr || !*line.command) return std::nullopt;
  IniSettingsStore settings;
  return RunImportPrg(line, ui, settings, err);
}

}  // namespace lumora::cli
