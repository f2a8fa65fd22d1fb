#pragma once
// The batch tool's Ui. Nobody is there to answer, so questions are answered
// by a fixed policy, and every message becomes one line on the error stream:
//
//   CAPTION: TEXT            a message
//   CAPTION: TEXT [Yes]      a question, with the answer that was given
//
// Line breaks inside a text are written as the two characters "\n" (and
// "\r"), other control characters as "\xNN", so one message is always one
// line. Core texts are Latin-1; the lines are written in UTF-8.

#include <iosfwd>
#include <string>
#include <string_view>

#include "platform/ui.h"

namespace lumora {

// A core text as it appears in the tool's output: UTF-8, on one line.
std::string oneLine(std::string_view latin1Text);

class BatchUi final : public Ui {
 public:
  // yes=false answers No (Cancel for OK/Cancel); yes=true answers Yes (OK).
  // Lines go to `out`, or to stderr.
  BatchUi(std::ostream& out, bool yes) : out_(out), yes_(yes) {}
  explicit BatchUi(bool yes = false);

  void message(std::string_view text, std::string_view caption, Icon icon) override;
  Answer ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) override;
  // Batch commands take their file names as arguments: a file dialog is
  // always cancelled.
  std::vector<std::string> openFiles(const FileDialogOptions& options) override;
  std::optional<std::string> saveFile(const FileDialogOptions& options) override;
  void showList(std::string_view caption, const std::vector<std::string>& lines) override;
  // Silent.
  std::unique_ptr<Progress> progress(std::string_view title, std::string_view lineFormat) override;
  void beep() override {}
  void setWaitCursor(bool) override {}

 private:
  std::ostream& out_;
  bool yes_;
};

}  // namespace lumora
