#pragma once
// The dialog "Lumora Preferences": display and behaviour switches, the two
// cell paddings, and the buttons that open the font and colour dialogs.

#include <string>
#include <string_view>

#include "platform/dialog_model.h"
#include "shell/grid_font.h"
#include "shell/startup_settings.h"

namespace lumora {

class SettingsStore;
class Ui;

struct PreferencesOutcome {
  // The switches to put in use at once: every one the dialog shows except
  // "Allow Illegal Assignments", which keeps its value.
  ShellSwitches switches;
  // The paddings to lay the grid out again with.
  GridPaddings paddings;
  // False when some value could not be written to the settings file.
  bool saved = true;
};

class PreferencesDialog final : public DialogModel {
 public:
  static constexpr std::string_view kTitle = "Lumora Preferences";

  // Control ids of the dialog resource.
  static constexpr int kGridBox = 500;
  static constexpr int kLayoversBox = 501;
  static constexpr int kShowFullPairBox = 515;
  static constexpr int kShowFullLayOverBox = 516;
  static constexpr int kAutoSaveBox = 502;
  static constexpr int kRemindBackupBox = 108;
  static constexpr int kPrintXesBox = 503;
  static constexpr int kHoldCtrlKeyBox = 105;
  static constexpr int kAllowIllegalBox = 106;  // shown disabled
  static constexpr int kDebugFileBox = 107;
  static constexpr int kDisableFtpBox = 109;
  static constexpr int kXPaddingEdit = 101;
  static constexpr int kYPaddingEdit = 102;
  static constexpr int kFontButton = 504;
  static constexpr int kColorsButton = 505;

  // The edits take this many digits.
  static constexpr std::size_t kPaddingDigits = 2;

  // Each box is checked when its key reads 1 (missing keys by their dialog
  // defaults); each edit shows its key's text, or "10" and "07" when that
  // text is shorter than two characters.
  // OK stores into `store` and puts the switches and paddings in use in
  // `display`; `eventLogOpen` tells whether the event log is.
  PreferencesDialog(SettingsStore& store, StartupSettings& display, bool eventLogOpen);

  std::string_view title() const override { return kTitle; }
  bool accept(Ui& ui) override;

  // The label of a control; empty for ids that have none.
  static std::string_view label(int controlId);
  // The label as the dialog shows it: the event-log box names the file the
  // log is really written to, once `logFile` is set.
  std::string shownLabel(int controlId) const;
  std::string logFile;
  static bool enabled(int controlId) { return controlId != kAllowIllegalBox; }

  // The check box with that id, or nothing for other ids.
  bool* box(int controlId);
  bool checked(int controlId) const;
  // The edit with that id, or nothing for other ids.
  std::string* edit(int controlId);

  // OK: writes every box as "1" or "0" and both edits as typed (their first
  // two characters). When "Log Events" is switched on while no event log is
  // open, or off while one is, says that this waits for the next start.
  // `current` are the switches in use, `eventLogOpen` whether the log is.
  PreferencesOutcome ok(SettingsStore& store, const ShellSwitches& current, bool eventLogOpen,
                        Ui& ui) const;

  // The font dialog's OK, from inside this dialog: the font is put in use and
  // stored, and the grid is laid out again with the paddings the edits show.
  GridPaddings fontChosen(GridFontChoice& fonts, const FontDescription& chosen,
                          bool flightAttendantFile, SettingsStore& store) const;

  // The paddings the edits show now.
  GridPaddings paddings() const;

  bool grid = false;
  bool layovers = false;
  bool showFullPair = false;
  bool showFullLayOver = false;
  bool autoSave = false;
  bool remindBackup = false;
  bool printXes = false;
  bool holdCtrlKey = false;
  bool allowIllegal = false;
  bool debugFile = false;
  bool disableFtp = false;
  std::string xPadding;
  std::string yPadding;

 private:
  SettingsStore& store_;
  StartupSettings& display_;
  bool eventLogOpen_;
};

}  // namespace lumora
