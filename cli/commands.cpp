#include "commands.h"

#include <filesystem>
#include <fstream>
#include <ostream>

#include "document_json.h"
#include "named_files_ui.h"

namespace lumora::cli {

int RunInfo(const std::string& file, Ui& ui, std::ostream& out) {
  BatchRun run(ui);
  const LoadResult load = run.session.open(file);
  if (!load.loaded) return kExitCannotRun;
  out << DocumentInfo(run.session.document(), load).dump(2) << '\n';
  return kExitOk;
}

int RunDump(const std::string& file, Ui& ui, std::ostream& out) {
  BatchRun run(ui);
  const LoadResult load = run.session.open(file);
  if (!load.loaded) return kExitCannotRun;
  out << DocumentToJson(run.session.document(), load).dump(1) << '\n';
  return kExitOk;
}

int RunSave(const std::string& file, const std::string& output, Ui& ui) {
  BatchRun run(ui);
  if (!run.open(file)) return kExitCannotRun;
  return run.session.save(output) ? kExitOk : kExitRefused;
}

std::optional<std::string> UnreadableFile(const std::vector<std::string>& files) {
  for (const std::string& file : files) {
    std::error_code error;
    if (std::filesystem::is_directory(file, error) ||
        !std::ifstream(file, std::ios::binary).is_open())
      return file;
  }
  return std::nullopt;
}

}  // namespace lumora::cli
