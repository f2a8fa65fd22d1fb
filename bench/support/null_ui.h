#pragma once
// A front end that answers nothing and shows nothing, for timing core
// operations; it counts what the core tried to show so that a benchmark can
// tell a silent run from one that met a problem.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui.h"

namespace lumora::bench {

class NullUi final : public Ui {
 public:
  void message(std::string_view text, std::string_view caption, Icon) override {
    ++messages;
    lastMessage = std::string(caption) + ": " + std::string(text);
  }
  Answer ask(std::string_view text, std::string_view caption, Buttons buttons, Icon) override {
    ++messages;
    lastMessage = std::string(caption) + ": " + std::string(text);
    return buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
  }
  std::vector<std::string> openFiles(const FileDialogOptions&) override { return {}; }
  std::optional<std::string> saveFile(const FileDialogOptions&) override { return std::nullopt; }
  void showList(std::string_view caption, const std::vector<std::string>&) override {
    ++messages;
    lastMessage = std::string(caption);
  }
  std::unique_ptr<Progress> progress(std::string_view, std::string_view) override {
    return std::make_unique<NullProgress>();
  }
  void beep() override {}
  void setWaitCursor(bool) override {}

  int messages = 0;
  std::string lastMessage;

 private:
  class NullProgress final : public Progress {
   public:
    void setRange(int) override {}
    void setPosition(int) override {}
  };
};

}  // namespace lumora::bench
