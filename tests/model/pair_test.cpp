#include <gtest/gtest.h>

#include <array>
#include <string>

#include "model/pair.h"

namespace lumora {
namespace {

// A valid two-day pairing operating on day index 3 of a 30-day month.
TPair TwoDayPairing() {
  TPair p;
  p.Clear();
  p.Number = 1234;
  p.OnTime = 600;
  p.OffTime = 1000;
  p.Length = 2;
  p.TAFB = 1840;
  p.Credit = 600;
  p.DailyCredit[0] = 400;
  p.DailyCredit[1] = 200;
  p.DailyStartTime[0] = 600;
  p.DailyStartTime[1] = 540;
  p.DayStatus[3] = kOpenInstance;
  return p;
}

// A duty-period line of the pairing text: type "3", duty length in columns
// 48-51, rest in 52-56, station in 57-59 (1-based).
std::string DutyLine(int duty, int rest, const std::string& station) {
  std::string line(60, ' ');
  line[0] = '3';
  char field[8];
  std::snprintf(field, sizeof field, "%04d", duty);
  line.replace(47, 4, field);
  std::snprintf(field, sizeof field, "%05d", rest);
  line.replace(51, 5, field);
  line.replace(56, 3, station);
  return line + "\n";
}

TEST(ValidatePairing, AcceptsAConsistentPairing) {
  TPair p = TwoDayPairing();
  ValidatePairing(p, 30, "");
  EXPECT_EQ(p.Valid, 1);
  EXPECT_EQ(p.ValidationText, "");
  EXPECT_EQ(p.AdjLength, 2);
  EXPECT_EQ(p.DailyStartTimeAtBase[0], 600);
  EXPECT_EQ(p.DailyStartTimeAtBase[1], -1);  // no duty-period lines
}

TEST(ValidatePairing, DutyDaysFollowTheReleaseTime) {
  // Released before 02:00 on the second day: one duty day. Midnight reads as 24:00.
  const std::array<int, 3> offTimes{90, 120, 0};
  const std::array<int, 3> adjLengths{1, 2, 1};
  for (std::size_t i = 0; i < offTimes.size(); ++i) {
    TPair p = TwoDayPairing();
    p.OffTime = offTimes[i];
    ValidatePairing(p, 30, "");
    EXPECT_EQ(p.AdjLength, adjLengths[i]) << offTimes[i];
    EXPECT_EQ(p.OffTime, offTimes[i] == 0 ? 1440 : offTimes[i]);
  }
}

TEST(ValidatePairing, MessagesComeInTheirOrder) {
  TPair p = TwoDayPairing();
  p.OnTime = 1440;
  ValidatePairing(p, 30, "");
  EXPECT_EQ(p.Valid, 1);
  p.OnTime = -1;
  ValidatePairing(p, 30, "");
  EXPECT_EQ(p.ValidationText, "Duty Start Time < 00:01 or > 24:00. ");

  p = TwoDayPairing();
  p.Credit = 1;
  p.OnTime = 2000;
  p.DayStatus[3] = 0;
  p.DayStatus[30] = kOpenInstance;  // operates only after a 30-day month
  p.DailyCredit[1] = -5;
  p.DailyHardTime[1] = -1;
  p.DailyStartTime[1] = 1440;
  p.DailyDutyTime[1] = -1;
  p.DailyStartTime[0] = -1;
  ValidatePairing(p, 30, "");
  EXPECT_EQ(p.Valid, 0);
  EXPECT_EQ(p.ValidationText,
            "Credit for each Day does not add up to Total Credit\n"
            "Duty Start Time < 00:01 or > 24:00. "
            "Never Operates "
            "Daily Start Time < 00:00 or > 23:59 on Day 1. "
            "Daily Credit < 00:00 on Day 2. "
            "Daily HardTime < 00:00 on Day 2. "
            "Daily Start Time < 00:00 or > 23:59 on Day 2. "
            "Daily Duty Time < 00:00 on Day 2. ");

  // The same day 30 operates in a 31-day month.
  p = TwoDayPairing();
  p.DayStatus[3] = 0;
  p.DayStatus[30] = kAssignedInstance;
  ValidatePairing(p, 31, "");
  EXPECT_EQ(p.Valid, 1);
}

TEST(ValidatePairing, LengthOutsideTheMonthIsReportedNotFollowed) {
  for (int length : {0, -3, 32, 127}) {
    TPair p = TwoDayPairing();
    p.Length = static_cast<std::int8_t>(length);
    p.Credit = 0;
    p.DailyCredit.fill(0);
    ValidatePairing(p, 30, "");
    EXPECT_EQ(p.Valid, 0) << length;
    EXPECT_NE(p.ValidationText.find("Pairing Length < 1 day or > 31 days. "), std::string::npos);
  }
}

TEST(ValidatePairing, SpillOverAndUsaMarks) {
  TPair p = TwoDayPairing();
  p.PairingText = std::string(112, ' ') + "Y" + "  \n";
  p.DisplayText = "1234 ... USA SEGMENTS";
  ValidatePairing(p, 30, "");
  EXPECT_EQ(p.Overnight, 1);
  EXPECT_EQ(p.UsaSegments, 1);
  // The marker the USA scan appends keeps the flag through later validations.
  p.DisplayText = "1234 YUL-BOS BOS-YUL   USA SEGMENT ";
  ValidatePairing(p, 30, "");
  EXPECT_EQ(p.UsaSegments, 1);

  // Without the long header line: short trip released after its report time
  // the next day counts as spill-over.
  p = TwoDayPairing();
  p.TAFB = 800;
  p.OnTime = 1300;
  p.OffTime = 660;
  ValidatePairing(p, 30, "");
  EXPECT_EQ(p.Overnight, 1);
  EXPECT_EQ(p.UsaSegments, 0);

  p.OffTime = 119;  // released before 02:00: not a spill-over
  p.Overnight = 0;
  ValidatePairing(p, 30, "");
  EXPECT_EQ(p.Overnight, 0);
}

TEST(ValidatePairing, DutyStartsAtBaseAndBreaksFromTheDutyLines) {
  TPair p = TwoDayPairing();
  p.TAFB = 3000;
  // Day 1 duty 10:00 + rest 12:00 from 10:00 report: next duty 08:00 on day 2.
  p.PairingText = "HEADER\n" + DutyLine(600, 720, "YYZ") +
                  // A duty period in which the crew stays on duty at YUL.
                  DutyLine(0, 300, "YUL") + DutyLine(2000, 0, "YVR") + DutyLine(100, 0, "YVR");
  ValidatePairing(p, 30, "YVR,-0800,00:20,Y,YUL,-0500,00:45,Y,");
  EXPECT_EQ(p.DailyStartTimeAtBase[0], 600);
  EXPECT_EQ(p.DailyStartTimeAtBase[1], 480);
  EXPECT_EQ(p.DailyOnDutyBreak[1], 300 - 60 - 2 * 45);
  // The third duty reaches TAFB and stops the walk before the fourth.
  EXPECT_EQ(p.DailyStartTimeAtBase[2], -1);
  EXPECT_EQ(p.DailyStartTimeAtBase[3], -1);

  // Unknown station: 30 minutes transport.
  p.PairingText = "H\n" + DutyLine(0, 300, "ZZZ");
  ValidatePairing(p, 30, "YUL,-0500,00:45,Y,");
  EXPECT_EQ(p.DailyOnDutyBreak[0], 300 - 60 - 60);
}

TEST(ValidatePairing, HostileDutyLinesStayInsideTheRecord) {
  TPair p = TwoDayPairing();
  p.TAFB = 1'000'000;
  p.PairingText = "H\n" + DutyLine(-999, -9999, "YUL") + "\n3 short\n3";
  for (int i = 0; i < 2000; ++i) p.PairingText += DutyLine(9999, 99999, "YUL");
  ValidatePairing(p, 30, "YUL");  // airport table cut short
  EXPECT_EQ(p.DailyStartTimeAtBase[0], 600);
}

TEST(TPair, ClearKeepsCreditClassAndReservedDate) {
  TPair p = TwoDayPairing();
  p.CreditClass = 3;
  p.ReservedDate = 2451545;
  p.MinRestAfter = 0;
  p.Valid = 1;
  p.LayoverText = "YUL";
  p.Clear();
  EXPECT_EQ(p.CreditClass, 3);
  EXPECT_EQ(p.ReservedDate, 2451545);
  EXPECT_EQ(p.MinRestAfter, 660);
  EXPECT_EQ(p.LayoverText, "");
  EXPECT_EQ(p.DailyCredit[0], 0);
}

TEST(TPair, CreditClassBoundaries) {
  TPair p = TwoDayPairing();
  p.Length = p.AdjLength = 2;
  for (auto [credit, expected] :
       {std::pair{598, 0}, {600, 1}, {718, 1}, {720, 2}, {839, 2}, {840, 3}}) {
    p.Credit = credit;
    EXPECT_EQ(CreditClassOf(p), expected) << credit;
  }
  p.Overnight = 1;  // a spill-over counts its whole credit as one duty day
  p.Credit = 420;
  EXPECT_EQ(CreditClassOf(p), 3);
  p.Overnight = 0;
  p.AdjLength = 0;
  EXPECT_EQ(CreditClassOf(p), 0);
}

}  // namespace
}  // namespace lumora
