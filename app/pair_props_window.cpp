#include "app/pair_props_window.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "app/core_text.h"
#include "views/pair_props_dialog.h"

namespace lumora {

namespace {

constexpr int kHourDigits = 2;

int HourDigitsOf(const std::string& text) {
  const auto colon = text.find(':');
  const auto before = colon == std::string::npos ? text.size() : colon;
  return std::max(kHourDigits, static_cast<int>(std::min<std::size_t>(before, 9)));
}

}  // namespace

PairPropsWindow::PairPropsWindow(PairPropsDialog& model, std::function<bool()> accept,
                                 QWidget* parent)
    : QDialog(parent),
      model_(model),
      accept_(std::move(accept)),
      group_(new QGroupBox(QString::fromLatin1(kTypeGroup), this)),
      types_(new QButtonGroup(this)),
      excludeLabel_(new QLabel(QString::fromLatin1(kExcludeLabel), this)),
      exclude_(new QLineEdit(this)),
      ok_(new QPushButton(QStringLiteral("OK"))),
      cancel_(new QPushButton(QStringLiteral("Cancel"))) {
  setWindowTitle(fromCoreText(model_.caption()));
  setModal(true);

  auto* radios = new QVBoxLayout(group_);
  for (int type = 0; type < static_cast<int>(kTypeNames.size()); ++type) {
    auto* radio =
        new QRadioButton(QString::fromLatin1(kTypeNames[static_cast<std::size_t>(type)]), group_);
    types_->addButton(radio, type);
    radios->addWidget(radio);
  }
  // A type outside the four (a damaged file) shows as Normal.
  const int preset = model_.type >= 0 && model_.type < static_cast<int>(kTypeNames.size())
                         ? model_.type
                         : PairPropsDialog::kNormal;
  types_->button(preset)->setChecked(true);

  // Two digits, a colon, two digits; more digits for the hours when the
  // stored value has them, so that the preset text reads back unchanged.
  exclude_->setInputMask(QString(HourDigitsOf(model_.excludeText), QLatin1Char('9')) +
                         QStringLiteral(":99"));
  exclude_->setText(fromCoreText(model_.excludeText));
  exclude_->setMaximumWidth(exclude_->fontMetrics().horizontalAdvance(QStringLiteral("000:000")) +
                            16);
  auto* form = new QFormLayout;
  form->addRow(excludeLabel_, exclude_);
  excludeLabel_->setVisible(model_.excludeShown());
  exclude_->setVisible(model_.excludeShown());

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(ok_, QDialogButtonBox::AcceptRole);
  buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
  ok_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &PairPropsWindow::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group_);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

QRadioButton& PairPropsWindow::typeButton(int type) const {
  const int id = std::clamp(type, 0, static_cast<int>(kTypeNames.size()) - 1);
  return *static_cast<QRadioButton*>(types_->button(id));
}

void PairPropsWindow::accept() {
  model_.type = std::max(PairPropsDialog::kNormal, types_->checkedId());
  if (model_.excludeShown()) model_.excludeText = toCoreText(exclude_->text());
  if (!accept_ || accept_()) QDialog::accept();
}

bool RunPairPropsDialog(QWidget* parent, PairPropsDialog& model,
                        const std::function<bool()>& accept) {
  PairPropsWindow window(model, accept, parent);
  return window.exec() == QDialog::Accepted;
}

}  // namespace lumora
