#pragma once
// The modeless progress window of imports and scans.

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>
#include <memory>
#include <string>
#include <string_view>

#include "platform/ui.h"

class QProgressBar;

namespace lumora {

class ProgressWindow final : public Progress {
 public:
  ProgressWindow(std::string_view title, std::string_view lineFormat, QWidget* parent = nullptr);
  ~ProgressWindow() override;
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  void setRange(int maximum) override;
  void setPosition(int position) override;
  void setStage(std::string_view stage) override;
  void allowCancel() override;
  bool cancelled() const override;

  const QProgressDialog& dialog() const { return *dialog_; }
  QString lineText() const { return dialog_->labelText(); }
  QString percentText() const;

 private:
  void refresh();

  std::string lineFormat_;
  std::string stage_;
  int maximum_ = 0;
  int position_ = 0;
  bool cancellable_ = false;
  // Since the window last painted: painting at every step of a long scan
  // cost more than the scan.
  QElapsedTimer sincePaint_;
  std::unique_ptr<QProgressDialog> dialog_;
  // The parent window may take the dialog down first; then it is not ours to delete.
  QPointer<QProgressDialog> alive_;
  QProgressBar* bar_;  // owned by the dialog
};

}  // namespace lumora
