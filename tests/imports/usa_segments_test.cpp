#include "imports/usa_segments.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/document.h"
#include "support/scripted_ui.h"

namespace lumora::testing {
namespace {

TEST(UsaSegmentsTest, MarksEachPairingWithAUsDepartureOnce) {
  auto doc = std::make_unique<TDocument>();
  doc->LastPair = 3;
  doc->Pairs[0].DisplayText =
      "  1     123   YVR-SEA   08:00 09:00\n  1     124   SEA-YVR   10:00 11:00\n";
  doc->Pairs[1].DisplayText = "  1     125   YVR-YYJ   08:00 09:00\n";
  doc->Pairs[1].UsaSegments = 1;  // stale flag from an earlier scan
  doc->Pairs[2].DisplayText = "  1     126   YYJ-PDX   08:00 09:00\n";
  doc->Pairs[3].DisplayText = "SEA";                                    // no dash: not a departure
  doc->Pairs[4].DisplayText = "  1     127   SEA-YVR   08:00 09:00\n";  // beyond LastPair

  ScriptedUi ui;
  ScanUsaSegments(*doc, ui);
  EXPECT_EQ(doc->Pairs[0].DisplayText,
            "  1     123   YVR-SEA   08:00 09:00\n  1     124   SEA-YVR   10:00 11:00\n"
            "   USA SEGMENT ");
  EXPECT_EQ(doc->Pairs[0].UsaSegments, 1);
  EXPECT_EQ(doc->Pairs[1].UsaSegments, 0);
  EXPECT_EQ(doc->Pairs[1].DisplayText.find("USA"), std::string::npos);
  EXPECT_EQ(doc->Pairs[2].UsaSegments, 0);  // arrives in the US, departs from YYJ
  EXPECT_EQ(doc->Pairs[3].UsaSegments, 0);
  EXPECT_EQ(doc->Pairs[4].DisplayText.find("USA"), std::string::npos);
  ASSERT_FALSE(ui.progressEvents.empty());
  EXPECT_EQ(ui.progressEvents[0], "open Scanning for USA Segments / Completed %d of %d");
}

TEST(UsaSegmentsTest, KnowsTheListedAirportsOnly) {
  for (const char* code : {"ABR", "SEA", "YNG", "JFK", "HNL", "SJU"})
    EXPECT_TRUE(IsUsAirport(code)) << code;
  for (const char* code : {"YVR", "YYZ", "", "SE", "SEA-", "-AB"})
    EXPECT_FALSE(IsUsAirport(code)) << code;
}

}  // namespace
}  // namespace lumora::testing
