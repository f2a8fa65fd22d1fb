#include "scan_lis_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "batch_ui.h"
#include "commands.h"
#include "imports/lis_scan.h"
#include "platform/ui.h"
#include "shell/ini_settings.h"

#include "named_files_ui.h"
#include "platform/forwarding_ui.h"

namespace lumora::cli {

namespace {

// The file dialog answered with the files named on the command line. The
// scan goes back to the dialog when a file name's question is answered No;
// the dialog then offers the files without that one, so that the others are
// still scanned.
class LisFilesUi final : public ForwardingUi {
 public:
  LisFilesUi(Ui& inner, std::vector<std::string> files)
      : ForwardingUi(inner), files_(std::move(files)) {}

  Answer ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) override {
    const Answer answer = inner().ask(text, caption, buttons, icon);
    if (answer == Answer::Yes) return answer;
    const auto named = std::find_if(files_.begin(), files_.end(), [&](const std::string& file) {
      return text.substr(0, file.size()) == file &&
             text.substr(file.size()).rfind(" does not contain ", 0) == 0;
    });
    if (named != files_.end())
      files_.erase(named);
    else
      files_.clear();  // a No the dialog cannot tell apart ends the choice
    return answer;
  }
  std::vector<std::string> openFiles(const FileDialogOptions&) override {
    // Every No takes a file away, so the dialog comes back empty in the end.
    return files_;
  }

 private:
  std::vector<std::string> files_;
};

}  // namespace

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
