#pragma once
// The optional plain-text event log. Every part writes its fixed lines here;
// a line reaches the file only while the log is open.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>

namespace lumora {

class EventLog {
 public:
  EventLog() = default;
  EventLog(const EventLog&) = delete;
  EventLog& operator=(const EventLog&) = delete;

  // Opens (truncating) the log file; false when it cannot be created.
  bool open(const std::filesystem::path& path);
  void close();
  bool isOpen() const { return file_ != nullptr; }

  // Writes the line as given (callers end their lines with "\n"); flushed at
  // once so that an abnormal end keeps everything written before it.
  void write(std::string_view line);

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
};

}  // namespace lumora
