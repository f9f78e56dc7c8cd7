// libSS.so exports the module's interface and nothing else of the module: every entry point, the exported
// data classes with their special members, the 25 timers and gSSDlgsMgr. Read from the built library's
// dynamic symbol table, as a host's loader sees it.
#include "base/SSTimers.h"

#include <gtest/gtest.h>

#include <cxxabi.h>
#include <dlfcn.h>

#include <array>
#include <cstdio>
#include <memory>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// One symbol line of nm: "[address] type name". The name is the last field and the type letter the one before
// it; an undefined symbol has no address. The fields are read as words, not at columns, because the address is
// as wide as the target's addresses. Other lines (an archive member's "file.o:", blank lines) give false.
bool parseNmLine(const std::string& line, char& type, std::string& name) {
    std::vector<std::string> fields;
    std::istringstream words(line);
    for (std::string word; words >> word;)
        fields.push_back(word);
    if (fields.size() < 2 || fields.size() > 3 || fields[fields.size() - 2].size() != 1)
        return false;
    type = fields[fields.size() - 2][0];
    name = fields.back();
    return true;
}

// The global symbols a command lists, by mangled name: undefined and weak-undefined ones ("U", "w", "v") and
// those local to their object (the other lower-case types, but "u", a unique global) left out.
std::set<std::string> mangledSymbols(const std::string& command) {
    std::set<std::string> names;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return names;
    // Read whole before it is split into lines: a mangled name may be longer than any fixed buffer.
    std::string output;
    std::array<char, 8192> chunk{};
    while (const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), pipe.get()))
        output.append(chunk.data(), n);
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        char type = 0;
        std::string name;
        if (!parseNmLine(line, type, name) || type == 'U' || type == 'w' || type == 'v')
            continue;
        if (type >= 'a' && type <= 'z' && type != 'u')
            continue;
        names.insert(name);
    }
    return names;
}

std::string demangle(const std::string& mangled) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> text(abi::__cxa_demangle(mangled.c_str(), nullptr, nullptr, &status),
                                                std::free);
    return status == 0 && text ? std::string(text.get()) : mangled;
}

std::set<std::string> symbols(const std::string& command) {
    std::set<std::string> names;
    for (const std::string& m : mangledSymbols(command))
        names.insert(demangle(m));
    return names;
}

// The standard library's templates instantiated inside the module keep the library's default visibility;
// they are the standard library's, not the module's. A sanitizer build adds its own markers of exported data.
bool isToolchainSymbol(const std::string& mangled) {
    for (const char* prefix : {"__odr_asan", "__asan", "__ubsan", "__sanitizer", "_ZSt", "_ZNSt", "_ZNKSt",
                               "_ZN9__gnu_cxx", "_ZNK9__gnu_cxx", "_ZTISt", "_ZTSSt", "_ZTVSt", "_ZTINSt", "_ZTSNSt",
                               "_ZTVNSt", "_ZGVZNSt", "_ZZNSt",
                               // clang's function sanitizer gives every called function type its type information
                               "_ZTIF", "_ZTSF"})
        if (mangled.rfind(prefix, 0) == 0)
            return true;
    return false;
}

const std::set<std::string>& exported() {
    static const std::set<std::string> names = symbols("nm -D --defined-only " SS_MODULE_PATH " 2>/dev/null");
    return names;
}

bool hasPrefix(const std::set<std::string>& names, const std::string& prefix) {
    const auto it = names.lower_bound(prefix);
    return it != names.end() && it->compare(0, prefix.size(), prefix) == 0;
}

// The exported functions (one entry per name; overloads are checked by count below).
constexpr std::string_view kEntryPoints[] = {
    "StartDlgMacro",         "StartDlgMacroModeless", "GetDlgMacroData",       "EndDlgMacroModeless",
    "DestroyAllMacroDlgs",   "EndDlgEditConstraints", "startGridDialog",       "ReadSSFile",
    "EvaluateSS",            "StartDlgSelectMacro",   "StartDlgDesigner",      "GetImageDlgCtrlNames",
    "StartDSTVPointsDlg",    "StartDlgMacroProfAdv",  "StartDlgGrid",          "StartDlgLookUp",
    "StartDlgSelectImage",   "StartDlgCis2Info",      "StartDlgStandardsSS",   "StartDlgStandardsSStest",
    "SScleanupComRegistry",  "SSprintCLSIDs",         "SSregisterOpmCLSIDs",   "StartDlgEditConstrModal",
    "StartDlgEditConstraints", "StartDlgEditLibSections", "StartDlgEditLibSimple", "StartDlgMacroCuts",
    "StartDlgCSP2",          "StartEditProfCutsDlg",  "StartArrayDlg",         "StartDlgProfFeatures",
    "StartDlgLevels",        "StartDlgCladdingSettings", "StartDlgBracing",    "StartDlgGenVars",
};

constexpr std::string_view kCEntryPoints[] = {"DllMain", "acrxEntryPoint", "acrxGetApiVersion"};

// Exported data classes of the frame and the small dialogs.
constexpr std::string_view kFrameDataClasses[] = {
    "KvSSDlgsMgr", "KvGridDlgData", "KvSelectImageDlgData", "KvDlgCis2Data", "KvMACallBackData", "KvLookUpDlgData",
};
// Exported classes of the standards engine and the bill output.
constexpr std::string_view kStandardsDataClasses[] = {
    "KvDlgStandardsData", "KvVarCell", "KvVarCells", "KvObjectMap", "KvSSMapping", "KvSSBillOutput",
};

// Exported classes of the dialog designer: the designed page and its controls.
constexpr std::string_view kDesignerDataClasses[] = {"Ork_DlgDesignerData", "Ork_DesignerControl"};

// Exported data classes of the section library.
constexpr std::string_view kSectionDataClasses[] = {"Ork_ProfValuesTable"};

bool isDataClassSymbol(const std::string& s) {
    auto of = [&s](std::string_view cls) {
        const std::string c(cls);
        return s.rfind(c + "::", 0) == 0 || s == "typeinfo for " + c || s == "typeinfo name for " + c ||
               s == "vtable for " + c;
    };
    for (std::string_view cls : kFrameDataClasses)
        if (of(cls))
            return true;
    for (std::string_view cls : kStandardsDataClasses)
        if (of(cls))
            return true;
    for (std::string_view cls : kSectionDataClasses)
        if (of(cls))
            return true;
    for (std::string_view cls : kDesignerDataClasses)
        if (of(cls))
            return true;
    return false;
}

// Constructors, copy, assignment and the virtual destructor travel with each exported class, as do its
// vtable and type information.
void expectSpecialMembers(std::string_view cls) {
    const std::string c(cls);
    for (const std::string& member : {c + "::" + c + "()", c + "::" + c + "(" + c + " const&)",
                                      c + "::operator=(" + c + " const&)", c + "::~" + c + "()",
                                      "typeinfo for " + c, "vtable for " + c})
        EXPECT_TRUE(exported().count(member)) << member;
}

TEST(Exports, NmLinesAreReadByTheirFieldsWhateverTheAddressWidth) {
    char type = 0;
    std::string name;
    ASSERT_TRUE(parseNmLine("0000000000012345 T StartDlgMacro", type, name));
    EXPECT_EQ(type, 'T');
    EXPECT_EQ(name, "StartDlgMacro");
    ASSERT_TRUE(parseNmLine("00012345 B gLoadFile", type, name));   // a 32-bit target's address
    EXPECT_EQ(type, 'B');
    EXPECT_EQ(name, "gLoadFile");
    ASSERT_TRUE(parseNmLine("                 U _ZdlPv", type, name));   // undefined: no address
    EXPECT_EQ(type, 'U');
    EXPECT_EQ(name, "_ZdlPv");
    ASSERT_TRUE(parseNmLine("U memcpy", type, name));
    EXPECT_EQ(name, "memcpy");
    ASSERT_TRUE(parseNmLine("0000000000000010 u _ZN1A1kE\r", type, name));   // a line ending in CR LF
    EXPECT_EQ(type, 'u');
    EXPECT_EQ(name, "_ZN1A1kE");
    for (const char* other : {"", "KvSSDlgsMgr.cpp.o:", "0000000000012345 TT name", "a b c d"})
        EXPECT_FALSE(parseNmLine(other, type, name)) << other;
}

TEST(Exports, TheLibraryHasADynamicSymbolTable) { ASSERT_GT(exported().size(), 50u) << SS_MODULE_PATH; }

TEST(Exports, EveryEntryPoint) {
    for (std::string_view name : kEntryPoints)
        EXPECT_TRUE(hasPrefix(exported(), std::string(name) + "(")) << name;
    for (std::string_view name : kCEntryPoints)
        EXPECT_TRUE(exported().count(std::string(name))) << name;
}

TEST(Exports, BothOverloadsOfTheTwoOverloadedEntries) {
    for (const char* name : {"StartDlgSelectMacro(", "StartDlgMacroProfAdv("}) {
        int overloads = 0;
        for (const std::string& s : exported())
            overloads += s.rfind(name, 0) == 0;
        EXPECT_EQ(overloads, 2) << name;
    }
}

TEST(Exports, EveryDataClassWithItsSpecialMembersAndTypeInformation) {
    for (std::string_view cls : kFrameDataClasses)
        expectSpecialMembers(cls);
    for (const char* member : {"KvSSDlgsMgr::getDlg()", "KvSSDlgsMgr::releaseDlg(CDlgSSStandards*)",
                               "KvSSDlgsMgr::destroyAll()"})
        EXPECT_TRUE(exported().count(member)) << member;
}

TEST(Exports, TheStandardsEnginesDataClassesWithTheirSpecialMembers) {
    // Special members defined in the class body are inline and stay hidden; they are exported only when
    // defined out of line, in the class's source file.
    for (std::string_view cls : kStandardsDataClasses)
        expectSpecialMembers(cls);
}

TEST(Exports, TheSectionLibrarysDataClassesWithTheirSpecialMembers) {
    for (std::string_view cls : kSectionDataClasses)
        expectSpecialMembers(cls);
}

TEST(Exports, TheDesignersDataClassesWithTheirSpecialMembers) {
    for (std::string_view cls : kDesignerDataClasses)
        expectSpecialMembers(cls);
    for (const char* member : {"Ork_DlgDesignerData::readFromFile(Ork_String const&, bool)",
                               "Ork_DlgDesignerData::writeToFile(Ork_String const&)",
                               "Ork_DlgDesignerData::findModuleImages(Ork_StringArray&)",
                               "Ork_DesignerControl::getMergedExtComboList() const"})
        EXPECT_TRUE(exported().count(member)) << member;
}

TEST(Exports, TheTwentyFiveTimersAndThePool) {
    for (const SSTimerInfo& timer : kSSTimers)
        EXPECT_TRUE(exported().count(timer.name)) << timer.name;
    EXPECT_TRUE(exported().count("gSSDlgsMgr"));
}

TEST(Exports, NothingElseOfTheModule) {
    // Every global symbol the module's own objects define, against what the library shows.
    const std::set<std::string> own = mangledSymbols("nm --defined-only " SS_CORE_PATH " 2>/dev/null");
    ASSERT_FALSE(own.empty()) << SS_CORE_PATH;
    auto allowed = [](const std::string& s) {
        for (std::string_view name : kEntryPoints)
            if (s.rfind(std::string(name) + "(", 0) == 0)
                return true;
        for (std::string_view name : kCEntryPoints)
            if (s == name)
                return true;
        if (isDataClassSymbol(s))
            return true;
        for (const SSTimerInfo& timer : kSSTimers)
            if (s == timer.name)
                return true;
        return s == "gSSDlgsMgr";
    };
    for (const std::string& m : mangledSymbols("nm -D --defined-only " SS_MODULE_PATH " 2>/dev/null")) {
        if (own.count(m) && !isToolchainSymbol(m)) {
            EXPECT_TRUE(allowed(demangle(m))) << "exported but not part of the interface: " << demangle(m);
        }
    }
}

TEST(Exports, AHostFindsTheCEntriesByName) {
    void* handle = dlopen(SS_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << dlerror();
    for (std::string_view name : kCEntryPoints)
        EXPECT_NE(dlsym(handle, std::string(name).c_str()), nullptr) << name;
    EXPECT_NE(dlsym(handle, "gSSDlgsMgr"), nullptr);
    EXPECT_NE(dlsym(handle, "gLoadFile"), nullptr);
    using Version = unsigned long (*)();
    EXPECT_EQ(reinterpret_cast<Version>(dlsym(handle, "acrxGetApiVersion"))(), 0x110000ul);
    dlclose(handle);
}

} // namespace
