#pragma once
// The pairing transaction history: every assignment and removal, newest
// first, so that the newest can be undone. It travels with the schedule file
// in a fixed-width text form.

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/capacity.h"
#include "model/fixed_array.h"

namespace lumora {

struct TransactionRecord {
  static constexpr std::int32_t kRemove = 0;
  static constexpr std::int32_t kAssign = 1;
  // An accepted proposal, undone as one: `day` is the group's serial, `crew`
  // and `pairing` its assignment count in ten-thousands and units, so the
  // record keeps its four-digit fields.
  static constexpr std::int32_t kProposal = 2;

  std::int32_t kind = kRemove;
  std::int32_t day = 0;      // day index, 0 = first day of the month
  std::int32_t crew = 0;     // roster index
  std::int32_t pairing = 0;  // pairing index

  friend bool operator==(const TransactionRecord&, const TransactionRecord&) = default;
};

class TransactionHistory {
 public:
  // The newest records kept.
  static constexpr std::size_t kCapacity = 201;

  // Puts the record at index 0; the oldest beyond the capacity is dropped.
  void add(const TransactionRecord& record);
  // Puts the record after the oldest one; false (and nothing stored) when the
  // history is full. Used to rebuild the history oldest-last from its text.
  bool appendOldest(const TransactionRecord& record);
  // Drops index 0; nothing happens on an empty history.
  void removeNewest();
  void clear() { size_ = 0; }

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  // Index 0 is the newest record.
  const TransactionRecord& operator[](std::size_t index) const {
    assert(index < size_);
    return records_[index];
  }

 private:
  std::array<TransactionRecord, kCapacity> records_{};
  std::size_t size_ = 0;
};

// A proposal marker for the group `serial` of `count` assignments, and the
// count a marker carries.
TransactionRecord ProposalMarker(std::int32_t serial, std::size_t count);
std::size_t ProposalMarkerCount(const TransactionRecord& marker);

// The assignments behind the proposal markers of the history: far more than
// the history could hold as records. Kept in memory only, so a marker read
// from a file finds no group and cannot be undone. Groups stack up in the
// order they were accepted; undo only ever takes the newest.
class ProposalGroups {
 public:
  // Every open instance of a full month, and one group per history record.
  static constexpr std::size_t kRecordCapacity = std::size_t{kPairSlots} * kMonthDays;
  static constexpr std::size_t kGroupCapacity = TransactionHistory::kCapacity;

  ProposalGroups();

  // Stores a group and returns its serial (1 to 9999), or 0 when it is empty.
  // The oldest groups make room when the store is full; their markers then
  // find nothing.
  std::int32_t push(std::span<const TransactionRecord> records);
  // The newest group's records, when it is the one `marker` names; else empty.
  std::span<const TransactionRecord> newest(const TransactionRecord& marker) const;
  void popNewest();
  void clear() { groups_ = 0; }
  std::size_t groupCount() const { return groups_; }

 private:
  struct Group {
    std::int32_t serial = 0;
    std::size_t first = 0;
    std::size_t count = 0;
  };
  void dropOldest();

  FixedArray<TransactionRecord> records_{kRecordCapacity};
  std::array<Group, kGroupCapacity> group_{};
  std::size_t groups_ = 0;
  std::int32_t nextSerial_;
};

// "%04d" with the number of records, then "%02d%04d%04d%04d" (kind, day, crew,
// pairing) per record, newest first.
std::string ToHistoryText(const TransactionHistory& history);

// Replaces the history with the records of the text, in their order. Only the
// complete 14-character groups present are read, and never more than the
// history holds, whatever count the text claims.
void FromHistoryText(std::string_view text, TransactionHistory& history);

}  // namespace lumora
