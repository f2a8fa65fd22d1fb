#include "shell/preferences_dialog.h"

#include <algorithm>
#include <array>

#include "platform/captions.h"
#include "platform/settings_catalogue.h"
#include "platform/settings_store.h"
#include "platform/ui.h"

namespace lumora {

namespace {

struct BoxControl {
  int id;
  bool PreferencesDialog::*field;
  const SettingKey* key;  // with its default as the dialog shows it
  std::string_view label;
};

const std::array<BoxControl, 11> kBoxes{{
    {PreferencesDialog::kGridBox, &PreferencesDialog::grid, &kGrid, " Display Grid for Weekdays"},
    {PreferencesDialog::kLayoversBox, &PreferencesDialog::layovers, &kLayovers,
     " Display Layover Points"},
    {PreferencesDialog::kShowFullPairBox, &PreferencesDialog::showFullPair, &kShowFullPair,
     " Display Full Pairing Number"},
    {PreferencesDialog::kShowFullLayOverBox, &PreferencesDialog::showFullLayOver, &kShowFullLayOver,
     " Display Full Layover Points"},
    {PreferencesDialog::kAutoSaveBox, &PreferencesDialog::autoSave, &kAutoSave,
     " Auto Save a .BAK File (10 Mins)"},
    {PreferencesDialog::kRemindBackupBox, &PreferencesDialog::remindBackup, &kRemindBackup,
     "Remind me to Backup File"},
    {PreferencesDialog::kPrintXesBox, &PreferencesDialog::printXes, &kPrintXesInDialog,
     " Print Day Off Requests"},
    {PreferencesDialog::kHoldCtrlKeyBox, &PreferencesDialog::holdCtrlKey, &kHoldCtrlKey,
     " Hold Ctrl Key to Remove Pairings"},
    {PreferencesDialog::kAllowIllegalBox, &PreferencesDialog::allowIllegal, &kAllowIllegal,
     " Allow Illegal Assignments"},
    {PreferencesDialog::kDebugFileBox, &PreferencesDialog::debugFile, &kDebugFile,
     "Log Events to C:\\LMDebug.txt"},
    {PreferencesDialog::kDisableFtpBox, &PreferencesDialog::disableFtp, &kDisableFtp,
     "Disable FTP Data Transfer"},
}};

const BoxControl* FindBox(int id) {
  for (const BoxControl& box : kBoxes) {
    if (box.id == id) return &box;
  }
  return nullptr;
}

// The padding in use, as its two-digit edit shows it.
std::string EditText(int padding) {
  const int shown = std::clamp(padding, 0, 99);
  return {static_cast<char>('0' + shown / 10), static_cast<char>('0' + shown % 10)};
}

std::string_view Typed(const std::string& edit) {
  return std::string_view(edit).substr(0, PreferencesDialog::kPaddingDigits);
}

}  // namespace

PreferencesDialog::PreferencesDialog(SettingsStore& store, StartupSettings& display,
                                     bool eventLogOpen)
    : store_(store), display_(display), eventLogOpen_(eventLogOpen) {
  for (const BoxControl& box : kBoxes) this->*box.field = ReadSettingFlag(store, *box.key);
  // The paddings the grid is laid out with, not the stored texts: a text the
  // start reads otherwise (one digit, none) would change the grid on an OK
  // that changed nothing.
  xPadding = EditText(display.paddings.x);
  yPadding = EditText(display.paddings.y);
}

std::string_view PreferencesDialog::label(int controlId) {
  if (const BoxControl* box = FindBox(controlId)) return box->label;
  switch (controlId) {
    case kXPaddingEdit:
      return "Horizontal  Whitespace";
    case kYPaddingEdit:
      return "Vertical  Whitespace";
    case kFontButton:
      return "Font...";
    case kColorsButton:
      return "Colors...";
    default:
      return {};
  }
}

std::string PreferencesDialog::shownLabel(int controlId) const {
  if (controlId == kDebugFileBox && !logFile.empty()) return "Log Events to " + logFile;
  return std::string(label(controlId));
}

bool* PreferencesDialog::box(int controlId) {
  const BoxControl* box = FindBox(controlId);
  return box != nullptr ? &(this->*box->field) : nullptr;
}

bool PreferencesDialog::checked(int controlId) const {
  const BoxControl* box = FindBox(controlId);
  return box != nullptr && this->*box->field;
}

std::string* PreferencesDialog::edit(int controlId) {
  if (controlId == kXPaddingEdit) return &xPadding;
  if (controlId == kYPaddingEdit) return &yPadding;
  return nullptr;
}

GridPaddings PreferencesDialog::paddings() const {
  return {PaddingFromText(xPadding), PaddingFromText(yPadding)};
}

bool PreferencesDialog::accept(Ui& ui) {
  const PreferencesOutcome outcome = ok(store_, display_.switches, eventLogOpen_, ui);
  display_.switches = outcome.switches;
  display_.paddings = outcome.paddings;
  return true;
}

PreferencesOutcome PreferencesDialog::ok(SettingsStore& store, const ShellSwitches& current,
                                         bool eventLogOpen, Ui& ui) const {
  PreferencesOutcome outcome;
  for (const BoxControl& box : kBoxes) {
    outcome.saved &= WriteSettingFlag(store, *box.key, this->*box.field);
  }

  ShellSwitches& s = outcome.switches;
  s = current;
  s.grid = grid;
  s.layovers = layovers;
  s.autoSave = autoSave;
  s.showFullPair = showFullPair;
  s.showFullLayOver = showFullLayOver;
  s.holdCtrlKey = holdCtrlKey;

  // The log is opened or dropped only at start; say so when the box asks
  // for something else.
  if (debugFile && !current.debugFile && !eventLogOpen) {
    ui.message("Debug File will not be saved until Lumora is Restarted", kAppCaption,
               Icon::Information);
  } else if (!debugFile && current.debugFile && eventLogOpen) {
    ui.message("Debug File will continue to be saved until Lumora is Restarted", kAppCaption,
               Icon::Information);
  }
  s.debugFile = debugFile;

  outcome.paddings = paddings();
  outcome.saved &= WriteSetting(store, kXPaddingAtStart, Typed(xPadding));
  outcome.saved &= WriteSetting(store, kYPaddingAtStart, Typed(yPadding));
  return outcome;
}

GridPaddings PreferencesDialog::fontChosen(GridFontChoice& fonts, const FontDescription& chosen,
                                           bool flightAttendantFile, SettingsStore& store) const {
  fonts.ok(chosen, flightAttendantFile, store);
  return paddings();
}

}  // namespace lumora
