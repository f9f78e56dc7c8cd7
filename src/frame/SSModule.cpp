#include "frame/SSModule.h"

#include "cadhost/AcEdCommandStack.h"
#include "cadhost/AcRxDynamicLinker.h"
#include "cadhost/ModuleHost.h"
#include "frame/KvModelessDlgs.h"
#include "base/KvResourceGuard.h"
#include "frame/KvSSDlgsMgr.h"
#include "SS/SSExports.h"
#include "nuvo/KvTempResourceOverride.h"
#include "resources/SSResources.h"
#include "resources/resourceIds.h"
#include "sheet/CDlgFindReplace.h"
#include "ui/Resources.h"
#include "ui/Window.h"

#include <algorithm>
#include <vector>

namespace {

struct ModuleState {
    void* instance = nullptr;
    ui::ResourceModule* previousResources = nullptr;   // current when the module came, current again when it goes
    ui::Image checked;
    ui::Image unchecked;
};

ModuleState& state() {
    static ModuleState s;
    return s;
}

bool attach(void* instance) {
    // Without its instance handle the module cannot reach its own resources: the framework refuses to take
    // it on as an extension, and the library does not load.
    if (!instance)
        return false;
    state().instance = instance;
    state().previousResources = ui::Resources::current();
    ui::ResourceModule& resources = ui::Resources::addModule(kSSResourceModuleName);
    registerSSResources(resources);
    ssResourceOverride().SaveDefaultResource(&resources);
    // Every grid of the module gets its find/replace window (F3, F5) from here.
    CDlgFindReplace::registerWithGrids();
    return true;
}

void detach() {
    // Whatever is still open belongs to code that is about to leave the process; so do the hidden
    // standards windows, which live until now.
    KvModelessDlgs::instance().shutdown();
    gSSDlgsMgr.destroyAll();
    // The module's resources leave the chain with it; a lookup must not find them after the library is gone.
    if (ui::ResourceModule* own = ssResourceOverride().defaultResource()) {
        const bool wasCurrent = ui::Resources::current() == own;
        ui::Resources::removeModule(own);
        ui::ResourceModule* previous = state().previousResources;
        const std::vector<ui::ResourceModule*> chain = ui::Resources::chain();
        if (wasCurrent)
            ui::Resources::setCurrent(std::find(chain.begin(), chain.end(), previous) != chain.end() ? previous
                                                                                                 : nullptr);
    }
    ssResourceOverride().SaveDefaultResource(nullptr);
    state() = ModuleState{};
}

void initApp(void* appPacket) {
    if (AcRxDynamicLinker* linker = acrxDynamicLinker()) {
        linker->unlockApplication(appPacket);
        linker->registerAppMDIAware(appPacket);
    }
    // Through the whole resource chain, so that a resource-only module loaded ahead can supply them.
    state().checked = ui::Resources::loadBitmap(IDB_CHECKED);
    state().unchecked = ui::Resources::loadBitmap(IDB_UNCHECKED);
}

void unloadApp() {
    if (AcEdCommandStack* commands = acedRegCmds())
        commands->removeGroup(u"ORKNEXA_SS");
    DestroyAllMacroDlgs();
    EndDlgEditConstraints();
}

} // namespace

extern "C" int DllMain(void* instance, unsigned long reason, void* /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH)
        return attach(instance) ? 1 : 0;
    if (reason == DLL_PROCESS_DETACH)
        detach();
    return 1;
}

extern "C" unsigned long acrxGetApiVersion() { return kAcrxApiVersion; }

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appPacket) {
    switch (message) {
    case AcRx::kInitAppMsg:
        initApp(appPacket);
        break;
    case AcRx::kUnloadAppMsg:
        unloadApp();
        break;
    default:
        break;
    }
    return AcRx::kRetOK;
}

namespace ssmodule {
void* instance() { return state().instance; }
const ui::Image& checkedPicture() { return state().checked; }
const ui::Image& uncheckedPicture() { return state().unchecked; }
} // namespace ssmodule
