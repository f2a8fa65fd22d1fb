#pragma once
// Changes of the roster's order and membership. The roster order is the
// seniority order, and the transaction history refers to roster positions,
// so every change here empties the history.

#include <cstdint>
#include <string>

#include "model/document.h"

namespace lumora {

// The longest name a crew member may be given.
inline constexpr std::size_t kMaxCrewNameLength = 20;
// Employee numbers the roster accepts; 0 means none and may repeat.
inline constexpr std::int32_t kMaxEmpNumber = 999999999;

// A line holding another category's pairings ("CAPT PAIRINGS").
bool IsRosterPseudoLine(const TPilot& pilot);

// The crew members before the pseudo lines, which stay at the roster's end:
// the ones the roster dialogs list and change.
int ListedRosterSize(const TDocument& doc);

// The roster index of the crew member other than `except` holding the
// non-zero employee number `emp`, or -1.
int CrewWithEmpNumber(const TDocument& doc, std::int32_t emp, int except = -1);

// Moves the whole record at roster index `from` (blocks, other assignments,
// carry-in data, texts, duty-rule log) to index `to`; the records between
// shift by one. Day cells hold pairing indices, so no pairing changes.
void MoveRosterRecord(TDocument& doc, int from, int to);

// A new empty crew member at index `position` (0 to the roster size); those
// from there on move one place down. False, with nothing changed, when the
// roster is full or the position is outside it.
bool InsertCrewMember(TDocument& doc, int position, const std::string& name, std::int32_t emp);

// Sends every pairing instance the crew member holds back to open, removes
// him and closes the gap. False for an index outside the roster.
bool DeleteCrewMember(TDocument& doc, int crew);

}  // namespace lumora
