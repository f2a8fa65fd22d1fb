#include "app/export_windows.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

#include "app/core_text.h"
#include "files/viewer_files.h"
#include "reports/baw_lin_export.h"
#include "reports/block_texts.h"

namespace lumora {

namespace {

QDialogButtonBox* okCancel(QDialog* dialog, QPushButton*& ok) {
  auto* box = new QDialogButtonBox(dialog);
  ok = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  box->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return box;
}

QLineEdit* CodeEdit(const std::string& text, const QString& pattern, int length, QWidget* parent) {
  auto* edit = new QLineEdit(fromCoreText(text), parent);
  edit->setMaxLength(length);
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
  return edit;
}

QLabel* WrappedLabel(std::string_view text, QWidget* parent) {
  auto* label = new QLabel(fromCoreText(text), parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

BawLinExportWindow::BawLinExportWindow(BawLinExportDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent),
      model_(model),
      crew_(new QButtonGroup(this)),
      fileName_(CodeEdit(model.fields.fileName, QStringLiteral("[A-Za-z0-9]{0,8}"), 8, this)),
      // The defaults may be "?" when the pairings give no prefix.
      baseCode_(CodeEdit(model.fields.baseCode, QStringLiteral("[A-Za-z?]?"), 1, this)),
      eqpCode_(CodeEdit(model.fields.eqpCode, QStringLiteral("[0-9?]?"), 1, this)),
      summary_(new QListWidget(this)),
      export_(new QPushButton(fromCoreText(BawLinExportDialog::kExportButton), this)) {
  auto* crewBox = new QGroupBox(fromCoreText(BawLinExportDialog::kCrewTypeBox), this);
  auto* crewLayout = new QHBoxLayout(crewBox);
  int id = 0;
  for (const std::string_view text : BawLinExportDialog::kCrewButtons) {
    auto* radio = new QRadioButton(fromCoreText(text), crewBox);
    crew_->addButton(radio, id++);
    crewLayout->addWidget(radio);
  }
  crew_->button(static_cast<int>(model.fields.crew))->setChecked(true);
  fileName_->setAccessibleName(QStringLiteral("FileName"));
  baseCode_->setAccessibleName(QStringLiteral("Base Code"));
  eqpCode_->setAccessibleName(QStringLiteral("Eqp Code"));
  export_->setAutoDefault(false);
  connect(export_, &QPushButton::clicked, this, &BawLinExportWindow::exportNow);

  auto* fields = new QFormLayout;
  fields->addRow(fromCoreText(BawLinExportDialog::kFileNameLabel), fileName_);
  fields->addRow(fromCoreText(BawLinExportDialog::kBaseCodeLabel), baseCode_);
  fields->addRow(fromCoreText(BawLinExportDialog::kEqpCodeLabel), eqpCode_);

  auto* checklist = new QGroupBox(fromCoreText(BawLinExportDialog::kChecklistHeading), this);
  auto* items = new QVBoxLayout(checklist);
  for (const std::string_view item : BawLinExportDialog::kChecklist)
    items->addWidget(WrappedLabel(item, checklist));

  auto* left = new QVBoxLayout;
  left->addWidget(crewBox);
  left->addLayout(fields);
  left->addWidget(new QLabel(fromCoreText(BawLinExportDialog::kSummaryLabel), this));
  left->addWidget(summary_, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(checklist);
  right->addWidget(WrappedLabel(BawLinExportDialog::kNote, this));
  right->addWidget(export_);
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(okCancel(this, ok_));
  resize(760, 480);
}

void BawLinExportWindow::commitFields() {
  model_.fields.crew = static_cast<BawLinCrew>(std::max(0, crew_->checkedId()));
  model_.fields.fileName = toCoreText(fileName_->text());
  model_.fields.baseCode = toCoreText(baseCode_->text());
  model_.fields.eqpCode = toCoreText(eqpCode_->text());
}

void BawLinExportWindow::exportNow() {
  commitFields();
  model_.exportNow(ui());
  summary_->clear();
  for (const std::string& line : model_.summary) summary_->addItem(fromCoreText(line));
}

BawLinImportWindow::BawLinImportWindow(BawLinImportDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent),
      model_(model),
      list_(new QListWidget(this)),
      import_(new QPushButton(fromCoreText(BawLinImportDialog::kImportButton), this)) {
  import_->setAutoDefault(false);
  // Reading the files is not part of the program: the button only closes.
  connect(import_, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(import_);
  buttons->addStretch(1);
  buttons->addWidget(okCancel(this, ok_));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
  resize(420, 300);
}

void BawLinImportWindow::showEvent(QShowEvent* event) {
  ModelDialog::showEvent(event);
  if (asked_) return;
  asked_ = true;
  QTimer::singleShot(0, this, [this] { model_.chooseFile(ui()); });
}

ViewerKindWindow::ViewerKindWindow(ViewerKindDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent), model_(model), kinds_(new QButtonGroup(this)) {
  auto* group = new QGroupBox(fromCoreText(ViewerKindDialog::kGroup), this);
  auto* radios = new QVBoxLayout(group);
  for (const ViewerKind kind : {ViewerKind::PreBuild, ViewerKind::PreSked, ViewerKind::Final}) {
    auto* radio = new QRadioButton(fromCoreText(InfoOf(kind).button), group);
    kinds_->addButton(radio, static_cast<int>(kind));
    radios->addWidget(radio);
  }
  kinds_->button(static_cast<int>(model.kind))->setChecked(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(okCancel(this, ok_));
}

void ViewerKindWindow::commitFields() {
  model_.kind = static_cast<ViewerKind>(std::max(0, kinds_->checkedId()));
}

CopyBlocksWindow::CopyBlocksWindow(CopyBlocksDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent),
      model_(model),
      names_(new QListWidget(this)),
      xes_(new QCheckBox(fromCoreText(CopyBlocksDialog::kXesBox), this)),
      pairs_(new QCheckBox(fromCoreText(CopyBlocksDialog::kPairsBox), this)) {
  names_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  for (const std::string& name : model.names()) names_->addItem(fromCoreText(name));
  for (int row = 0; row < names_->count(); ++row) {
    const auto index = static_cast<std::size_t>(row);
    names_->item(row)->setSelected(index < model.selected.size() && model.selected[index]);
  }
  xes_->setChecked(model.options.includeXes);
  pairs_->setChecked(model.options.includePairs);
  auto* boxes = new QHBoxLayout;
  boxes->addWidget(xes_);
  boxes->addWidget(pairs_);
  boxes->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(names_, 1);
  layout->addLayout(boxes);
  layout->addWidget(okCancel(this, ok_));
  resize(360, 420);
}

void CopyBlocksWindow::commitFields() {
  model_.selected.assign(static_cast<std::size_t>(names_->count()), false);
  for (int row = 0; row < names_->count(); ++row)
    model_.selected[static_cast<std::size_t>(row)] = names_->item(row)->isSelected();
  model_.options.includeXes = xes_->isChecked();
  model_.options.includePairs = pairs_->isChecked();
}

}  // namespace lumora
