#pragma once
// The list dialog: a caption and its lines in a list box, closed with "OK".

#include <QDialog>
#include <string>
#include <string_view>
#include <vector>

class QListWidget;
class QPushButton;

namespace lumora {

class ListDialog : public QDialog {
  Q_OBJECT

 public:
  ListDialog(std::string_view caption, const std::vector<std::string>& lines,
             QWidget* parent = nullptr);

  QListWidget& list() const { return *list_; }
  QPushButton& okButton() const { return *ok_; }

 private:
  QListWidget* list_;  // owned by the dialog
  QPushButton* ok_;    // owned by the dialog
};

}  // namespace lumora
