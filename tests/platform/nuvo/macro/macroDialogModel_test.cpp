// The dialog side of the macro model: look-ups, references, change codes, the dialog's keys of a macro file
// and property files.
#include "support/macroTestSupport.h"

#include "support/TempFolder.h"
#include "cadhost/HostLog.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/hostTexts.h"
#include "nuvo/macro/macroDialogCalls.h"
#include "nuvo/macro/macroValuesFile.h"
#include "os/files.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct DialogMacro : LoadedMacro {
    DialogMacro() : LoadedMacro("nuvo/macros/dialog.json") {}
};

std::vector<int> codes(const AcArray<int>& a) {
    std::vector<int> out;
    for (int i = 0; i < a.length(); ++i)
        out.push_back(a[i]);
    return out;
}

} // namespace

TEST(MacroDialogFile, ReadsEveryDialogKey) {
    DialogMacro m;
    const MacroData& d = m.data;
    ASSERT_EQ(d.objects.length(), 1);
    EXPECT_EQ(d.objects[0].asOldId(), 501);
    EXPECT_EQ(d.groupNames, (Ork_StringArray{u"Left", u"Right"}));
    EXPECT_EQ(d.currentGroup, 1);
    EXPECT_EQ(d.currentTab, u"BoltGroup");
    EXPECT_EQ(d.filter1.choice, 1);
    ASSERT_EQ(d.standards.length(), 1);
    EXPECT_EQ(d.standards[0].target, u"Module.EndPlate");

    MacroTabData& plate = m.tab(u"EndPlate");
    EXPECT_EQ(plate.shownCaption(), u"End plate");
    EXPECT_EQ(plate.findCell(u"Weld")->kind, mckCombo);
    EXPECT_EQ(plate.findCell(u"Weld")->items.length(), 3);
    EXPECT_TRUE(plate.findCell(u"Length")->readOnly);
    EXPECT_EQ(plate.findArrayWithName(u"Stiffeners")->data.entryTexts, (Ork_StringArray{u"first"}));
    EXPECT_EQ(plate.findCutWithName(u"Cope")->state, 2);
    EXPECT_EQ(plate.block->current, u"Plate1");

    MacroTabData& bolts = m.tab(u"BoltGroup");
    EXPECT_EQ(bolts.type, MacroTabData::kBoltTab);
    const MacroBoltData& b = *bolts.getBoltData();
    EXPECT_EQ(b.assembly, u"M8.8");
    EXPECT_EQ(b.holeTolerance, u"2");   // the file's "holeOffset"
    EXPECT_EQ(b.addedLength, u"3");
    EXPECT_EQ(b.flags[2], 2);
    EXPECT_EQ(b.nutsWashers[4], -1);
    ASSERT_EQ(b.slots.size(), 1u);
    EXPECT_EQ(b.slots[0].position, 2);
    const MacroPatternData& p1 = *bolts.findPattern(u"P1");
    EXPECT_TRUE(p1.hasDialog);
    EXPECT_EQ(p1.props.getCount(1), 2);
    EXPECT_EQ(p1.props.getCount(2), 0);
    EXPECT_EQ(bolts.findPattern(u"P2")->props.getCount(2), -1);
    EXPECT_FALSE(bolts.findPattern(u"P2")->acceptsSecondCount());

    MacroTabData& beam = m.tab(u"Beam");
    AcArray<AcDbObjectId> ids;
    ASSERT_TRUE(beam.getProfIdsOfGroup(u"Main", ids));
    ASSERT_EQ(ids.length(), 2);
    EXPECT_EQ(ids[1].asOldId(), 502);
    MacroProfData member;
    ASSERT_TRUE(beam.getProfDataIndx(u"Main", 1, member));
    EXPECT_EQ(member.material, u"S355");
    EXPECT_FALSE(beam.getProfDataIndx(u"Main", 2, member));
    EXPECT_TRUE(beam.hasSegmentedProfs());
}

TEST(MacroDialogFile, RoundTripsAndOldFilesWriteBackUnchanged) {
    DialogMacro m;
    const std::string written = macroJsonText(*m.db.macro(), m.data);
    Ork_DbMacro db;
    MacroData again;
    Ork_String error;
    ASSERT_TRUE(readMacroJsonText(written, db, again, error)) << error.utf8();
    EXPECT_EQ(macroJsonText(*db.macro(), again), written);

    // A file without the dialog's keys gains none.
    LoadedMacro old;
    const std::string oldText = macroJsonText(*old.db.macro(), old.data);
    for (const char* key : {"\"dialog\"", "\"type\": 1", "\"caption\"", "\"arrays\"", "\"segments\"", "\"members\""})
        EXPECT_EQ(oldText.find(key), std::string::npos) << key;
}

namespace {

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

} // namespace

TEST(MacroDialogFile, APatternOfTypeZeroKeepsItsTypeOthersTakeItFromTheirDirections) {
    const std::string doc = R"({"version": 1, "tabs": [{"name": "Bolts", "type": 1, "patterns": [
        {"name": "Zero", "directions": 2, "type": 0, "nrBolts1": "2", "nrBolts2": "3",
         "props": {"second": {"values": ["Yes"]}}},
        {"name": "Two", "directions": 2, "type": 2, "nrBolts1": "2", "nrBolts2": "3"},
        {"name": "Plain", "directions": 2, "nrBolts1": "2", "nrBolts2": "3"},
        {"name": "One", "directions": 1, "nrBolts1": "4"}]}]})";
    Ork_DbMacro db;
    MacroData data;
    Ork_String error;
    ASSERT_TRUE(readMacroJsonText(doc, db, data, error)) << error.utf8();
    MacroTabData& t = data.tabs[0];
    const MacroPatternData& zero = *t.findPattern(u"Zero");
    EXPECT_EQ(zero.props.patternType, 0);
    EXPECT_TRUE(zero.twoDirections);
    EXPECT_EQ(zero.props.getCount(2), 1);   // its second direction is one the pattern has
    EXPECT_EQ(t.findPattern(u"Two")->props.patternType, 2);
    EXPECT_EQ(t.findPattern(u"Plain")->props.patternType, 2);
    EXPECT_EQ(t.findPattern(u"One")->props.patternType, MacroPatternProps::kOneDirection);

    // Only type 0 is written; the file reads back the same.
    const std::string written = macroJsonText(*db.macro(), data);
    EXPECT_EQ(occurrences(written, "\"type\": 0"), 1u) << written;
    EXPECT_EQ(occurrences(written, "\"type\": "), 2u) << written;   // the tab's and Zero's
    Ork_DbMacro db2;
    MacroData again;
    ASSERT_TRUE(readMacroJsonText(written, db2, again, error)) << error.utf8();
    EXPECT_EQ(again.tabs[0].findPattern(u"Zero")->props.patternType, 0);
    EXPECT_EQ(macroJsonText(*db2.macro(), again), written);

    // A type its directions cannot have is written as theirs.
    t.findPattern(u"One")->props.patternType = 0;
    t.findPattern(u"Two")->props.patternType = MacroPatternProps::kOneDirection;
    const std::string mended = macroJsonText(*db.macro(), data);
    ASSERT_TRUE(readMacroJsonText(mended, db2, again, error)) << error.utf8();
    EXPECT_EQ(again.tabs[0].findPattern(u"One")->props.patternType, MacroPatternProps::kOneDirection);
    EXPECT_EQ(again.tabs[0].findPattern(u"Two")->props.patternType, 2);
}

TEST(MacroDialogFile, RefusesBadDialogKeysWithTheirPlace) {
    const struct {
        const char* tabs;
        const char* place;
    } cases[] = {
        {R"({"name": "T", "cells": [{"name": "A", "kind": 3}]})", "tabs[0].cells[0].kind: must be 0 to 2"},
        {R"({"name": "T", "cells": [{"name": "A", "items": [1]}]})", "tabs[0].cells[0].items[0]: a text is expected"},
        {R"({"name": "T", "cuts": [{"name": "C", "state": 5}]})", "tabs[0].cuts[0].state: must be 0 to 4"},
        {R"({"name": "T", "bolt": {"flags": [0, 1]}})", "tabs[0].bolt.flags: an array of 4 whole numbers"},
        {R"({"name": "T", "arrays": [{"name": "A", "values": ["1","2","3","4","5","6","7"]}]})",
         "tabs[0].arrays[0].values: an array has at most 6 values"},
        {R"({"name": "T", "profiles": [{"name": "G", "members": [{"members": []}]}]})",
         "tabs[0].profiles[0].members[0].members: a profile of a group has no members"},
        {R"({"name": "T", "block": {"current": 4}})", "tabs[0].block.current: a text is expected"},
        {R"({"name": "T", "patterns": [{"name": "P", "directions": 1, "type": 0}]})",
         "tabs[0].patterns[0].type: a pattern in one direction is of type 1"},
        {R"({"name": "T", "patterns": [{"name": "P", "directions": 2, "type": 1}]})",
         "tabs[0].patterns[0].type: a pattern in two directions is of type 0 or 2"},
        {R"({"name": "T", "patterns": [{"name": "P", "type": 3}]})", "tabs[0].patterns[0].type: must be 0 to 2"},
    };
    for (const auto& c : cases) {
        LoadedMacro m;
        Ork_String error;
        const std::string doc = std::string(R"({"version": 1, "tabs": [)") + c.tabs + "]}";
        EXPECT_FALSE(readMacroJsonText(doc, m.db, m.data, error)) << c.tabs;
        EXPECT_NE(error.utf8().find(c.place), std::string::npos) << error.utf8();
        EXPECT_EQ(m.data.tabs.length(), 3);   // the macro as it was
    }
    LoadedMacro m;
    Ork_String error;
    EXPECT_FALSE(readMacroJsonText(R"({"dialog": {"filter1": {"items": ["a"], "choice": 1}}})", m.db, m.data, error));
    EXPECT_NE(error.utf8().find("dialog.filter1.choice"), std::string::npos) << error.utf8();
    EXPECT_FALSE(readMacroJsonText(R"({"dialog": {"objects": [0]}})", m.db, m.data, error));
    EXPECT_NE(error.utf8().find("dialog.objects[0]"), std::string::npos) << error.utf8();
}

TEST(MacroTabLookups, FindRecordsByNameButtonAndRow) {
    DialogMacro m;
    MacroTabData& plate = m.tab(u"EndPlate");
    MacroTabData& bolts = m.tab(u"BoltGroup");
    MacroTabData& beam = m.tab(u"Beam");
    EXPECT_EQ(plate.findCellWithName(u"Gap")->value, u"10");
    EXPECT_EQ(plate.findCellWithName(u"gap"), nullptr);
    EXPECT_EQ(bolts.findPatternWithName(u"P2")->nrBolts1, u"4");
    EXPECT_NE(beam.findProfDataWithGroup(u"Main"), nullptr);
    EXPECT_EQ(plate.findArrayWithName(u"None"), nullptr);
    EXPECT_EQ(plate.findCutWithName(u"None"), nullptr);

    // Nothing is shown yet: reference 0 identifies nothing.
    EXPECT_EQ(bolts.findPatternWithBtnId(0), nullptr);
    EXPECT_EQ(plate.findArrayWithBtnId(0), nullptr);
    EXPECT_EQ(beam.findProfDataWithButtonId(0), nullptr);

    bolts.findPattern(u"P1")->dlgRefButton = 33005;
    bolts.findPattern(u"P2")->dlgRefButton = -2;
    plate.arrays[0].dlgRefButton = -3;
    beam.profiles[0].dlgRefAdvanced = 33007;
    EXPECT_EQ(bolts.findPatternWithBtnId(33005)->name, u"P1");
    EXPECT_EQ(bolts.findPatternWithRow(2)->name, u"P2");
    EXPECT_EQ(bolts.findPatternWithRow(0), nullptr);
    EXPECT_EQ(plate.findArrayWithRow(3)->data.name, u"Stiffeners");
    EXPECT_EQ(plate.findArrayWithBtnId(-3), nullptr);   // a row is not a button
    EXPECT_EQ(beam.findProfDataWithButtonId(33007)->name, u"Main");
    EXPECT_TRUE(beam.advBtnForEveryGroup());
    EXPECT_FALSE(plate.advBtnForEveryGroup());   // no groups at all

    Ork_StringArray groups;
    beam.getProfGroups(groups);
    EXPECT_EQ(groups, (Ork_StringArray{u"Main"}));

    EXPECT_TRUE(plate.hasBtnFlexFix(u"Gap"));
    EXPECT_FALSE(plate.hasBtnFlexFix(u"Length"));
    Ork_Array<MacroFlexFixData> entries;
    ASSERT_TRUE(plate.findFlexFixGroup(u"Gaps", entries));
    EXPECT_EQ(entries.length(), 2);
    EXPECT_FALSE(plate.findFlexFixGroup(u"Other", entries));
    // Checked means flexible: a press that changes nothing reports no change.
    EXPECT_FALSE(plate.flexFixBtnClicked(u"Gaps", u"Gap", true));
    EXPECT_TRUE(plate.flexFixBtnClicked(u"Gaps", u"Gap", false));
    EXPECT_TRUE(plate.flexFix[0].fixed);
    EXPECT_FALSE(plate.flexFixBtnClicked(u"Other", u"Gap", true));
}

TEST(MacroTabLookups, RemoveAllDlgReferencesClearsEveryKind) {
    DialogMacro m;
    for (MacroTabData& t : m.data.tabs) {
        for (MacroCellData& c : t.cells)
            c.dlgRef = 33001;
        for (MacroPatternData& p : t.patterns)
            p.dlgRef1 = p.dlgRef2 = p.dlgRefButton = -1;
        if (t.bolt) {
            t.bolt->dlgRefs[4] = 33002;
            t.bolt->dlgRefButton = 33003;
        }
        for (MacroProfData& p : t.profiles)
            p.dlgRefSection = p.dlgRefPick = p.dlgRefOffset = p.dlgRefRotation = p.dlgRefAdvanced = 33004;
        for (MacroArrayData& a : t.arrays)
            a.dlgRefs[0] = a.dlgRefEntry = a.dlgRefButton = 33005;
        for (MacroCutData& c : t.cuts)
            c.dlgRef = 33006;
        if (t.block)
            t.block->dlgRef = 33007;
        t.removeAllDlgReferences();
        for (const MacroCellData& c : t.cells)
            EXPECT_EQ(c.dlgRef, 0);
        for (const MacroPatternData& p : t.patterns)
            EXPECT_EQ(p.dlgRef1 | p.dlgRef2 | p.dlgRefButton, 0);
        if (t.bolt) {
            EXPECT_EQ(t.bolt->dlgRefs[4] | t.bolt->dlgRefButton, 0);
        }
        for (const MacroProfData& p : t.profiles)
            EXPECT_EQ(p.dlgRefSection | p.dlgRefPick | p.dlgRefOffset | p.dlgRefRotation | p.dlgRefAdvanced, 0);
        for (const MacroArrayData& a : t.arrays)
            EXPECT_EQ(a.dlgRefs[0] | a.dlgRefEntry | a.dlgRefButton, 0);
        for (const MacroCutData& c : t.cuts)
            EXPECT_EQ(c.dlgRef, 0);
        if (t.block) {
            EXPECT_EQ(t.block->dlgRef, 0);
        }
    }
}

TEST(MacroTabDifferences, GiveOneCodePerChangedValue) {
    using namespace macrochange;
    const struct {
        const char16_t* tab;
        std::function<void(MacroTabData&)> change;
        std::vector<int> changed;
        std::vector<int> unchanged;
    } cases[] = {
        {u"EndPlate", [](MacroTabData&) {}, {}, {}},
        {u"EndPlate", [](MacroTabData& t) { t.cells[1].value = u"210"; }, {1}, {}},
        {u"EndPlate", [](MacroTabData& t) { t.cells[0].value = u"10.0"; }, {}, {0}},
        {u"EndPlate", [](MacroTabData& t) { t.cells[0].dlgRef = 33001; t.cells[0].readOnly = true; }, {}, {}},
        {u"EndPlate", [](MacroTabData& t) { t.cuts[0].state = 3; }, {kCutBase}, {}},
        {u"EndPlate", [](MacroTabData& t) { t.arrays[0].data.values[2] = u"9"; }, {kArrayBase}, {}},
        {u"EndPlate", [](MacroTabData& t) { t.block->current = u"Plate2"; }, {kBlock}, {}},
        {u"EndPlate", [](MacroTabData& t) { t.flexFix[1].fixed = false; }, {kFlexFix}, {}},
        {u"BoltGroup", [](MacroTabData& t) { t.patterns[1].nrBolts1 = u"5"; }, {kPatternBase - 1}, {}},
        {u"BoltGroup", [](MacroTabData& t) { t.patterns[0].props.alternation[0] = 1; }, {kPatternPropsBase}, {}},
        {u"BoltGroup", [](MacroTabData& t) { t.bolt->holeTolerance = u"3"; }, {kBolt}, {}},
        {u"BoltGroup", [](MacroTabData& t) { t.bolt->slots[0].radius = u"12"; }, {kBolt}, {}},
        {u"BoltGroup", [](MacroTabData& t) { t.bolt->diameter = u"20.0"; t.bolt->penetration = u"6"; }, {kBolt}, {}},
        {u"Beam", [](MacroTabData& t) { t.profiles[0].rotation = u"90"; }, {kProfile}, {}},
        {u"Beam", [](MacroTabData& t) { t.profiles[0].members[1].material = u"S235"; }, {kProfile}, {}},
        {u"Beam", [](MacroTabData& t) { t.segments[0].pointValues[1] = 25; }, {kSegments}, {}},
    };
    for (const auto& c : cases) {
        DialogMacro m;
        const MacroTabData before = m.tab(c.tab);
        c.change(m.tab(c.tab));
        AcArray<int> changed, unchanged;
        m.tab(c.tab).differences(before, changed, unchanged);
        EXPECT_EQ(codes(changed), c.changed) << Ork_String(c.tab).utf8();
        EXPECT_EQ(codes(unchanged), c.unchanged) << Ork_String(c.tab).utf8();
    }
}

TEST(MacroProfileGroups, MergedPropertiesReachEveryProfileExceptWhereMixed) {
    DialogMacro m;
    MacroTabData& beam = m.tab(u"Beam");
    MacroProfData props;
    ASSERT_TRUE(m.data.getMergedPropsOfGroup(u"Beam", u"Main", props));
    props.material = dialString(695);   // the profiles keep their own materials
    props.section = u"IPE-240";
    props.rotation = u"90";
    ASSERT_TRUE(m.data.setMergedPropsOfGroup(u"Beam", u"Main", props));
    MacroProfData member;
    ASSERT_TRUE(beam.getProfDataIndx(u"Main", 1, member));
    EXPECT_EQ(member.section, u"IPE-240");
    EXPECT_EQ(member.material, u"S355");
    EXPECT_EQ(member.rotation, u"90");
    EXPECT_EQ(member.objectId.asOldId(), 502);
    EXPECT_FALSE(m.data.setMergedPropsOfGroup(u"Nowhere", u"Main", props));
}

TEST(MacroPropertyFile, RoundTripsEveryValueKind) {
    TempFolder dir;
    DialogMacro m;
    const Ork_String path = dir.text(u"values.txt");
    Ork_String error;
    ASSERT_TRUE(m.data.writeToFile(path, error)) << error.utf8();

    DialogMacro other;
    MacroTabData& plate = other.tab(u"EndPlate");
    plate.cells[0].value = u"99";
    plate.cuts[0].state = 0;
    plate.arrays[0].data.values[5] = u"x";
    plate.block->current = u"Other";
    plate.flexFix[0].fixed = true;
    other.tab(u"BoltGroup").bolt->addedLength = u"7";
    other.tab(u"BoltGroup").patterns[0].nrBolts2 = u"9";
    other.tab(u"Beam").profiles[0].section = u"HEA-100";
    int unplaced = -1;
    ASSERT_TRUE(other.data.readFromFile(path, unplaced, error)) << error.utf8();
    EXPECT_EQ(unplaced, 0);
    EXPECT_EQ(macroValuesText(other.data), macroValuesText(m.data));
}

TEST(MacroPropertyFile, CountsValuesWithoutAPlace) {
    LoadedMacro old;   // lacks the dialog fixture's cells, arrays, bolt values...
    DialogMacro m;
    int unplaced = 0;
    Ork_String error;
    ASSERT_TRUE(readMacroValuesText(macroValuesText(m.data), old.data, unplaced, error)) << error.utf8();
    EXPECT_GT(unplaced, 0);
    EXPECT_EQ(old.tab(u"EndPlate").findCell(u"Gap")->value, u"10");
}

TEST(MacroPropertyFile, ABadFileChangesNothing) {
    DialogMacro m;
    const std::string good = macroValuesText(m.data);
    const std::string header = "Ork_PropertiesList 1\nformat\ti\t1\n";
    const struct {
        std::string text;
        const char* why;
    } cases[] = {
        {"not a property file", "line 1"},
        {"Ork_PropertiesList 1\nformat\ti\t2\nvalue.count\ti\t0\n", "\"format\" must be 1"},
        {header + "value.count\ti\t-1\n", "value.count"},
        {header + "value.count\ti\t2\nvalue.0.tab\ts\tEndPlate\nvalue.0.kind\ts\tcell\nvalue.0.name\ts\tGap\n"
                  "value.0.text\ts\t55\n",
         "value 1: tab, kind, name and text are needed"},
        {header + "value.count\ti\t1\nvalue.0.tab\ts\tEndPlate\nvalue.0.kind\ts\tcut\nvalue.0.name\ts\tCope\n"
                  "value.0.text\ts\t5\n",
         "value 0: \"5\" is not a whole number from 0 to 4"},
        {header + "value.count\ti\t1\nvalue.0.tab\ts\tEndPlate\nvalue.0.kind\ts\tcolour\nvalue.0.name\ts\tx\n"
                  "value.0.text\ts\t1\n",
         "unknown kind \"colour\""},
        {header + "value.count\ti\t1\nvalue.0.tab\ts\tEndPlate\nvalue.0.kind\ts\tarray\nvalue.0.name\ts\tStiffeners\n"
                  "value.0.text\ts\t1\nvalue.0.index\ti\t6\n",
         "index from 0 to 5"},
    };
    for (const auto& c : cases) {
        int unplaced = 7;
        Ork_String error;
        EXPECT_FALSE(readMacroValuesText(c.text, m.data, unplaced, error)) << c.why;
        EXPECT_NE(error.utf8().find(c.why), std::string::npos) << error.utf8();
        EXPECT_EQ(unplaced, 7);
        EXPECT_EQ(macroValuesText(m.data), good);
    }
    // The second value is bad: the first, good one is not placed either.
    int unplaced = 0;
    Ork_String error;
    EXPECT_FALSE(readMacroValuesText(cases[3].text, m.data, unplaced, error));
    EXPECT_EQ(m.tab(u"EndPlate").findCell(u"Gap")->value, u"10");
}

TEST(MacroPropertyFile, AFailedWriteKeepsTheOldFile) {
    TempFolder dir;
    DialogMacro m;
    Ork_String error;
    EXPECT_FALSE(m.data.writeToFile(dir.text(u"missing\\folder\\values.txt"), error));
    EXPECT_FALSE(error.isEmpty());
    const Ork_String path = dir.text(u"values.txt");
    ASSERT_TRUE(m.data.writeToFile(path, error));
    std::string before;
    ASSERT_TRUE(os::readBytes(path, before));
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    m.tab(u"EndPlate").cells[0].value = u"77";
    const bool wrote = m.data.writeToFile(path, error);
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    if (!wrote) {   // (a privileged user writes anyway)
        std::string after;
        ASSERT_TRUE(os::readBytes(path, after));
        EXPECT_EQ(after, before);
    }
}

TEST(MacroPropertyFile, ListsTheMacrosFolderOnly) {
    TempFolder lib;
    Ork_Settings::setLibDir(lib.folder());
    lib.put("Macro Values/EndPlateConnection/b.txt");
    lib.put("Macro Values/EndPlateConnection/a.txt");
    lib.put("Macro Values/EndPlateConnection/skip.bmp");
    lib.put("Macro Values/Other/c.txt");
    DialogMacro m;
    Ork_StringArray names;
    m.data.getPropFiles(names);
    EXPECT_EQ(names, (Ork_StringArray{u"a", u"b"}));
    m.data.name = u"..";
    m.data.getPropFiles(names);
    EXPECT_TRUE(names.isEmpty());
    EXPECT_FALSE(m.data.propListAllowed() && m.data.name.isEmpty());
    Ork_Settings::reset();
}

TEST(MacroDialogCalls, AreRecordedAndActOnTheRecord) {
    DialogMacro m;
    cadhost::HostLog::clear();
    EXPECT_TRUE(swapBlockRefs(m.data, u"EndPlate", u"Blocks\\Plate7.dwg"));
    EXPECT_EQ(m.tab(u"EndPlate").block->current, u"Plate7");
    EXPECT_FALSE(swapBlockRefs(m.data, u"BoltGroup", u"Blocks\\Plate7.dwg"));
    EXPECT_TRUE(UpdateAllFilterModified(m.data, false, 0) == false);   // the second filter has no items
    EXPECT_TRUE(UpdateAllFilterModified(m.data, true, 0));
    EXPECT_EQ(m.data.filter1.choice, 0);
    EXPECT_TRUE(m.data.changeView(u"EndPlate", 3));
    EXPECT_FALSE(m.data.changeView(u"EndPlate", 4));
    const MacroData before = m.data;
    m.tab(u"BoltGroup").bolt->diameter = u"24";
    EXPECT_TRUE(setAllToMacro(m.data, before));
    EXPECT_EQ(cadhost::HostLog::texts(),
              (std::vector<std::u16string>{u"swapBlockRefs(EndPlate, Blocks\\Plate7.dwg)",
                                           u"swapBlockRefs(BoltGroup, Blocks\\Plate7.dwg)",
                                           u"UpdateAllFilterModified(0, 0)", u"UpdateAllFilterModified(1, 0)",
                                           u"changeView(EndPlate, 3)", u"changeView(EndPlate, 4)",
                                           u"setAllToMacro(BoltGroup)"}));
    Ork_StringArray texts;
    getBasePlaneTexts(texts);
    ASSERT_EQ(texts.length(), 4);
    EXPECT_EQ(texts[3], dialString(695));
    getOffsetTypeTexts(texts);
    EXPECT_EQ(offsetTypeFromText(texts[2]), 2);
    EXPECT_EQ(offsetTypeFromText(u"nonsense"), -1);
}
