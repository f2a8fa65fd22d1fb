#pragma once
// The windows of the pairing filters: the filter wizard, a pilot's bid
// filter editor and the flight-attendant pairing filter window. Each shows
// its model's cells, texts and buttons; the model does what they do.

#include <QString>
#include <array>
#include <vector>

#include "app/model_dialog.h"

class QComboBox;
class QLineEdit;
class QToolButton;
class QWidget;

namespace lumora {

class BidFilterEditor;
class FilterWindowDialog;
class FilterWizardDialog;

class FilterWizardWindow : public ModelDialog {
  Q_OBJECT

 public:
  FilterWizardWindow(FilterWizardDialog& model, Ui& ui, QWidget* parent = nullptr);

  QLineEdit& leftBox(int box) const { return *left_[static_cast<std::size_t>(box)]; }
  QLineEdit& rightBox(int box) const { return *right_[static_cast<std::size_t>(box)]; }

 protected:
  void commitFields() override;

 private:
  FilterWizardDialog& model_;
  std::array<QLineEdit*, 4> left_{};
  std::array<QLineEdit*, 4> right_{};
};

class BidFilterEditorWindow : public ModelDialog {
  Q_OBJECT

 public:
  BidFilterEditorWindow(BidFilterEditor& model, Ui& ui, QWidget* parent = nullptr);

  const std::vector<QToolButton*>& cells() const { return cells_; }
  QComboBox& textBox() const { return *text_; }

 protected:
  void commitFields() override;

 private:
  void showCells();

  BidFilterEditor& model_;
  std::vector<QToolButton*> cells_;
  QComboBox* text_ = nullptr;
};

class FilterWindowWindow : public ModelDialog {
  Q_OBJECT

 public:
  FilterWindowWindow(FilterWindowDialog& model, Ui& ui, QWidget* parent = nullptr);

  const std::vector<QToolButton*>& cells() const { return cells_; }
  QComboBox& crewBox() const { return *crew_; }
  QComboBox& textBox() const { return *text_; }

 protected:
  void commitFields() override;

 private:
  void showModel();
  void takeFields();

  FilterWindowDialog& model_;
  std::vector<QToolButton*> cells_;
  QComboBox* crew_ = nullptr;
  QComboBox* text_ = nullptr;
};

}  // namespace lumora
