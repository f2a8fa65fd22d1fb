#pragma once
// The Ui of a run nobody watches: the batch tool, and the desktop program
// when it only takes a picture of its window. Questions are answered by a
// fixed policy and every message becomes one line on a stream:
//
//   PREFIXCAPTION: TEXT            a message
//   PREFIXCAPTION: TEXT [Yes]      a question, with the answer that was given
//   PREFIXCAPTION                  a list: its caption, then
//   PREFIXLINE                     each of its lines
//
// Texts go through OneLine(), so one message is always one line and nothing
// read from a file reaches a terminal as a control sequence.

#include <iosfwd>
#include <string>
#include <string_view>

#include "platform/ui.h"

namespace lumora {

// A core text as it appears on one line of output: Latin-1 turned into
// UTF-8, line breaks written as the two characters "\n" (and "\r"), other
// control characters as "\xNN". Tabs and backslashes stay as they are.
std::string OneLine(std::string_view latin1Text);

enum class UnattendedAnswers {
  Refuse,  // the answer that changes nothing: Cancel where offered, else No
  No,      // No to Yes/No questions (with or without Cancel), Cancel to OK/Cancel
  Yes,     // Yes, or OK
};

class UnattendedUi : public Ui {
 public:
  UnattendedUi(std::ostream& out, UnattendedAnswers answers, std::string linePrefix = {})
      : out_(out), answers_(answers), prefix_(std::move(linePrefix)) {}

  void message(std::string_view text, std::string_view caption, Icon icon) override;
  Answer ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) override;
  // Nobody can pick a file: file names come as arguments, and a file dialog
  // is always cancelled.
  std::vector<std::string> openFiles(const FileDialogOptions& options) override;
  std::optional<std::string> saveFile(const FileDialogOptions& options) override;
  void showList(std::string_view caption, const std::vector<std::string>& lines) override;
  // Silent.
  std::unique_ptr<Progress> progress(std::string_view title, std::string_view lineFormat) override;
  void beep() override {}
  void setWaitCursor(bool) override {}
  // Nobody fills a dialog in: each one is cancelled, which changes nothing.
  bool run(DialogModel& model) override;

 private:
  std::ostream& out_;
  UnattendedAnswers answers_;
  std::string prefix_;
};

}  // namespace lumora
