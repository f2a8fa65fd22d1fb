#pragma once
// The two read-only summaries of the month's flying against its crew: the
// "Global Information" list and the pairing report copied to the clipboard.

#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "rules/report_list_dialog.h"

namespace lumora {

class Clipboard;
class Ui;

// Credit totals, open time, how far it reaches down the roster, averages of
// completed blocks and totals of other assignments.
std::vector<std::string> GlobalInfoLines(const TDocument& doc);

// Credit per pairing with a running total and how many pairings of each
// length start on each day; every line ended by a carriage return and a line
// feed.
std::string PairingReportText(const TDocument& doc);

// What "Print Pairing Report to Clipboard" copies: the report, two line
// feeds and the PRG import's segment summary.
std::string PairingReportClipboardText(const TDocument& doc);

// Copies it and tells the user.
void CopyPairingReport(const TDocument& doc, Clipboard& clipboard, Ui& ui);

class GlobalInfoDialog final : public ReportListDialog {
 public:
  static constexpr std::string_view kCaption = "Global Information";
  static constexpr std::string_view kCopyText = "Copy to Clipboard";

  explicit GlobalInfoDialog(const TDocument& doc)
      : ReportListDialog(std::string(kCaption), GlobalInfoLines(doc)) {}
  std::string_view copyText() const override { return kCopyText; }
};

}  // namespace lumora
