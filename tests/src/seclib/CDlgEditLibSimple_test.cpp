// The simple section editor through its real window: what it shows, composing the name while values are
// typed, typing it, OK placing the size, the angle rule keeping the dialog open, and its picture.
#include "profTableTestSupport.h"

#include "support/frameTestSupport.h"

#include "SS/SSExports.h"
#include "resources/resourceIds.h"
#include "seclib/CDlgEditLibSimple.h"
#include "ui/Robot.h"
#include "ui/Script.h"
#include "ui/paint/WindowPainter.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using seclibtest::LibraryFolder;
using seclibtest::texts;
using Rows = std::vector<std::string>;

int field(int i) { return IDC_LIBSIMPLE_FIRST_FIELD + 2 * i; }

class EditLibSimple : public frametest::FrameTest {
protected:
    Ork_ProfValuesTable table(const char16_t* name) {
        Ork_ProfValuesTable t;
        EXPECT_TRUE(t.readFromFile(name));
        return t;
    }
    // StartDlgEditLibSimple on the table with `drive` acting in the live dialog.
    bool run(Ork_ProfValuesTable& t, int& row, const std::function<void(CDlgEditLibSimple&)>& drive,
             const std::function<void(ui::Script&)>& answers = {}) {
        ui::Script script;
        script.onModal(IDD_EDIT_LIB_SIMPLE, [&](ui::Dialog& d) { drive(dynamic_cast<CDlgEditLibSimple&>(d)); });
        if (answers)
            answers(script);
        const bool accepted = StartDlgEditLibSimple(t.name, t, row);
        EXPECT_EQ(script.remaining(), 0);
        m_log = script.log();
        return accepted;
    }
    bool logged(const std::u16string& text) const {
        for (const std::u16string& line : m_log)
            if (line.find(text) != std::u16string::npos)
                return true;
        return false;
    }
    std::vector<std::u16string> m_log;
    LibraryFolder m_library;
    ui::Robot m_robot;
};

TEST_F(EditLibSimple, ShowsTheSizeItsLabeledFieldsAndComposesWhileValuesAreTyped) {
    Ork_ProfValuesTable ipe = table(u"IPE");
    int row = 1;
    const bool accepted = run(ipe, row, [&](CDlgEditLibSimple& d) {
        EXPECT_EQ(d.getWindowText(), u"Section size");
        EXPECT_EQ(d.getDlgItemText(IDC_LIBSIMPLE_NAME_LABEL), u"Name:");
        EXPECT_EQ(d.getDlgItemText(IDC_LIBSIMPLE_NAME), u"IPE 100");
        EXPECT_EQ(d.isDlgButtonChecked(IDC_LIBSIMPLE_ACTIVE), 1);
        EXPECT_EQ(d.isDlgButtonChecked(IDC_LIBSIMPLE_COMPOSE), 1);
        EXPECT_EQ(d.getDlgItemText(IDC_LIBSIMPLE_FIRST_LABEL), u"A. h:");
        EXPECT_EQ(d.getDlgItemText(IDC_LIBSIMPLE_FIRST_LABEL + 8), u"E. r:");
        EXPECT_EQ(d.getDlgItemText(field(1)), u"55");
        EXPECT_TRUE(d.getDlgItem(field(4))->isWindowVisible());
        EXPECT_FALSE(d.getDlgItem(field(5))->isWindowVisible());
        // The installation's picture of the table's template, IPE.dwg, as decoration.
        EXPECT_TRUE(d.getDlgItem(IDC_LIBSIMPLE_PICTURE)->isWindowVisible());
        EXPECT_FALSE(d.getDlgItem(IDC_LIBSIMPLE_PICTURE)->isWindowEnabled());
        m_robot.replaceTextOf(d, field(0), u"90");
        EXPECT_EQ(d.getDlgItemText(IDC_LIBSIMPLE_NAME), u"IPE 90");
        m_robot.replaceTextOf(d, field(1), u"50");
        m_robot.click(d, ui::IDOK);
    });
    ASSERT_TRUE(accepted);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(ipe.rows[1][0], u"90");
    EXPECT_EQ(texts(ipe.rows[1]), (Rows{"90", "1", "IPE 90", "IPE 90", "IPE 90", "IPE 90", "90", "50", "4.1", "5.7", "7"}));
}

TEST_F(EditLibSimple, ATypedNameIsTheSystemNameAndCancelChangesNothing) {
    Ork_ProfValuesTable ipe = table(u"IPE");
    const int rows = ipe.rows.length();
    int row = 0;
    EXPECT_FALSE(run(ipe, row, [&](CDlgEditLibSimple& d) {
        m_robot.replaceTextOf(d, field(0), u"95");
        m_robot.click(d, ui::IDCANCEL);
    }));
    EXPECT_EQ(ipe.rows.length(), rows);
    EXPECT_EQ(row, 0);
    ASSERT_TRUE(run(ipe, row, [&](CDlgEditLibSimple& d) {
        m_robot.click(d, IDC_LIBSIMPLE_TYPED);
        m_robot.replaceTextOf(d, IDC_LIBSIMPLE_NAME, u"A1");
        m_robot.replaceTextOf(d, field(0), u"95");
        EXPECT_EQ(d.getDlgItemText(IDC_LIBSIMPLE_NAME), u"A1");   // typing values leaves a typed name alone
        m_robot.click(d, ui::IDOK);
    }));
    EXPECT_EQ(ipe.rows.length(), rows + 1);
    EXPECT_EQ(ipe.rows[row][0], u"A1");
    EXPECT_EQ(ipe.rows[row][2], u"A1");
}

TEST_F(EditLibSimple, TheAngleRuleKeepsTheDialogOpenWithTheTableUnchangedAndARetryAddsOneRow) {
    Ork_ProfValuesTable l = table(u"L");
    const int rows = l.rows.length();
    int row = 1;
    const bool accepted = run(
        l, row,
        [&](CDlgEditLibSimple& d) {
            m_robot.replaceTextOf(d, field(0), u"150");
            m_robot.replaceTextOf(d, field(1), u"150");
            m_robot.replaceTextOf(d, field(2), u"20");
            m_robot.replaceTextOf(d, field(3), u"15");
            EXPECT_EQ(d.getDlgItemText(IDC_LIBSIMPLE_NAME), u"L 150x150x20");
            m_robot.click(d, ui::IDOK);
            EXPECT_FALSE(d.isEnded());
            m_robot.replaceTextOf(d, field(3), u"0");
            m_robot.click(d, ui::IDOK);
        },
        [&](ui::Script& s) { s.answerBox(ui::IDOK); });
    ASSERT_TRUE(accepted);
    EXPECT_TRUE(logged(u"Invalid value.\nThe value must be 0 or greater than the third value.\n\nPlease change the name."));
    EXPECT_EQ(l.rows.length(), rows + 1);
    EXPECT_EQ(l.rows[3][0], u"150x150x20");   // after the nearest smaller equal angle, 120x120x12
    EXPECT_EQ(row, 2);                        // 120x120x12 is not offered
}

TEST_F(EditLibSimple, ATableWithoutAPatternHasComposeDisabledAndTheNameTyped) {
    Ork_ProfValuesTable t;
    t.name = u"X";
    t.columnNames = {u"SysName", u"I/O", u"English", u"Dutch", u"German", u"French", u"a"};
    t.rows.append(Ork_StringArray{u"Big", u"1", u"Big", u"Big", u"Big", u"Big", u"5"});
    int row = 0;
    EXPECT_TRUE(run(t, row, [&](CDlgEditLibSimple& d) {
        EXPECT_FALSE(d.getDlgItem(IDC_LIBSIMPLE_COMPOSE)->isWindowEnabled());
        EXPECT_EQ(d.isDlgButtonChecked(IDC_LIBSIMPLE_TYPED), 1);
        EXPECT_FALSE(d.getDlgItem(IDC_LIBSIMPLE_PICTURE)->isWindowVisible());   // no type, no picture
        m_robot.replaceTextOf(d, IDC_LIBSIMPLE_NAME, u"");
        m_robot.click(d, ui::IDOK);   // no name: refused, the dialog stays
        EXPECT_FALSE(d.isEnded());
        m_robot.replaceTextOf(d, IDC_LIBSIMPLE_NAME, u"Huge");
        m_robot.click(d, ui::IDOK);
    }));
    EXPECT_EQ(t.rows.length(), 2);
    EXPECT_EQ(t.rows[row][0], u"Huge");
}

TEST_F(EditLibSimple, ItsPictureIsMadeWithItsLabels) {
    Ork_ProfValuesTable ipe = table(u"IPE");
    int row = 0;
    run(ipe, row, [&](CDlgEditLibSimple& d) {
        const ui::Canvas picture = ui::renderWindow(d);
        EXPECT_GE(picture.width(), 400);
        EXPECT_GE(picture.height(), 300);
        EXPECT_LE(picture.width(), 1000);
        // Dark text pixels where the first field's label is.
        const ui::Rect label = d.getDlgItem(IDC_LIBSIMPLE_FIRST_LABEL)->getWindowRect();
        const ui::Rect window = d.getWindowRect();
        int dark = 0;
        for (int y = label.top - window.top; y < label.bottom - window.top; ++y)
            for (int x = label.left - window.left; x < label.right - window.left; ++x)
                dark += (picture.pixel(x, y) & 0xFFFFFF) < 0x404040 ? 1 : 0;
        EXPECT_GT(dark, 10);
        // The section's picture drawn on its button: steel-coloured pixels, more blue than red.
        const ui::Rect button = d.getDlgItem(IDC_LIBSIMPLE_PICTURE)->getWindowRect();
        int steel = 0;
        for (int y = button.top - window.top; y < button.bottom - window.top; ++y)
            for (int x = button.left - window.left; x < button.right - window.left; ++x) {
                const ui::Color c = picture.pixel(x, y);
                steel += (c >> 16 & 0xFF) > (c & 0xFF) + 30 ? 1 : 0;
            }
        EXPECT_GT(steel, 100);
        m_robot.click(d, ui::IDCANCEL);
    });
}

} // namespace
