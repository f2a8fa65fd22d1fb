#include "cli/batch_ui.h"

#include <iostream>
#include <ostream>

namespace lumora {

namespace {

class SilentProgress final : public Progress {
 public:
  void setRange(int) override {}
  void setPosition(int) override {}
};

const char* buttonText(Answer answer) {
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

}  // namespace

std::string oneLine(std::string_view latin1Text) {
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

BatchUi::BatchUi(bool yes) : BatchUi(std::cerr, yes) {}

void BatchUi::message(std::string_view text, std::string_view caption, Icon) {
  out_ << oneLine(caption) << ": " << oneLine(text) << '\n' << std::flush;
}

Answer BatchUi::ask(std::string_view text, std::string_view caption, Buttons buttons, Icon) {
  Answer answer = Answer::Ok;
  switch (buttons) {
    case Buttons::Ok:
      answer = Answer::Ok;
      break;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
      answer = yes_ ? Answer::Yes : Answer::No;
      break;
    case Buttons::OkCancel:
      answer = yes_ ? Answer::Ok : Answer::Cancel;
      break;
  }
  out_ << oneLine(caption) << ": " << oneLine(text) << " [" << buttonText(answer) << "]\n"
       << std::flush;
  return answer;
}

std::vector<std::string> BatchUi::openFiles(const FileDialogOptions&) {
  return {};
}

std::optional<std::string> BatchUi::saveFile(const FileDialogOptions&) {
  return std::nullopt;
}

void BatchUi::showList(std::string_view caption, const std::vector<std::string>& lines) {
  out_ << oneLine(caption) << '\n';
  for (const auto& line : lines) out_ << oneLine(line) << '\n';
  out_ << std::flush;
}

std::unique_ptr<Progress> BatchUi::progress(std::string_view, std::string_view) {
  return std::make_unique<SilentProgress>();
}

}  // namespace lumora
