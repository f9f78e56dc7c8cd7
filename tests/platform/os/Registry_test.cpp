#include "os/Registry.h"

#include "os/files.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using os::Hive;
using os::Registry;
using os::RegStatus;
using os::RegType;
using Names = std::vector<std::u16string>;

namespace {

constexpr std::u16string_view kSheetKey = u"Software\\Kelvadore\\Spreadsheet Editor v1.0";

// Every test gets its own registry folder and leaves the default behind.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { Registry::setFolder(tmp.path() / "registry"); }
    void TearDown() override { Registry::setFolder({}); }

    std::string hiveText(Hive hive) const {
        return tmp.get("registry/" + Registry::hiveFile(hive).filename().string());
    }

    TempFolder tmp;
};

} // namespace

TEST_F(RegistryTest, ValuesRoundTripThroughTheFile) {
    Registry::Key key;
    ASSERT_EQ(Registry::createKey(Hive::LocalMachine, kSheetKey, key), RegStatus::Ok);
    ASSERT_EQ(key.setString(u"Default Settings", u"metric.kvd"), RegStatus::Ok);
    ASSERT_EQ(key.setString(u"", u"C:\\Program Files\\Kelvadore\\"), RegStatus::Ok);
    ASSERT_EQ(key.setNumber(u"Count", 42), RegStatus::Ok);
    ASSERT_EQ(key.setBinary(u"Blob", std::string("\0\1\xFF", 3)), RegStatus::Ok);

    EXPECT_TRUE(fs::exists(tmp.path() / "registry/HKEY_LOCAL_MACHINE.txt"));
    Registry::reload(); // forget the hive in memory: what follows comes from the file

    Registry::Key again;
    ASSERT_EQ(Registry::openKey(Hive::LocalMachine, u"SOFTWARE\\kelvadore\\spreadsheet editor V1.0", again),
              RegStatus::Ok);
    std::u16string text;
    std::uint32_t number = 0;
    std::string bytes;
    EXPECT_EQ(again.queryString(u"default settings", text), RegStatus::Ok);
    EXPECT_EQ(text, u"metric.kvd");
    EXPECT_EQ(again.queryString(u"", text), RegStatus::Ok);
    EXPECT_EQ(text, u"C:\\Program Files\\Kelvadore\\");
    EXPECT_EQ(again.queryNumber(u"COUNT", number), RegStatus::Ok);
    EXPECT_EQ(number, 42u);
    EXPECT_EQ(again.queryBinary(u"Blob", bytes), RegStatus::Ok);
    EXPECT_EQ(bytes, std::string("\0\1\xFF", 3));
    Names values;
    ASSERT_EQ(again.valueNames(values), RegStatus::Ok);
    EXPECT_EQ(values, (Names{u"Default Settings", u"", u"Count", u"Blob"}));
}

TEST_F(RegistryTest, LongValuesWithAnyCharactersSurviveTheFile) {
    std::u16string value;
    for (int i = 0; i < 300; ++i) value += static_cast<char16_t>(u"ab\"\\\n\r\t\u00E9\u2022 ="[i % 12]);
    ASSERT_EQ(value.size(), 300u);
    Registry::Key key;
    ASSERT_EQ(Registry::createKey(Hive::CurrentUser, u"Software\\SS", key), RegStatus::Ok);
    ASSERT_EQ(key.setString(u"Long", value), RegStatus::Ok);
    ASSERT_EQ(key.setString(u"Huge", std::u16string(100000, u'x')), RegStatus::Ok);
    Registry::reload();
    std::u16string back;
    ASSERT_EQ(key.queryString(u"Long", back), RegStatus::Ok);
    EXPECT_EQ(back, value);
    ASSERT_EQ(key.queryString(u"Huge", back), RegStatus::Ok);
    EXPECT_EQ(back.size(), 100000u);
}

TEST_F(RegistryTest, HivesAreSeparateFiles) {
    Registry::Key key;
    ASSERT_EQ(Registry::createKey(Hive::ClassesRoot, u"CLSID\\{0}", key), RegStatus::Ok);
    EXPECT_EQ(Registry::openKey(Hive::LocalMachine, u"CLSID", key), RegStatus::NotFound);
    EXPECT_EQ(Registry::openKey(Hive::CurrentUser, u"CLSID", key), RegStatus::NotFound);
    EXPECT_NE(hiveText(Hive::ClassesRoot).find("[CLSID\\{0}]"), std::string::npos);
    EXPECT_FALSE(fs::exists(Registry::hiveFile(Hive::LocalMachine)));
}

TEST_F(RegistryTest, ReadersCheckTheType) {
    Registry::Key key;
    ASSERT_EQ(Registry::createKey(Hive::LocalMachine, kSheetKey, key), RegStatus::Ok);
    ASSERT_EQ(key.setNumber(u"Default Settings", 1), RegStatus::Ok);
    std::u16string text = u"unchanged";
    std::uint32_t number = 0;
    std::string bytes;
    EXPECT_EQ(key.queryString(u"Default Settings", text), RegStatus::WrongType);
    EXPECT_EQ(text, u"unchanged");
    EXPECT_EQ(key.queryBinary(u"Default Settings", bytes), RegStatus::WrongType);
    EXPECT_EQ(key.queryNumber(u"Default Settings", number), RegStatus::Ok);
    EXPECT_EQ(key.queryString(u"Missing", text), RegStatus::NotFound);
    RegType type{};
    ASSERT_EQ(key.queryType(u"default settings", type), RegStatus::Ok);
    EXPECT_EQ(type, RegType::Number);
    // Setting again changes type and data but keeps the name's first spelling.
    ASSERT_EQ(key.setString(u"DEFAULT SETTINGS", u"x"), RegStatus::Ok);
    EXPECT_EQ(key.queryString(u"Default Settings", text), RegStatus::Ok);
    Names values;
    key.valueNames(values);
    EXPECT_EQ(values, Names{u"Default Settings"});
}

TEST_F(RegistryTest, KeysCompareWithoutCaseAndKeepTheirCase) {
    Registry::Key root, key;
    ASSERT_EQ(Registry::openKey(Hive::ClassesRoot, u"", root), RegStatus::Ok);
    ASSERT_EQ(root.createSubKey(u"Interface\\{ABC}", key), RegStatus::Ok);
    ASSERT_EQ(root.createSubKey(u"INTERFACE\\{def}", key), RegStatus::Ok);
    ASSERT_EQ(root.createSubKey(u"CLSID", key), RegStatus::Ok);
    Names names;
    ASSERT_EQ(root.subKeyNames(names), RegStatus::Ok);
    EXPECT_EQ(names, (Names{u"CLSID", u"Interface"}));
    Registry::Key iface;
    ASSERT_EQ(root.openSubKey(u"interface", iface), RegStatus::Ok);
    ASSERT_EQ(iface.subKeyNames(names), RegStatus::Ok);
    EXPECT_EQ(names, (Names{u"{ABC}", u"{def}"}));
    EXPECT_EQ(root.openSubKey(u"Interface\\{GHI}", key), RegStatus::NotFound);
}

TEST_F(RegistryTest, DeletingAKeyTakesItsSubtreeAndHandlesReportIt) {
    Registry::Key key, child;
    ASSERT_EQ(Registry::createKey(Hive::ClassesRoot, u"TypeLib\\{L}\\1.0\\0\\win32", child), RegStatus::Ok);
    ASSERT_EQ(child.setString(u"", u"Pelt.arx"), RegStatus::Ok);
    ASSERT_EQ(Registry::createKey(Hive::ClassesRoot, u"TypeLib\\{Other}", key), RegStatus::Ok);
    ASSERT_EQ(Registry::deleteKey(Hive::ClassesRoot, u"typelib\\{l}"), RegStatus::Ok);
    EXPECT_EQ(Registry::openKey(Hive::ClassesRoot, u"TypeLib\\{L}\\1.0", key), RegStatus::NotFound);
    std::u16string text;
    EXPECT_EQ(child.queryString(u"", text), RegStatus::NotFound); // a handle to a deleted key is safe
    EXPECT_EQ(child.setString(u"", u"x"), RegStatus::NotFound);
    EXPECT_EQ(Registry::deleteKey(Hive::ClassesRoot, u"TypeLib\\{L}"), RegStatus::NotFound);
    EXPECT_EQ(Registry::deleteKey(Hive::ClassesRoot, u""), RegStatus::InvalidName);
    Registry::reload();
    EXPECT_EQ(Registry::openKey(Hive::ClassesRoot, u"TypeLib\\{Other}", key), RegStatus::Ok);
    EXPECT_EQ(Registry::openKey(Hive::ClassesRoot, u"TypeLib\\{L}", key), RegStatus::NotFound);
}

TEST_F(RegistryTest, DeletingAValue) {
    Registry::Key key;
    ASSERT_EQ(Registry::createKey(Hive::CurrentUser, u"k", key), RegStatus::Ok);
    ASSERT_EQ(key.setNumber(u"a", 1), RegStatus::Ok);
    EXPECT_EQ(key.deleteValue(u"A"), RegStatus::Ok);
    EXPECT_EQ(key.deleteValue(u"a"), RegStatus::NotFound);
    Registry::reload();
    Names values{u"stale"};
    ASSERT_EQ(key.valueNames(values), RegStatus::Ok);
    EXPECT_TRUE(values.empty());
}

TEST_F(RegistryTest, BadNamesAndClosedHandles) {
    Registry::Key key;
    EXPECT_EQ(Registry::createKey(Hive::CurrentUser, u"a\\\\b", key), RegStatus::InvalidName);
    EXPECT_EQ(Registry::createKey(Hive::CurrentUser, std::u16string(256, u'k'), key), RegStatus::InvalidName);
    EXPECT_FALSE(key.isOpen());
    std::u16string text;
    EXPECT_EQ(key.queryString(u"", text), RegStatus::NotOpen);
    EXPECT_EQ(key.setString(u"", u""), RegStatus::NotOpen);
    EXPECT_EQ(key.createSubKey(u"x", key), RegStatus::NotOpen);
}

TEST_F(RegistryTest, MalformedFileIsRefusedAndNeverOverwritten) {
    const std::string bad = "SS registry 1\n[Software]\n\"x\"=number:12z\n";
    tmp.put("registry/HKEY_CURRENT_USER.txt", bad);
    Registry::Key key;
    EXPECT_EQ(Registry::openKey(Hive::CurrentUser, u"Software", key), RegStatus::BadFile);
    EXPECT_NE(Registry::lastError().find("HKEY_CURRENT_USER.txt: line 3: number must be"), std::string::npos)
        << Registry::lastError();
    EXPECT_EQ(Registry::createKey(Hive::CurrentUser, u"Other", key), RegStatus::BadFile);
    EXPECT_EQ(tmp.get("registry/HKEY_CURRENT_USER.txt"), bad);
    // The other hives are unaffected.
    EXPECT_EQ(Registry::createKey(Hive::LocalMachine, u"Other", key), RegStatus::Ok);
}

TEST_F(RegistryTest, KeyThatCannotBeOpened) {
    Registry::Key key;
    ASSERT_EQ(Registry::createKey(Hive::LocalMachine, kSheetKey, key), RegStatus::Ok);
    {
        Registry::FailureInjection deny(Hive::LocalMachine, u"software\\KELVADORE\\Spreadsheet Editor v1.0",
                                        Registry::Failure::CannotOpen);
        Registry::Key other;
        EXPECT_EQ(Registry::openKey(Hive::LocalMachine, kSheetKey, other), RegStatus::AccessDenied);
        EXPECT_EQ(Registry::createKey(Hive::LocalMachine, kSheetKey, other), RegStatus::AccessDenied);
        EXPECT_FALSE(other.isOpen());
        EXPECT_EQ(Registry::openKey(Hive::LocalMachine, u"Software\\Kelvadore", other), RegStatus::Ok);
        EXPECT_EQ(Registry::openKey(Hive::CurrentUser, kSheetKey, other), RegStatus::NotFound);
    }
    EXPECT_EQ(Registry::openKey(Hive::LocalMachine, kSheetKey, key), RegStatus::Ok);
}

TEST_F(RegistryTest, KeyThatCannotBeWrittenChangesNothing) {
    Registry::Key key;
    ASSERT_EQ(Registry::createKey(Hive::ClassesRoot, u"CLSID\\{X}", key), RegStatus::Ok);
    ASSERT_EQ(key.setString(u"", u"old"), RegStatus::Ok);
    const std::string before = hiveText(Hive::ClassesRoot);
    {
        Registry::FailureInjection deny(Hive::ClassesRoot, u"CLSID\\{X}", Registry::Failure::CannotWrite);
        Registry::Key sub;
        EXPECT_EQ(key.setString(u"", u"new"), RegStatus::AccessDenied);
        EXPECT_EQ(key.setNumber(u"n", 1), RegStatus::AccessDenied);
        EXPECT_EQ(key.deleteValue(u""), RegStatus::AccessDenied);
        EXPECT_EQ(key.createSubKey(u"InprocServer32", sub), RegStatus::AccessDenied);
        EXPECT_EQ(Registry::deleteKey(Hive::ClassesRoot, u"CLSID\\{X}"), RegStatus::AccessDenied);
        EXPECT_EQ(Registry::deleteKey(Hive::ClassesRoot, u"CLSID"), RegStatus::AccessDenied); // its parent
        std::u16string text;
        EXPECT_EQ(key.queryString(u"", text), RegStatus::Ok); // reading is still allowed
        EXPECT_EQ(text, u"old");
        EXPECT_EQ(Registry::createKey(Hive::ClassesRoot, u"CLSID\\{Y}", sub), RegStatus::Ok);
        EXPECT_EQ(Registry::deleteKey(Hive::ClassesRoot, u"CLSID\\{Y}"), RegStatus::Ok);
    }
    EXPECT_EQ(hiveText(Hive::ClassesRoot), before);
    EXPECT_EQ(key.setString(u"", u"new"), RegStatus::Ok);
}

TEST_F(RegistryTest, ChangeThatCannotReachTheFileIsUndone) {
    Registry::Key key;
    ASSERT_EQ(Registry::createKey(Hive::CurrentUser, u"k", key), RegStatus::Ok);
    ASSERT_EQ(key.setString(u"v", u"old"), RegStatus::Ok);
    const std::string before = hiveText(Hive::CurrentUser);
    {
        os::FailureInjection failWrite(os::WriteStage::Write);
        EXPECT_EQ(key.setString(u"v", u"new"), RegStatus::WriteFailed);
        EXPECT_NE(Registry::lastError().find("HKEY_CURRENT_USER.txt: cannot be written"), std::string::npos);
    }
    std::u16string text;
    ASSERT_EQ(key.queryString(u"v", text), RegStatus::Ok);
    EXPECT_EQ(text, u"old");
    EXPECT_EQ(hiveText(Hive::CurrentUser), before);
    {
        os::FailureInjection failRename(os::WriteStage::Rename);
        Registry::Key sub;
        EXPECT_EQ(Registry::createKey(Hive::CurrentUser, u"k\\new", sub), RegStatus::WriteFailed);
        EXPECT_FALSE(sub.isOpen());
    }
    Registry::Key sub;
    EXPECT_EQ(Registry::openKey(Hive::CurrentUser, u"k\\new", sub), RegStatus::NotFound);
}

TEST(RegistryFolder, DefaultsToTheUsersConfigurationFolder) {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = xdg ? xdg : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(Registry::defaultFolder(), fs::path("/tmp/cfg/ss/registry"));
    ::unsetenv("XDG_CONFIG_HOME");
    if (const char* home = std::getenv("HOME")) {
        EXPECT_EQ(Registry::defaultFolder(), fs::path(home) / ".config/ss/registry");
    }
    if (xdg) ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}
