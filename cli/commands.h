#pragma once
// The batch tool's subcommands. Each returns the process exit status.

#include <iosfwd>
#include <string>

#include "batch_clipboard.h"
#include "shell/document_session.h"
#include "shell/memory_settings.h"

namespace lumora {
class BlockRules;
class SettingsStore;
class Ui;
}  // namespace lumora

namespace lumora::cli {

// Exit statuses shared by every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitCannotRun = 2;  // bad arguments, unreadable or foreign file
inline constexpr int kExitRefused = 3;    // the operation was refused

// The document session of one batch run: no views, a clipboard that drops
// its texts, settings kept for the run only unless `settings` is given, and
// the program's own rules unless `rules` is.
struct BatchRun {
  explicit BatchRun(Ui& ui, SettingsStore* settings = nullptr, BlockRules* rules = nullptr)
      : session(ui, settings != nullptr ? *settings : memory, &clipboard) {
    if (rules != nullptr) session.useRules(*rules);
  }

  MemorySettingsStore memory;
  BatchClipboard clipboard;
  DocumentSession session;

  bool open(const std::string& file) { return session.open(file).loaded; }
  // The result is written whatever the command did, refusals included:
  // `status`, or kExitCannotRun when it cannot be written.
  int finish(const std::string& output, int status) {
    return session.save(output) ? status : kExitCannotRun;
  }
};

int RunInfo(const std::string& file, Ui& ui, std::ostream& out);
int RunDump(const std::string& file, Ui& ui, std::ostream& out);
int RunSave(const std::string& file, const std::string& output, Ui& ui);

}  // namespace lumora::cli
