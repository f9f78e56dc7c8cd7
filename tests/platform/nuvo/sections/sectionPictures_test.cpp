// Section pictures are looked up in the installation's icons folder by type number or template name, and
// never anywhere else, whatever a section table's type text holds.
#include "support/TempFolder.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/sections/sectionPictures.h"
#include "ui/paint/Canvas.h"
#include "ui/paint/bmpFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string bmpBytes(int width, int height) {
    const std::vector<std::uint8_t> bmp = ui::encodeBmp(ui::Canvas(width, height));
    return std::string(bmp.begin(), bmp.end());
}

class SectionPictures : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"icons/Section10.bmp", "icons/Custom.bmp", "secret.bmp"})
            m_install.put(name, bmpBytes(8, 6));
        m_install.put("icons/Broken.bmp", "not a bitmap");
        Ork_Settings::setOrkDir(m_install.folder());
    }
    void TearDown() override { Ork_Settings::reset(); }
    Ork_String icon(const char16_t* name) const { return m_install.folder() + u"icons\\" + name; }

    TempFolder m_install;
};

} // namespace

TEST_F(SectionPictures, ATypeNumberOrATemplateNameGivesItsPictureInTheIconsFolder) {
    EXPECT_EQ(sectionPictureFile(u"10"), icon(u"Section10.bmp"));
    EXPECT_EQ(sectionPictureFile(u" 10 "), icon(u"Section10.bmp"));
    EXPECT_EQ(sectionPictureFile(u"Custom.dwg"), icon(u"Custom.bmp"));
    EXPECT_EQ(sectionPictureFile(u"Custom"), icon(u"Custom.bmp"));
    EXPECT_EQ(sectionPictureFile(u"Templates\\Custom.dwg"), icon(u"Custom.bmp"));   // only its last name
    EXPECT_EQ(sectionPictureFile(u"Templates/Custom.dwg"), icon(u"Custom.bmp"));
    // What the installation lacks: no picture, not a guess.
    EXPECT_TRUE(sectionPictureFile(u"9").isEmpty());
    EXPECT_TRUE(sectionPictureFile(u"25").isEmpty());
    EXPECT_TRUE(sectionPictureFile(u"").isEmpty());
}

TEST_F(SectionPictures, ANameThatWouldLeaveTheIconsFolderFindsNothing) {
    EXPECT_TRUE(sectionPictureFile(u"..\\secret.bmp").isEmpty());
    EXPECT_TRUE(sectionPictureFile(u"..").isEmpty());
    EXPECT_TRUE(sectionPictureFile(u"icons\\..").isEmpty());
    EXPECT_TRUE(sectionPictureFile(u"C:Custom").isEmpty());
    EXPECT_TRUE(sectionPictureFile(m_install.folder() + u"secret.bmp").isEmpty());
}

TEST_F(SectionPictures, LoadingGivesTheBitmapOrTheFallbackAndLeavesTheImageAloneOnFailure) {
    ui::Image image;
    ASSERT_TRUE(loadSectionPicture(u"10", false, image));
    EXPECT_EQ(image.size.cx, 8);
    EXPECT_EQ(image.size.cy, 6);
    EXPECT_FALSE(image.isIcon);

    ui::Image untouched;
    EXPECT_FALSE(loadSectionPicture(u"Broken", false, untouched));
    EXPECT_TRUE(untouched.isNull());
    EXPECT_FALSE(loadSectionPicture(u"Unknown", true, untouched));   // no fallback picture installed yet
    EXPECT_TRUE(untouched.isNull());

    m_install.put("icons/SectionNone.bmp", bmpBytes(4, 4));
    EXPECT_EQ(sectionFallbackPictureFile(), icon(u"SectionNone.bmp"));
    ASSERT_TRUE(loadSectionPicture(u"Unknown", true, untouched));
    EXPECT_EQ(untouched.size.cx, 4);
}
