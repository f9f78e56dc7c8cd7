// The designed page's data: identifiers, picture and mask, pixel conversions, and the file pair it is
// stored in, with every refusal leaving the page and the files as they were.
#include "src/designer/designerTestSupport.h"

#include "SS/SSExports.h"
#include "designer/Ork_DlgDesignerData.h"
#include "nuvo/hostTexts.h"
#include "os/files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using designertest::DesignFolderTest;

Ork_DesignerControl control(int type, double l, double t, double r, double b, const char16_t* contents = u"") {
    Ork_DesignerControl c;
    c.type = static_cast<Ork_ControlType>(type);
    c.topLeftX = l;
    c.topLeftY = t;
    c.bottomRightX = r;
    c.bottomRightY = b;
    c.contents = contents;
    return c;
}

Ork_DlgDesignerData macroPage() {
    Ork_DlgDesignerData page;
    page.firstId = Ork_DlgDesignerData::kFirstCtrlId;
    page.lastId = Ork_DlgDesignerData::kLastCtrlId;
    return page;
}

// A 4 x 3 picture: white, near-white, red and black pixels.
ui::Canvas smallPicture() {
    ui::Canvas c(4, 3, ui::colors::white);
    c.setPixel(1, 0, ui::rgb(254, 255, 255));
    c.setPixel(2, 1, ui::rgb(200, 0, 0));
    c.setPixel(3, 2, ui::colors::black);
    return c;
}

void expectSameControl(const Ork_DesignerControl& a, const Ork_DesignerControl& b) {
    EXPECT_EQ(a.type, b.type);
    EXPECT_EQ(a.topLeftX, b.topLeftX);
    EXPECT_EQ(a.topLeftY, b.topLeftY);
    EXPECT_EQ(a.bottomRightX, b.bottomRightX);
    EXPECT_EQ(a.bottomRightY, b.bottomRightY);
    EXPECT_EQ(a.contents, b.contents);
    EXPECT_EQ(a.getMergedExtComboList(), b.getMergedExtComboList());
    EXPECT_EQ(a.extra, b.extra);
    EXPECT_EQ(a.flexGroup, b.flexGroup);
    EXPECT_EQ(a.flexPart2, b.flexPart2);
    EXPECT_EQ(a.flexPart3, b.flexPart3);
    EXPECT_EQ(a.flexPart4, b.flexPart4);
    EXPECT_EQ(a.calcPart1, b.calcPart1);
    EXPECT_EQ(a.calcPart4, b.calcPart4);
}

TEST(DesignerPage, IdentifiersFillTheFirstGapAndRunOutAtAHundred) {
    Ork_DlgDesignerData page = macroPage();
    EXPECT_EQ(page.append(control(2, 0, 0, 0, 0)), 33000);
    EXPECT_EQ(page.append(control(2, 0, 0, 0, 0)), 33001);
    EXPECT_EQ(page.append(control(2, 0, 0, 0, 0)), 33002);
    page.removeControl(1);
    EXPECT_EQ(page.append(control(2, 0, 0, 0, 0)), 33001);
    for (int i = 3; i < 100; ++i)
        page.append(control(0, 0, 0, 0, 0));
    ASSERT_EQ(page.getNrControls(), 100);
    EXPECT_EQ(page.getControl(99)->resourceId, 33099);
    EXPECT_EQ(page.append(control(0, 0, 0, 0, 0)), 0);   // appended all the same, without identifier
    EXPECT_EQ(page.getNrControls(), 101);
    EXPECT_EQ(page.getControlFromRes(33050)->resourceId, 33050);
    EXPECT_EQ(page.getControlFromRes(34000), nullptr);
    EXPECT_EQ(page.getControl(101), nullptr);
    EXPECT_EQ(page.getControlWrite(-1), nullptr);
    page.removeControl(500);   // ignored
    EXPECT_EQ(page.getNrControls(), 101);
}

TEST(DesignerPage, ACopyIsAFreshPageAndAssignmentChangesNothing) {
    Ork_DlgDesignerData page = macroPage();
    page.append(control(2, 0, 0, 0, 0, u"L"));
    page.name = u"Plate";
    page.imageWidth = 300;
    const Ork_DlgDesignerData copy(page);
    EXPECT_EQ(copy.getNrControls(), 0);
    EXPECT_EQ(copy.name, u"");
    EXPECT_EQ(copy.imageWidth, 0);
    EXPECT_EQ(copy.lastId, 0);
    Ork_DlgDesignerData target;
    target.name = u"Mine";
    target = page;
    EXPECT_EQ(target.name, u"Mine");
    EXPECT_EQ(target.getNrControls(), 0);
}

TEST(DesignerPage, PixelsAndFractionsOnAPageWithAndWithoutPicture) {
    Ork_DlgDesignerData page;
    page.imageWidth = 300;
    page.imageHeight = 200;
    EXPECT_DOUBLE_EQ(page.pixelsToFactor(true, 30), 0.1);
    EXPECT_DOUBLE_EQ(page.factorToPixels(false, 0.5), 100);
    Ork_DesignerControl c = control(2, 0.1, 0.25, 0.2, 0.5);   // bottom at 100 px
    page.setHeight(c, 20);
    EXPECT_DOUBLE_EQ(page.getTopLeftY(c), 80);
    EXPECT_DOUBLE_EQ(page.getBottomRightY(c), 100);
    page.setWidth(c, 45);
    EXPECT_DOUBLE_EQ(c.bottomRightX, 0.25);
    EXPECT_DOUBLE_EQ(page.getWidth(c), 45);

    // Without a picture the size counts as 1: fractions are pixels and nothing is infinite or NaN.
    Ork_DlgDesignerData bare;
    EXPECT_EQ(bare.pixelsToFactor(true, 30), 30);
    EXPECT_EQ(bare.factorToPixels(false, 18), 18);
    EXPECT_TRUE(bare.addNewControl(ctCellEdit));
    const Ork_DesignerControl* n = bare.getControl(0);
    ASSERT_NE(n, nullptr);
    EXPECT_DOUBLE_EQ(bare.getWidth(*n), 30);
    EXPECT_DOUBLE_EQ(bare.getHeight(*n), 18);
    EXPECT_TRUE(std::isfinite(n->bottomRightX));
    EXPECT_EQ(n->contents, dialString(171));

    EXPECT_TRUE(page.addNewControl(ctFlexButton));
    const Ork_DesignerControl* p = page.getControl(0);
    EXPECT_EQ(p->type, ctFlexButton);
    EXPECT_DOUBLE_EQ(p->topLeftX, 0.2);
    EXPECT_DOUBLE_EQ(page.getWidth(*p), 30);
    EXPECT_DOUBLE_EQ(page.getHeight(*p), 18);
}

TEST(DesignerPage, TheControlNamesAreTheCellEditsContents) {
    Ork_DlgDesignerData page;
    page.append(control(2, 0, 0, 0, 0, u"Thick"));
    page.append(control(3, 0, 0, 0, 0, u"Grade"));
    page.append(control(0, 0, 0, 0, 0, u"label"));
    page.append(control(2, 0, 0, 0, 0, u"Width"));
    Ork_StringArray names{u"old"};
    page.getAllCtrlNames(names);
    ASSERT_EQ(names.length(), 2);
    EXPECT_EQ(names[0], u"Thick");
    EXPECT_EQ(names[1], u"Width");
    int w = -1, h = -1;
    page.imageWidth = 5;
    page.getImageSize(w, h);   // not placed on a dialog yet
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);
}

class DesignFileTest : public DesignFolderTest {};

TEST_F(DesignFileTest, ThePictureAndItsMaskPixelByPixel) {
    putPicture("plate.bmp", smallPicture());
    Ork_DlgDesignerData page;
    ASSERT_TRUE(page.attachBitmap(design(u"plate.bmp")));
    EXPECT_EQ(page.imageWidth, 4);
    EXPECT_EQ(page.imageHeight, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            const bool white = smallPicture().pixel(x, y) == ui::colors::white;
            EXPECT_EQ(page.mask.pixel(x, y), white ? ui::colors::white : ui::colors::black) << x << "," << y;
            EXPECT_EQ(page.image.pixel(x, y), white ? ui::colors::black : smallPicture().pixel(x, y)) << x << "," << y;
        }
    // A missing file keeps the picture; a file that is no bitmap leaves none.
    EXPECT_FALSE(page.attachBitmap(design(u"none.bmp")));
    EXPECT_EQ(page.imageWidth, 4);
    putText("broken.bmp", "BM this is not a bitmap");
    EXPECT_FALSE(page.attachBitmap(design(u"broken.bmp")));
    EXPECT_EQ(page.imageWidth, 0);
    EXPECT_EQ(page.imageHeight, 0);
    EXPECT_TRUE(page.image.empty());
}

TEST_F(DesignFileTest, EveryTypeAndFieldSurvivesARoundTrip) {
    Ork_DlgDesignerData page = macroPage();
    for (int type = 0; type < 31; ++type) {
        Ork_DesignerControl c = control(type, 1.0 / 3 + type, 0.1 + 0.2, -2.5e-17, 1e300, u"name; with\tTAB");
        c.contents += Ork_String(type);
        if (type == ctFlexButton) {
            c.flexGroup = u"Plates";
            c.flexPart3 = u"x y";
        } else if (type == ctCalcButtonFactor || type == ctCalcButtonCell) {
            c.calcPart1 = u"p1";
            c.calcPart4 = u" 4 ";
            c.extra = u"fifth\r\nline";
        } else {
            c.extra = u"a;b\n  c;";
        }
        page.append(c);
    }
    page.append(control(99, 0, 0, 1, 1, u"future"));   // a type outside the table is kept as read
    page.append(control(-4, 0, 0, 1, 1, u"negative"));
    ASSERT_TRUE(page.writeToFile(design(u"All.txt")));
    EXPECT_EQ(page.name, u"All");

    Ork_DlgDesignerData back = macroPage();
    ASSERT_TRUE(back.readFromFile(design(u"All.txt"), true));
    EXPECT_EQ(back.name, u"All");
    ASSERT_EQ(back.getNrControls(), 33);
    for (int i = 0; i < 33; ++i) {
        SCOPED_TRACE(i);
        expectSameControl(*back.getControl(i), *page.getControl(i));
        EXPECT_EQ(back.getControl(i)->resourceId, 33000 + i);
        EXPECT_EQ(back.getControl(i)->tabOrder, 0);
    }
    EXPECT_EQ(static_cast<int>(back.getControl(31)->type), 99);
    EXPECT_EQ(static_cast<int>(back.getControl(32)->type), -4);
    EXPECT_EQ(back.imageWidth, 0);   // no picture in the pair
}

TEST_F(DesignFileTest, AShortListAndMissingKeysReadAsDefaults) {
    putText("Short.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t2\ntype0\ti\t30\ncomboList0\ts\tG;;x;\n"
                         "topLeftX0\td\t0.5\n");
    Ork_DlgDesignerData page = macroPage();
    ASSERT_TRUE(page.readFromFile(design(u"Short.txt"), true));
    ASSERT_EQ(page.getNrControls(), 2);
    EXPECT_EQ(page.getControl(0)->flexGroup, u"G");
    EXPECT_EQ(page.getControl(0)->flexPart3, u"x");
    EXPECT_EQ(page.getControl(0)->topLeftX, 0.5);
    expectSameControl(*page.getControl(1), Ork_DesignerControl());

    putText("Empty.txt", "Ork_PropertiesList 1\n");
    ASSERT_TRUE(page.readFromFile(design(u"Empty.txt"), true));
    EXPECT_EQ(page.getNrControls(), 0);
    putText("Negative.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t-3\ntype0\ti\t2\n");
    ASSERT_TRUE(page.readFromFile(design(u"Negative.txt"), true));
    EXPECT_EQ(page.getNrControls(), 0);
    EXPECT_EQ(page.name, u"Negative");
}

TEST_F(DesignFileTest, NamesWithAndWithoutSubFolderAndEitherSeparator) {
    putText("Plate.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t1\ntype0\ti\t2\ncontents0\ts\tT\n");
    putText("Sub/Plate.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t0\n");
    Ork_DlgDesignerData page;
    ASSERT_TRUE(page.readFromFile(design(u"Plate.txt"), false));
    EXPECT_EQ(page.name, u"Plate");
    ASSERT_TRUE(page.readFromFile(design(u"Sub\\Plate.txt"), false));
    EXPECT_EQ(page.name, u"Sub\\Plate");
    Ork_String slashed = design(u"Sub/./Plate.txt");
    for (char16_t& ch : slashed)
        if (ch == u'\\')
            ch = u'/';
    ASSERT_TRUE(page.readFromFile(slashed, false));
    EXPECT_EQ(page.name, u"Sub\\Plate");
    ASSERT_TRUE(page.readFromFile(design(u"Sub\\..\\Plate.txt"), false));
    EXPECT_EQ(page.name, u"Plate");
}

TEST_F(DesignFileTest, PathsThatLeaveTheFolderAreRefusedEverywhere) {
    m_temp.put("Dialog Templates/Outside.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t1\ntype0\ti\t2\n");
    m_temp.put("Dialog Templates/Dialog Designs/Twin.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t1\n");
    Ork_DlgDesignerData page = macroPage();
    page.append(control(2, 0, 0, 0, 0, u"mine"));
    page.name = u"Mine";
    for (const char16_t* outside : {u"..\\Outside.txt", u"Sub\\..\\..\\Outside.txt", u"../Outside.txt"}) {
        SCOPED_TRACE(std::string(Ork_String(outside).utf8()));
        EXPECT_FALSE(page.readFromFile(design(outside), true));
        EXPECT_FALSE(page.writeToFile(design(outside)));
        Ork_StringArray names{u"x"};
        EXPECT_FALSE(GetImageDlgCtrlNames(design(outside), names));
        EXPECT_EQ(names.length(), 0);
    }
    // A folder whose name only begins like the design folder is outside it.
    EXPECT_FALSE(page.readFromFile(Ork_String(m_temp.text(u"Dialog Templates\\Dialog Designs\\Twin.txt")), true));
    EXPECT_FALSE(page.readFromFile(Ork_DlgDesignerData::getDesignerRootFolder(), true));
    EXPECT_EQ(page.name, u"Mine");
    ASSERT_EQ(page.getNrControls(), 1);
    EXPECT_EQ(page.getControl(0)->contents, u"mine");
    EXPECT_EQ(m_temp.get("Dialog Templates/Outside.txt").find("mine"), std::string::npos);
}

TEST_F(DesignFileTest, ARefusedFileLeavesThePageUnchanged) {
    putPicture("Good.bmp", smallPicture());
    putText("Good.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t1\ntype0\ti\t2\ncontents0\ts\tT\n");
    putText("Malformed.txt", "Ork_PropertiesList 1\nnrOfControls\tq\t1\n");
    putText("Many.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t10001\n");
    putText("Huge.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t0\npad\ts\t" + std::string(4 * 1024 * 1024, 'x') + "\n");
    putText("NotAList.txt", "nothing here\n");
    Ork_DlgDesignerData page = macroPage();
    ASSERT_TRUE(page.readFromFile(design(u"Good.txt"), true));
    for (const char16_t* bad : {u"Malformed.txt", u"Many.txt", u"Huge.txt", u"NotAList.txt", u"Missing.txt"}) {
        SCOPED_TRACE(std::string(Ork_String(bad).utf8()));
        EXPECT_FALSE(page.readFromFile(design(bad), true));
        EXPECT_EQ(page.name, u"Good");
        ASSERT_EQ(page.getNrControls(), 1);
        EXPECT_EQ(page.getControl(0)->contents, u"T");
        EXPECT_EQ(page.imageWidth, 4);
    }
    // Ten thousand controls are still a design.
    putText("TenThousand.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t10000\n");
    ASSERT_TRUE(page.readFromFile(design(u"TenThousand.txt"), false));
    EXPECT_EQ(page.getNrControls(), 10000);
}

TEST_F(DesignFileTest, ADesignWithoutPictureAfterOneWithHasNone) {
    putPicture("WithPicture.bmp", smallPicture());
    putText("WithPicture.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t0\n");
    putText("Welds.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t0\n");
    Ork_DlgDesignerData page;
    ASSERT_TRUE(page.readFromFile(design(u"WithPicture.txt"), true));
    EXPECT_EQ(page.imageWidth, 4);
    ASSERT_TRUE(page.readFromFile(design(u"Welds.txt"), false));   // without the flag the picture stays
    EXPECT_EQ(page.imageWidth, 4);
    ASSERT_TRUE(page.readFromFile(design(u"Welds.txt"), true));
    EXPECT_EQ(page.imageWidth, 0);
    EXPECT_EQ(page.imageHeight, 0);
    EXPECT_TRUE(page.mask.empty());
}

TEST_F(DesignFileTest, TheSaveCopiesThePictureButNeverOntoItself) {
    putPicture("Plate.bmp", smallPicture());
    putText("Plate.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t1\ntype0\ti\t2\ncontents0\ts\tT\n");
    const std::string picture = getText("Plate.bmp");
    Ork_DlgDesignerData page = macroPage();
    ASSERT_TRUE(page.readFromFile(design(u"Plate.txt"), true));
    ASSERT_TRUE(page.writeToFile(design(u"Bracing\\Copy.txt")));
    EXPECT_EQ(page.name, u"Bracing\\Copy");
    EXPECT_EQ(getText("Bracing/Copy.bmp"), picture);
    EXPECT_NE(getText("Bracing/Copy.txt").find("contents0\ts\tT"), std::string::npos);
    // Saved over itself, also through another spelling of the same path: the picture stays whole.
    ASSERT_TRUE(page.writeToFile(design(u"Bracing/./Copy.txt")));
    EXPECT_EQ(getText("Bracing/Copy.bmp"), picture);
    ASSERT_TRUE(page.readFromFile(design(u"Bracing\\Copy.txt"), true));
    EXPECT_EQ(page.imageWidth, 4);
    EXPECT_EQ(page.getNrControls(), 1);
}

TEST_F(DesignFileTest, AFailedWriteLeavesTheOldPairAndTheName) {
    putPicture("Plate.bmp", smallPicture());
    putText("Plate.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t0\n");
    ui::Canvas other(2, 2, ui::colors::black);
    putPicture("Target.bmp", other);
    putText("Target.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t0\nold\ti\t1\n");
    const std::string oldPicture = getText("Target.bmp");
    const std::string oldText = getText("Target.txt");
    Ork_DlgDesignerData page = macroPage();
    ASSERT_TRUE(page.readFromFile(design(u"Plate.txt"), true));
    page.append(control(2, 0, 0, 0, 0, u"new"));
    for (int skip : {0, 1}) {   // the picture's copy fails, then the control list's write
        SCOPED_TRACE(skip);
        os::FailureInjection failure(os::WriteStage::Rename, skip);
        EXPECT_FALSE(page.writeToFile(design(u"Target.txt")));
        EXPECT_TRUE(failure.fired());
        EXPECT_EQ(page.name, u"Plate");
        EXPECT_EQ(getText("Target.bmp"), oldPicture);
        EXPECT_EQ(getText("Target.txt"), oldText);
    }
    // A new pair that fails to be written leaves no picture behind.
    {
        os::FailureInjection failure(os::WriteStage::Write, 1);
        EXPECT_FALSE(page.writeToFile(design(u"Fresh.txt")));
    }
    EXPECT_FALSE(std::filesystem::exists(designDir() / "Fresh.bmp"));
    EXPECT_FALSE(std::filesystem::exists(designDir() / "Fresh.txt"));
    ASSERT_TRUE(page.writeToFile(design(u"Target.txt")));
    EXPECT_EQ(getText("Target.bmp"), getText("Plate.bmp"));
}

TEST_F(DesignFileTest, TheLibrarysDesignsSortedWithSubFolders) {
    for (const char* file : {"Welds.txt", "Bracing/Gusset.txt", "BoltGroup.txt", "EndPlate.txt", "EndPlate.bmp",
                             "Bracing/Deep/Knee.txt", "notes.md"})
        putText(file, "Ork_PropertiesList 1\n");
    Ork_StringArray names{u"stale"};
    getModuleImages(names);
    ASSERT_EQ(names.length(), 5);
    EXPECT_EQ(names[0], u"BoltGroup");
    EXPECT_EQ(names[1], u"Bracing\\Deep\\Knee");
    EXPECT_EQ(names[2], u"Bracing\\Gusset");
    EXPECT_EQ(names[3], u"EndPlate");
    EXPECT_EQ(names[4], u"Welds");
}

TEST_F(DesignFileTest, TheExportedNamesOfADesignFile) {
    putPicture("Plate.bmp", smallPicture());
    putText("Plate.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t3\ntype0\ti\t2\ncontents0\ts\tThick\n"
                         "type1\ti\t0\ncontents1\ts\tLabel\ntype2\ti\t2\ncontents2\ts\tWidth\n");
    Ork_StringArray names;
    ASSERT_TRUE(GetImageDlgCtrlNames(design(u"Plate.txt"), names));
    ASSERT_EQ(names.length(), 2);
    EXPECT_EQ(names[1], u"Width");
    EXPECT_FALSE(GetImageDlgCtrlNames(design(u"Missing.txt"), names));
    EXPECT_EQ(names.length(), 0);
}

} // namespace
