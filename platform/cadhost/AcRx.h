#pragma once
// The host's extension runtime: the messages an extension module receives, and the system registry in
// which the host publishes its services by name ("DynamicLinker", "ACAD_REGISTERED_COMMANDS").
#include <map>
#include <memory>
#include <string>

namespace AcRx {

enum AppMsgCode {
    kInitAppMsg = 1,     // the module has been loaded: initialise
    kUnloadAppMsg = 2,   // the module is about to be unloaded
};

enum AppRetCode {
    kRetOK = 0,
    kRetError = 3,
};

} // namespace AcRx

// The API version a module built for this host answers from acrxGetApiVersion (release 17.0).
inline constexpr unsigned long kAcrxApiVersion = 0x110000;

// Names under which the host's services are published.
inline constexpr const char16_t* ACRX_DYNAMIC_LINKER = u"DynamicLinker";
inline constexpr const char16_t* ACRX_COMMAND_DOCK = u"ACAD_REGISTERED_COMMANDS";

// What the host hands a module with each message: which module it is.
struct AcRxAppPacket {
    std::u16string appName;
    void* instance = nullptr;
};

class AcRxObject {
public:
    virtual ~AcRxObject() = default;
};

// Host services by name. The host owns the entries; lookups give borrowed pointers (null when unknown).
class AcRxDictionary {
public:
    AcRxObject* at(const std::u16string& key) const;
    // Publishes a service under a name, replacing what was there.
    void atPut(const std::u16string& key, std::unique_ptr<AcRxObject> object);

private:
    std::map<std::u16string, std::unique_ptr<AcRxObject>> entries_;
};

// The host's system registry, holding the dynamic linker and the command stack from the start.
AcRxDictionary* acrxSysRegistry();
