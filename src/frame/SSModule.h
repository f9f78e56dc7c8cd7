#pragma once
// The module's life in the host's process: attach and detach (the platform's library notifications), the
// host's load and unload messages, and the API version query. The host finds these three by name, with C
// linkage (cadhost/ModuleHost.h).
#include "cadhost/AcRx.h"
#include "SS/ssExport.h"

namespace ui {
struct Image;
}

extern "C" {
// reason: DLL_PROCESS_ATTACH (1) or DLL_PROCESS_DETACH (0). Returns 0 when the attach is refused.
SS_EXPORT int DllMain(void* instance, unsigned long reason, void* reserved);
SS_EXPORT unsigned long acrxGetApiVersion();
SS_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appPacket);
}

// The name under which the module's resources sit in the resource chain.
inline constexpr const char16_t* kSSResourceModuleName = u"SS";

namespace ssmodule {
// The instance handle given at attach; null while the module is not attached.
void* instance();
// The two check-box pictures of property grids (8134 checked, 8136 unchecked), loaded at message 1.
const ui::Image& checkedPicture();
const ui::Image& uncheckedPicture();
} // namespace ssmodule
