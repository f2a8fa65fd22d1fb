#include "app/frame_windows.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "app/core_text.h"
#include "files/backup.h"
#include "model/set_dates_dialog.h"

namespace lumora {

namespace {

QPushButton* makeButton(const char* text, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(text), parent);
  // Enter is OK's, whichever button was pressed last.
  button->setAutoDefault(false);
  return button;
}

// OK and Cancel in the platform's order.
QDialogButtonBox* okCancel(QDialog* dialog, QPushButton*& ok, QPushButton*& cancel) {
  auto* box = new QDialogButtonBox(dialog);
  ok = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  cancel = box->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return box;
}

}  // namespace

MonthDialog::MonthDialog(SetDatesDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent), model_(model) {
  struct Control {
    int id;
    const char* text;
    const char* hint;
  };
  const Control controls[] = {
      {SetDatesDialog::kFirstBack, "<", "First date one day back"},
      {SetDatesDialog::kFirstForward, ">", "First date one day forward"},
      {SetDatesDialog::kLastBack, "<", "Last date one day back"},
      {SetDatesDialog::kLastForward, ">", "Last date one day forward"},
      {SetDatesDialog::kPreviousMonth, "<<", "Previous month"},
      {SetDatesDialog::kNextMonth, ">>", "Next month"},
  };
  for (const Control& c : controls) {
    QPushButton* button = makeButton(c.text, this);
    button->setToolTip(QString::fromLatin1(c.hint));
    buttons_[c.id] = button;
    connect(button, &QPushButton::clicked, this, [this, id = c.id] {
      model_.press(id);
      showDates();
    });
  }
  for (const int id : {SetDatesDialog::kFirstDateText, SetDatesDialog::kLastDateText}) {
    auto* label = new QLabel(this);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(
        label->fontMetrics().horizontalAdvance(QStringLiteral("Wed 30 Sep 2099")) + 16);
    label->setFrameShape(QFrame::StyledPanel);
    dates_[id] = label;
  }

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("First Date"), this), 0, 0);
  grid->addWidget(buttons_[SetDatesDialog::kFirstBack], 0, 1);
  grid->addWidget(dates_[SetDatesDialog::kFirstDateText], 0, 2);
  grid->addWidget(buttons_[SetDatesDialog::kFirstForward], 0, 3);
  grid->addWidget(new QLabel(QStringLiteral("Last Date"), this), 1, 0);
  grid->addWidget(buttons_[SetDatesDialog::kLastBack], 1, 1);
  grid->addWidget(dates_[SetDatesDialog::kLastDateText], 1, 2);
  grid->addWidget(buttons_[SetDatesDialog::kLastForward], 1, 3);

  auto* months = new QHBoxLayout;
  months->addStretch();
  months->addWidget(buttons_[SetDatesDialog::kPreviousMonth]);
  months->addWidget(buttons_[SetDatesDialog::kNextMonth]);
  months->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(months);
  layout->addWidget(okCancel(this, ok_, cancel_));
  showDates();
}

QPushButton* MonthDialog::button(int controlId) const {
  const auto found = buttons_.find(controlId);
  return found == buttons_.end() ? nullptr : found->second;
}

QLabel* MonthDialog::dateText(int controlId) const {
  const auto found = dates_.find(controlId);
  return found == dates_.end() ? nullptr : found->second;
}

void MonthDialog::showDates() {
  for (const auto& [id, label] : dates_) label->setText(fromCoreText(model_.text(id)));
}

namespace {

// The box edits lines ended by "\n"; notes written elsewhere may end their
// lines with "\r\n" and keep that ending.
QString notesForBox(const std::string& notes) {
  QString text = fromCoreText(notes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

std::string notesFromBox(QString text, bool crLf) {
  if (crLf) text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return toCoreText(text);
}

}  // namespace

FileNotesWindow::FileNotesWindow(FileNotesDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent), model_(model), editor_(new QPlainTextEdit(this)) {
  editor_->setPlainText(notesForBox(model_.text()));
  editor_->setTabChangesFocus(false);
  connect(editor_, &QPlainTextEdit::textChanged, this, &FileNotesWindow::keepWithinLimit);
  QPushButton* cancel = nullptr;
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(editor_);
  layout->addWidget(okCancel(this, ok_, cancel));
  // Enter belongs to the box.
  ok_->setDefault(false);
  ok_->setAutoDefault(false);
  cancel->setAutoDefault(false);
  resize(520, 380);
}

void FileNotesWindow::keepWithinLimit() {
  const qsizetype limit = static_cast<qsizetype>(FileNotesDialog::kMaxLength);
  const qsizetype excess = editor_->document()->characterCount() - 1 - limit;
  if (excess <= 0) return;
  // What was just typed or pasted goes: it ends at the cursor.
  QTextCursor cursor = editor_->textCursor();
  const int end = cursor.position();
  const int start = end - static_cast<int>(excess);
  if (start >= 0) {
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
  } else {
    cursor.setPosition(static_cast<int>(limit));
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  }
  cursor.removeSelectedText();
  editor_->setTextCursor(cursor);
}

void FileNotesWindow::commitFields() {
  const bool crLf = model_.text().find("\r\n") != std::string::npos;
  model_.setText(notesFromBox(editor_->toPlainText(), crLf));
}

FixedTextWindow::FixedTextWindow(FixedTextDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent) {
  auto* layout = new QVBoxLayout(this);
  for (const std::string& line : model.lines()) {
    auto* label = new QLabel(fromCoreText(line), this);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    layout->addWidget(label);
  }
  auto* box = new QDialogButtonBox(this);
  ok_ = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok_->setDefault(true);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(box);
  setMinimumWidth(380);
}

QStringList FixedTextWindow::lines() const {
  QStringList lines;
  for (const QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
    lines << label->text();
  return lines;
}

BackupWindow::BackupWindow(BackupDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent),
      model_(model),
      location_(new QLineEdit(fromCorePath(model.location), this)),
      dated_(new QCheckBox(fromCoreText(BackupDialog::kDatedCheck), this)),
      choose_(new QPushButton(fromCoreText(BackupDialog::kChooseButton), this)) {
  location_->setAccessibleName(QStringLiteral("Location"));
  location_->setToolTip(QStringLiteral("Folder the backup is written to"));
  dated_->setChecked(model.dated);
  choose_->setToolTip(QStringLiteral("Choose the folder in a file dialog"));
  connect(choose_, &QPushButton::clicked, this, [this] {
    commitFields();
    model_.chooseLocation(this->ui());
    location_->setText(fromCorePath(model_.location));
  });

  auto* row = new QHBoxLayout;
  row->addWidget(location_, 1);
  row->addWidget(choose_);
  QPushButton* cancel = nullptr;
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(fromCoreText(BackupDialog::kPrompt), this));
  layout->addLayout(row);
  layout->addWidget(dated_);
  layout->addWidget(okCancel(this, ok_, cancel));
  resize(520, 160);
}

void BackupWindow::commitFields() {
  model_.location = toCorePath(location_->text());
  model_.dated = dated_->isChecked();
}

}  // namespace lumora
