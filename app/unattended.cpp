#include "app/unattended.h"

namespace lumora {

namespace {

class NoProgress final : public Progress {
 public:
  void setRange(int) override {}
  void setPosition(int) override {}
};

void print(std::FILE* out, std::string_view caption, std::string_view text) {
  std::fprintf(out, "lumora: %.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
               static_cast<int>(text.size()), text.data());
}

}  // namespace

void UnattendedUi::message(std::string_view text, std::string_view caption, Icon) {
  print(out_, caption, text);
}

Answer UnattendedUi::ask(std::string_view text, std::string_view caption, Buttons buttons, Icon) {
  print(out_, caption, text);
  // The answer that changes nothing.
  return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

std::vector<std::string> UnattendedUi::openFiles(const FileDialogOptions&) {
  return {};
}

std::optional<std::string> UnattendedUi::saveFile(const FileDialogOptions&) {
  return std::nullopt;
}

void UnattendedUi::showList(std::string_view caption, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) print(out_, caption, line);
}

std::unique_ptr<Progress> UnattendedUi::progress(std::string_view, std::string_view) {
  return std::make_unique<NoProgress>();
}

}  // namespace lumora
