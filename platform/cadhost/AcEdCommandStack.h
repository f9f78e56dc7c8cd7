#pragma once
// The host's command stack: commands registered by modules, in named groups.
#include "cadhost/AcRx.h"
#include "cadhost/ErrorStatus.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class AcEdCommandStack : public AcRxObject {
public:
    using Command = std::function<void()>;

    ErrorStatus addCommand(const std::u16string& group, const std::u16string& name, Command command);
    // Removes every command of the group. Removing a group that does not exist is eInvalidInput (recorded
    // all the same, since unloading relies only on the group being gone afterwards).
    ErrorStatus removeGroup(const std::u16string& group);

    bool hasGroup(const std::u16string& group) const;
    bool hasCommand(const std::u16string& name) const;
    // Runs a command by name (the user typing it); false when no group has it.
    bool run(const std::u16string& name) const;

private:
    std::map<std::u16string, std::map<std::u16string, Command>> groups_;
};

// The stack published under "ACAD_REGISTERED_COMMANDS".
AcEdCommandStack* acedRegCmds();
