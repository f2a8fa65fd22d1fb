#pragma once
// What the mouse does to the blocks in the block grid: dragging a pairing
// from one block to another, assigning the selected pairing with a click,
// locking a pairing in, sending one back to open with the right button, and
// asking why the selected pairing would not go into an empty day.
// The grid maps the pointer to a crew member and a day and forwards the
// button events here; this class holds no window of its own.

#include "building/block_edit.h"

namespace lumora {

class SettingsStore;

enum class MouseButton { Left, Middle, Right };

struct KeyState {
  bool ctrl = false;
  bool shift = false;
};

// Where a button event happened, as the grid's hit test gives it.
struct GridHit {
  enum class Area { None, Name, Day };
  Area area = Area::None;
  int crew = -1;  // roster index of the row
  int day = -1;   // block day of the column (Area::Day)

  static GridHit Day(int crew, int day) { return {Area::Day, crew, day}; }
  static GridHit Name(int crew) { return {Area::Name, crew, -1}; }
};

// The other parts a gesture hands over to. Defaults do nothing.
class GridGestureActions {
 public:
  virtual ~GridGestureActions() = default;

  // The toolbox is in placing mode: a click on an empty day places its code.
  virtual bool toolboxPlacing() const { return false; }
  virtual void placeToolboxCode(int /*crew*/, int /*day*/) {}
  virtual void openOtherAssignment(int /*crew*/, int /*day*/) {}
  virtual void openPairingText(int /*pair*/, int /*day*/) {}
  // Removes the other assignment on the day, asking unless Shift is held;
  // true when it was removed.
  virtual bool removeOtherAssignment(int /*crew*/, int /*day*/, bool /*shift*/) { return false; }
  virtual void openEmployeeInfo(int /*crew*/) {}
  virtual void openQuickEmployeeInfo(int /*crew*/) {}
  virtual void openMoveOnRoster(int /*crew*/) {}
  // A left click on a crew member's name: true when the bids window is
  // shown and took it (it selects his tab).
  virtual bool selectBidsTab(int /*crew*/) { return false; }
};

enum class GridCursor { Arrow, UpArrow };

class GridGestures {
 public:
  // Click-assignments counted before the backup reminder.
  static constexpr int kAssignsBeforeReminder = 80;

  GridGestures(BlockEditContext ctx, SettingsStore& settings, GridGestureActions& actions)
      : ctx_(ctx), settings_(settings), actions_(actions) {}

  void mouseDown(MouseButton button, const GridHit& hit, KeyState keys);
  // The cursor to show while the pointer moves.
  GridCursor mouseMove(const GridHit& hit) const;
  void mouseUp(MouseButton button, const GridHit& hit, KeyState keys);

  // A pairing is being dragged (the grid captures the mouse meanwhile).
  bool dragging() const;

  // While the grid shows the previous month instead, the mouse changes nothing.
  void setLastMonthOverlay(bool on) { lastMonthOverlay_ = on; }

 private:
  void endDrag();
  void dropOnRow(int target);
  void click(const GridHit& hit, KeyState keys);
  void clickAssign(int crew, int day, bool shift);
  void rightOnDay(int crew, int day, KeyState keys);
  // The cell's pairing when the day is one of the month and holds a valid one.
  int pairingInMonthCell(int crew, int day) const;
  void toggleLock(int crew, int day);

  BlockEditContext ctx_;
  SettingsStore& settings_;
  GridGestureActions& actions_;
  bool lastMonthOverlay_ = false;
};

}  // namespace lumora
