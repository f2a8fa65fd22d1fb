#include "building/french_cabin.h"

#include <vector>

#include "building/roster_bounds.h"

namespace lumora {

namespace {

// The cabin positions of one trip are the pairings sharing its number and
// prefix; a trip has at most this many besides the one being flown.
constexpr std::size_t kMaxSiblings = 10;

}  // namespace

bool IsFrenchQualified(const TPilot& pilot) {
  // "FR" is 1, "Med" 2, both 3: either counts.
  return (pilot.AgeMedFlags() & 3) != 0;
}

bool IsMarkedForCabinCheck(const TPilot& pilot) {
  return pilot.FaChecked == 0;
}

void ClearCabinCheckMarks(TDocument& doc) {
  const int count = doc.rosterSize();
  for (int crew = 0; crew < count; ++crew) doc.pilot(crew).FaChecked = 1;
}

FrenchCabinResult CheckFrenchCabin(TDocument& doc, int crew, int pair, int day) {
  FrenchCabinResult result;
  if (crew < 0 || crew >= kPilotSlots || !doc.isPairIndex(pair) || day < 0 || day >= kBlockDays) {
    return result;
  }
  const TPair& flown = doc.pair(pair);
  if (flown.DisplayText.find("FRENCH PAIRING") == std::string::npos) return result;
  if (IsFrenchQualified(doc.pilot(crew))) return result;

  std::vector<int> siblings;
  const int lastPair = doc.lastPairIndex();
  for (int q = 0; q <= lastPair && siblings.size() < kMaxSiblings; ++q) {
    const TPair& other = doc.pair(q);
    if (q != pair && other.Number == flown.Number && other.Prefix == flown.Prefix) {
      siblings.push_back(q);
    }
  }

  // Whoever of the two comes later in the roster for the last sibling ends
  // up as the other member: the walk keeps overwriting it.
  result.otherMember = crew;
  bool qualifiedHolder = false;
  std::size_t heldByUnqualified = 0;
  const int count = doc.rosterSize();
  const auto cellDay = static_cast<std::size_t>(day);
  for (const int sibling : siblings) {
    for (int k = 0; k < count; ++k) {
      if (k == crew) {
        result.otherMember = crew;
        continue;
      }
      TPilot& holder = doc.pilot(k);
      if (holder.DayCell[cellDay] != sibling) continue;
      holder.FaChecked = 0;
      result.otherMember = k;
      if (IsFrenchQualified(holder)) {
        qualifiedHolder = true;
      } else {
        ++heldByUnqualified;
      }
    }
  }
  // A position still open may yet go to a French-qualified member.
  result.passed = qualifiedHolder || heldByUnqualified < siblings.size();
  return result;
}

}  // namespace lumora
