#pragma once
// The two safety copies of a schedule besides its own file: the backup the
// scheduler writes to a folder of his choice (often a memory stick), and the
// ".BAK" copy written next to the file every ten minutes while it has unsaved
// changes. Both are schedule files; both leave the document modified, since
// its own file is still out of date.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/dialog_model.h"

namespace lumora {

class EventLog;
class SettingsStore;
class TDocument;
class Ui;

// Timer ticks between two automatic backups (of 30 seconds each).
inline constexpr std::uint8_t kAutoBackupTicks = 20;

// The stem of the file part of `fileName`: the name without its folder, cut
// at its last "."; the whole file part when it has no ".".
std::string FileStem(std::string_view fileName);

// "STEM.LM2", or with the date and time "STEM D M YYYY at HHMM .LM2", so that
// each dated backup is a new file.
std::string BackupFileName(std::string_view documentFile, bool dated, const LocalDateTime& now);

// The ".BAK" copy's name: the document's file with its extension replaced;
// nothing when the file part has no extension.
std::optional<std::filesystem::path> AutoBackupPath(std::string_view documentFile);

// Writes the document to `target` as a schedule file and leaves it modified.
bool WriteBackup(TDocument& doc, const std::filesystem::path& target, Ui& ui, EventLog& log);

// One tick of the backup timer: counts down and, every kAutoBackupTicks, writes
// the ".BAK" copy of a named, modified document whose blocks are shown. Only
// the event log tells of it. Returns whether a copy was written.
bool AutoBackupTick(TDocument& doc, bool autoSaveOn, Ui& ui, EventLog& log);

// "Backup File": the folder to write to and whether the name carries the
// date and time; OK writes the backup.
class BackupDialog final : public DialogModel {
 public:
  static constexpr std::string_view kCaption = "Backup File";
  static constexpr std::string_view kPrompt =
      "Select the location where you wish to backup the current file to.";
  static constexpr std::string_view kDatedCheck =
      "New File on each backup. Will not overwrite last backup";
  static constexpr std::string_view kChooseButton = "Select another Location";
  static constexpr std::string_view kNoLocation =
      "You must select a location to backup the file or Cancel";
  static constexpr std::string_view kFolderFileName = "Select a Directory for Backup Files.lm2";
  static constexpr std::string_view kFilter = "LM2 Files(*.lm2)|*.lm2";

  // Opens on the last backup's folder (when it still exists) and choice.
  BackupDialog(TDocument& doc, SettingsStore& settings, const Clock& clock, EventLog& log);

  std::string_view title() const override { return kCaption; }
  bool accept(Ui& ui) override;

  std::string location;
  bool dated = true;

  // "Select another Location": the folder of the file the save dialog names.
  void chooseLocation(Ui& ui);

  // Where OK writes, from the fields as they are.
  std::filesystem::path target() const;

 private:
  TDocument& doc_;
  SettingsStore& settings_;
  const Clock& clock_;
  EventLog& log_;
};

}  // namespace lumora
