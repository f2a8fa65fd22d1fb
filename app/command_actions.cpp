#include "app/command_actions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/core_text.h"
#include "building/undo.h"
#include "shell/app_state.h"
#include "shell/command_table.h"

namespace lumora {

namespace {

// The property that marks a recent-files entry with its place in the list.
constexpr const char* kRecentIndex = "recentIndex";

// The desktop's usual keys, which the command table names.
QKeySequence StandardKeys(int command) {
  return QKeySequence(fromCoreText(DesktopKeyOf(command)), QKeySequence::PortableText);
}

// The menu text of a file name: "&" is a mnemonic marker in menus.
QString menuFileName(const std::string& name) {
  QString text = fromCorePath(name);
  text.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return text;
}

}  // namespace

CommandActions::CommandActions(LumoraApp& app, QMenuBar& menuBar, QObject* parent)
    : QObject(parent), app_(app), menuBar_(menuBar) {}

QAction* CommandActions::commandAction(int command, const QString& text, QObject* parent) {
  auto* action = new QAction(text, parent);
  action->setData(command);
  const CommandInfo* info = FindCommand(command);
  action->setCheckable(info != nullptr && info->checked != nullptr);
  // The core decides; a check mark that Qt flipped on its own is put back by
  // the refresh that follows every command.
  connect(action, &QAction::triggered, this, [this, command] {
    app_.dispatch(command);
    refresh();
  });
  return action;
}

QAction* CommandActions::addToolBarButton(QToolBar& toolBar, int command, const QString& text) {
  QAction* action = commandAction(command, text, &toolBar);
  toolBar.addAction(action);
  toolBarActions_[command] = action;
  return action;
}

QAction* CommandActions::toolBarAction(int command) const {
  const auto found = toolBarActions_.find(command);
  return found == toolBarActions_.end() ? nullptr : found->second;
}

void CommandActions::buildMenus() {
  const QList<QAction*> old = menuBar_.actions();
  menuBar_.clear();
  // A menu command may have replaced the menu it was chosen from: the old
  // menus go once that command has returned.
  for (QAction* action : old) {
    if (QMenu* menu = action->menu()) menu->deleteLater();
  }
  menuActions_.clear();

  builtMenu_ = app_.menuName();
  builtRecent_ = app_.recentFiles().entries();
  menusBuilt_ = true;
  for (const MenuItem& popup : MenuLayout(builtMenu_))
    menuBar_.addMenu(buildMenu(popup, &menuBar_));
  refreshStates();
}

QMenu* CommandActions::buildMenu(const MenuItem& popup, QWidget* parent) {
  auto* menu = new QMenu(fromCoreText(popup.text), parent);
  // A menu about to open is never replaced: only its states are brought up to date.
  connect(menu, &QMenu::aboutToShow, this, &CommandActions::refreshStates);
  for (const MenuItem& item : popup.items) {
    switch (item.kind) {
      case MenuItem::Kind::Separator:
        menu->addSeparator();
        break;
      case MenuItem::Kind::Popup:
        menu->addMenu(buildMenu(item, menu));
        break;
      case MenuItem::Kind::Command: {
        // The recent files stand above Exit, as the recent-files list puts them.
        if (item.command == command::kExit) addRecentFiles(*menu);
        QAction* action = commandAction(item.command, fromCoreText(item.text), menu);
        // The program's own keys reach the commands through the key map: the
        // menu only names them, after a tab as Qt shows shortcuts. Texts that
        // name their key already ("&Undo F1") keep theirs.
        const QString key = fromCoreText(KeyTextOf(item.command, app_.commandContext()));
        if (!key.isEmpty() && !action->text().endsWith(key))
          action->setText(action->text() + QLatin1Char('\t') + key);
        action->setShortcut(StandardKeys(item.command));
        menu->addAction(action);
        menuActions_.emplace(item.command, action);
        break;
      }
    }
  }
  return menu;
}

void CommandActions::addRecentFiles(QMenu& menu) {
  if (builtRecent_.empty()) return;
  for (std::size_t i = 0; i < builtRecent_.size(); ++i) {
    auto* action = new QAction(
        QStringLiteral("&%1 %2").arg(static_cast<int>(i) + 1).arg(menuFileName(builtRecent_[i])),
        &menu);
    action->setProperty(kRecentIndex, static_cast<qulonglong>(i));
    connect(action, &QAction::triggered, this, [this, i] {
      app_.openRecent(i);
      refresh();
    });
    menu.addAction(action);
  }
  menu.addSeparator();
}

void CommandActions::refresh() {
  if (!menusBuilt_ || builtMenu_ != app_.menuName() ||
      builtRecent_ != app_.recentFiles().entries()) {
    // Rebuilding refreshes the new menus itself.
    buildMenus();
    return;
  }
  refreshStates();
}

void CommandActions::refreshStates() {
  const auto refresh = [this](int command, QAction& action) {
    action.setEnabled(app_.isEnabled(command));
    if (action.isCheckable()) action.setChecked(app_.isChecked(command));
  };
  for (const auto& [command, action] : menuActions_) refresh(command, *action);
  for (const auto& [command, action] : toolBarActions_) refresh(command, *action);

  // Undo says what it would undo, in its menu item and, on hover, the status bar.
  const std::string undoing = app_.hasDocument() ? UndoDescription(app_.document()) : "";
  const auto undo = menuActions_.find(command::kUndo);
  if (undo != menuActions_.end()) {
    undo->second->setText(undoing.empty() ? QStringLiteral("&Undo F1")
                                          : QStringLiteral("&Undo: ") + fromCoreText(undoing) +
                                                QStringLiteral("\tF1"));
    undo->second->setStatusTip(undoing.empty() ? QString()
                                               : QStringLiteral("Undo: ") + fromCoreText(undoing));
  }
}

}  // namespace lumora
