#include "app/window_front_end.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStatusBar>
#include <QUrl>

#include "app/block_views.h"
#include "app/core_text.h"
#include "app/main_window.h"
#include "app/pair_window_widget.h"

namespace lumora {

bool WindowFrontEnd::startProgram(const std::filesystem::path& program) {
  // The program itself with no arguments; never through a shell.
  return QProcess::startDetached(fromCorePath(program.string()), QStringList());
}

void WindowFrontEnd::openHelpPage(const std::filesystem::path& page) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(fromCorePath(page.string())));
}

void WindowFrontEnd::closeMainWindow() {
  window_.close();
}

void WindowFrontEnd::displayChanged() {
  window_.applyDisplay();
}

void WindowFrontEnd::setGaugeCaption(std::string_view caption) {
  if (caption.empty()) {
    window_.statusBar()->clearMessage();
  } else {
    window_.statusBar()->showMessage(fromCoreText(caption));
  }
}

void WindowFrontEnd::showNote(std::string_view text) {
  window_.statusBar()->showMessage(fromCoreText(text), 5000);
}

void WindowFrontEnd::viewsClosing() {
  if (BlockViews* views = window_.views()) views->viewsClosing();
}

void WindowFrontEnd::storeBidEdits() {
  if (BlockViews* views = window_.views()) views->storeBidEdits();
}

void WindowFrontEnd::hideBidsWindow() {
  if (BlockViews* views = window_.views()) views->hideBidsWindow();
}

void WindowFrontEnd::documentReplaced() {
  if (BlockViews* views = window_.views()) views->documentReplaced();
}

void WindowFrontEnd::stateChanged() {
  window_.showState();
}

void WindowFrontEnd::documentCreated() {
  window_.createViews();
}

BlockViewSink& WindowFrontEnd::blockViews() {
  if (BlockViews* views = window_.views()) return *views;
  return AppFrontEnd::blockViews();
}

void WindowFrontEnd::blocksBuilt() {
  if (BlockViews* views = window_.views()) views->blocksBuilt();
}

const TPairWin* WindowFrontEnd::pairingLayout() {
  BlockViews* views = window_.views();
  if (views == nullptr) return nullptr;
  views->pairWindow().relayout();
  return &views->pairModel();
}

TPairWin* WindowFrontEnd::pairWindowModel() {
  BlockViews* views = window_.views();
  return views == nullptr ? nullptr : &views->pairModel();
}

void WindowFrontEnd::pairingFiltersChanged() {
  if (BlockViews* views = window_.views()) views->pairingFiltersChanged();
}

void WindowFrontEnd::applyBlockFilters(bool search) {
  if (BlockViews* views = window_.views()) views->applyBlockFilters(search);
}

void WindowFrontEnd::toggleShowOnlyOpenPairings() {
  if (BlockViews* views = window_.views()) views->toggleShowOnlyOpenPairings();
}

void WindowFrontEnd::showProposedCells(std::span<const ProposedCell> cells) {
  if (BlockViews* views = window_.views()) views->showProposedCells(cells);
}

void WindowFrontEnd::showProposedCell(int crew, int day) {
  if (BlockViews* views = window_.views()) views->showProposedCell(crew, day);
}

}  // namespace lumora
