#pragma once
// The small dialogs of the application frame whose contents are fixed: the
// shared notes of a file, the keyboard shortcuts and the about box. The
// front end only shows them.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

class TDocument;

// "Shared Notes for File": one multi-line box showing the document's shared
// notes.
class FileNotesDialog {
 public:
  static constexpr const char* kTitle = "Shared Notes for File";
  static constexpr std::size_t kMaxLength = 31999;

  explicit FileNotesDialog(const TDocument& doc);

  const std::string& text() const { return text_; }
  // What the user typed; the box takes no more than kMaxLength characters.
  void setText(std::string_view text);

  // OK: the box's text becomes the shared notes. A change marks the document
  // modified, so that closing asks before notes are lost. Cancel is simply
  // not calling ok().
  void ok(TDocument& doc) const;

 private:
  std::string text_;
};

struct FrameDialogText {
  std::string title;
  std::vector<std::string> lines;
};

// The keyboard-shortcuts dialog, one line per key.
FrameDialogText KeyboardShortcutsText();

// The about box; `version` is the program's version ("0.1.0").
FrameDialogText AboutText(std::string_view version);

}  // namespace lumora
