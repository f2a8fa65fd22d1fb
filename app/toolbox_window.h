#pragma once
// The toolbox's floating window: one QPushButton per button of the model, at
// the model's places. Keys pressed while it has the focus belong to the main
// window, so that every grid key keeps working.

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QKeyEvent;
class QPushButton;

namespace lumora {

class TButtonWin;
class TDocument;

class ToolboxWindow : public QWidget {
  Q_OBJECT

 public:
  ToolboxWindow(TButtonWin& model, TDocument& doc, QWidget* mainWindow);
  ~ToolboxWindow() override;

  // Rebuilds the model for the document and the buttons, caption and size
  // with it. Where the window goes is its owner's choice.
  void rebuild();
  // Shows the model's caption again (after a pairing was selected).
  void refreshCaption();

  // Every key press and release in the window and its buttons.
  std::function<void(QKeyEvent*)> onKeyPress;
  std::function<void(QKeyEvent*)> onKeyRelease;
  // The user closed the window (close box, or close()); hide() does not call it.
  std::function<void()> onClosed;
  // The window moved (by its owner or by the user).
  std::function<void()> onMoved;

  // The button widget for model button n (tests, screenshots).
  QPushButton* buttonWidget(int n) const;

 protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void moveEvent(QMoveEvent* e) override;

 private:
  bool forwardKey(QEvent* e);

  TButtonWin& model_;
  TDocument& doc_;
  std::vector<std::unique_ptr<QPushButton>> buttons_;
};

}  // namespace lumora
