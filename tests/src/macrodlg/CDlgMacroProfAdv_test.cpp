// The advanced profile dialog through its window: what it shows of the record, what it reads back, which
// user actions apply the record through the callback, and the host actions around it.
#include "src/macrodlg/macroDlgTestSupport.h"

#include "cadhost/HostLog.h"
#include "macrodlg/CDlgMacroProfAdv.h"
#include "nuvo/DlgSizeStore.h"
#include "nuvo/hostTexts.h"
#include "nuvo/macro/macroEditorCalls.h"
#include "nuvo/macro/profPlacementCalls.h"
#include "resources/resourceIds.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Robot.h"
#include "ui/paint/WindowPainter.h"

#include <algorithm>
#include <functional>
#include <set>

using namespace macrodlgtest;

namespace {

// What the dialog handed its callback, in order; the test's record stands for the host's.
struct CallbackLog {
    std::vector<int> types;
    std::vector<MacroProfData> applied;
    MacroProfData loaded;
    ui::Window* watched = nullptr;      // whose visibility each callback notes
    std::vector<bool> visible;
};
CallbackLog* gLog = nullptr;

bool recordingCallback(int type, KvMACallBackData&, MacroProfData& profile) {
    cadhost::HostLog::record(u"callback", {Ork_String(type)});
    gLog->types.push_back(type);
    if (gLog->watched)
        gLog->visible.push_back(gLog->watched->isWindowVisible());
    if (type == 0)
        profile = gLog->loaded;
    else if (type == 1)
        gLog->applied.push_back(profile);
    return true;
}

class ProfAdvTest : public MacroDlgTest {
protected:
    void SetUp() override {
        MacroDlgTest::SetUp();
        gLog = &m_log;
        nuvo::resetDrawingCoordSystems();
        m_lib.put("prof/IPE.pr", "IPE.dwg\nSysName\tI/O\tEnglish\tDutch\tGerman\tFrench\th\n"
                                 "200\t1\tIPE 200\tIPE 200\tIPE 200\tIPE 200\t200\n"
                                 "220\t0\tIPE 220\tIPE 220\tIPE 220\tIPE 220\t220\n"
                                 "240\t1\tIPE 240\tIPE 240\tIPE 240\tIPE 240\t240\n");
    }
    void TearDown() override {
        gLog = nullptr;
        MacroDlgTest::TearDown();
    }

    // Runs the dialog on the record with the recording callback; `steps` drive it, then OK unless they ended it.
    void run(const MacroProfData& record, const std::function<void(CDlgMacroProfAdv&)>& steps,
             bool withCallback = true) {
        m_log.loaded = record;
        ui::Script script(frametest::gtestFailure());
        m_script = &script;
        script.onModal(IDD_MACRO_PROF_ADV, [&](ui::Dialog& dialog) {
            auto& adv = dynamic_cast<CDlgMacroProfAdv&>(dialog);
            steps(adv);
            if (adv.isWindow() && adv.isWindowVisible())
                m_robot.click(adv, ui::IDOK);
        });
        CDlgMacroProfAdv dialog;
        if (withCallback)
            dialog.m_callback = recordingCallback;
        m_result = dialog.doModal();
        m_script = nullptr;
    }

    static ui::ComboBox& combo(CDlgMacroProfAdv& d, int id) { return *d.getDlgItemAs<ui::ComboBox>(id); }
    static bool checked(CDlgMacroProfAdv& d, int id) { return d.isDlgButtonChecked(id) == ui::BST_CHECKED; }
    static bool enabled(CDlgMacroProfAdv& d, int id) { return d.getDlgItem(id)->isWindowEnabled(); }
    int applies() const { return static_cast<int>(std::count(m_log.types.begin(), m_log.types.end(), 1)); }

    CallbackLog m_log;
    ui::Robot m_robot{frametest::gtestFailure()};
    ui::Script* m_script = nullptr;
    int m_result = 0;
};

MacroProfData ipe() {
    MacroProfData p;
    p.name = u"Main";
    p.section = u"IPE-200";
    p.rotation = u"0";
    return p;
}

} // namespace

TEST_F(ProfAdvTest, InsertionButtonsAndOffsetTypesMapBothWays) {
    const int map[][2] = {{3, 5}, {5, 2}, {6, 8}, {7, 4}, {8, 6}, {9, 1}, {10, 3}, {11, 7}, {12, 9}};
    for (const auto& [position, button] : map) {
        EXPECT_EQ(CDlgMacroProfAdv::insertionOfOffset(position), button);
        EXPECT_EQ(CDlgMacroProfAdv::offsetOfInsertion(button), position);
    }
    EXPECT_EQ(CDlgMacroProfAdv::insertionOfOffset(1), 0);
    MacroProfData p = ipe();
    p.offsetType = 9;
    run(p, [&](CDlgMacroProfAdv& d) {
        EXPECT_TRUE(checked(d, IDC_PA_INSERT_1));          // position 9: the top left button
        EXPECT_FALSE(enabled(d, IDC_PA_X));
        m_robot.click(d, IDC_PA_INSERT_1 + 8);             // the bottom right one: position 12
        EXPECT_EQ(combo(d, IDC_PA_OFFSET_TYPE).getCurSel(), 12);
        EXPECT_EQ(m_log.applied.back().offsetType, 12);
        // A position without a button checks none; position 0 opens the offsets.
        m_robot.choose(combo(d, IDC_PA_OFFSET_TYPE), 1);
        for (int i = 0; i < 9; ++i)
            EXPECT_FALSE(checked(d, IDC_PA_INSERT_1 + i));
        m_robot.choose(combo(d, IDC_PA_OFFSET_TYPE), 0);
        EXPECT_TRUE(enabled(d, IDC_PA_X));
        EXPECT_TRUE(enabled(d, IDC_PA_Y));
        // The mixed entry sets the mixed flag and keeps the type.
        m_robot.choose(combo(d, IDC_PA_OFFSET_TYPE), combo(d, IDC_PA_OFFSET_TYPE).getCount() - 1);
        EXPECT_TRUE(m_log.applied.back().offsetMixed);
        EXPECT_EQ(m_log.applied.back().offsetType, 0);
    });
}

TEST_F(ProfAdvTest, RotationsShowTheirRadiosAndReadBack) {
    MacroProfData p = ipe();
    p.rotation = u"45";
    run(p, [&](CDlgMacroProfAdv& d) {
        EXPECT_TRUE(checked(d, IDC_PA_ROT_CUSTOM));
        EXPECT_EQ(d.getDlgItemText(IDC_PA_ROT_ANGLE), u"45");
        EXPECT_TRUE(enabled(d, IDC_PA_ROT_ANGLE));
    });
    EXPECT_EQ(m_log.applied.back().rotation, u"45");   // OK applied it unchanged

    p.rotation = u"90";
    run(p, [&](CDlgMacroProfAdv& d) {
        EXPECT_TRUE(checked(d, IDC_PA_ROT_90));
        EXPECT_FALSE(enabled(d, IDC_PA_ROT_ANGLE));
        m_robot.click(d, IDC_PA_ROT_270);
        EXPECT_EQ(m_log.applied.back().rotation, u"270");
    });
    p.rotation = dialString(695);
    run(p, [&](CDlgMacroProfAdv& d) { EXPECT_TRUE(checked(d, IDC_PA_ROT_MIXED)); });
    EXPECT_EQ(m_log.applied.back().rotation, dialString(695));
}

TEST_F(ProfAdvTest, OnlyTheirEventsApply) {
    run(ipe(), [&](CDlgMacroProfAdv& d) {
        int before = applies();
        // The custom rotation only opens its field, the mixed rotation and the mixed and coordinate system
        // planes only update enabled states; typed text waits for the next apply.
        m_robot.click(d, IDC_PA_ROT_CUSTOM);
        EXPECT_TRUE(enabled(d, IDC_PA_ROT_ANGLE));
        m_robot.replaceTextOf(d, IDC_PA_ROT_ANGLE, u"30");
        m_robot.click(d, IDC_PA_ROT_MIXED);
        m_robot.click(d, IDC_PA_PLANE_MIXED);
        m_robot.click(d, IDC_PA_PLANE_CS);
        EXPECT_EQ(applies(), before);
        EXPECT_TRUE(enabled(d, IDC_PA_COORDSYS));
        EXPECT_TRUE(enabled(d, IDC_PA_AXIS));
        EXPECT_TRUE(enabled(d, IDC_PA_PLANE_PICK));
        EXPECT_EQ(d.getDlgItemText(IDC_PA_PLANE_PICK), dialString(1368) + u"...");
        // The orientation, the axis, the on-segment box and Enter apply.
        m_robot.choose(combo(d, IDC_PA_ORIENTATION), 3);
        EXPECT_EQ(applies(), ++before);
        EXPECT_EQ(m_log.applied.back().orientation, 3);
        m_robot.choose(combo(d, IDC_PA_AXIS), 0);
        EXPECT_EQ(applies(), ++before);
        EXPECT_EQ(m_log.applied.back().plane, u"xp");
        EXPECT_EQ(m_log.applied.back().planeId, AcDbObjectId(301));   // the drop-down's first system
        EXPECT_FALSE(enabled(d, IDC_PA_SEGMENT));
        m_robot.click(d, IDC_PA_ON_SEGMENT);
        EXPECT_TRUE(enabled(d, IDC_PA_SEGMENT));
        EXPECT_EQ(applies(), ++before);
        m_robot.click(d, IDC_PA_ROT_CUSTOM);
        m_robot.replaceTextOf(d, IDC_PA_ROT_ANGLE, u"30");
        m_robot.key(ui::VK_RETURN);
        EXPECT_EQ(applies(), ++before);
        EXPECT_EQ(m_log.applied.back().rotation, u"30");
        EXPECT_TRUE(d.isWindowVisible());   // Enter does not close
    });
    EXPECT_EQ(m_result, ui::IDOK);
}

TEST_F(ProfAdvTest, PlaneRadiosShowReadAndMakeTheOwnSystemOnce) {
    MacroProfData p = ipe();
    p.plane = u"";
    run(p, [&](CDlgMacroProfAdv& d) {
        EXPECT_TRUE(checked(d, IDC_PA_PLANE_WCS));
        EXPECT_FALSE(enabled(d, IDC_PA_PLANE_PICK));
        EXPECT_FALSE(enabled(d, IDC_PA_AXIS));
        m_robot.click(d, IDC_PA_PLANE_OWN);
        m_robot.click(d, IDC_PA_PLANE_WCS);
        EXPECT_TRUE(m_log.applied.back().plane.isEmpty());
        m_robot.click(d, IDC_PA_PLANE_OWN);
        EXPECT_EQ(m_log.applied.back().plane, u"zp");   // the axis list starts at its third entry
        EXPECT_EQ(m_log.applied.back().planeId, d.ownCoordSys());
        EXPECT_TRUE(enabled(d, IDC_PA_AXIS));
        EXPECT_FALSE(enabled(d, IDC_PA_COORDSYS));
    });
    EXPECT_EQ(calls(u"createCoordSys").size(), 1u);
    p.plane = u"yp";
    run(p, [&](CDlgMacroProfAdv& d) { EXPECT_TRUE(checked(d, IDC_PA_PLANE_PICKED)); });
    p.plane = dialString(695);
    run(p, [&](CDlgMacroProfAdv& d) { EXPECT_TRUE(checked(d, IDC_PA_PLANE_MIXED)); });
    EXPECT_EQ(m_log.applied.back().plane, dialString(695));
}

TEST_F(ProfAdvTest, HostActionsHandTheEditorTheInputWithTheDialogHidden) {
    run(ipe(), [&](CDlgMacroProfAdv& d) {
        m_robot.click(d, IDC_PA_ROT_90);
        cadhost::HostLog::clear();
        m_log.types.clear();
        m_log.watched = &d;
        m_script->answerPick({true, {u"10", u"20", u"0"}});
        m_robot.click(d, IDC_PA_CHOOSE_POINT);
        std::vector<std::u16string> names;
        for (const cadhost::HostCall& c : cadhost::HostLog::calls())
            names.push_back(c.name);
        EXPECT_EQ(names, (std::vector<std::u16string>{u"BeginEditorCommand", u"callback", u"UserChooseSectionPoint",
                                                      u"callback", u"CompleteEditorCommand", u"callback"}));
        EXPECT_EQ(m_log.types, (std::vector<int>{2, 3, 1}));
        EXPECT_EQ(calls(u"UserChooseSectionPoint"),
                  (std::vector<std::u16string>{u"UserChooseSectionPoint(IPE-200, 1.5708)"}));
        EXPECT_TRUE(m_log.applied.back().pointChosen);
        EXPECT_EQ(m_log.applied.back().point[1], 20.0);
        EXPECT_EQ(m_log.visible, (std::vector<bool>{false, false, true}));   // hidden for 2 and 3
        m_log.watched = nullptr;
        // A pick the user breaks off applies nothing.
        m_log.types.clear();
        m_script->answerPick({false, {}});
        m_robot.click(d, IDC_PA_CHOOSE_POINT);
        EXPECT_EQ(m_log.types, (std::vector<int>{2, 3}));
        // The picked plane radio starts the plane pick at once.
        m_script->answerPick({true, {u"55", u"xp"}});
        m_robot.click(d, IDC_PA_PLANE_PICKED);
        EXPECT_EQ(m_log.applied.back().planeId, AcDbObjectId(55));
        EXPECT_EQ(m_log.applied.back().plane, u"xp");
        EXPECT_EQ(calls(u"UserSelectPlane").size(), 1u);
    });
}

TEST_F(ProfAdvTest, ZoomIsGuardedAgainstReentry) {
    run(ipe(), [&](CDlgMacroProfAdv& d) {
        cadhost::HostLog::clear();
        nuvo::duringNextZoom([&] { m_robot.click(d, IDC_PA_ZOOM); });
        nuvo::duringNextZoom([&] {});
        m_robot.click(d, IDC_PA_ZOOM);
        EXPECT_EQ(calls(u"ZoomCommand").size(), 1u);
    });
}

TEST_F(ProfAdvTest, APickedSectionIsAppliedWithoutReadingTheDropDown) {
    run(ipe(), [&](CDlgMacroProfAdv& d) {
        ui::ComboBox& sections = combo(d, IDC_PA_SECTION);
        // The table's active sizes under their users' names, then the mixed entry.
        ASSERT_EQ(sections.getCount(), 3);
        EXPECT_EQ(sections.getLBText(0), u"IPE 200");
        EXPECT_EQ(sections.getLBText(2), dialString(695));
        EXPECT_EQ(sections.getCurSel(), 0);
        m_script->answerPick({true, {u"prof\\IPE-240"}});
        m_robot.click(d, IDC_PA_SECTION_PICK);
        EXPECT_EQ(m_log.applied.back().section, u"IPE-240");
        EXPECT_EQ(sections.getLBText(sections.getCurSel()), u"IPE 240");
        m_robot.choose(sections, 0);
        EXPECT_EQ(m_log.applied.back().section, u"IPE-200");
    });
}

TEST_F(ProfAdvTest, SectionListsOfUserSectionsAndUnreadableTables) {
    MacroProfData p = ipe();
    p.section = u"User Sections\\Rail 40.dwg";
    run(p, [&](CDlgMacroProfAdv& d) {
        ui::ComboBox& sections = combo(d, IDC_PA_SECTION);
        ASSERT_EQ(sections.getCount(), 2);
        EXPECT_EQ(sections.getLBText(0), u"Rail 40");
        EXPECT_EQ(sections.getLBText(1), dialString(695));
    });
    EXPECT_EQ(m_log.applied.back().section, u"User Sections\\Rail 40.dwg");
    // A table name that climbs out of the section folder reads nothing; the record's name stays.
    m_lib.put("secret.pr", "1\nSysName\tI/O\tEnglish\tDutch\tGerman\tFrench\nx\t1\tX\tX\tX\tX\n");
    for (const char16_t* name : {u"..\\secret-x", u"/etc/passwd-1", u"C:\\secret-x"}) {
        p.section = name;
        run(p, [&](CDlgMacroProfAdv& d) {
            EXPECT_EQ(combo(d, IDC_PA_SECTION).getCount(), 1);
            EXPECT_EQ(combo(d, IDC_PA_SECTION).getCurSel(), -1);
        });
        EXPECT_EQ(m_log.applied.back().section, Ork_String(name));
    }
}

TEST_F(ProfAdvTest, DropDownsWithNothingChosenKeepTheRecordsValues) {
    MacroProfData p = ipe();
    p.section = u"IPE-220";     // an inactive size: not in the list
    p.offsetType = 40;          // outside the host's list
    p.orientation = 99;
    run(p, [&](CDlgMacroProfAdv& d) {
        EXPECT_EQ(combo(d, IDC_PA_SECTION).getCurSel(), -1);
        EXPECT_EQ(combo(d, IDC_PA_OFFSET_TYPE).getCurSel(), -1);
        m_robot.click(d, IDC_PA_ROT_180);
    });
    EXPECT_EQ(m_log.applied.back().section, u"IPE-220");
    EXPECT_EQ(m_log.applied.back().offsetType, 40);
    EXPECT_EQ(m_log.applied.back().orientation, 99);
    EXPECT_EQ(m_log.applied.back().rotation, u"180");
}

TEST_F(ProfAdvTest, TheTriStateBoxLosesItsIndeterminateStateForGood) {
    MacroProfData p = ipe();
    p.triState = -1;   // mixed
    run(p, [&](CDlgMacroProfAdv& d) {
        EXPECT_EQ(d.isDlgButtonChecked(IDC_PA_TRISTATE), ui::BST_INDETERMINATE);
        m_robot.click(d, IDC_PA_TRISTATE);
        for (int i = 0; i < 3; ++i) {
            EXPECT_NE(m_log.applied.back().triState, -1);
            m_robot.click(d, IDC_PA_TRISTATE);
        }
    });
}

TEST_F(ProfAdvTest, TheMorphedFormGrowsTheDialogAndIsHiddenOtherwise) {
    int plainHeight = 0;
    run(ipe(), [&](CDlgMacroProfAdv& d) {
        plainHeight = d.getClientRect().height();
        for (int id : {IDC_PA_SECTION2, IDC_PA_MORPH1, IDC_PA_MORPH2_LABEL})
            EXPECT_FALSE(d.getDlgItem(id)->isWindowVisible());
    });
    int plainWidth = 0, plainStored = 0;
    ASSERT_TRUE(DlgSizeStore::instance().get(u"DLG_MACRO_PROFADVANCED", plainWidth, plainStored));
    MacroProfData p = ipe();
    p.morphed = true;
    p.section2 = u"IPE-240";
    p.morphText1 = u"100";
    run(p, [&](CDlgMacroProfAdv& d) {
        EXPECT_EQ(d.getClientRect().height(), plainHeight + CDlgMacroProfAdv::kMorphGrowth);
        EXPECT_TRUE(d.getDlgItem(IDC_PA_SECTION2)->isWindowVisible());
        EXPECT_EQ(d.getDlgItemText(IDC_PA_MORPH1), u"100");
        // The offset group moved below the morphed form; the section stayed.
        EXPECT_GE(d.getDlgItem(IDC_PA_OFFSET_GROUP)->getRectInParent().top,
                  d.getDlgItem(IDC_PA_MORPH1)->getRectInParent().bottom);
        m_robot.choose(combo(d, IDC_PA_SECTION2), 0);
        EXPECT_EQ(m_log.applied.back().section2, u"IPE-200");
    });
    // The growth is not stored: the next plain profile opens at the plain size.
    int w = 0, h = 0;
    ASSERT_TRUE(DlgSizeStore::instance().get(u"DLG_MACRO_PROFADVANCED", w, h));
    EXPECT_EQ(h, plainStored);
    run(ipe(), [&](CDlgMacroProfAdv& d) { EXPECT_EQ(d.getClientRect().height(), plainHeight); });
}

TEST_F(ProfAdvTest, WithoutACallbackTheFormIsEmptyAndOkAppliesNothing) {
    run(ipe(), [&](CDlgMacroProfAdv& d) {
        EXPECT_TRUE(d.getDlgItemText(IDC_PA_GROUP).empty());
        EXPECT_FALSE(d.getDlgItem(ui::IDCANCEL)->isWindowVisible());
        EXPECT_EQ(d.getWindowText(), dialString(1011));
        EXPECT_EQ(d.getDlgItemText(ui::IDOK), dialString(285));
    }, false);
    EXPECT_EQ(m_result, ui::IDOK);
    EXPECT_TRUE(m_log.types.empty());
}

TEST_F(ProfAdvTest, SeveralObjectsShowTheMultiObjectBoxAndGiveItBack) {
    m_log.loaded = ipe();
    ui::Script script(frametest::gtestFailure());
    script.onModal(IDD_MACRO_PROF_ADV, [&](ui::Dialog& dialog) {
        auto& d = dynamic_cast<CDlgMacroProfAdv&>(dialog);
        EXPECT_TRUE(d.getDlgItem(IDC_PA_MULTI)->isWindowVisible());
        EXPECT_FALSE(d.getDlgItem(IDC_PA_GROUP)->isWindowVisible());
        EXPECT_FALSE(checked(d, IDC_PA_MULTI));
        m_robot.click(d, IDC_PA_MULTI);
        m_robot.click(d, ui::IDOK);
    });
    AcArray<AcDbObjectId> ids{AcDbObjectId(1), AcDbObjectId(2)};
    bool multi = false;
    StartDlgMacroProfAdv(&ids, multi, recordingCallback);
    EXPECT_TRUE(multi);
    EXPECT_EQ(m_log.types.front(), 0);
    EXPECT_EQ(m_log.types.back(), 1);
    EXPECT_EQ(m_log.applied.back().name, u"Main");   // the hidden group name is not read
}

TEST_F(ProfAdvTest, TheEraseRuleFollowsTheRecordsFlag) {
    MacroData macro;
    MacroTabData tab;
    tab.name = u"Beam";
    tab.type = MacroTabData::kProfileTab;
    MacroProfData g = ipe();
    tab.profiles.append(g);
    macro.tabs.append(tab);
    macro.objects.append(AcDbObjectId(5));
    ui::Script script(frametest::gtestFailure());
    script.onModal(IDD_MACRO_PROF_ADV, [](ui::Dialog& dialog) {
        dynamic_cast<CDlgMacroProfAdv&>(dialog).m_workingObject = AcDbObjectId(77);
        dialog.endDialog(ui::IDOK);
    });
    StartDlgMacroProfAdv(macro, u"Beam", u"Main", false);
    EXPECT_TRUE(calls(u"EraseObject").empty());   // no flag: the object and the working object stay
    macro.eraseAfterProfAdv = true;
    script.onModal(IDD_MACRO_PROF_ADV, [](ui::Dialog& dialog) {
        dynamic_cast<CDlgMacroProfAdv&>(dialog).m_workingObject = AcDbObjectId(77);
        dialog.endDialog(ui::IDOK);
    });
    StartDlgMacroProfAdv(macro, u"Beam", u"Main", false);
    EXPECT_EQ(calls(u"EraseObject"), (std::vector<std::u16string>{u"EraseObject(5)", u"EraseObject(77)"}));
}

TEST_F(ProfAdvTest, TheProfilePagesAdvancedButtonOpensItOnTheGroup) {
    MacroData macro;
    MacroTabData tab;
    tab.name = u"Beam";
    tab.type = MacroTabData::kProfileTab;
    MacroProfData g = ipe();
    MacroProfData member = ipe();
    member.objectId = AcDbObjectId(7);
    g.members.push_back(member);
    tab.profiles.append(g);
    macro.tabs.append(tab);
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    ui::Script script(frametest::gtestFailure());
    script.onModal(IDD_MACRO_PROF_ADV, [&](ui::Dialog& d) {
        auto& adv = dynamic_cast<CDlgMacroProfAdv&>(d);
        EXPECT_EQ(adv.m_callbackData.group, u"Beam");
        EXPECT_EQ(adv.getDlgItemText(IDC_PA_GROUP), u"Main");
        cadhost::HostLog::clear();
        m_robot.click(adv, IDC_PA_ROT_180);
        EXPECT_EQ(calls(u"UpdateModule"), (std::vector<std::u16string>{u"UpdateModule(Beam, -13, )"}));
        m_robot.click(adv, ui::IDOK);
    });
    auto& page = *dialog->tabWindows()[0];
    m_robot.click(page, IDC_MT_ADVANCED);
    EXPECT_EQ(dialog->macro.tabs[0].profiles[0].rotation, u"180");
}

TEST_F(ProfAdvTest, ItsPictureHasASaneSizeAndItsTitle) {
    run(ipe(), [&](CDlgMacroProfAdv& d) {
        const ui::Canvas picture = ui::renderWindow(d);
        EXPECT_GE(picture.width(), 400);
        EXPECT_GE(picture.height(), 400);
        EXPECT_LE(picture.width(), 1000);
        EXPECT_LE(picture.height(), 1000);
        // Title text pixels on the caption bar: a caption bar of one colour would be no title.
        std::set<ui::Color> colours;
        for (int y = 2; y < 18; ++y)
            for (int x = 5; x < 120; ++x)
                colours.insert(picture.pixel(x, y));
        EXPECT_GT(colours.size(), 1u);
        std::u16string error;
        EXPECT_TRUE(ui::writeWindowPng(d, m_lib.path() / "profadv.png", error));
        EXPECT_GT(std::filesystem::file_size(m_lib.path() / "profadv.png"), 1000u);
    });
}

TEST_F(ProfAdvTest, OffsetsKeepTheRecordsValueUntilTheirTextChanges) {
    MacroProfData p = ipe();
    p.xOffset = 1.23456;
    p.yOffset = -0.00049;
    run(p, [&](CDlgMacroProfAdv& d) {
        EXPECT_EQ(d.getDlgItemText(IDC_PA_X), u"1.235");
        EXPECT_EQ(d.getDlgItemText(IDC_PA_Y), u"0.000");
        m_robot.click(d, IDC_PA_ROT_90);
        EXPECT_EQ(m_log.applied.back().xOffset, 1.23456);
        EXPECT_EQ(m_log.applied.back().yOffset, -0.00049);
        m_robot.replaceTextOf(d, IDC_PA_X, u"2.5");
    });
    EXPECT_EQ(m_log.applied.back().xOffset, 2.5);
    EXPECT_EQ(m_log.applied.back().yOffset, -0.00049);
}
