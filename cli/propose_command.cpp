#include "propose_command.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <ostream>

#include "batch_ui.h"
#include "commands.h"
#include "model/document.h"
#include "platform/unattended_ui.h"
#include "proposing/propose.h"
#include "rules/check_block.h"

namespace lumora::cli {
namespace {

nlohmann::json FiguresJson(const ProposalFigures& f) {
  return {{"creditCovered", f.creditCovered}, {"bidsMet", f.bidsMet}, {"imbalance", f.imbalance}};
}

}  // namespace

std::unique_ptr<ProposeCommandLine> AddProposeCommand(CLI::App& app) {
  auto line = std::make_unique<ProposeCommandLine>();
  line->propose = app.add_subcommand(
      "propose", "Fill the open pairings legally and write the file with the proposal accepted");
  line->propose->add_option("FILE", line->file, "Schedule file")->required();
  line->propose->add_option("-o,--output", line->output, "Schedule file to write")->required();
  line->propose->add_option("--crew", line->crews, "Roster index to fill, from 0 (repeatable)");
  line->propose
      ->add_option("--time-limit", line->timeLimit,
                   "Seconds the solver may take (default: by the crew to fill, 0.2 to 20)")
      ->check(CLI::Range(0.0, 3600.0));
  line->propose->add_flag("--greedy", line->greedy, "Only the greedy seniority-order pass");
  line->propose->add_flag("--json", line->json, "Print the proposal as JSON");
  return line;
}

int RunPropose(const ProposeCommandLine& line, std::ostream& out, std::ostream& err) {
  BatchUi ui(false);
  LumoraRules rules;
  BatchRun run(ui, nullptr, &rules);
  if (!run.open(line.file)) return kExitCannotRun;
  TDocument& doc = run.session.document();

  ProposalOptions options;
  options.crews = line.crews;
  options.timeLimitSeconds = line.timeLimit;
  options.greedyOnly = line.greedy;
  const Proposal proposal = ProposeBlocks(doc, rules, options);
  BlockEditContext ctx = run.session.editContext();
  const int applied = AcceptProposal(ctx, proposal.assignments);

  if (line.json) {
    nlohmann::json list = nlohmann::json::array();
    for (const ProposedAssignment& a : proposal.assignments) {
      list.push_back({{"crew", a.crew},
                      {"pairing", a.pair},
                      {"number", doc.pair(a.pair).Number},
                      {"day", a.day},
                      {"credit", a.credit},
                      {"reason", ReasonName(a.reason)},
                      {"why", OneLine(a.why)}});
    }
    const nlohmann::json result = {{"assignments", list},
                                   {"applied", applied},
                                   {"figures", FiguresJson(proposal.figures)},
                                   {"greedyFigures", FiguresJson(proposal.greedyFigures)},
                                   {"status", StatusName(proposal.status)},
                                   {"solverStatus", OneLine(proposal.solverStatus)},
                                   {"seconds", proposal.seconds}};
    out << result.dump(2) << '\n';
  } else {
    for (const ProposedAssignment& a : proposal.assignments) {
      char text[48];
      std::snprintf(text, sizeof text, "%d %04d %d\n", a.crew, doc.pair(a.pair).Number, a.day);
      out << text;
    }
  }
  err << "lumora-cli: " << applied << " of " << proposal.assignments.size()
      << " proposed assignments accepted (" << StatusName(proposal.status) << ")\n";
  return run.finish(line.output, kExitOk);
}

std::optional<int> RunChosenPropose(const ProposeCommandLine& line, std::ostream& out,
                                    std::ostream& err) {
  if (!*line.propose) return std::nullopt;
  return RunPropose(line, out, err);
}

}  // namespace lumora::cli
