#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "duty_fixture.h"

namespace lumora::testing {
namespace {

// July 2026, captains: day index d is the (d + 1)th.
class FatigueRulesTest : public DutyFixture {
 protected:
  int Fatigue(int units) { return PairWithDays(480, 480, {{480, 480}}, units); }
};

TEST_F(FatigueRulesTest, OneHundredFatigueUnitsUnlessAFreeDayOrADayOffResetsTheCount) {
  struct Case {
    const char* name;
    int carriedIn;
    int day2;  // the 2nd: 0 empty, 1 day off, 2 simulator duty of 4:00, 3 a pairing of 40:00
    int last;  // fatigue units of the pairing on the 3rd
    const char* item;
  };
  const Case cases[] = {
      {"100:00 exactly", 0, 3, 0, ""},
      {"100:01", 0, 3, 1, " 100 Plus Fatigue Units on 3"},
      {"a free day", 0, 0, 2401, ""},
      {"a day off", 0, 1, 2401, ""},
      {"simulator 100:00", 0, 2, 2160, ""},
      {"simulator 100:01", 0, 2, 2161, " 100 Plus Fatigue Units on 3"},
      {"carried in", 1, 3, 0, " 100 Plus Fatigue Units on 1"},
  };
  SetUpJuly(CrewKind::Captains, static_cast<int>(std::size(cases)));
  for (int c = 0; c < static_cast<int>(std::size(cases)); ++c) {
    const Case& t = cases[c];
    SCOPED_TRACE(t.name);
    pilot(c).FatUnitsCarriedIn() = t.carriedIn * 2400;
    Assign(c, 0, Fatigue(t.carriedIn != 0 ? 3601 : 3600));
    if (t.day2 == 1) Other(c, 1, 0, 1440, false, false, "X1");
    if (t.day2 == 2) CarsDuty(c, 1, 480, 240);
    if (t.day2 == 3) Assign(c, 1, Fatigue(2400));
    if (t.last != 0) Assign(c, 2, Fatigue(t.last));
    Check(c);
    EXPECT_EQ(Item(c, " 100 Plus"), t.item);
  }
}

class WoclRulesTest : public DutyFixture {
 protected:
  void SetUp() override { SetUpJuly(CrewKind::Captains, 4); }

  // Night duties from 22:00 to 03:00 on `nights` days from the 4th (day 3),
  // each a WOCL intrusion of the next day; `keyInHand` per duty.
  void NightRun(int crew, const std::vector<int>& keyInHand) {
    std::vector<PairDay> days;
    for (const int kih : keyInHand) days.push_back({1320, 300, 200, kih});
    days.push_back({-1, 0});
    const int nights = static_cast<int>(keyInHand.size());
    Assign(crew, 3, PairWithDays(1320, nights * 1440 - 1140, days));
  }
};

TEST_F(WoclRulesTest, RunsOfFourAndSixIntrusions) {
  NightRun(0, {180, 180, 180, 180});
  CarsDuty(0, 8, 600, 300);           // 31 hours after the run's last duty
  NightRun(1, {180, 180, 180, 180});  // then rested
  NightRun(2, {180, 179, 180, 180});
  NightRun(3, {180, 180, 180, 180, 180, 180});
  for (int c = 0; c < 4; ++c) Check(c);

  const std::string warning = " 3 Plus WOCL Intrusions. Check for Key In Hand > 3 Hours";
  EXPECT_EQ(pilot(0).WarningsText, warning + " 08+");
  EXPECT_EQ(pilot(0).WarningDays[7], 1);
  EXPECT_EQ(Item(0, " Need 56"), " Need 56 Hr Off after more than 3 to 5 WOCL Intrusions 09");
  EXPECT_EQ(pilot(1).WarningsText, warning + " 08+");
  EXPECT_EQ(Item(1, " Need 56") + Item(1, " Key In"), "");
  EXPECT_EQ(pilot(2).WarningsText, "");
  EXPECT_EQ(Item(2, " Key In"), " Key In Hand < 3 Hrs for 3-5 or > 5 WOCL Intrusions 08");
  EXPECT_EQ(Without(pilot(3).WarningsText, {" Con Days On"}), warning + " 08+" + warning + " 09+");
  EXPECT_EQ(Item(3, " Key In"), " Key In Hand < 3 Hrs for 3-5 or > 5 WOCL Intrusions 10");
  // The old rule checking has no fatigue rules.
  Check(3, true);
  EXPECT_EQ(Without(pilot(3).WarningsText, {" Con Days On"}), "");
  EXPECT_EQ(Item(3, " Key In"), "");
}

TEST_F(WoclRulesTest, EarlyDutyAfterALateOneWithoutARestNight) {
  CarsDuty(0, 10, 960, 510);  // 16:00 to 00:30
  CarsDuty(0, 11, 300, 300);  // 05:00
  CarsDuty(1, 10, 960, 510);
  CarsDuty(1, 12, 300, 300);  // no duty on the 12th: two days back
  CarsDuty(2, 10, 960, 420);  // ends 23:00: neither late nor night
  CarsDuty(2, 11, 300, 300);
  for (int c = 0; c < 3; ++c) Check(c);
  EXPECT_EQ(Item(0, " Early"), " Early Duty preceded by Late or Night Duty to without LNR 12");
  EXPECT_EQ(Item(1, " Early"), " Early Duty preceded by Late or Night Duty to without LNR 13");
  EXPECT_EQ(Item(2, " Early"), "");
  EXPECT_NE(pilot(0).RuleCheckLog.find("12/07/2026  DUTY   ELN   +"), std::string::npos);
}

}  // namespace
}  // namespace lumora::testing
