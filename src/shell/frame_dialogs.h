#pragma once
// The small dialogs of the application frame whose contents are fixed: the
// shared notes of a file, the keyboard shortcuts and the about box. The
// front end only shows them.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/dialog_model.h"

namespace lumora {
struct CommandContext;
}

namespace lumora {

class TDocument;

// "Shared Notes for File": one multi-line box showing the document's shared
// notes.
class FileNotesDialog final : public DialogModel {
 public:
  static constexpr const char* kTitle = "Shared Notes for File";
  static constexpr std::size_t kMaxLength = 31999;

  explicit FileNotesDialog(TDocument& doc);

  std::string_view title() const override { return kTitle; }

  const std::string& text() const { return text_; }
  // What the user typed; the box takes no more than kMaxLength characters.
  void setText(std::string_view text);

  // OK: the box's text becomes the shared notes. A change marks the document
  // modified, so that closing asks before notes are lost.
  bool accept(Ui& ui) override;

 private:
  TDocument& doc_;
  std::string text_;
};

// A title, its lines one under the other, and OK.
class FixedTextDialog final : public DialogModel {
 public:
  FixedTextDialog(std::string title, std::vector<std::string> lines)
      : title_(std::move(title)), lines_(std::move(lines)) {}

  std::string_view title() const override { return title_; }
  const std::vector<std::string>& lines() const { return lines_; }
  bool accept(Ui&) override { return true; }

 private:
  std::string title_;
  std::vector<std::string> lines_;
};

// The keyboard-shortcuts dialog, one line per key., each marked "(not available)" while its command
// does nothing here.
FixedTextDialog KeyboardShortcutsText(const CommandContext& context);

// The about box; `version` is the program's version ("0.1.0").
// `logFile` is where the event log is written, for the support note.
FixedTextDialog AboutText(std::string_view version, std::string_view logFile = {});

}  // namespace lumora
