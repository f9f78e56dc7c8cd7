#pragma once
// Sheet-settings tests: a grid in a dialog (SheetTest), plus a private installation folder, a private
// registry store and a second folder that plays the place where sheets are saved.
#include "support/TempFolder.h"
#include "support/sheetTestSupport.h"

#include "nuvo/Ork_Settings.h"
#include "os/Registry.h"
#include "os/files.h"
#include "os/utf16.h"
#include "spread/KvSSRegistrySets.h"

#include <string>

namespace sheettest {

// The 8-bit text of a settings file: "|" stands for the separator byte 0xA4.
inline std::string kvdBytes(std::string text) {
    for (char& c : text)
        if (c == '|')
            c = static_cast<char>(0xA4);
    return text;
}

// The tag text form: "|" stands for the separator "¤".
inline Ork_String tagText(const char16_t* text) {
    Ork_String out(text);
    for (char16_t& c : out)
        if (c == u'|')
            c = u'\u00A4';
    return out;
}

class SettingsTest : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        os::Registry::setFolder(m_temp.path() / "registry");
        std::filesystem::create_directories(m_temp.path() / "install");
        std::filesystem::create_directories(m_temp.path() / "out");
        std::filesystem::create_directories(m_temp.path() / "elsewhere");
        Ork_Settings::setOrkDir(install());
    }
    void TearDown() override {
        Ork_Settings::reset();
        os::Registry::setFolder({});
        SheetTest::TearDown();
    }
    Ork_String install() const { return m_temp.folder() + u"install\\"; }
    Ork_String out() const { return m_temp.folder() + u"out\\"; }
    Ork_String elsewhere() const { return m_temp.folder() + u"elsewhere\\"; }

    void writeText(const Ork_String& path, const std::string& bytes) { ASSERT_TRUE(os::writeBytes(path, bytes)); }
    std::string readText(const Ork_String& path) {
        std::string bytes;
        EXPECT_TRUE(os::readBytes(path, bytes)) << path.utf8();
        return bytes;
    }
    void setRegistryDefault(const Ork_String& name) {
        os::Registry::Key key;
        ASSERT_EQ(os::Registry::createKey(os::Hive::LocalMachine, KvSSRegistrySets::kKey, key), os::RegStatus::Ok);
        ASSERT_EQ(key.setString(u"Default Settings", name), os::RegStatus::Ok);
        ASSERT_EQ(key.setString(u"Language", u"DE"), os::RegStatus::Ok);
    }

    TempFolder m_temp;
};

} // namespace sheettest
