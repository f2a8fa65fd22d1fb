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

}  // namespace
}  // namespace lumora::testing
