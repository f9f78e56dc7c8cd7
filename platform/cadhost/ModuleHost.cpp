#include "cadhost/ModuleHost.h"

#include "cadhost/AcRxDynamicLinker.h"
#include "cadhost/HostLog.h"
#include "ui/Timers.h"

#include <dlfcn.h>

namespace cadhost {

ModuleHost::~ModuleHost() {
    if (isLoaded())
        unload();
}

void ModuleHost::close() {
    if (AcRxDynamicLinker* linker = acrxDynamicLinker())
        linker->unregisterModule(packet_.appName);
    dlclose(handle_);
    handle_ = nullptr;
    dllMain_ = nullptr;
    entryPoint_ = nullptr;
}

bool ModuleHost::load(const std::string& path, const std::u16string& appName) {
    error_.clear();
    if (isLoaded()) {
        error_ = "a module is already loaded";
        return false;
    }
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* why = dlerror();
        error_ = why ? why : "cannot open " + path;
        return false;
    }
    dllMain_ = reinterpret_cast<DllMainFn>(symbol("DllMain"));
    entryPoint_ = reinterpret_cast<EntryFn>(symbol("acrxEntryPoint"));
    const auto version = reinterpret_cast<VersionFn>(symbol("acrxGetApiVersion"));
    if (!dllMain_ || !entryPoint_ || !version) {
        error_ = "not an extension module (DllMain, acrxEntryPoint or acrxGetApiVersion missing): " + path;
        close();
        return false;
    }
    packet_ = AcRxAppPacket{appName, handle_};
    HostLog::record(u"attach", {appName});
    if (dllMain_(handle_, DLL_PROCESS_ATTACH, nullptr) == 0) {
        error_ = "the module refused to attach: " + path;
        close();
        return false;
    }
    if (version() != kAcrxApiVersion) {
        error_ = "the module was built for another host version: " + path;
        dllMain_(handle_, DLL_PROCESS_DETACH, nullptr);
        close();
        return false;
    }
    if (AcRxDynamicLinker* linker = acrxDynamicLinker())
        linker->registerModule(appName, handle_);
    if (sendMessage(AcRx::kInitAppMsg) != AcRx::kRetOK) {
        error_ = "the module failed to initialise: " + path;
        dllMain_(handle_, DLL_PROCESS_DETACH, nullptr);
        close();
        return false;
    }
    return true;
}

AcRx::AppRetCode ModuleHost::sendMessage(AcRx::AppMsgCode message) {
    if (!isLoaded())
        return AcRx::kRetError;
    HostLog::record(u"acrxEntryPoint", {std::u16string(1, static_cast<char16_t>(u'0' + message))});
    return entryPoint_(message, &packet_);
}

bool ModuleHost::unload() {
    error_.clear();
    if (!isLoaded())
        return false;
    sendMessage(AcRx::kUnloadAppMsg);
    // A module may have scheduled work (a delayed close) on a timer; detaching first would leave that timer
    // to fire into unloaded code. The clock runs until nothing is pending, within a bounded grace time.
    unsigned waited = 0;
    while (ui::Timers::activeCount() > 0 && waited < kTimerGraceMs) {
        ui::Timers::advance(10);
        waited += 10;
    }
    if (ui::Timers::activeCount() > 0)
        error_ = std::to_string(ui::Timers::activeCount()) + " timer(s) still pending at detach";
    HostLog::record(u"detach", {packet_.appName});
    dllMain_(handle_, DLL_PROCESS_DETACH, nullptr);
    close();
    return true;
}

void* ModuleHost::symbol(const char* name) const { return handle_ ? dlsym(handle_, name) : nullptr; }

} // namespace cadhost
