#pragma once
// A Ui for tests: answers questions from a queue and records every message,
// question and list with its caption, so tests can assert the exact texts.

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/dialog_model.h"
#include "platform/ui.h"

namespace lumora::testing {

struct Shown {
  enum class Kind { Message, Question, List, Dialog } kind = Kind::Message;
  std::string text;
  std::string caption;
  Icon icon = Icon::None;
  Buttons buttons = Buttons::Ok;
  std::vector<std::string> lines;  // list dialogs only
};

// What the user does in a dialog: sets its fields, then true for OK (a model
// that refuses OK then has the dialog cancelled), false for Cancel.
using DialogScript = std::function<bool(DialogModel&)>;

class ScriptedUi : public Ui {
 public:
  // Queued answers, taken one per question. An unscripted question fails the
  // running test and answers Cancel/No.
  std::deque<Answer> answers;
  std::deque<std::vector<std::string>> openResults;
  std::deque<std::optional<std::string>> saveResults;

  // Scripts for the dialogs, taken one per dialog. An unscripted dialog
  // fails the running test and is cancelled.
  std::deque<DialogScript> dialogs;
  // Fallbacks for what a test does not care about but may come at any time
  // (the pairing warnings at every build of a random month): a question with
  // this text gets this answer, and a dialog with this title is accepted, when
  // nothing is queued for it.
  std::map<std::string, Answer, std::less<>> standingAnswers;
  std::set<std::string, std::less<>> standingDialogs;
  // Queues the script of the next dialog, which must be a `Model`.
  template <class Model, class Script>
  void onDialog(Script script) {
    dialogs.push_back([script](DialogModel& model) {
      auto* typed = dynamic_cast<Model*>(&model);
      if (typed == nullptr) return wrongDialog(model);
      return script(*typed);
    });
  }

  std::vector<Shown> shown;
  std::vector<FileDialogOptions> fileDialogs;
  int beeps = 0;
  std::vector<std::string> progressEvents;
  // The position at which the user presses the progress window's Cancel; -1: never.
  int cancelAtPosition = -1;

  void message(std::string_view text, std::string_view caption, Icon icon) override;
  Answer ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) override;
  std::vector<std::string> openFiles(const FileDialogOptions& options) override;
  std::optional<std::string> saveFile(const FileDialogOptions& options) override;
  void showList(std::string_view caption, const std::vector<std::string>& lines) override;
  std::unique_ptr<Progress> progress(std::string_view title, std::string_view lineFormat) override;
  void beep() override { ++beeps; }
  void setWaitCursor(bool) override {}
  bool run(DialogModel& model) override;

  // Texts of the messages only (not questions), in order.
  std::vector<std::string> messageTexts() const;
  const Shown& last() const;
  // Titles of the dialogs run, in order.
  std::vector<std::string> dialogTitles() const;

 private:
  static bool wrongDialog(const DialogModel& model);
};

}  // namespace lumora::testing
