#pragma once
// The block grid's window: hosts the view model the main window owns, paints
// it through a QtCanvas, scrolls it by day columns and crew rows, and hands
// mouse and key events over as core types. The gestures, the status texts
// and the keys' meanings belong to the main window.

#include <QAbstractScrollArea>
#include <QString>
#include <functional>

#include "app/qt_canvas.h"
#include "platform/canvas.h"
#include "views/block_grid.h"
#include "views/grid_gestures.h"

class QKeyEvent;
class QMouseEvent;

namespace lumora {

class BlockGridWidget : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // `view` must outlive the widget.
  explicit BlockGridWidget(BlockGridView& view, QWidget* parent = nullptr);

  BlockGridView& view() { return view_; }

  void setCornerState(const CornerState& corner);
  const CornerState& cornerState() const { return corner_; }

  // New fonts recompute the view's geometry, the scroll steps and repaint.
  void setFonts(const CanvasFonts& fonts);
  const CanvasFonts& fonts() const { return fonts_; }

  // After the number of rows or the geometry changed.
  void syncScrollBars();
  // Scrolls so that this day column and row come first, within the ranges.
  void scrollTo(int firstColumn, int firstRow);
  // Scrolls by whole rows (Up and Down keys, also when forwarded).
  void scrollRows(int delta);
  // Day columns and crew rows that fit in the window, at least 1 each.
  int visibleColumns() const;
  int visibleRows() const;

  void invalidate(const Rect& rect);
  void invalidateAll();

  void setGridCursor(GridCursor cursor);

  // Positions are window coordinates of the grid (its viewport).
  std::function<void(MouseButton, Point, KeyState)> onMouseDown;
  std::function<void(MouseButton, Point, KeyState)> onMouseUp;
  std::function<void(Point, bool buttonsDown)> onMouseMove;
  // Every key, Tab included. The handler accepts the keys it acts on; an Up
  // or Down it leaves ignored scrolls one row. A key that went to a handler
  // goes no further up the parents. Auto-repeat shows in isAutoRepeat(), so
  // that held keys can tell a release from a repeat.
  std::function<void(QKeyEvent*)> onKeyPress;
  std::function<void(QKeyEvent*)> onKeyRelease;
  // After every scroll, with the new first column and row.
  std::function<void(int firstColumn, int firstRow)> onScrolled;
  // After setFonts() changed the geometry.
  std::function<void()> onGeometryChanged;
  // After the widget changed its size.
  std::function<void()> onResized;
  // The tooltip of a point of the grid; empty for none.
  std::function<QString(Point)> toolTipAt;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void buttonEvent(QMouseEvent* event, bool down);

  BlockGridView& view_;
  CanvasFonts fonts_;
  CornerState corner_;
};

}  // namespace lumora
