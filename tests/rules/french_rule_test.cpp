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

TEST_F(FrenchPairingTest, EitherQualificationFlagSatisfiesTheTrip) {
  for (const int flags : {1, 2}) {
    pilot(0).AgeMedFlags() = flags;
    CheckBlock(*doc, 1);
    EXPECT_EQ(pilot(1).ExceptionsText, "") << flags;
  }
}

TEST_F(FrenchPairingTest, RestComesBeforeTheFrenchItem) {
  Assign(1, 4, AddPair(480, 900));  // released 23:00: 9:00 before day 5
  CheckBlock(*doc, 1);
  EXPECT_EQ(pilot(1).ExceptionsText, " Rest  6+ French Pair  6+");
}

class FrenchReportTest : public RulesFixture {};

TEST_F(FrenchReportTest, TwoItemsGiveTwoLines) {
  SetUpJuly(CrewKind::FlightAttendants, 2);
  const int a = AddPair(480, 600);
  const int b = AddPair(480, 600);
  for (const int p : {a, b}) {
    doc->Pairs[static_cast<std::size_t>(p)].Number = 7;
    doc->Pairs[static_cast<std::size_t>(p)].DisplayText = "FRENCH PAIRING";
  }
  Assign(0, 5, a);
  Assign(1, 5, b);
  Assign(1, 4, AddPair(480, 900));
  EXPECT_EQ(ExceptionsReportLines(*doc),
            ReportLines({"2  P Bname:  Rest  6", "2  P Bname:  French Pair  6"}, {}));
}

}  // namespace
}  // namespace lumora::testing
