#pragma once
// What each command does, registered by the feature it belongs to. The
// command table says which commands exist and when they are enabled; a
// feature's registrar adds the handlers of its commands here, and the frame
// only looks them up. A new command is an entry in the table and a line in
// its feature's registrar, not a new method of the frame.

#include <functional>
#include <map>

namespace lumora {

class LumoraApp;

using CommandHandler = std::function<void(LumoraApp&)>;

class CommandRegistry {
 public:
  // Throws std::logic_error for an id the command table does not have, for a
  // command the table declares as not built, and for a second handler of one
  // id: each is a fault of the program, found the first time it starts.
  void add(int id, CommandHandler handler);
  // The handler of a command, or null.
  const CommandHandler* find(int id) const;
  // Throws std::logic_error naming the first command the table declares as
  // built that has no handler.
  void requireComplete() const;

 private:
  std::map<int, CommandHandler> handlers_;
};

// Every feature's commands, each registrar called once; complete.
CommandRegistry AllCommands();

// The registrars, one per feature.
void RegisterFileCommands(CommandRegistry& commands);         // file_commands.cpp
void RegisterImportCommands(CommandRegistry& commands);       // import_commands.cpp
void RegisterBlockCommands(CommandRegistry& commands);        // block_commands.cpp
void RegisterWindowCommands(CommandRegistry& commands);       // window_commands.cpp
void RegisterHelpCommands(CommandRegistry& commands);         // help_commands.cpp
void RegisterRulesCommands(CommandRegistry& commands);        // rules_commands.cpp
void RegisterExportCommands(CommandRegistry& commands);       // export_commands.cpp
void RegisterPrintCommands(CommandRegistry& commands);        // print_commands.cpp
void RegisterRosterCommands(CommandRegistry& commands);       // roster_commands.cpp
void RegisterBidsCommands(CommandRegistry& commands);         // bids_commands.cpp
void RegisterPairingEditCommands(CommandRegistry& commands);  // pairing_edit_commands.cpp
void RegisterFilterCommands(CommandRegistry& commands);       // filter_commands.cpp
void RegisterProposeCommands(CommandRegistry& commands);      // propose_commands.cpp

}  // namespace lumora
