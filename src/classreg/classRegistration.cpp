// The exported class-registration functions of the property-palette components: their registry entries
// below HKEY_CLASSES_ROOT written and removed, and their identifiers listed for developers.
#include "SS/SSExports.h"
#include "base/KvModuleFolder.h"
#include "cadhost/CommandLine.h"
#include "classreg/clsidText.h"
#include "classreg/opmClassTable.h"
#include "classreg/registryEntries.h"
#include "nuvo/fileHelpers.h"

namespace {

const char16_t kTypeLibName[] = u"Kelvadore 1.0 Type Library";
const char16_t kTypeLibVersion[] = u"\\1.1";
// The proxy of every dispatch interface, the platform's own.
const char16_t kDispatchProxy[] = u"{00020424-0000-0000-C000-000000000046}";
const char16_t kIdentifierFile[] = u"RegistryIDs.dat";

// Counts what failed while every step is still tried.
struct Outcome {
    bool ok = true;
    void write(const Ork_String& key, const Ork_String& value) { ok = writeDefaultValue(key, value) && ok; }
    bool text(const GUID& id, Ork_String& out) {
        ok = guidText(id, out) && ok;
        return !out.isEmpty();
    }
    ErrorStatus status() const { return ok ? eOk : eInvalidInput; }
};

} // namespace

ErrorStatus SSregisterOpmCLSIDs() {
    const Ork_String folder = ssModuleFolder();
    const Ork_String pelt = folder + u"Pelt.arx";
    // Registering classes whose server is not there would point the host at nothing.
    if (folder.isEmpty() || !ObjectExportFileExists(pelt))
        return eInvalidInput;
    Outcome outcome;
    Ork_String typeLib;
    outcome.text(kOpmTypeLibId, typeLib);
    const Ork_String version = u"TypeLib\\" + typeLib + kTypeLibVersion;
    outcome.write(version, kTypeLibName);
    outcome.write(version + u"\\0\\win32", pelt);
    outcome.write(version + u"\\9\\win32", pelt);
    for (const OpmIdentity& entry : kOpmClasses) {
        Ork_String id;
        outcome.text(entry.id, id);
        const Ork_String key = u"CLSID\\" + id;
        outcome.write(key, Ork_String(entry.name) + u" Class");
        outcome.write(key + u"\\InProcServer32", pelt);
        outcome.write(key + u"\\Typelib", typeLib);
    }
    for (const OpmIdentity& entry : kOpmInterfaces) {
        Ork_String id;
        outcome.text(entry.id, id);
        const Ork_String key = u"Interface\\" + id;
        outcome.write(key, Ork_String(entry.name) + u" Interface");
        outcome.write(key + u"\\TypeLib", typeLib);
        outcome.write(key + u"\\ProxyStubClsid32", kDispatchProxy);
    }
    return outcome.status();
}

ErrorStatus SScleanupComRegistry() {
    bool ok = true;
    Ork_String id;
    // An identifier that gives no text names no key: deleting "CLSID\" would take every class of the system.
    const auto remove = [&](const char16_t* root, const GUID& guid) {
        if (!guidText(guid, id) || id.isEmpty()) {
            ok = false;
            return;
        }
        ok = deleteKeyTree(root + id) && ok;
    };
    remove(u"TypeLib\\", kOpmTypeLibId);
    for (const OpmIdentity& entry : kOpmClasses)
        remove(u"CLSID\\", entry.id);
    for (const OpmIdentity& entry : kOpmInterfaces)
        remove(u"Interface\\", entry.id);
    return ok ? eOk : eInvalidInput;
}

ErrorStatus SSprintCLSIDs() {
    Ork_StringArray lines;
    Ork_String id;
    guidText(kOpmTypeLibId, id);
    lines.append(u"TypeLib_=" + id);
    for (const OpmIdentity& entry : kOpmClasses) {
        guidText(entry.id, id);
        Ork_String initialiser;
        if (guidInitialiser(id, initialiser))
            acutPrintf(u"\nconst cCLSID CLSID_%s = %s}};", entry.name, initialiser.c_str());
        lines.append(u"Class_" + Ork_String(entry.name) + u"=" + id);
    }
    for (const OpmIdentity& entry : kOpmInterfaces) {
        guidText(entry.id, id);
        lines.append(u"Interface_" + Ork_String(entry.name) + u"=" + id);
    }
    // The listing is a developer's aid: a file that cannot be written is said, and the result stays eOk.
    const Ork_String file = ssModuleFolder() + kIdentifierFile;
    if (!ObjectExportWriteFile(file, lines))
        acutPrintf(u"\nThe identifier file %s cannot be written.\n", file.c_str());
    return eOk;
}
