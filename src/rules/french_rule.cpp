#include "rules/french_rule.h"

#include <string>

#include "building/french_cabin.h"

namespace lumora {

void CheckFrenchPairings(const RuleRun& run) {
  TDocument& doc = run.doc;
  TPilot& pilot = run.pilot();
  DayFlags flagged{};
  bool any = false;
  for (int d = 0; d < doc.cal.MonthLength && d < kBlockDays; ++d) {
    const BlockDay b = DayOf(doc, pilot, d);
    if (b.kind != BlockDay::Kind::Pairing) continue;
    const FrenchCabinResult cabin = CheckFrenchCabin(doc, run.crew, b.pairIndex, d);
    // Only the junior of the unqualified holders carries the exception.
    if (!cabin.passed && cabin.otherMember == run.crew) {
      flagged[static_cast<std::size_t>(d)] = true;
      any = true;
    }
  }
  if (!any) return;
  std::string item = " French Pair ";
  AppendDayList(item, doc.cal, flagged, 0, doc.cal.MonthLength - 1, false);
  AppendItem(pilot.ExceptionsText, item);
  MarkDays(pilot.ExceptionDays, flagged);
}

}  // namespace lumora
