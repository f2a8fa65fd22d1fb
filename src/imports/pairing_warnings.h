#pragma once
// The dialog "Pairing Warnings and Report": validates every pairing, lists
// the invalid ones with their messages, then a credit report per pairing.
// It opens after a PRG import, after the pairing editor, and from building
// the blocks at the first invalid pairing.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/dialog_model.h"

namespace lumora {

class TDocument;
class Ui;

// Runs ValidatePairing on every pairing and returns the dialog's lines.
std::vector<std::string> PairingWarningsLines(TDocument& doc);

// The table position of the pairing a line names by the number from its
// sixth character on (the "Pair %04d" lines), or -1.
int PairingOfLine(const TDocument& doc, std::string_view line);

class PairingValidateDialog final : public DialogModel {
 public:
  static constexpr std::string_view kCaption = "Pairing Warnings and Report";

  // Opens the pairing editor on a table position; empty while there is none.
  using EditPairing = std::function<void(int pairIndex)>;
  enum class DoubleClick { Beep, Edited };

  explicit PairingValidateDialog(TDocument& doc) : doc_(doc) { refresh(); }

  std::string_view title() const override { return kCaption; }
  bool accept(Ui&) override { return true; }

  const std::vector<std::string>& lines() const { return lines_; }
  // Validates again and rebuilds the list.
  void refresh() { lines_ = PairingWarningsLines(doc_); }

  // A double click on line `index`: edits the pairing it names and rebuilds
  // the list; a line that names no pairing (or no editor) only beeps.
  DoubleClick doubleClick(std::size_t index, Ui& ui, const EditPairing& edit);
  // The same with the editor the dialog was given.
  DoubleClick doubleClick(std::size_t index, Ui& ui) { return doubleClick(index, ui, edit_); }
  // The pairing editor a double click opens; none by default.
  void setEditor(EditPairing edit) { edit_ = std::move(edit); }

 private:
  TDocument& doc_;
  std::vector<std::string> lines_;
  EditPairing edit_;
};

// Shows the dialog's list modally (the hook of the PRG import).
void ShowPairingWarnings(TDocument& doc, Ui& ui);

}  // namespace lumora
