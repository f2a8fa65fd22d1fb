#include "rules_commands.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "commands.h"
#include "rules/whos_legal.h"

namespace lumora::cli {

int RunWhosLegal(const std::string& file, int pairing, int day, Ui& ui, std::ostream& out,
                 std::ostream& err) {
  BatchRun run(ui);
  if (!run.open(file)) return kExitCannotRun;
  run.session.buildBlocks({});
  TDocument& doc = run.session.document();
  if (!HasOpenInstance(doc, pairing, day)) {
    err << "lumora-cli: day " << day << " holds no open instance of pairing " << pairing << '\n';
    return kExitCannotRun;
  }
  const WhosLegalLists lists = WhosLegalFor(doc, pairing, day);
  out << lists.caption << '\n';
  for (const std::string& line : lists.legal) out << line << '\n';
  out << '\n';
  for (const std::string& line : lists.bidders) out << line << '\n';
  return kExitOk;
}

std::unique_ptr<RulesCommandLine> AddRulesCommands(CLI::App& app) {
  auto line = std::make_unique<RulesCommandLine>();
  line->whosLegal = app.add_subcommand(
      "whos-legal", "Who could legally fly a pairing instance, and who bid its number");
  line->whosLegal->add_option("FILE", line->file, "Schedule file")->required();
  line->whosLegal->add_option("--pairing", line->pairing, "Pairing index, from 0")->required();
  line->whosLegal->add_option("--day", line->day, "Day index of the month, from 0")->required();
  return line;
}

std::optional<int> RunChosenRulesCommand(const RulesCommandLine& line, Ui& ui, std::ostream& out,
                                         std::ostream& err) {
  if (line.whosLegal != nullptr && *line.whosLegal)
    return RunWhosLegal(line.file, line.pairing, line.day, ui, out, err);
  return std::nullopt;
}

}  // namespace lumora::cli
