#include "complement_commands.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "batch_ui.h"
#include "building/crew_complement.h"
#include "commands.h"
#include "rules/check_block.h"

namespace lumora::cli {

int RunComplement(const std::string& file, const std::string& output, int pairing, int day,
                  bool off, Ui& ui, BlockRules& rules, std::ostream& err) {
  BatchRun run(ui, nullptr, &rules);
  if (!run.open(file)) return kExitCannotRun;
  DocumentSession& session = run.session;
  const bool blocksShown = session.document().BlocksShown != 0;
  const WindowSwitches windows = session.shownWindows();
  session.closeViews();
  bool listed = false;
  {
    CrewComplementDialog dialog(session.editContext());
    const int line = dialog.lineOf(pairing, day);
    listed = line >= 0;
    if (listed) dialog.select(static_cast<std::size_t>(line), !off);
    dialog.accept(ui);
  }
  if (blocksShown) session.buildBlocks(windows);
  if (!listed) {
    err << "No instance of pairing " << pairing << " on day " << day
        << " in the crew complement list\n";
  }
  return run.finish(output, listed ? kExitOk : kExitRefused);
}

std::unique_ptr<ComplementCommandLine> AddComplementCommand(CLI::App& app) {
  auto line = std::make_unique<ComplementCommandLine>();
  line->complement = app.add_subcommand(
      "complement", "Mark a pairing instance as flying with the changed crew complement");
  CLI::App* sub = line->complement;
  sub->add_option("FILE", line->file, "Schedule file")->required();
  sub->add_option("--pairing", line->pairing, "Pairing index, from 0")->required();
  sub->add_option("--day", line->day, "Day index of the month, from 0")->required();
  sub->add_flag("--off", line->off, "Take the mark away");
  sub->add_flag("--yes", line->yes, "Answer Yes to every question");
  sub->add_option("-o,--output", line->output, "Schedule file to write")->required();
  return line;
}

std::optional<int> RunChosenComplement(const ComplementCommandLine& line, std::ostream& err) {
  if (!*line.complement) return std::nullopt;
  BatchUi ui(line.yes);
  LumoraRules rules;
  return RunComplement(line.file, line.output, line.pairing, line.day, line.off, ui, rules, err);
}

}  // namespace lumora::cli
