#pragma once
// The printed block sheet: a calendar grid of 28 crew members a page, draft
// or final, with the month's reserves and open flying after the last crew
// member. One object is one print run: it keeps its place from page to page.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/document.h"
#include "platform/printer.h"

namespace lumora {

class BlockViewSink;
class Ui;

struct BlockPrintOptions {
  bool draft = false;
  // "PrintXes": the day-off requests' labels in grey above the days.
  bool requests = false;
};

class TBlocksOut final : public Printout {
 public:
  static constexpr int kRowsPerPage = 28;
  static constexpr PageSpace kSpace{1050, 990};

  // `displayOrder` is the grid's order of crew members, which flight
  // attendants' sheets follow; the credits are worked out again through
  // `ui` and `views` as the grid does.
  TBlocksOut(TDocument& doc, std::span<const int> displayOrder, BlockPrintOptions options, Ui& ui,
             BlockViewSink& views);

  std::string title() const override;
  PageSpace space() const override { return kSpace; }
  int pageCount() override;
  void printPage(int page, Canvas& canvas) override;

  // The crew members this run prints, in print order (after pageCount()).
  std::span<const int> crewToPrint() const { return crew_; }

 private:
  void printHeads(int page, int rows, Canvas& canvas) const;
  void printCrewRow(int crew, int number, int y, Canvas& canvas);
  void printOpenFlying(int y, Canvas& canvas) const;

  TDocument& doc_;
  std::vector<int> order_;
  BlockPrintOptions options_;
  Ui& ui_;
  BlockViewSink& views_;

  std::vector<int> crew_;
  int pages_ = 0;
  std::size_t cursor_ = 0;
  int printed_ = 0;
  int lastPage_ = 0;
};

// The file part of the document's name, as the printouts' titles show it.
std::string PrintedFileName(const TDocument& doc);

}  // namespace lumora
