// The generator's bids file read by the program's bids reader: every bid of
// the captains and first officers is found by its pilot's number and cut
// into its fields; flight attendants have no bids file.

#include "samples/bids_writer.h"

#include <gtest/gtest.h>

#include "imports/pilot_bids.h"
#include "samples/world.h"

namespace lumora::samples {
namespace {

TEST(BidsFile, EveryBidIsFoundAndReadForItsPilot) {
  for (const Category category : {Category::Captain, Category::FirstOfficer}) {
    WorldOptions options;
    options.category = category;
    options.pairings = 60;
    const World world = BuildWorld(options);
    SCOPED_TRACE(CategoryCode(category));
    const std::string text = WriteBidsFile(world);
    ASSERT_TRUE(text.starts_with("\"EmpNo\",\"LastName\""));
    const BidFileIndex bids(text);
    int read = 0;
    for (const CrewMember& c : world.crew) {
      const auto bid = bids.bidFor(c.employeeNumber);
      if (!bid) continue;
      const std::optional<BidFields> fields = CutBidFields(*bid);
      ASSERT_TRUE(fields.has_value()) << c.employeeNumber;
      EXPECT_EQ(fields->field[3].size(), c.surname.size());
      EXPECT_EQ(fields->stamp.size(), 8U);
      ++read;
    }
    EXPECT_EQ(static_cast<std::size_t>(read), bids.size());
    EXPECT_GT(read * 10, static_cast<int>(world.crew.size()) * 8);
  }
  WorldOptions cabin;
  cabin.category = Category::FlightAttendant;
  cabin.pairings = 20;
  EXPECT_EQ(BidsFileName(BuildWorld(cabin)), "");
}

}  // namespace
}  // namespace lumora::samples
