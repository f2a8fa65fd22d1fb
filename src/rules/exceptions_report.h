#pragma once
// The list of the "Exceptions and Warnings Report": every crew member's
// exceptions and warnings under the normal rule checking, then under the old
// rule checking.

#include <string>
#include <vector>

#include "model/document.h"
#include "rules/report_list_dialog.h"

namespace lumora {

inline constexpr const char* kExceptionsReportCaption = "Lumora Exceptions and Warnings Report";

// Checks every block three times (normal, old rules, normal again, so that
// the findings left on the crew members are the normal ones) and returns the
// list lines, headings and empty lines included. Item lines read
// "%d  %s: " with the roster number and the name, then the item.
std::vector<std::string> ExceptionsReportLines(TDocument& doc);

// The report's dialog: its list is made when the dialog is, so the blocks are
// checked as it opens. OK and Cancel both only close it.
class ExceptionsReportDialog final : public ReportListDialog {
 public:
  static constexpr std::string_view kCopyText = "Copy to Windows Clipboard";

  explicit ExceptionsReportDialog(TDocument& doc)
      : ReportListDialog(kExceptionsReportCaption, ExceptionsReportLines(doc)) {}
  std::string_view copyText() const override { return kCopyText; }
};

}  // namespace lumora
