#include <gtest/gtest.h>

#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "app/pair_props_window.h"
#include "app/pair_text_window.h"
#include "app/pair_window_widget.h"
#include "app/qt_canvas.h"
#include "app_test_support.h"
#include "building/block_edit.h"
#include "building/block_rules.h"
#include "model/calendar.h"
#include "views/pair_props_dialog.h"

namespace lumora::testing {
namespace {

constexpr int kCellWidth = 30;
constexpr int kRowHeight = 20;

// March 2027 for two captains of YUL: a one-day pairing open on the 3rd and
// the 6th, and a two-day pairing open on the 3rd and held by the second
// captain on the 22nd.
class PairWindowsTest : public ::testing::Test {
 protected:
  static constexpr int kDayPair = 0;
  static constexpr int kTwoDayPair = 1;

  void SetUp() override {
    doc = std::make_unique<TDocument>();
    FillCalendar(doc->cal, ToDayNumber({1, 3, 2027}), ToDayNumber({31, 3, 2027}));
    doc->CrewType = 0;
    doc->FileDescriptor = "YULCRJCAM";
    doc->PilotCount = 2;
    doc->Pilots[0].Name = "FIRST CAPTAIN";
    doc->Pilots[1].Name = "SECOND CAPTAIN";
    for (auto& pilot : {&doc->Pilots[0], &doc->Pilots[1]}) pilot->DayCell.fill(-1);
    const auto pairing = [this](int at, int number, int on, int off, int days, int credit,
                                const char* text) {
      TPair& p = doc->Pairs[static_cast<std::size_t>(at)];
      p.Number = number;
      p.OnTime = on * 60;
      p.OffTime = off * 60;
      p.Credit = credit * 60;
      p.Length = p.AdjLength = days;
      for (int d = 0; d < days; ++d)
        p.DailyCredit[static_cast<std::size_t>(d)] = credit * 60 / days;
      p.CrewPosition = "CA";
      p.DisplayText = text;
      p.DayStatus[2] = kOpenInstance;
      return &p;
    };
    pairing(kDayPair, 7301, 8, 17, 1, 6, "PAIRING 7301\nYUL 0800 YYZ 0915\nYYZ 1500 YUL 1700")
        ->DayStatus[5] = kOpenInstance;
    TPair& two = *pairing(kTwoDayPair, 7102, 7, 16, 2, 11, "PAIRING 7102\nDAY 1\nDAY 2\nEND");
    two.DayStatus[21] = kAssignedInstance;
    doc->Pilots[1].DayCell[21] = kTwoDayPair;
    doc->LastPair = doc->LastBasePair = 1;

    model = std::make_unique<TPairWin>(*doc);
    model->setGeometry(kCellWidth, kRowHeight);
    widget = std::make_unique<PairWindowWidget>(*model, fonts);
    widget->resize(31 * kCellWidth, 4 * kRowHeight);
    // Shown, so that the viewport has its size before the first layout.
    widget->show();
    widget->relayout();
  }
  // Counts pixels of `color` in the rectangle of `image`.
  static int count(const QImage& image, QColor color, QRect r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) n += image.pixelColor(x, y) == color ? 1 : 0;
    return n;
  }

  // The window point at the middle of the instance of `pair` on `day`.
  QPoint centreOf(int pair, int day) const {
    for (int slot = 0; slot <= model->highestSlot(); ++slot) {
      if (model->cell(day, slot) != pair) continue;
      const Rect r = model->instanceRect(day, slot, 1);
      return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    ADD_FAILURE() << "pairing " << pair << " not laid out on day " << day;
    return {};
  }

  void send(QEvent::Type type, Qt::MouseButton button, QPoint at) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->viewport()->mapToGlobal(at)), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QCoreApplication::sendEvent(widget->viewport(), &event);
  }
  void leftClick(QPoint at) {
    send(QEvent::MouseButtonPress, Qt::LeftButton, at);
    send(QEvent::MouseButtonRelease, Qt::LeftButton, at);
  }

  CanvasFonts fonts = DefaultCanvasFonts(GridFontChoice{});
  std::unique_ptr<TDocument> doc;
  std::unique_ptr<TPairWin> model;
  std::unique_ptr<PairWindowWidget> widget;
};

TEST_F(PairWindowsTest, ClicksSelectAnInstanceNameItsOwnerAndThenOpenItsText) {
  EXPECT_EQ(widget->windowTitle(), QStringLiteral("Filters Off"));

  std::vector<PairWinClick> clicks;
  widget->onLeftClick = [&](const PairWinClick& click, QPoint) { clicks.push_back(click); };

  const QPoint open = centreOf(kDayPair, 5);
  leftClick(open);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].kind, PairWinClick::Kind::Selected);
  EXPECT_TRUE(doc->view.selection.pair == kDayPair && doc->view.selection.day == 5);
  EXPECT_TRUE(widget->windowTitle().startsWith(QStringLiteral("Pair 7301   On 08:00   Off 17:00")))
      << widget->windowTitle().toStdString();

  // The second click on the selection asks for its text.
  leftClick(open);
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_TRUE(clicks[1].kind == PairWinClick::Kind::OpenText && clicks[1].pair == kDayPair &&
              clicks[1].day == 5);

  // An assigned instance names its holder; the window scrolls with the grid
  // to reach the 22nd.
  widget->followGrid(20);
  leftClick(centreOf(kTwoDayPair, 21));
  ASSERT_EQ(clicks.size(), 3u);
  EXPECT_EQ(clicks[2].kind, PairWinClick::Kind::ShownOwner);
  EXPECT_EQ(widget->windowTitle(),
            QStringLiteral("Pair 7102 on the 22nd assigned to SECOND CAPTAIN (2) - Filters Off"));
  // The selection stays where it was.
  EXPECT_EQ(doc->view.selection.day, 5);

  // Empty cells leave the selection and the title alone.
  const QString title = widget->windowTitle();
  leftClick(QPoint(29 * kCellWidth + 2, 3 * kRowHeight));
  EXPECT_EQ(widget->windowTitle(), title);
  ASSERT_EQ(clicks.size(), 4u);
  EXPECT_EQ(clicks[3].kind, PairWinClick::Kind::Nothing);
}

TEST_F(PairWindowsTest, ScrollRangeFollowsTheLayoutAndTheWindowItsPlaceAndWidth) {
  // Only open instances: once the one-day pairing is held on both its days
  // the two-day pairing's band moves up to the first row.
  EXPECT_EQ(widget->verticalScrollBar()->maximum(), 1);
  doc->Pairs[kDayPair].DayStatus[2] = doc->Pairs[kDayPair].DayStatus[5] = kAssignedInstance;
  doc->ShowAssignedPairs = 0;
  widget->relayout();
  EXPECT_EQ(model->cell(2, 0), kTwoDayPair);
  EXPECT_EQ(widget->verticalScrollBar()->maximum(), 0);

  // Scrolling the bar scrolls the model.
  doc->ShowAssignedPairs = 1;
  widget->relayout();
  widget->verticalScrollBar()->setValue(1);
  widget->followGrid(3);
  EXPECT_EQ(model->firstColumn(), 3);
  EXPECT_EQ(model->firstSlot(), 1);

  // What is painted follows the scrolling: the 7301 bar of the 6th (credit
  // class 2) sits in the first row, three columns further left.
  DisplayColors colors{};
  colors[kHighCreditPairings] = Rgb{200, 40, 10};
  model->setColors(colors);
  widget->verticalScrollBar()->setValue(0);
  const QImage painted = widget->viewport()->grab().toImage();
  const QColor red(200, 40, 10);
  EXPECT_GT(count(painted, red, {2 * kCellWidth, kRowHeight - 8, kCellWidth, 8}), 0);
  EXPECT_EQ(count(painted, red, {5 * kCellWidth, kRowHeight - 8, kCellWidth, 8}), 0);
}

TEST_F(PairWindowsTest, RightClicksKeysWheelAndClosingGoToTheOwner) {
  std::vector<PairWinRightClick> rights;
  widget->onRightClick = [&](const PairWinRightClick& click) { rights.push_back(click); };
  send(QEvent::MouseButtonPress, Qt::RightButton, centreOf(kTwoDayPair, 2));
  send(QEvent::MouseButtonPress, Qt::RightButton, QPoint(29 * kCellWidth + 2, 3 * kRowHeight));
  // A quick second press arrives as a double click; it counts all the same.
  send(QEvent::MouseButtonDblClick, Qt::RightButton, centreOf(kTwoDayPair, 2));
  ASSERT_EQ(rights.size(), 3u);
  EXPECT_TRUE(rights[0].onPairing && rights[0].pair == kTwoDayPair && rights[0].day == 2);
  EXPECT_FALSE(rights[1].onPairing);
  EXPECT_TRUE(rights[2].onPairing);
  // A right press selects nothing.
  EXPECT_EQ(doc->view.selection.pair, -1);

  // Keys and the wheel are the main window's: the window itself does not scroll.
  std::vector<int> keys;
  int wheels = 0;
  widget->onKeyPress = [&](QKeyEvent* e) { keys.push_back(e->key()); };
  widget->onKeyRelease = [&](QKeyEvent* e) { keys.push_back(-e->key()); };
  widget->onWheel = [&](QWheelEvent*) { ++wheels; };
  for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent event(type, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(widget.get(), &event);
  }
  EXPECT_EQ(keys, (std::vector<int>{Qt::Key_Down, -Qt::Key_Down}));
  QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(widget->viewport(), &wheel);
  EXPECT_EQ(wheels, 1);
  EXPECT_EQ(model->firstSlot(), 0);

  int closed = 0;
  widget->onClosed = [&] { ++closed; };
  widget->hide();
  EXPECT_EQ(closed, 0);
  widget->show();
  widget->close();
  EXPECT_EQ(closed, 1);
}

TEST_F(PairWindowsTest, PairTextWindowShowsThePairingAndReportsRightClicksAndClosing) {
  const QRect mainWindow(0, 0, 1600, 1000);
  auto text = std::make_unique<PairTextWindow>(PairTextFor(*doc, kTwoDayPair, 2), fonts);
  EXPECT_TRUE(text->windowTitle().startsWith(QStringLiteral("ON ")));

  // 800 wide; 16 pixels a line, the title bar and 41 high, left edge 317
  // left of the pointer and centred on it vertically.
  EXPECT_EQ(PairTextWindow::placement(QPoint(700, 500), 4, 20, mainWindow),
            QRect(383, 500 - (4 * 16 + 61) / 2, 800, 4 * 16 + 61));
  text->placeAt(QPoint(700, 500), mainWindow);
  EXPECT_EQ(text->size(), QSize(800, 4 * 16 + 41));
  // Near the right edge it moves left, up to the main window's last column.
  EXPECT_EQ(PairTextWindow::placement(QPoint(1500, 500), 4, 20, mainWindow).right(),
            mainWindow.right());

  // The type of the day colours the text once the window is given new content.
  doc->Pairs[kTwoDayPair].DayPairingType[2] = PairPropsDialog::kLineIndoc;
  text->setContent(PairTextFor(*doc, kTwoDayPair, 2));

  // Painted on white: the lines in the day's colour, the footer in black
  // 22 pixels above the lower edge.
  const QImage painted = text->grab().toImage();
  const QRect footer(0, painted.height() - 22, 400, 22);
  EXPECT_GT(count(painted, QColor(0, 0, 255), {0, 0, 400, 16}), 0);
  EXPECT_GT(count(painted, QColor(0, 0, 0), footer), 0);
  EXPECT_EQ(count(painted, QColor(0, 0, 0), {0, 0, 400, 4 * 16}), 0);

  int rightClicks = 0;
  text->onRightClick = [&] { ++rightClicks; };
  for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), button, button,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(text.get(), &press);
  }
  EXPECT_EQ(rightClicks, 1);

  // The owner drops the window when it is closed, from inside the callback.
  int closed = 0;
  text->onClosed = [&] {
    ++closed;
    text.reset();
  };
  text->show();
  text->close();
  EXPECT_EQ(closed, 0);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(text, nullptr);

  // A window destroyed without closing says nothing.
  auto replaced = std::make_unique<PairTextWindow>(PreviousMonthText("LAST\nTRIP"), fonts);
  EXPECT_EQ(replaced->windowTitle(), QStringLiteral("Last Pairing of Previous Month"));
  replaced->onClosed = [&] { ++closed; };
  replaced.reset();
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(closed, 1);
}

class PairPropsWindowTest : public PairWindowsTest {
 protected:
  // Runs the dialog for (pair, day) with `act` once it is shown; true when
  // it closed with OK.
  bool run(int pair, int day, std::function<void(PairPropsWindow&)> act) {
    PairPropsDialog props(*doc, pair, day);
    BlockEditContext ctx{*doc, ui, log, rules, views};
    whenShown<PairPropsWindow>(std::move(act));
    return RunPairPropsDialog(nullptr, props, [&] { return props.ok(ctx); });
  }

  ScriptedUi ui;
  EventLog log;
  NoRules rules;
  BlockViewSink views;
};

TEST_F(PairPropsWindowTest, TypeIsStoredAndABadExcludedCreditKeepsTheDialogOpen) {
  // A pairing whose number's second digit is 1: no excluded credit.
  const bool stored = run(kTwoDayPair, 2, [](PairPropsWindow& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Properties for M7102 on Mar 03"));
    EXPECT_EQ(dialog.typeGroup().title(), QStringLiteral("Pairing Type for This Day of Ops"));
    EXPECT_TRUE(dialog.typeButton(PairPropsDialog::kNormal).isChecked());
    EXPECT_EQ(dialog.typeButton(2).text(), QStringLiteral("Line Check"));
    EXPECT_FALSE(dialog.excludeEdit().isVisible());
    dialog.typeButton(PairPropsDialog::kLineCheck).click();
    dialog.okButton().click();
  });
  EXPECT_TRUE(stored);
  EXPECT_EQ(doc->Pairs[kTwoDayPair].DayPairingType[2], PairPropsDialog::kLineCheck);
  EXPECT_EQ(doc->Pairs[kTwoDayPair].DayPairingType[21], PairPropsDialog::kNormal);

  // 7301 shows the excluded credit. Minutes above 59 fit the picture but do
  // not read: the message, and the dialog stays until cancelled.
  doc->Pairs[kDayPair].DayExcludeCredit[5] = 90;
  bool stillOpen = false;
  const bool cancelled = !run(kDayPair, 5, [&](PairPropsWindow& dialog) {
    EXPECT_TRUE(dialog.excludeEdit().isVisible());
    EXPECT_EQ(dialog.excludeEdit().text(), QStringLiteral("01:30"));
    dialog.typeButton(PairPropsDialog::kRecurrentLck).click();
    dialog.excludeEdit().selectAll();
    dialog.excludeEdit().insert(QStringLiteral("1275"));
    EXPECT_EQ(dialog.excludeEdit().text(), QStringLiteral("12:75"));
    dialog.okButton().click();
    stillOpen = dialog.isVisible();
    dialog.cancelButton().click();
  });
  EXPECT_TRUE(cancelled);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(ui.messageTexts(),
            std::vector<std::string>{"Invalid Excluded Credits Entry. Please Correct"});
  EXPECT_EQ(ui.last().caption, "Lumora");
  EXPECT_EQ(doc->Pairs[kDayPair].DayExcludeCredit[5], 90);

  // A value that reads is confirmed and stored.
  ui.answers.push_back(Answer::Yes);
  EXPECT_TRUE(run(kDayPair, 5, [](PairPropsWindow& dialog) {
    dialog.excludeEdit().selectAll();
    dialog.excludeEdit().insert(QStringLiteral("0200"));
    dialog.okButton().click();
  }));
  EXPECT_EQ(doc->Pairs[kDayPair].DayExcludeCredit[5], 120);
  EXPECT_TRUE(ui.answers.empty());

  // A stored value of three hour digits shows whole and, untouched, asks
  // nothing and changes nothing.
  doc->Pairs[kDayPair].DayExcludeCredit[5] = 100 * 60 + 5;
  EXPECT_TRUE(run(kDayPair, 5, [](PairPropsWindow& dialog) {
    EXPECT_EQ(dialog.excludeEdit().text(), QStringLiteral("100:05"));
    dialog.okButton().click();
  }));
  EXPECT_EQ(doc->Pairs[kDayPair].DayExcludeCredit[5], 100 * 60 + 5);
  EXPECT_EQ(ui.shown.size(), 2u);
}

}  // namespace
}  // namespace lumora::testing
