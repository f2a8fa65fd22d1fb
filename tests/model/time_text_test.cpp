#include "model/time_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <filesystem>
#include <string>

#include "files/temp_folder.h"
#include "platform/event_log.h"

namespace lumora {
namespace {

TEST(FormatTime, AllThreeFormsAtTheBoundaries) {
  struct Case {
    int minutes;
    const char* padded;    // padHours, colon
    const char* unpadded;  // colon only
    const char* compact;   // no colon
  };
  const Case cases[] = {
      {450, " 7:30", "07:30", "0730"},
      {0, " 0:00", "00:00", "0000"},
      {1440, "24:00", "24:00", "2400"},
      {9000, "150:00", "150:00", "15000"},
      // Division truncates toward zero, so both parts carry the sign.
      {-90, "-1:-30", "-1:-30", "-1-30"},
      {-30, " 0:-30", "00:-30", "00-30"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.minutes);
    EXPECT_EQ(FormatTime(c.minutes, true, true), c.padded);
    EXPECT_EQ(FormatTime(c.minutes, false, true), c.unpadded);
    EXPECT_EQ(FormatTime(c.minutes, false, false), c.compact);
    // Padding only matters with the colon.
    EXPECT_EQ(FormatTime(c.minutes, true, false), c.compact);
  }
  EXPECT_EQ(FormatTime(INT_MIN, false, true), "-35791394:-8");
}

TEST(HoursMinutes, EveryFormTheCallersUse) {
  const TimeForm open{.hourWidth = 4};
  const TimeForm padded{.hourWidth = 3, .hourPad = ' '};
  struct Case {
    std::int64_t minutes;
    const char* plain;    // "%d:%02d"
    const char* signed_;  // one sign in front
    const char* open;     // "%04d:%02d"
    const char* padded;   // "%3d:%02d"
  };
  const Case cases[] = {
      {0, "0:00", "0:00", "0000:00", "  0:00"},
      {450, "7:30", "7:30", "0007:30", "  7:30"},
      {-90, "-1:-30", "-1:30", "-001:-30", " -1:-30"},
      {-30, "0:-30", "-0:30", "0000:-30", "  0:-30"},
      {-605, "-10:-5", "-10:05", "-010:-5", "-10:-5"},
      {600000, "10000:00", "10000:00", "10000:00", "10000:00"},
      {INT64_MIN, "-153722867280912930:-8", "-153722867280912930:08", "-153722867280912930:-8",
       "-153722867280912930:-8"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.minutes);
    EXPECT_EQ(HoursMinutes(c.minutes), c.plain);
    EXPECT_EQ(SignedHoursMinutes(c.minutes), c.signed_);
    EXPECT_EQ(HoursMinutes(c.minutes, open), c.open);
    EXPECT_EQ(HoursMinutes(c.minutes, padded), c.padded);
  }
  std::string appended = "TB ";
  AppendHoursMinutes(appended, -90, {.colon = false, .negative = NegativeTime::Leading});
  EXPECT_EQ(appended, "TB -130");
}

TEST(ParseTime, ReadsWhatTheDialogsWriteAndRefusesOutOfRangeParts) {
  struct Case {
    const char* text;
    bool dayClock;
    int minutes;
  };
  const Case cases[] = {
      {"7:30", true, 450},
      {"07.30", true, 450},
      {"12", true, 720},  // no separator: no minutes
      {"", true, 0},
      {"12:", true, 720},
      {"12:-5", true, 720},  // negative minutes count as 0
      {"24:00", true, -1},
      {"24:00", false, 1440},
      {"12:60", false, -1},
      {"150:00", true, -1},
      {"150:00", false, 9000},
      {"-1:00", false, -1},
      {"-0:30", false, 0},  // the sign ends the hours' digits, "0:30" follows it
      // The leading blank is the first non-digit, so the minutes are read from "7:30".
      {" 7:30", true, 427},
      {"+7:30", true, 427},
      {"7h30m", true, 450},
      // Huge hours are refused, not overflowed.
      {"99999999999999999999:00", false, -1},
      {"35791394:07", false, INT_MAX},
      {"35791394:08", false, -1},
      {"35791395", false, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseTime(c.text, c.dayClock), c.minutes) << c.text;
  // Every formatted time of day reads back.
  for (int m = 0; m < 1440; m += 7) EXPECT_EQ(ParseTime(FormatTime(m, false, true), true), m);
}

TEST(LeadingInt, BlanksSignDigitsAndSaturation) {
  EXPECT_EQ(LeadingInt("   42xyz"), 42);
  EXPECT_EQ(LeadingInt("+17"), 17);
  EXPECT_EQ(LeadingInt("- 17"), 0);  // no blanks after the sign
  EXPECT_EQ(LeadingInt("   "), 0);
  EXPECT_EQ(LeadingInt("2147483648"), INT_MAX);
  EXPECT_EQ(LeadingInt("-2147483648"), INT_MIN);
  EXPECT_EQ(LeadingInt("-2147483649"), INT_MIN);
  EXPECT_EQ(LeadingInt(std::string(5000, '9')), INT_MAX);
  EXPECT_EQ(LeadingInt("-" + std::string(5000, '9')), INT_MIN);
}

class GetIntTest : public ::testing::Test {
 protected:
  std::string logText() const {
    const auto bytes = testing::ReadBytes(path_);
    return std::string(bytes.begin(), bytes.end());
  }

  testing::TempFolder folder_;
  std::filesystem::path path_ = folder_ / "log.txt";
  EventLog log_;
};

TEST_F(GetIntTest, AFieldMayEndAtTheLineEndOneShortLogsAndGivesZero) {
  ASSERT_TRUE(log_.open(path_));
  EXPECT_EQ(GetInt("ABC 123", 4, 3, log_), 123);
  EXPECT_EQ(GetInt("AB  -12", 2, 5, log_), -12);
  EXPECT_EQ(GetInt("12345", 1, 2, log_), 23);  // only the field, not what follows
  EXPECT_EQ(GetInt("", 0, 0, log_), 0);
  EXPECT_EQ(GetInt("ABC 12", 4, 3, log_), 0);
  EXPECT_EQ(GetInt("ABC", 10, 1, log_), 0);
  EXPECT_EQ(GetInt("ABC", 1, SIZE_MAX, log_), 0);  // position + width would wrap
  EXPECT_EQ(logText(),
            "Cannot GetInt. String too Short\nCannot GetInt. String too Short\n"
            "Cannot GetInt. String too Short\n");
}

TEST_F(GetIntTest, ClosedLogWritesNothing) {
  EXPECT_EQ(GetInt("ABC 12", 4, 3, log_), 0);
  EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST(MonthAbbrev, NamesAndOutOfRange) {
  EXPECT_EQ(MonthAbbrev(12), "DEC");
  EXPECT_EQ(MonthAbbrev(0) + MonthAbbrev(13) + MonthAbbrev(-1), "");
}

}  // namespace
}  // namespace lumora
