#pragma once
// The list dialog's text: a caption and one text whose "."s end its lines.
// The imports collect their per-record problems this way and show them at
// the end; opening the dialog also puts its lines on the clipboard.

#include <string>
#include <string_view>
#include <vector>

namespace lumora {

class Clipboard;
class Ui;

// The text split at every "."; the "." itself is dropped and whatever follows
// the last one (possibly nothing) is the last line.
std::vector<std::string> SplitListText(std::string_view text);

// Every line followed by a line feed.
std::string ListClipboardText(const std::vector<std::string>& lines);

// Puts the lines on the clipboard ("Error Copying to Windows Clipboard." when
// that fails) and shows them under `caption`.
void ShowListDialog(Ui& ui, Clipboard& clipboard, std::string_view caption, std::string_view text);

}  // namespace lumora
