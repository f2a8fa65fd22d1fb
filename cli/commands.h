#pragma once
// The batch tool's subcommands. Each returns the process exit status.

#include <iosfwd>
#include <string>

namespace lumora {
class Ui;
}

namespace lumora::cli {

// Exit statuses shared by every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitCannotRun = 2;  // bad arguments, unreadable or foreign file
inline constexpr int kExitRefused = 3;    // the operation was refused

int RunInfo(const std::string& file, Ui& ui, std::ostream& out);
int RunDump(const std::string& file, Ui& ui, std::ostream& out);
int RunSave(const std::string& file, const std::string& output, Ui& ui);

}  // namespace lumora::cli
