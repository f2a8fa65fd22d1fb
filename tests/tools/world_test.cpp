#include "samples/world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>

#include "sample_reading.h"
#include "samples/prg_writer.h"
#include "samples/random.h"

namespace lumora::samples {
namespace {

using testing::ComplementCount;
using testing::Field;
using testing::Number;
using testing::ReadAsImport;
using testing::SplitLines;

TEST(Calendar, DayNumbersWeekdaysAndMonthPeriods) {
  EXPECT_EQ(DayNumber(2000, 1, 1), 2451545);
  EXPECT_EQ(Weekday(2451545), 6);  // a Saturday
  EXPECT_EQ(MondayFirstWeekday(2451545), 5);
  for (int d = DayNumber(1999, 12, 25); d < DayNumber(2031, 1, 1); d += 37) {
    const Date date = DateOf(d);
    EXPECT_EQ(DayNumber(date.year, date.month, date.day), d);
  }
  // The first months of the year get 30 days (31 for a leap February).
  EXPECT_EQ(DefaultPeriod(2027, 1).last, DayNumber(2027, 1, 30));
  const MonthPeriod feb = DefaultPeriod(2027, 2);
  EXPECT_EQ(feb.Length(), 30);
  EXPECT_EQ(DefaultPeriod(2028, 2).Length(), 31);
  EXPECT_EQ(DefaultPeriod(2027, 3).first, DayNumber(2027, 3, 2));
  EXPECT_EQ(DefaultPeriod(2027, 12).Length(), 31);
  EXPECT_EQ(Ddmonyy(feb.first), "31JAN27");
  EXPECT_EQ(Yyyymmdd(feb.last), "20270301");
}

TEST(Calendar, DaylightSavingRunsFromSecondSundayOfMarchToFirstSundayOfNovember) {
  EXPECT_FALSE(InDaylightSaving(DayNumber(2027, 3, 13)));
  EXPECT_TRUE(InDaylightSaving(DayNumber(2027, 3, 14)));
  EXPECT_TRUE(InDaylightSaving(DayNumber(2027, 11, 6)));
  EXPECT_FALSE(InDaylightSaving(DayNumber(2027, 11, 7)));
  const Airport& regina = AirportByCode("YQR");
  EXPECT_EQ(OffsetWestOn(regina, DayNumber(2027, 7, 1)), 360);
  EXPECT_EQ(OffsetWestOn(AirportByCode("YUL"), DayNumber(2027, 7, 1)), 240);
}

TEST(Rng, DrawsStayInTheirRangeAndStreamsDiffer) {
  Rng rng(7);
  std::set<int> seen;
  for (int i = 0; i < 2000; ++i) seen.insert(rng.Uniform(-3, 3));
  EXPECT_EQ(seen, (std::set<int>{-3, -2, -1, 0, 1, 2, 3}));
  EXPECT_NO_THROW(rng.Uniform(INT_MIN, INT_MAX));
  EXPECT_EQ(rng.Step(300, 900, 5) % 5, 0);
  EXPECT_THROW(rng.Uniform(2, 1), std::logic_error);
  const int first = Rng::Stream(1, "trips").Uniform(0, 1 << 30);
  EXPECT_NE(first, Rng::Stream(1, "choices").Uniform(0, 1 << 30));
  EXPECT_NE(first, Rng::Stream(2, "trips").Uniform(0, 1 << 30));
}

// Reads the PRG of a world as its document's import does and counts the
// records it stores.
int StoredRecords(const World& w) {
  std::string digits;
  if (w.options.category != Category::FlightAttendant) {
    digits += w.fleet.digit;
    if (w.fleet.altDigit != 'X') digits += w.fleet.altDigit;
  }
  int records = 0;
  for (const auto& p : ReadAsImport(WritePrg(w), w.Letter(), digits)) {
    const std::string complement = Field(p.lines.front(), 113, 32);
    if (w.options.category == Category::FlightAttendant)
      records += ComplementCount(complement, "PU") + ComplementCount(complement, "FA");
    else
      records += ComplementCount(complement, w.options.category == Category::Captain ? "CA" : "FO");
  }
  return records;
}

TEST(World, TheImportStoresExactlyTheRequestedNumberOfRecords) {
  for (const Category category :
       {Category::Captain, Category::FirstOfficer, Category::FlightAttendant}) {
    for (const int n : {1, 17, 60}) {
      WorldOptions o;
      o.category = category;
      o.pairings = n;
      o.seed = static_cast<std::uint32_t>(n);
      SCOPED_TRACE(std::string(CategoryCode(category)) + " " + std::to_string(n));
      const World w = BuildWorld(o);
      EXPECT_EQ(w.SelectedCopies(), n);
      EXPECT_EQ(StoredRecords(w), n);
    }
  }
}

TEST(World, AnEquipmentOutsideTheImportsTableNumbersByItsOwnDigit) {
  WorldOptions o;
  o.equipment = "320";
  o.pairings = 20;
  const World w = BuildWorld(o);
  EXPECT_EQ(w.fleet.digit, '3');
  EXPECT_EQ(StoredRecords(w), 20);
  for (const Pairing& p : w.pairings) EXPECT_TRUE(!p.selected || p.Key().starts_with("M3"));
  o.equipment = "ABC";
  EXPECT_THROW(BuildWorld(o), std::invalid_argument);
  o.equipment = "CRJ";
  o.base = "XXX";
  EXPECT_THROW(BuildWorld(o), std::invalid_argument);
}

TEST(World, AFullTableUsesBothNumberSeriesWithoutNeighbouringRepeats) {
  WorldOptions o;
  o.pairings = kMaxPairings;
  const World w = BuildWorld(o);
  EXPECT_EQ(w.SelectedCopies(), kMaxPairings);
  // Equal numbers next to each other would merge into one pairing.
  for (std::size_t i = 1; i < w.pairings.size(); ++i)
    EXPECT_NE(w.pairings[i].Key(), w.pairings[i - 1].Key());
}

// Every record form and every deliberate oddity appears in a small sample.
TEST(World, ASmallSampleShowsEveryCase) {
  WorldOptions o;
  o.pairings = 40;
  const World w = BuildWorld(o);
  std::set<std::string> seen;
  for (const std::string& line : SplitLines(WritePrg(w))) {
    const auto mark = [&](bool when, const char* what) {
      if (when) seen.insert(what);
    };
    const bool ours = line[1] == 'M' && (line[2] == '7' || line[2] == '2');
    mark(!ours, line[1] == 'M' ? "other equipment" : "other base");
    if (!ours) continue;
    const char type = line[0];
    if (type == '1') {
      const std::string complement = Field(line, 113, 32);
      const int date = Number(line, 70, 8);
      mark(line[112] == 'Y', "spill-over");
      mark(Field(line, 78, 4) == "1440", "report 1440");
      mark(Field(line, 78, 4) == "0000", "report 0000");
      mark(complement.starts_with("CA02FO01"), "two captains");
      mark(ComplementCount(complement, "CA") == 0, "no captain");
      mark(Field(line, 31, 7) == "YYYYYYY", "every day");
      mark(std::count(line.begin() + 31, line.begin() + 38, 'Y') == 3, "3 days");
      mark(Number(line, 52, 2) > 0, "4 exceptions");
      mark(date < 20270131, "date before the month");
      mark(date > 20270301, "date after the month");
    }
    mark(type == '2' && line[61] == 'D', "deadhead");
    const bool duty = type == '3' && Field(line, 30, 2) != "  ";
    mark(type == '3' && !duty, "no duty data");
    mark(duty && Number(line, 47, 4) == 0, "crew on duty");
    mark(duty && Number(line, 30, 4) == 1440, "duty report 1440");
    mark(type == '4', "other carrier");
    mark(type == '5', "other segment");
  }
  for (const char* c : {"other base", "other equipment", "spill-over", "report 1440", "report 0000",
                        "two captains", "no captain", "every day", "3 days", "4 exceptions",
                        "date before the month", "date after the month", "deadhead", "no duty data",
                        "crew on duty", "duty report 1440", "other carrier", "other segment"})
    EXPECT_TRUE(seen.count(c)) << c;
  bool us = false;
  for (const Pairing& p : w.pairings)
    for (const Duty& d : p.duties)
      for (const Leg& l : d.legs) us = us || (p.selected && IsUs(AirportByCode(l.from)));
  EXPECT_TRUE(us);
}

TEST(World, TheCrewHasDistinctNumbersAndSeparatedQualifications) {
  WorldOptions o;
  o.pairings = 80;
  const World w = BuildWorld(o);
  ASSERT_GE(w.crew.size(), 8u);
  std::set<int> numbers;
  for (const CrewMember& c : w.crew) {
    EXPECT_TRUE(numbers.insert(c.employeeNumber).second);
    EXPECT_GE(c.employeeNumber, 100000);
    ASSERT_EQ(c.qualifications.size(), 12u);
    // "LA" followed by "RB" would read as "AR" too.
    for (std::size_t i = 2; i < 12; i += 3) EXPECT_EQ(c.qualifications[i], ' ');
  }
}

}  // namespace
}  // namespace lumora::samples
