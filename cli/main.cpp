// lumora-cli: the batch front end. It runs the same core as the desktop
// program, answering questions from a policy and printing messages on stderr.

#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>

#include "backup_command.h"
#include "batch_ui.h"
#include "bids_commands.h"
#include "building_commands.h"
#include "check_command.h"
#include "commands.h"
#include "complement_commands.h"
#include "export_commands.h"
#include "extract_commands.h"
#include "filter_commands.h"
#include "import_prg_command.h"
#include "last_month_command.h"
#include "new_command.h"
#include "propose_command.h"
#include "roster_commands.h"
#include "rules_commands.h"
#include "scan_lis_command.h"
#include "toolbox_commands.h"

int main(int argc, char** argv) {
  using namespace lumora::cli;
  // Named, so that the usage line reads as the command is typed wherever it lies.
  CLI::App app{"Lumora batch tool: runs schedule-file commands without windows", "lumora-cli"};
  app.set_version_flag("--version", std::string("lumora-cli ") + LUMORA_VERSION);
  app.require_subcommand(0, 1);

  std::string file;
  std::string output;

  CLI::App* info = app.add_subcommand("info", "Summary of a schedule file as JSON");
  info->add_option("FILE", file, "Schedule file")->required();

  CLI::App* dump = app.add_subcommand("dump", "The whole document of a schedule file as JSON");
  dump->add_option("FILE", file, "Schedule file")->required();

  CLI::App* save = app.add_subcommand("save", "Load a schedule file and save it again");
  save->add_option("FILE", file, "Schedule file")->required();
  save->add_option("OUT", output, "Schedule file to write")->required();

  const auto building = AddBuildingCommands(app);

  const auto importPrg = AddImportPrgCommand(app);

  const auto scanLis = AddScanLisCommand(app);

  const auto check = AddCheckCommand(app);

  const auto toolbox = AddToolboxCommands(app);

  const auto roster = AddRosterCommands(app);

  const auto rules = AddRulesCommands(app);

  const auto backup = AddBackupCommand(app);

  const auto lastMonth = AddLastMonthCommand(app);

  const auto extracts = AddExtractCommands(app);

  const auto exports = AddExportCommands(app);

  const auto newFile = AddNewCommand(app);

  const auto bids = AddBidsCommands(app);

  const auto complement = AddComplementCommand(app);

  const auto filters = AddFilterCommands(app);

  const auto propose = AddProposeCommand(app);

  // "help" and "help SUBCOMMAND", for those who type it rather than --help.
  std::string helpTopic;
  CLI::App* help = app.add_subcommand("help", "Show this list, or the options of one subcommand");
  help->add_option("SUBCOMMAND", helpTopic, "The subcommand to explain");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int rc = app.exit(e);
    // Bad arguments are "could not run"; --help and --version succeed.
    return rc == 0 ? kExitOk : kExitCannotRun;
  }

  if (*help) {
    if (helpTopic.empty()) {
      // help() of the app would describe "help" itself, the subcommand chosen.
      std::cout << app.get_formatter()->make_help(&app, app.get_name(), CLI::AppFormatMode::Normal);
      return kExitOk;
    }
    try {
      std::cout << app.get_subcommand(helpTopic)->help();
      return kExitOk;
    } catch (const CLI::OptionNotFound&) {
      std::cerr << "lumora-cli: no subcommand " << helpTopic << '\n';
      return kExitCannotRun;
    }
  }

  try {
    lumora::BatchUi ui(false);
    if (*info) return RunInfo(file, ui, std::cout);
    if (*dump) return RunDump(file, ui, std::cout);
    if (*save) return RunSave(file, output, ui);
    if (const auto rc = RunChosenImportPrg(*importPrg, ui, std::cerr)) return *rc;
    if (const auto rc = RunChosenScanLis(*scanLis, std::cerr)) return *rc;
    if (const auto rc = RunChosenCheck(*check, ui, std::cout)) return *rc;
    if (const auto rc = RunChosenBuildingCommand(*building, std::cout)) return *rc;
    if (const auto rc = RunChosenToolboxCommand(*toolbox, std::cout)) return *rc;
    if (const auto rc = RunChosenRosterCommand(*roster, std::cout)) return *rc;
    if (const auto rc = RunChosenBackup(*backup, std::cout, std::cerr)) return *rc;
    if (const auto rc = RunChosenExport(*exports, std::cout, std::cerr)) return *rc;
    if (const auto rc = RunChosenNew(*newFile, std::cerr)) return *rc;
    if (const auto rc = RunChosenRulesCommand(*rules, ui, std::cout, std::cerr)) return *rc;
    if (const auto rc = RunChosenLastMonth(*lastMonth, std::cerr)) return *rc;
    if (const auto rc = RunChosenExtractCommand(*extracts, std::cerr)) return *rc;
    if (const auto rc = RunChosenBidsCommand(*bids, std::cout)) return *rc;
    if (const auto rc = RunChosenComplement(*complement, std::cerr)) return *rc;
    if (const auto rc = RunChosenFilterCommand(*filters, std::cout)) return *rc;
    if (const auto rc = RunChosenPropose(*propose, std::cout, std::cerr)) return *rc;
    std::cout << app.help();
    return kExitOk;
  } catch (const std::exception& e) {
    std::cerr << "lumora-cli: " << e.what() << '\n';
    return 1;
  }
}
