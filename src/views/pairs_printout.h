#pragma once
// The visual pairings: the pairing window's layout on one page, a quick
// reference of the month's pairings by day with their layover stations and
// a star rating of their credit per day.

#include <string>

#include "model/document.h"
#include "platform/printer.h"

namespace lumora {

class TPairWin;

// Over every pairing instance of the month, the credit divided by the days
// spanned, as "%d:%02d"; "0:00" without instances.
std::string AveragePairCreditPerDay(const TDocument& doc);

class TPairsOut final : public Printout {
 public:
  static constexpr PageSpace kSpace{960, 1160};

  // `layout` is the pairing window's model as last laid out, so that its
  // filters and "Show Only Open Pairings" apply.
  TPairsOut(const TDocument& doc, const TPairWin& layout) : doc_(doc), layout_(layout) {}

  std::string title() const override;
  PageSpace space() const override { return kSpace; }
  int pageCount() override { return 1; }
  bool offersPageRange() const override { return false; }
  void printPage(int page, Canvas& canvas) override;

 private:
  const TDocument& doc_;
  const TPairWin& layout_;
};

}  // namespace lumora
