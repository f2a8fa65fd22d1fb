#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace lumora::testing {

namespace {
class RecordingProgress : public Progress {
 public:
  RecordingProgress(std::vector<std::string>& events, int cancelAt)
      : events_(events), cancelAt_(cancelAt) {}
  void setRange(int maximum) override { events_.push_back("range " + std::to_string(maximum)); }
  void setPosition(int position) override {
    events_.push_back("position " + std::to_string(position));
    position_ = position;
  }
  void allowCancel() override {
    events_.push_back("cancel offered");
    offered_ = true;
  }
  bool cancelled() const override { return offered_ && cancelAt_ >= 0 && position_ >= cancelAt_; }

 private:
  std::vector<std::string>& events_;
  int cancelAt_;
  int position_ = 0;
  bool offered_ = false;
};
}  // namespace

void ScriptedUi::message(std::string_view text, std::string_view caption, Icon icon) {
  shown.push_back(
      {Shown::Kind::Message, std::string(text), std::string(caption), icon, Buttons::Ok, {}});
}

Answer ScriptedUi::ask(std::string_view text, std::string_view caption, Buttons buttons,
                       Icon icon) {
  shown.push_back(
      {Shown::Kind::Question, std::string(text), std::string(caption), icon, buttons, {}});
  if (answers.empty()) {
    if (const auto standing = standingAnswers.find(text); standing != standingAnswers.end())
      return standing->second;
    ADD_FAILURE() << "unscripted question: " << caption << ": " << text;
    return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
  }
  const Answer a = answers.front();
  answers.pop_front();
  return a;
}

std::vector<std::string> ScriptedUi::openFiles(const FileDialogOptions& options) {
  fileDialogs.push_back(options);
  if (openResults.empty()) return {};
  auto r = openResults.front();
  openResults.pop_front();
  return r;
}

std::optional<std::string> ScriptedUi::saveFile(const FileDialogOptions& options) {
  fileDialogs.push_back(options);
  if (saveResults.empty()) return std::nullopt;
  auto r = saveResults.front();
  saveResults.pop_front();
  return r;
}

void ScriptedUi::showList(std::string_view caption, const std::vector<std::string>& lines) {
  shown.push_back({Shown::Kind::List, {}, std::string(caption), Icon::None, Buttons::Ok, lines});
}

bool ScriptedUi::run(DialogModel& model) {
  shown.push_back(
      {Shown::Kind::Dialog, {}, std::string(model.title()), Icon::None, Buttons::Ok, {}});
  if (dialogs.empty()) {
    if (standingDialogs.contains(model.title())) return model.accept(*this);
    ADD_FAILURE() << "unscripted dialog: " << model.title();
    model.cancel();
    return false;
  }
  const DialogScript script = std::move(dialogs.front());
  dialogs.pop_front();
  if (script(model) && model.accept(*this)) return true;
  model.cancel();
  return false;
}

bool ScriptedUi::wrongDialog(const DialogModel& model) {
  ADD_FAILURE() << "the script was for another dialog than " << model.title();
  return false;
}

std::unique_ptr<Progress> ScriptedUi::progress(std::string_view title,
                                               std::string_view lineFormat) {
  progressEvents.push_back("open " + std::string(title) + " / " + std::string(lineFormat));
  return std::make_unique<RecordingProgress>(progressEvents, cancelAtPosition);
}

std::vector<std::string> ScriptedUi::messageTexts() const {
  std::vector<std::string> out;
  for (const auto& s : shown)
    if (s.kind == Shown::Kind::Message) out.push_back(s.text);
  return out;
}

std::vector<std::string> ScriptedUi::dialogTitles() const {
  std::vector<std::string> out;
  for (const auto& s : shown)
    if (s.kind == Shown::Kind::Dialog) out.push_back(s.caption);
  return out;
}

const Shown& ScriptedUi::last() const {
  static const Shown none{};
  return shown.empty() ? none : shown.back();
}

}  // namespace lumora::testing
