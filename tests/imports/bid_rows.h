#pragma once
// Rows of a pilot bids file for tests: a bid with plausible fields that a
// test changes where it cares.

#include <array>
#include <cstdio>
#include <string>

namespace lumora::testing {

struct BidRow {
  explicit BidRow(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%06d", number);
    f[1] = text;
    f[2] = "Jean";
    f[3] = "Tremblay";
    f[4] = "jt@example.com";
    f[5] = "514-555-0101";
    f[6] = "514-555-0102";
    f[18] = "18";
    f[19] = "12";
    f[20] = "Pairings";
    f[34] = "2027-01-12";
  }
  BidRow& set(int field, std::string value) {
    f[static_cast<std::size_t>(field)] = std::move(value);
    return *this;
  }

  // The row with its end mark and a CR LF.
  std::string text() const {
    std::string row = "\"";
    for (std::size_t k = 1; k <= 34; ++k) row += f[k] + "\",\"";
    return row + stamp + "\",\"end_x_bid\"\r\n";
  }

  std::array<std::string, 35> f;
  std::string stamp = "14:32:07";
};

}  // namespace lumora::testing
