#include "views/grid_gestures.h"

#include <string>

#include "building/assign.h"
#include "building/block_figures.h"
#include "building/roster_bounds.h"
#include "model/document.h"
#include "platform/captions.h"
#include "platform/settings_catalogue.h"
#include "platform/settings_store.h"
#include "platform/ui.h"
#include "rules/why_not.h"

namespace lumora {

namespace {

constexpr const char* kBackupReminder =
    "You have assigned a lot of pairings without backing up your work. You should select Backup "
    "from the File menu to Backup the Current file to an external device such as a USB memory "
    "stick. This message may be disabled in Setup Preferences.";

bool IsPseudoLine(const TPilot& pilot) {
  return pilot.EmpNumber == -1;
}

bool IsBlockDay(int day) {
  return day >= 0 && day < kBlockDays;
}

}  // namespace

bool GridGestures::dragging() const {
  return ctx_.doc.view.gestureDay >= 0;
}

void GridGestures::endDrag() {
  DocumentViewState& view = ctx_.doc.view;
  view.gestureCrew = view.gestureDay = view.gesturePair = -1;
}

int GridGestures::pairingInMonthCell(int crew, int day) const {
  const TDocument& doc = ctx_.doc;
  if (!doc.isRosterIndex(crew) || day < 0 || day >= doc.monthDays()) return -1;
  const std::int32_t cell = doc.pilot(crew).DayCell[static_cast<std::size_t>(day)];
  return doc.isPairIndex(cell) ? cell : -1;
}

void GridGestures::toggleLock(int crew, int day) {
  std::uint8_t& locked = ctx_.doc.pilot(crew).DayLocked[static_cast<std::size_t>(day)];
  locked = locked != 0 ? 0 : 1;
  // The lock is saved with the file.
  ctx_.doc.Modified = 1;
  ctx_.views.cellsChanged(crew, day, 1);
}

void GridGestures::mouseDown(MouseButton button, const GridHit& hit, KeyState keys) {
  if (lastMonthOverlay_) return;
  TDocument& doc = ctx_.doc;
  if (button == MouseButton::Left) endDrag();
  if (!doc.isRosterIndex(hit.crew)) return;
  const TPilot& pilot = doc.pilot(hit.crew);

  if (hit.area == GridHit::Area::Name) {
    if (button == MouseButton::Left && actions_.selectBidsTab(hit.crew)) return;
    if (button == MouseButton::Right && !IsPseudoLine(pilot)) actions_.openMoveOnRoster(hit.crew);
    // Lines without an employee number of their own (pseudo lines) have none.
    if (button == MouseButton::Left && pilot.EmpNumber >= 0) actions_.openEmployeeInfo(hit.crew);
    return;
  }
  if (hit.area != GridHit::Area::Day || !IsBlockDay(hit.day)) return;

  switch (button) {
    case MouseButton::Left: {
      const int pair = pairingInMonthCell(hit.crew, hit.day);
      if (pair >= 0 && !IsPseudoLine(pilot)) {
        doc.view.gestureCrew = hit.crew;
        doc.view.gestureDay = hit.day;
        doc.view.gesturePair = pair;
      }
      break;
    }
    case MouseButton::Middle:
      if (pairingInMonthCell(hit.crew, hit.day) >= 0) toggleLock(hit.crew, hit.day);
      break;
    case MouseButton::Right:
      rightOnDay(hit.crew, hit.day, keys);
      break;
  }
}

GridCursor GridGestures::mouseMove(const GridHit&) const {
  return dragging() ? GridCursor::UpArrow : GridCursor::Arrow;
}

void GridGestures::mouseUp(MouseButton button, const GridHit& hit, KeyState keys) {
  if (button != MouseButton::Left) return;
  if (lastMonthOverlay_) {
    endDrag();
    return;
  }
  TDocument& doc = ctx_.doc;
  const bool onDay = hit.area == GridHit::Area::Day && doc.isRosterIndex(hit.crew);
  if (dragging() && onDay && hit.crew != doc.view.gestureCrew) {
    dropOnRow(hit.crew);
    endDrag();
    return;
  }
  endDrag();
  if (onDay && hit.day >= 0 && hit.day < doc.monthDays()) click(hit, keys);
}

void GridGestures::dropOnRow(int target) {
  TDocument& doc = ctx_.doc;
  const int source = doc.view.gestureCrew;
  const int day = doc.view.gestureDay;
  if (!doc.isRosterIndex(source) || !IsBlockDay(day)) return;
  TPilot& from = doc.pilot(source);
  if (from.DayLocked[static_cast<std::size_t>(day)] != 0) {
    ctx_.ui.message("Can't Drag a Locked in Pairing", kAppCaption, Icon::Error);
    return;
  }
  // The target's own day under the pointer does not matter: the pairing
  // keeps its start day.
  const int pair = from.DayCell[static_cast<std::size_t>(day)];
  if (RemovePair(ctx_, source, pair, day) == kRemoved &&
      AssignPair(ctx_, target, pair, day, false) != kAssigned) {
    AssignPair(ctx_, source, pair, day, false);
    ctx_.ui.beep();
  }
  const int monthLength = doc.monthLength();
  from.ComputeOnLeaveAllMonth(monthLength);
  doc.pilot(target).ComputeOnLeaveAllMonth(monthLength);
  CountDayBalance(doc, ctx_.views);
}

void GridGestures::click(const GridHit& hit, KeyState keys) {
  TDocument& doc = ctx_.doc;
  const TPilot& pilot = doc.pilot(hit.crew);
  const std::int32_t cell = pilot.DayCell[static_cast<std::size_t>(hit.day)];
  const int pair = pairingInMonthCell(hit.crew, hit.day);
  if (pair >= 0) {
    if (keys.ctrl) {
      toggleLock(hit.crew, hit.day);
    } else {
      actions_.openPairingText(pair, hit.day);
    }
  } else if (cell == kOtherAssignmentCell) {
    actions_.openOtherAssignment(hit.crew, hit.day);
  } else if (cell == kEmptyCell) {
    if (actions_.toolboxPlacing()) {
      actions_.placeToolboxCode(hit.crew, hit.day);
    } else if (!IsPseudoLine(pilot) && doc.view.selection.pair >= 0) {
      clickAssign(hit.crew, hit.day, keys.shift);
    }
  }
  CountDayBalance(doc, ctx_.views);
}

void GridGestures::clickAssign(int crew, int day, bool shift) {
  TDocument& doc = ctx_.doc;
  // The grid does not report a refusal: the cell simply stays as it was.
  AssignPair(ctx_, crew, doc.view.selection.pair, day, shift);
  if (++doc.AssignsSinceBackup > kAssignsBeforeReminder) {
    doc.AssignsSinceBackup = 0;
    if (ReadSettingFlag(settings_, kRemindBackup)) {
      ctx_.ui.message(kBackupReminder, kAppCaption, Icon::Information);
    }
  }
}

void GridGestures::rightOnDay(int crew, int day, KeyState keys) {
  TDocument& doc = ctx_.doc;
  TPilot& pilot = doc.pilot(crew);
  const auto d = static_cast<std::size_t>(day);
  const std::int32_t cell = pilot.DayCell[d];
  if (cell == kEmptyCell) {
    // With Shift and a pairing chosen in the pairing window, the question is
    // why a click here would not assign it.
    if (keys.shift && doc.view.selection.pair >= 0 && !IsPseudoLine(pilot))
      ShowWhyNot(doc, ctx_.ui, crew, doc.view.selection.pair, day);
    else
      actions_.openQuickEmployeeInfo(crew);
    return;
  }
  if (cell == kOtherAssignmentCell) {
    if (actions_.removeOtherAssignment(crew, day, keys.shift)) RightClickFollowUps(ctx_, crew);
    return;
  }
  const int pair = pairingInMonthCell(crew, day);
  if (pair < 0 || IsPseudoLine(pilot)) return;

  if (pilot.DayLocked[d] != 0) {
    if (ctx_.ui.ask("Do you want to Send it to Open anyway", "This Pairing is Locked In",
                    Buttons::YesNo, Icon::Question) != Answer::Yes) {
      return;
    }
    pilot.DayLocked[d] = 0;
    doc.Modified = 1;
    ctx_.views.cellsChanged(crew, day, 1);
  }
  // Ctrl is the key that skips the question here; Shift is for other
  // assignments.
  if (!keys.ctrl && ReadSettingFlag(settings_, kHoldCtrlKey)) {
    const TPair& pairing = doc.pair(pair);
    std::string text = "Confirm remove ";
    // An empty prefix adds no letter rather than ending the text.
    if (!pairing.Prefix.empty() && pairing.Prefix[0] != '\0') text += pairing.Prefix[0];
    text += std::to_string(pairing.Number) + " from " + ShownName(pilot) +
            ". Hold Ctrl Key down while Right Clicking to avoid this message";
    if (ctx_.ui.ask(text, kAppCaption, Buttons::YesNo, Icon::None) != Answer::Yes) return;
  }
  RemovePairByRightClick(ctx_, crew, day);
}

}  // namespace lumora
