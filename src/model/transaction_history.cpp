#include "model/transaction_history.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "model/time_text.h"

namespace lumora {

namespace {

constexpr std::size_t kCountWidth = 4;
constexpr std::size_t kKindWidth = 2;
constexpr std::size_t kFieldWidth = 4;
constexpr std::size_t kRecordWidth = kKindWidth + 3 * kFieldWidth;

}  // namespace

TransactionRecord ProposalMarker(std::int32_t serial, std::size_t count) {
  const auto capped = static_cast<std::int32_t>(std::min<std::size_t>(count, 99'999'999));
  return TransactionRecord{TransactionRecord::kProposal, serial, capped / 10'000, capped % 10'000};
}

std::size_t ProposalMarkerCount(const TransactionRecord& marker) {
  if (marker.crew < 0 || marker.pairing < 0) return 0;
  return static_cast<std::size_t>(marker.crew) * 10'000 + static_cast<std::size_t>(marker.pairing);
}

namespace {

// Serials differ between runs so that a marker saved by an earlier run is
// unlikely to name a group of this one; a mismatch in count catches the rest.
std::int32_t FirstSerial() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return static_cast<std::int32_t>(ticks % 9'999) + 1;
}

}  // namespace

ProposalGroups::ProposalGroups() : nextSerial_(FirstSerial()) {}

std::int32_t ProposalGroups::push(std::span<const TransactionRecord> records) {
  const std::size_t count = records.size();
  if (count == 0 || count > kRecordCapacity) return 0;
  auto end = [this] {
    return groups_ == 0 ? std::size_t{0} : group_[groups_ - 1].first + group_[groups_ - 1].count;
  };
  while (groups_ > 0 && (groups_ == kGroupCapacity || end() + count > kRecordCapacity))
    dropOldest();
  const std::size_t first = end();
  std::copy(records.begin(), records.end(), records_.begin() + static_cast<std::ptrdiff_t>(first));
  const std::int32_t serial = nextSerial_;
  nextSerial_ = nextSerial_ % 9'999 + 1;
  group_[groups_++] = Group{serial, first, count};
  return serial;
}

std::span<const TransactionRecord> ProposalGroups::newest(const TransactionRecord& marker) const {
  if (groups_ == 0 || marker.kind != TransactionRecord::kProposal) return {};
  const Group& g = group_[groups_ - 1];
  if (g.serial != marker.day || g.count != ProposalMarkerCount(marker)) return {};
  return {records_.begin() + static_cast<std::ptrdiff_t>(g.first), g.count};
}

void ProposalGroups::popNewest() {
  if (groups_ > 0) --groups_;
}

void ProposalGroups::dropOldest() {
  const std::size_t shift = group_[0].count;
  const std::size_t used = group_[groups_ - 1].first + group_[groups_ - 1].count;
  std::copy(records_.begin() + static_cast<std::ptrdiff_t>(shift),
            records_.begin() + static_cast<std::ptrdiff_t>(used), records_.begin());
  std::copy(group_.begin() + 1, group_.begin() + static_cast<std::ptrdiff_t>(groups_),
            group_.begin());
  --groups_;
  for (std::size_t i = 0; i < groups_; ++i) group_[i].first -= shift;
}

void TransactionHistory::add(const TransactionRecord& record) {
  // The oldest record falls off once the history is full, which is the same
  // as holding 202 and removing index 201.
  const std::size_t kept = std::min(size_, kCapacity - 1);
  std::copy_backward(records_.begin(), records_.begin() + static_cast<std::ptrdiff_t>(kept),
                     records_.begin() + static_cast<std::ptrdiff_t>(kept + 1));
  records_[0] = record;
  size_ = kept + 1;
}

bool TransactionHistory::appendOldest(const TransactionRecord& record) {
  if (size_ == kCapacity) return false;
  records_[size_++] = record;
  return true;
}

void TransactionHistory::removeNewest() {
  if (size_ == 0) return;
  std::copy(records_.begin() + 1, records_.begin() + static_cast<std::ptrdiff_t>(size_),
            records_.begin());
  --size_;
}

std::string ToHistoryText(const TransactionHistory& history) {
  std::string text;
  text.reserve(kCountWidth + history.size() * kRecordWidth);
  // Room for the widest an int can print, so an out-of-range value can only
  // widen its group, never overrun the buffer.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%04d", static_cast<int>(history.size()));
  text += buffer;
  for (std::size_t i = 0; i < history.size(); ++i) {
    const TransactionRecord& r = history[i];
    std::snprintf(buffer, sizeof buffer, "%02d%04d%04d%04d", static_cast<int>(r.kind),
                  static_cast<int>(r.day), static_cast<int>(r.crew), static_cast<int>(r.pairing));
    text += buffer;
  }
  return text;
}

void FromHistoryText(std::string_view text, TransactionHistory& history) {
  history.clear();
  if (text.size() <= 1) return;
  const int claimed = LeadingInt(text.substr(0, kCountWidth));
  if (claimed <= 0 || text.size() < kCountWidth) return;
  const std::size_t present = (text.size() - kCountWidth) / kRecordWidth;
  const std::size_t count =
      std::min({static_cast<std::size_t>(claimed), present, TransactionHistory::kCapacity});
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view group = text.substr(kCountWidth + i * kRecordWidth, kRecordWidth);
    TransactionRecord record;
    record.kind = LeadingInt(group.substr(0, kKindWidth));
    record.day = LeadingInt(group.substr(kKindWidth, kFieldWidth));
    record.crew = LeadingInt(group.substr(kKindWidth + kFieldWidth, kFieldWidth));
    record.pairing = LeadingInt(group.substr(kKindWidth + 2 * kFieldWidth, kFieldWidth));
    history.appendOldest(record);
  }
}

}  // namespace lumora
