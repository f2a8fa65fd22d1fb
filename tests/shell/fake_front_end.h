#pragma once
// A front end for the app tests: programs and pages recorded, calls counted.
// Dialogs go to the ScriptedUi.

#include <filesystem>
#include <functional>
#include <vector>

#include "imports/pairing_warnings.h"
#include "shell/app_state.h"
#include "shell/shell_texts.h"
#include "support/scripted_ui.h"

namespace lumora::testing {

class FakeFrontEnd : public AppFrontEnd {
 public:
  bool startProgram(const std::filesystem::path& program) override {
    started.push_back(program);
    return programStarts;
  }
  void openHelpPage(const std::filesystem::path& page) override { helpPages.push_back(page); }
  void closeMainWindow() override { ++closeRequests; }
  void viewsClosing() override { ++viewsClosed; }
  void stateChanged() override { ++changes; }
  void displayChanged() override { ++displayChanges; }
  void storeBidEdits() override {
    if (onStoreBidEdits) onStoreBidEdits();
  }
  void applyBlockFilters(bool search) override { filterRuns.push_back(search); }

  std::function<void()> onStoreBidEdits;
  bool programStarts = true;
  int closeRequests = 0, viewsClosed = 0, changes = 0, displayChanges = 0;
  std::vector<std::filesystem::path> started, helpPages;
  std::vector<bool> filterRuns;  // one per application, true when it searched
};

// Random months hold pairings that do not validate: every build of their
// blocks shows the pairing warnings and asks whether to edit them. Tests that
// are about something else close the warnings and build anyway.
inline void BuildDespiteInvalidPairings(ScriptedUi& ui) {
  ui.standingDialogs.emplace(PairingValidateDialog::kCaption);
  ui.standingAnswers.emplace(shell_text::kInvalidPairingsQuestion, Answer::No);
}

}  // namespace lumora::testing
