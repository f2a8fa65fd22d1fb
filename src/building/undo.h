#pragma once
// Undo of the newest pairing transaction, and the lines of the history list.

#include <string>
#include <vector>

#include "building/block_edit.h"

namespace lumora {

enum class UndoOutcome {
  NothingToUndo,  // the history was empty: a beep
  Undone,         // the change was reversed; it and its reversal left the history
  Refused,        // the reversal was refused: the message, and the record was dropped
};

// Reverses the newest record of the history through RemovePair or AssignPair
// (with the rest checks, so AssignPair may ask its questions). There is no
// redo.
UndoOutcome UndoLastTransaction(BlockEditContext& ctx);

inline constexpr const char* kHistoryDialogCaption =
    "Pairing Transaction History. Use F1 to Undo these Items";

// What F1 would undo, as the menu and the status bar name it: "assign 0294
// to C DUBE on 12 Feb" or "remove 0294 from C DUBE on 12 Feb"; empty when
// the history is.
std::string UndoDescription(const TDocument& doc);

// One line per record, newest first: "Assign" or "Remove", the pairing
// number, the date of the day and the crew member's name, tab-separated.
std::vector<std::string> HistoryLines(const TDocument& doc);

}  // namespace lumora
