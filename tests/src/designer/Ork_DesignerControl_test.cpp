// One designed control: its extra list merged and split by type, the window class each type is made in,
// and the combo items read from a file.
#include "src/designer/designerTestSupport.h"

#include "designer/Ork_DesignerControl.h"
#include "nuvo/Ork_PropertiesList.h"
#include "nuvo/hostTexts.h"

#include <gtest/gtest.h>

namespace {

Ork_DesignerControl ofType(int type) {
    Ork_DesignerControl c;
    c.type = static_cast<Ork_ControlType>(type);
    return c;
}

TEST(DesignerControl, TheExtraListIsMergedAndSplitByType) {
    Ork_DesignerControl flex = ofType(ctFlexButton);
    EXPECT_EQ(flex.getMergedExtComboList(), u";;;");
    flex.flexGroup = u"G";
    flex.flexPart3 = u"x";
    EXPECT_EQ(flex.getMergedExtComboList(), u"G;;x;");
    Ork_DesignerControl back = ofType(ctFlexButton);
    EXPECT_TRUE(back.setSplitExtComboList(u"G;;x;"));
    EXPECT_EQ(back.flexGroup, u"G");
    EXPECT_EQ(back.flexPart2, u"");
    EXPECT_EQ(back.flexPart3, u"x");
    EXPECT_EQ(back.flexPart4, u"");
    // Further pieces are dropped, missing ones stay empty, and earlier parts are cleared.
    back.setSplitExtComboList(u"a;b;c;d;e");
    EXPECT_EQ(back.flexPart4, u"d");
    back.setSplitExtComboList(u"only");
    EXPECT_EQ(back.flexGroup, u"only");
    EXPECT_EQ(back.flexPart2, u"");
    EXPECT_EQ(back.flexPart4, u"");

    Ork_DesignerControl calc = ofType(ctCalcButtonFactor);
    calc.extra = u"old";
    calc.calcPart4 = u"old";
    calc.setSplitExtComboList(u"p1;p2");
    EXPECT_EQ(calc.calcPart1, u"p1");
    EXPECT_EQ(calc.calcPart2, u"p2");
    EXPECT_EQ(calc.calcPart3, u"");
    EXPECT_EQ(calc.calcPart4, u"");
    EXPECT_EQ(calc.extra, u"");
    EXPECT_EQ(calc.getMergedExtComboList(), u"p1;p2;;;");
    Ork_DesignerControl cell = ofType(ctCalcButtonCell);
    cell.setSplitExtComboList(u"1;2;3;4;5;6");
    EXPECT_EQ(cell.extra, u"5");

    // Every other type keeps the text whole, ";" included; so does a type outside the table.
    for (int type : {0, 2, 3, 23, 27, 29, 99, -1}) {
        Ork_DesignerControl other = ofType(type);
        other.setSplitExtComboList(u"a;b");
        EXPECT_EQ(other.extra, u"a;b") << type;
        EXPECT_EQ(other.getMergedExtComboList(), u"a;b") << type;
    }
}

TEST(DesignerControl, MissingKeysLeaveTheDefaults) {
    Ork_PropertiesList list;
    list.set(u"type3", 30);
    list.set(u"comboList3", u"grp;p2");
    list.set(u"topLeftY3", 0.25);
    Ork_DesignerControl c;
    c.getFromPropList(list, 3);
    EXPECT_EQ(c.type, ctFlexButton);
    EXPECT_EQ(c.flexGroup, u"grp");   // split as the type just read says
    EXPECT_EQ(c.flexPart2, u"p2");
    EXPECT_EQ(c.topLeftY, 0.25);
    EXPECT_EQ(c.topLeftX, 0.0);
    EXPECT_EQ(c.contents, u"");
    Ork_DesignerControl none;
    none.getFromPropList(list, 4);
    EXPECT_EQ(none.type, ctLabel);
    EXPECT_EQ(none.extra, u"");
}

TEST(DesignerControl, TheWindowClassFollowsFromTheTypeAlone) {
    const Ork_ControlClass E = Ork_ControlClass::Edit, C = Ork_ControlClass::ComboBox,
                           B = Ork_ControlClass::Button, S = Ork_ControlClass::Static;
    const Ork_ControlClass expected[kNrControlTypes] = {S, B, E, C, E, E, B, C, E, E, E, E, B, C, B, C,
                                                         C, B, E, E, E, E, E, E, B, B, B, C, C, B, B};
    for (int type = 0; type < kNrControlTypes; ++type)
        EXPECT_EQ(controlClassOf(type), expected[type]) << type;
    for (int type : {-1, 31, 99, 1 << 30})
        EXPECT_EQ(controlClassOf(type), S) << type;
    EXPECT_EQ(std::u16string(controlClassName(C)), u"COMBOBOX");
    for (int type = 0; type < kNrControlTypes; ++type) {
        EXPECT_EQ(isMultiLineType(type), type == 4 || type == 5) << type;
        EXPECT_EQ(isEditableComboType(type), type == 3 || type == 16) << type;
    }
}

TEST(DesignerControl, TypeNamesAndLabelsNeverIndexOutsideTheirTables) {
    EXPECT_EQ(controlTypeText(ctLabel), dialString(799));
    EXPECT_EQ(controlTypeText(ctPatternCount2), dialString(803) + u" 2: " + string(2220));
    EXPECT_EQ(controlTypeText(ctCalcButtonCell), dialString(1315));
    EXPECT_EQ(controlTypeText(ctFlexButton), dialString(1428));
    EXPECT_EQ(contentsLabelTextId(ctCutCombo), 1406);
    EXPECT_EQ(contentsLabelTextId(ctBoltCombo), 0);
    EXPECT_EQ(extraLabelText(ctCalcButtonCell),
              dialString(1316) + u";" + dialString(1317) + u";" + dialString(1320) + u";" + dialString(1319));
    EXPECT_EQ(extraLabelText(ctCellEdit), u"");
    for (int type : {-7, 31, 99}) {
        EXPECT_EQ(controlTypeText(type), u"") << type;
        EXPECT_EQ(contentsLabelTextId(type), 0) << type;
        EXPECT_EQ(extraLabelText(type), u"") << type;
    }
}

class ComboItemsTest : public designertest::DesignFolderTest {};

TEST_F(ComboItemsTest, ItemsComeFromAFileNamedRelativeToTheLibraryOrInFull) {
    m_temp.put("Lists/grades.txt", "S235\nS355\n");
    Ork_DesignerControl combo = ofType(ctCellCombo);
    Ork_StringArray items{u"kept"};
    combo.getComboItemsFromFile(items);   // no file named: untouched
    ASSERT_EQ(items.length(), 1);
    combo.extra = u"Lists\\grades.txt";
    combo.getComboItemsFromFile(items);
    ASSERT_EQ(items.length(), 2);
    EXPECT_EQ(items[1], u"S355");
    Ork_StringArray full;
    combo.extra = Ork_String(m_temp.text(u"Lists\\grades.txt"));
    combo.getComboItemsFromFile(full);
    EXPECT_EQ(full.length(), 2);
    Ork_StringArray missing{u"kept"};
    combo.extra = u"Lists\\none.txt";
    combo.getComboItemsFromFile(missing);
    EXPECT_EQ(missing.length(), 1);
}

} // namespace
