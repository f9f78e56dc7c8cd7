#include "cadhost/AcRx.h"

#include "cadhost/AcEdCommandStack.h"
#include "cadhost/AcRxDynamicLinker.h"
#include "cadhost/HostLog.h"

#include <dlfcn.h>

AcRxObject* AcRxDictionary::at(const std::u16string& key) const {
    const auto it = entries_.find(key);
    return it == entries_.end() ? nullptr : it->second.get();
}

void AcRxDictionary::atPut(const std::u16string& key, std::unique_ptr<AcRxObject> object) {
    entries_[key] = std::move(object);
}

AcRxDictionary* acrxSysRegistry() {
    static AcRxDictionary* registry = [] {
        auto* r = new AcRxDictionary;   // lives as long as the process: modules may ask during their unload
        r->atPut(ACRX_DYNAMIC_LINKER, std::make_unique<AcRxDynamicLinker>());
        r->atPut(ACRX_COMMAND_DOCK, std::make_unique<AcEdCommandStack>());
        return r;
    }();
    return registry;
}

namespace {

std::u16string packetName(void* appPacket) {
    const auto* packet = static_cast<const AcRxAppPacket*>(appPacket);
    return packet ? packet->appName : std::u16string(u"(null)");
}

} // namespace

bool AcRxDynamicLinker::unlockApplication(void* appPacket) {
    cadhost::HostLog::record(u"unlockApplication", {packetName(appPacket)});
    if (!appPacket)
        return false;
    unlocked_.insert(appPacket);
    return true;
}

bool AcRxDynamicLinker::registerAppMDIAware(void* appPacket) {
    cadhost::HostLog::record(u"registerAppMDIAware", {packetName(appPacket)});
    if (!appPacket)
        return false;
    mdiAware_.insert(appPacket);
    return true;
}

void AcRxDynamicLinker::registerModule(const std::u16string& appName, void* handle) {
    if (handle)
        modules_[appName] = handle;
}

void AcRxDynamicLinker::unregisterModule(const std::u16string& appName) { modules_.erase(appName); }

void* AcRxDynamicLinker::getSymbolAddress(const std::u16string& appName, const char* symbol) const {
    auto it = modules_.find(appName);
    return it == modules_.end() || !symbol ? nullptr : dlsym(it->second, symbol);
}

AcRxDynamicLinker* acrxDynamicLinker() {
    return dynamic_cast<AcRxDynamicLinker*>(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER));
}

ErrorStatus AcEdCommandStack::addCommand(const std::u16string& group, const std::u16string& name, Command command) {
    if (group.empty() || name.empty() || !command)
        return eInvalidInput;
    cadhost::HostLog::record(u"addCommand", {group, name});
    groups_[group][name] = std::move(command);
    return eOk;
}

ErrorStatus AcEdCommandStack::removeGroup(const std::u16string& group) {
    cadhost::HostLog::record(u"removeGroup", {group});
    return groups_.erase(group) ? eOk : eInvalidInput;
}

bool AcEdCommandStack::hasGroup(const std::u16string& group) const { return groups_.count(group) != 0; }

bool AcEdCommandStack::hasCommand(const std::u16string& name) const {
    for (const auto& [group, commands] : groups_)
        if (commands.count(name))
            return true;
    return false;
}

bool AcEdCommandStack::run(const std::u16string& name) const {
    for (const auto& [group, commands] : groups_) {
        const auto it = commands.find(name);
        if (it != commands.end()) {
            it->second();
            return true;
        }
    }
    return false;
}

AcEdCommandStack* acedRegCmds() {
    return dynamic_cast<AcEdCommandStack*>(acrxSysRegistry()->at(ACRX_COMMAND_DOCK));
}
