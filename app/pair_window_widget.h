#pragma once
// The pairing window on the desktop: a floating tool window of the main
// window that shows the pairing window's view model. It scrolls vertically by
// slot rows with its own bar; horizontally it follows the grid's first
// visible column. Clicks go to the model and then to the owner's callbacks;
// keys and the wheel belong to the main window and are handed on untouched.

#include <QAbstractScrollArea>
#include <QPoint>
#include <QRect>
#include <functional>

#include "app/qt_canvas.h"
#include "views/pair_window.h"

class QKeyEvent;
class QWheelEvent;

namespace lumora {

class PairWindowWidget : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // `model` must outlive the widget.
  PairWindowWidget(TPairWin& model, const CanvasFonts& fonts, QWidget* parent = nullptr);

  TPairWin& model() const { return model_; }
  void setFonts(const CanvasFonts& fonts);

  // Lays the pairings out again, sets the scroll range and repaints.
  void relayout();
  // Takes the scroll range from the model without laying out again.
  void updateScrollRange();
  // The title shows the model's caption.
  void refreshCaption();
  // Horizontal scrolling: the grid's first visible day column.
  void followGrid(int firstColumn);
  // While the grid shows last month's days its columns are not this month's:
  // the bars would sit under the wrong days, so none are drawn.
  void setLastMonthShown(bool shown);
  // Repaints `rect` (window coordinates).
  void invalidate(const Rect& rect);

  // Puts the client area at `frame` (screen coordinates) unless it is there.
  void place(const QRect& frame);

  // After the model handled a left button release; `globalPos` is where the
  // pointer was, for placing a pairing text window.
  std::function<void(const PairWinClick&, QPoint globalPos)> onLeftClick;
  // After the model handled a right button press.
  std::function<void(const PairWinRightClick&)> onRightClick;
  std::function<void(QKeyEvent*)> onKeyPress;
  std::function<void(QKeyEvent*)> onKeyRelease;
  std::function<void(QWheelEvent*)> onWheel;
  // The user closed the window with its close box (or close() was called);
  // hide() says nothing.
  std::function<void()> onClosed;
  // The window moved or changed its size, by place() or by the user.
  std::function<void()> onGeometryChanged;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  bool lastMonthShown_ = false;
  TPairWin& model_;
  CanvasFonts fonts_;
};

}  // namespace lumora
