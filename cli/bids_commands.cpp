#include "bids_commands.h"

#include <CLI/CLI.hpp>
#include <ostream>
#include <string_view>

#include "batch_ui.h"
#include "commands.h"
#include "document_json.h"
#include "imports/pilot_bids.h"
#include "named_files_ui.h"
#include "platform/captions.h"
#include "shell/shell_texts.h"
#include "views/bids_window.h"

namespace lumora::cli {

namespace {

// A pane's text as built, ended by a line feed.
void WritePane(std::ostream& out, std::string_view text) {
  out << Latin1ToUtf8(text);
  if (text.empty() || text.back() != '\n') out << '\n';
}

}  // namespace

int RunImportBids(const std::string& file, const std::string& bidsFile, const std::string& output,
                  Ui& ui) {
  NamedFilesUi named(ui);
  named.answer(std::string(kBidsDialogTitle), bidsFile);
  BatchRun run(named);
  if (!run.open(file)) return kExitCannotRun;
  const PilotBidsResult result =
      LoadPilotBids(run.session.document(), run.session.importServices());
  return run.finish(output, result == PilotBidsResult::Imported ? kExitOk : kExitRefused);
}

int RunBids(const std::string& file, const BidsOptions& options, Ui& ui, std::ostream& out) {
  if ((options.setFilters || options.setDayOffReq) && !options.crew) return kExitCannotRun;
  BatchRun run(ui);
  if (!run.open(file)) return kExitCannotRun;
  const auto finish = [&](int status) {
    return options.output.empty() ? status : run.finish(options.output, status);
  };
  TDocument& doc = run.session.document();
  if (doc.crewKind() == CrewKind::FlightAttendants) {
    ui.message(shell_text::kPilotOnlyFeature, kAppCaption, Icon::Information);
    return finish(kExitRefused);
  }
  if (options.crew && !doc.isRosterIndex(*options.crew)) return finish(kExitCannotRun);
  // The window exists only beside the blocks; no block filter is on, so its
  // tabs are the roster.
  run.session.buildBlocks({});
  TBidsWindow window(doc, run.session.ui());
  window.RebuildBidsTabs();

  const auto show = [&](int crew) {
    window.SelectBidsTab(window.tabOfCrew(crew));
    if (options.setFilters) window.SetFilters();
    if (options.setDayOffReq) window.SetDayOffReq();
    out << Latin1ToUtf8(window.tabLabel(window.selectedTab())) << '\n';
    WritePane(out, window.filtersPane());
    WritePane(out, window.guessPane());
  };
  if (options.crew) {
    show(*options.crew);
  } else {
    for (int crew = 0; crew < doc.rosterSize(); ++crew) show(crew);
  }
  return finish(kExitOk);
}

std::unique_ptr<BidsCommandLine> AddBidsCommands(CLI::App& app) {
  auto line = std::make_unique<BidsCommandLine>();
  line->importBids = app.add_subcommand(
      "import-bids", "Load a pilot bids file into the crew members of a schedule file");
  line->importBids->add_option("FILE", line->file, "Schedule file")->required();
  line->importBids->add_option("BIDSFILE", line->bidsFile, "Pilot bids file (*.csv)")->required();
  line->importBids->add_flag("--yes", line->yes, "Delete all current bids first");
  line->importBids->add_option("-o,--output", line->output, "Schedule file to write")->required();

  line->bids = app.add_subcommand(
      "bids", "The bids window: tab, pairing filter summary and guess of each crew member's bid");
  line->bids->add_option("FILE", line->file, "Schedule file")->required();
  line->bids->add_option("--crew", line->crew, "Roster index (from 0) of the crew member");
  line->bids->add_flag("--set-filters", line->setFilters,
                       "Press SET FILTERS: the guessed pairings become his pairing filter");
  line->bids->add_flag("--set-day-off-req", line->setDayOffReq,
                       "Press SET DAY OFF REQ: the guessed days off become day requests");
  line->bids->add_flag("--yes", line->yes, "Answer Yes to the questions");
  line->bids->add_option("-o,--output", line->output, "Schedule file to write");
  return line;
}

std::optional<int> RunChosenBidsCommand(const BidsCommandLine& line, std::ostream& out) {
  BatchUi ui(line.yes);
  if (line.importBids != nullptr && *line.importBids)
    return RunImportBids(line.file, line.bidsFile, line.output, ui);
  if (line.bids != nullptr && *line.bids) {
    BidsOptions options;
    if (line.bids->count("--crew") > 0) options.crew = line.crew;
    options.setFilters = line.setFilters;
    options.setDayOffReq = line.setDayOffReq;
    options.output = line.output;
    return RunBids(line.file, options, ui, out);
  }
  return std::nullopt;
}

}  // namespace lumora::cli
