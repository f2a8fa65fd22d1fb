#include "rules/two_captain_rule.h"

#include <string>

#include "rules/check_block.h"
#include "rules/rule_results.h"

namespace lumora {

namespace {

constexpr std::int32_t kFlag65Plus = 1;
constexpr std::int32_t kFlagMed = 2;
constexpr const char* kBoth60 = " Both 60 on 2 Capt Pair";
constexpr const char* kBothMed = " Both MED on 2 Capt Pair";

// The crew member holding, on `day`, the month's own pairing numbered
// `number`; -1 when none does.
int OwnPositionHolder(const TDocument& doc, int number, int day) {
  for (int j = 0; j < doc.rosterSize(); ++j) {
    const std::int32_t cell = doc.pilot(j).DayCell[static_cast<std::size_t>(day)];
    if (cell >= 0 && cell <= doc.LastBasePair && doc.isPairIndex(cell) &&
        doc.pair(cell).Number == number)
      return j;
  }
  return -1;
}

}  // namespace

void CheckTwoCaptainRule(TDocument& doc, bool oldRules) {
  for (int i = 0; i < doc.rosterSize(); ++i) {
    // An earlier run's item goes with a fresh check of the block.
    if (doc.pilot(i).ExceptionsText.find("Both 60") != std::string::npos ||
        doc.pilot(i).ExceptionsText.find("Both MED") != std::string::npos)
      CheckBlock(doc, i, oldRules);
    TPilot& pilot = doc.pilot(i);
    const std::int32_t flags = pilot.AgeMedFlags();
    if (flags == 0) continue;

    int kind = 0;
    for (int d = 0; d < doc.monthDays(); ++d) {
      const std::int32_t cell = pilot.DayCell[static_cast<std::size_t>(d)];
      if (cell <= doc.LastBasePair || !doc.isPairIndex(cell)) continue;
      const int j = OwnPositionHolder(doc, doc.pair(cell).Number, d);
      if (j < 0) continue;
      const std::int32_t other = doc.pilot(j).AgeMedFlags();
      if (other == 0) continue;
      if ((flags & kFlag65Plus) != 0 && (other & kFlag65Plus) != 0) kind = 1;
      if ((flags & kFlagMed) != 0 && (other & kFlagMed) != 0) kind = 2;
    }
    if (kind == 1) AppendItem(pilot.ExceptionsText, kBoth60);
    if (kind == 2) AppendItem(pilot.ExceptionsText, kBothMed);
  }
}

}  // namespace lumora
