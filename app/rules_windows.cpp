#include "app/rules_windows.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/core_text.h"
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
      assign_(new QPushButton(fromCoreText(WhosLegalDialog::kAssignText))) {
  connect(legal_, &QListWidget::currentRowChanged, this, [&model](int row) { model.select(row); });

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

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists);
  layout->addWidget(buttons);
  resize(560, 420);
}

}  // namespace lumora
