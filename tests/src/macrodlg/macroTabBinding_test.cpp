// Binding each designed control type to a tab's values: kept or dropped, what it shows, which reference it sets.
#include "macrodlg/macroTabBinding.h"

#include "nuvo/hostTexts.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int kId = 33010;

MacroTabData fullTab() {
    MacroTabData t;
    t.name = u"T";
    MacroCellData c;
    c.name = u"A";
    c.value = u"5";
    t.cells.append(c);
    c.name = u"Base";
    c.value = u"100";
    c.readOnly = true;
    t.cells.append(c);
    MacroPatternData p;
    p.name = u"P";
    p.nrBolts1 = u"2";
    p.nrBolts2 = u"3";
    p.twoDirections = true;
    p.props.patternType = 2;
    t.patterns.append(p);
    p.name = u"P1";
    p.twoDirections = false;
    p.props.patternType = 1;
    t.patterns.append(p);
    t.bolt = MacroBoltData();
    t.bolt->assembly = u"M8.8";
    t.bolt->diameter = u"20";
    t.bolt->holeTolerance = u"2";
    t.bolt->penetration = u"4";
    t.bolt->addedLength = u"6";
    MacroProfData g;
    g.name = u"G";
    g.section = u"IPE-200";
    g.rotation = u"90";
    t.profiles.append(g);
    MacroArrayData a;
    a.data.name = u"R";
    a.data.values = Ork_StringArray{u"v0", u"v1", u"v2", u"v3", u"v4", u"v5"};
    t.arrays.append(a);
    a.data.name = u"R1";
    a.data.kind = 1;
    a.data.entryTexts = Ork_StringArray{u"e0", u"e1"};
    a.data.entryKinds = AcArray<int>{0, 0};
    a.data.entryFlags = AcArray<bool>{false, false};
    t.arrays.append(a);
    MacroCutData cut;
    cut.name = u"K";
    cut.state = 3;
    t.cuts.append(cut);
    t.block = MacroBlockData();
    t.block->current = u"B1";
    MacroFlexFixData f;
    f.constraint = u"A";
    t.flexFix.append(f);
    return t;
}

struct Case {
    int type;
    const char16_t* contents;
    const char16_t* extra;
    bool kept;
    const char16_t* shows;                      // the control's contents after binding (null: not checked)
    std::function<int(const MacroTabData&)> ref;  // the reference that takes the identifier (null: none)
};

} // namespace

TEST(MacroTabBinding, EveryTypeBindsToItsValueOrIsDropped) {
    const Case cases[] = {
        {0, u"Width", u"", true, u"Width", nullptr},
        {0, u"Width", u"Nope", true, u"", nullptr},
        {1, u"Frame", u"A", true, u"Frame", nullptr},
        {2, u"A", u"", true, u"5", [](const MacroTabData& t) { return t.cells[0].dlgRef; }},
        {2, u"Nope", u"", false, nullptr, nullptr},
        {3, u"A", u"", true, u"5", [](const MacroTabData& t) { return t.cells[0].dlgRef; }},
        {4, u"P", u"", true, u"2", [](const MacroTabData& t) { return t.patterns[0].dlgRef1; }},
        {4, u"Nope", u"", false, nullptr, nullptr},
        {5, u"P", u"", true, u"3", [](const MacroTabData& t) { return t.patterns[0].dlgRef2; }},
        {5, u"P1", u"", false, nullptr, nullptr},   // no second count in one direction
        {6, u"P", u"", true, u"...", [](const MacroTabData& t) { return t.patterns[0].dlgRefButton; }},
        {7, u"P", u"", true, u"M8.8", [](const MacroTabData& t) { return t.bolt->dlgRefs[0]; }},
        {8, u"P", u"", true, u"20", [](const MacroTabData& t) { return t.bolt->dlgRefs[1]; }},
        {9, u"P", u"", true, u"2", [](const MacroTabData& t) { return t.bolt->dlgRefs[2]; }},
        {10, u"P", u"", true, u"4", [](const MacroTabData& t) { return t.bolt->dlgRefs[3]; }},
        {11, u"P", u"", true, u"6", [](const MacroTabData& t) { return t.bolt->dlgRefs[4]; }},
        {11, u"Nope", u"", false, nullptr, nullptr},
        {12, u"P", u"", true, nullptr, [](const MacroTabData& t) { return t.bolt->dlgRefButton; }},
        // The section under its user name from the sample library's tables.
        {13, u"G", u"", true, u"IPE 200", [](const MacroTabData& t) { return t.profiles[0].dlgRefSection; }},
        {13, u"Nope", u"", false, nullptr, nullptr},
        {14, u"G", u"", true, nullptr, [](const MacroTabData& t) { return t.profiles[0].dlgRefPick; }},
        {15, u"G", u"", true, nullptr, [](const MacroTabData& t) { return t.profiles[0].dlgRefOffset; }},
        {16, u"G", u"", true, u"90°", [](const MacroTabData& t) { return t.profiles[0].dlgRefRotation; }},
        {17, u"G", u"", true, nullptr, [](const MacroTabData& t) { return t.profiles[0].dlgRefAdvanced; }},
        {18, u"R", u"", true, u"v0", [](const MacroTabData& t) { return t.arrays[0].dlgRefs[0]; }},
        {19, u"R", u"", true, u"v1", [](const MacroTabData& t) { return t.arrays[0].dlgRefs[1]; }},
        {20, u"R", u"", true, u"v2", [](const MacroTabData& t) { return t.arrays[0].dlgRefs[2]; }},
        {20, u"R1", u"", false, nullptr, nullptr},   // only the first kind has a third value
        {21, u"R", u"", true, u"v3", [](const MacroTabData& t) { return t.arrays[0].dlgRefs[3]; }},
        {22, u"R", u"", true, u"v4", [](const MacroTabData& t) { return t.arrays[0].dlgRefs[4]; }},
        {23, u"R1", u"1", true, u"e1", [](const MacroTabData& t) { return t.arrays[1].dlgRefEntry; }},
        {23, u"R1", u"2", false, nullptr, nullptr},
        {23, u"R", u"0", false, nullptr, nullptr},
        {24, u"R", u"", true, nullptr, [](const MacroTabData& t) { return t.arrays[0].dlgRefButton; }},
        {24, u"Nope", u"", false, nullptr, nullptr},
        {25, u"Calc", u"", true, nullptr, [](const MacroTabData& t) { return t.cells[1].dlgRef; }},
        {26, u"Calc", u"", true, nullptr, [](const MacroTabData& t) { return t.cells[1].dlgRef; }},
        {27, u"", u"", true, u"B1", [](const MacroTabData& t) { return t.block->dlgRef; }},
        {28, u"K", u"", true, u"3", [](const MacroTabData& t) { return t.cuts[0].dlgRef; }},
        {28, u"Nope", u"", false, nullptr, nullptr},
        {29, u"Label", u"A", true, u"Label", [](const MacroTabData& t) { return t.cells[0].dlgRef; }},
        {29, u"Label", u"Nope", false, nullptr, nullptr},
        {30, u"A", u"", true, nullptr, nullptr},
        {30, u"Nope", u"", false, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        MacroTabData tab = fullTab();
        Ork_DesignerControl control;
        control.type = static_cast<Ork_ControlType>(c.type);
        control.contents = c.contents;
        control.extra = c.extra;
        control.resourceId = kId;
        control.calcPart1 = u"Base";
        MacroPageBinding page;
        const std::string what = "type " + std::to_string(c.type) + " " + Ork_String(c.contents).utf8();
        EXPECT_EQ(bindDesignedControl(control, tab, page), c.kept) << what;
        if (c.shows) {
            EXPECT_EQ(control.contents, c.shows) << what;
        }
        if (c.ref) {
            EXPECT_EQ(c.ref(tab), kId) << what;
        }
        EXPECT_EQ(page.hasBoltButton, c.type == 12 && c.kept) << what;
    }
    // A calculation's base must be a value the user does not edit.
    MacroTabData tab = fullTab();
    Ork_DesignerControl calc;
    calc.type = ctCalcButtonFactor;
    calc.calcPart1 = u"A";
    MacroPageBinding page;
    EXPECT_FALSE(bindDesignedControl(calc, tab, page));
    // A type-1 tab without a bolt record drops every bolt control.
    tab.bolt.reset();
    Ork_DesignerControl bolt;
    bolt.type = ctBoltButton;
    bolt.contents = u"P";
    EXPECT_FALSE(bindDesignedControl(bolt, tab, page));
}

TEST(MacroTabBinding, FoldersAndTablesStayInsideTheLibrary) {
    EXPECT_TRUE(blockFolderIsSafe(u"Blocks\\Plates"));
    EXPECT_TRUE(blockFolderIsSafe(u""));
    for (const char16_t* bad : {u"..", u"Blocks\\..\\..", u"a/../b", u"\\abs", u"/abs", u"C:\\x"})
        EXPECT_FALSE(blockFolderIsSafe(bad)) << Ork_String(bad).utf8();
    Ork_String path;
    EXPECT_TRUE(sectionTableFile(u"IPE-200", path));
    for (const char16_t* bad : {u"..\\x-200", u"\\abs-1", u"C:\\x-1", u"NoDash", u"-200"})
        EXPECT_FALSE(sectionTableFile(bad, path)) << Ork_String(bad).utf8();
}

TEST(MacroTabBinding, ASectionShowsUnderItsUserNameAndReadsBackAsItself) {
    EXPECT_EQ(sectionDisplayName(u"IPE-200"), u"IPE 200");
    EXPECT_EQ(sectionOfDisplayName(u"IPE 200"), u"IPE-200");
    EXPECT_EQ(sectionOfDisplayName(u"IPE-240"), u"IPE-240");
    // A section the tables do not know shows, and is typed, as it stands.
    EXPECT_EQ(sectionDisplayName(u"Custom-1"), u"Custom-1");
    EXPECT_EQ(sectionOfDisplayName(u"Custom-1"), u"Custom-1");
    EXPECT_EQ(sectionDisplayName(u""), u"");
}
