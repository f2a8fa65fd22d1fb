#include "app/employee_windows.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "app/core_text.h"
#include "views/employee_info_dialog.h"
#include "views/roster_dialogs.h"

namespace lumora {

namespace {

QLineEdit* Edit(const std::string& text, int maxLength, QWidget* parent) {
  auto* edit = new QLineEdit(fromCoreText(text), parent);
  edit->setMaxLength(maxLength);
  return edit;
}

void OnlyMatching(QLineEdit* edit, const QString& pattern) {
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
}

QListWidget* ReadOnlyList(const std::vector<std::string>& lines, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setSelectionMode(QAbstractItemView::NoSelection);
  for (const std::string& line : lines) list->addItem(fromCoreText(line));
  return list;
}

QScrollBar* Bar(int low, int high, int page, QWidget* parent) {
  auto* bar = new QScrollBar(Qt::Horizontal, parent);
  bar->setRange(low, high);
  bar->setPageStep(page);
  bar->setMinimumWidth(160);
  return bar;
}

void SetQuietly(QScrollBar* bar, int value) {
  const QSignalBlocker quiet(bar);
  bar->setValue(value);
}

void FillList(QListWidget* list, const std::vector<std::string>& lines) {
  const QSignalBlocker quiet(list);
  list->clear();
  for (const std::string& line : lines) list->addItem(fromCoreText(line));
}

constexpr std::array<std::string_view, 4> kCreditLabels{"Credit In", "Extra Credits", "Time Bank",
                                                        "Training at Home"};
constexpr std::array<std::string_view, 6> kDayTimeLabels{
    "Daily Hard Time", "Duty Start", "HB", "Time on Duty", "Pairing Start", "Pairing TAFB"};

}  // namespace

// --- Employee Info

EmployeeInfoWindow::EmployeeInfoWindow(EmployeeInfoDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent), model_(model) {
  // A longer name than the edit's usual length shows whole, so that OK
  // never cuts it.
  const int nameLength =
      std::max<int>(EmployeeInfoDialog::kNameLength, static_cast<int>(model.name.size()));
  name_ = Edit(model.name, nameLength, this);
  emp_ = Edit(model.empNumber, EmployeeInfoDialog::kEmpDigits, this);
  OnlyMatching(emp_, QStringLiteral("-?[0-9]*"));
  checkIn_ = Edit(model.legalCheckIn, 12, this);
  for (std::size_t f = 0; f < credits_.size(); ++f) credits_[f] = Edit(model.credits[f], 10, this);
  draft_ = Edit(model.draftCredit, 10, this);
  OnlyMatching(draft_, QStringLiteral("[-0-9:.]*"));

  auto* identity = new QFormLayout;
  identity->addRow(new QLabel(QStringLiteral("Name"), this), name_);
  identity->addRow(new QLabel(QStringLiteral("Emp #"), this), emp_);
  identity->addRow(new QLabel(QStringLiteral("Day:Hr:Min Legal for Checkin at"), this), checkIn_);
  for (std::size_t f = 0; f < credits_.size(); ++f) {
    identity->addRow(new QLabel(fromCoreText(kCreditLabels[f]), this), credits_[f]);
    if (f == 1) identity->addRow(new QLabel(QStringLiteral("Draft Credits"), this), draft_);
  }
  outsideW_ = new QCheckBox(QStringLiteral("OutsideW"), this);
  outsideW_->setChecked(model.outsideW);
  bidReserve_ = new QCheckBox(QStringLiteral("Check If Bid Reserve or LOA"), this);
  bidReserve_->setChecked(model.bidReserve);
  identity->addRow(outsideW_);
  identity->addRow(bidReserve_);

  // Qualifications and flags.
  auto* qualBox = new QGroupBox(QStringLiteral("Special Qualifications"), this);
  auto* qualLayout = new QVBoxLayout(qualBox);
  quals_ = new QButtonGroup(this);
  const std::array<QString, 5> qualTexts{QStringLiteral("None"), QStringLiteral("LTC"),
                                         fromCoreText(model.checkBLabel()),
                                         QStringLiteral("Checker"), QStringLiteral("LTC and TP")};
  for (int q = 0; q < 5; ++q) {
    auto* radio = new QRadioButton(qualTexts[static_cast<std::size_t>(q)], qualBox);
    quals_->addButton(radio, q);
    qualLayout->addWidget(radio);
  }
  quals_->button(model.specialQual())->setChecked(true);
  connect(quals_, &QButtonGroup::idClicked, this, [this](int q) {
    model_.chooseQualification(q);
    showBars();
  });
  auto* flagBox = new QGroupBox(fromCoreText(model.flagsCaption()), this);
  auto* flagLayout = new QVBoxLayout(flagBox);
  age65_ = new QCheckBox(fromCoreText(model.age65Label()), flagBox);
  med_ = new QCheckBox(QStringLiteral("Med"), flagBox);
  age65_->setChecked(model.age65);
  med_->setChecked(model.med);
  flagLayout->addWidget(age65_);
  flagLayout->addWidget(med_);
  training_ = new QCheckBox(QStringLiteral("TRN"), this);
  noTimeZone_ = new QCheckBox(QStringLiteral("No TZ"), this);
  noYcg_ = new QCheckBox(QStringLiteral("No YCG"), this);
  blockComplete_ = new QCheckBox(QStringLiteral("Blk Complete"), this);
  training_->setChecked(model.training);
  noTimeZone_->setChecked(model.noTimeZone);
  noYcg_->setChecked(model.noYcg);
  blockComplete_->setChecked(model.blockComplete);
  auto* flagsColumn = new QVBoxLayout;
  flagsColumn->addWidget(qualBox);
  flagsColumn->addWidget(flagBox);
  for (QCheckBox* box : {training_, noTimeZone_, noYcg_, blockComplete_})
    flagsColumn->addWidget(box);
  flagsColumn->addStretch();

  // The overrides of the month's rules.
  auto* limits = new QGroupBox(QStringLiteral("Block Limits"), this);
  auto* limitRows = new QGridLayout(limits);
  minDaysOffBar_ =
      Bar(EmployeeInfoDialog::kMinDaysOffLow, EmployeeInfoDialog::kMinDaysOffHigh, 1, limits);
  minBlockBar_ = Bar(EmployeeInfoDialog::kBlockLow, EmployeeInfoDialog::kBlockHigh, 60, limits);
  maxBlockBar_ = Bar(EmployeeInfoDialog::kBlockLow, EmployeeInfoDialog::kBlockHigh, 60, limits);
  minDaysOffText_ = new QLabel(limits);
  minBlockText_ = new QLabel(limits);
  maxBlockText_ = new QLabel(limits);
  const std::array<std::pair<QString, std::pair<QScrollBar*, QLabel*>>, 3> rows{
      {{QStringLiteral("Min Days Off"), {minDaysOffBar_, minDaysOffText_}},
       {QStringLiteral("Min Blk"), {minBlockBar_, minBlockText_}},
       {QStringLiteral("Max Blk"), {maxBlockBar_, maxBlockText_}}}};
  for (int r = 0; r < 3; ++r) {
    const auto& row = rows[static_cast<std::size_t>(r)];
    limitRows->addWidget(new QLabel(row.first, limits), r, 0);
    limitRows->addWidget(row.second.first, r, 1);
    limitRows->addWidget(row.second.second, r, 2);
  }
  connect(minDaysOffBar_, &QScrollBar::valueChanged, this, [this](int v) {
    model_.setMinDaysOff(v);
    showBars();
  });
  connect(minBlockBar_, &QScrollBar::valueChanged, this, [this](int v) {
    model_.setMinBlock(v);
    showBars();
  });
  connect(maxBlockBar_, &QScrollBar::valueChanged, this, [this](int v) {
    model_.setMaxBlock(v);
    showBars();
  });
  reset_ = new QPushButton(QStringLiteral("Reset to Default"), limits);
  reduced_ = new QPushButton(QStringLiteral("Reduced Block"), limits);
  connect(reset_, &QPushButton::clicked, this, [this] {
    model_.resetToDefault();
    showBars();
  });
  connect(reduced_, &QPushButton::clicked, this, [this] {
    model_.reducedBlock();
    showBars();
  });
  limitRows->addWidget(reset_, 3, 0, 1, 2);
  limitRows->addWidget(reduced_, 3, 2);

  notes_ = new QPlainTextEdit(fromCoreText(model.notes), this);
  notes_->setMaximumHeight(70);

  // The previous month, one day at a time.
  auto* days = new QGroupBox(QStringLiteral("Previous Month Data"), this);
  auto* dayRows = new QGridLayout(days);
  dayBar_ = Bar(EmployeeInfoDialog::kFirstDayIndex, EmployeeInfoDialog::kLastDayIndex, 7, days);
  dayDate_ = new QLabel(days);
  dayCode_ = new QLabel(days);
  dayRows->addWidget(dayBar_, 0, 0, 1, 2);
  dayRows->addWidget(dayDate_, 1, 0);
  dayRows->addWidget(dayCode_, 1, 1);
  for (std::size_t f = 0; f < dayTimes_.size(); ++f) {
    dayTimes_[f] = new QLineEdit(days);
    dayTimes_[f]->setMaxLength(f == 5 ? 6 : 5);
    const int row = 2 + static_cast<int>(f);
    dayRows->addWidget(new QLabel(fromCoreText(kDayTimeLabels[f]), days), row, 0);
    dayRows->addWidget(dayTimes_[f], row, 1);
  }
  worked_ = new QCheckBox(QStringLiteral("Worked This Day Gray = Res"), days);
  worked_->setTristate(true);
  carsDuty_ = new QCheckBox(QStringLiteral("CARS Duty"), days);
  dayRows->addWidget(worked_, 8, 0, 1, 2);
  dayRows->addWidget(carsDuty_, 9, 0, 1, 2);
  dayRows->setRowStretch(10, 1);
  connect(dayBar_, &QScrollBar::valueChanged, this, [this](int index) {
    commitDay();
    if (model_.selectDay(index, this->ui())) {
      showDay();
    } else {
      SetQuietly(dayBar_, model_.dayIndex());
      focusRefused();
    }
  });

  // The findings, read-only.
  ruleLog_ = ReadOnlyList(model.ruleCheckLines(), this);
  illegal_ = ReadOnlyList(model.illegalityLines(), this);
  warnings_ = ReadOnlyList(model.warningLines(), this);
  QFont fixed(QStringLiteral("Courier New"));
  fixed.setStyleHint(QFont::Monospace);
  ruleLog_->setFont(fixed);
  // Side by side, so that the window fits a small laptop screen.
  auto* results = new QGridLayout;
  const std::array<std::pair<QString, QListWidget*>, 3> panes{
      {{QStringLiteral("CARs 60/7 or 70/7 Rule Checking Results"), ruleLog_},
       {QStringLiteral("Illegalities"), illegal_},
       {QStringLiteral("Warnings"), warnings_}}};
  for (int c = 0; c < 3; ++c) {
    const auto& [caption, list] = panes[static_cast<std::size_t>(c)];
    auto* label = new QLabel(caption, this);
    label->setBuddy(list);
    results->addWidget(label, 0, c);
    results->addWidget(list, 1, c);
    list->setMinimumHeight(list->fontMetrics().height() * 4);
    results->setColumnStretch(c, c == 0 ? 2 : 1);
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &EmployeeInfoWindow::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* left = new QVBoxLayout;
  left->addLayout(identity);
  left->addWidget(limits);
  auto* right = new QVBoxLayout;
  right->addWidget(days);
  auto* notesLabel = new QLabel(QStringLiteral("Quick Notes for this month:"), this);
  notesLabel->setBuddy(notes_);
  right->addWidget(notesLabel);
  right->addWidget(notes_);
  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addLayout(flagsColumn);
  top->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(results);
  layout->addWidget(buttons);

  showBars();
  showDay();
  resize(960, 660);
}

void EmployeeInfoWindow::showBars() {
  SetQuietly(minDaysOffBar_, model_.minDaysOff());
  SetQuietly(minBlockBar_, model_.minBlock());
  SetQuietly(maxBlockBar_, model_.maxBlock());
  minDaysOffText_->setText(fromCoreText(model_.minDaysOffText()));
  minBlockText_->setText(fromCoreText(model_.minBlockText()));
  maxBlockText_->setText(fromCoreText(model_.maxBlockText()));
}

void EmployeeInfoWindow::showDay() {
  SetQuietly(dayBar_, model_.dayIndex());
  dayDate_->setText(fromCoreText(model_.dayDate()));
  dayCode_->setText(fromCoreText(model_.dayCode()));
  for (std::size_t f = 0; f < dayTimes_.size(); ++f) {
    dayTimes_[f]->setText(fromCoreText(model_.dayTimes[f]));
  }
  static constexpr std::array<Qt::CheckState, 3> kStates{Qt::Unchecked, Qt::Checked,
                                                         Qt::PartiallyChecked};
  worked_->setCheckState(kStates[static_cast<std::size_t>(std::clamp(model_.dayWorked, 0, 2))]);
  carsDuty_->setChecked(model_.dayCarsDuty);
}

void EmployeeInfoWindow::commitDay() {
  for (std::size_t f = 0; f < dayTimes_.size(); ++f) {
    model_.dayTimes[f] = toCoreText(dayTimes_[f]->text());
  }
  switch (worked_->checkState()) {
    case Qt::Checked:
      model_.dayWorked = 1;
      break;
    case Qt::PartiallyChecked:
      model_.dayWorked = 2;
      break;
    case Qt::Unchecked:
      model_.dayWorked = 0;
      break;
  }
  model_.dayCarsDuty = carsDuty_->isChecked();
}

void EmployeeInfoWindow::commitFields() {
  model_.name = toCoreText(name_->text());
  model_.empNumber = toCoreText(emp_->text());
  model_.legalCheckIn = toCoreText(checkIn_->text());
  for (std::size_t f = 0; f < credits_.size(); ++f) {
    model_.credits[f] = toCoreText(credits_[f]->text());
  }
  model_.draftCredit = toCoreText(draft_->text());
  model_.notes = toCoreText(notes_->toPlainText());
  model_.outsideW = outsideW_->isChecked();
  model_.bidReserve = bidReserve_->isChecked();
  model_.age65 = age65_->isChecked();
  model_.med = med_->isChecked();
  model_.training = training_->isChecked();
  model_.noTimeZone = noTimeZone_->isChecked();
  model_.noYcg = noYcg_->isChecked();
  model_.blockComplete = blockComplete_->isChecked();
  commitDay();
}

void EmployeeInfoWindow::accept() {
  ModelDialog::accept();
  if (result() != QDialog::Accepted) focusRefused();
}

void EmployeeInfoWindow::focusRefused() {
  QWidget* target = nullptr;
  switch (model_.focus()) {
    case EmployeeField::None:
      return;
    case EmployeeField::Name:
      target = name_;
      break;
    case EmployeeField::EmpNumber:
      target = emp_;
      break;
    case EmployeeField::LegalCheckIn:
      target = checkIn_;
      break;
    case EmployeeField::CreditIn:
      target = credits_[static_cast<std::size_t>(CreditField::CreditIn)];
      break;
    case EmployeeField::ExtraCredit:
      target = credits_[static_cast<std::size_t>(CreditField::ExtraCredit)];
      break;
    case EmployeeField::TimeBank:
      target = credits_[static_cast<std::size_t>(CreditField::TimeBank)];
      break;
    case EmployeeField::TrainingAtHome:
      target = credits_[static_cast<std::size_t>(CreditField::TrainingAtHome)];
      break;
    case EmployeeField::DraftCredit:
      target = draft_;
      break;
    case EmployeeField::HardTime:
    case EmployeeField::DutyStart:
    case EmployeeField::DutyStartHomeBase:
    case EmployeeField::TimeOnDuty:
    case EmployeeField::PairingStart:
    case EmployeeField::PairingTafb:
      target = dayTimes_[static_cast<std::size_t>(model_.focus()) -
                         static_cast<std::size_t>(EmployeeField::HardTime)];
      break;
  }
  target->setFocus();
}

// --- the quick dialog

QuickEmpInfoWindow::QuickEmpInfoWindow(QuickEmpInfoDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent),
      model_(model),
      bidReserve_(new QCheckBox(fromCoreText(QuickEmpInfoDialog::kBidReserveText), this)),
      blockComplete_(new QCheckBox(fromCoreText(QuickEmpInfoDialog::kBlockCompleteText), this)) {
  bidReserve_->setChecked(model.bidReserve);
  blockComplete_->setChecked(model.blockComplete);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(fromCoreText(model.name()), this));
  layout->addWidget(bidReserve_);
  layout->addWidget(blockComplete_);
  layout->addWidget(buttons);
  move(model.position().x, model.position().y);
}

void QuickEmpInfoWindow::commitFields() {
  model_.bidReserve = bidReserve_->isChecked();
  model_.blockComplete = blockComplete_->isChecked();
}

// --- EDIT ROSTER

RosterWindow::RosterWindow(RosterDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent),
      model_(model),
      index_(Edit({}, RosterDialog::kIndexDigits, this)),
      name_(Edit({}, RosterDialog::kNameLength, this)),
      emp_(Edit({}, RosterDialog::kEmpDigits, this)),
      insert_(new QPushButton(fromCoreText(RosterDialog::kInsertText), this)),
      delete_(new QPushButton(fromCoreText(RosterDialog::kDeleteText), this)),
      addFromFile_(new QPushButton(fromCoreText(RosterDialog::kAddFromFileText), this)),
      list_(new QListWidget(this)),
      status_(new QLabel(this)) {
  OnlyMatching(index_, QStringLiteral("[0-9]*"));
  OnlyMatching(emp_, QStringLiteral("[0-9]*"));
  // Adding from another file is not offered.
  addFromFile_->setEnabled(false);
  QFont fixed(QStringLiteral("Courier New"));
  fixed.setStyleHint(QFont::Monospace);
  list_->setFont(fixed);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->viewport()->installEventFilter(this);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { model_.select(row); });
  connect(insert_, &QPushButton::clicked, this, [this] {
    commitEdits();
    if (model_.insert(this->ui())) refresh();
    focusRefused();
  });
  connect(delete_, &QPushButton::clicked, this, [this] {
    if (model_.deleteSelected(this->ui())) {
      refresh();
    } else {
      focusRefused();
    }
  });

  auto* fields = new QFormLayout;
  fields->addRow(fromCoreText(RosterDialog::kIndexLabel), index_);
  fields->addRow(fromCoreText(RosterDialog::kNameLabel), name_);
  fields->addRow(fromCoreText(RosterDialog::kEmpLabel), emp_);
  auto* actions = new QVBoxLayout;
  actions->addLayout(fields);
  actions->addWidget(insert_);
  actions->addWidget(delete_);
  actions->addWidget(addFromFile_);
  actions->addStretch();
  actions->addWidget(new QLabel(fromCoreText(RosterDialog::kNote), this));
  auto* body = new QHBoxLayout;
  body->addLayout(actions);
  body->addWidget(list_, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addWidget(status_);
  layout->addWidget(buttons);
  refresh();
  resize(640, 480);
}

void RosterWindow::commitEdits() {
  model_.indexText = toCoreText(index_->text());
  model_.nameText = toCoreText(name_->text());
  model_.empText = toCoreText(emp_->text());
}

void RosterWindow::refresh() {
  FillList(list_, model_.lines());
  if (model_.selected() >= 0) {
    const QSignalBlocker quiet(list_);
    list_->setCurrentRow(model_.selected());
  }
  index_->setText(fromCoreText(model_.indexText));
  name_->setText(fromCoreText(model_.nameText));
  emp_->setText(fromCoreText(model_.empText));
  status_->setText(fromCoreText(model_.status()));
}

void RosterWindow::focusRefused() {
  switch (model_.focus()) {
    case RosterField::None:
      break;
    case RosterField::Index:
      index_->setFocus();
      break;
    case RosterField::Name:
      name_->setFocus();
      break;
    case RosterField::EmpNumber:
      emp_->setFocus();
      break;
    case RosterField::List:
      list_->setFocus();
      break;
  }
}

bool RosterWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != list_->viewport()) return ModelDialog::eventFilter(watched, event);
  const auto rowAt = [this](const QPoint& at) {
    if (!list_->viewport()->rect().contains(at)) return -1;
    const QModelIndex index = list_->indexAt(at);
    return index.isValid() ? index.row() : -1;
  };
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      dragFrom_ = mouse->button() == Qt::LeftButton ? rowAt(mouse->position().toPoint()) : -1;
      break;
    }
    case QEvent::MouseMove: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (dragFrom_ < 0 || !(mouse->buttons() & Qt::LeftButton)) break;
      const int over = rowAt(mouse->position().toPoint());
      if (over == dragFrom_) break;
      model_.dragOver(dragFrom_, over);
      status_->setText(fromCoreText(model_.status()));
      break;
    }
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (dragFrom_ < 0 || mouse->button() != Qt::LeftButton) break;
      const int from = std::exchange(dragFrom_, -1);
      const int to = rowAt(mouse->position().toPoint());
      if (to != from) {
        model_.drop(from, to);
        refresh();
      }
      break;
    }
    default:
      break;
  }
  return ModelDialog::eventFilter(watched, event);
}

// --- the move dialog

MoveEmployeeWindow::MoveEmployeeWindow(MoveEmployeeDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent), list_(new QListWidget(this)) {
  FillList(list_, model.lines());
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(list_, &QListWidget::currentRowChanged, this, [&model](int row) { model.select(row); });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(fromCoreText(model.prompt()), this));
  layout->addWidget(list_);
  layout->addWidget(buttons);
  resize(360, 480);
}

}  // namespace lumora
