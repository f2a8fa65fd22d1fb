#include "rules/report_list_dialog.h"

#include "platform/captions.h"
#include "platform/clipboard.h"
#include "platform/ui.h"

namespace lumora {

std::string CrLfText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void ReportListDialog::copy(Clipboard& clipboard, Ui& ui) const {
  const bool copied = clipboard.setText(CrLfText(lines_));
  ui.message(copied ? kCopied : kCopyFailed, kAppCaption,
             copied ? Icon::Information : Icon::Warning);
}

}  // namespace lumora
