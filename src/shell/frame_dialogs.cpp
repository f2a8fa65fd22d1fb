#include "shell/frame_dialogs.h"

#include "model/document.h"
#include "platform/captions.h"

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

FixedTextDialog KeyboardShortcutsText() {
  return {
      "Lumora Keyboard Shortcuts",
      {"F1  Undo", "F2  Filter Blocks On/Off", "F3 / Tab  Filter Pairings On/Off",
       "F4  Show / Hide Pairing Window", "F5  Show / Hide Toolbox", "F6  Filter Pairings Window",
       "F7  Filter Employees Dialog", "F8  Backup", "F9  Global Info",
       "Esc  Hold down to display All Credits", "Up / Down Arrow  Scroll Block Window",
       "=   Generate Pairing Report to Clipboard", "<-- View Last Month while Pressed"}};
}

FixedTextDialog AboutText(std::string_view version) {
  return {"About Lumora",
          {kAppCaption, "Version " + std::string(version),
           "Monthly crew blocks for one crew base and crew category.",
           "Support: switch on \"Log Events\" in Setup Preferences, restart Lumora, repeat what "
           "went wrong and send the event log with a short description to your support "
           "contact."}};
}

}  // namespace lumora
