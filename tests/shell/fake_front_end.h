#pragma once
// A front end for the app tests: dialogs answered by fields, calls counted.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "imports/prg_dialog.h"
#include "model/set_dates_dialog.h"
#include "shell/app_state.h"

namespace lumora::testing {

class FakeFrontEnd : public AppFrontEnd {
 public:
  explicit FakeFrontEnd(Ui& ui) : ui_(ui) {}

  bool runMonthDialog(SetDatesDialog& dialog, TCalendar& calendar) override {
    ++monthDialogs;
    return monthOk && dialog.ok(ui_, calendar);
  }
  bool runFileNotesDialog(FileNotesDialog& dialog) override {
    if (notesTyped) dialog.setText(*notesTyped);
    return notesTyped.has_value();
  }
  void showKeyboardShortcuts(const FrameDialogText& text) override { titles.push_back(text.title); }
  void showAbout(const FrameDialogText& text) override { titles.push_back(text.title); }
  bool startProgram(const std::filesystem::path& program) override {
    started.push_back(program);
    return programStarts;
  }
  void openHelpPage(const std::filesystem::path& page) override { helpPages.push_back(page); }
  void closeMainWindow() override { ++closeRequests; }
  void viewsClosing() override { ++viewsClosed; }
  void stateChanged() override { ++changes; }
  void runPreferencesDialog() override { changesAtPreferences.push_back(changes); }
  void runPrgDialog(LoadPrgDialog& dialog, const std::function<bool()>& accept) override {
    ++prgDialogs;
    if (fillPrg) fillPrg(dialog);
    if (prgOk) prgAccepted = accept();
  }
  void runPairingWarnings(PairingValidateDialog& dialog, Ui& ui) override {
    ++warningDialogs;
    AppFrontEnd::runPairingWarnings(dialog, ui);
  }

  bool monthOk = true;
  std::optional<std::string> notesTyped;
  bool programStarts = true;
  std::function<void(LoadPrgDialog&)> fillPrg;
  bool prgOk = true;

  int monthDialogs = 0, closeRequests = 0, viewsClosed = 0, changes = 0;
  int prgDialogs = 0, warningDialogs = 0;
  bool prgAccepted = false;
  std::vector<int> changesAtPreferences;
  std::vector<std::string> titles;
  std::vector<std::filesystem::path> started, helpPages;

 private:
  Ui& ui_;
};

}  // namespace lumora::testing
