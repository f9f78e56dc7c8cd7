#include "cmdClasses.h"

#include "SSHost.h"
#include "SS/SSExports.h"
#include "classreg/clsidText.h"
#include "classreg/opmClassTable.h"
#include "os/Registry.h"
#include "os/files.h"
#include "os/loadedFile.h"
#include "os/utf16.h"

#include <cstring>
#include <filesystem>

namespace sscmd {
namespace {

const char kClassesHelp[] =
    "usage: ss classes register|cleanup|print [--registry DIR]\n"
    "\n"
    "The class registration utilities of the module, for the property-palette\n"
    "classes of Pelt.arx (found beside the module):\n"
    "\n"
    "  register          SSregisterOpmCLSIDs: writes the type library, class and\n"
    "                    interface keys below HKEY_CLASSES_ROOT; lists every key and\n"
    "                    default value written, as read back from the store\n"
    "  cleanup           SScleanupComRegistry: deletes those keys; lists what is left\n"
    "  print             SSprintCLSIDs: prints the class declarations and writes the\n"
    "                    identifier file RegistryIDs.dat beside the module; shows its\n"
    "                    path and lines\n"
    "  --registry DIR    the registry store's folder (else the user's own)\n"
    "\n"
    "exit codes: 0 done, 1 wrong usage, 4 no module, 5 the function returned\n"
    "eInvalidInput\n";

const char* statusName(ErrorStatus status) { return status == eOk ? "eOk" : status == eInvalidInput ? "eInvalidInput" : "error"; }

// Every key below `path` (itself included) with its default value, in the store's order; false when the key
// is not there.
int listKey(std::FILE* out, const std::u16string& path) {
    os::Registry::Key key;
    if (os::Registry::openKey(os::Hive::ClassesRoot, path, key) != os::RegStatus::Ok)
        return 0;
    int count = 0;
    std::u16string text;
    if (key.queryString(u"", text) == os::RegStatus::Ok) {
        std::fprintf(out, "  %s = %s\n", os::toUtf8(path).c_str(), os::toUtf8(text).c_str());
        ++count;
    } else {
        std::fprintf(out, "  %s\n", os::toUtf8(path).c_str());
    }
    std::vector<std::u16string> names;
    key.subKeyNames(names);
    for (const std::u16string& name : names)
        count += listKey(out, path + u"\\" + name);
    return count;
}

// The keys of the class table as the store holds them now; the number of default values.
int listRegistered(std::FILE* out) {
    Ork_String id;
    guidText(kOpmTypeLibId, id);
    int count = listKey(out, u"TypeLib\\" + id);
    for (const OpmIdentity& entry : kOpmClasses) {
        guidText(entry.id, id);
        count += listKey(out, u"CLSID\\" + id);
    }
    for (const OpmIdentity& entry : kOpmInterfaces) {
        guidText(entry.id, id);
        count += listKey(out, u"Interface\\" + id);
    }
    return count;
}

} // namespace

int runClasses(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    std::string action, registry;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::fputs(kClassesHelp, out);
            return kExitOk;
        }
        if (a == "--registry") {
            if (++i == args.size()) {
                std::fprintf(err, "ss classes: --registry needs a folder\n");
                return kExitUsage;
            }
            registry = args[i];
        } else if (action.empty() && (a == "register" || a == "cleanup" || a == "print")) {
            action = a;
        } else {
            std::fprintf(err, "ss classes: unexpected argument '%s' (try ss classes --help)\n", a.c_str());
            return kExitUsage;
        }
    }
    if (action.empty()) {
        std::fprintf(err, "ss classes: register, cleanup or print? (try ss classes --help)\n");
        return kExitUsage;
    }
    if (!registry.empty())
        os::Registry::setFolder(registry);
    SSHost host;
    if (!host.load())
        return kExitNoModule;
    const std::string store = os::Registry::hiveFile(os::Hive::ClassesRoot).string();
    ErrorStatus status = eOk;
    if (action == "register") {
        status = SSregisterOpmCLSIDs();
        std::fprintf(out, "SSregisterOpmCLSIDs: %s\n", statusName(status));
        std::fprintf(out, "HKEY_CLASSES_ROOT (%s):\n", store.c_str());
        const int count = listRegistered(out);
        std::fprintf(out, "%d values\n", count);
    } else if (action == "cleanup") {
        status = SScleanupComRegistry();
        std::fprintf(out, "SScleanupComRegistry: %s\n", statusName(status));
        std::fprintf(out, "left in HKEY_CLASSES_ROOT (%s):\n", store.c_str());
        if (listRegistered(out) == 0)
            std::fprintf(out, "  nothing\n");
    } else {
        std::fflush(out);
        status = SSprintCLSIDs();
        std::fflush(stdout);
        std::fprintf(out, "\nSSprintCLSIDs: %s\n", statusName(status));
        // The module writes the file beside its own file, the one this program is linked with.
        const std::filesystem::path file =
            os::loadedFileOf(reinterpret_cast<const void*>(&SSprintCLSIDs)).parent_path() / "RegistryIDs.dat";
        std::fprintf(out, "%s:\n", file.string().c_str());
        std::vector<std::u16string> lines;
        if (os::readLines(os::toUtf16(file.string()), lines))
            for (const std::u16string& line : lines)
                std::fprintf(out, "  %s\n", os::toUtf8(line).c_str());
        else
            std::fprintf(out, "  (cannot be read)\n");
    }
    return status == eOk ? kExitOk : kExitEvaluationFailed;
}

} // namespace sscmd
