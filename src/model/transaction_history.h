#pragma once
// The pairing transaction history: every assignment and removal, newest
// first, so that the newest can be undone. It travels with the schedule file
// in a fixed-width text form.

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lumora {

struct TransactionRecord {
  static constexpr std::int32_t kRemove = 0;
  static constexpr std::int32_t kAssign = 1;

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

// "%04d" with the number of records, then "%02d%04d%04d%04d" (kind, day, crew,
// pairing) per record, newest first.
std::string ToHistoryText(const TransactionHistory& history);

// Replaces the history with the records of the text, in their order. Only the
// complete 14-character groups present are read, and never more than the
// history holds, whatever count the text claims.
void FromHistoryText(std::string_view text, TransactionHistory& history);

}  // namespace lumora
