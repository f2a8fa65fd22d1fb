#include "app/import_windows.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/core_text.h"
#include "imports/pairing_warnings.h"
#include "imports/prg_dialog.h"

namespace lumora {

bool QtClipboard::setText(std::string_view text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return false;
  clipboard->setText(fromCoreText(text));
  return true;
}

namespace {

// An edit of one character with its hint as the tool tip and under it.
QLineEdit* oneCharacterEdit(std::string_view hint, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setMaxLength(1);
  edit->setToolTip(fromCoreText(hint));
  return edit;
}

QLabel* hintLabel(std::string_view hint, QWidget* parent) {
  auto* label = new QLabel(fromCoreText(hint), parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

LoadPrgWindow::LoadPrgWindow(LoadPrgDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent),
      model_(model),
      baseCode_(oneCharacterEdit(LoadPrgDialog::kBaseCodeHint, this)),
      eqpCode_(oneCharacterEdit(LoadPrgDialog::kEqpCodeHint, this)),
      manual_(new QCheckBox(fromCoreText(LoadPrgDialog::kManualSettingsText), this)),
      ok_(new QPushButton(QStringLiteral("OK"))),
      cancel_(new QPushButton(QStringLiteral("Cancel"))) {
  baseCode_->setText(fromCoreText(model_.baseCode()));
  eqpCode_->setText(fromCoreText(model_.eqpCode()));
  manual_->setChecked(model_.useManualSettings());
  // The edits show what the model keeps: a letter made upper case, a digit.
  connect(baseCode_, &QLineEdit::textEdited, this, [this](const QString& text) {
    model_.setBaseCode(toCoreText(text));
    baseCode_->setText(fromCoreText(model_.baseCode()));
  });
  connect(eqpCode_, &QLineEdit::textEdited, this, [this](const QString& text) {
    model_.setEqpCode(toCoreText(text));
    eqpCode_->setText(fromCoreText(model_.eqpCode()));
  });
  connect(manual_, &QCheckBox::toggled, this, [this](bool on) { model_.setUseManualSettings(on); });

  auto* form = new QFormLayout;
  form->addRow(fromCoreText(LoadPrgDialog::kBaseCodeLabel), baseCode_);
  form->addRow(QString(), hintLabel(LoadPrgDialog::kBaseCodeHint, this));
  form->addRow(fromCoreText(LoadPrgDialog::kEqpCodeLabel), eqpCode_);
  form->addRow(QString(), hintLabel(LoadPrgDialog::kEqpCodeHint, this));

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(ok_, QDialogButtonBox::AcceptRole);
  buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
  ok_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(manual_);
  layout->addWidget(hintLabel(LoadPrgDialog::kNote, this));
  layout->addWidget(buttons);
  resize(460, 260);
}

PairingWarningsWindow::PairingWarningsWindow(PairingValidateDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent),
      model_(model),
      list_(new QListWidget(this)),
      ok_(new QPushButton(QStringLiteral("OK"))) {
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  fill();
  connect(list_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { lineDoubleClicked(list_->row(item)); });

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(ok_, QDialogButtonBox::AcceptRole);
  ok_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  resize(640, 420);
}

void PairingWarningsWindow::lineDoubleClicked(int row) {
  if (row < 0) return;
  const auto result = model_.doubleClick(static_cast<std::size_t>(row), ui());
  if (result == PairingValidateDialog::DoubleClick::Edited) fill();
}

void PairingWarningsWindow::fill() {
  list_->clear();
  for (const std::string& line : model_.lines()) list_->addItem(fromCoreText(line));
}

}  // namespace lumora
