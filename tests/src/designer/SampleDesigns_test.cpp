// The sample library's designed pages: listed, read with their pictures, and bound to the cells, patterns
// and groups of the sample macros.
#include "designer/Ork_DlgDesignerData.h"
#include "nuvo/Ork_Settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

namespace {

class SampleDesigns : public ::testing::Test {
protected:
    void SetUp() override {
        Ork_Settings::setLibDir(Ork_Settings::asFolder(Ork_String::fromUtf8(SS_SOURCE_DIR "/samples/library")));
    }
    void TearDown() override { Ork_Settings::reset(); }

    static Ork_DlgDesignerData read(const char16_t* name) {
        Ork_DlgDesignerData page;
        page.firstId = Ork_DlgDesignerData::kFirstCtrlId;
        page.lastId = Ork_DlgDesignerData::kLastCtrlId;
        EXPECT_TRUE(page.readFromFile(Ork_DlgDesignerData::getDesignerRootFolder() + name + u".txt", true))
            << Ork_String(name).utf8();
        return page;
    }
};

TEST_F(SampleDesigns, TheLibraryListsItsSixPages) {
    Ork_StringArray names;
    getModuleImages(names);
    ASSERT_EQ(names.length(), 6);
    EXPECT_EQ(names[0], u"BoltGroup");
    EXPECT_EQ(names[1], u"Bracing\\Gusset");
    EXPECT_EQ(names[2], u"EndPlate");
    EXPECT_EQ(names[3], u"Macros\\Beam");
    EXPECT_EQ(names[4], u"Macros\\Details");
    EXPECT_EQ(names[5], u"Welds");
}

TEST_F(SampleDesigns, EachPageReadsWithItsPictureAndInsideIt) {
    struct Expected {
        const char16_t* name;
        int width, height, controls;
    };
    for (const Expected& e : {Expected{u"EndPlate", 240, 200, 7}, Expected{u"BoltGroup", 260, 180, 11},
                              Expected{u"Bracing\\Gusset", 220, 180, 6}, Expected{u"Welds", 0, 0, 4},
                              Expected{u"Macros\\Details", 330, 170, 8}, Expected{u"Macros\\Beam", 330, 150, 8}}) {
        SCOPED_TRACE(Ork_String(e.name).utf8());
        const Ork_DlgDesignerData page = read(e.name);
        EXPECT_EQ(page.name, e.name);
        EXPECT_EQ(page.imageWidth, e.width);
        EXPECT_EQ(page.imageHeight, e.height);
        ASSERT_EQ(page.getNrControls(), e.controls);
        for (const Ork_DesignerControl& c : page.controls) {
            EXPECT_TRUE(isKnownControlType(c.type));
            EXPECT_LT(page.getTopLeftX(c), page.getBottomRightX(c));
            EXPECT_LT(page.getTopLeftY(c), page.getBottomRightY(c));
            if (e.width > 0) {
                EXPECT_LE(page.getBottomRightX(c), e.width + 0.01);
                EXPECT_LE(page.getBottomRightY(c), e.height + 0.01);
            }
        }
    }
}

TEST_F(SampleDesigns, ThePagesBindTheSampleMacrosNames) {
    // The cells, patterns and groups of Macros/EndPlateConnection.json and Macros/BasePlate.json.
    const std::set<std::u16string> cells = {u"Thickness", u"Width", u"Height", u"FlangeThroat", u"WebThroat",
                                            u"Length", u"Throat"};
    for (const char16_t* name : {u"EndPlate", u"Welds", u"Bracing\\Gusset"}) {
        const Ork_DlgDesignerData page = read(name);
        for (const Ork_DesignerControl& c : page.controls) {
            if (c.type == ctCellEdit || c.type == ctCellCombo) {
                EXPECT_TRUE(cells.count(c.contents)) << Ork_String(c.contents).utf8();
            }
        }
    }
    const Ork_DlgDesignerData bolts = read(u"BoltGroup");
    int patterns = 0, flex = 0;
    for (const Ork_DesignerControl& c : bolts.controls) {
        if (c.type == ctPatternCount1 || c.type == ctPatternCount2 || c.type == ctPatternButton) {
            EXPECT_EQ(c.contents, u"EndPlateBolts");
            ++patterns;
        }
        if (c.type == ctFlexButton) {
            EXPECT_EQ(c.flexGroup, u"BoltLayout");
            ++flex;
        }
    }
    EXPECT_EQ(patterns, 3);
    EXPECT_EQ(flex, 2);
    // The plate thickness combo box takes its items from a list outside the design folder.
    const Ork_DlgDesignerData plate = read(u"EndPlate");
    Ork_StringArray items;
    plate.getControl(2)->getComboItemsFromFile(items);
    ASSERT_EQ(items.length(), 5);
    EXPECT_EQ(items[2], u"15");
}

} // namespace
