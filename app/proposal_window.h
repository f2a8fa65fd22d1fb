#pragma once
// "Proposed Blocks": the preview's list per crew member with a check box for
// each proposed assignment, the legend of the grid's picture of them, the
// figures against the greedy baseline, and "Accept All", "Accept Selected"
// (the model's OK) and "Discard" (its Cancel). It is modal but stands at the
// main window's right edge, so that the grid stays in sight beside it.

#include "app/model_dialog.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace lumora {

class ProposalPreview;
class Ui;

class ProposalWindow : public ModelDialog {
  Q_OBJECT

 public:
  ProposalWindow(ProposalPreview& model, Ui& ui, QWidget* parent = nullptr);

  QTreeWidget& list() const { return *list_; }
  QPushButton& acceptAllButton() const { return *acceptAll_; }
  QPushButton& acceptSelectedButton() const { return *acceptSelected_; }
  QPushButton& discardButton() const { return *discard_; }
  // The item of a line of the model's list.
  QTreeWidgetItem* itemOfLine(int line) const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void checkChanged(QTreeWidgetItem* item);
  // The check boxes as the model's selection has them.
  void showSelection();

  ProposalPreview& model_;
  QTreeWidget* list_;  // owned by the dialog
  QPushButton* acceptAll_;
  QPushButton* acceptSelected_;
  QPushButton* discard_;
  bool syncing_ = false;
  bool placed_ = false;
};

}  // namespace lumora
