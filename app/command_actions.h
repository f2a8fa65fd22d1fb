#pragma once
// The core's commands as the window's actions: the menu bar of the menu the
// core shows (with the recent files above Exit), the tool bar's buttons, and
// their enabled and checked states. Every action only asks the core to run
// its command id, then brings every state up to date.

#include <QObject>
#include <QString>
#include <map>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;

namespace lumora {

class LumoraApp;
struct MenuItem;

class CommandActions final : public QObject {
  Q_OBJECT

 public:
  CommandActions(LumoraApp& app, QMenuBar& menuBar, QObject* parent = nullptr);

  // A tool bar button that runs `command`.
  QAction* addToolBarButton(QToolBar& toolBar, int command, const QString& text);
  // The tool bar's action of a command, or nothing.
  QAction* toolBarAction(int command) const;

  // The menus of the state the core is in (built again when the menu or the
  // recent files changed), then every command's state.
  void refresh();
  void refreshStates();

 private:
  QAction* commandAction(int command, const QString& text, QObject* parent);
  void buildMenus();
  QMenu* buildMenu(const MenuItem& popup, QWidget* parent);
  void addRecentFiles(QMenu& menu);

  LumoraApp& app_;
  QMenuBar& menuBar_;
  // Menu and tool bar actions of each command; the menus' go with the menus.
  std::multimap<int, QAction*> menuActions_;
  std::map<int, QAction*> toolBarActions_;
  std::string builtMenu_;
  std::vector<std::string> builtRecent_;
  bool menusBuilt_ = false;
};

}  // namespace lumora
