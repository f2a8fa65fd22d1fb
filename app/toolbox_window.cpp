#include "app/toolbox_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPushButton>
#include <QStringList>
#include <algorithm>
#include <iterator>

#include "app/core_text.h"
#include "model/document.h"
#include "views/toolbox_window.h"

namespace lumora {

namespace {

QFont toolboxFont() {
  QFont font;
  // Where Arial is missing, its metric twin keeps the labels inside the
  // 35-pixel buttons.
  font.setFamilies({QString::fromLatin1(kToolboxFontFamily), QStringLiteral("Liberation Sans")});
  font.setPixelSize(kToolboxFontHeight);
  font.setWeight(QFont::Normal);
  return font;
}

}  // namespace

ToolboxWindow::ToolboxWindow(TButtonWin& model, TDocument& doc, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool), model_(model), doc_(doc) {
  setFocusPolicy(Qt::StrongFocus);
  setFont(toolboxFont());
}

ToolboxWindow::~ToolboxWindow() = default;

void ToolboxWindow::rebuild() {
  buttons_.clear();
  model_.RebuildToolbox(doc_);

  const QFont font = toolboxFont();
  buttons_.reserve(static_cast<std::size_t>(model_.count()));
  for (int n = 0; n < model_.count(); ++n) {
    auto button = std::make_unique<QPushButton>(fromCoreText(model_.button(n).item.code), this);
    const Rect r = TButtonWin::buttonRect(n);
    button->setGeometry(r.left, r.top, r.width(), r.height());
    button->setFont(font);
    // What the code places, before it is pressed: the caption's own text.
    const std::string& message = model_.button(n).item.message;
    button->setToolTip(fromCoreText(message));
    button->setAccessibleName(fromCoreText(model_.button(n).item.code));
    button->setAccessibleDescription(fromCoreText(message));
    // The keyboard belongs to the grid: a button with the focus would take
    // Space as a click.
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    button->installEventFilter(this);
    button->show();
    buttons_.push_back(std::move(button));
  }

  // The window manager draws the caption above the client area.
  const Rect frame = model_.windowRect(0);
  setFixedSize(frame.width(), frame.height());
  refreshCaption();
}

void ToolboxWindow::refreshCaption() {
  setWindowTitle(fromCoreText(model_.caption()));
}

QPushButton* ToolboxWindow::buttonWidget(int n) const {
  if (n < 0 || static_cast<std::size_t>(n) >= buttons_.size()) return nullptr;
  return buttons_[static_cast<std::size_t>(n)].get();
}

bool ToolboxWindow::forwardKey(QEvent* e) {
  auto* key = static_cast<QKeyEvent*>(e);
  if (e->type() == QEvent::KeyPress) {
    if (onKeyPress) onKeyPress(key);
  } else if (onKeyRelease) {
    onKeyRelease(key);
  }
  e->accept();
  return true;
}

bool ToolboxWindow::event(QEvent* e) {
  // Before QWidget::event, which would spend Tab on moving the focus.
  if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) return forwardKey(e);
  return QWidget::event(e);
}

bool ToolboxWindow::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) return forwardKey(e);
  if (e->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
    const auto found = std::find_if(buttons_.begin(), buttons_.end(),
                                    [watched](const auto& b) { return b.get() == watched; });
    if (found != buttons_.end()) {
      model_.press(static_cast<int>(std::distance(buttons_.begin(), found)), doc_);
      refreshCaption();
    }
  }
  // The button's own press and click follow.
  return QWidget::eventFilter(watched, e);
}

void ToolboxWindow::closeEvent(QCloseEvent* e) {
  QWidget::closeEvent(e);
  if (onClosed) onClosed();
}

void ToolboxWindow::moveEvent(QMoveEvent* e) {
  QWidget::moveEvent(e);
  if (onMoved) onMoved();
}

}  // namespace lumora
