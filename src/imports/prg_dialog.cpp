#include "imports/prg_dialog.h"

#include <vector>

#include "imports/import_folders.h"
#include "platform/captions.h"
#include "platform/settings_catalogue.h"
#include "platform/ui.h"

namespace lumora {

void LoadPrgDialog::setBaseCode(std::string_view text) {
  baseCode_.clear();
  if (text.empty()) return;
  char c = text[0];
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (c >= 'A' && c <= 'Z') baseCode_ = std::string(1, c);
}

void LoadPrgDialog::setEqpCode(std::string_view text) {
  eqpCode_.clear();
  if (!text.empty() && text[0] >= '0' && text[0] <= '9') eqpCode_ = std::string(1, text[0]);
}

std::string LoadPrgDialog::prefix() const {
  return useManual_ ? baseCode_ + eqpCode_ : std::string();
}

bool LoadPrgDialog::allEquipment(CrewKind crew) const {
  return useManual_ ? eqpCode_.empty() : crew == CrewKind::FlightAttendants;
}

std::string LoadPrgDialog::StartFolder(const SettingsStore& settings) {
  return ImportStartFolder(settings, kLastPrgPath);
}

bool LoadPrgDialog::ok(TDocument& doc, const ImportServices& services,
                       const PrgCommandHooks& hooks) {
  loaded_ = false;
  if (useManual_ && baseCode_.empty()) {
    services.ui.message(kNoBaseCodeMessage, kAppCaption, Icon::Warning);
    return false;
  }
  if (hooks.closeViews) hooks.closeViews();

  FileDialogOptions options;
  options.title = std::string(kCaption);
  options.filter = std::string(kPrgFileFilter);
  options.startFolder = StartFolder(services.settings);
  const std::vector<std::string> files = services.ui.openFiles(options);
  if (!files.empty())
    loaded_ = LoadPrgPairings(doc, files.front(), prefix(), allEquipment(doc.crewKind()), services,
                              hooks.import);

  if (hooks.buildBlocks) hooks.buildBlocks();
  return true;
}

bool ThisMonthsPairings(TDocument& doc, const ImportServices& services,
                        const PrgCommandHooks& hooks, const PrgDialogRunner& runDialog) {
  LoadPrgDialog dialog;
  dialog.setOnOk([&] { return dialog.ok(doc, services, hooks); });
  if (runDialog) runDialog(dialog);
  if (hooks.scanLisFiles) hooks.scanLisFiles();
  return dialog.loaded();
}

}  // namespace lumora
