#include "building/block_figures.h"

#include "building_fixture.h"

namespace lumora::testing {
namespace {

class FiguresTest : public BuildingTest {
 protected:
  std::int32_t Recalc(int crew, bool full = false) {
    return RecalcBlockCredit(doc, crew, full, ui, views);
  }
  void SetCredit(int crew, int minutes) {
    doc.Pilots[crew].BlockCreditHours = minutes / 60;
    doc.Pilots[crew].BlockCreditMinutes = static_cast<std::uint8_t>(minutes % 60);
  }
  void PlaceOther(int crew, int day, const std::string& code, int credit, bool excluded = false) {
    TPilot& pilot = doc.Pilots[crew];
    pilot.DayCell[day] = kOtherAssignmentCell;
    pilot.DayCode[day] = code;
    pilot.DayOther[day][kOtherCredit] = credit;
    pilot.DayOther[day][kOtherExcludeCredit] = excluded ? 1 : 0;
  }
};

TEST_F(FiguresTest, APairingRunningPastTheMonthCountsOnlyItsDaysInside) {
  const int crew = AddCrew("A ALPHA");
  const int p = AddPairing(7, {28, 29, 30}, 3);
  doc.Pairs[p].DailyCredit = {300, 200, 100};
  doc.Pairs[p].Credit = 600;
  Place(crew, p, 29);  // two of its three days in July

  EXPECT_EQ(Recalc(crew), 500);
  EXPECT_EQ(BlockCreditOf(doc.Pilots[crew]), 500);
  const OpenTime time = ComputeOpenTime(doc);
  EXPECT_EQ(time.total, 600 + 500 + 300);  // day 28 whole, day 29 two days, day 30 one
  EXPECT_EQ(time.open, 600 + 300);
  EXPECT_EQ(OpenTimeText(time.open), "0015:00");

  // The open instances cover their days up to the month's end.
  doc.Pilots[crew].BidReserve = 1;  // no crew member available
  CountDayBalance(doc, views);
  for (const auto& [day, balance] : {std::pair{27, 0}, {28, -1}, {29, -1}, {30, -2}})
    EXPECT_EQ(doc.view.dayBalance[day], balance) << day;
}

TEST_F(FiguresTest, CreditComponentsExclusionsAndLeave) {
  const int crew = AddCrew("A ALPHA");
  TPilot& pilot = doc.Pilots[crew];
  pilot.CreditCarriedIn() = 100;
  pilot.ExtraCredit = 20;
  pilot.DraftCredit = 3;
  pilot.TimeBank = 60;
  pilot.TrainingAtHome = 1000;
  pilot.OutsideWFlag = 1;
  const int p = AddPairing(7, {0});
  doc.Pairs[p].DayExcludeCredit[0] = 50;
  Place(crew, p, 0);
  PlaceOther(crew, 1, "LOA", 400);
  PlaceOther(crew, 2, "MED", 1000, true);  // excluded: neither credit nor leave
  PlaceOther(crew, 3, "TBB", 90, true);    // excluded, but still time-banked
  PlaceOther(crew, 4, "ALB", 30);

  const int base = 100 + 20 + 3 + 60;
  EXPECT_EQ(Recalc(crew), base + 300 - 50 + 400 + 30 - 400);
  EXPECT_EQ(BlockCreditOf(pilot), base + 300 - 50 + 400 + 30);
  EXPECT_EQ(pilot.TbbCredit, 90);
  EXPECT_EQ(pilot.AlbCredit, 30);
  EXPECT_EQ(views.timeBank, " TB 2:30");

  // The full figure counts what is normally left out, leave included.
  EXPECT_EQ(Recalc(crew, true), base + 1000 + 300 + 400 + 1000 + 90 + 30 - 1400);

  // A negative credit is held exactly.
  const int owing = AddCrew("B OWING");
  doc.Pilots[owing].TimeBank = -90;
  EXPECT_EQ(Recalc(owing), -90);
  EXPECT_EQ(doc.Pilots[owing].BlockCreditHours, -2);
  EXPECT_EQ(doc.Pilots[owing].BlockCreditMinutes, 30);
}

TEST_F(FiguresTest, ACellBeyondThePairingSlotsStopsTheCount) {
  const int crew = AddCrew("A ALPHA");
  const int p = AddPairing(7, {0, 5});
  Place(crew, p, 0);
  doc.Pilots[crew].DayCell[3] = kPairSlots;
  Place(crew, p, 5);
  EXPECT_EQ(Recalc(crew), 300);
  ASSERT_EQ(ui.messageTexts(), (std::vector<std::string>{"Pairing Number out of RANGE"}));
  EXPECT_EQ(ui.shown[0].caption, "Internal Error");
}

TEST_F(FiguresTest, BlockHolderLineFollowsTheOpenCredit) {
  // Limits 4500 to 4800, target 4650.
  const int full = AddCrew("F FULL");
  const int over = AddCrew("O OVER");
  const int reserve1 = AddCrew("R ONE");
  const int reserve2 = AddCrew("R TWO");
  const int low = AddCrew("L LOW");
  const int after = AddCrew("Z AFTER");
  SetCredit(full, 4600);
  SetCredit(over, 4900);  // gives 250 back to the open time
  doc.Pilots[reserve1].BidReserve = 1;
  doc.Pilots[reserve2].BidReserve = 1;
  SetCredit(low, 4000);  // needs 500 to reach his minimum
  SetCredit(after, 4600);

  // 250 + 200 is not enough: the line stops at him, with the reserve run above.
  EXPECT_EQ(FindBlockHolderLine(doc, 200, views), over);
  for (const int k : {full, over}) EXPECT_EQ(doc.Pilots[k].BelowBlockHolderLine, 0) << k;
  for (const int k : {reserve1, reserve2, low, after}) {
    EXPECT_EQ(doc.Pilots[k].BelowBlockHolderLine, 1) << k;
  }
  EXPECT_EQ(views.filterChanges, 1);

  // With enough open time only nobody is below; the same line again is no news.
  EXPECT_EQ(FindBlockHolderLine(doc, 250, views), after);
  EXPECT_EQ(doc.Pilots[low].BelowBlockHolderLine, 0);
  EXPECT_EQ(FindBlockHolderLine(doc, 250, views), after);
  EXPECT_EQ(views.filterChanges, 2);

  // A reserve run at the end of the roster is below the line.
  doc.Pilots[after].BidReserve = 1;
  EXPECT_EQ(FindBlockHolderLine(doc, 250, views), low);
  EXPECT_EQ(doc.Pilots[after].BelowBlockHolderLine, 1);

  // Own limits: the target is their mean.
  doc.Pilots[low].MinBlockOverride() = 3000;
  doc.Pilots[low].MaxBlockOverride() = 3800;
  EXPECT_EQ(CreditLimitsOf(doc, doc.Pilots[low]).target, 3400);
}

TEST_F(FiguresTest, DayBalanceCountsOpenDaysAgainstAvailableCrew) {
  doc.cal.MonthLength = 6;
  const int p = AddPairing(7, {1}, 2);
  const int q = AddPairing(8, {0, 4});
  const int free = AddCrew("F FREE");          // every day available
  const int late = AddCrew("L LATE");          // legal from day 2 at 14:01: day 3 on
  const int complete = AddCrew("C COMPLETE");  // inside his limits: not counted
  const int reserve = AddCrew("R RESERVE");
  SetCredit(free, 4500);  // at the minimum still counts
  SetCredit(late, 0);
  SetCredit(complete, 4600);
  SetCredit(reserve, 0);
  doc.Pilots[reserve].BidReserve = 1;
  doc.Pilots[late].LegalCheckIn() = 2 * kMinutesPerDay + 841;
  doc.Pilots[free].DayRequest[5] = 13;
  Place(free, q, 0);
  doc.Pilots[free].DayCell[3] = kOtherAssignmentCell;

  CountDayBalance(doc, views);
  // Open: p on days 1-2, q on day 4. Free: days 1, 2, 4 (0 holds q, 3 other,
  // 5 requested). Late: days 3, 4, 5.
  const std::array<int, 6> expected{0, 1 - 1, 1 - 1, 1, 2 - 1, 1};
  for (int d = 0; d < 6; ++d) EXPECT_EQ(doc.view.dayBalance[d], expected[d]) << d;
  EXPECT_EQ(views.balanceDays, (std::vector<int>{3, 4, 5}));
  (void)p;
}

}  // namespace
}  // namespace lumora::testing
