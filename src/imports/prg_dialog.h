#pragma once
// The dialog "Load Bornemann Pairings" and the command "This Month's
// Pairings..." that runs it. The user may name the pairings' base letter and
// equipment digit by hand instead of those of the document; OK closes the
// views, asks for the PRG file, loads it and rebuilds the blocks.

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "imports/import_services.h"
#include "imports/prg_import.h"
#include "model/document.h"
#include "platform/dialog_model.h"

namespace lumora {

// What the command asks of the shell; each may be left empty.
struct PrgCommandHooks {
  std::function<void()> closeViews;
  // BuildBlocks; runs after every OK, whatever the load gave.
  std::function<void()> buildBlocks;
  // The LIS scan, which runs after the dialog has closed, loaded or not.
  std::function<void()> scanLisFiles;
  PrgImportHooks import;
};

class LoadPrgDialog final : public DialogModel {
 public:
  static constexpr std::string_view kCaption = "Load Bornemann Pairings";
  static constexpr std::string_view kBaseCodeLabel = "Base Code";
  static constexpr std::string_view kBaseCodeHint =
      "Enter a Base Code for the Pairings you want to load. This is the First Letter of the "
      "Pairing Number. ";
  static constexpr std::string_view kEqpCodeLabel = "Eqp Code";
  static constexpr std::string_view kEqpCodeHint =
      "Enter the Eqp Code. Second Digit of Pairings. Leave empty for FA";
  static constexpr std::string_view kManualSettingsText =
      "Use these Manual Settings instead of previously designated";
  static constexpr std::string_view kNote =
      "Click OK to Load the Pairings. Only use settings above if nessasary";
  static constexpr std::string_view kNoBaseCodeMessage = "You have not entered a Base Code.";

  // The edits take one character: a letter (made upper case) for the base
  // code, a digit for the equipment; anything else leaves the edit empty.
  void setBaseCode(std::string_view text);
  void setEqpCode(std::string_view text);
  void setUseManualSettings(bool on) { useManual_ = on; }

  const std::string& baseCode() const { return baseCode_; }
  const std::string& eqpCode() const { return eqpCode_; }
  bool useManualSettings() const { return useManual_; }

  // The import's prefix and all-equipment flag for a document of `crew`:
  // with the manual settings the letter and digit, every equipment when the
  // digit is empty; without them no prefix, every equipment for flight
  // attendants only.
  std::string prefix() const;
  bool allEquipment(CrewKind crew) const;

  // The folder the file dialog starts in.
  static std::string StartFolder(const SettingsStore& settings);

  // OK. With the manual settings and no base code: the message, and false
  // (the dialog stays open). Otherwise closes the views, asks for the file,
  // loads it, rebuilds the blocks and returns true; `loaded` tells whether
  // pairings were loaded.
  bool ok(TDocument& doc, const ImportServices& services, const PrgCommandHooks& hooks);
  bool loaded() const { return loaded_; }

  std::string_view title() const override { return kCaption; }
  // What OK runs (ok() with the command's document and hooks); without it OK
  // just closes the dialog.
  void setOnOk(std::function<bool()> onOk) { onOk_ = std::move(onOk); }
  bool accept(Ui&) override { return onOk_ ? onOk_() : true; }

 private:
  std::function<bool()> onOk_;
  std::string baseCode_;
  std::string eqpCode_;
  bool useManual_ = false;
  bool loaded_ = false;
};

// Shows the dialog modally with its controls bound to `dialog`; its OK is
// dialog.accept().
using PrgDialogRunner = std::function<void(LoadPrgDialog& dialog)>;

// The command "This Month's Pairings...": the dialog, whose OK loads the file
// (LoadPrgDialog::ok), then, once it has closed, the LIS scan. Returns
// whether pairings were loaded.
bool ThisMonthsPairings(TDocument& doc, const ImportServices& services,
                        const PrgCommandHooks& hooks, const PrgDialogRunner& runDialog);

}  // namespace lumora
