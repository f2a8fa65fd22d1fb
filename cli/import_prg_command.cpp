#include "import_prg_command.h"

#include <CLI/CLI.hpp>
#include <fstream>
#include <ostream>

#include "batch_clipboard.h"
#include "commands.h"
#include "imports/pairing_warnings.h"
#include "imports/prg_dialog.h"
#include "model/daylight_saving.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "platform/ui.h"
#include "rules/check_block.h"
#include "scan_lis_command.h"
#include "shell/document_lifecycle.h"
#include "shell/ini_settings.h"

#include "forwarding_ui.h"

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

  auto doc = std::make_unique<TDocument>();
  EventLog log;  // closed: the batch tool keeps no event log
  LumoraRules rules;
  if (!OpenDocument(*doc, line.file, ui, log, &settings, &rules).loaded) return kExitCannotRun;

  ChosenFileUi chosen(ui, line.prg);
  BatchClipboard clipboard;
  const ImportServices services{chosen, clipboard, settings, log};

  // The blocks come back with the floating windows the file had.
  const WindowSwitches windows{doc->PairWindowVisible != 0, doc->ToolboxWindowVisible != 0,
                               doc->BidsWindowVisible != 0};
  PrgCommandHooks hooks;
  hooks.closeViews = [&] { CloseViews(*doc, settings); };
  hooks.buildBlocks = [&] { BuildBlocks(*doc, windows, ui, log, &settings, &rules); };
  hooks.import.setupDaylightSaving = [&] { SetupDaylightSaving(doc->cal); };
  hooks.import.showPairingWarnings = [&] { ShowPairingWarnings(*doc, ui); };
  if (!line.lisFiles.empty())
    hooks.scanLisFiles = [&] { ScanLisFilesNamed(*doc, line.lisFiles, ui, settings, log); };

  ThisMonthsPairings(*doc, services, hooks,
                     [&](LoadPrgDialog& dialog, const std::function<bool()>& accept) {
                       if (line.prefix) {
                         dialog.setUseManualSettings(true);
                         dialog.setBaseCode(line.prefix->substr(0, 1));
                         dialog.setEqpCode(line.prefix->substr(1));
                       }
                       accept();
                     });

  return SaveFile(*doc, line.output, kScheduleFile, ui, log) ? kExitOk : kExitRefused;
}

std::optional<int> RunChosenImportPrg(const ImportPrgCommandLine& line, Ui& ui, std::ostream& err) {
  if (line.command == nullptr || !*line.command) return std::nullopt;
  IniSettingsStore settings;
  return RunImportPrg(line, ui, settings, err);
}

}  // namespace lumora::cli
