#include "app/list_dialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/core_text.h"

namespace lumora {

ListDialog::ListDialog(std::string_view caption, const std::vector<std::string>& lines,
                       QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)), ok_(new QPushButton(QStringLiteral("OK"))) {
  setWindowTitle(fromCoreText(caption));
  setModal(true);

  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (const auto& line : lines) list_->addItem(fromCoreText(line));

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(ok_, QDialogButtonBox::AcceptRole);
  ok_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  resize(560, 360);
}

}  // namespace lumora
