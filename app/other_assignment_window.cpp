#include "app/other_assignment_window.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "app/core_text.h"
#include "building/other_assignments.h"

namespace lumora {

namespace {

// A time field of the picture "##:##". No input mask: a mask keeps its colon
// in an emptied field and cannot take a credit above 99 hours. Hours come
// before the colon so that "1230" cannot be typed and read as 1230 hours; a
// preset with longer hours (a large credit) widens the field rather than
// losing digits.
QLineEdit* timeEdit(const std::string& preset, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  const std::size_t colon = preset.find(':');
  const int hourDigits = std::clamp(colon == std::string::npos ? 2 : static_cast<int>(colon), 2, 9);
  const QRegularExpression picture(QStringLiteral("[0-9]{0,%1}(:[0-9]{0,2})?").arg(hourDigits));
  edit->setValidator(new QRegularExpressionValidator(picture, edit));
  edit->setMaxLength(std::max(hourDigits + 3, static_cast<int>(preset.size())));
  edit->setText(fromCoreText(preset));
  edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000:000")) + 16);
  return edit;
}

QLineEdit* shownText(const std::string& text, QWidget* parent) {
  auto* edit = new QLineEdit(fromCoreText(text), parent);
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::ClickFocus);
  return edit;
}

QCheckBox* checkBox(const char* text, bool checked, QWidget* parent) {
  auto* box = new QCheckBox(QString::fromLatin1(text), parent);
  box->setChecked(checked);
  return box;
}

}  // namespace

OtherAssignmentWindow::OtherAssignmentWindow(OtherAssDialog& model, TDocument& doc, QWidget* parent)
    : QDialog(parent),
      model_(model),
      doc_(doc),
      dateLine_(new QLabel(fromCoreText(model.dateLine()), this)),
      code_(shownText(model.code(), this)),
      crewTracCode_(shownText(model.crewTracCode(), this)),
      start_(timeEdit(model.startText, this)),
      atWork_(timeEdit(model.atWorkText, this)),
      credit_(timeEdit(model.creditText, this)),
      hardTime_(timeEdit(model.hardTimeText, this)),
      reserve_(checkBox(kReserveLabel, model.reserve, this)),
      containsDuty_(checkBox(kContainsDutyLabel, model.containsDuty, this)),
      carsDuty_(checkBox(kCarsDutyLabel, model.carsDuty, this)),
      excludeCredit_(checkBox(kExcludeCreditLabel, model.excludeCredit, this)),
      dayOff_(checkBox(kDayOffLabel, false, this)),
      ok_(nullptr),
      cancel_(nullptr) {
  setWindowTitle(fromCoreText(model_.caption()));
  setModal(true);
  dateLine_->setTextFormat(Qt::PlainText);
  dayOff_->setEnabled(OtherAssDialog::kCountAsDayOffEnabled);

  auto* form = new QFormLayout;
  form->addRow(QString::fromLatin1(kCodeLabel), code_);
  form->addRow(QString::fromLatin1(kCrewTracCodeLabel), crewTracCode_);
  form->addRow(QString::fromLatin1(kStartLabel), start_);
  form->addRow(QString::fromLatin1(kAtWorkLabel), atWork_);
  form->addRow(QString::fromLatin1(kCreditLabel), credit_);
  form->addRow(QString::fromLatin1(kHardTimeLabel), hardTime_);

  auto* boxes = new QGridLayout;
  boxes->addWidget(reserve_, 0, 0);
  boxes->addWidget(containsDuty_, 0, 1);
  boxes->addWidget(carsDuty_, 1, 0);
  boxes->addWidget(excludeCredit_, 1, 1);
  boxes->addWidget(dayOff_, 2, 0);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  cancel_ = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  ok_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &OtherAssignmentWindow::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(dateLine_);
  layout->addLayout(form);
  layout->addLayout(boxes);
  layout->addWidget(buttons);
}

void OtherAssignmentWindow::accept() {
  model_.startText = toCoreText(start_->text());
  model_.atWorkText = toCoreText(atWork_->text());
  model_.creditText = toCoreText(credit_->text());
  model_.hardTimeText = toCoreText(hardTime_->text());
  model_.reserve = reserve_->isChecked();
  model_.containsDuty = containsDuty_->isChecked();
  model_.carsDuty = carsDuty_->isChecked();
  model_.excludeCredit = excludeCredit_->isChecked();
  model_.ok(doc_);
  QDialog::accept();
}

bool RunOtherAssignmentDialog(QWidget* parent, OtherAssDialog& model, TDocument& doc) {
  OtherAssignmentWindow window(model, doc, parent);
  return window.exec() == QDialog::Accepted;
}

}  // namespace lumora
