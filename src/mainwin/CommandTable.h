#pragma once
#include "Command.h"

#include <vector>

// Every command of the main window, in the order of the permission table. Menus, tool buttons
// and navigation items are built from it; windows register what they open in CommandWindows.
namespace CommandTable {
const std::vector<Command> &all();
// nullptr when there is no command of that number.
const Command *find(int number);
// The commands of a group (the first digit of the number), in table order.
std::vector<const Command *> group(int group);
} // namespace CommandTable
