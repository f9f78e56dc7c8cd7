// The DSTV point editor through its real window: what a point shows, what is stored back (exactly, unless
// edited), the enabling rules, the side lists' exclusion, and "+" and "-" with the point on show.
#include "auxDlgTestSupport.h"

#include "auxdlg/CDlgEditDstvPoints.h"
#include "base/KvResourceGuard.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "ui/ComboBox.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using auxtest::pointTexts;
using Points = std::vector<std::string>;

Ork_DstvPointInfo point(const char16_t* name, double distance = 50, double diameter = 16) {
    Ork_DstvPointInfo p{Ork_String(name)};
    p.setPlateSelection(1, 2, distance);
    p.setDrillFullHole(true, false, diameter);
    return p;
}

class DstvEditor : public auxtest::AuxDlgTest {
protected:
    // The editor on `points`, driven by `drive`; the points as it left them when it ended with OK.
    bool run(Ork_Array<Ork_DstvPointInfo>& points, const std::function<void(CDlgEditDstvPoints&)>& drive,
             const std::function<void(ui::Script&)>& answers = {}) {
        KvResourceGuard guard;
        ui::Script script;
        script.onModal(IDD_EDIT_DSTV_POINTS, [&](ui::Dialog& d) {
            drive(dynamic_cast<CDlgEditDstvPoints&>(d));
            if (!d.isEnded())
                m_robot.click(d, ui::IDOK);
        });
        if (answers)
            answers(script);
        CDlgEditDstvPoints editor;
        editor.m_points = points;
        const bool ok = editor.doModal() == ui::IDOK;
        if (ok)
            points = editor.m_points;
        EXPECT_EQ(script.remaining(), 0);
        return ok;
    }
    ui::ComboBox& combo(ui::Dialog& d, int id) { return *d.getDlgItemAs<ui::ComboBox>(id); }
    bool enabled(ui::Dialog& d, int id) { return d.getDlgItem(id)->isWindowEnabled(); }
    Ork_Array<Ork_DstvPointInfo> threePoints() {
        Ork_Array<Ork_DstvPointInfo> points;
        points.append(point(u"A"));
        points.append(point(u"B"));
        points.append(point(u"C"));
        return points;
    }
};

TEST_F(DstvEditor, OpensWithItsTextsListsAndTheFirstPoint) {
    Ork_Array<Ork_DstvPointInfo> points = threePoints();
    run(points, [&](CDlgEditDstvPoints& d) {
        EXPECT_EQ(d.getWindowText(), u"DSTV points");
        EXPECT_EQ(d.getDlgItemText(IDC_DSTVPT_POINTS_LABEL), u"Points");
        EXPECT_EQ(d.getDlgItemText(IDC_DSTVPT_EXTENT), u"By the geometry's extent");
        EXPECT_EQ(d.getDlgItemText(IDC_DSTVPT_INTERS), u"By an intersection");
        EXPECT_EQ(d.getDlgItemText(IDC_DSTVPT_MIDDLE), u"Midden");
        EXPECT_EQ(d.getDlgItemText(ui::IDOK), u"OK");
        EXPECT_EQ(combo(d, IDC_DSTVPT_POINTS).getCount(), 3);
        EXPECT_EQ(combo(d, IDC_DSTVPT_POINTS).getCurSel(), 0);
        EXPECT_EQ(combo(d, IDC_DSTVPT_SIDE1).getCount(), DlgDstvPoints::sideTexts().length());
        EXPECT_EQ(combo(d, IDC_DSTVPT_SIDE2).getCount(), DlgDstvPoints::sideTexts().length());
        ui::ComboBox& view = combo(d, IDC_DSTVPT_VIEW);
        ASSERT_EQ(view.getCount(), 5);
        EXPECT_EQ(view.getLBText(0), u"None");
        EXPECT_EQ(view.getLBText(1), u"Plate 1");
        EXPECT_EQ(view.getLBText(3), u"Plate 3 (web)");
        EXPECT_EQ(view.getLBText(4), u"Plate 4");
        EXPECT_EQ(d.getDlgItemText(IDC_DSTVPT_NAME), u"A");
        EXPECT_EQ(d.isDlgButtonChecked(IDC_DSTVPT_EXTENT), 1);
        EXPECT_EQ(combo(d, IDC_DSTVPT_SIDE1).getCurSel(), 0);
        EXPECT_EQ(combo(d, IDC_DSTVPT_SIDE2).getCurSel(), 2);
        EXPECT_EQ(d.getDlgItemText(IDC_DSTVPT_DISTANCE), u"50.000");
        EXPECT_EQ(d.getDlgItemText(IDC_DSTVPT_DIAMETER), u"16.000");
        EXPECT_EQ(view.getCurSel(), 1);
        EXPECT_EQ(combo(d, IDC_DSTVPT_MARK).getCurSel(), 2);
        EXPECT_EQ(d.isDlgButtonChecked(IDC_DSTVPT_FULL_HOLE), 1);
    });
}

TEST_F(DstvEditor, KeepsStoredNumbersExactlyUnlessTheirTextWasEdited) {
    Ork_Array<Ork_DstvPointInfo> points;
    points.append(point(u"A", 16.12345, 22.0004));
    points.append(point(u"B", 7.77777, 1.23456));
    ASSERT_TRUE(run(points, [&](CDlgEditDstvPoints& d) {
        EXPECT_EQ(d.getDlgItemText(IDC_DSTVPT_DISTANCE), u"16.123");
        m_robot.replaceTextOf(d, IDC_DSTVPT_DIAMETER, u"abc");  // no number reads as 0
        m_robot.choose(combo(d, IDC_DSTVPT_POINTS), 1);
        m_robot.replaceTextOf(d, IDC_DSTVPT_DISTANCE, u"8.5");
    }));
    EXPECT_EQ(points[0].minPlateSideDist(), 16.12345);
    EXPECT_EQ(points[0].drillRadius(), 0);
    EXPECT_EQ(points[1].minPlateSideDist(), 8.5);
    EXPECT_EQ(points[1].drillRadius(), 1.23456);
}

TEST_F(DstvEditor, AStoredEntryOutsideItsListShowsNoSelectionAndIsKept) {
    Ork_Array<Ork_DstvPointInfo> points;
    Ork_DstvPointInfo odd(u"Odd");
    odd.setSelectGeomExtent(true, 7, -1);
    odd.setSelectIntersGeom(false, true, 9);
    odd.setPlateSelection(5, 12, 50);
    points.append(odd);
    points.append(odd);
    ASSERT_TRUE(run(points, [&](CDlgEditDstvPoints& d) {
        for (int id : {IDC_DSTVPT_SIDE1, IDC_DSTVPT_SIDE2, IDC_DSTVPT_DIRECTION, IDC_DSTVPT_VIEW, IDC_DSTVPT_MARK})
            EXPECT_EQ(combo(d, id).getCurSel(), -1) << id;
        m_robot.choose(combo(d, IDC_DSTVPT_POINTS), 1);
        m_robot.choose(combo(d, IDC_DSTVPT_VIEW), 3);
    }));
    EXPECT_EQ(pointTexts(points), (Points{"Odd|E7,-1|-M9|5,12,50.000000|--16.000000",
                                          "Odd|E7,-1|-M9|3,12,50.000000|--16.000000"}));
}

TEST_F(DstvEditor, EnablesTheControlsOfTheChosenWayAndOfTheHole) {
    Ork_Array<Ork_DstvPointInfo> points;
    points.append(Ork_DstvPointInfo(u"P"));
    ASSERT_TRUE(run(points, [&](CDlgEditDstvPoints& d) {
        EXPECT_TRUE(enabled(d, IDC_DSTVPT_SIDE1));
        EXPECT_TRUE(enabled(d, IDC_DSTVPT_SIDE2));
        EXPECT_FALSE(enabled(d, IDC_DSTVPT_DIRECTION));
        EXPECT_FALSE(enabled(d, IDC_DSTVPT_MIDDLE));
        EXPECT_FALSE(enabled(d, IDC_DSTVPT_DIAMETER));
        EXPECT_FALSE(enabled(d, IDC_DSTVPT_DIAMETER_LABEL));
        EXPECT_FALSE(enabled(d, IDC_DSTVPT_THICKNESS));
        EXPECT_EQ(d.getDlgItemText(IDC_DSTVPT_DIAMETER_LABEL), u"Hole diameter");
        m_robot.click(d, IDC_DSTVPT_FULL_HOLE);
        EXPECT_TRUE(enabled(d, IDC_DSTVPT_DIAMETER));
        EXPECT_TRUE(enabled(d, IDC_DSTVPT_DIAMETER_LABEL));
        EXPECT_FALSE(enabled(d, IDC_DSTVPT_THICKNESS));  // only with the intersection
        m_robot.click(d, IDC_DSTVPT_INTERS);
        EXPECT_FALSE(enabled(d, IDC_DSTVPT_SIDE1));
        EXPECT_TRUE(enabled(d, IDC_DSTVPT_DIRECTION));
        EXPECT_TRUE(enabled(d, IDC_DSTVPT_MIDDLE));
        EXPECT_TRUE(enabled(d, IDC_DSTVPT_THICKNESS));
        m_robot.click(d, IDC_DSTVPT_THICKNESS);
        EXPECT_EQ(d.getDlgItemText(IDC_DSTVPT_DIAMETER_LABEL), u"Diameter added to the thickness");
        m_robot.choose(combo(d, IDC_DSTVPT_DIRECTION), 1);
    }));
    EXPECT_EQ(pointTexts(points), Points{"P|-0,2|IM1|0,0,50.000000|HT16.000000"});
}

TEST_F(DstvEditor, TheSideListsKeepToDifferentKinds) {
    Ork_Array<Ork_DstvPointInfo> points;
    points.append(Ork_DstvPointInfo(u"P"));
    ASSERT_TRUE(run(points, [&](CDlgEditDstvPoints& d) {
        ui::ComboBox& side1 = combo(d, IDC_DSTVPT_SIDE1);
        ui::ComboBox& side2 = combo(d, IDC_DSTVPT_SIDE2);
        m_robot.choose(side1, 3);  // both of the second kind: the other goes to entry 0
        EXPECT_EQ(side2.getCurSel(), 0);
        m_robot.choose(side2, 1);  // kinds differ: nothing moves
        EXPECT_EQ(side1.getCurSel(), 3);
        m_robot.choose(side1, 0);  // both of the first kind: the other goes to entry 2
        EXPECT_EQ(side2.getCurSel(), 2);
    }));
    EXPECT_EQ(points[0].sideSelection1(), 0);
    EXPECT_EQ(points[0].sideSelection2(), 2);
}

TEST_F(DstvEditor, PlusInsertsANewPointWithItsDefaultsAtTheIndexOnShow) {
    Ork_Array<Ork_DstvPointInfo> points = threePoints();
    ASSERT_TRUE(run(
        points,
        [&](CDlgEditDstvPoints& d) {
            m_robot.choose(combo(d, IDC_DSTVPT_POINTS), 1);
            m_robot.replaceTextOf(d, IDC_DSTVPT_NAME, u"B2");  // stored before the prompt
            m_robot.click(d, IDC_DSTVPT_ADD);
            EXPECT_EQ(d.shown(), 1);
            EXPECT_EQ(combo(d, IDC_DSTVPT_POINTS).getCurSel(), 1);
            EXPECT_EQ(d.getDlgItemText(IDC_DSTVPT_NAME), u"New point");
            EXPECT_EQ(d.isDlgButtonChecked(IDC_DSTVPT_EXTENT), 1);
            EXPECT_EQ(combo(d, IDC_DSTVPT_SIDE1).getCurSel(), 0);
            EXPECT_EQ(combo(d, IDC_DSTVPT_SIDE2).getCurSel(), 2);
            EXPECT_EQ(d.getDlgItemText(IDC_DSTVPT_DISTANCE), u"50.000");
            EXPECT_EQ(d.getDlgItemText(IDC_DSTVPT_DIAMETER), u"16.000");
        },
        [](ui::Script& s) { s.answerPrompt(u"New point"); }));
    EXPECT_EQ(pointTexts(points), (Points{"A|E0,2|-M0|1,2,50.000000|H-16.000000",
                                          "New point|E0,2|-M0|0,0,50.000000|--16.000000",
                                          "B2|E0,2|-M0|1,2,50.000000|H-16.000000",
                                          "C|E0,2|-M0|1,2,50.000000|H-16.000000"}));
}

TEST_F(DstvEditor, PlusOnAnEmptyListAddsTheFirstPoint) {
    Ork_Array<Ork_DstvPointInfo> points;
    ASSERT_TRUE(run(points, [&](CDlgEditDstvPoints& d) {
        EXPECT_EQ(d.shown(), -1);
        m_robot.click(d, IDC_DSTVPT_ADD);
        EXPECT_EQ(d.shown(), 0);
    }, [](ui::Script& s) { s.answerPrompt(u"Only"); }));
    EXPECT_EQ(pointTexts(points), Points{"Only|E0,2|-M0|0,0,50.000000|--16.000000"});
}

TEST_F(DstvEditor, MinusShowsTheSameIndexOrTheOneBeforeAtTheEnd) {
    Ork_Array<Ork_DstvPointInfo> points = threePoints();
    ASSERT_TRUE(run(points, [&](CDlgEditDstvPoints& d) {
        m_robot.replaceTextOf(d, IDC_DSTVPT_NAME, u"edited, then removed");
        m_robot.click(d, IDC_DSTVPT_REMOVE);
        EXPECT_EQ(d.shown(), 0);
        EXPECT_EQ(d.getDlgItemText(IDC_DSTVPT_NAME), u"B");
        m_robot.choose(combo(d, IDC_DSTVPT_POINTS), 1);
        m_robot.click(d, IDC_DSTVPT_REMOVE);
        EXPECT_EQ(d.shown(), 0);
        EXPECT_EQ(combo(d, IDC_DSTVPT_POINTS).getCurSel(), 0);
    }));
    EXPECT_EQ(pointTexts(points), Points{"B|E0,2|-M0|1,2,50.000000|H-16.000000"});
}

TEST_F(DstvEditor, RemovingTheLastPointLeavesAnEmptyListAndMinusThenDoesNothing) {
    Ork_Array<Ork_DstvPointInfo> points;
    points.append(point(u"A"));
    ASSERT_TRUE(run(points, [&](CDlgEditDstvPoints& d) {
        m_robot.click(d, IDC_DSTVPT_REMOVE);
        EXPECT_EQ(d.shown(), -1);
        EXPECT_EQ(combo(d, IDC_DSTVPT_POINTS).getCount(), 0);
        m_robot.replaceTextOf(d, IDC_DSTVPT_NAME, u"typed with nothing on show");
        m_robot.click(d, IDC_DSTVPT_REMOVE);
        EXPECT_EQ(d.shown(), -1);
    }));
    EXPECT_TRUE(points.isEmpty());
}

TEST_F(DstvEditor, CancelKeepsTheCallersPoints) {
    Ork_Array<Ork_DstvPointInfo> points = threePoints();
    EXPECT_FALSE(run(points, [&](CDlgEditDstvPoints& d) {
        m_robot.click(d, IDC_DSTVPT_REMOVE);
        m_robot.click(d, ui::IDCANCEL);
    }));
    EXPECT_EQ(points.length(), 3);
}

} // namespace
