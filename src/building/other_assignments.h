#pragma once
// Other assignments on a day: a toolbox code (training, reserve, leave, ...)
// placed on an empty day of a block, its details changed in the "Other
// Assignment Details" dialog, or taken out again with the right button; and
// day-off requests, which mark a day without occupying it.

#include <cstdint>
#include <optional>
#include <string>

#include "building/block_edit.h"
#include "model/code_table.h"
#include "model/pilot.h"

namespace lumora {

enum class PlaceResult {
  Placed,          // the day holds the code
  RequestSet,      // the day carries the request number
  RequestCleared,  // the day's request number was taken off
  NotEmpty,        // the day holds a pairing or another code: nothing happens
  InsidePairing,   // the day lies inside a pairing that started earlier
  PseudoLine,      // a line of pairings flown by another crew category
  OutOfRange,      // no such crew member or no day of the month
  BadRequest,      // a request number that names no request
};

// The click on day `day` of crew member `crew` in placing mode, with `item`
// the toolbox's current item: a code fills the day, a request item toggles
// the day's request number. Ends with the block's refresh and the day balance.
PlaceResult PlaceToolboxItem(BlockEditContext& ctx, const ToolboxItem& item, int crew, int day);

// What placing a code writes into the day (0 to kBlockDays - 1) of a block,
// without the checks before and the refresh after: for callers that fill
// many days of empty blocks and rebuild the blocks once afterwards.
void WriteOtherAssignment(TPilot& pilot, int day, const ToolboxItem& item);

// The right click on a day holding an other assignment: asks "Confirm remove
// ..." unless Shift is held, then empties the day. True when it was removed;
// the caller then runs the right-click follow-ups (RightClickFollowUps), as
// for a pairing. No history entry: undo covers pairings only.
bool RemoveOtherAssignment(BlockEditContext& ctx, int crew, int day, bool shift);

// The dialog "Other Assignment Details" of one day's other assignment. The
// front end binds its controls to the fields; the times are texts as the
// user typed them.
class OtherAssDialog {
 public:
  // Nothing when the day does not hold an other assignment.
  static std::optional<OtherAssDialog> Open(const TDocument& doc, int crew, int day);

  int crew() const { return crew_; }
  int day() const { return day_; }

  // "%s Assignment Details" with the crew member's name.
  const std::string& caption() const { return caption_; }
  // The month's name and the calendar day: "Jul 14".
  const std::string& dateLine() const { return dateLine_; }
  // Shown, not edited.
  const std::string& code() const { return code_; }
  const std::string& crewTracCode() const { return crewTracCode_; }
  // "Count as a Day Off" is shown but never enabled.
  static constexpr bool kCountAsDayOffEnabled = false;

  // Edit fields, picture "##:##".
  std::string startText;     // "Time starting Work"
  std::string atWorkText;    // "Hours:Mins at Work"
  std::string creditText;    // "Credit"
  std::string hardTimeText;  // "Hard Time"
  // Check boxes.
  bool reserve = false;        // "Reserve"
  bool containsDuty = false;   // "Contains Duty"
  bool carsDuty = false;       // "CARS Duty"
  bool excludeCredit = false;  // "Exlcude Credit from Block"

  // OK: writes the fields back into the day's record. A time that does not
  // read is stored as 0 without a message; an empty start clears the time at
  // work too. The dialog always closes.
  void ok(TDocument& doc) const;

 private:
  OtherAssDialog() = default;

  int crew_ = -1;
  int day_ = -1;
  std::string caption_;
  std::string dateLine_;
  std::string code_;
  std::string crewTracCode_;
};

// After the details dialog closed, by OK or otherwise: the block checks, the
// block credit and the cell are refreshed and the document is marked changed.
void OtherAssDialogClosed(BlockEditContext& ctx, int crew, int day);

// Sets the crew member's leave-block mark from his day codes.
void UpdateLeaveBlockMark(TDocument& doc, int crew);

}  // namespace lumora
