#pragma once
// The views of the blocks on the desktop: the grid in the main window, the
// floating pairing and toolbox windows, the pairing text window, and the
// dialogs the grid's gestures open. Holds the view models, routes the
// widgets' events to them and to the block gestures, and turns the block
// changes the core reports into repaints of the smallest areas.

#include <QPoint>
#include <QRect>
#include <memory>
#include <optional>

#include "app/qt_canvas.h"
#include "building/block_edit.h"
#include "shell/startup_settings.h"
#include "views/bids_window.h"
#include "views/block_filters.h"
#include "views/block_grid.h"
#include "views/grid_gestures.h"
#include "views/pair_window.h"
#include "views/tool_window_placement.h"
#include "views/toolbox_window.h"

class QKeyEvent;
class QTimer;
class QWidget;

namespace lumora {

class BidsWindow;
class BlockGridWidget;
class LumoraApp;
class MainWindow;
class PairTextWindow;
class PairWindowWidget;
class ToolboxWindow;

class BlockViews final : public BlockViewSink, public GridGestureActions {
 public:
  // `container` receives the grid; `window` is the main window the floating
  // windows belong to. The application's document must exist.
  BlockViews(MainWindow& window, LumoraApp& app, QWidget& container);
  ~BlockViews() override;
  BlockViews(const BlockViews&) = delete;
  BlockViews& operator=(const BlockViews&) = delete;

  BlockGridWidget& gridWidget() const { return *gridWidget_; }
  PairWindowWidget& pairWindow() const { return *pairWidget_; }
  ToolboxWindow& toolboxWindow() const { return *toolboxWidget_; }
  BidsWindow& bidsWindow() const { return *bidsWidget_; }
  TBidsWindow& bidsModel() { return bids_; }
  // The pairing text window while one is open.
  PairTextWindow* pairTextWindow() const { return textWindow_.get(); }
  BlockGridView& gridModel() { return grid_; }
  TPairWin& pairModel() { return pairWin_; }
  TButtonWin& toolboxModel() { return toolbox_; }

  // Switches, paddings, fonts and colours of the preferences.
  void useDisplay(const StartupSettings& display);

  // --- the frame's moments
  void blocksBuilt();
  void viewsClosing();
  void documentReplaced();
  // The floating windows follow the document's visibility flags.
  void syncWindows();
  void toggleShowOnlyOpenPairings();
  // The bids window asks about its pending edits; hiding stores them first.
  void storeBidEdits();
  void hideBidsWindow();
  // The main window moved, changed its size or state: the pairing window
  // follows the grid's day columns (and the toolbox, until the user moved it).
  void followMainWindow();
  // What the floating windows are placed against now.
  ToolWindowArea toolWindowArea() const;
  // The block filters: the display order built again, with `search` after
  // the search box's text was searched.
  void applyBlockFilters(bool search);
  std::span<const int> displayOrder() const { return filters_.displayOrder(); }
  // The pairing filters were applied or cleared.
  void pairingFiltersChanged();
  // A pilot's stored pairing filter applied to the pairing window.
  void setCrewFilter(int crew);
  // Proposed assignments drawn in the grid (an empty list: none), and one of
  // them brought into view and framed.
  void showProposedCells(std::span<const ProposedCell> cells);
  void showProposedCell(int crew, int day);

  // Keys of the main window and of the windows that pass theirs on. True
  // when the views used the key; the others go to the frame's commands.
  bool keyPress(QKeyEvent* event);
  bool keyRelease(QKeyEvent* event);

  // --- BlockViewSink
  void cellsChanged(int crew, int firstDay, int dayCount) override;
  void rowsChanged(int crew) override;
  void pairingWindowChanged(bool layoutAgain) override;
  void blockFiltersChanged() override;
  void dayBalanceChanged(int day) override;
  void openTimeChanged(int open, int total) override;
  void timeBankChanged(std::string_view text) override;

  // --- GridGestureActions
  bool toolboxPlacing() const override;
  void placeToolboxCode(int crew, int day) override;
  void openOtherAssignment(int crew, int day) override;
  void openPairingText(int pair, int day) override;
  bool removeOtherAssignment(int crew, int day, bool shift) override;
  void openEmployeeInfo(int crew) override;
  void openQuickEmployeeInfo(int crew) override;
  void openMoveOnRoster(int crew) override;
  bool selectBidsTab(int crew) override;

 private:
  BlockEditContext context();
  void gridMouseDown(MouseButton button, Point p, KeyState keys);
  void gridMouseUp(MouseButton button, Point p, KeyState keys);
  void gridMouseMove(Point p, bool buttonsDown);
  void cornerClicked(CornerButton button);
  void pairWindowClicked(const PairWinClick& click, QPoint globalPos);
  void openText(int pair, int day, QPoint globalPos);
  void editPairProperties();
  void openWhosLegal(int pair, int day);
  void refreshCorner();
  void setLastMonthOverlay(bool on);
  void setFullCredits(bool on);
  void checkEveryBlock();
  void showDisplayOrder(const BlockFilterOutcome& outcome);
  void geometryChanged();
  // Puts the pairing window (and the toolbox the user did not move) where
  // they belong now.
  void placeToolWindows();
  void placeToolbox(const ToolWindowArea& area);
  // A floating window's move or resize that placeToolWindows() did not ask
  // for; once it settles, the user's place is kept and the columns line up.
  void toolWindowMoved();
  void adoptUserPlaces();
  // What the crew-member editors end with: the block filters again.
  void reapplyBlockFilters();
  void makeBidsWindow();
  // The bids window's tabs follow the grid's display order.
  void rebuildBidsTabs();

  MainWindow& window_;
  LumoraApp& app_;
  TDocument& doc_;
  CanvasFonts fonts_;
  BlockGridView grid_;
  BlockFilterState filters_;
  TPairWin pairWin_;
  TButtonWin toolbox_;
  TBidsWindow bids_;
  GridGestures gestures_;
  // Widgets: the grid is a child of the container; the floating windows are
  // the main window's; all are deleted here, before the models they show.
  std::unique_ptr<BlockGridWidget> gridWidget_;
  std::unique_ptr<PairWindowWidget> pairWidget_;
  std::unique_ptr<ToolboxWindow> toolboxWidget_;
  std::unique_ptr<BidsWindow> bidsWidget_;
  std::unique_ptr<PairTextWindow> textWindow_;
  // Where the last button release on the grid was, on the screen: a
  // pairing text opened by a click goes there.
  QPoint lastClick_;
  bool syncing_ = false;
  // Where the user put the floating windows, and where they were put last.
  PairWindowPlace pairPlace_;
  std::optional<Point> toolboxPlace_;
  QRect pairPlaced_;
  QPoint toolboxPlaced_;
  std::unique_ptr<QTimer> settleTimer_;
};

}  // namespace lumora
