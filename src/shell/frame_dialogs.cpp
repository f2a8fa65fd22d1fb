#include "shell/frame_dialogs.h"

#include <optional>

#include "model/document.h"
#include "platform/captions.h"
#include "shell/command_table.h"

namespace lumora {

FileNotesDialog::FileNotesDialog(TDocument& doc) : doc_(doc) {
  // A file written elsewhere may hold more than the box shows.
  setText(doc.SharedNotes);
}

void FileNotesDialog::setText(std::string_view text) {
  text_.assign(text.substr(0, kMaxLength));
}

bool FileNotesDialog::accept(Ui&) {
  if (doc_.SharedNotes == text_) return true;
  doc_.SharedNotes = text_;
  doc_.Modified = 1;
  return true;
}

FixedTextDialog KeyboardShortcutsText(const CommandContext& context) {
  struct Line {
    std::optional<ShellKey> key;  // none: the grid's own keys, always there
    const char* text;
  };
  static constexpr Line kLines[] = {{ShellKey::F1, "F1  Undo"},
                                    {ShellKey::F2, "F2  Filter Blocks On/Off"},
                                    {ShellKey::F3, "F3 / Tab  Filter Pairings On/Off"},
                                    {ShellKey::F4, "F4  Show / Hide Pairing Window"},
                                    {ShellKey::F5, "F5  Show / Hide Toolbox"},
                                    {ShellKey::F6, "F6  Filter Pairings Window"},
                                    {ShellKey::F7, "F7  Filter Employees Dialog"},
                                    {ShellKey::F8, "F8  Backup"},
                                    {ShellKey::F9, "F9  Global Info"},
                                    {std::nullopt, "Esc  Hold down to display All Credits"},
                                    {std::nullopt, "Up / Down Arrow  Scroll Block Window"},
                                    {ShellKey::Equals, "=   Generate Pairing Report to Clipboard"},
                                    {std::nullopt, "<-- View Last Month while Pressed"}};
  // A key whose command does nothing in this program, or is not built yet,
  // says so rather than leave the user pressing it.
  const auto available = [&context](ShellKey key) {
    const CommandInfo* command = FindCommand(CommandForKey(key, context));
    if (command == nullptr) return false;
    if (command->implementation == Implementation::Partly)
      return context.doc == nullptr || command->builtFor(context);
    return command->implementation == Implementation::Built;
  };
  std::vector<std::string> lines;
  for (const Line& line : kLines) {
    std::string text = line.text;
    if (line.key && !available(*line.key)) text += "  (not available)";
    lines.push_back(std::move(text));
  }
  return {"Lumora Keyboard Shortcuts", std::move(lines)};
}

FixedTextDialog AboutText(std::string_view version, std::string_view logFile) {
  const std::string log = logFile.empty() ? std::string("the event log")
                                          : "the event log (" + std::string(logFile) + ")";
  return {"About Lumora",
          {kAppCaption, "Version " + std::string(version),
           "Monthly crew blocks for one crew base and crew category.",
           "Support: switch on \"Log Events\" in Setup Preferences, restart Lumora, repeat what "
           "went wrong and send " +
               log + " with a short description to your support contact."}};
}

}  // namespace lumora
