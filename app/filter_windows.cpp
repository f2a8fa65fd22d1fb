#include "app/filter_windows.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstdio>

#include "app/core_text.h"
#include "platform/ui.h"
#include "views/pairing_filters.h"

namespace lumora {

namespace {

constexpr int kCellsPerRow = 20;

// One push cell per pairing number, 20 to a row, each five characters and
// a margin wide and a line high.
QWidget* CellGrid(QWidget* parent, const std::vector<int>& numbers,
                  std::vector<QToolButton*>& cells) {
  auto* grid = new QWidget(parent);
  auto* layout = new QGridLayout(grid);
  layout->setSpacing(0);
  layout->setContentsMargins(0, 0, 0, 0);
  const QFontMetrics metrics = grid->fontMetrics();
  const QSize size(metrics.averageCharWidth() * 5 + 5, metrics.height() + 1 + 4);
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", numbers[i]);
    auto* cell = new QToolButton(grid);
    cell->setObjectName(QStringLiteral("filterCell%1").arg(i));
    cell->setText(QString::fromLatin1(text));
    cell->setCheckable(true);
    cell->setFixedSize(size);
    // A picked cell is drawn pressed with blue text.
    cell->setStyleSheet(QStringLiteral("QToolButton:checked { color: rgb(0,0,255); }"));
    const int index = static_cast<int>(i);
    layout->addWidget(cell, index / kCellsPerRow, index % kCellsPerRow);
    cells.push_back(cell);
  }
  return grid;
}

QComboBox* TextCombo(QWidget* parent, const std::array<std::string, kPairFilterCount>& recent,
                     const std::string& current) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QStringLiteral("filterText"));
  combo->setAccessibleName(QStringLiteral("Text filter"));
  combo->setToolTip(QStringLiteral("Key words or letters a pairing's text must contain"));
  combo->setEditable(true);
  combo->lineEdit()->setMaxLength(static_cast<int>(kTextFilterLength));
  for (const std::string& text : recent)
    if (!text.empty()) combo->addItem(fromCoreText(text));
  combo->setEditText(fromCoreText(current));
  return combo;
}

QPushButton* Button(QWidget* parent, const char* text, QBoxLayout* row) {
  auto* button = new QPushButton(QString::fromLatin1(text), parent);
  button->setAutoDefault(false);
  row->addWidget(button);
  return button;
}

// Runs the wizard; its text, when OK built one.
bool RunWizard(Ui& ui, QComboBox& text) {
  FilterWizardDialog wizard;
  if (!ui.run(wizard)) return false;
  text.setEditText(fromCoreText(wizard.result()));
  return true;
}

}  // namespace

// --- the wizard

FilterWizardWindow::FilterWizardWindow(FilterWizardDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent), model_(model) {
  auto* layout = new QGridLayout(this);
  auto* leftNote = new QLabel(
      QStringLiteral("Show me Pairings that contain these Key Words or Letters and the Pairings I "
                     "have selected using the push buttons"),
      this);
  auto* rightNote = new QLabel(
      QStringLiteral("Of the Pairings that contain the Key Words dont show me Pairings that "
                     "contain these Key Words"),
      this);
  leftNote->setWordWrap(true);
  rightNote->setWordWrap(true);
  layout->addWidget(leftNote, 0, 0);
  layout->addWidget(rightNote, 0, 1);
  for (int i = 0; i < FilterWizardDialog::kBoxes; ++i) {
    auto* left = new QLineEdit(fromCoreText(model.left(i)), this);
    auto* right = new QLineEdit(fromCoreText(model.right(i)), this);
    left->setObjectName(QStringLiteral("wizardLeft%1").arg(i));
    right->setObjectName(QStringLiteral("wizardRight%1").arg(i));
    left->setAccessibleName(QStringLiteral("Key words to show, line %1").arg(i + 1));
    right->setAccessibleName(QStringLiteral("Key words to leave out, line %1").arg(i + 1));
    left->setMaxLength(static_cast<int>(FilterWizardDialog::kBoxLength));
    right->setMaxLength(static_cast<int>(FilterWizardDialog::kBoxLength));
    layout->addWidget(left, i + 1, 0);
    layout->addWidget(right, i + 1, 1);
    left_[static_cast<std::size_t>(i)] = left;
    right_[static_cast<std::size_t>(i)] = right;
  }
  auto* buttons = new QHBoxLayout;
  QPushButton* ok = Button(this, "OK", buttons);
  QPushButton* cancel = Button(this, "Cancel", buttons);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  layout->addLayout(buttons, FilterWizardDialog::kBoxes + 1, 0, 1, 2);
  setMinimumWidth(520);
}

void FilterWizardWindow::commitFields() {
  for (int i = 0; i < FilterWizardDialog::kBoxes; ++i) {
    model_.setLeft(i, toCoreText(left_[static_cast<std::size_t>(i)]->text()));
    model_.setRight(i, toCoreText(right_[static_cast<std::size_t>(i)]->text()));
  }
}

// --- the bid filter editor

BidFilterEditorWindow::BidFilterEditorWindow(BidFilterEditor& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent), model_(model) {
  auto* layout = new QVBoxLayout(this);
  text_ = TextCombo(this, model.recentTexts(), model.text());
  layout->addWidget(text_);
  layout->addWidget(CellGrid(this, model.numbers(), cells_));
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    connect(cells_[i], &QToolButton::clicked, this, [this, i] {
      const bool shift = QApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
      model_.click(static_cast<int>(i), shift);
      showCells();
    });
  }
  auto* row = new QHBoxLayout;
  QPushButton* ok = Button(this, "OK", row);
  QPushButton* cancel = Button(this, "Cancel", row);
  QPushButton* clear = Button(this, "Clear", row);
  QPushButton* invert = Button(this, "Invert", row);
  QPushButton* wizard = Button(this, "Wizard", row);
  layout->addLayout(row);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(clear, &QPushButton::clicked, this, [this] {
    model_.clear();
    text_->setEditText(QString());
    showCells();
  });
  connect(invert, &QPushButton::clicked, this, [this] {
    model_.invert();
    showCells();
  });
  connect(wizard, &QPushButton::clicked, this, [this] { RunWizard(this->ui(), *text_); });
  showCells();
}

void BidFilterEditorWindow::showCells() {
  for (std::size_t i = 0; i < cells_.size(); ++i)
    cells_[i]->setChecked(model_.selected(static_cast<int>(i)));
}

void BidFilterEditorWindow::commitFields() {
  model_.setText(toCoreText(text_->currentText()));
}

// --- the pairing filter window

FilterWindowWindow::FilterWindowWindow(FilterWindowDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent), model_(model) {
  QPalette grey = palette();
  grey.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(grey);
  setAutoFillBackground(true);

  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  crew_ = new QComboBox(this);
  crew_->setObjectName(QStringLiteral("filterCrew"));
  for (const std::string& entry : model.crewEntries()) crew_->addItem(fromCoreText(entry));
  crew_->setCurrentIndex(model.crew());
  top->addWidget(crew_, 1);
  QPushButton* save = Button(this, "Save", top);
  QPushButton* recall = Button(this, "Recall", top);
  layout->addLayout(top);
  text_ = TextCombo(this, model.recentTexts(), model.text());
  layout->addWidget(text_);
  layout->addWidget(CellGrid(this, model.numbers(), cells_));
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    connect(cells_[i], &QToolButton::clicked, this, [this, i] {
      model_.click(static_cast<int>(i));
      showModel();
    });
  }
  auto* row = new QHBoxLayout;
  QPushButton* apply = Button(this, "Apply Filters", row);
  QPushButton* remove = Button(this, "Remove Filters", row);
  QPushButton* invert = Button(this, "Invert", row);
  QPushButton* wizard = Button(this, "Wizard", row);
  layout->addLayout(row);

  connect(apply, &QPushButton::clicked, this, [this] {
    accept();
    // A refused apply keeps the window with the text as the model has it.
    if (isVisible()) showModel();
  });
  connect(remove, &QPushButton::clicked, this, [this] {
    model_.removeFilters();
    QDialog::reject();
  });
  connect(invert, &QPushButton::clicked, this, [this] {
    model_.invert();
    showModel();
  });
  connect(wizard, &QPushButton::clicked, this, [this] { RunWizard(this->ui(), *text_); });
  connect(save, &QPushButton::clicked, this, [this] {
    takeFields();
    model_.save(this->ui());
    showModel();
  });
  connect(recall, &QPushButton::clicked, this, [this] {
    takeFields();
    model_.recall(this->ui());
    showModel();
  });
  showModel();
}

void FilterWindowWindow::takeFields() {
  model_.setCrew(crew_->currentIndex());
  model_.setText(toCoreText(text_->currentText()));
}

void FilterWindowWindow::showModel() {
  for (std::size_t i = 0; i < cells_.size(); ++i)
    cells_[i]->setChecked(model_.pressed(static_cast<int>(i)));
  text_->setEditText(fromCoreText(model_.text()));
  setWindowTitle(fromCoreText(model_.caption()));
}

void FilterWindowWindow::commitFields() {
  takeFields();
}

}  // namespace lumora
