#pragma once
// The main window as the frame's front end: what the core asks of the
// window beyond the Ui (programs, the help page, the views' events).

#include "shell/app_state.h"

namespace lumora {

class MainWindow;

class WindowFrontEnd final : public AppFrontEnd {
 public:
  explicit WindowFrontEnd(MainWindow& window) : window_(window) {}

  bool startProgram(const std::filesystem::path& program) override;
  void openHelpPage(const std::filesystem::path& page) override;
  void closeMainWindow() override;
  void displayChanged() override;
  void setGaugeCaption(std::string_view caption) override;
  void showNote(std::string_view text) override;
  void viewsClosing() override;
  void storeBidEdits() override;
  void hideBidsWindow() override;
  void documentReplaced() override;
  void stateChanged() override;
  void documentCreated() override;
  BlockViewSink& blockViews() override;
  void blocksBuilt() override;
  void toggleShowOnlyOpenPairings() override;
  const TPairWin* pairingLayout() override;
  TPairWin* pairWindowModel() override;
  void pairingFiltersChanged() override;
  void applyBlockFilters(bool search) override;
  void showProposedCells(std::span<const ProposedCell> cells) override;
  void showProposedCell(int crew, int day) override;

 private:
  MainWindow& window_;
};

}  // namespace lumora
