#pragma once
// What the core asks of a front end: messages, questions, file choice, lists,
// progress. The core never draws or opens a dialog itself.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

class DialogModel;

enum class Icon { None, Information, Warning, Error, Question };
enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct FileDialogOptions {
  std::string title;
  // Pairs of description and pattern separated by "|", e.g. "Lumora Files|*.lm2|All Files|*.*".
  std::string filter;
  std::string startFolder;
  std::string defaultName;
  bool multiSelect = false;
};

// A modeless progress window; the caller sets the range and advances it.
class Progress {
 public:
  virtual ~Progress() = default;
  virtual void setRange(int maximum) = 0;
  virtual void setPosition(int position) = 0;
  // Work that goes through steps of its own names the one it is at; the
  // window shows that name instead of the counts.
  virtual void setStage(std::string_view /*stage*/) {}
  // Work that can stop halfway and put back what it did offers a Cancel
  // button, then asks at each step whether it was pressed.
  virtual void allowCancel() {}
  virtual bool cancelled() const { return false; }
};

class Ui {
 public:
  virtual ~Ui() = default;

  virtual void message(std::string_view text, std::string_view caption, Icon icon) = 0;
  virtual Answer ask(std::string_view text, std::string_view caption, Buttons buttons,
                     Icon icon) = 0;

  // An empty result means the user cancelled.
  virtual std::vector<std::string> openFiles(const FileDialogOptions& options) = 0;
  virtual std::optional<std::string> saveFile(const FileDialogOptions& options) = 0;

  // The list dialog: a caption and its lines, shown modally with an OK button.
  virtual void showList(std::string_view caption, const std::vector<std::string>& lines) = 0;

  // `lineFormat` holds two %d, e.g. "Completed %d of %d".
  virtual std::unique_ptr<Progress> progress(std::string_view title,
                                             std::string_view lineFormat) = 0;

  virtual void beep() = 0;
  virtual void setWaitCursor(bool on) = 0;

  // Shows the dialog of `model` modally until accept() lets it close (true)
  // or the user cancels (false).
  virtual bool run(DialogModel& model) = 0;
};

}  // namespace lumora
