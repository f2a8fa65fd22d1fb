#include "last_month_command.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "batch_ui.h"
#include "commands.h"
#include "imports/last_month_extract.h"
#include "named_files_ui.h"
#include "shell/ini_settings.h"

namespace lumora::cli {

std::unique_ptr<LastMonthCommandLine> AddLastMonthCommand(CLI::App& app) {
  auto line = std::make_unique<LastMonthCommandLine>();
  CLI::App* command = app.add_subcommand(
      "import-last-month",
      "Load what the crew carry in from last month: activity and prior-period pairing extracts");
  command->add_option("FILE", line->file, "Schedule file")->required();
  command->add_option("ACTIVITY", line->activity, "Crew activity extract (*actp*, *actc*)")
      ->required();
  command
      ->add_option("PAIRINGS", line->pairings,
                   "Pairing extract of the prior blocking period (*prgp*, *prgc*)")
      ->required();
  command->add_option("-o,--output", line->output, "Schedule file to write")->required();
  command->add_flag("--yes", line->yes,
                    "Load a file whose first line does not have the extract's length");
  line->command = command;
  return line;
}

int RunLastMonth(const LastMonthCommandLine& line, Ui& ui, SettingsStore& settings,
                 std::ostream& err) {
  if (const auto unreadable = UnreadableFile({line.activity, line.pairings})) {
    err << "lumora-cli: cannot read the extract " << *unreadable << '\n';
    return kExitCannotRun;
  }
  BatchRun run(ui, &settings);
  if (!run.open(line.file)) return kExitCannotRun;
  NamedFilesUi chosen(run.session.ui());
  chosen.answer(std::string(kActivityDialogTitle), line.activity);
  chosen.answer(std::string(kPriorPairingsDialogTitle), line.pairings);
  DocumentSession& session = run.session;
  const bool loaded = LoadLastMonthActivity(session.document(), session.importServices(chosen),
                                            [&session] { session.closeViews(); });
  return run.finish(line.output, loaded ? kExitOk : kExitRefused);
}

std::optional<int> RunChosenLastMonth(const LastMonthCommandLine& line, std::ostream& err) {
  if (line.command == nullptr || !*line.command) return std::nullopt;
  BatchUi ui(line.yes);
  IniSettingsStore settings;
  return RunLastMonth(line, ui, settings, err);
}

}  // namespace lumora::cli
