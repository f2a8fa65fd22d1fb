#pragma once
// What the main window shows while no schedule is open: the recent files
// (a click opens one), New and Open, instead of an empty grey grid.

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace lumora {

class StartPage : public QWidget {
  Q_OBJECT

 public:
  explicit StartPage(QWidget* parent = nullptr);

  // The recent files, newest first; nothing changes when they are the same.
  void setRecentFiles(const std::vector<std::string>& names);

  QListWidget& recentList() const { return *recent_; }
  QPushButton& newButton() const { return *new_; }
  QPushButton& openButton() const { return *open_; }

  std::function<void()> onNew;
  std::function<void()> onOpen;
  std::function<void(std::size_t index)> onRecent;

 private:
  std::vector<std::string> shown_;
  QListWidget* recent_;
  QPushButton* new_;
  QPushButton* open_;
};

}  // namespace lumora
