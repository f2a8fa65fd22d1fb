#pragma once
// The pilots' bids as the bidding form exports them: a header row, then one
// row per bid of double-quoted fields joined by "," that starts with the
// employee number (six digits) and ends with "end_x_bid", CR LF line ends.
// Each bid asks for guaranteed and personal days off, states pairings or
// reserve, and carries up to eight numbered requests: days off ("OFF 5-7,
// 12", "OFF WEEKENDS", a range over the turn of the month), pairings by
// their key ("M7123"), or words. Some pilots send no bid, one sends his
// twice, and flight attendants have no bids file.

#include <cstdint>
#include <string>
#include <vector>

#include "samples/calendar.h"
#include "samples/world.h"

namespace lumora::samples {

struct BidPilot {
  int employeeNumber = 0;
  std::string surname;
  char initial = 'A';
};

// The bids of `pilots` for the month, asking for the pairings `keys`
// ("M7123") by name; `missingPercent` of the pilots send none.
std::string WriteBids(const std::vector<BidPilot>& pilots, const MonthPeriod& period,
                      const std::vector<std::string>& keys, std::uint32_t seed,
                      int missingPercent = 8);

// "YULCRJCAbids.csv"; empty for flight attendants, who do not bid this way.
std::string BidsFileName(const World& world);
std::string WriteBidsFile(const World& world);

}  // namespace lumora::samples
