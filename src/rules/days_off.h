#pragma once
// The days-off figure of a crew member's block and the two colours the grid
// gives his days-off figure and his block credit.

#include "model/document.h"

namespace lumora {

// How a figure of the name column stands against the crew member's limits.
enum class TotalStatus { InRange, OutsideRange, Reserve };

// The month's days not worked, less leave units in pilot files.
int CountDaysOff(const TDocument& doc, int crew);

// Whether the days off meet what the crew member needs this month.
TotalStatus DaysOffStatus(const TDocument& doc, int crew);

// Whether the stored block credit lies within the crew member's limits.
TotalStatus CreditStatus(const TDocument& doc, int crew);

// Bidding reserve or below the block-holder line.
bool OnReserveLine(const TPilot& pilot);

}  // namespace lumora
