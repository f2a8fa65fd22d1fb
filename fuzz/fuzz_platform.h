#pragma once
// Stand-ins for the platform that the fuzz targets share: nobody answers,
// nothing is shown, settings give their defaults.

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clipboard.h"
#include "platform/settings_store.h"
#include "platform/ui.h"

namespace lumora::fuzzing {

class SilentUi : public Ui {
 public:
  void message(std::string_view, std::string_view, Icon) override {}
  Answer ask(std::string_view, std::string_view, Buttons, Icon) override { return Answer::No; }
  std::vector<std::string> openFiles(const FileDialogOptions&) override { return {}; }
  std::optional<std::string> saveFile(const FileDialogOptions&) override { return {}; }
  // A list no person could read means a warning collector lost its bound.
  void showList(std::string_view, const std::vector<std::string>& lines) override {
    if (lines.size() > 10'000) std::abort();
  }
  std::unique_ptr<Progress> progress(std::string_view, std::string_view) override {
    return nullptr;
  }
  void beep() override {}
  void setWaitCursor(bool) override {}
};

class NullClipboard : public Clipboard {
 public:
  explicit NullClipboard(bool accepts) : accepts_(accepts) {}
  bool setText(std::string_view) override { return accepts_; }

 private:
  bool accepts_;
};

class DefaultSettings : public SettingsStore {
 public:
  std::string readString(std::string_view, std::string_view,
                         std::string_view fallback) const override {
    return std::string(fallback);
  }
  int readInt(std::string_view, std::string_view, int fallback) const override { return fallback; }
  bool writeString(std::string_view, std::string_view, std::string_view) override { return true; }
  std::optional<std::string> readStruct(std::string_view, std::string_view) const override {
    return std::nullopt;
  }
  bool writeStruct(std::string_view, std::string_view, std::string_view) override { return true; }
};

}  // namespace lumora::fuzzing
