#pragma once
// The file dialogs of a batch run answered with the files named on the
// command line. Each dialog title has its own queue of answers, taken one per
// showing: the absence import shows "Load Crew Absences Extract" twice, once
// for this month and once for the next. A dialog with no answer left is
// cancelled, as an option left out of the command line stands for Cancel.

#include <algorithm>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "imports/lis_scan.h"
#include "platform/forwarding_ui.h"

namespace lumora::cli {

class NamedFilesUi : public ForwardingUi {
 public:
  explicit NamedFilesUi(Ui& inner) : ForwardingUi(inner) {}

  // The next showing of the dialog titled `title` returns `files`; an empty
  // list is a Cancel.
  void answer(const std::string& title, std::vector<std::string> files) {
    answers_[title].push_back(std::move(files));
  }
  void answer(const std::string& title, const std::optional<std::string>& file) {
    answer(title, file ? std::vector<std::string>{*file} : std::vector<std::string>{});
  }

  std::vector<std::string> openFiles(const FileDialogOptions& options) override {
    return take(options.title);
  }
  std::optional<std::string> saveFile(const FileDialogOptions& options) override {
    std::vector<std::string> files = take(options.title);
    if (files.empty()) return std::nullopt;
    return files.front();
  }

 private:
  std::vector<std::string> take(const std::string& title) {
    const auto queue = answers_.find(title);
    if (queue == answers_.end() || queue->second.empty()) return {};
    std::vector<std::string> files = std::move(queue->second.front());
    queue->second.pop_front();
    return files;
  }

  std::map<std::string, std::deque<std::vector<std::string>>> answers_;
};

// The same, with the LIS scan's dialog answered with `lisFiles`. The scan
// goes back to the dialog when a file name's question is answered No; the
// dialog then offers the files without that one, so that the others are
// still scanned.
class LisFilesUi : public NamedFilesUi {
 public:
  LisFilesUi(Ui& inner, std::vector<std::string> lisFiles)
      : NamedFilesUi(inner), files_(std::move(lisFiles)) {}

  Answer ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) override {
    const Answer answer = NamedFilesUi::ask(text, caption, buttons, icon);
    if (answer == Answer::Yes) return answer;
    const auto named = std::find_if(files_.begin(), files_.end(), [&](const std::string& file) {
      return text.substr(0, file.size()) == file &&
             text.substr(file.size()).rfind(" does not contain ", 0) == 0;
    });
    if (named != files_.end())
      files_.erase(named);
    else if (text.find(" does not contain ") != std::string_view::npos)
      files_.clear();  // a No the dialog cannot tell apart ends the choice
    return answer;
  }
  std::vector<std::string> openFiles(const FileDialogOptions& options) override {
    // Every No takes a file away, so the dialog comes back empty in the end.
    if (options.title == kLisDialogTitle) return files_;
    return NamedFilesUi::openFiles(options);
  }

 private:
  std::vector<std::string> files_;
};

// The name of the first file that cannot be read, if any: a command that
// names one stops before it does anything.
std::optional<std::string> UnreadableFile(const std::vector<std::string>& files);

}  // namespace lumora::cli
