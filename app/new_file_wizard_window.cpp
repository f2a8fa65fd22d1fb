#include "app/new_file_wizard_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/core_text.h"
#include "shell/new_file_wizard.h"

namespace lumora {

namespace {

// One group of radio buttons; `choose` gets the index of the one checked.
template <std::size_t N, class Choose>
QGroupBox* ChoiceGroup(const char* title, const std::array<std::string_view, N>& texts, int checked,
                       QWidget* parent, Choose choose,
                       std::array<QAbstractButton*, N>* buttons = nullptr) {
  auto* group = new QGroupBox(QString::fromLatin1(title), parent);
  auto* layout = new QVBoxLayout(group);
  auto* exclusive = new QButtonGroup(group);
  for (std::size_t i = 0; i < N; ++i) {
    auto* button = new QRadioButton(fromCoreText(texts[i]), group);
    button->setChecked(static_cast<int>(i) == checked);
    exclusive->addButton(button, static_cast<int>(i));
    layout->addWidget(button);
    if (buttons != nullptr) (*buttons)[i] = button;
  }
  QObject::connect(exclusive, &QButtonGroup::idToggled, group, [choose](int id, bool on) {
    if (on) choose(id);
  });
  return group;
}

}  // namespace

NewFileWizardWindow::NewFileWizardWindow(NewFileWizard& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent),
      model_(model),
      text_(new QPlainTextEdit(this)),
      choices_(new QGroupBox(this)),
      next_(new QPushButton(fromCoreText(NewFileWizard::kNextButton), this)),
      finish_(new QPushButton(fromCoreText(NewFileWizard::kFinishedButton), this)) {
  text_->setReadOnly(true);
  text_->setAccessibleName(QStringLiteral("Step"));
  text_->setMaximumHeight(96);

  auto* choiceRow = new QHBoxLayout(choices_);
  choiceRow->addWidget(ChoiceGroup("Base", NewFileWizard::kBases, model_.base(), choices_,
                                   [this](int i) { model_.chooseBase(i); }));
  equipmentGroup_ = ChoiceGroup("Eqp. Pilots Only", NewFileWizard::kEquipment, model_.equipment(),
                                choices_, [this](int i) { model_.chooseEquipment(i); });
  choiceRow->addWidget(equipmentGroup_);
  choiceRow->addWidget(ChoiceGroup(
      "Status", NewFileWizard::kStatuses, model_.status(), choices_,
      [this](int i) {
        model_.chooseStatus(i);
        refresh();
      },
      &statuses_));

  alternateGroup_ = new QGroupBox(QStringLiteral("Alternate Info"), choices_);
  auto* alternate = new QFormLayout(alternateGroup_);
  auto* use = new QCheckBox(fromCoreText(NewFileWizard::kAlternateCheck), alternateGroup_);
  use->setChecked(model_.alternate());
  connect(use, &QCheckBox::toggled, this, [this](bool on) { model_.setAlternate(on); });
  alternate->addRow(use);
  for (std::size_t f = 0; f < NewFileWizard::kFieldLabels.size(); ++f) {
    const auto field = static_cast<NewFileWizard::Field>(f);
    auto* edit = new QLineEdit(alternateGroup_);
    edit->setMaxLength(static_cast<int>(NewFileWizard::kFieldLengths[f]));
    edit->setAccessibleName(fromCoreText(NewFileWizard::kFieldLabels[f]));
    connect(edit, &QLineEdit::textChanged, this,
            [this, field](const QString& text) { model_.setField(field, toCoreText(text)); });
    alternate->addRow(fromCoreText(NewFileWizard::kFieldLabels[f]), edit);
  }
  choiceRow->addWidget(alternateGroup_);

  auto* statusGrid = new QGridLayout;
  for (std::size_t s = 0; s < status_.size(); ++s) {
    statusGrid->addWidget(new QLabel(fromCoreText(NewFileWizard::kStatusLabels[s]), this),
                          static_cast<int>(s), 0);
    status_[s] = new QLabel(this);
    statusGrid->addWidget(status_[s], static_cast<int>(s), 1);
  }

  next_->setDefault(true);
  next_->setToolTip(QStringLiteral("Run this step"));
  finish_->setToolTip(QStringLiteral("Close the wizard and build the blocks"));
  connect(next_, &QPushButton::clicked, this, [this] {
    model_.next(this->ui());
    refresh();
  });
  connect(finish_, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(next_, QDialogButtonBox::ActionRole);
  buttons->addButton(finish_, QDialogButtonBox::ActionRole);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addWidget(choices_);
  layout->addLayout(statusGrid);
  layout->addWidget(buttons);
  refresh();
}

void NewFileWizardWindow::refresh() {
  text_->setPlainText(fromCoreText(model_.text()));
  // The choices are made once: after the first step they describe the file.
  choices_->setEnabled(model_.step() == 0);
  equipmentGroup_->setEnabled(model_.equipmentEnabled());
  for (std::size_t s = 0; s < status_.size(); ++s)
    status_[s]->setText(fromCoreText(model_.statusText(static_cast<NewFileWizard::Status>(s))));
  next_->setEnabled(model_.nextEnabled());
  finish_->setEnabled(model_.finishEnabled());
}

}  // namespace lumora
