#include "extract_commands.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "batch_ui.h"
#include "commands.h"
#include "imports/absences_extract.h"
#include "imports/roster_extract.h"
#include "named_files_ui.h"
#include "shell/ini_settings.h"

namespace lumora::cli {

namespace {

void AddCommonOptions(CLI::App& command, ExtractCommandLine& line, const char* extractHelp) {
  command.add_option("FILE", line.file, "Schedule file")->required();
  command.add_option("EXTRACT", line.extract, extractHelp)->required();
  command.add_flag("--yes", line.yes, "Answer Yes to the import's questions");
  command.add_option("-o,--output", line.output, "Schedule file to write")->required();
}

// The import with the extract as its file dialog's answer. `import` runs on
// the session and returns what the import returned.
template <class Import>
int RunExtractImport(const ExtractCommandLine& line, std::string_view dialogTitle, const char* what,
                     Ui& ui, SettingsStore& settings, std::ostream& err, Import import) {
  if (const auto unreadable = UnreadableFile({line.extract})) {
    err << "lumora-cli: cannot read the " << what << ' ' << *unreadable << '\n';
    return kExitCannotRun;
  }
  NamedFilesUi named(ui);
  named.answer(std::string(dialogTitle), line.extract);
  BatchRun run(named, &settings);
  if (!run.open(line.file)) return kExitCannotRun;
  const bool read = import(run.session);
  return run.finish(line.output, read ? kExitOk : kExitRefused);
}

}  // namespace

std::unique_ptr<ExtractCommandLine> AddExtractCommands(CLI::App& app) {
  auto line = std::make_unique<ExtractCommandLine>();
  line->roster = app.add_subcommand(
      "import-roster", "Replace the roster of a schedule file with the crew of a roster extract");
  AddCommonOptions(*line->roster, *line, "Employee record extract (*perp.ext, *perc.ext)");

  line->absences = app.add_subcommand(
      "import-absences", "Write the absences of an absence extract into the crew's days");
  AddCommonOptions(*line->absences, *line, "Crew absence extract (*absp*, *absc*)");
  line->absences->add_flag("--next-month", line->nextMonth,
                           "The absences of the month after the schedule's month");
  return line;
}

int RunImportRoster(const ExtractCommandLine& line, Ui& ui, SettingsStore& settings,
                    std::ostream& err) {
  return RunExtractImport(line, kRosterDialogTitle, "roster extract", ui, settings, err,
                          [](DocumentSession& session) { return session.importRoster(); });
}

int RunImportAbsences(const ExtractCommandLine& line, Ui& ui, SettingsStore& settings,
                      std::ostream& err) {
  return RunExtractImport(
      line, kAbsencesDialogTitle, "absence extract", ui, settings, err,
      [&line](DocumentSession& session) { return session.importAbsences(line.nextMonth); });
}

std::optional<int> RunChosenExtractCommand(const ExtractCommandLine& line, std::ostream& err) {
  const bool roster = line.roster != nullptr && *line.roster;
  const bool absences = line.absences != nullptr && *line.absences;
  if (!roster && !absences) return std::nullopt;
  BatchUi ui(line.yes);
  IniSettingsStore settings;
  return roster ? RunImportRoster(line, ui, settings, err)
                : RunImportAbsences(line, ui, settings, err);
}

}  // namespace lumora::cli
