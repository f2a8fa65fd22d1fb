#pragma once
// The crew complement of pairing instances: which instances fly with two
// captains (pilot files) or with an extra flight attendant on a purser
// pairing. A captains or flight-attendant file carries an assignable copy
// of each such instance after the imported pairings; a first officers file
// parks the instance on a pseudo crew line "CAPT PAIRINGS", because the
// second captain takes the first officer's seat.
//
// The dialog takes the whole complement apart when it opens (copies dropped,
// pseudo lines emptied) and builds it again from its selection when it
// closes, whichever way it closes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "building/block_edit.h"
#include "platform/dialog_model.h"

namespace lumora {

inline constexpr std::string_view kPseudoLineName = "CAPT PAIRINGS";
inline constexpr std::int32_t kPseudoLineNumber = -1;

// One instance the dialog lists.
struct ComplementLine {
  std::string text;  // " %c%04d   %-30s": pairing letter, number, date
  int pair = -1;
  int day = -1;
  int holder = -1;  // who held the copy (captains and flight-attendant files)
  bool selected = false;
};

class CrewComplementDialog final : public DialogModel {
 public:
  static constexpr std::string_view kCaption = "Change Crew Required for Pairings";
  static constexpr std::string_view kFaCaption = "Change FA Crew Required for Pairings";
  static constexpr std::string_view kNote = "Select All Pairings that have 2 Captains";
  static constexpr std::string_view kFaNote =
      "Select All PU Pairings that have an additional Flight Attendant";
  static constexpr std::string_view kDone = "Done";

  // Takes the document's complement apart into the list.
  explicit CrewComplementDialog(BlockEditContext ctx);
  CrewComplementDialog(const CrewComplementDialog&) = delete;
  CrewComplementDialog& operator=(const CrewComplementDialog&) = delete;
  ~CrewComplementDialog() override;

  std::string_view title() const override;
  std::string_view note() const;
  const std::vector<ComplementLine>& lines() const { return lines_; }
  // The line of the instance of `pair` on `day`, or -1.
  int lineOf(int pair, int day) const;
  void select(std::size_t line, bool on);

  // "Done" and the close box both build the complement from the selection.
  bool accept(Ui& ui) override;
  void cancel() override { apply(); }
  bool applied() const { return applied_; }

 private:
  void takeApart();
  void apply();
  void applyFirstOfficers();
  void applyCopies();

  BlockEditContext ctx_;
  std::vector<ComplementLine> lines_;
  bool applied_ = false;
};

// The marker word of the file's crew kind: "TWO CAPTS" or "EXTRA FA".
std::string_view ComplementMarkerWord(const TDocument& doc);

}  // namespace lumora
