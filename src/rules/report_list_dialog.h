#pragma once
// A read-only report shown as a list whose lines can be copied to the
// clipboard, each ended by a carriage return and a line feed.

#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_model.h"

namespace lumora {

class Clipboard;

class ReportListDialog : public DialogModel {
 public:
  static constexpr std::string_view kCopied = "Copied to Windows Clipboard.";
  static constexpr std::string_view kCopyFailed = "Error Copying to Windows Clipboard.";

  ReportListDialog(std::string title, std::vector<std::string> lines)
      : title_(std::move(title)), lines_(std::move(lines)) {}

  std::string_view title() const override { return title_; }
  bool accept(Ui&) override { return true; }
  const std::vector<std::string>& lines() const { return lines_; }

  // The copy button's caption.
  virtual std::string_view copyText() const = 0;
  // Puts the lines on `clipboard` and says how that went.
  void copy(Clipboard& clipboard, Ui& ui) const;

 private:
  std::string title_;
  std::vector<std::string> lines_;
};

// Every line followed by a carriage return and a line feed.
std::string CrLfText(const std::vector<std::string>& lines);

}  // namespace lumora
