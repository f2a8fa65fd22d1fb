#pragma once
// The bids window beside the grid: a row of tabs, one per crew member shown,
// over his bid text (editable), the summary of his pairing filter and the
// guess of his bid, with the buttons of the model. The model decides; this
// window shows its texts and forwards the user's actions to it.

#include <QWidget>
#include <functional>

class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabBar;
class QWheelEvent;

namespace lumora {

class TBidsWindow;

class BidsWindow : public QWidget {
  Q_OBJECT

 public:
  BidsWindow(TBidsWindow& model, QWidget* mainWindow);
  ~BidsWindow() override;

  // The grid's font and column width, which the panes and buttons follow.
  void setGridMetrics(const QFont& font, int columnWidth);
  // Shows what the model holds now: tabs, panes, labels, enabled buttons.
  void refresh();

  // The mouse wheel over a pane scrolls the grid.
  std::function<void(QWheelEvent*)> onWheel;
  // After a button that changes the grid: the main window takes the focus.
  std::function<void()> onFocusBack;
  // The user closed the window (close box); hide() does not call it.
  std::function<void()> onClosed;

  QTabBar& tabBar() const { return *tabs_; }
  QPlainTextEdit& bidsPane() const { return *bids_; }
  QPlainTextEdit& filtersPane() const { return *filters_; }
  QPlainTextEdit& guessPane() const { return *guess_; }
  QPushButton& filtersToggle() const { return *toggle_; }
  QPushButton& selectFiltersButton() const { return *select_; }
  QPushButton& moreOptionsButton() const { return *more_; }
  QPushButton& setFiltersButton() const { return *setFilters_; }
  QPushButton& setDayOffReqButton() const { return *setDayOff_; }
  QMenu& optionsMenu() const { return *menu_; }

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void layOut();
  void showPanes();
  void afterButton();

  TBidsWindow& model_;
  QTabBar* tabs_;  // children of the window
  QPlainTextEdit* bids_;
  QPlainTextEdit* filters_;
  QPlainTextEdit* guess_;
  QPushButton* toggle_;
  QPushButton* select_;
  QPushButton* more_;
  QPushButton* setFilters_;
  QPushButton* setDayOff_;
  QMenu* menu_;
  QAction* pilotInfo_ = nullptr;
  QAction* email_ = nullptr;
  int columnWidth_ = 20;
  int shownVersion_ = -1;
  bool updating_ = false;
};

}  // namespace lumora
