#include "platform/event_log.h"

namespace lumora {

bool EventLog::open(const std::filesystem::path& path) {
  file_.reset(std::fopen(path.c_str(), "wb"));
  return isOpen();
}

void EventLog::close() {
  file_.reset();
}

void EventLog::write(std::string_view line) {
  if (!file_) return;
  std::fwrite(line.data(), 1, line.size(), file_.get());
  std::fflush(file_.get());
}

}  // namespace lumora
