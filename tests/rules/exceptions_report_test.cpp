#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report_lines.h"
#include "rules/check_block.h"
#include "rules/exceptions_report.h"
#include "rules_fixture.h"

namespace lumora::testing {
namespace {

class ExceptionsReportTest : public RulesFixture {};

TEST_F(ExceptionsReportTest, OneLinePerItemWithRosterNumberAndName) {
  SetUpJuly(CrewKind::Captains, 3);
  Assign(1, 3, AddPair(480, 600));
  Assign(1, 4, AddPair(299, 480));  // exception on the 5th
  Assign(1, 10, AddPair(480, 600));
  Assign(1, 11, AddPair(300, 480));  // warning on the 12th
  Assign(2, 3, AddPair(480, 600));
  Assign(2, 4, AddPair(300, 480));  // warning on the 5th
  EXPECT_EQ(
      ExceptionsReportLines(*doc),
      ReportLines({"2  P Bname: Rest  5"}, {"2  P Bname:  Rest  12", "3  P Cname:  Rest  5"}));
}

TEST_F(ExceptionsReportTest, AnEmptyRosterGivesTheHeadingsOnlyTheNormalFindingsStayAfter) {
  SetUpJuly(CrewKind::Captains, 0);
  EXPECT_EQ(ExceptionsReportLines(*doc), ReportLines({}, {}));

  SetUpJuly(CrewKind::Captains, 1);
  pilot(0).ExceptionsText = "left over+";
  pilot(0).WarningDays[2] = 1;
  Assign(0, 3, AddPair(480, 600));
  Assign(0, 4, AddPair(300, 480));
  ExceptionsReportLines(*doc);
  EXPECT_EQ(pilot(0).ExceptionsText, "");
  EXPECT_EQ(pilot(0).WarningsText, " Rest  5+");
  EXPECT_EQ(pilot(0).WarningDays[2], 0);
  EXPECT_EQ(pilot(0).WarningDays[4], 1);
}

}  // namespace
}  // namespace lumora::testing
