// The CIS/2 information dialog through its real window: both radio pairs and the boxes set from the flags,
// the five controls following the first pair's second button, the flags read back (the hidden fourth one
// too), and the section-name table edited through its host dialog.
#include "auxDlgTestSupport.h"

#include "SS/SSExports.h"
#include "nuvo/hostTexts.h"
#include "auxdlg/KvDlgCis2Data.h"
#include "grid/SpreadWindow.h"
#include "nuvo/sectionTranslation.h"
#include "resources/resourceIds.h"
#include "ui/Dialog.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int kFollowing[] = {IDC_CIS2_THIRD_OFF, IDC_CIS2_THIRD_ON, IDC_CIS2_TRANSLATION, IDC_CIS2_FLAG4,
                              IDC_CIS2_FLAG5};

class Cis2Dialog : public auxtest::AuxDlgTest {
protected:
    bool run(KvDlgCis2Data& data, const std::function<void(ui::Dialog&)>& drive,
             const std::function<void(ui::Script&)>& answers = {}) {
        ui::Script script;
        script.onModal(IDD_CIS2, [&](ui::Dialog& d) {
            drive(d);
            if (!d.isEnded())
                m_robot.click(d, ui::IDOK);
        });
        if (answers)
            answers(script);
        const bool ok = StartDlgCis2Info(data);
        EXPECT_EQ(script.remaining(), 0);
        return ok;
    }
    bool enabled(ui::Dialog& d, int id) { return d.getDlgItem(id)->isWindowEnabled(); }
};

TEST_F(Cis2Dialog, ShowsTheDefaultsWithItsTexts) {
    KvDlgCis2Data data;
    ASSERT_TRUE(run(data, [&](ui::Dialog& d) {
        EXPECT_EQ(d.getWindowText(), u"CIS/2 export");
        EXPECT_EQ(d.getDlgItemText(IDC_CIS2_EXPLANATION), dialString(1732) + u"\n\n" + dialString(1733));
        EXPECT_EQ(d.getDlgItemText(IDC_CIS2_FIRST_ON), u"Analysis model");
        EXPECT_EQ(d.getDlgItemText(IDC_CIS2_TRANSLATION), u"Section names...");
        EXPECT_EQ(d.isDlgButtonChecked(IDC_CIS2_FIRST_ON), 1);
        EXPECT_EQ(d.isDlgButtonChecked(IDC_CIS2_FIRST_OFF), 0);
        EXPECT_EQ(d.isDlgButtonChecked(IDC_CIS2_FLAG2), 1);
        EXPECT_EQ(d.isDlgButtonChecked(IDC_CIS2_THIRD_OFF), 1);
        EXPECT_EQ(d.isDlgButtonChecked(IDC_CIS2_THIRD_ON), 0);
        EXPECT_FALSE(d.getDlgItem(IDC_CIS2_FLAG4)->isWindowVisible());
        for (int id : kFollowing)
            EXPECT_FALSE(enabled(d, id)) << id;
    }));
    EXPECT_TRUE(data.flag1 && data.flag2 && !data.flag3 && !data.flag4 && !data.flag5);
}

TEST_F(Cis2Dialog, SetsBothPairsFromTheFlagsAndReadsThemBack) {
    KvDlgCis2Data data;
    data.flag1 = false;
    data.flag2 = false;
    data.flag3 = true;
    data.flag4 = true;
    data.flag5 = true;
    ASSERT_TRUE(run(data, [&](ui::Dialog& d) {
        EXPECT_EQ(d.isDlgButtonChecked(IDC_CIS2_FIRST_OFF), 1);
        EXPECT_EQ(d.isDlgButtonChecked(IDC_CIS2_THIRD_ON), 1);
        EXPECT_EQ(d.isDlgButtonChecked(IDC_CIS2_FLAG4), 1);
        for (int id : kFollowing)
            EXPECT_TRUE(enabled(d, id)) << id;
        m_robot.click(d, IDC_CIS2_THIRD_OFF);
        m_robot.click(d, IDC_CIS2_FLAG5);
        m_robot.click(d, IDC_CIS2_FLAG2);
    }));
    EXPECT_FALSE(data.flag1);
    EXPECT_TRUE(data.flag2);
    EXPECT_FALSE(data.flag3);
    EXPECT_TRUE(data.flag4);  // hidden, carried through
    EXPECT_FALSE(data.flag5);
}

TEST_F(Cis2Dialog, TheFiveControlsFollowTheFirstPairsSecondButton) {
    KvDlgCis2Data data;
    ASSERT_TRUE(run(data, [&](ui::Dialog& d) {
        m_robot.click(d, IDC_CIS2_FIRST_OFF);
        for (int id : kFollowing)
            EXPECT_TRUE(enabled(d, id)) << id;
        m_robot.click(d, IDC_CIS2_FIRST_ON);
        for (int id : kFollowing)
            EXPECT_FALSE(enabled(d, id)) << id;
        m_robot.click(d, IDC_CIS2_FIRST_OFF);
    }));
    EXPECT_FALSE(data.flag1);
}

TEST_F(Cis2Dialog, CancelLeavesTheRecord) {
    KvDlgCis2Data data;
    EXPECT_FALSE(run(data, [&](ui::Dialog& d) {
        m_robot.click(d, IDC_CIS2_FLAG2);
        m_robot.click(d, ui::IDCANCEL);
    }));
    EXPECT_TRUE(data.flag2);
}

TEST_F(Cis2Dialog, TheTranslationButtonReadsAndWritesTheSectionNames) {
    m_library.put("CIS2ProfNames.dat", "HEA 200\tHE200A\nIPE 300\tIPE300\n");
    KvDlgCis2Data data;
    data.flag1 = false;
    run(data, [&](ui::Dialog& d) { m_robot.click(d, IDC_CIS2_TRANSLATION); },
        [&](ui::Script& s) {
            s.onModal(nuvo::kSectionTranslationDialog, [&](ui::Dialog& editor) {
                EXPECT_EQ(editor.getWindowText(), u"CIS/2 section names");
                EXPECT_EQ(editor.getDlgItemText(nuvo::kSectionTranslationText), dialString(670));
                grid::SpreadWindow* grid =
                    grid::SpreadWindow::fromWindow(editor.getDlgItem(nuvo::kSectionTranslationGrid));
                ASSERT_NE(grid, nullptr);
                EXPECT_EQ(grid->sheet().data(1, 1), u"HEA 200");
                EXPECT_EQ(grid->sheet().data(2, 2), u"IPE300");
                grid->sheet().setData(2, 1, u"HEA200");
                grid->sheet().setData(1, 3, u"UPN 100");
                grid->sheet().setData(2, 3, u"UPN100");
                m_robot.click(editor, ui::IDOK);
            });
        });
    EXPECT_EQ(m_library.get("CIS2ProfNames.dat"), "HEA 200\tHEA200\nIPE 300\tIPE300\nUPN 100\tUPN100\n");
}

TEST_F(Cis2Dialog, CancellingTheTranslationKeepsTheFile) {
    m_library.put("CIS2ProfNames.dat", "HEA 200\tHE200A\n");
    KvDlgCis2Data data;
    data.flag1 = false;
    run(data, [&](ui::Dialog& d) { m_robot.click(d, IDC_CIS2_TRANSLATION); },
        [&](ui::Script& s) {
            s.onModal(nuvo::kSectionTranslationDialog, [&](ui::Dialog& editor) {
                grid::SpreadWindow::fromWindow(editor.getDlgItem(nuvo::kSectionTranslationGrid))->sheet().setData(1, 1, u"x");
                m_robot.click(editor, ui::IDCANCEL);
            });
        });
    EXPECT_EQ(m_library.get("CIS2ProfNames.dat"), "HEA 200\tHE200A\n");
}

TEST(SectionTranslation, ParsesTwoColumnsAndRefusesOtherLines) {
    Ork_Array<Ork_StringArray> rows;
    Ork_String error;
    ASSERT_TRUE(nuvo::parseSectionTranslation("\xEF\xBB\xBFHEA 200\tHE200A\r\n\r\nL 50x5\t\r\n", rows, error));
    ASSERT_EQ(rows.length(), 2);
    EXPECT_EQ(rows[0], (Ork_StringArray{u"HEA 200", u"HE200A"}));
    EXPECT_EQ(rows[1], (Ork_StringArray{u"L 50x5", u""}));
    rows.append(Ork_StringArray{u"kept"});
    EXPECT_FALSE(nuvo::parseSectionTranslation("A\tB\nonly one\n", rows, error));
    EXPECT_EQ(error, u"line 2: a section name, TAB and its CIS/2 name expected");
    EXPECT_FALSE(nuvo::parseSectionTranslation("A\tB\tC\n", rows, error));
    EXPECT_EQ(rows.length(), 3);
}

} // namespace
