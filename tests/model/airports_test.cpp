#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/airports.h"
#include "model/calendar.h"
#include "model/document.h"

namespace lumora {
namespace {

// YVR and YYZ observe daylight saving time, YRT does not.
constexpr std::string_view kAirports =
    "YVR,08:00,00:45,Y,"
    "YRT,06:00,00:20,N,"
    "YYZ,05:00,01:00,Y,";

const DayNumber kMarch8 = ToDayNumber({8, 3, 2026});
const DayNumber kNovember1 = ToDayNumber({1, 11, 2026});
const DaylightSavingPeriod kPeriod{kMarch8, kNovember1};

TEST(AirportTransportTime, ReadsTheFieldOrFallsBackToHalfAnHour) {
  EXPECT_EQ(AirportTransportTime(kAirports, "YVR"), 45);
  EXPECT_EQ(AirportTransportTime(kAirports, "YYZ"), 60);
  EXPECT_EQ(AirportTransportTime(kAirports, "LHR"), kDefaultTransportTime);
  EXPECT_EQ(AirportTransportTime(kAirports, "YV"), kDefaultTransportTime);
}

TEST(BaseObservesDaylightSaving, OnlyAnNFlagOfTheBaseSaysNo) {
  EXPECT_TRUE(BaseObservesDaylightSaving("YVR320CA", kAirports));
  EXPECT_FALSE(BaseObservesDaylightSaving("YRT320CAV", kAirports));
  EXPECT_TRUE(BaseObservesDaylightSaving("LHR320CAV", kAirports));
  EXPECT_TRUE(BaseObservesDaylightSaving("YR", kAirports));
  EXPECT_TRUE(BaseObservesDaylightSaving("", kAirports));
  // A table cut short after the code reads no flag.
  EXPECT_TRUE(BaseObservesDaylightSaving("YRT", "YRT,06:00,"));
}

TEST(TimeZoneDifference, BothObservingGivesThePlainDifference) {
  const DayNumber july1 = ToDayNumber({1, 7, 2026});
  EXPECT_EQ(TimeZoneDifference(kAirports, "YYZ", kPeriod, july1, 600, "YVR", ""), 180);
  EXPECT_EQ(TimeZoneDifference(kAirports, "YYZ", kPeriod, july1, 600, "YVR", "YVR"), 0);
  EXPECT_EQ(TimeZoneDifference(kAirports, "YYZ", kPeriod, july1, 600, "YYZ", "YVR"), -180);
}

TEST(TimeZoneDifference, OneHourCorrectionStartsAndEndsAtTwoInTheMorning) {
  const auto diff = [](DayNumber date, int time, std::string_view airport,
                       std::string_view reference) {
    return TimeZoneDifference(kAirports, "YVR", kPeriod, date, time, airport, reference);
  };
  // Only the airport observes: one hour less inside the period.
  EXPECT_EQ(diff(kMarch8 - 1, 1439, "YVR", "YRT"), 120);
  EXPECT_EQ(diff(kMarch8, 119, "YVR", "YRT"), 120);
  EXPECT_EQ(diff(kMarch8, 120, "YVR", "YRT"), 60);
  EXPECT_EQ(diff(kNovember1, 119, "YVR", "YRT"), 60);
  EXPECT_EQ(diff(kNovember1, 120, "YVR", "YRT"), 120);
  // Only the reference observes: one hour more inside.
  EXPECT_EQ(diff(kMarch8, 120, "YRT", "YVR"), -60);
  EXPECT_EQ(diff(kNovember1, 120, "YRT", "YVR"), -120);
  // The base as reference.
  EXPECT_EQ(diff(kMarch8 + 10, 600, "YRT", ""), -60);
}

TEST(TimeZoneDifference, SummerTimeAtAStationWithoutDaylightSavingReachesTheBaseClock) {
  // Regina keeps UTC-6 all year; Toronto is UTC-5 in winter and UTC-4 in
  // summer. 10:00 in Regina is 16:00 UTC: 11:00 in Toronto in January,
  // 12:00 in July.
  const DayNumber january15 = ToDayNumber({15, 1, 2026});
  const DayNumber july15 = ToDayNumber({15, 7, 2026});
  const auto toronto = [](DayNumber date, std::string_view airport) {
    return 600 + TimeZoneDifference(kAirports, "YYZ", kPeriod, date, 600, airport, "");
  };
  EXPECT_EQ(toronto(january15, "YRT"), 660);
  EXPECT_EQ(toronto(july15, "YRT"), 720);
  // And back: 10:00 in Toronto in July is 08:00 in Regina.
  EXPECT_EQ(600 + TimeZoneDifference(kAirports, "YRT", kPeriod, july15, 600, "YYZ", ""), 480);
}

TEST(TimeZoneDifference, UnknownOrMalformedCodesGiveMinusOne) {
  const DayNumber july1 = ToDayNumber({1, 7, 2026});
  EXPECT_EQ(TimeZoneDifference(kAirports, "YVR", kPeriod, july1, 0, "LHR", ""), kUnknownAirport);
  EXPECT_EQ(TimeZoneDifference(kAirports, "YVR", kPeriod, july1, 0, "YYZ", "LHR"), kUnknownAirport);
  EXPECT_EQ(TimeZoneDifference(kAirports, "YVR", kPeriod, july1, 0, "YYZZ", ""), kUnknownAirport);
  // A descriptor too short to name the base.
  EXPECT_EQ(TimeZoneDifference(kAirports, "YV", kPeriod, july1, 0, "YYZ", ""), kUnknownAirport);
  EXPECT_EQ(TimeZoneDifference("", "YVR", kPeriod, july1, 0, "YYZ", ""), kUnknownAirport);
}

TEST(TimeZoneDifference, DocumentFormUsesItsTableBaseAndChangeDates) {
  auto doc = std::make_unique<TDocument>();
  doc->AirportDetails = std::string(kAirports);
  doc->FileDescriptor = "YRT320FAV";
  doc->cal.DstStartDate = kMarch8;
  doc->cal.DstEndDate = kNovember1;
  // Only YYZ observes: inside the period it is two hours ahead of the base.
  EXPECT_EQ(TimeZoneDifference(*doc, kMarch8, 120, "YYZ", ""), -120);
  EXPECT_EQ(TimeZoneDifference(*doc, kMarch8, 119, "YYZ", ""), -60);
}

}  // namespace
}  // namespace lumora
