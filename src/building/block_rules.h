#pragma once
// What block building asks of the legality rules. The rules library
// implements it; building only sees this interface, so the dependency runs
// from the rules down to building and not back.

#include <cstdint>
#include <string>

#include "model/document.h"

namespace lumora {

// The rest test of one assignment: refused, or accepted with the texts that
// describe a short rest before and after (each possibly empty).
struct AssignCheckResult {
  bool accepted = false;
  std::string restBefore;
  std::string restAfter;
  // The rests measured either side and the minimum they were held to (also
  // when refused); a rest to the block's end counts up to it.
  std::int64_t minutesBefore = 0;
  std::int64_t minutesAfter = 0;
  std::int32_t minimumRest = 0;
};

class BlockRules {
 public:
  virtual ~BlockRules() = default;

  // Whether pairing `pair` may start on day `day` in crew member `crew`'s
  // block as far as rest is concerned.
  virtual AssignCheckResult CheckAssignmentRest(const TDocument& doc, int crew, int pair,
                                                int day) = 0;

  // Re-evaluates the whole block of crew member `crew` and stores the findings
  // on him; in captain files followed by the two-captain rule.
  virtual void CheckBlock(TDocument& doc, int crew) = 0;

  // Every block of the roster, with the findings of checking each one in
  // roster order. Rules that look at the whole roster may do their part once.
  virtual void CheckAllBlocks(TDocument& doc) {
    for (int crew = 0; crew < doc.PilotCount; ++crew) CheckBlock(doc, crew);
  }
};

}  // namespace lumora
