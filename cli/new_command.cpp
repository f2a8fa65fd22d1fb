#include "new_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>

#include "batch_ui.h"
#include "commands.h"
#include "imports/absences_extract.h"
#include "imports/last_month_extract.h"
#include "imports/roster_extract.h"
#include "imports/toolbox_file.h"
#include "model/set_dates_dialog.h"
#include "named_files_ui.h"
#include "platform/clock.h"
#include "rules/setup_month_dialog.h"
#include "shell/ini_settings.h"
#include "shell/new_file_wizard.h"
#include "shell/shell_texts.h"

namespace lumora::cli {

namespace {

constexpr std::array<std::string_view, 3> kStatusCodes{"CA", "FO", "FA"};

// A clock in the month before the new one: the dates dialog opens on the
// month after the clock's.
class MonthBeforeClock final : public Clock {
 public:
  MonthBeforeClock(int month, int year)
      : now_{month == 1 ? year - 1 : year, month == 1 ? 12 : month - 1, 1, 12, 0, 0} {}
  LocalDateTime now() const override { return now_; }

 private:
  LocalDateTime now_;
};

// The wizard's own questions as the command answers them: running `new` is
// the confirmation, and the second month's absences are loaded when a file
// is named for them. The month set-up is accepted as it opens.
class NewFileUi final : public LisFilesUi {
 public:
  NewFileUi(Ui& inner, std::ostream& out, std::vector<std::string> lisFiles, bool nextMonthAbsences)
      : LisFilesUi(inner, std::move(lisFiles)),
        yes_(out, true),
        no_(out, false),
        nextMonth_(nextMonthAbsences) {}

  Answer ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) override {
    if (text.starts_with(NewFileWizard::kConfirmQuestion))
      return yes_.ask(text, caption, buttons, icon);
    if (text == NewFileWizard::kSecondMonthQuestion)
      return (nextMonth_ ? yes_ : no_).ask(text, caption, buttons, icon);
    return LisFilesUi::ask(text, caption, buttons, icon);
  }
  bool run(DialogModel& model) override {
    if (dynamic_cast<SetupMonthDialog*>(&model) != nullptr) return model.accept(*this);
    return LisFilesUi::run(model);
  }

 private:
  BatchUi yes_;
  BatchUi no_;
  bool nextMonth_;
};

template <std::size_t N>
std::optional<int> IndexOf(const std::array<std::string_view, N>& texts, std::string_view text) {
  const auto found = std::find(texts.begin(), texts.end(), text);
  if (found == texts.end()) return std::nullopt;
  return static_cast<int>(found - texts.begin());
}

// What is wrong with the arguments, or nothing.
std::optional<std::string> ArgumentProblem(const NewCommandLine& line) {
  if (line.month < 1 || line.month > 12) return "--month must be 1 to 12";
  if (line.year.size() != 4 ||
      !std::all_of(line.year.begin(), line.year.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return "--year must be four digits";
  if (!line.base.empty() && !IndexOf(NewFileWizard::kBases, line.base))
    return "unknown base " + line.base;
  if (!line.equipment.empty() && !IndexOf(NewFileWizard::kEquipment, line.equipment))
    return "unknown equipment " + line.equipment;
  if (!line.status.empty() && !IndexOf(kStatusCodes, line.status))
    return "unknown status " + line.status;
  if (!line.alternate.empty()) {
    if (!line.base.empty() || !line.equipment.empty() || !line.status.empty())
      return "--alternate cannot go with --base, --eqp or --status";
    const std::string& status = line.alternate[2];
    if (status != "CA" && status != "FO" && status != "FA" && status != "PU")
      return "unknown status " + status;
  }
  if (!line.absencesNext.empty() && line.absences.empty())
    return "--absences-next needs --absences";
  if (!line.priorPairings.empty() && line.activity.empty())
    return "--prior-pairings needs --activity";
  return std::nullopt;
}

void Choose(NewFileWizard& wizard, const NewCommandLine& line) {
  if (!line.alternate.empty()) {
    wizard.setAlternate(true);
    for (std::size_t f = 0; f < NewFileWizard::kFieldLabels.size(); ++f)
      wizard.setField(static_cast<NewFileWizard::Field>(f), line.alternate[f]);
    return;
  }
  if (!line.base.empty()) wizard.chooseBase(*IndexOf(NewFileWizard::kBases, line.base));
  if (!line.equipment.empty())
    wizard.chooseEquipment(*IndexOf(NewFileWizard::kEquipment, line.equipment));
  if (!line.status.empty()) wizard.chooseStatus(*IndexOf(kStatusCodes, line.status));
}

std::optional<std::string> Named(const std::string& file) {
  if (file.empty()) return std::nullopt;
  return file;
}

}  // namespace

int RunNew(const NewCommandLine& line, Ui& batchUi, SettingsStore& settings, std::ostream& err) {
  if (const auto problem = ArgumentProblem(line)) {
    err << "lumora-cli: " << *problem << '\n';
    return kExitCannotRun;
  }
  std::vector<std::string> named = line.lis;
  for (const std::string* file : {&line.toolbox, &line.roster, &line.absences, &line.absencesNext,
                                  &line.activity, &line.priorPairings, &line.prg})
    if (!file->empty()) named.push_back(*file);
  if (const auto unreadable = UnreadableFile(named)) {
    err << "lumora-cli: cannot read the file " << *unreadable << '\n';
    return kExitCannotRun;
  }

  NewFileUi ui(batchUi, err, line.lis, !line.absencesNext.empty());
  // The dialogs the wizard's steps show, in their order.
  ui.answer(std::string(kToolBoxDialogTitle), Named(line.toolbox));
  ui.answer(std::string(kRosterDialogTitle), Named(line.roster));
  ui.answer(std::string(kAbsencesDialogTitle), Named(line.absences));
  ui.answer(std::string(kAbsencesDialogTitle), Named(line.absencesNext));
  ui.answer(std::string(kActivityDialogTitle), Named(line.activity));
  ui.answer(std::string(kPriorPairingsDialogTitle), Named(line.priorPairings));
  ui.answer(std::string(NewFileWizard::kPairingsTitle), Named(line.prg));

  BatchRun run(ui, &settings);
  DocumentSession& session = run.session;
  session.startNewFile();
  MonthBeforeClock clock(line.month, std::stoi(line.year));
  SetDatesDialog dates(clock, session.document().cal);
  if (!dates.accept(ui)) return kExitCannotRun;

  NewFileWizardHooks hooks;
  hooks.saveAs = [&session, &line] { return session.saveAs(line.output); };
  NewFileWizard wizard(session, std::move(hooks));
  Choose(wizard, line);
  wizard.next(ui);
  if (wizard.step() == 0) return kExitRefused;
  // One press each; the LIS scan and the save share the last.
  while (wizard.step() < 6) wizard.next(ui);
  if (!wizard.complete()) return kExitCannotRun;

  // "Finished": the blocks are built in memory only; OUT holds the file as saved.
  session.document().DocState = kDocumentLoaded;
  session.buildBlocks(kNewFileWindows);
  return kExitOk;
}

std::unique_ptr<NewCommandLine> AddNewCommand(CLI::App& app) {
  auto line = std::make_unique<NewCommandLine>();
  CLI::App* command = app.add_subcommand(
      "new", "Make a new month with the new-file wizard, from the crew-tracking extracts");
  command->add_option("--month", line->month, "Month of the new file, 1 to 12")->required();
  command->add_option("--year", line->year, "Year of the new file, four digits")->required();
  command->add_option("--base", line->base, "YVR, YYC, YYZ, YUL or YHZ");
  command->add_option("--eqp", line->equipment, "DH8, DH4, CRJ or E75");
  command->add_option("--status", line->status, "CA (captains), FO or FA");
  command
      ->add_option("--alternate", line->alternate,
                   "Base, equipment, status and pairing letter typed instead of the choices")
      ->expected(4)
      ->allow_extra_args(false);
  command->add_option("--toolbox", line->toolbox, "Toolbox definition file (.box)");
  command->add_option("--roster", line->roster, "Employee record extract");
  command->add_option("--absences", line->absences, "Crew absence extract of the month");
  command->add_option("--absences-next", line->absencesNext,
                      "Crew absence extract of the next month");
  command->add_option("--activity", line->activity, "Crew activity extract of last month");
  command->add_option("--prior-pairings", line->priorPairings,
                      "Pairing extract of the prior blocking period");
  command->add_option("--prg", line->prg, "PRG pairing file of the month");
  command->add_option("--lis", line->lis, "LIS pairing files")->expected(1, -1);
  command->add_flag("--yes", line->yes, "Answer Yes to every other question");
  command->add_option("-o,--output", line->output, "Schedule file to write")->required();
  line->command = command;
  return line;
}

std::optional<int> RunChosenNew(const NewCommandLine& line, std::ostream& err) {
  if (line.command == nullptr || !*line.command) return std::nullopt;
  BatchUi ui(line.yes);
  IniSettingsStore settings;
  return RunNew(line, ui, settings, err);
}

}  // namespace lumora::cli
