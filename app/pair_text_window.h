#pragma once
// The pairing text window on the desktop: a floating tool window with one
// pairing's full text (or the last pairing of the previous month). Only one
// exists at a time; the main window owns it and replaces it to show another.

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <functional>

#include "app/qt_canvas.h"
#include "views/pair_text_window.h"

namespace lumora {

class PairTextWindow : public QWidget {
  Q_OBJECT

 public:
  PairTextWindow(PairTextContent content, const CanvasFonts& fonts, QWidget* parent = nullptr);

  const PairTextContent& content() const { return content_; }
  // New content (after its day's properties changed): caption and repaint.
  void setContent(PairTextContent content);

  // The frame's rectangle for a pointer at `pointer` inside `mainWindow`,
  // both in screen coordinates, with a title bar `captionHeight` high.
  static QRect placement(QPoint pointer, int lineCount, int captionHeight, const QRect& mainWindow);
  // Moves and sizes the window for the pointer at `pointer`; the platform's
  // title bar height is taken from the style.
  void placeAt(QPoint pointer, const QRect& mainWindow);

  // A right click in the window: the properties of the pairing's day.
  std::function<void()> onRightClick;
  // The window was closed. Called once the close event is over, so the owner
  // may destroy the window from here; not called when the window is
  // destroyed without closing.
  std::function<void()> onClosed;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  PairTextContent content_;
  CanvasFonts fonts_;
};

}  // namespace lumora
