#include "filter_commands.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <ostream>

#include "batch_ui.h"
#include "commands.h"
#include "document_json.h"
#include "model/document.h"
#include "platform/ui.h"
#include "views/block_filters.h"
#include "views/pair_window.h"
#include "views/pairing_filters.h"

namespace lumora::cli {

namespace {

constexpr const char* kCheckNames[kSearchCheckBoxes] = {"names", "empnums", "pairs", "bids"};

void PrintMarks(const TDocument& doc, std::ostream& out) {
  char line[64];
  for (int p = 0; p <= doc.lastPairIndex(); ++p) {
    const TPair& pair = doc.pair(p);
    if (pair.FilterState == 0) continue;
    std::snprintf(line, sizeof line, "%d %d %04d", p, static_cast<int>(pair.FilterState),
                  static_cast<int>(pair.Number));
    out << line << '\n';
  }
}

// The batch run's result, when one was asked for.
int Finish(BatchRun& run, const std::string& output, int status) {
  return output.empty() ? status : run.finish(output, status);
}

int FilterCabin(TDocument& doc, TPairWin& window, const PairingFilterRequest& request, Ui& ui) {
  FilterWindowDialog dialog(doc, window);
  dialog.setCrew(-1);
  if (request.crew) {
    dialog.setCrew(*request.crew);
    dialog.recall(ui);
  }
  for (const int number : request.numbers) {
    const int cell = dialog.cellOf(number);
    if (cell < 0) {
      ui.message("No pairing has the number " + std::to_string(number), "lumora-cli", Icon::Error);
      return kExitCannotRun;
    }
    dialog.click(cell);
  }
  if (request.invert) dialog.invert();
  if (request.text) dialog.setText(*request.text);
  if (request.saveTo) {
    dialog.setCrew(*request.saveTo);
    dialog.save(ui);
  }
  return dialog.accept(ui) ? kExitOk : kExitRefused;
}

}  // namespace

int RunFilterPairings(const std::string& file, const std::string& output,
                      const PairingFilterRequest& request, Ui& ui, std::ostream& out) {
  BatchRun run(ui);
  if (!run.open(file)) return kExitCannotRun;
  run.session.buildBlocks({});
  TDocument& doc = run.session.document();
  const auto outside = [&doc](const std::optional<int>& crew) {
    return crew && !doc.isRosterIndex(*crew);
  };
  if (outside(request.crew) || outside(request.saveTo)) {
    ui.message("No crew member has that roster index", "lumora-cli", Icon::Error);
    return Finish(run, output, kExitCannotRun);
  }
  TPairWin window(doc);
  int status = kExitOk;
  if (doc.crewKind() == CrewKind::FlightAttendants) {
    status = FilterCabin(doc, window, request, ui);
  } else {
    if (!request.crew || !request.numbers.empty() || request.invert || request.text ||
        request.saveTo) {
      ui.message("Pilot files take --crew and nothing else", "lumora-cli", Icon::Error);
      return Finish(run, output, kExitCannotRun);
    }
    SetCrewFilter(doc, window, *request.crew, ui);
  }
  if (status == kExitOk) PrintMarks(doc, out);
  return Finish(run, output, status);
}

bool ParseSearchChecks(const std::string& list, bool (&checks)[4]) {
  for (bool& c : checks) c = list.empty();
  if (list.empty()) return true;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = list.find(',', start);
    const std::string name =
        list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    bool known = false;
    for (int i = 0; i < kSearchCheckBoxes; ++i) {
      if (name == kCheckNames[i]) {
        checks[i] = true;
        known = true;
      }
    }
    if (!known) return false;
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return true;
}

namespace {

// Loads and builds, with the search check boxes of `in`. Nothing when the
// file or the list is refused.
bool Prepare(BatchRun& run, const std::string& file, const std::string& in, Ui& ui) {
  bool checks[kSearchCheckBoxes];
  if (!ParseSearchChecks(in, checks)) {
    ui.message("--in takes names, empnums, pairs and bids", "lumora-cli", Icon::Error);
    return false;
  }
  if (!run.open(file)) return false;
  run.session.buildBlocks({});
  TDocument& doc = run.session.document();
  for (int i = 0; i < kSearchCheckBoxes; ++i)
    doc.view.searchChecks[static_cast<std::size_t>(i)] = checks[i] ? 1 : 0;
  return true;
}

}  // namespace

int RunOrder(const std::string& file, const std::optional<std::string>& search,
             const std::string& in, const std::vector<std::string>& filters, Ui& ui,
             std::ostream& out) {
  BatchRun run(ui);
  if (!Prepare(run, file, in, ui)) return kExitCannotRun;
  TDocument& doc = run.session.document();
  std::vector<int> commands;
  for (const std::string& key : filters) {
    const BlockFilterInfo* filter = FindBlockFilterByKey(key);
    // Flight-attendant files have no check pilot filter: its item is disabled.
    if (filter == nullptr ||
        (filter->command == 551 && doc.crewKind() == CrewKind::FlightAttendants)) {
      ui.message("No block filter " + key, "lumora-cli", Icon::Error);
      return kExitCannotRun;
    }
    commands.push_back(filter->command);
  }
  BlockFilterState state;
  ApplyBlockFilters(doc, state);
  const std::string text = search.value_or(std::string());
  if (search) RunBlockSearch(doc, text, state, ui);
  for (const int command : commands) {
    ToggleBlockFilter(doc, command);
    if (command == 550)
      RunBlockSearch(doc, text, state, ui);
    else
      ApplyBlockFilters(doc, state);
  }
  for (const int crew : state.displayOrder())
    out << crew << ' ' << Latin1ToUtf8(doc.pilot(crew).Name) << '\n';
  return kExitOk;
}

int RunSearch(const std::string& file, const std::string& text, const std::string& in, Ui& ui,
              std::ostream& out) {
  BatchRun run(ui);
  if (!Prepare(run, file, in, ui)) return kExitCannotRun;
  TDocument& doc = run.session.document();
  BlockFilterState state;
  const BlockSearchOutcome outcome = RunBlockSearch(doc, text, state, ui);
  for (int crew = 0; crew < doc.rosterSize(); ++crew) {
    const auto& marks = doc.pilot(crew).SearchMarks;
    if (marks[kMarkMatched] == 0) continue;
    out << crew << ' ';
    if (outcome.strings == 0) {
      out << "empty\n";
      continue;
    }
    const bool found[kSearchCheckBoxes] = {marks[kMarkName] != 0, marks[kMarkEmpNumber] != 0,
                                           marks[kMarkPairings] != 0 || marks[kMarkAbsences] != 0,
                                           marks[kMarkBids] != 0};
    const char* separator = "";
    for (int i = 0; i < kSearchCheckBoxes; ++i) {
      if (!found[i]) continue;
      out << separator << kCheckNames[i];
      separator = ",";
    }
    out << '\n';
  }
  return kExitOk;
}

std::unique_ptr<FilterCommandLine> AddFilterCommands(CLI::App& app) {
  auto line = std::make_unique<FilterCommandLine>();
  const char* inHelp = "Search check boxes to check: names, empnums, pairs, bids (default all)";

  CLI::App* filter = app.add_subcommand(
      "filter-pairings",
      "Apply the pairing filters; prints index, mark and number of each marked pairing");
  filter->add_option("FILE", line->file, "Schedule file")->required();
  line->crewOption = filter->add_option("--crew", line->crew, "Roster index, from 0");
  filter->add_option("--numbers", line->numbers, "Pairing numbers whose cells are clicked")
      ->delimiter(',');
  filter->add_flag("--invert", line->invert, "Press Invert");
  line->textOption = filter->add_option("--text", line->text, "Text filter");
  line->saveToOption = filter->add_option("--save-to", line->saveTo, "Roster index to save to");
  filter->add_flag("--yes", line->yes, "Answer Yes to every question");
  filter->add_option("-o,--output", line->output, "Schedule file to write");
  line->filterPairings = filter;

  CLI::App* order = app.add_subcommand(
      "order", "The block grid's rows after the block filters: crew index and name");
  order->add_option("FILE", line->file, "Schedule file")->required();
  line->searchOption = order->add_option("--search", line->text, "Text typed into the search box");
  order->add_option("--in", line->in, inHelp);
  order->add_option("--filter", line->filters, "Settings key of a block filter to toggle");
  line->order = order;

  CLI::App* search = app.add_subcommand(
      "search", "The block search: crew index and matched categories of each match");
  search->add_option("FILE", line->file, "Schedule file")->required();
  search->add_option("TEXT", line->text, "Search text")->required();
  search->add_option("--in", line->in, inHelp);
  line->search = search;
  return line;
}

std::optional<int> RunChosenFilterCommand(const FilterCommandLine& line, std::ostream& out) {
  BatchUi ui(line.yes);
  if (line.filterPairings != nullptr && *line.filterPairings) {
    PairingFilterRequest request;
    if (line.crewOption->count() > 0) request.crew = line.crew;
    request.numbers = line.numbers;
    request.invert = line.invert;
    if (line.textOption->count() > 0) request.text = line.text;
    if (line.saveToOption->count() > 0) request.saveTo = line.saveTo;
    return RunFilterPairings(line.file, line.output, request, ui, out);
  }
  if (line.order != nullptr && *line.order) {
    std::optional<std::string> search;
    if (line.searchOption->count() > 0) search = line.text;
    return RunOrder(line.file, search, line.in, line.filters, ui, out);
  }
  if (line.search != nullptr && *line.search)
    return RunSearch(line.file, line.text, line.in, ui, out);
  return std::nullopt;
}

}  // namespace lumora::cli
