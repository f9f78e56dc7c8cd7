// A small extension module for the host tests: it answers the load protocol the way the real module does
// (unlock, multi-document registration, a command group, a delayed close on unload) and prints each step.
#include "cadhost/AcEdCommandStack.h"
#include "cadhost/AcRxDynamicLinker.h"
#include "cadhost/CommandLine.h"
#include "cadhost/ModuleHost.h"
#include "ui/Timers.h"

#include <cstdlib>

namespace {
void* gInstance = nullptr;
}

extern "C" {

int DllMain(void* instance, unsigned long reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) {
        if (std::getenv("CADHOST_TEST_REFUSE_ATTACH"))
            return 0;
        gInstance = instance;
        acutPrintf(u"attach\n");
    } else if (reason == DLL_PROCESS_DETACH) {
        acutPrintf(u"detach\n");
    }
    return 1;
}

unsigned long acrxGetApiVersion() { return kAcrxApiVersion; }

AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appPacket) {
    const auto* packet = static_cast<const AcRxAppPacket*>(appPacket);
    switch (message) {
    case AcRx::kInitAppMsg:
        acrxDynamicLinker()->unlockApplication(appPacket);
        acrxDynamicLinker()->registerAppMDIAware(appPacket);
        acedRegCmds()->addCommand(u"ORKNEXA_SS", u"SSHELLO", [] { acutPrintf(u"hello\n"); });
        acutPrintf(u"message 1 to %s (own instance: %d)\n", packet->appName.c_str(),
                   packet->instance == gInstance ? 1 : 0);
        break;
    case AcRx::kUnloadAppMsg:
        acedRegCmds()->removeGroup(u"ORKNEXA_SS");
        // A busy window is ended 50 ms later, as the real module does.
        ui::Timers::setTimer(50, [](std::uintptr_t id) {
            acutPrintf(u"Delayed timer called.\n");
            ui::Timers::killTimer(id);
        });
        acutPrintf(u"message 2\n");
        break;
    default:
        break;
    }
    return AcRx::kRetOK;
}

} // extern "C"
