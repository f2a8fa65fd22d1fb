#pragma once
// Why a pairing instance cannot go into a crew member's block: the rule that
// refuses it and what that rule measured ("60:40 in 7 days ending 12 Feb,
// limit 60:00"). The answer comes from the checks block building and the
// who-is-legal query run themselves, on the scratch slot, so it can never
// disagree with them; the document is left exactly as it was.

#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"

namespace lumora {

class Ui;

struct WhyNotReason {
  std::string rule;     // "Rest", "Day taken", or a new exception item as the rules wrote it
  std::string figures;  // what was measured; empty when the rule's words say it all
};

struct WhyNot {
  bool legal = false;
  std::vector<WhyNotReason> reasons;  // every refusal, the main one first
  // What does not refuse but is worth knowing: new warning items and the
  // day requests the instance would cover.
  std::vector<std::string> notes;

  const WhyNotReason* main() const { return reasons.empty() ? nullptr : &reasons.front(); }
};

// Whether pairing `pair` starting on day index `day` could go into crew member
// `crew`'s block and, if not, why. Refused outright: indexes out of range, no
// instance that day, a day of it taken, bidding reserve or a reserve line. An
// instance another crew member holds is refused and still checked against
// his block: the rest test of an assignment and the who-is-legal rest walk,
// every exception item the block check would add, and a block credit above
// the crew member's maximum.
WhyNot ExplainWhyNot(TDocument& doc, int crew, int pair, int day);

// "0815 on 12 Feb for 003 P Cname: not legal" and one line per reason
// ("Rest: rest 9:30 before 12 Feb, minimum 11:00"), then the notes.
std::string WhyNotText(const TDocument& doc, int crew, int pair, int day, const WhyNot& why);

// Both at once.
std::string ExplainWhyNotText(TDocument& doc, int crew, int pair, int day);

inline constexpr std::string_view kWhyNotCaption = "Lumora - Why Not?";

// The explanation as a message: what the who-is-legal dialog's "Why Not?..."
// and the grid's Shift + right click on an empty day show.
void ShowWhyNot(TDocument& doc, Ui& ui, int crew, int pair, int day);

}  // namespace lumora
