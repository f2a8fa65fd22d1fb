#pragma once
// What a run without anybody at the screen uses (--screenshot) besides the
// shared unattended Ui (platform/unattended_ui.h), which writes messages to
// the error output with the program's name in front, refuses questions and
// cancels file dialogs, so that nothing waits for a click that never comes.

#include <iostream>

#include "platform/unattended_ui.h"
#include "shell/instance_lock.h"

namespace lumora {

// The desktop program's unattended Ui.
inline UnattendedUi ScreenshotUi(std::ostream& out = std::cerr) {
  return UnattendedUi(out, UnattendedAnswers::Refuse, "lumora: ");
}

// A picture of the window is no running copy of the program: it neither
// takes the lock nor is stopped by a copy that holds it.
class NoInstanceLock final : public InstanceLock {
 public:
  LockResult acquire() override { return LockResult::Unavailable; }
  void release() override {}
};

}  // namespace lumora
