#include "platform/unattended_ui.h"

#include <ostream>

#include "platform/dialog_model.h"

namespace lumora {

namespace {

class SilentProgress final : public Progress {
 public:
  void setRange(int) override {}
  void setPosition(int) override {}
};

const char* ButtonText(Answer answer) {
  switch (answer) {
    case Answer::Ok:
      return "OK";
    case Answer::Cancel:
      return "Cancel";
    case Answer::Yes:
      return "Yes";
    case Answer::No:
      return "No";
  }
  return "No";
}

Answer PolicyAnswer(UnattendedAnswers policy, Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::YesNo:
      return policy == UnattendedAnswers::Yes ? Answer::Yes : Answer::No;
    case Buttons::YesNoCancel:
      if (policy == UnattendedAnswers::Yes) return Answer::Yes;
      return policy == UnattendedAnswers::No ? Answer::No : Answer::Cancel;
    case Buttons::OkCancel:
      return policy == UnattendedAnswers::Yes ? Answer::Ok : Answer::Cancel;
  }
  return Answer::Cancel;
}

}  // namespace

std::string OneLine(std::string_view latin1Text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(latin1Text.size() + latin1Text.size() / 8);
  for (const char ch : latin1Text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t' || (c >= 0x20 && c < 0x7F)) {
      out += ch;
    } else if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) {
      // Control characters from a file must not reach a terminal as such.
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

void UnattendedUi::message(std::string_view text, std::string_view caption, Icon) {
  out_ << prefix_ << OneLine(caption) << ": " << OneLine(text) << '\n' << std::flush;
}

Answer UnattendedUi::ask(std::string_view text, std::string_view caption, Buttons buttons, Icon) {
  const Answer answer = PolicyAnswer(answers_, buttons);
  out_ << prefix_ << OneLine(caption) << ": " << OneLine(text) << " [" << ButtonText(answer)
       << "]\n"
       << std::flush;
  return answer;
}

std::vector<std::string> UnattendedUi::openFiles(const FileDialogOptions&) {
  return {};
}

std::optional<std::string> UnattendedUi::saveFile(const FileDialogOptions&) {
  return std::nullopt;
}

void UnattendedUi::showList(std::string_view caption, const std::vector<std::string>& lines) {
  out_ << prefix_ << OneLine(caption) << '\n';
  for (const auto& line : lines) out_ << prefix_ << OneLine(line) << '\n';
  out_ << std::flush;
}

bool UnattendedUi::run(DialogModel& model) {
  out_ << prefix_ << OneLine(model.title()) << " [" << ButtonText(Answer::Cancel) << "]\n"
       << std::flush;
  model.cancel();
  return false;
}

std::unique_ptr<Progress> UnattendedUi::progress(std::string_view, std::string_view) {
  return std::make_unique<SilentProgress>();
}

}  // namespace lumora
