// Scans arbitrary text as LIS pairing listings. The first byte chooses the
// crew category and whether the text goes through the binary-header skip of
// a LIS file or is padded to the least length the scan reads; the rest is
// the display text the pairings start with, a "|", and the listing. Whatever
// the text, the scan must stay inside it and the pairing table, and leave
// display texts of bounded length.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "imports/lis_scan.h"
#include "model/document.h"
#include "shell/platform/clipboard.h"
#include "shell/platform/event_log.h"
#include "shell/platform/settings_store.h"
#include "shell/platform/ui.h"

namespace {

class SilentUi : public lumora::Ui {
 public:
  void message(std::string_view, std::string_view, lumora::Icon) override {}
  lumora::Answer ask(std::string_view, std::string_view, lumora::Buttons, lumora::Icon) override {
    return lumora::Answer::No;
  }
  std::vector<std::string> openFiles(const lumora::FileDialogOptions&) override { return {}; }
  std::optional<std::string> saveFile(const lumora::FileDialogOptions&) override { return {}; }
  void showList(std::string_view, const std::vector<std::string>& lines) override {
    if (lines.size() > 10'000) std::abort();
  }
  std::unique_ptr<lumora::Progress> progress(std::string_view, std::string_view) override {
    return nullptr;
  }
  void beep() override {}
  void setWaitCursor(bool) override {}
};

class NoClipboard : public lumora::Clipboard {
 public:
  bool setText(std::string_view) override { return true; }
};

class NoSettings : public lumora::SettingsStore {
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

constexpr int kPairs = 4;
constexpr int kNumbers[kPairs] = {7003, 7006, 12, -5};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumora;
  static auto doc = [] {
    auto d = std::make_unique<TDocument>();
    FillCalendar(d->cal, ToDayNumber({31, 1, 2027}), ToDayNumber({1, 3, 2027}));
    return d;
  }();
  static EventLog log;
  static SilentUi ui;
  static NoClipboard clipboard;
  static NoSettings settings;
  if (size == 0) return 0;

  doc->CrewType = static_cast<std::uint8_t>(data[0] % 3);
  const bool asFile = (data[0] & 0x10) != 0;
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t bar = rest.find('|');
  const std::string_view display = bar == std::string_view::npos ? "" : rest.substr(0, bar);
  const std::string_view listing = bar == std::string_view::npos ? rest : rest.substr(bar + 1);

  doc->LastPair = kPairs - 1;
  for (int p = 0; p < kPairs; ++p) {
    TPair& pair = doc->Pairs[static_cast<std::size_t>(p)];
    pair.Prefix = p == 3 ? "" : "M";
    pair.Number = kNumbers[p];
    pair.DisplayText = display;
  }

  std::string text;
  if (asFile) {
    text = LisFileText(listing);
    if (text.size() > listing.size()) std::abort();
  } else {
    text.assign(kLisMinText, '=');
    text += listing;
  }
  const ImportServices services{ui, clipboard, settings, log};
  ScanLisText(*doc, text, services);

  if (doc->LastPair != kPairs - 1) std::abort();
  for (int p = 0; p < kPairs; ++p) {
    // Markers, summary, meals and the French marking add at most this much
    // per marker of the listing.
    const std::size_t bound = display.size() + 5 * text.size() + 200;
    if (doc->Pairs[static_cast<std::size_t>(p)].DisplayText.size() > bound) std::abort();
  }
  return 0;
}
