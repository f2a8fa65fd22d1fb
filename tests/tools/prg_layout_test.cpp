// The PRG records carry their fields in the columns the import reads them
// from. The columns are written out here, not taken from the writer.

#include <gtest/gtest.h>

#include <map>

#include "sample_reading.h"
#include "samples/prg_writer.h"
#include "samples/world.h"

namespace lumora::samples {
namespace {

using testing::Field;
using testing::ImportedPairing;
using testing::Number;
using testing::ReadAsImport;
using testing::SplitLines;

int DateField(const std::string& line, std::size_t pos) {
  return DayNumber(Number(line, pos, 4), Number(line, pos + 4, 2), Number(line, pos + 6, 2));
}

class PrgLayout : public ::testing::Test {
 protected:
  PrgLayout() {
    WorldOptions o;
    o.pairings = 60;
    world = BuildWorld(o);
    prg = WritePrg(world);
    for (ImportedPairing& p : ReadAsImport(prg, 'M', "72")) imported[p.key] = std::move(p);
  }

  // The first selected pairing that satisfies `want`.
  template <class Want>
  const Pairing& Find(Want want) const {
    for (const Pairing& p : world.pairings) {
      if (p.selected && want(p)) return p;
    }
    throw std::logic_error("no such pairing");
  }

  // The first line of a type in the pairing's first operating date.
  const std::string& Line(const Pairing& p, char type, int nth = 0) const {
    for (const std::string& line : imported.at(p.Key()).lines) {
      if (line[0] == type && nth-- == 0) return line;
    }
    throw std::logic_error("no such line");
  }

  World world;
  std::string prg;
  std::map<std::string, ImportedPairing> imported;
};

TEST_F(PrgLayout, HeaderFields) {
  const Pairing& p = Find([](const Pairing& x) { return x.exceptions.size() == 4; });
  const std::string& h = Line(p, '1');
  const Date first = DateOf(p.headerDates.front());
  const Date last = DateOf(p.headerDates.back());
  EXPECT_EQ(Field(h, 0, 6), "1" + p.Key());
  EXPECT_EQ(Number(h, 2, 4), p.number);
  EXPECT_EQ(Number(h, 19, 4), first.month * 100 + first.day);
  EXPECT_EQ(Number(h, 27, 4), last.month * 100 + last.day);
  EXPECT_EQ(Field(h, 31, 7), p.weekdays);
  for (std::size_t k = 0; k < 4; ++k) {
    const Date e = DateOf(p.exceptions[k]);
    EXPECT_EQ(Number(h, 38 + 4 * k, 4), e.month * 100 + e.day);
  }
  EXPECT_EQ(DateField(h, 70), p.headerDates.front());
  EXPECT_EQ(Number(h, 78, 4), p.Report());
  EXPECT_EQ(Number(h, 107, 5), p.Tafb());
  EXPECT_EQ(Field(h, 112, 1), p.spillOver ? "Y" : "N");
  EXPECT_EQ(Field(h, 113, 32), p.complement + std::string(32 - p.complement.size(), ' '));
  EXPECT_EQ(Number(h, 145, 4), p.requiredRest);
  for (std::size_t k = 0; k < 6; ++k) {
    int block = 0;
    for (const Duty& d : p.duties) block += d.Day() == static_cast<int>(k) ? d.Block() : 0;
    EXPECT_EQ(Number(h, 150 + 4 * k, 4), block) << k;
  }
  EXPECT_EQ(Number(h, 299, 4), p.credit);

  // Each further operating date repeats the header with its own date.
  const ImportedPairing& read = imported.at(p.Key());
  EXPECT_EQ(read.dates, static_cast<int>(p.headerDates.size()));
}

TEST_F(PrgLayout, FlightLegFields) {
  const Pairing& p = Find([](const Pairing& x) {
    return x.duties.front().legs.front().kind == LegKind::Flight && !x.midnight;
  });
  const int firstDay = p.headerDates.front();
  const Leg& leg = p.duties.front().legs.front();
  const std::string& l = Line(p, '2');
  const LocalMoment dep = ToLocal(world, leg.from, firstDay, leg.depart);
  const LocalMoment arr = ToLocal(world, leg.to, firstDay, leg.arrive);
  EXPECT_GE(l.size(), 80u);  // shorter flight legs drop out of the segment summary
  EXPECT_EQ(DateField(l, 7), firstDay);
  EXPECT_EQ(Number(l, 15, 4), leg.flight);
  EXPECT_EQ(Field(l, 28, 3) + Field(l, 43, 3), leg.from + leg.to);
  EXPECT_EQ(DateField(l, 31), dep.date);
  EXPECT_EQ(Number(l, 39, 4), dep.time);
  EXPECT_EQ(Number(l, 54, 4), arr.time);
  EXPECT_EQ(Field(l, 61, 1), " ");
  EXPECT_EQ(Number(l, 64, 4), leg.Minutes());

  const Pairing& dh = Find(
      [](const Pairing& x) { return x.duties.front().legs.front().kind == LegKind::Deadhead; });
  EXPECT_EQ(Field(Line(dh, '2'), 61, 1), "D");
}

TEST_F(PrgLayout, OtherCarrierAndOtherSegmentFields) {
  const auto legOf = [this](LegKind kind, const Pairing*& found) {
    found = &Find([kind](const Pairing& x) {
      for (const Duty& d : x.duties)
        for (const Leg& l : d.legs)
          if (l.kind == kind) return true;
      return false;
    });
    for (const Duty& d : found->duties)
      for (const Leg& l : d.legs)
        if (l.kind == kind) return l;
    return Leg{};
  };
  const Pairing* oc = nullptr;
  const Leg ocLeg = legOf(LegKind::OtherCarrier, oc);
  const int ocDay = oc->FirstDay(oc->headerDates.front());
  const std::string& four = Line(*oc, '4');
  EXPECT_GE(four.size(), 86u);
  EXPECT_EQ(DateField(four, 7), ocDay);
  EXPECT_EQ(Field(four, 18, 2), ocLeg.carrier);
  EXPECT_EQ(Number(four, 20, 5), ocLeg.flight);
  EXPECT_EQ(Field(four, 34, 3) + Field(four, 49, 3), ocLeg.from + ocLeg.to);
  EXPECT_EQ(Number(four, 60, 4), ToLocal(world, ocLeg.to, ocDay, ocLeg.arrive).time);
  EXPECT_EQ(Field(four, 83, 3), ocLeg.code);

  const Pairing* ground = nullptr;
  const Leg gLeg = legOf(LegKind::Ground, ground);
  const int gDay = ground->FirstDay(ground->headerDates.front());
  const std::string& five = Line(*ground, '5');
  EXPECT_EQ(Field(five, 18, 3), gLeg.code);
  EXPECT_EQ(Field(five, 29, 3) + Field(five, 44, 3), gLeg.from + gLeg.to);
  EXPECT_EQ(DateField(five, 32), ToLocal(world, gLeg.from, gDay, gLeg.depart).date);
  EXPECT_EQ(Number(five, 40, 4), ToLocal(world, gLeg.from, gDay, gLeg.depart).time);
  EXPECT_EQ(Number(five, 55, 4), ToLocal(world, gLeg.to, gDay, gLeg.arrive).time);
}

TEST_F(PrgLayout, DutyRecordFields) {
  const Pairing& p = Find([](const Pairing& x) {
    return x.duties.size() >= 2 && !x.midnight && x.duties.front().breakAfter < 0;
  });
  const Duty& d = p.duties.front();
  const int firstDay = p.headerDates.front();
  const std::string& l = Line(p, '3');
  EXPECT_EQ(DateField(l, 22), firstDay);
  EXPECT_EQ(Number(l, 30, 4), ToLocal(world, d.legs.front().from, firstDay, d.report).time);
  EXPECT_EQ(Number(l, 42, 4), ToLocal(world, d.legs.back().to, firstDay, d.release).time);
  EXPECT_EQ(Number(l, 47, 4), d.Length());
  EXPECT_EQ(Number(l, 51, 5), p.duties[1].report - d.release);
  EXPECT_EQ(Field(l, 56, 3), d.legs.back().to);
  EXPECT_EQ(Field(l, 59, 40), d.hotel + std::string(40 - d.hotel.size(), ' '));
  EXPECT_EQ(Field(l, 98, 1), " ");  // the display ends the remark with a line feed here
  EXPECT_EQ(Number(l, 114, 4), d.Block());
  EXPECT_EQ(Number(l, 122, 4), d.Sit());
  EXPECT_EQ(Number(l, 126, 4), d.credit);
  EXPECT_EQ(Number(l, 130, 4), d.Deadhead());
}

// What the import and the pairing validation need of every selected pairing:
// duty records dated within the trip, report times of the day, lengths and
// rests adding up to the time away from base, a layover remark on every
// duty period but the last, a blank one on the last.
TEST_F(PrgLayout, EveryPairingAddsUpTheWayTheImportReadsIt) {
  int badReports = 0;
  for (const auto& [key, read] : imported) {
    SCOPED_TRACE(key);
    const std::string& h = read.lines.front();
    const int report = Number(h, 78, 4) % 1440;
    const int tafb = Number(h, 107, 5);
    const int days = (report + tafb - 1) / 1440 + 1;
    const int firstDay = DateField(h, 70) + (report == 0 ? 1 : 0);
    int walked = 0;
    std::vector<const std::string*> duties;
    for (const std::string& l : read.lines) {
      if (l[0] != '3') continue;
      const int d = DateField(l, 22) - firstDay;
      EXPECT_GE(d, 0);
      EXPECT_LT(d, days);
      if (Field(l, 30, 2) == "  ") continue;  // a day without duty
      if (Number(l, 30, 4) > 1439) ++badReports;
      if (Number(l, 47, 4) == 0) {
        EXPECT_GT(Number(l, 51, 5), 0);  // a wait on duty
        continue;
      }
      walked += Number(l, 47, 4) + Number(l, 51, 5);
      duties.push_back(&l);
    }
    EXPECT_EQ(walked, tafb);
    ASSERT_FALSE(duties.empty());
    for (std::size_t i = 0; i + 1 < duties.size(); ++i) {
      EXPECT_NE(Field(*duties[i], 59, 15), std::string(15, ' '));
    }
    EXPECT_EQ(Field(*duties.back(), 59, 15), std::string(15, ' '));
    EXPECT_EQ(Number(*duties.back(), 51, 5), 0);
  }
  EXPECT_EQ(badReports, 1);  // the one written wrong on purpose
}

TEST_F(PrgLayout, EveryLineIsAKnownRecordOfItsLength) {
  const auto lines = SplitLines(prg);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front()[0], '1');
  const std::map<char, std::size_t> shortest = {
      {'1', 303}, {'2', 80}, {'3', 134}, {'4', 86}, {'5', 59}};
  for (const std::string& l : lines) {
    ASSERT_GE(l.size(), 3u);
    EXPECT_LE(l.size(), 999u);
    ASSERT_TRUE(shortest.count(l[0])) << l;
    EXPECT_GE(l.size(), shortest.at(l[0])) << l;
  }
}

}  // namespace
}  // namespace lumora::samples
