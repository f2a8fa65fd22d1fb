#include "app/bids_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTextCursor>
#include <QWheelEvent>

#include "app/core_text.h"
#include "views/bids_window.h"

namespace lumora {

namespace {

QPlainTextEdit* makePane(const char* name, bool readOnly, QWidget* parent) {
  auto* pane = new QPlainTextEdit(parent);
  pane->setObjectName(QString::fromLatin1(name));
  pane->setAccessibleName(QString::fromLatin1(name));
  pane->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  if (readOnly) {
    pane->setReadOnly(true);
    // The keyboard stays with the grid.
    pane->setFocusPolicy(Qt::NoFocus);
  }
  return pane;
}

QPushButton* makeButton(std::string_view text, QWidget* parent) {
  auto* button = new QPushButton(fromCoreText(text), parent);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoDefault(false);
  return button;
}

void setPaneText(QPlainTextEdit& pane, const std::string& text) {
  if (pane.toPlainText() == fromCoreText(text)) return;
  pane.setPlainText(fromCoreText(text));
  pane.moveCursor(QTextCursor::Start);
  pane.verticalScrollBar()->setValue(0);
}

void place(QWidget& widget, const Rect& r) {
  widget.setGeometry(r.left, r.top, r.width(), r.height());
}

}  // namespace

BidsWindow::BidsWindow(TBidsWindow& model, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool),
      model_(model),
      tabs_(new QTabBar(this)),
      bids_(makePane("BIDS", false, this)),
      filters_(makePane("FILTERS", true, this)),
      guess_(makePane("GUESS", true, this)),
      toggle_(makeButton(kFiltersOnLabel, this)),
      select_(makeButton("SELECT FILTERS", this)),
      more_(makeButton("MORE OPTIONS", this)),
      setFilters_(makeButton("SET FILTERS", this)),
      setDayOff_(makeButton("SET DAY OFF REQ", this)),
      menu_(new QMenu(this)) {
  setWindowTitle(fromCoreText(kBidsWindowCaption));
  tabs_->setObjectName(QStringLiteral("bidsTabs"));
  tabs_->setUsesScrollButtons(true);
  tabs_->setExpanding(false);
  tabs_->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 25px; }"));
  bids_->setContextMenuPolicy(Qt::CustomContextMenu);

  menu_->addAction(QStringLiteral("Undo"), bids_, &QPlainTextEdit::undo);
  menu_->addAction(QStringLiteral("Cut"), bids_, &QPlainTextEdit::cut);
  menu_->addAction(QStringLiteral("Copy"), bids_, &QPlainTextEdit::copy);
  menu_->addAction(QStringLiteral("Paste"), bids_, &QPlainTextEdit::paste);
  pilotInfo_ = menu_->addAction(QStringLiteral("Pilot Info Dialog"), this, [this] {
    model_.pilotInfo();
    refresh();
  });
  email_ = menu_->addAction(QStringLiteral("eMail Pilot"), this, [this] { model_.emailPilot(); });

  connect(tabs_, &QTabBar::currentChanged, this, [this](int tab) {
    if (updating_ || tab < 0) return;
    model_.SelectBidsTab(tab);
    refresh();
  });
  connect(bids_, &QPlainTextEdit::textChanged, this, [this] {
    if (!updating_) model_.setBidsPaneText(toCoreText(bids_->toPlainText()));
  });
  connect(bids_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    menu_->popup(bids_->viewport()->mapToGlobal(at) - QPoint(0, 30));
  });
  connect(toggle_, &QPushButton::clicked, this, [this] {
    model_.toggleFilters();
    afterButton();
  });
  connect(select_, &QPushButton::clicked, this, [this] {
    model_.selectFilters();
    refresh();
  });
  connect(more_, &QPushButton::clicked, this,
          [this] { menu_->popup(more_->mapToGlobal(QPoint(0, more_->height()))); });
  connect(setFilters_, &QPushButton::clicked, this, [this] {
    model_.SetFilters();
    afterButton();
  });
  connect(setDayOff_, &QPushButton::clicked, this, [this] {
    model_.SetDayOffReq();
    afterButton();
  });
  bids_->installEventFilter(this);
  for (QPlainTextEdit* pane : {bids_, filters_, guess_}) pane->viewport()->installEventFilter(this);
  filters_->installEventFilter(this);
  guess_->installEventFilter(this);
  refresh();
}

BidsWindow::~BidsWindow() = default;

void BidsWindow::setGridMetrics(const QFont& font, int columnWidth) {
  columnWidth_ = columnWidth;
  for (QWidget* w : std::initializer_list<QWidget*>{tabs_, bids_, filters_, guess_, toggle_,
                                                    select_, more_, setFilters_, setDayOff_})
    w->setFont(font);
  layOut();
}

void BidsWindow::refresh() {
  updating_ = true;
  const int count = model_.tabCount();
  bool same = tabs_->count() == count;
  for (int t = 0; same && t < count; ++t)
    same = tabs_->tabText(t) == fromCoreText(model_.tabLabel(t));
  if (!same) {
    while (tabs_->count() > 0) tabs_->removeTab(tabs_->count() - 1);
    for (int t = 0; t < count; ++t) tabs_->addTab(fromCoreText(model_.tabLabel(t)));
  }
  if (model_.selectedTab() >= 0) tabs_->setCurrentIndex(model_.selectedTab());
  if (model_.contentVersion() != shownVersion_) showPanes();

  const BidsWindowHooks& hooks = model_.hooks();
  const bool crew = model_.selectedCrew() >= 0;
  toggle_->setText(fromCoreText(model_.filtersToggleLabel()));
  toggle_->setEnabled(crew && hooks.pairingFiltersOn && hooks.setCrewFilter &&
                      hooks.clearPairingFilters);
  select_->setEnabled(crew && static_cast<bool>(hooks.editBidFilter));
  setFilters_->setEnabled(crew);
  setDayOff_->setEnabled(crew);
  bids_->setReadOnly(!crew);
  pilotInfo_->setEnabled(crew && static_cast<bool>(hooks.employeeInfo));
  email_->setEnabled(static_cast<bool>(hooks.composeMail));
  updating_ = false;
}

void BidsWindow::showPanes() {
  setPaneText(*bids_, model_.bidsPane());
  setPaneText(*filters_, model_.filtersPane());
  setPaneText(*guess_, model_.guessPane());
  shownVersion_ = model_.contentVersion();
}

void BidsWindow::afterButton() {
  refresh();
  if (onFocusBack) onFocusBack();
}

void BidsWindow::layOut() {
  const int tabHeight = tabs_->sizeHint().height();
  tabs_->setGeometry(0, 0, width(), tabHeight);
  const BidsWindowLayout l = LayOutBidsWindow({0, 0, width(), height()}, tabHeight, columnWidth_);
  place(*bids_, l.bids);
  place(*filters_, l.filters);
  place(*guess_, l.guess);
  place(*toggle_, l.filtersToggle);
  place(*select_, l.selectFilters);
  place(*more_, l.moreOptions);
  place(*setFilters_, l.setFilters);
  place(*setDayOff_, l.setDayOffReq);
}

void BidsWindow::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  layOut();
}

void BidsWindow::closeEvent(QCloseEvent* e) {
  QWidget::closeEvent(e);
  if (onClosed) onClosed();
}

bool BidsWindow::eventFilter(QObject* watched, QEvent* e) {
  switch (e->type()) {
    case QEvent::Wheel:
      if (onWheel) {
        onWheel(static_cast<QWheelEvent*>(e));
        return true;
      }
      break;
    case QEvent::KeyRelease:
      if (watched == bids_) {
        model_.GuessBid();
        setPaneText(*guess_, model_.guessPane());
      }
      break;
    case QEvent::MouseButtonPress:
      if (watched == filters_->viewport() &&
          static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        if (select_->isEnabled()) select_->click();
        return true;
      }
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, e);
}

}  // namespace lumora
