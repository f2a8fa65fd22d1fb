#include "shell/event_log_startup.h"

#include <cstdio>
#include <fstream>
#include <optional>
#include <string_view>
#include <system_error>

#include "model/time_text.h"
#include "platform/captions.h"
#include "platform/event_log.h"
#include "platform/settings_catalogue.h"
#include "platform/ui.h"
#include "shell/user_folders.h"

namespace lumora {

namespace {

constexpr std::string_view kNormalEndMark = "Termination";
constexpr int kMostNumberedNames = 1000;

// The dated name, or the first free numbered variant of it; nothing when all
// are taken.
std::optional<std::filesystem::path> FreeDatedPath(const std::filesystem::path& folder,
                                                   const LocalDateTime& time) {
  const std::string dated = DatedEventLogName(time);
  const std::string stem = dated.substr(0, dated.size() - 4);  // without ".txt"
  for (int n = 1; n <= kMostNumberedNames; ++n) {
    const std::filesystem::path candidate =
        folder / (n == 1 ? dated : stem + " (" + std::to_string(n) + ").txt");
    std::error_code error;
    const auto status = std::filesystem::symlink_status(candidate, error);
    if (status.type() == std::filesystem::file_type::not_found) return candidate;
  }
  return std::nullopt;
}

}  // namespace

std::filesystem::path LogFolderPath() {
  return ResolveUserFolder(EnvironmentValue("LUMORA_LOG_DIR"), EnvironmentValue("XDG_STATE_HOME"),
                           ".local/state", HomeFolder());
}

std::filesystem::path EventLogFolder(const std::filesystem::path& root) {
  return root / "LMDebug";
}

std::filesystem::path EventLogFile(const std::filesystem::path& root) {
  return EventLogFolder(root) / "LMDebug.txt";
}

std::string DatedEventLogName(const LocalDateTime& time) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "LMDebug %d %s %d at %02d%02d.txt", time.day,
                MonthAbbrev(time.month).c_str(), time.year, time.hour, time.minute);
  return buffer;
}

bool PreviousRunEndedAbnormally(const std::filesystem::path& previousLog) {
  std::ifstream in(previousLog, std::ios::binary);
  if (!in) return false;
  // Each piece starts with the end of the one before, so that a mark split
  // between two pieces is still found.
  const std::size_t overlap = kNormalEndMark.size() - 1;
  std::string window;
  std::size_t total = 0;
  char buffer[65536];
  while (in) {
    in.read(buffer, sizeof buffer);
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got == 0) break;
    total += got;
    window.append(buffer, got);
    if (window.find(kNormalEndMark) != std::string::npos) return false;
    if (window.size() > overlap) window.erase(0, window.size() - overlap);
  }
  if (in.bad()) return false;
  return total > 1;
}

bool OpenEventLogAtStart(EventLog& log, const SettingsStore& settings, const Clock& clock, Ui& ui,
                         const std::filesystem::path& root) {
  if (!ReadSettingFlag(settings, kDebugFile)) return false;

  const std::filesystem::path folder = EventLogFolder(root);
  const std::filesystem::path current = EventLogFile(root);
  std::error_code error;
  std::filesystem::create_directories(folder, error);

  if (std::filesystem::is_regular_file(current, error) && PreviousRunEndedAbnormally(current)) {
    std::filesystem::path kept = current;
    if (const std::optional<std::filesystem::path> dated = FreeDatedPath(folder, clock.now())) {
      std::error_code renameError;
      std::filesystem::rename(current, *dated, renameError);
      if (!renameError) kept = *dated;
    }
    ui.message("Lumora did not shut down normally. A file named " + kept.string() +
                   " contains a log of the last program run. Lumora will now continue",
               kAppCaption, Icon::Error);
    // Opening the log now would overwrite the only record of that run.
    if (kept == current) return false;
  }
  return log.open(current);
}

void CloseEventLogAtShutdown(EventLog& log) {
  if (!log.isOpen()) return;
  log.write("Lumora Termination Normal\n");
  log.close();
}

}  // namespace lumora
