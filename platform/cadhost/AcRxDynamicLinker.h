#pragma once
// The host's dynamic linker as a module sees it: the requests a module makes about itself at load time.
// Each request is recorded (HostLog) and its effect kept per application packet.
#include "cadhost/AcRx.h"

#include <map>
#include <set>
#include <string>

class AcRxDynamicLinker : public AcRxObject {
public:
    // Lets the module be unloaded while the host runs.
    bool unlockApplication(void* appPacket);
    // Registers the module as able to work with several open drawings.
    bool registerAppMDIAware(void* appPacket);

    bool isApplicationLocked(void* appPacket) const { return unlocked_.count(appPacket) == 0; }
    bool isAppMDIAware(void* appPacket) const { return mdiAware_.count(appPacket) != 0; }

    // The modules the host has loaded, by application name, so one module can find another's exports.
    void registerModule(const std::u16string& appName, void* handle);
    void unregisterModule(const std::u16string& appName);
    // An exported symbol of the loaded module `appName`; null when it is not loaded or lacks the symbol.
    void* getSymbolAddress(const std::u16string& appName, const char* symbol) const;

private:
    std::map<std::u16string, void*> modules_;
    std::set<void*> unlocked_;
    std::set<void*> mdiAware_;
};

// The linker published under "DynamicLinker".
AcRxDynamicLinker* acrxDynamicLinker();
