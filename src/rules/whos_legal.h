#pragma once
// Who could fly a pairing instance: the legal crew members (those whose
// block would gain an exception marked) and those whose pairing filter asks
// for that pairing number, and the dialog that assigns the instance to one
// of them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "building/block_edit.h"
#include "model/document.h"
#include "platform/dialog_model.h"
#include "rules/rule_results.h"

namespace lumora {

inline constexpr int kNotLegal = 0;
inline constexpr int kLegal = 1;
inline constexpr int kLegalWithException = 2;

// Whether pairing `pair` on day `day` could go into crew member `crew`'s
// block: kNotLegal when the day is taken, he bids reserve or a rest from his
// legal check-in on is too short (no daylight-saving correction, no
// pairing-specific rest); else kLegalWithException when the block check of
// the block with the pairing flags more exception days than his last one,
// kLegal otherwise. Works on the scratch crew slot and empties it again; no
// real crew member changes. Invalid indexes are not legal.
int TestLegalFor(TDocument& doc, int crew, int pair, int day);

// The first duty that the query's rest walk (TestLegalFor's) finds starting
// before the legal time the one before it left, with `pair` on `day`: its
// day (-1: every rest holds), by how much it is early and the rest owed
// (0 when the day is a day off that the previous duty runs into).
struct RestBreach {
  int day = -1;
  std::int64_t shortBy = 0;
  std::int64_t rest = 0;
};
RestBreach FirstRestBreach(const TDocument& doc, const TPilot& pilot, int pair, int day);

// The findings of the block check of crew member `crew`'s block with `pair`
// on `day` (as it is when either lies outside the month or the table), run
// on the scratch slot, which is emptied again; no real crew member changes.
// With `figures`, what the rules measured where they flagged a day.
struct ScratchFindings {
  std::string exceptions;
  std::string warnings;
  std::array<std::uint8_t, kBlockDays> exceptionDays{};
};
ScratchFindings CheckOnScratch(TDocument& doc, int crew, int pair, int day, RuleFigures* figures);

// Whether day `day` holds an open instance of pairing `pair`.
bool HasOpenInstance(const TDocument& doc, int pair, int day);

struct WhosLegalLists {
  std::string caption;               // "Lumora - %04d on %02d %s"
  std::vector<std::string> legal;    // "%03d %s" or "%03d Exception-> %s"
  std::vector<std::string> bidders;  // "%03d <<< %s" when also legal, else "%03d %s"
};
// Both lists for an instance (reserve lines are never listed as legal).
WhosLegalLists WhosLegalFor(TDocument& doc, int pair, int day);

// The "Who Is Legal" dialog. OK is its "Assign..." button.
class WhosLegalDialog final : public DialogModel {
 public:
  static constexpr std::string_view kLegalTitle = "Who Is Legal";
  static constexpr std::string_view kBiddersTitle = "Who Bid this Pairing Number";
  static constexpr std::string_view kAssignText = "Assign...";
  static constexpr std::string_view kNoSelection = "You have not Selected an Employee";
  static constexpr std::string_view kWhyNotText = "Why Not?...";

  // The lists are made once here and not refreshed after a refusal.
  WhosLegalDialog(BlockEditContext ctx, int pair, int day);

  std::string_view title() const override { return lists_.caption; }
  const std::vector<std::string>& legal() const { return lists_.legal; }
  const std::vector<std::string>& bidders() const { return lists_.bidders; }

  // Every crew member of the roster as "%03d %s": the legal list leaves most
  // out, and "Why Not?..." may ask about any of them.
  std::vector<std::string> crewChoices() const;
  // "Why Not?...": why the instance could not go into the block of roster
  // index `crew` (or that it could), as a message. Changes nothing.
  void whyNot(Ui& ui, int crew);

  // The line of the legal list selected (-1: none).
  void select(int line) { selected_ = line; }
  int selected() const { return selected_; }

  // "Assign...": assigns the instance to the selected crew member with the
  // rest checks; false (the dialog stays) without a selection or when the
  // assignment is refused, each with its message.
  bool accept(Ui& ui) override;

 private:
  BlockEditContext ctx_;
  int pair_;
  int day_;
  WhosLegalLists lists_;
  int selected_ = -1;
};

// The right click on a pairing instance (open or assigned): the dialog for
// it, modally.
void OpenWhosLegal(BlockEditContext& ctx, int pair, int day);

}  // namespace lumora
