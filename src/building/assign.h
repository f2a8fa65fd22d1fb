#pragma once
// Putting a pairing instance into a crew member's block and taking it out:
// the only two ways a pairing enters or leaves a block. Both keep the day
// cell, the instance's status and the transaction history in step and end
// with the same refresh of checks, credit and document-wide figures.

#include <array>
#include <cstdint>

#include "building/block_edit.h"
#include "model/capacity.h"

namespace lumora {

// Results of AssignPair. RemovePair shares 0 and 2 to 5 and uses 1 and 3 in
// its own sense (below).
inline constexpr int kAssigned = 0;
// The day is taken, the rest is too short, or a French or short-rest
// question was answered No.
inline constexpr int kAssignRefused = 1;
inline constexpr int kPairingNotOnDay = 2;
inline constexpr int kInstanceAssigned = 3;
inline constexpr int kCrewOutOfRange = 4;
inline constexpr int kPairingOutOfRange = 5;
inline constexpr int kReserveDeclined = 6;

inline constexpr int kRemoved = 0;
// The day cell does not hold that pairing.
inline constexpr int kCellHoldsNoPairing = 1;
inline constexpr int kInstanceOpen = 3;

// Assigns the instance of pairing `pair` that starts on day `day` to crew
// member `crew`. Unless `skipRestChecks`, the rest test, the French cabin
// rule and the short-rest question may refuse it; the bidding-reserve
// question is asked in any case. A refusal leaves the model untouched.
int AssignPair(BlockEditContext& ctx, int crew, int pair, int day, bool skipRestChecks);

// Sends the instance of `pair` on `day` in crew member `crew`'s block back to
// open. Never asks anything.
int RemovePair(BlockEditContext& ctx, int crew, int pair, int day);

// The grid's right-click removal, after its questions: the pairing on `day`
// leaves crew member `crew`'s block, its cabin siblings are checked again in
// flight-attendant files, and the right-click follow-ups run. False when the
// day holds no pairing.
bool RemovePairByRightClick(BlockEditContext& ctx, int crew, int day);

// What runs after any right-button change of a block (pairing or other
// assignment): credit, block-holder line, block filters, day balance, the
// block checks and the open time.
void RightClickFollowUps(BlockEditContext& ctx, int crew);

// CheckBlock for the crew member, then, in flight-attendant files, for every
// crew member the French cabin rule marked; the views are told.
void CheckBlockAndCabin(BlockEditContext& ctx, int crew);

// The block-holder marks of every crew slot. A change of one block moves the
// open time and with it the block-holder line, which can carry other crew
// members across it; the reserve-line rules read the mark, so their findings
// would go stale until the next full build.
using HolderMarks = std::array<std::uint8_t, kPilotSlots>;
HolderMarks HolderMarksOf(const TDocument& doc);

// Runs the block checks again for every crew member whose mark differs from
// `before`, but `checkedSince` (checked after the line moved, -1: none), and
// tells the views.
void RecheckAcrossHolderLine(BlockEditContext& ctx, const HolderMarks& before,
                             int checkedSince = -1);

}  // namespace lumora
