#include <gtest/gtest.h>

#include <memory>

#include "model/calendar.h"
#include "model/daylight_saving.h"
#include "rules/check_block.h"
#include "rules/exceptions_report.h"
#include "rules/rest_rules.h"
#include "support/random_document.h"

namespace lumora::testing {
namespace {

// Any value a damaged file may hold in any field: the rules neither read
// outside their arrays nor overflow (the sanitizer build runs this too).
TEST(WildDocumentTest, RulesStayInsideTheirArrays) {
  auto doc = std::make_unique<TDocument>();
  RandomDocumentOptions options;
  options.wild = true;
  options.maxPilots = 20;
  options.maxPairs = 40;
  for (std::uint32_t seed = 1; seed <= 24; ++seed) {
    FillRandomDocument(*doc, seed, options);
    SetupDaylightSaving(doc->cal);
    // A damaged calendar may also hold a daylight-saving change anywhere.
    if (seed % 2 == 0) {
      doc->cal.DstMoment = static_cast<std::int32_t>(seed * 977);
      doc->cal.DstShift = seed % 4 == 0 ? 60 : -60;
    }
    for (const std::uint8_t type : {0, 1, 2}) {
      doc->CrewType = type;
      for (int c = 0; c < doc->PilotCount; ++c) {
        CheckBlock(*doc, c, seed % 3 == 0);
        for (int day : {-1, 0, 15, 30, 61, 62})
          for (int pair : {-1, 0, doc->LastPair, doc->LastPair + 1})
            CheckAssignmentRest(*doc, c, pair, day);
      }
    }
    ExceptionsReportLines(*doc);
  }
}

}  // namespace
}  // namespace lumora::testing
