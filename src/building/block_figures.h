#pragma once
// The figures derived from the blocks after every change: a crew member's
// block credit, the credit still open in the month, the block-holder line
// and the day balance of the grid header.

#include <cstdint>
#include <string>

#include "model/document.h"

namespace lumora {

class BlockViewSink;
class Ui;

// The credit limits that apply to a crew member: his own minimum and maximum
// when he has them, else the document's; the target is the document's
// average, or the mean of his limits when he has an own one.
struct CreditLimits {
  std::int32_t minimum = 0;
  std::int32_t maximum = 0;
  std::int32_t target = 0;
};
CreditLimits CreditLimitsOf(const TDocument& doc, const TPilot& pilot);

// The block credit as stored on the crew member, in minutes.
std::int32_t BlockCreditOf(const TPilot& pilot);

// The credit a pairing instance starting on `day` brings into the month: its
// whole credit, or, when it runs past the month's end, only the credit of its
// days inside the month.
std::int64_t InstanceCreditInMonth(const TPair& pair, int day, int monthLength);

// Recomputes the block credit of crew member `crew` and stores it on him.
// `full` counts what is normally left out (excluded pairing and
// other-assignment credit, training at home of an "OutsideW" crew member).
// Returns the credit less the leave credit, which the block checks use.
std::int32_t RecalcBlockCredit(TDocument& doc, int crew, bool full, Ui& ui, BlockViewSink& views);

// The same for every crew member (the full-credit display of the grid).
void RecalcAllBlockCredits(TDocument& doc, bool full, Ui& ui, BlockViewSink& views);

// " TB %d:%02d": time bank and "TBB" credit of the whole roster.
std::string TimeBankText(const TDocument& doc);

struct OpenTime {
  std::int64_t open = 0;   // credit of the open instances
  std::int64_t total = 0;  // credit of every instance
};
OpenTime ComputeOpenTime(const TDocument& doc);
// "%04d:%02d" hours and minutes, as the open-time gauge shows it.
std::string OpenTimeText(std::int64_t open);

// Computes the open time, tells the views, and returns the open credit.
std::int64_t RefreshOpenTime(const TDocument& doc, BlockViewSink& views);

// Walks the roster to find how far the open credit `open` reaches and marks
// every crew member after the line as below it. Returns the roster index of
// the last crew member above the line (-1 when there is none).
int FindBlockHolderLine(TDocument& doc, std::int64_t open, BlockViewSink& views);
// The same, starting from the current open time.
int FindBlockHolderLine(TDocument& doc, BlockViewSink& views);

// Recomputes the day balance of the grid header (doc.view.dayBalance) and
// tells the views which days changed.
void CountDayBalance(TDocument& doc, BlockViewSink& views);

// What every change of a block ends with, in one walk over the pairings:
// the open time, the block-holder line after it and the day balance after
// that.
void RefreshDocumentFigures(TDocument& doc, BlockViewSink& views);

}  // namespace lumora
