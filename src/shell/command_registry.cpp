#include "shell/command_registry.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "shell/command_table.h"

namespace lumora {

void CommandRegistry::add(int id, CommandHandler handler) {
  const CommandInfo* info = FindCommand(id);
  const std::string name = "command " + std::to_string(id);
  if (info == nullptr) throw std::logic_error(name + " is not in the command table");
  if (info->implementation == Implementation::NotBuilt)
    throw std::logic_error(name + " is declared as not built (" + info->owner + ")");
  if (!handler) throw std::logic_error(name + " has an empty handler");
  if (!handlers_.emplace(id, std::move(handler)).second)
    throw std::logic_error(name + " is registered twice");
}

const CommandHandler* CommandRegistry::find(int id) const {
  const auto found = handlers_.find(id);
  return found == handlers_.end() ? nullptr : &found->second;
}

void CommandRegistry::requireComplete() const {
  for (const CommandInfo& info : CommandTable()) {
    if (info.implementation != Implementation::NotBuilt && find(info.id) == nullptr)
      throw std::logic_error("command " + std::to_string(info.id) + " has no handler");
  }
}

CommandRegistry AllCommands() {
  CommandRegistry commands;
  RegisterFileCommands(commands);
  RegisterImportCommands(commands);
  RegisterBlockCommands(commands);
  RegisterWindowCommands(commands);
  RegisterFilterCommands(commands);
  RegisterHelpCommands(commands);
  RegisterRulesCommands(commands);
  RegisterExportCommands(commands);
  RegisterPrintCommands(commands);
  RegisterRosterCommands(commands);
  RegisterBidsCommands(commands);
  RegisterPairingEditCommands(commands);
  RegisterProposeCommands(commands);
  commands.requireComplete();
  return commands;
}

}  // namespace lumora
