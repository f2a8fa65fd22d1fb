#include "samples/toolbox_writer.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "sample_reading.h"
#include "samples/world.h"

namespace lumora::samples {
namespace {

using testing::SplitLines;

// "H:MM" with hours 0 to 23 when limited, as the toolbox reader parses times.
bool IsTime(const std::string& text, bool limitTo23) {
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos || colon == 0 || text.size() - colon != 3) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i != colon && !std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  return !limitTo23 || std::stoi(text.substr(0, colon)) <= 23;
}

void CheckToolbox(Category category) {
  SCOPED_TRACE(CategoryCode(category));
  WorldOptions o;
  o.category = category;
  o.pairings = 40;
  const World w = BuildWorld(o);
  const std::string file = WriteToolbox(w);
  ASSERT_GE(file.size(), 2u);
  EXPECT_EQ(file.substr(file.size() - 2), "\r\n");
  const std::vector<std::string> lines = SplitLines(file, "\r\n");
  ASSERT_GT(lines.size(), 5u);
  EXPECT_EQ(lines[0], "LMToolBox");
  const std::string kind = category == Category::FlightAttendant ? "Cabin" : "Pilot";
  const int entries = std::stoi(lines[4]);
  EXPECT_GE(entries, 25);
  std::size_t i = 5;
  for (int e = 0; e < entries; ++e, i += 13) {
    ASSERT_LT(i + 12, lines.size());
    SCOPED_TRACE(lines[i]);
    EXPECT_GE(lines[i].size(), 1u);
    EXPECT_LE(lines[i].size(), 3u);
    EXPECT_EQ(lines[i + 1], kind);
    EXPECT_EQ(lines[i + 2].size(), 2u);
    EXPECT_FALSE(lines[i + 3].empty());
    EXPECT_TRUE(IsTime(lines[i + 4], true));
    EXPECT_TRUE(IsTime(lines[i + 5], true));
    EXPECT_TRUE(IsTime(lines[i + 6], false));
    EXPECT_TRUE(IsTime(lines[i + 7], false));
    for (std::size_t f = 8; f <= 11; ++f) {
      EXPECT_TRUE(lines[i + f] == "Y" || lines[i + f] == "N") << lines[i + f];
    }
  }
  ASSERT_LT(i + 1, lines.size());
  const int airports = std::stoi(lines[i + 1]);
  i += 2;
  std::set<std::string> codes;
  for (int a = 0; a < airports; ++a, i += 8) {
    ASSERT_LT(i + 7, lines.size());
    SCOPED_TRACE(lines[i]);
    EXPECT_EQ(lines[i].size(), 3u);
    EXPECT_EQ(lines[i + 1].size(), 5u);
    EXPECT_EQ(lines[i + 2].size(), 5u);
    EXPECT_EQ(lines[i + 3].size(), 1u);
    EXPECT_TRUE(IsTime(lines[i + 1], true));
    EXPECT_TRUE(IsTime(lines[i + 2], true));
    codes.insert(lines[i]);
  }
  EXPECT_EQ(i, lines.size());
  EXPECT_GE(airports, 40);
  // Every station of the document's pairings, the base and the US ones included.
  for (const Pairing& p : w.pairings) {
    if (!p.selected) continue;
    for (const Duty& d : p.duties) {
      for (const Leg& l : d.legs) EXPECT_TRUE(codes.count(l.from) && codes.count(l.to));
    }
  }
}

TEST(Toolbox, ParsesBackWithItsFixedFieldWidths) {
  CheckToolbox(Category::Captain);
  CheckToolbox(Category::FlightAttendant);
}

}  // namespace
}  // namespace lumora::samples
