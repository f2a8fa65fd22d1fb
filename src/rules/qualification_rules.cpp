#include "rules/qualification_rules.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "building/block_figures.h"
#include "model/time_text.h"

namespace lumora {

namespace {

enum class Finding { Exception, Warning };

// Every day of the month whose pairing's display text holds `mark` is listed
// after `label`.
void ListPairingsMarked(const RuleRun& run, std::string_view mark, std::string_view label,
                        Finding finding) {
  const TDocument& doc = run.doc;
  TPilot& pilot = run.pilot();
  DayFlags flagged{};
  bool any = false;
  for (int d = 0; d < doc.monthDays(); ++d) {
    const BlockDay b = DayOf(doc, pilot, d);
    if (b.kind != BlockDay::Kind::Pairing) continue;
    if (b.pair->DisplayText.find(mark) == std::string::npos) continue;
    flagged[static_cast<std::size_t>(d)] = true;
    any = true;
  }
  if (!any) return;
  std::string item(label);
  AppendDayList(item, doc.cal, flagged, 0, doc.monthDays() - 1, false);
  if (finding == Finding::Exception) {
    AppendItem(pilot.ExceptionsText, item);
    MarkDays(pilot.ExceptionDays, flagged);
  } else {
    AppendItem(pilot.WarningsText, item);
    MarkDays(pilot.WarningDays, flagged);
  }
}

}  // namespace

void CheckCheckPilotCredit(const RuleRun& run) {
  const TDocument& doc = run.doc;
  TPilot& pilot = run.pilot();
  std::int64_t total = pilot.CreditCarriedIn();
  for (int d = 0; d < doc.monthDays(); ++d) {
    const BlockDay b = DayOf(doc, pilot, d);
    if (b.kind == BlockDay::Kind::Pairing)
      total += InstanceCreditInMonth(*b.pair, d, doc.monthDays());
  }
  const std::int32_t maximum = doc.CheckPilotMaxCredit;
  if (total <= maximum) return;
  char item[64];
  std::snprintf(item, sizeof item, "Check Pilot Pair Credit > %02d:%02d", maximum / 60,
                maximum % 60);
  if (run.wantsFigures())
    run.noteFigure(item, -1,
                   "pairing credit " + HoursMinutes(total) + ", limit " + HoursMinutes(maximum));
  AppendItem(pilot.ExceptionsText, item);
}

void CheckYtzQualification(const RuleRun& run) {
  ListPairingsMarked(run, "YTZ", " Not Qualified for YTZ on", Finding::Exception);
}

void CheckYcgQualification(const RuleRun& run) {
  ListPairingsMarked(run, "YCG", " Not Qualified for YCG on", Finding::Exception);
}

void CheckUsaPairings(const RuleRun& run) {
  ListPairingsMarked(run, "USA SEGMENT", " USA Pairing on", Finding::Exception);
}

void CheckFamPairings(const RuleRun& run) {
  ListPairingsMarked(run, "EXTRA FA ON", "Fam Pairing in Block on", Finding::Warning);
}

}  // namespace lumora
