#include "app/block_views.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>

#include "app/bids_window.h"
#include "app/core_text.h"
#include "app/grid_widget.h"
#include "app/key_map.h"
#include "app/main_window.h"
#include "app/other_assignment_window.h"
#include "app/pair_props_window.h"
#include "app/pair_text_window.h"
#include "app/pair_window_widget.h"
#include "app/toolbox_window.h"
#include "building/block_figures.h"
#include "building/block_rules.h"
#include "building/other_assignments.h"
#include "rules/whos_legal.h"
#include "shell/app_state.h"
#include "shell/command_table.h"
#include "views/employee_info_dialog.h"
#include "views/pair_props_dialog.h"
#include "views/pair_text_window.h"
#include "views/pairing_filters.h"
#include "views/roster_dialogs.h"

namespace lumora {

BlockViews::BlockViews(MainWindow& window, LumoraApp& app, QWidget& container)
    : window_(window),
      app_(app),
      doc_(app.document()),
      grid_(app.document()),
      pairWin_(app.document()),
      bids_(app.document(), app.ui()),
      gestures_(BlockEditContext{app.document(), app.ui(), app.eventLog(), app.rules(), *this},
                app.settings(), *this) {
  gridWidget_ = std::make_unique<BlockGridWidget>(grid_, &container);
  gridWidget_->setObjectName(QStringLiteral("blockGrid"));
  if (container.layout() == nullptr) {
    auto* layout = new QVBoxLayout(&container);
    layout->setContentsMargins(0, 0, 0, 0);
  }
  container.layout()->addWidget(gridWidget_.get());

  gridWidget_->onMouseDown = [this](MouseButton b, Point p, KeyState k) { gridMouseDown(b, p, k); };
  gridWidget_->onMouseUp = [this](MouseButton b, Point p, KeyState k) { gridMouseUp(b, p, k); };
  gridWidget_->onMouseMove = [this](Point p, bool down) { gridMouseMove(p, down); };
  const auto keyDown = [this](QKeyEvent* e) { window_.handleKeyPress(e); };
  const auto keyUp = [this](QKeyEvent* e) { window_.handleKeyRelease(e); };
  gridWidget_->onKeyPress = keyDown;
  gridWidget_->onKeyRelease = keyUp;
  gridWidget_->onScrolled = [this](int column, int) { pairWidget_->followGrid(column); };
  gridWidget_->onGeometryChanged = [this] { geometryChanged(); };
  gridWidget_->onResized = [this] { followMainWindow(); };
  gridWidget_->setAccessibleName(QStringLiteral("Blocks"));
  // The corner icons say what they open before they are pressed.
  gridWidget_->toolTipAt = [this](Point p) {
    if (!doc_.BlocksShown || grid_.hitTest(p).area != GridArea::Corner) return QString();
    switch (grid_.cornerButton(p)) {
      case CornerButton::PairWindow:
        return QStringLiteral("Pairings window (F4)");
      case CornerButton::Toolbox:
        return QStringLiteral("Toolbox: day-off requests and other assignment codes");
      case CornerButton::Third:
        return doc_.crewKind() == CrewKind::FlightAttendants ? QStringLiteral("Pairing filters")
                                                             : QStringLiteral("Bids window");
      case CornerButton::None:
        break;
    }
    return QString();
  };
  pairPlace_ = ReadPairWindowPlace(app.settings());
  toolboxPlace_ = ReadToolboxPlace(app.settings());
  // A window manager reports a drag as a run of moves: the user's place is
  // taken once they stop.
  settleTimer_ = std::make_unique<QTimer>();
  settleTimer_->setSingleShot(true);
  settleTimer_->setInterval(250);
  QObject::connect(settleTimer_.get(), &QTimer::timeout, [this] { adoptUserPlaces(); });

  pairWidget_ = std::make_unique<PairWindowWidget>(pairWin_, fonts_, &window_);
  pairWidget_->setObjectName(QStringLiteral("pairWindow"));
  pairWidget_->setAccessibleName(QStringLiteral("Pairings"));
  pairWidget_->onLeftClick = [this](const PairWinClick& c, QPoint at) { pairWindowClicked(c, at); };
  pairWidget_->onRightClick = [this](const PairWinRightClick& click) {
    if (click.onPairing) {
      openWhosLegal(click.pair, click.day);
      return;
    }
    // Beside the pairings the click acts on the filters: the cabin's filter
    // window opens; a pilot's filters are cleared, or else set for the crew
    // member the bids window shows.
    if (doc_.crewKind() == CrewKind::FlightAttendants) {
      window_.runCommand(command::kPairingFiltersWindow);
    } else if (pairWin_.filtersOn()) {
      ClearPairingFilters(doc_, pairWin_);
      pairingFiltersChanged();
    } else if (doc_.BidsWindowVisible != 0 && bids_.selectedCrew() >= 0) {
      setCrewFilter(bids_.selectedCrew());
    }
    refreshCorner();
  };
  pairWidget_->onKeyPress = keyDown;
  pairWidget_->onKeyRelease = keyUp;
  pairWidget_->onWheel = [this](QWheelEvent* e) {
    QApplication::sendEvent(gridWidget_->viewport(), e);
  };
  pairWidget_->onClosed = [this] {
    if (!syncing_) app_.pairWindowClosed();
  };
  pairWidget_->onGeometryChanged = [this] { toolWindowMoved(); };

  toolboxWidget_ = std::make_unique<ToolboxWindow>(toolbox_, doc_, &window_);
  toolboxWidget_->setObjectName(QStringLiteral("toolboxWindow"));
  toolboxWidget_->onKeyPress = keyDown;
  toolboxWidget_->onKeyRelease = keyUp;
  toolboxWidget_->onClosed = [this] {
    if (!syncing_) app_.toolboxClosed();
    refreshCorner();
  };
  toolboxWidget_->onMoved = [this] { toolWindowMoved(); };
  makeBidsWindow();
}

void BlockViews::makeBidsWindow() {
  BidsWindowHooks hooks;
  hooks.pairingFiltersOn = [this] { return pairWin_.filtersOn(); };
  hooks.setCrewFilter = [this](int crew) { setCrewFilter(crew); };
  hooks.clearPairingFilters = [this] {
    ClearPairingFilters(doc_, pairWin_);
    pairingFiltersChanged();
  };
  // The editor names the crew member in its own caption.
  hooks.editBidFilter = [this](int crew, const std::string&) {
    if (EditBidFilter(doc_, crew, app_.ui())) app_.changed();
  };
  // Employee info recalculates and checks the block and re-applies the
  // block filters itself.
  hooks.employeeInfo = [this](int crew) { openEmployeeInfo(crew); };
  if (app_.mailer() != nullptr) hooks.composeMail = [this] { app_.mailer()->send({}); };
  hooks.dayRequestsChanged = [this](int crew) {
    rowsChanged(crew);
    CountDayBalance(doc_, *this);
  };
  bids_.setHooks(std::move(hooks));

  bidsWidget_ = std::make_unique<BidsWindow>(bids_, &window_);
  bidsWidget_->setObjectName(QStringLiteral("bidsWindow"));
  bidsWidget_->onWheel = [this](QWheelEvent* e) {
    QApplication::sendEvent(gridWidget_->viewport(), e);
  };
  bidsWidget_->onFocusBack = [this] {
    window_.activateWindow();
    gridWidget_->setFocus();
  };
  bidsWidget_->onClosed = [this] {
    if (syncing_) return;
    bids_.StoreBidEdits();
    doc_.BidsWindowVisible = 0;
    app_.changed();
  };
  const QRect screen =
      window_.screen() != nullptr ? window_.screen()->availableGeometry() : QRect(0, 0, 1024, 768);
  const Rect frame = BidsWindowPlacement(app_.settings(), screen.width(), screen.height());
  bidsWidget_->setGeometry(frame.left, frame.top, frame.width(), frame.height());
}

void BlockViews::rebuildBidsTabs() {
  std::vector<int> order;
  order.reserve(static_cast<std::size_t>(grid_.rowCount()));
  for (int row = 0; row < grid_.rowCount(); ++row) order.push_back(grid_.crewAt(row));
  bids_.RebuildBidsTabs(order);
  bidsWidget_->refresh();
}

void BlockViews::storeBidEdits() {
  if (bidsWidget_->isVisible()) bids_.StoreBidEdits();
}

void BlockViews::hideBidsWindow() {
  if (!bidsWidget_->isVisible()) return;
  bids_.StoreBidEdits();
  syncing_ = true;
  bidsWidget_->hide();
  syncing_ = false;
}

bool BlockViews::selectBidsTab(int crew) {
  if (!bidsWidget_->isVisible()) return false;
  const int tab = bids_.tabOfCrew(crew);
  if (tab >= 0) bids_.SelectBidsTab(tab);
  bidsWidget_->refresh();
  return true;
}

BlockViews::~BlockViews() {
  const QRect frame = bidsWidget_->geometry();
  StoreBidsWindowPlacement(app_.settings(),
                           {frame.left(), frame.top(), frame.right() + 1, frame.bottom() + 1});
  settleTimer_->stop();
  adoptUserPlaces();
  if (pairPlace_ != ReadPairWindowPlace(app_.settings()))
    StorePairWindowPlace(app_.settings(), pairPlace_);
  if (toolboxPlace_ != ReadToolboxPlace(app_.settings()))
    StoreToolboxPlace(app_.settings(), toolboxPlace_);
  // The windows go before the models they show.
  bidsWidget_.reset();
  textWindow_.reset();
  toolboxWidget_.reset();
  pairWidget_.reset();
  gridWidget_.reset();
}

BlockEditContext BlockViews::context() {
  return {doc_, app_.ui(), app_.eventLog(), app_.rules(), *this};
}

void BlockViews::useDisplay(const StartupSettings& display) {
  GridOptions options;
  options.grid = display.switches.grid;
  options.layovers = display.switches.layovers;
  options.showFullPair = display.switches.showFullPair;
  options.showFullLayOver = display.switches.showFullLayOver;
  options.xPadding = display.paddings.x;
  options.yPadding = display.paddings.y;
  grid_.setOptions(options);
  grid_.setColors(display.colors);
  pairWin_.setOptions({options.layovers, options.showFullPair, options.showFullLayOver});
  pairWin_.setColors(display.colors);
  fonts_ = DefaultCanvasFonts(display.font);
  pairWidget_->setFonts(fonts_);
  // Recomputes the geometry, which the pairing window takes over.
  gridWidget_->setFonts(fonts_);
  gridWidget_->invalidateAll();
  pairWidget_->viewport()->update();
}

void BlockViews::geometryChanged() {
  const GridGeometry& g = grid_.geometry();
  pairWin_.setGeometry(g.cellWidth, g.rowHeight);
  pairWidget_->updateScrollRange();
  bidsWidget_->setGridMetrics(fonts_.grid, g.cellWidth);
  // The first day column moves with the name column's width.
  placeToolWindows();
  pairWidget_->viewport()->update();
}

void BlockViews::followMainWindow() {
  placeToolWindows();
}

ToolWindowArea BlockViews::toolWindowArea() const {
  ToolWindowArea area;
  const BlockGridWidget& grid = *gridWidget_;
  // X0 counts from the viewport's left edge; the right edge takes in the
  // vertical scroll bar, so that the pairing window's bar sits under it.
  const QPoint origin = grid.viewport()->mapToGlobal(QPoint(0, 0));
  const QPoint corner = grid.mapToGlobal(QPoint(grid.width(), 0));
  area.grid = {origin.x(), origin.y(), corner.x(), origin.y() + gridWidget_->viewport()->height()};
  const QScreen* screen = window_.screen();
  const QRect free = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  area.screen = {free.left(), free.top(), free.right() + 1, free.bottom() + 1};
  area.x0 = grid_.geometry().nameWidth;
  area.rowHeight = grid_.geometry().rowHeight;
  // The main window's own caption tells how high the window manager draws
  // one; without a window manager (offscreen) there is none.
  area.caption = std::max(0, window_.geometry().top() - window_.frameGeometry().top());
  return area;
}

void BlockViews::placeToolWindows() {
  if (!window_.isVisible()) return;
  const ToolWindowArea area = toolWindowArea();
  if (pairWidget_->isVisible()) {
    const Rect frame = PairWindowFrame(area, pairPlace_);
    pairPlaced_ = QRect(frame.left, frame.top, frame.width(), frame.height());
    pairWidget_->place(pairPlaced_);
  }
  if (toolboxWidget_->isVisible() && !toolboxPlace_) placeToolbox(area);
}

void BlockViews::placeToolbox(const ToolWindowArea& area) {
  const Rect pairs = PairWindowFrame(area, pairPlace_);
  const Point origin =
      ToolboxOrigin(area, pairs, toolboxWidget_->width(), toolboxWidget_->height(), toolboxPlace_);
  toolboxPlaced_ = QPoint(origin.x, origin.y);
  if (toolboxWidget_->pos() != toolboxPlaced_) toolboxWidget_->move(toolboxPlaced_);
}

void BlockViews::toolWindowMoved() {
  const bool pairsAway = pairWidget_->isVisible() && pairWidget_->geometry() != pairPlaced_;
  const bool toolboxAway = toolboxWidget_->isVisible() && toolboxWidget_->pos() != toolboxPlaced_;
  if (pairsAway || toolboxAway) settleTimer_->start();
}

void BlockViews::adoptUserPlaces() {
  if (!window_.isVisible()) return;
  const ToolWindowArea area = toolWindowArea();
  if (pairWidget_->isVisible() && pairWidget_->geometry() != pairPlaced_) {
    const QRect now = pairWidget_->geometry();
    pairPlace_ =
        PairWindowPlaceOf(area, {now.left(), now.top(), now.right() + 1, now.bottom() + 1});
  }
  if (toolboxWidget_->isVisible() && toolboxWidget_->pos() != toolboxPlaced_) {
    toolboxPlace_ = Point{toolboxWidget_->x(), toolboxWidget_->y()};
    toolboxPlaced_ = toolboxWidget_->pos();
  }
  // Whatever the user did sideways, the columns line up with the grid's again.
  placeToolWindows();
}

// --- the frame's moments

void BlockViews::blocksBuilt() {
  // A search-only filter kept from the last document searches this one's
  // crew members, not the marks of whoever was in the slots before.
  applyBlockFilters(doc_.BlockSearchOn != 0);
  grid_.resetHover();
  gridWidget_->syncScrollBars();
  pairWin_.clearSelection();
  // Windows about to be shown are laid out and rebuilt by showing them.
  const bool pairsShown = pairWidget_->isVisible();
  const bool toolboxShown = toolboxWidget_->isVisible();
  const bool toolboxWanted = doc_.ToolboxWindowVisible != 0;
  syncWindows();
  if (pairsShown && pairWidget_->isVisible()) pairWidget_->relayout();
  pairWidget_->refreshCaption();
  // A toolbox that stays as it was is rebuilt all the same, which brings the
  // current item back to the first request; one being hidden is left alone.
  if (toolboxShown == toolboxWanted) toolboxWidget_->rebuild();
  if (bidsWidget_->isVisible()) rebuildBidsTabs();
  const OpenTime open = ComputeOpenTime(doc_);
  window_.showOpenTime(open.open, open.total, OpenTimeText(open.open));
  gridWidget_->invalidateAll();
  // The grid's keys work at once, without a click into it first.
  gridWidget_->setFocus();
}

void BlockViews::viewsClosing() {
  storeBidEdits();
  syncing_ = true;
  bidsWidget_->hide();
  pairWidget_->hide();
  toolboxWidget_->hide();
  syncing_ = false;
  textWindow_.reset();
  gridWidget_->invalidateAll();
}

void BlockViews::documentReplaced() {
  textWindow_.reset();
  // The cleared document holds no filter marks.
  pairWin_.setFilters(false, std::string());
  grid_.resetHover();
  grid_.setLastMonthOverlay(false);
  grid_.setFullCredits(false);
  gridWidget_->syncScrollBars();
  gridWidget_->scrollTo(0, 0);
  gridWidget_->invalidateAll();
}

void BlockViews::syncWindows() {
  // Floating windows shown before the main window is on screen are placed
  // against a window that is not where it will be, and a window manager
  // stacks the main window over them once it appears: they wait for it.
  if (!window_.isVisible()) {
    refreshCorner();
    return;
  }
  const bool built = doc_.BlocksShown != 0;
  const bool wantPairs = built && doc_.PairWindowVisible != 0;
  const bool wantToolbox = built && doc_.ToolboxWindowVisible != 0;
  syncing_ = true;
  if (wantPairs && !pairWidget_->isVisible()) {
    const Rect frame = PairWindowFrame(toolWindowArea(), pairPlace_);
    pairPlaced_ = QRect(frame.left, frame.top, frame.width(), frame.height());
    pairWidget_->place(pairPlaced_);
    pairWidget_->followGrid(grid_.firstColumn());
    pairWidget_->relayout();
    pairWidget_->refreshCaption();
    pairWidget_->show();
    pairWidget_->raise();
  } else if (!wantPairs && pairWidget_->isVisible()) {
    pairWidget_->hide();
  }
  if (wantToolbox && !toolboxWidget_->isVisible()) {
    toolboxWidget_->rebuild();
    placeToolbox(toolWindowArea());
    toolboxWidget_->show();
    toolboxWidget_->raise();
  } else if (!wantToolbox && toolboxWidget_->isVisible()) {
    toolboxWidget_->hide();
  }
  const bool wantBids =
      built && doc_.BidsWindowVisible != 0 && doc_.crewKind() != CrewKind::FlightAttendants;
  if (wantBids && !bidsWidget_->isVisible()) {
    rebuildBidsTabs();
    // As set up: his pairing filter applies again while the filters are on.
    bids_.SelectBidsTab(bids_.selectedTab());
    bidsWidget_->refresh();
    bidsWidget_->show();
    bidsWidget_->raise();
  } else if (!wantBids && bidsWidget_->isVisible()) {
    bids_.StoreBidEdits();
    bidsWidget_->hide();
  }
  syncing_ = false;
  refreshCorner();
}

void BlockViews::toggleShowOnlyOpenPairings() {
  pairWin_.toggleShowOnlyOpen();
  pairWidget_->updateScrollRange();
  pairWidget_->refreshCaption();
  pairWidget_->viewport()->update();
}

void BlockViews::applyBlockFilters(bool search) {
  if (!doc_.BlocksShown) return;
  if (search) {
    // The search box gives the keyboard back to the grid.
    gridWidget_->setFocus();
    showDisplayOrder(RunBlockSearch(doc_, window_.searchText(), filters_, app_.ui()).filters);
  } else {
    showDisplayOrder(ApplyBlockFilters(doc_, filters_));
  }
}

void BlockViews::showDisplayOrder(const BlockFilterOutcome& outcome) {
  grid_.setDisplayOrder(filters_.displayOrder());
  if (!outcome.repaint) return;
  // The bids window's tabs follow the grid's order.
  if (bidsWidget_->isVisible()) rebuildBidsTabs();
  grid_.resetHover();
  gridWidget_->syncScrollBars();
  gridWidget_->invalidateAll();
}

void BlockViews::setCrewFilter(int crew) {
  SetCrewFilter(doc_, pairWin_, crew, app_.ui());
  pairingFiltersChanged();
}

void BlockViews::pairingFiltersChanged() {
  pairWidget_->updateScrollRange();
  pairWidget_->verticalScrollBar()->setValue(0);
  pairWidget_->refreshCaption();
  pairWidget_->viewport()->update();
  refreshCorner();
}

void BlockViews::refreshCorner() {
  CornerState corner;
  corner.pairWindowOpen = doc_.PairWindowVisible != 0;
  corner.toolboxOpen = doc_.ToolboxWindowVisible != 0;
  corner.thirdOpen = doc_.BidsWindowVisible != 0;
  gridWidget_->setCornerState(corner);
  gridWidget_->invalidate(grid_.cornerRect());
}

// --- keys

bool BlockViews::keyPress(QKeyEvent* event) {
  const std::optional<ShellKey> key = shellKeyFor(event->key(), event->modifiers());
  if (!key || !doc_.BlocksShown) return false;
  switch (*key) {
    case ShellKey::Left:
      if (!event->isAutoRepeat()) setLastMonthOverlay(true);
      return true;
    case ShellKey::Escape:
      if (!event->isAutoRepeat()) setFullCredits(true);
      return true;
    case ShellKey::Right:
      return true;  // acts on release
    case ShellKey::Up:
      gridWidget_->scrollRows(-1);
      return true;
    case ShellKey::Down:
      gridWidget_->scrollRows(1);
      return true;
    default:
      return false;
  }
}

bool BlockViews::keyRelease(QKeyEvent* event) {
  const std::optional<ShellKey> key = shellKeyFor(event->key(), event->modifiers());
  if (!key || !doc_.BlocksShown || event->isAutoRepeat()) return false;
  switch (*key) {
    case ShellKey::Left:
      setLastMonthOverlay(false);
      return true;
    case ShellKey::Escape:
      setFullCredits(false);
      return true;
    case ShellKey::Right:
      checkEveryBlock();
      return true;
    default:
      return false;
  }
}

void BlockViews::setLastMonthOverlay(bool on) {
  if (grid_.lastMonthOverlay() == on) return;
  doc_.view.lastMonthView = on ? 1 : 0;
  grid_.setLastMonthOverlay(on);
  gestures_.setLastMonthOverlay(on);
  pairWidget_->setLastMonthShown(on);
  grid_.resetHover();
  gridWidget_->invalidateAll();
}

void BlockViews::setFullCredits(bool on) {
  if (grid_.fullCredits() == on) return;
  doc_.view.allCreditsDisplay = on ? 1 : 0;
  grid_.setFullCredits(on);
  RecalcAllBlockCredits(doc_, on, app_.ui(), *this);
  gridWidget_->invalidateAll();
}

void BlockViews::checkEveryBlock() {
  app_.rules().CheckAllBlocks(doc_);
  gridWidget_->invalidateAll();
}

// --- the grid's mouse

void BlockViews::gridMouseDown(MouseButton button, Point p, KeyState keys) {
  if (!doc_.BlocksShown) return;
  if (grid_.hitTest(p).area == GridArea::Corner) return;
  gestures_.mouseDown(button, grid_.gestureHit(p), keys);
  window_.refreshAfterChange();
}

void BlockViews::gridMouseUp(MouseButton button, Point p, KeyState keys) {
  if (!doc_.BlocksShown) return;
  const bool wasDragging = gestures_.dragging();
  if (!wasDragging && button == MouseButton::Left && grid_.hitTest(p).area == GridArea::Corner) {
    cornerClicked(grid_.cornerButton(p));
    return;
  }
  lastClick_ = gridWidget_->viewport()->mapToGlobal(QPoint(p.x, p.y));
  gestures_.mouseUp(button, grid_.gestureHit(p), keys);
  gridWidget_->setGridCursor(GridCursor::Arrow);
  window_.refreshAfterChange();
  // The cell under the pointer may hold something else now: its status is
  // shown again without waiting for the pointer to leave it.
  grid_.resetHover();
  if (doc_.BlocksShown) gridMouseMove(p, false);
}

void BlockViews::gridMouseMove(Point p, bool buttonsDown) {
  if (!doc_.BlocksShown) return;
  if (buttonsDown && gestures_.dragging()) {
    gridWidget_->setGridCursor(gestures_.mouseMove(grid_.gestureHit(p)));
    return;
  }
  if (std::optional<std::string> status = grid_.hoverStatus(p)) {
    window_.statusBar()->showMessage(fromCoreText(*status));
  }
}

void BlockViews::cornerClicked(CornerButton button) {
  const bool cabin = doc_.crewKind() == CrewKind::FlightAttendants;
  switch (button) {
    case CornerButton::PairWindow:
      window_.runCommand(command::kPairingsWindow);
      break;
    case CornerButton::Toolbox:
      window_.runCommand(command::kToolbox);
      break;
    case CornerButton::Third:
      window_.runCommand(cabin ? command::kPairingFiltersWindow : command::kBidsWindow);
      break;
    case CornerButton::None:
      break;
  }
  refreshCorner();
}

// --- the pairing window and the pairing text

void BlockViews::pairWindowClicked(const PairWinClick& click, QPoint globalPos) {
  switch (click.kind) {
    case PairWinClick::Kind::OpenText:
      openText(click.pair, click.day, globalPos);
      break;
    case PairWinClick::Kind::Selected:
      toolbox_.pairingSelected();
      toolboxWidget_->refreshCaption();
      break;
    case PairWinClick::Kind::ShownOwner:
    case PairWinClick::Kind::Nothing:
      break;
  }
  pairWidget_->refreshCaption();
}

void BlockViews::openText(int pair, int day, QPoint globalPos) {
  textWindow_.reset();
  PairTextContent content = PairTextFor(doc_, pair, day);
  if (content.pair < 0) return;
  textWindow_ = std::make_unique<PairTextWindow>(std::move(content), fonts_, &window_);
  textWindow_->setObjectName(QStringLiteral("pairTextWindow"));
  textWindow_->onRightClick = [this] { editPairProperties(); };
  textWindow_->onClosed = [this] { textWindow_.reset(); };
  textWindow_->placeAt(globalPos, window_.frameGeometry());
  textWindow_->show();
}

void BlockViews::openWhosLegal(int pair, int day) {
  BlockEditContext ctx = context();
  OpenWhosLegal(ctx, pair, day);
  window_.refreshAfterChange();
}

void BlockViews::editPairProperties() {
  if (!textWindow_) return;
  const int pair = textWindow_->content().pair;
  const int day = textWindow_->content().day;
  if (pair < 0) return;
  PairPropsDialog model(doc_, pair, day);
  BlockEditContext ctx = context();
  RunPairPropsDialog(textWindow_.get(), model, [&model, &ctx] { return model.ok(ctx); });
  if (textWindow_) textWindow_->setContent(PairTextFor(doc_, pair, day));
  gridWidget_->invalidateAll();
  pairWidget_->viewport()->update();
  window_.refreshAfterChange();
}

// --- BlockViewSink

void BlockViews::cellsChanged(int crew, int firstDay, int dayCount) {
  // A pairing's rest bar reaches into the day after its span.
  gridWidget_->invalidate(grid_.cellsRect(crew, firstDay, dayCount + 1));
  gridWidget_->invalidate(grid_.summaryRect());
}

void BlockViews::rowsChanged(int crew) {
  if (crew == kAllRows) {
    gridWidget_->invalidateAll();
    return;
  }
  gridWidget_->invalidate(grid_.rowRect(crew));
}

void BlockViews::pairingWindowChanged(bool layoutAgain) {
  if (layoutAgain) {
    pairWidget_->relayout();
  } else {
    // Who holds the trips changed under the same layout.
    pairWin_.MarkFrenchPairings();
    pairWidget_->viewport()->update();
  }
  pairWidget_->refreshCaption();
}

void BlockViews::blockFiltersChanged() {
  // The name column shows the block-holder marks and credits of everyone.
  const Rect names{0, grid_.geometry().headerHeight, grid_.geometry().nameWidth,
                   gridWidget_->viewport()->height()};
  gridWidget_->invalidate(names);
  applyBlockFilters(false);
}

void BlockViews::dayBalanceChanged(int day) {
  gridWidget_->invalidate(grid_.headerDayRect(day));
}

void BlockViews::openTimeChanged(int open, int total) {
  window_.showOpenTime(open, total, OpenTimeText(open));
}

void BlockViews::timeBankChanged(std::string_view text) {
  window_.timeBankField().setText(fromCoreText(text));
}

// --- GridGestureActions

bool BlockViews::toolboxPlacing() const {
  return doc_.view.toolboxPlacing != 0;
}

void BlockViews::placeToolboxCode(int crew, int day) {
  BlockEditContext ctx = context();
  PlaceToolboxItem(ctx, toolbox_.currentItem(), crew, day);
}

void BlockViews::openOtherAssignment(int crew, int day) {
  std::optional<OtherAssDialog> dialog = OtherAssDialog::Open(doc_, crew, day);
  if (!dialog) return;
  RunOtherAssignmentDialog(&window_, *dialog, doc_);
  BlockEditContext ctx = context();
  OtherAssDialogClosed(ctx, crew, day);
}

void BlockViews::openPairingText(int pair, int day) {
  openText(pair, day, lastClick_);
}

bool BlockViews::removeOtherAssignment(int crew, int day, bool shift) {
  BlockEditContext ctx = context();
  return RemoveOtherAssignment(ctx, crew, day, shift);
}

void BlockViews::reapplyBlockFilters() {
  blockFiltersChanged();
}

void BlockViews::openEmployeeInfo(int crew) {
  if (ShowEmployeeInfo(context(), crew, [this] { reapplyBlockFilters(); })) app_.changed();
}

void BlockViews::openQuickEmployeeInfo(int crew) {
  const QPoint at = QCursor::pos();
  if (ShowQuickEmployeeInfo(context(), crew, Point{at.x(), at.y()},
                            [this] { reapplyBlockFilters(); })) {
    app_.changed();
  }
}

void BlockViews::openMoveOnRoster(int crew) {
  if (ShowMoveOnRoster(context(), crew, [this] { reapplyBlockFilters(); })) {
    gridWidget_->viewport()->update();
    app_.changed();
  }
}

void BlockViews::showProposedCells(std::span<const ProposedCell> cells) {
  grid_.setProposedCells({cells.begin(), cells.end()});
  gridWidget_->invalidateAll();
}

void BlockViews::showProposedCell(int crew, int day) {
  const int row = grid_.rowOf(crew);
  if (row < 0) {
    if (doc_.isRosterIndex(crew))
      app_.frontEnd().showNote(doc_.pilot(crew).Name + " is hidden by the block filters.");
    return;
  }
  // The preview's list stands over part of the grid: the day is brought into
  // the columns left of it, or right of it when too few are left, and
  // nothing moves when the cell is in sight there already.
  const GridGeometry& g = grid_.geometry();
  const int columns = gridWidget_->visibleColumns();
  int firstFree = 0;
  int freeColumns = columns;
  if (const QWidget* list = QApplication::activeModalWidget()) {
    const QWidget* viewport = gridWidget_->viewport();
    const int left = list->frameGeometry().left() - viewport->mapToGlobal(QPoint(0, 0)).x();
    const int right = list->frameGeometry().right() - viewport->mapToGlobal(QPoint(0, 0)).x();
    const int before = std::clamp((left - g.nameWidth) / std::max(1, g.cellWidth), 0, columns);
    const int after = std::clamp((right - g.nameWidth) / std::max(1, g.cellWidth) + 1, 0, columns);
    if (right > g.nameWidth && before < columns) {
      // Right of it only when the day is late enough to be scrolled there.
      if (before < 3 && columns - after > before && day >= after) {
        firstFree = after;
        freeColumns = columns - after;
      } else {
        freeColumns = std::max(1, before);
      }
    }
  }
  const int rows = gridWidget_->visibleRows();
  int firstColumn = grid_.firstColumn();
  int firstRow = grid_.firstRow();
  if (day < firstColumn + firstFree || day >= firstColumn + firstFree + freeColumns)
    firstColumn = std::max(0, day - firstFree - std::min(2, freeColumns - 1));
  if (row < firstRow || row >= firstRow + rows) firstRow = std::max(0, row - rows / 4);
  gridWidget_->scrollTo(firstColumn, firstRow);
  grid_.setProposedFocus(crew, day);
  gridWidget_->invalidateAll();
}

}  // namespace lumora
