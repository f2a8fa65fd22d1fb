#pragma once
// The thirteen colours the grid, the pairing window and the printed blocks
// are painted with; the preferences choose them, the views only read them.

#include <array>

#include "shell/platform/canvas.h"

namespace lumora {

inline constexpr int kColorCount = 13;
using DisplayColors = std::array<Rgb, kColorCount>;

// Positions in DisplayColors.
enum ColorIndex : int {
  kLowCreditPairings = 0,
  kMediumCreditPairings = 1,
  kHighCreditPairings = 2,
  kVeryHighCreditPairings = 3,
  kDutyTimeColor = 4,
  kRestTimeColor = 5,
  kPairOverRequestedDayOff = 6,
  kBlockHolderColor = 7,
  kReserveColor = 8,
  kBlkTotalInRange = 9,
  kBlkTotalOutsideRange = 10,
  kBlockWindowBackground = 11,
  kPairingWindowBackground = 12,
};

}  // namespace lumora
