#pragma once
// The host's dynamic linker as a module sees it: the requests a module makes about itself at load time.
// Each request is recorded (HostLog) and its effect kept per application packet.
#include "cadhost/AcRx.h"

#include <set>

class AcRxDynamicLinker : public AcRxObject {
public:
    // Lets the module be unloaded while the host runs.
    bool unlockApplication(void* appPacket);
    // Registers the module as able to work with several open drawings.
    bool registerAppMDIAware(void* appPacket);

    bool isApplicationLocked(void* appPacket) const { return unlocked_.count(appPacket) == 0; }
    bool isAppMDIAware(void* appPacket) const { return mdiAware_.count(appPacket) != 0; }

private:
    std::set<void*> unlocked_;
    std::set<void*> mdiAware_;
};

// The linker published under "DynamicLinker".
AcRxDynamicLinker* acrxDynamicLinker();
