#pragma once
// A front end that shows nothing and answers every question the same way,
// for benchmarks, fuzz targets and tools that drive the core without a
// person. It counts what the core tried to show, so that a caller can tell a
// silent run from one that met a problem.

#include <algorithm>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_model.h"
#include "platform/ui.h"

namespace lumora::testing {

class NullUi final : public Ui {
 public:
  void message(std::string_view text, std::string_view caption, Icon) override {
    ++messages;
    lastMessage = std::string(caption) + ": " + std::string(text);
  }
  // `agree`: OK or Yes; otherwise No, or Cancel where there is no No.
  Answer ask(std::string_view text, std::string_view caption, Buttons buttons, Icon) override {
    ++messages;
    lastMessage = std::string(caption) + ": " + std::string(text);
    if (buttons == Buttons::Ok) return Answer::Ok;
    if (buttons == Buttons::OkCancel) return agree ? Answer::Ok : Answer::Cancel;
    return agree ? Answer::Yes : Answer::No;
  }
  std::vector<std::string> openFiles(const FileDialogOptions&) override { return {}; }
  std::optional<std::string> saveFile(const FileDialogOptions&) override { return std::nullopt; }
  void showList(std::string_view caption, const std::vector<std::string>& lines) override {
    ++messages;
    lastMessage = std::string(caption);
    longestList = std::max(longestList, lines.size());
  }
  std::unique_ptr<Progress> progress(std::string_view, std::string_view) override {
    return std::make_unique<NullProgress>();
  }
  void beep() override {}
  void setWaitCursor(bool) override {}
  // Every dialog is cancelled.
  bool run(DialogModel& model) override {
    ++dialogs;
    model.cancel();
    return false;
  }

  bool agree = true;
  int dialogs = 0;
  int messages = 0;
  std::string lastMessage;
  std::size_t longestList = 0;

 private:
  class NullProgress final : public Progress {
   public:
    void setRange(int) override {}
    void setPosition(int) override {}
  };
};

}  // namespace lumora::testing
