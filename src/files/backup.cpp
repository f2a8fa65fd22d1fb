#include "files/backup.h"

#include <cstdio>
#include <system_error>

#include "files/schedule_file.h"
#include "model/document.h"
#include "platform/captions.h"
#include "platform/event_log.h"
#include "platform/settings_catalogue.h"
#include "platform/ui.h"

namespace lumora {

namespace {

std::string_view FilePart(std::string_view fileName) {
  const std::size_t slash = fileName.find_last_of('/');
  return slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
}

}  // namespace

std::string FileStem(std::string_view fileName) {
  const std::string_view part = FilePart(fileName);
  return std::string(part.substr(0, part.find_last_of('.')));
}

std::string BackupFileName(std::string_view documentFile, bool dated, const LocalDateTime& now) {
  std::string name = FileStem(documentFile);
  if (dated) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, " %d %d %d at %02d%02d ", now.day, now.month, now.year,
                  now.hour, now.minute);
    name += stamp;
  }
  return name + ".LM2";
}

std::optional<std::filesystem::path> AutoBackupPath(std::string_view documentFile) {
  // Only the file part's extension: a dot in a folder name is not one, and
  // cutting there would write the copy into another folder.
  const std::string_view part = FilePart(documentFile);
  const std::size_t dot = part.find_last_of('.');
  if (dot == std::string_view::npos) return std::nullopt;
  const std::size_t end = documentFile.size() - part.size() + dot;
  return std::filesystem::path(std::string(documentFile.substr(0, end)) + ".BAK");
}

bool WriteBackup(TDocument& doc, const std::filesystem::path& target, Ui& ui, EventLog& log) {
  const bool written = SaveFile(doc, target, kScheduleFile, ui, log);
  doc.Modified = 1;
  return written;
}

bool AutoBackupTick(TDocument& doc, bool autoSaveOn, Ui& ui, EventLog& log) {
  if (!autoSaveOn) return false;
  if (doc.AutoSaveCountdown > 0) --doc.AutoSaveCountdown;
  if (doc.AutoSaveCountdown != 0) return false;
  doc.AutoSaveCountdown = kAutoBackupTicks;
  // DocState 3: no document, the reduced menu.
  if (doc.Untitled || !doc.Modified || !doc.BlocksShown || doc.DocState == 3) return false;

  log.write("BackupTimerTrigger\n");
  const std::optional<std::filesystem::path> target = AutoBackupPath(doc.FileName);
  if (!target) {
    log.write("Backup Timer Failed FileData FileName data missing\n");
    return false;
  }
  const bool written = WriteBackup(doc, *target, ui, log);
  log.write("BackupTimerFinish\n");
  return written;
}

BackupDialog::BackupDialog(TDocument& doc, SettingsStore& settings, const Clock& clock,
                           EventLog& log)
    : doc_(doc), settings_(settings), clock_(clock), log_(log) {
  // The stored default names a drive letter: it, or a folder that has gone
  // (a stick no longer plugged in), leaves the choice to the user.
  const std::string stored = ReadSetting(settings_, kLastBackupPath);
  std::error_code error;
  if (std::filesystem::is_directory(stored, error)) location = stored;
  dated = ReadSettingFlag(settings_, kLastBackupDateTimeOpt);
}

void BackupDialog::chooseLocation(Ui& ui) {
  FileDialogOptions options;
  options.title = std::string(kCaption);
  options.filter = std::string(kFilter);
  options.startFolder = location;
  options.defaultName = std::string(kFolderFileName);
  const std::optional<std::string> chosen = ui.saveFile(options);
  if (!chosen || chosen->empty()) return;
  location = std::filesystem::path(*chosen).parent_path().string();
}

std::filesystem::path BackupDialog::target() const {
  return std::filesystem::path(location) / BackupFileName(doc_.FileName, dated, clock_.now());
}

bool BackupDialog::accept(Ui& ui) {
  if (location.size() < 3) {
    ui.message(kNoLocation, kAppCaption, Icon::Error);
    return false;
  }
  WriteBackup(doc_, target(), ui, log_);
  WriteSetting(settings_, kLastBackupPath, location);
  WriteSettingFlag(settings_, kLastBackupDateTimeOpt, dated);
  return true;
}

}  // namespace lumora
