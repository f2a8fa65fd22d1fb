#include "rules_commands.h"

#include <CLI/CLI.hpp>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "building_commands.h"
#include "commands.h"
#include "rules/global_info.h"
#include "rules/setup_month_dialog.h"
#include "rules/whos_legal.h"
#include "rules/why_not.h"

namespace lumora::cli {

namespace {

// "H:MM" or "HH:MM" (any number of hour digits, minutes below 60).
std::optional<std::int32_t> ParseHoursMinutes(const std::string& text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos || colon == 0 || colon > 4 || text.size() != colon + 3)
    return std::nullopt;
  std::int32_t value = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == colon) continue;
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
  }
  const std::int32_t hours = std::stoi(text.substr(0, colon));
  const std::int32_t minutes = std::stoi(text.substr(colon + 1));
  if (minutes >= 60) return std::nullopt;
  value = hours * 60 + minutes;
  return value;
}

}  // namespace

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

int RunWhyNot(const std::string& file, int crew, int pairing, int day, std::optional<int> number,
              Ui& ui, std::ostream& out, std::ostream& err) {
  BatchRun run(ui);
  if (!run.open(file)) return kExitCannotRun;
  run.session.buildBlocks({});
  TDocument& doc = run.session.document();
  if (!ResolvePairingNumber(doc, number, crew, day, false, pairing)) return kExitCannotRun;
  if (!doc.isRosterIndex(crew) || !doc.isPairIndex(pairing) || day < 0 || day >= doc.monthDays()) {
    err << "lumora-cli: no crew member " << crew << ", pairing " << pairing << " or day " << day
        << " in this month\n";
    return kExitCannotRun;
  }
  const WhyNot why = ExplainWhyNot(doc, crew, pairing, day);
  out << WhyNotText(doc, crew, pairing, day, why) << '\n';
  return why.legal ? kExitOk : kExitRefused;
}

int RunGlobalReport(const std::string& file, Ui& ui, std::ostream& out) {
  BatchRun run(ui);
  if (!run.open(file)) return kExitCannotRun;
  run.session.buildBlocks({});
  for (const std::string& line : GlobalInfoLines(run.session.document())) out << line << '\n';
  return kExitOk;
}

int RunPairingsReport(const std::string& file, Ui& ui, std::ostream& out) {
  BatchRun run(ui);
  if (!run.open(file)) return kExitCannotRun;
  run.session.buildBlocks({});
  out << PairingReportClipboardText(run.session.document()) << '\n';
  return kExitOk;
}

int RunSetupMonth(const std::string& file, const std::string& output, const MonthRuleValues& values,
                  Ui& ui, std::ostream& err) {
  std::vector<std::pair<MonthRule, std::int32_t>> changes;
  bool valid = true;
  const auto time = [&](MonthRule rule, const std::optional<std::string>& text,
                        const char* option) {
    if (!text) return;
    const std::optional<std::int32_t> minutes = ParseHoursMinutes(*text);
    const MonthRuleRange& range = RangeOf(rule);
    if (!minutes || *minutes < range.minimum || *minutes > range.maximum) {
      err << "lumora-cli: " << option << " must be a time HH:MM from "
          << MonthRuleText(rule, range.minimum) << " to " << MonthRuleText(rule, range.maximum)
          << '\n';
      valid = false;
      return;
    }
    changes.emplace_back(rule, *minutes);
  };
  const auto days = [&](MonthRule rule, const std::optional<int>& count, const char* option) {
    if (!count) return;
    const MonthRuleRange& range = RangeOf(rule);
    if (*count < range.minimum || *count > range.maximum) {
      err << "lumora-cli: " << option << " must be from " << range.minimum << " to "
          << range.maximum << '\n';
      valid = false;
      return;
    }
    changes.emplace_back(rule, *count);
  };
  time(MonthRule::AvgCredit, values.avg, "--avg");
  time(MonthRule::MaxCredit, values.max, "--max");
  time(MonthRule::MinCredit, values.min, "--min");
  time(MonthRule::CheckPilotMaxCredit, values.checkPilotMax, "--check-pilot-max");
  days(MonthRule::DaysOffBlockHolder, values.daysOffHolder, "--days-off-holder");
  days(MonthRule::DaysOffReserve, values.daysOffReserve, "--days-off-reserve");
  time(MonthRule::ReducedMaxCredit, values.reducedMax, "--reduced-max");
  time(MonthRule::ReducedMinCredit, values.reducedMin, "--reduced-min");
  days(MonthRule::ReducedMinDaysOff, values.reducedMinDaysOff, "--reduced-min-days-off");
  if (!valid) return kExitCannotRun;

  BatchRun run(ui);
  if (!run.open(file)) return kExitCannotRun;
  SetupMonthDialog dialog(run.session.document());
  for (const auto& [rule, value] : changes) dialog.set(rule, value);
  dialog.accept(ui);
  return run.finish(output, kExitOk);
}

std::unique_ptr<RulesCommandLine> AddRulesCommands(CLI::App& app) {
  auto line = std::make_unique<RulesCommandLine>();
  line->whosLegal = app.add_subcommand(
      "whos-legal", "Who could legally fly a pairing instance, and who bid its number");
  line->whosLegal->add_option("FILE", line->file, "Schedule file")->required();
  line->whosLegal->add_option("--pairing", line->pairing, "Pairing index, from 0")->required();
  line->whosLegal->add_option("--day", line->day, "Day index of the month, from 0")->required();

  line->why = app.add_subcommand(
      "why",
      "Whether a pairing instance could go into a crew member's block, and if not why; "
      "exits 0 when it could, 3 when not");
  line->why->add_option("FILE", line->file, "Schedule file")->required();
  line->why->add_option("--crew", line->crew, "Roster index of the crew member, from 0")
      ->required();
  auto* index = line->why->add_option("--pairing", line->pairing, "Pairing index, from 0");
  auto* number = line->why->add_option("--number", line->number,
                                       "Pairing number (4 digits), instead of --pairing");
  index->excludes(number);
  number->excludes(index);
  line->why->callback([index, number] {
    if (index->count() + number->count() == 0) throw CLI::RequiredError("--pairing or --number");
  });
  line->why->add_option("--day", line->day, "Day index of the month, from 0")->required();

  CLI::App* report = app.add_subcommand("report", "The month's read-only summaries");
  report->require_subcommand(1);
  line->reportGlobal = report->add_subcommand("global", "The Global Information lines");
  line->reportGlobal->add_option("FILE", line->file, "Schedule file")->required();
  line->reportPairings =
      report->add_subcommand("pairings", "The pairing report with the segment summary");
  line->reportPairings->add_option("FILE", line->file, "Schedule file")->required();
  line->reportBlocks = report->add_subcommand(
      "blocks", "The chosen crew members' calendars, as Copy Blocks to Clipboard");
  line->reportBlocks->add_option("FILE", line->file, "Schedule file")->required();
  line->reportBlocks->add_option("--crew", line->blocks.crew, "Roster index, from 0 (repeatable)")
      ->take_all();
  line->reportBlocks->add_flag("--all", line->blocks.all, "Every crew member");
  line->reportBlocks->add_flag("--xes", line->blocks.xes, "Include X's (the day requests)");
  line->reportBlocks->add_flag("--pairs", line->blocks.pairs, "Include Full Pairings");
  line->reportCrewLines =
      report->add_subcommand("crew-lines", "The crew lines report, as Print Blocks to Clipboard");
  line->reportCrewLines->add_option("FILE", line->file, "Schedule file")->required();

  CLI::App* month = line->setupMonth =
      app.add_subcommand("setup-month", "Set the month's blocking rules as Setup Month does");
  MonthRuleValues& v = line->month;
  month->add_option("FILE", line->file, "Schedule file")->required();
  month->add_option("-o,--output", line->output, "Schedule file to write")->required();
  month->add_option("--avg", v.avg, "Average block credit, HH:MM");
  month->add_option("--max", v.max, "Maximum block credit, HH:MM");
  month->add_option("--min", v.min, "Minimum block credit, HH:MM");
  month->add_option("--check-pilot-max", v.checkPilotMax, "Check-pilot maximum credit, HH:MM");
  month->add_option("--days-off-holder", v.daysOffHolder, "Days off required, block holder");
  month->add_option("--days-off-reserve", v.daysOffReserve, "Days off required, reserve");
  month->add_option("--reduced-max", v.reducedMax, "Reduced-block maximum credit, HH:MM");
  month->add_option("--reduced-min", v.reducedMin, "Reduced-block minimum credit, HH:MM");
  month->add_option("--reduced-min-days-off", v.reducedMinDaysOff,
                    "Reduced-block minimum days off");
  return line;
}

std::optional<int> RunChosenRulesCommand(const RulesCommandLine& line, Ui& ui, std::ostream& out,
                                         std::ostream& err) {
  if (line.whosLegal != nullptr && *line.whosLegal)
    return RunWhosLegal(line.file, line.pairing, line.day, ui, out, err);
  if (line.why != nullptr && *line.why)
    return RunWhyNot(line.file, line.crew, line.pairing, line.day, line.number, ui, out, err);
  if (line.reportGlobal != nullptr && *line.reportGlobal)
    return RunGlobalReport(line.file, ui, out);
  if (line.reportPairings != nullptr && *line.reportPairings)
    return RunPairingsReport(line.file, ui, out);
  if (line.reportBlocks != nullptr && *line.reportBlocks)
    return RunReportBlocks(line.file, line.blocks, ui, out, err);
  if (line.reportCrewLines != nullptr && *line.reportCrewLines)
    return RunReportCrewLines(line.file, ui, out);
  if (line.setupMonth != nullptr && *line.setupMonth)
    return RunSetupMonth(line.file, line.output, line.month, ui, err);
  return std::nullopt;
}

}  // namespace lumora::cli
