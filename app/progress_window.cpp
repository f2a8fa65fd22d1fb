#include "app/progress_window.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <algorithm>

#include "app/core_text.h"
#include "app/progress_text.h"

namespace lumora {

ProgressWindow::ProgressWindow(std::string_view title, std::string_view lineFormat, QWidget* parent)
    : lineFormat_(lineFormat),
      dialog_(std::make_unique<QProgressDialog>(parent)),
      alive_(dialog_.get()),
      bar_(new QProgressBar) {
  dialog_->setWindowTitle(fromCoreText(title));
  dialog_->setWindowModality(Qt::NonModal);
  dialog_->setBar(bar_);
  // Only work that can stop halfway gets a Cancel button (allowCancel).
  dialog_->setCancelButton(nullptr);
  // The window stays until the caller is done with it, whatever the position.
  dialog_->setAutoReset(false);
  dialog_->setAutoClose(false);
  dialog_->setMinimumDuration(0);
  dialog_->setMinimumWidth(320);
  bar_->setTextVisible(true);
  dialog_->show();
  refresh();
}

ProgressWindow::~ProgressWindow() {
  if (!alive_) (void)dialog_.release();
}

void ProgressWindow::setRange(int maximum) {
  maximum_ = maximum;
  refresh();
}

void ProgressWindow::setPosition(int position) {
  position_ = position;
  refresh();
}

void ProgressWindow::setStage(std::string_view stage) {
  stage_ = stage;
  refresh();
}

void ProgressWindow::allowCancel() {
  if (!alive_ || cancellable_) return;
  cancellable_ = true;
  dialog_->setCancelButtonText(QStringLiteral("Cancel"));
  // Events now reach the dialog's button; nothing else of the program may
  // take input meanwhile. A window takes a new modality when shown again.
  dialog_->hide();
  dialog_->setWindowModality(Qt::ApplicationModal);
  dialog_->show();
  refresh();
}

bool ProgressWindow::cancelled() const {
  return alive_ && cancellable_ && dialog_->wasCanceled();
}

QString ProgressWindow::percentText() const {
  return bar_->text();
}

void ProgressWindow::refresh() {
  if (!alive_) return;
  dialog_->setLabelText(
      fromCoreText(stage_.empty() ? formatProgressLine(lineFormat_, position_, maximum_) : stage_));
  // The bar shows our own percentage text; a literal format without %p/%v/%m
  // is shown as it stands.
  const int range = std::max(maximum_, 1);
  dialog_->setRange(0, range);
  dialog_->setValue(maximum_ > 0 ? std::clamp(position_, 0, maximum_) : 0);
  bar_->setFormat(fromCoreText(formatProgressPercent(position_, maximum_)));
  // The caller runs on the one thread without returning to the event loop;
  // letting the window paint here is what makes it a progress window. User
  // input stays queued until the command is over, unless the window offers
  // Cancel: then it is modal and only its button can take the input. A few
  // paints a second are enough to follow the work and to catch the click.
  constexpr qint64 kPaintEveryMs = 50;
  const bool done = maximum_ > 0 && position_ >= maximum_;
  if (sincePaint_.isValid() && sincePaint_.elapsed() < kPaintEveryMs && !done) return;
  sincePaint_.start();
  QCoreApplication::processEvents(cancellable_ ? QEventLoop::AllEvents
                                               : QEventLoop::ExcludeUserInputEvents);
}

}  // namespace lumora
