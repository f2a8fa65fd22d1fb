#pragma once
// A Ui that passes everything to another one; a front end derives from it to
// answer some requests itself (the batch commands: the file dialogs their
// arguments stand for; the desktop window: the dialog models).

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui.h"

namespace lumora {

class ForwardingUi : public Ui {
 public:
  explicit ForwardingUi(Ui& inner) : inner_(inner) {}

  void message(std::string_view text, std::string_view caption, Icon icon) override {
    inner_.message(text, caption, icon);
  }
  Answer ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) override {
    return inner_.ask(text, caption, buttons, icon);
  }
  std::vector<std::string> openFiles(const FileDialogOptions& options) override {
    return inner_.openFiles(options);
  }
  std::optional<std::string> saveFile(const FileDialogOptions& options) override {
    return inner_.saveFile(options);
  }
  void showList(std::string_view caption, const std::vector<std::string>& lines) override {
    inner_.showList(caption, lines);
  }
  std::unique_ptr<Progress> progress(std::string_view title, std::string_view lineFormat) override {
    return inner_.progress(title, lineFormat);
  }
  void beep() override { inner_.beep(); }
  void setWaitCursor(bool on) override { inner_.setWaitCursor(on); }
  bool run(DialogModel& model) override { return inner_.run(model); }

 protected:
  Ui& inner() { return inner_; }

 private:
  Ui& inner_;
};

}  // namespace lumora
