#include "imports/list_dialog_text.h"

#include "platform/captions.h"
#include "platform/clipboard.h"
#include "platform/ui.h"

namespace lumora {

std::vector<std::string> SplitListText(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t dot = text.find('.'); dot != std::string_view::npos;
       dot = text.find('.', start)) {
    lines.emplace_back(text.substr(start, dot - start));
    start = dot + 1;
  }
  lines.emplace_back(text.substr(start));
  return lines;
}

std::string ListClipboardText(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 1;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

void ShowListDialog(Ui& ui, Clipboard& clipboard, std::string_view caption, std::string_view text) {
  const std::vector<std::string> lines = SplitListText(text);
  if (!clipboard.setText(ListClipboardText(lines)))
    ui.message("Error Copying to Windows Clipboard.", kAppCaption, Icon::Error);
  ui.showList(caption, lines);
}

}  // namespace lumora
