// Registering, cleaning up and listing the property-palette classes against a temporary registry store and
// a temporary module folder: the exact keys and texts, what a refused key or a missing server does, and the
// identifier file.
#include "support/TempFolder.h"

#include "SS/SSExports.h"
#include "base/KvModuleFolder.h"
#include "cadhost/CommandLine.h"
#include "classreg/clsidText.h"
#include "classreg/opmClassTable.h"
#include "os/Registry.h"
#include "os/files.h"
#include "os/utf16.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>

namespace {

using os::Hive;
using os::Registry;
using os::RegStatus;

// Every default value of the hive, by key path.
void collect(const Registry::Key& key, const std::u16string& path, std::map<std::u16string, std::u16string>& out) {
    std::u16string text;
    if (key.queryString(u"", text) == RegStatus::Ok)
        out[path] = text;
    std::vector<std::u16string> names;
    key.subKeyNames(names);
    for (const std::u16string& name : names) {
        Registry::Key child;
        if (key.openSubKey(name, child) == RegStatus::Ok)
            collect(child, path.empty() ? name : path + u"\\" + name, out);
    }
}

std::map<std::u16string, std::u16string> classesRoot() {
    std::map<std::u16string, std::u16string> values;
    Registry::Key root;
    if (Registry::openKey(Hive::ClassesRoot, u"", root) == RegStatus::Ok)
        collect(root, u"", values);
    return values;
}

std::u16string idOf(const GUID& id) {
    Ork_String text;
    EXPECT_TRUE(guidText(id, text));
    return text;
}

class ClassRegistration : public ::testing::Test {
protected:
    void SetUp() override {
        Registry::setFolder(m_store.path());
        m_module.put("Pelt.arx", "stand-in");
    }
    void TearDown() override { Registry::setFolder(Registry::defaultFolder()); }

    std::u16string pelt() const { return m_module.folder() + u"Pelt.arx"; }

    TempFolder m_store;
    TempFolder m_module;
    KvModuleFolderOverride m_folder{Ork_String(m_module.text())};
};

TEST_F(ClassRegistration, WritesTheHundredAndTwoValuesWithTheirLayoutAndTexts) {
    ASSERT_EQ(SSregisterOpmCLSIDs(), eOk);
    const auto values = classesRoot();
    const std::u16string lib = idOf(kOpmTypeLibId);
    EXPECT_EQ(values.size(), 102u);
    EXPECT_EQ(values.at(u"TypeLib\\" + lib + u"\\1.1"), u"Kelvadore 1.0 Type Library");
    EXPECT_EQ(values.at(u"TypeLib\\" + lib + u"\\1.1\\0\\win32"), pelt());
    EXPECT_EQ(values.at(u"TypeLib\\" + lib + u"\\1.1\\9\\win32"), pelt());
    const std::u16string bolt = u"CLSID\\" + idOf(kOpmClasses[0].id);
    EXPECT_EQ(values.at(bolt), u"Bolt Class");
    EXPECT_EQ(values.at(bolt + u"\\InProcServer32"), pelt());
    EXPECT_EQ(values.at(bolt + u"\\Typelib"), lib);
    EXPECT_EQ(values.at(u"CLSID\\" + idOf(kOpmClasses[8].id)), u"ZoomPage Class");
    const std::u16string body = u"Interface\\" + idOf(kOpmInterfaces[13].id);
    EXPECT_EQ(values.at(body), u"IOPMBody Interface");
    EXPECT_EQ(values.at(body + u"\\TypeLib"), lib);
    EXPECT_EQ(values.at(body + u"\\ProxyStubClsid32"), u"{00020424-0000-0000-C000-000000000046}");
    // Registering again over the same keys changes nothing.
    ASSERT_EQ(SSregisterOpmCLSIDs(), eOk);
    EXPECT_EQ(classesRoot(), values);
}

TEST_F(ClassRegistration, WithoutTheServerModuleWritesNothing) {
    ASSERT_TRUE(os::deleteFile(m_module.file("Pelt.arx")));
    EXPECT_EQ(SSregisterOpmCLSIDs(), eInvalidInput);
    EXPECT_TRUE(classesRoot().empty());
    EXPECT_FALSE(std::filesystem::exists(Registry::hiveFile(Hive::ClassesRoot)));
}

TEST_F(ClassRegistration, AValueThatCannotBeWrittenFailsAfterWritingTheRest) {
    const std::u16string prof = u"CLSID\\" + idOf(kOpmClasses[1].id);
    Registry::FailureInjection refused(Hive::ClassesRoot, prof + u"\\Typelib", Registry::Failure::CannotOpen);
    EXPECT_EQ(SSregisterOpmCLSIDs(), eInvalidInput);
    const auto values = classesRoot();
    EXPECT_EQ(values.size(), 101u);
    EXPECT_EQ(values.count(prof + u"\\Typelib"), 0u);
    EXPECT_EQ(values.count(u"Interface\\" + idOf(kOpmInterfaces[13].id) + u"\\ProxyStubClsid32"), 1u);
}

TEST_F(ClassRegistration, CleanupRemovesEverythingItRegisteredAndNothingElse) {
    Registry::Key other;
    ASSERT_EQ(Registry::createKey(Hive::ClassesRoot, u"CLSID\\{00000000-0000-0000-0000-000000000001}", other),
              RegStatus::Ok);
    ASSERT_EQ(other.setString(u"", u"Someone else's"), RegStatus::Ok);
    ASSERT_EQ(SSregisterOpmCLSIDs(), eOk);
    EXPECT_EQ(SScleanupComRegistry(), eOk);
    const auto values = classesRoot();
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values.begin()->second, u"Someone else's");
}

TEST_F(ClassRegistration, CleanupOnAStoreWithNothingRegisteredSucceeds) {
    EXPECT_EQ(SScleanupComRegistry(), eOk);
    Registry::Key clsid;
    ASSERT_EQ(Registry::createKey(Hive::ClassesRoot, u"CLSID", clsid), RegStatus::Ok);
    EXPECT_EQ(SScleanupComRegistry(), eOk);  // the parents there, the keys not
}

TEST_F(ClassRegistration, CleanupWithARefusedKeyFailsAfterTryingEveryOther) {
    ASSERT_EQ(SSregisterOpmCLSIDs(), eOk);
    const std::u16string plate = u"CLSID\\" + idOf(kOpmClasses[3].id);
    {
        Registry::FailureInjection refused(Hive::ClassesRoot, plate + u"\\Typelib", Registry::Failure::CannotWrite);
        EXPECT_EQ(SScleanupComRegistry(), eInvalidInput);
    }
    const auto values = classesRoot();
    EXPECT_EQ(values.size(), 3u);  // the refused class's three values stay; every other key is gone
    EXPECT_EQ(values.at(plate), u"Plate Class");
    EXPECT_EQ(SScleanupComRegistry(), eOk);
    EXPECT_TRUE(classesRoot().empty());
}

TEST_F(ClassRegistration, CleanupWhenTheStoreCannotBeWrittenFails) {
    ASSERT_EQ(SSregisterOpmCLSIDs(), eOk);
    {
        os::FailureInjection failing(os::WriteStage::Rename);  // the first deletion's write
        EXPECT_EQ(SScleanupComRegistry(), eInvalidInput);
        EXPECT_TRUE(failing.fired());
    }
    const auto values = classesRoot();
    EXPECT_EQ(values.size(), 3u);  // the type library's values stay; every other key is gone
    EXPECT_EQ(values.count(u"TypeLib\\" + idOf(kOpmTypeLibId) + u"\\1.1"), 1u);
}

TEST_F(ClassRegistration, CleanupWithAParentThatCannotBeOpenedFails) {
    ASSERT_EQ(SSregisterOpmCLSIDs(), eOk);
    {
        Registry::FailureInjection refused(Hive::ClassesRoot, u"Interface", Registry::Failure::CannotOpen);
        EXPECT_EQ(SScleanupComRegistry(), eInvalidInput);
    }
    const auto values = classesRoot();
    EXPECT_EQ(values.size(), 14u * 3u);
}

// ---- Listing

class ClassListing : public ClassRegistration {
protected:
    std::string print() {
        cadhost::PrintCapture capture;
        EXPECT_EQ(SSprintCLSIDs(), eOk);
        return capture.text();
    }
};

TEST_F(ClassListing, PrintsOneDeclarationPerClassMatchingItsIdentifier) {
    const std::string printed = print();
    std::string expected;
    for (const OpmIdentity& entry : kOpmClasses) {
        const GUID& g = entry.id;
        char declaration[200];
        std::snprintf(declaration, sizeof declaration,
                      "\nconst cCLSID CLSID_%s = {0x%08X,0x%04X,0x%04X,{0x%02X,0x%02X,0x%02X,0x%02X,0x%02X,0x%02X,0x%02X,"
                      "0x%02X}};",
                      os::toUtf8(entry.name).c_str(), g.Data1, g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2],
                      g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
        expected += declaration;
    }
    EXPECT_EQ(printed, expected);
    EXPECT_TRUE(printed.ends_with("}};"));
}

TEST_F(ClassListing, WritesTheIdentifierFileBesideTheModule) {
    print();
    std::vector<std::u16string> lines;
    ASSERT_TRUE(os::readLines(m_module.file("RegistryIDs.dat"), lines));
    ASSERT_EQ(lines.size(), 34u);
    EXPECT_EQ(lines[0], u"TypeLib_=" + idOf(kOpmTypeLibId));
    EXPECT_EQ(lines[1], u"Class_Bolt=" + idOf(kOpmClasses[0].id));
    EXPECT_EQ(lines[19], u"Class_OPMBody=" + idOf(kOpmClasses[18].id));
    EXPECT_EQ(lines[20], u"Interface_IBolt=" + idOf(kOpmInterfaces[0].id));
    EXPECT_EQ(lines[33], u"Interface_IOPMBody=" + idOf(kOpmInterfaces[13].id));
    std::set<std::u16string> ids;
    for (const std::u16string& line : lines)
        ids.insert(line.substr(line.find(u'=') + 1));
    EXPECT_EQ(ids.size(), 34u);  // no two identifiers alike
}

TEST_F(ClassListing, AnUnwritableIdentifierFileIsSaidAndStillSucceeds) {
    m_module.put("RegistryIDs.dat", "old\n");
    os::FailureInjection failing(os::WriteStage::Rename);
    const std::string printed = print();
    EXPECT_NE(printed.find("RegistryIDs.dat cannot be written"), std::string::npos) << printed;
    EXPECT_NE(printed.find("CLSID_OPMBody"), std::string::npos);
    EXPECT_EQ(m_module.get("RegistryIDs.dat"), "old\n");
}

TEST(GuidText, RegistryFormAndInitialiser) {
    const GUID id{0x0A0B0C0D, 0x00EF, 0xABCD, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};
    Ork_String text;
    ASSERT_TRUE(guidText(id, text));
    EXPECT_EQ(text, u"{0A0B0C0D-00EF-ABCD-0123-456789ABCDEF}");
    Ork_String initialiser;
    ASSERT_TRUE(guidInitialiser(text, initialiser));
    EXPECT_EQ(initialiser, u"{0x0A0B0C0D,0x00EF,0xABCD,{0x01,0x23,0x45,0x67,0x89,0xAB,0xCD,0xEF");
    EXPECT_FALSE(guidInitialiser(u"{0A0B0C0D-00EF-ABCD-0123}", initialiser));
    EXPECT_FALSE(guidInitialiser(u"{0A0B0C0D-00EF-ABCD-012-456789ABCDEF}", initialiser));
    EXPECT_FALSE(guidInitialiser(u"{0A0B0C0D-00EF-ABCD-0123-456789ABCDE}", initialiser));
}

TEST(ModuleFolder, IsTheFolderOfTheLoadedFileUnlessOverridden) {
    const Ork_String found = ssModuleFolder();
    ASSERT_FALSE(found.isEmpty());
    EXPECT_TRUE(found.endsWith(u"\\"));
    {
        KvModuleFolderOverride hook(u"\\tmp\\elsewhere");
        EXPECT_EQ(ssModuleFolder(), u"\\tmp\\elsewhere\\");
    }
    EXPECT_EQ(ssModuleFolder(), found);
}

} // namespace
