#include "app/pairing_edit_windows.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/core_text.h"
#include "building/crew_complement.h"

namespace lumora {

namespace {

QLineEdit* TimeEdit(QWidget* parent, int maxLength) {
  auto* edit = new QLineEdit(parent);
  edit->setMaxLength(maxLength);
  edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000:00")) + 16);
  return edit;
}

}  // namespace

// --- crew complement

CrewComplementWindow::CrewComplementWindow(CrewComplementDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent),
      model_(model),
      list_(new QListWidget(this)),
      done_(new QPushButton(fromCoreText(CrewComplementDialog::kDone))) {
  // Each click adds a line to the selection or takes it out.
  list_->setSelectionMode(QAbstractItemView::MultiSelection);
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  for (const ComplementLine& line : model_.lines()) {
    auto* item = new QListWidgetItem(fromCoreText(line.text), list_);
    item->setSelected(line.selected);
  }
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(done_, QDialogButtonBox::AcceptRole);
  done_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(fromCoreText(model_.note()), this));
  layout->addWidget(list_, 1);
  layout->addWidget(buttons);
  resize(420, 480);
}

void CrewComplementWindow::commitFields() {
  for (int row = 0; row < list_->count(); ++row)
    model_.select(static_cast<std::size_t>(row), list_->item(row)->isSelected());
}

// --- password

EditOrViewPairsWindow::EditOrViewPairsWindow(EditOrViewPairsDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent), model_(model), password_(new QLineEdit(this)) {
  password_->setEchoMode(QLineEdit::Password);
  password_->setMaxLength(EditOrViewPairsDialog::kMaxLength);
  auto* layout = new QVBoxLayout(this);
  for (const std::string_view line : EditOrViewPairsDialog::kTextLines) {
    auto* label = new QLabel(fromCoreText(line), this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
  }
  layout->addWidget(password_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &EditOrViewPairsWindow::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  password_->setFocus();
}

void EditOrViewPairsWindow::accept() {
  model_.password = toCoreText(password_->text());
  if (model_.accept(ui())) {
    QDialog::accept();
    return;
  }
  password_->setFocus();
  password_->selectAll();
}

// --- the pairing editor

PairEditorWindow::PairEditorWindow(PairDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent),
      model_(model),
      number_(new QLineEdit(this)),
      previous_(new QPushButton(QStringLiteral("-"), this)),
      next_(new QPushButton(QStringLiteral("+"), this)),
      on_(TimeEdit(this, 5)),
      off_(TimeEdit(this, 5)),
      credit_(TimeEdit(this, 5)),
      tafb_(TimeEdit(this, 6)),
      length_(TimeEdit(this, 2)),
      pairBar_(new QScrollBar(Qt::Horizontal, this)),
      position_(new QLabel(this)),
      start_(TimeEdit(this, 5)),
      duty_(TimeEdit(this, 5)),
      hard_(TimeEdit(this, 5)),
      dailyCredit_(TimeEdit(this, 5)),
      dayBar_(new QScrollBar(Qt::Horizontal, this)),
      dayLabel_(new QLabel(this)) {
  number_->setMaxLength(4);
  number_->setFixedWidth(number_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
  for (QPushButton* button : {previous_, next_})
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("+")) + 24);
  // Off and Len follow from the others when the page is stored.
  off_->setReadOnly(true);
  length_->setReadOnly(true);

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(QStringLiteral("Pairing"), this));
  top->addWidget(number_);
  top->addWidget(previous_);
  top->addWidget(next_);
  const std::array<std::pair<const char*, QLineEdit*>, 5> fields = {
      {{"On", on_}, {"Off", off_}, {"Credit", credit_}, {"TAFB", tafb_}, {"Len", length_}}};
  for (const auto& [label, edit] : fields) {
    top->addWidget(new QLabel(QString::fromLatin1(label), this));
    top->addWidget(edit);
  }
  top->addStretch(1);

  auto* month = new QGroupBox(QStringLiteral("Month"), this);
  auto* grid = new QGridLayout(month);
  for (int column = 0; column < 7; ++column) {
    auto* title =
        new QLabel(fromCoreText(PairDialog::kWeekdays[static_cast<std::size_t>(column)]), month);
    grid->addWidget(title, 0, column, Qt::AlignCenter);
  }
  for (int box = 0; box < PairDialog::kBoxes; ++box) {
    auto* check = new QCheckBox(fromCoreText(model_.boxLabel(box)), month);
    // Boxes before the month's first day and after its last stand for nothing.
    check->setVisible(model_.boxDay(box) >= 0);
    boxes_[static_cast<std::size_t>(box)] = check;
    grid->addWidget(check, 1 + box / 7, box % 7);
  }

  pairBar_->setRange(0, std::max(0, model_.lastPair()));
  auto* pairRow = new QHBoxLayout;
  pairRow->addWidget(pairBar_, 1);
  pairRow->addWidget(position_);

  auto* daily = new QGroupBox(QStringLiteral("Daily Data"), this);
  auto* dailyGrid = new QGridLayout(daily);
  const std::array<std::pair<const char*, QLineEdit*>, 4> dailyFields = {
      {{"Start Time", start_},
       {"Time On Duty", duty_},
       {"Hard Time", hard_},
       {"Credit Hours", dailyCredit_}}};
  int column = 0;
  for (const auto& [label, edit] : dailyFields) {
    dailyGrid->addWidget(new QLabel(QString::fromLatin1(label), daily), 0, column);
    dailyGrid->addWidget(edit, 1, column);
    ++column;
  }
  dailyGrid->addWidget(dayBar_, 2, 0, 1, 3);
  dailyGrid->addWidget(dayLabel_, 2, 3);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &PairEditorWindow::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(month);
  layout->addLayout(pairRow);
  layout->addWidget(daily);
  layout->addWidget(buttons);

  connect(next_, &QPushButton::clicked, this, [this] { goTo(model_.current() + 1); });
  connect(previous_, &QPushButton::clicked, this, [this] { goTo(model_.current() - 1); });
  pairBar_->setAccessibleName(QStringLiteral("Pairing"));
  pairBar_->setToolTip(QStringLiteral("Moves through the pairings"));
  dayBar_->setAccessibleName(QStringLiteral("Day of the pairing"));
  dayBar_->setToolTip(QStringLiteral("Moves through the pairing's days"));
  connect(pairBar_, &QScrollBar::valueChanged, this, [this](int value) { goTo(value); });
  connect(dayBar_, &QScrollBar::valueChanged, this, [this](int value) { moveDay(value); });
  fill();
}

QWidget* PairEditorWindow::fieldWidget(PairDialog::Field field) const {
  switch (field) {
    case PairDialog::Field::Number:
      return number_;
    case PairDialog::Field::On:
      return on_;
    case PairDialog::Field::Credit:
      return credit_;
    case PairDialog::Field::Tafb:
      return tafb_;
    case PairDialog::Field::DayBoxes: {
      for (QCheckBox* box : boxes_)
        if (box->isVisibleTo(const_cast<PairEditorWindow*>(this))) return box;
      return nullptr;
    }
    case PairDialog::Field::StartTime:
      return start_;
    case PairDialog::Field::DutyTime:
      return duty_;
    case PairDialog::Field::HardTime:
      return hard_;
    case PairDialog::Field::DailyCredit:
      return dailyCredit_;
    case PairDialog::Field::None:
      break;
  }
  return nullptr;
}

void PairEditorWindow::commitFields() {
  model_.number = toCoreText(number_->text());
  model_.on = toCoreText(on_->text());
  model_.credit = toCoreText(credit_->text());
  model_.tafb = toCoreText(tafb_->text());
  for (int box = 0; box < PairDialog::kBoxes; ++box)
    model_.dayBox[static_cast<std::size_t>(box)] =
        boxes_[static_cast<std::size_t>(box)]->isChecked();
  model_.startTime = toCoreText(start_->text());
  model_.dutyTime = toCoreText(duty_->text());
  model_.hardTime = toCoreText(hard_->text());
  model_.dailyCredit = toCoreText(dailyCredit_->text());
}

void PairEditorWindow::accept() {
  commitFields();
  if (model_.accept(ui())) {
    QDialog::accept();
    return;
  }
  focusRefused();
}

void PairEditorWindow::goTo(int pair) {
  if (pair == model_.current()) return;
  commitFields();
  if (model_.goTo(pair, ui())) {
    fill();
    return;
  }
  const QSignalBlocker blocker(pairBar_);
  pairBar_->setValue(model_.current());
  focusRefused();
}

void PairEditorWindow::moveDay(int day) {
  if (day == model_.day()) return;
  commitFields();
  if (model_.moveDay(day, ui())) {
    fillDay();
    return;
  }
  const QSignalBlocker blocker(dayBar_);
  dayBar_->setValue(model_.day());
  focusRefused();
}

void PairEditorWindow::focusRefused() {
  if (QWidget* widget = fieldWidget(model_.focus())) widget->setFocus();
}

void PairEditorWindow::fill() {
  number_->setText(fromCoreText(model_.number));
  on_->setText(fromCoreText(model_.on));
  off_->setText(fromCoreText(model_.off));
  credit_->setText(fromCoreText(model_.credit));
  tafb_->setText(fromCoreText(model_.tafb));
  length_->setText(fromCoreText(model_.length));
  for (int box = 0; box < PairDialog::kBoxes; ++box)
    boxes_[static_cast<std::size_t>(box)]->setChecked(model_.dayBox[static_cast<std::size_t>(box)]);
  {
    const QSignalBlocker blocker(pairBar_);
    pairBar_->setValue(model_.current());
  }
  position_->setText(fromCoreText(model_.positionText()));
  {
    const QSignalBlocker blocker(dayBar_);
    dayBar_->setRange(0, model_.dayMaximum());
  }
  fillDay();
}

void PairEditorWindow::fillDay() {
  {
    const QSignalBlocker blocker(dayBar_);
    dayBar_->setValue(model_.day());
  }
  dayLabel_->setText(fromCoreText(model_.dayLabel()));
  start_->setText(fromCoreText(model_.startTime));
  duty_->setText(fromCoreText(model_.dutyTime));
  hard_->setText(fromCoreText(model_.hardTime));
  dailyCredit_->setText(fromCoreText(model_.dailyCredit));
}

}  // namespace lumora
