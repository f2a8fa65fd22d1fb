#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report_lines.h"
#include "rules/check_block.h"
#include "rules/exceptions_report.h"
#include "rules_fixture.h"

namespace lumora::testing {
namespace {

class FrenchPairingTest : public RulesFixture {
 protected:
  void SetUp() override {
    SetUpJuly(CrewKind::FlightAttendants, 3);
    // Two cabin positions of one French trip on day 5.
    purser = AddPair(480, 600);
    attendant = AddPair(480, 600);
    for (const int p : {purser, attendant}) {
      TPair& pair = doc->Pairs[static_cast<std::size_t>(p)];
      pair.Number = 4711;
      pair.DisplayText = "4711 YUL CDG FRENCH PAIRING";
    }
    Assign(0, 5, purser);
    Assign(1, 5, attendant);
  }

  int purser = -1;
  int attendant = -1;
};

TEST_F(FrenchPairingTest, TheJuniorUnqualifiedMemberCarriesTheException) {
  CheckBlock(*doc, 1);
  EXPECT_EQ(pilot(1).ExceptionsText, " French Pair  6+");
  EXPECT_EQ(pilot(1).ExceptionDays[5], 1);
  // The senior one is told nothing, but is marked for a new check.
  EXPECT_EQ(pilot(0).FaChecked, 0);
  CheckBlock(*doc, 0);
  EXPECT_EQ(pilot(0).ExceptionsText, "");
}

TEST_F(FrenchPairingTest, RestComesBeforeTheFrenchItemOneReportLineEach) {
  Assign(1, 4, AddPair(480, 900));  // released 23:00: 9:00 before day 5
  CheckBlock(*doc, 1);
  EXPECT_EQ(pilot(1).ExceptionsText, " Rest  6+ French Pair  6+");
  EXPECT_EQ(ExceptionsReportLines(*doc),
            ReportLines({"2  P Bname:  Rest  6", "2  P Bname:  French Pair  6"}, {}));

  // Either qualification flag satisfies the trip.
  for (const int flags : {1, 2}) {
    pilot(0).AgeMedFlags() = flags;
    CheckBlock(*doc, 1);
    EXPECT_EQ(pilot(1).ExceptionsText, " Rest  6+") << flags;
  }
}

}  // namespace
}  // namespace lumora::testing
