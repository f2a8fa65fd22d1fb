#pragma once
// The two dialogs that change the roster: "EDIT ROSTER" (insert, delete and
// drag to reorder) and the move dialog of a crew member's name in the grid.
// Roster changes are immediate; neither dialog has anything to undo on
// Cancel.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "building/block_edit.h"
#include "model/document.h"
#include "platform/dialog_model.h"

namespace lumora {

// The field a refusal gives the focus back to.
enum class RosterField { None, Index, Name, EmpNumber, List };

class RosterDialog final : public DialogModel {
 public:
  static constexpr std::string_view kCaption = "EDIT ROSTER";
  static constexpr std::string_view kIndexLabel = "Index";
  static constexpr std::string_view kNameLabel = "Name";
  static constexpr std::string_view kEmpLabel = "Emp # 9 digits max";
  static constexpr std::string_view kInsertText = "Insert Employee";
  static constexpr std::string_view kDeleteText = "Delete Selected Employee";
  static constexpr std::string_view kAddFromFileText = "Add to roster From another Lumora File";
  static constexpr std::string_view kNote = "Note: Changing the Roster with Erase Undo Data";
  static constexpr int kIndexDigits = 4;
  static constexpr int kNameLength = 20;
  static constexpr int kEmpDigits = 10;

  explicit RosterDialog(TDocument& doc) : doc_(doc) {}

  std::string_view title() const override { return kCaption; }
  // OK closes; what was changed is changed already.
  bool accept(Ui&) override { return true; }

  // The three fields as typed.
  std::string indexText;
  std::string nameText;
  std::string empText;

  // "%03d   %s   %ld" per listed crew member (pseudo lines left out).
  std::vector<std::string> lines() const;
  // The selected line, -1 for none.
  int selected() const { return selected_; }
  void select(int row) { selected_ = row; }

  // "Insert Employee" and "Delete Selected Employee": true when the roster
  // changed; a refusal has shown its message and set focus().
  bool insert(Ui& ui);
  bool deleteSelected(Ui& ui);

  // Dragging the line `from` over the line `to`; `to` -1 is outside the list.
  void dragOver(int from, int to);
  // Dropping it there: true when the roster changed.
  bool drop(int from, int to);

  const std::string& status() const { return status_; }
  RosterField focus() const { return focus_; }
  // Whether any change was made while the dialog was open.
  bool changed() const { return changed_; }

 private:
  bool refuse(Ui& ui, std::string_view text, std::string_view caption, RosterField field);

  TDocument& doc_;
  int selected_ = -1;
  std::string status_;
  RosterField focus_ = RosterField::Index;
  bool changed_ = false;
};

class MoveEmployeeDialog final : public DialogModel {
 public:
  static constexpr std::string_view kCaption = "Lumora Move Employee on Roster";

  MoveEmployeeDialog(BlockEditContext ctx, int crew) : ctx_(ctx), crew_(crew) {}

  std::string_view title() const override { return kCaption; }
  // Moves the crew member to the selected position, if any.
  bool accept(Ui& ui) override;

  int crew() const { return crew_; }
  // "Select Position to Move %s to."
  std::string prompt() const;
  // "%03d %s" per listed crew member.
  std::vector<std::string> lines() const;
  void select(int row) { selected_ = row; }
  int selected() const { return selected_; }
  bool moved() const { return moved_; }

 private:
  BlockEditContext ctx_;
  int crew_;
  int selected_ = -1;
  bool moved_ = false;
};

// The right click on a crew member's name: the move dialog, then the block
// filters are applied again. False when nothing moved.
bool ShowMoveOnRoster(BlockEditContext ctx, int crew,
                      const std::function<void()>& reapplyBlockFilters);

}  // namespace lumora
