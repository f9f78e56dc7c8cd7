#pragma once
// Loads and unloads an extension module as the CAD host does.
//
// What a module exports (with C linkage):
//   int DllMain(void* instance, unsigned long reason, void* reserved)
//       the platform's attach (reason DLL_PROCESS_ATTACH) and detach (DLL_PROCESS_DETACH) calls; an attach
//       that returns 0 refuses the load. `instance` is the module's handle.
//   unsigned long acrxGetApiVersion()            must answer kAcrxApiVersion
//   AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appPacket)
//       messages 1 (initialise) and 2 (unload); appPacket points to the module's AcRxAppPacket.
//
// Loading: dlopen → attach → version check → message 1. Any refusal undoes the steps before it.
// Unloading: message 2 → the virtual clock keeps running while timers are pending (a module may end a busy
// window 50 ms later; it must not be detached before) → detach → dlclose.
#include "cadhost/AcRx.h"

#include <string>

inline constexpr unsigned long DLL_PROCESS_DETACH = 0;
inline constexpr unsigned long DLL_PROCESS_ATTACH = 1;

namespace cadhost {

class ModuleHost {
public:
    // How long (virtual milliseconds) unloading waits for pending timers before it detaches anyway.
    static constexpr unsigned kTimerGraceMs = 10000;

    ModuleHost() = default;
    ~ModuleHost();   // unloads a loaded module
    ModuleHost(const ModuleHost&) = delete;
    ModuleHost& operator=(const ModuleHost&) = delete;

    // False with a reason in error() when the module cannot be loaded or refuses.
    bool load(const std::string& path, const std::u16string& appName);
    // False when nothing is loaded. Timers still pending after the grace time are reported in error().
    bool unload();
    bool isLoaded() const { return handle_ != nullptr; }

    // Sends a message to the loaded module; kRetError when none is loaded.
    AcRx::AppRetCode sendMessage(AcRx::AppMsgCode message);
    // An exported symbol of the loaded module (its entry points), or null.
    void* symbol(const char* name) const;
    const AcRxAppPacket& packet() const { return packet_; }
    const std::string& error() const { return error_; }

private:
    using DllMainFn = int (*)(void*, unsigned long, void*);
    using EntryFn = AcRx::AppRetCode (*)(AcRx::AppMsgCode, void*);
    using VersionFn = unsigned long (*)();

    void close();

    void* handle_ = nullptr;
    DllMainFn dllMain_ = nullptr;
    EntryFn entryPoint_ = nullptr;
    AcRxAppPacket packet_;
    std::string error_;
};

} // namespace cadhost
