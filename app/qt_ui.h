#pragma once
// The desktop program's answer to what the core asks: message boxes,
// questions, file dialogs, the list dialog and the progress window.

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <string_view>

#include "platform/ui.h"

namespace lumora {

// "Desc|*.a|Desc2|*.b;*.c" to Qt's "Desc (*.a);;Desc2 (*.b *.c)". Qt reads the
// patterns from the last parenthesised group, so a description that already
// ends with its own patterns is kept as it is and any other gets them appended.
QString toQtFilter(std::string_view filter);

// The box that message() and ask() show, built apart so its texts can be checked.
std::unique_ptr<QMessageBox> makeMessageBox(std::string_view text, std::string_view caption,
                                            Buttons buttons, Icon icon, QWidget* parent = nullptr);

// What the box's exec() result means; a box closed without a button of its
// own counts as the refusing answer (No, Cancel).
Answer answerFor(int execResult, Buttons buttons);

class QtUi final : public Ui {
 public:
  // Dialogs are centred on `parent`, which may be absent or go away first.
  explicit QtUi(QWidget* parent = nullptr);
  ~QtUi() override;
  QtUi(const QtUi&) = delete;
  QtUi& operator=(const QtUi&) = delete;

  void setParentWidget(QWidget* parent) { parent_ = parent; }

  void message(std::string_view text, std::string_view caption, Icon icon) override;
  Answer ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) override;
  std::vector<std::string> openFiles(const FileDialogOptions& options) override;
  std::optional<std::string> saveFile(const FileDialogOptions& options) override;
  void showList(std::string_view caption, const std::vector<std::string>& lines) override;
  std::unique_ptr<Progress> progress(std::string_view title, std::string_view lineFormat) override;
  void beep() override;
  void setWaitCursor(bool on) override;
  // The dialogs' windows belong to the main window (WindowUi); this Ui has
  // none, and a dialog asked of it is a fault of the program.
  bool run(DialogModel& model) override;

 private:
  QPointer<QWidget> parent_;
  bool waitCursor_ = false;
};

}  // namespace lumora
