#pragma once
// What a run without anybody at the screen uses (--screenshot): messages go
// to the error output, questions are refused and file dialogs cancelled, so
// that nothing waits for a click that never comes.

#include <cstdio>

#include "platform/ui.h"
#include "shell/instance_lock.h"

namespace lumora {

class UnattendedUi final : public Ui {
 public:
  explicit UnattendedUi(std::FILE* out = stderr) : out_(out) {}

  void message(std::string_view text, std::string_view caption, Icon icon) override;
  Answer ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) override;
  std::vector<std::string> openFiles(const FileDialogOptions& options) override;
  std::optional<std::string> saveFile(const FileDialogOptions& options) override;
  void showList(std::string_view caption, const std::vector<std::string>& lines) override;
  std::unique_ptr<Progress> progress(std::string_view title, std::string_view lineFormat) override;
  void beep() override {}
  void setWaitCursor(bool) override {}

 private:
  std::FILE* out_;
};

// A picture of the window is no running copy of the program: it neither
// takes the lock nor is stopped by a copy that holds it.
class NoInstanceLock final : public InstanceLock {
 public:
  LockResult acquire() override { return LockResult::Unavailable; }
  void release() override {}
};

}  // namespace lumora
