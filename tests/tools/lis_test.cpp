// The LIS files read back the way the LIS scan reads them.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "sample_reading.h"
#include "samples/lis_writer.h"
#include "samples/world.h"

namespace lumora::samples {
namespace {

using testing::LisScanText;

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

bool OperatesInMonth(const World& w, const Pairing& p) {
  return std::any_of(p.headerDates.begin(), p.headerDates.end(),
                     [&](int d) { return w.period.Contains(p.FirstDay(d)); });
}

void CheckListings(Category category) {
  SCOPED_TRACE(CategoryCode(category));
  WorldOptions o;
  o.category = category;
  o.pairings = 60;
  const World w = BuildWorld(o);
  const bool cabin = category == Category::FlightAttendant;
  const std::size_t offset = cabin ? 63 : 71;

  std::string all;
  std::vector<std::string> texts;
  for (const LisFile& f : WriteLisFiles(w)) {
    SCOPED_TRACE(f.name);
    EXPECT_NE(f.name.find("FEB"), std::string::npos);  // the scan asks about other names
    const std::string text = LisScanText(f.bytes);
    // The binary header is skipped without losing a listing.
    EXPECT_EQ(Count(text, "\r\nPAIRING M"), Count(f.bytes, "\r\nPAIRING M"));
    EXPECT_GT(Count(text, "\r\nPAIRING M"), 0u);
    texts.push_back(text);
    all += text;
  }
  ASSERT_GE(texts.size(), 4u);

  int incomplete = 0;
  int notFound = 0;
  int outsideTheMonth = 0;
  std::size_t markers = 0;
  for (const Pairing& p : w.pairings) {
    if (!p.selected) continue;
    const std::string key = p.Key();
    SCOPED_TRACE(key);
    for (const std::string& text : texts) EXPECT_LE(Count(text, key), 1u);
    const std::size_t at = all.rfind(key);
    outsideTheMonth += !OperatesInMonth(w, p);
    if (at == std::string::npos) {
      ++notFound;
      EXPECT_FALSE(OperatesInMonth(w, p));
      continue;
    }
    const std::size_t cad = all.find("MEALS CAD:", at);
    // The block ends at the first meals line after the key: a listing cut
    // short borrows none from the next file.
    if (cad == std::string::npos || all.find("PAIRING M", at + 1) < cad) {
      ++incomplete;
      continue;
    }
    const std::string block = all.substr(at, cad + 17 - at);
    EXPECT_EQ(block.back(), '\r');
    const std::size_t us = block.find("MEALS US:");
    ASSERT_NE(us, std::string::npos);
    EXPECT_EQ(us + 18, cad - at);
    // What the scan copies: 34 characters, removed again as 38 with "\n   ".
    EXPECT_EQ(block.size() - 1 - us, 34u);
    EXPECT_EQ(block.find("FRENCH") != std::string::npos, cabin && p.french);

    std::set<std::string> flights;
    for (const Duty& d : p.duties)
      for (const Leg& l : d.legs)
        if (l.kind == LegKind::Flight || l.kind == LegKind::Deadhead)
          flights.insert(
              std::string(4 - std::min<std::size_t>(4, std::to_string(l.flight).size()), ' ') +
              std::to_string(l.flight) + l.aircraft);
    for (const std::string marker : {"CRA [", "CRJ [", "DH1 [", "E75 ["}) {
      for (std::size_t m = block.find(marker); m != std::string::npos;
           m = block.find(marker, m + 1)) {
        ASSERT_GT(m, offset);
        EXPECT_TRUE(flights.count(block.substr(m - offset, 4) + marker.substr(0, 3)))
            << block.substr(m - offset, 4);
        ++markers;
      }
    }
  }
  EXPECT_EQ(incomplete, 1);  // the last listing of the month is cut short
  EXPECT_EQ(notFound, outsideTheMonth);
  EXPECT_EQ(notFound, 2);  // the pairings that operate only before or after the month
  EXPECT_GT(markers, 100u);
}

TEST(Lis, EveryListingIsABlockTheScanCanMark) {
  CheckListings(Category::Captain);
  CheckListings(Category::FlightAttendant);
}

TEST(Lis, TheTextStartsAfterANulAndEndsAtTheTrailer) {
  WorldOptions o;
  o.pairings = 30;
  for (const LisFile& f : WriteLisFiles(BuildWorld(o))) {
    EXPECT_EQ(f.bytes[kLisHeaderBytes - 1], '\0');
    EXPECT_NE(f.bytes.substr(0, kLisHeaderBytes).find('\0'), kLisHeaderBytes - 1);
    const std::size_t end = f.bytes.find('\0', kLisHeaderBytes);
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(f.bytes.substr(end - 2, 2), "\r\n");
  }
}

}  // namespace
}  // namespace lumora::samples
