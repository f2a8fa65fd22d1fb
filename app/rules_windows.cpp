#include "app/rules_windows.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <charconv>

#include "app/core_text.h"
#include "app/import_windows.h"
#include "rules/report_list_dialog.h"
#include "rules/setup_month_dialog.h"
#include "rules/whos_legal.h"

namespace lumora {

namespace {

QListWidget* filledList(const std::vector<std::string>& lines, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  for (const std::string& line : lines) list->addItem(fromCoreText(line));
  return list;
}

}  // namespace

WhosLegalWindow::WhosLegalWindow(WhosLegalDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent),
      legal_(filledList(model.legal(), this)),
      bidders_(filledList(model.bidders(), this)),
      assign_(new QPushButton(fromCoreText(WhosLegalDialog::kAssignText))),
      crew_(new QComboBox(this)),
      whyNot_(new QPushButton(fromCoreText(WhosLegalDialog::kWhyNotText), this)) {
  for (const std::string& line : model.crewChoices()) crew_->addItem(fromCoreText(line));
  connect(legal_, &QListWidget::currentRowChanged, this, [this, &model](int row) {
    model.select(row);
    // The question follows the list: a legal line names its crew member first.
    if (row < 0 || row >= static_cast<int>(model.legal().size())) return;
    const std::string& line = model.legal()[static_cast<std::size_t>(row)];
    int number = 0;
    std::from_chars(line.data(), line.data() + std::min<std::size_t>(3, line.size()), number);
    crew_->setCurrentIndex(number - 1);
  });
  connect(whyNot_, &QPushButton::clicked, this, [this, &model, &ui] {
    if (crew_->currentIndex() >= 0) model.whyNot(ui, crew_->currentIndex());
  });

  auto* lists = new QGridLayout;
  lists->addWidget(new QLabel(fromCoreText(WhosLegalDialog::kLegalTitle), this), 0, 0);
  lists->addWidget(new QLabel(fromCoreText(WhosLegalDialog::kBiddersTitle), this), 0, 1);
  lists->addWidget(legal_, 1, 0);
  lists->addWidget(bidders_, 1, 1);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(assign_, QDialogButtonBox::AcceptRole);
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* ask = new QHBoxLayout;
  auto* crewLabel = new QLabel(QStringLiteral("Crew Member:"), this);
  crewLabel->setBuddy(crew_);
  ask->addWidget(crewLabel);
  ask->addWidget(crew_, 1);
  ask->addWidget(whyNot_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists);
  layout->addLayout(ask);
  layout->addWidget(buttons);
  resize(560, 440);
}

SetupMonthWindow::SetupMonthWindow(SetupMonthDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent),
      model_(model),
      info_(new QPushButton(fromCoreText(SetupMonthDialog::kInfoText))) {
  auto* layout = new QVBoxLayout(this);
  QGroupBox* group = nullptr;
  QGridLayout* rows = nullptr;
  std::string_view groupName = "-";
  for (std::size_t r = 0; r < kRules; ++r) {
    const auto rule = static_cast<MonthRule>(r);
    const MonthRuleRange& range = RangeOf(rule);
    if (range.group != groupName || range.group.empty()) {
      groupName = range.group;
      group = new QGroupBox(fromCoreText(range.group.empty() ? range.label : range.group), this);
      rows = new QGridLayout(group);
      layout->addWidget(group);
    }
    auto* bar = new QScrollBar(Qt::Horizontal, group);
    bar->setRange(range.minimum, range.maximum);
    bar->setSingleStep(1);
    bar->setPageStep(range.page);
    bar->setValue(model_.position(rule));
    bar->setMinimumWidth(220);
    auto* value = new QLabel(fromCoreText(model_.text(rule)), group);
    value->setMinimumWidth(50);
    const int row = rows->rowCount();
    if (!range.group.empty()) rows->addWidget(new QLabel(fromCoreText(range.label), group), row, 0);
    rows->addWidget(bar, row, 1);
    rows->addWidget(value, row, 2);
    // Only a movement of the bar stores: a value outside the bar's range
    // stays as it is until then.
    connect(bar, &QScrollBar::valueChanged, this, [this, rule, value](int position) {
      model_.set(rule, position);
      value->setText(fromCoreText(model_.text(rule)));
    });
    bars_[r] = bar;
    values_[r] = value;
  }
  connect(info_, &QPushButton::clicked, this, [this] { model_.info(this->ui()); });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->addButton(info_, QDialogButtonBox::ActionRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

ReportListWindow::ReportListWindow(ReportListDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent),
      list_(filledList(model.lines(), this)),
      copy_(new QPushButton(fromCoreText(model.copyText()))) {
  QFont fixed(QStringLiteral("Courier New"));
  fixed.setStyleHint(QFont::Monospace);
  list_->setFont(fixed);
  connect(copy_, &QPushButton::clicked, this, [this, &model] {
    QtClipboard clipboard;
    model.copy(clipboard, this->ui());
  });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->addButton(copy_, QDialogButtonBox::ActionRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  resize(720, 480);
}

}  // namespace lumora
