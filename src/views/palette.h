#pragma once
// The thirteen colours the grid, the pairing window and the printed blocks
// are painted with; the preferences choose them, the views only read them.

#include <array>
#include <optional>

#include "platform/canvas.h"

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

// The bar colour of a pairing's training type on a day (1 Line Indoc, 2 Line
// Check, 3 Recurrent LCK), in the grid and in the pairing window alike;
// nothing for a normal day, which each view colours its own way.
inline std::optional<Rgb> TrainingTypeBarColor(int type) {
  switch (type) {
    case 1:
      return Rgb{102, 178, 255};
    case 2:
      return Rgb{255, 51, 153};
    case 3:
      return Rgb{196, 255, 128};
    default:
      return std::nullopt;
  }
}

}  // namespace lumora
