// Each page of the definition editor and both settings pages pictured as PNG: the file is made, the picture
// has a sane size, and a caption's text is drawn where its control is (the same place blank once the text is
// taken away).
#include "editorTestSupport.h"

#include "macroedit/CTabMacroGroups.h"
#include "macroedit/CTabMacroVariables.h"
#include "nuvo/records/MacroSettingsData.h"
#include "support/TempFolder.h"
#include "ui/paint/WindowPainter.h"
#include "ui/paint/pngFile.h"

#include <filesystem>

namespace {

using editortest::EditorTest;

int darkPixels(const ui::Window& top, const ui::Window& control) {
    const ui::Canvas picture = ui::renderWindow(top);
    const ui::Rect r = control.getWindowRect();
    const ui::Rect window = top.getWindowRect();
    int dark = 0;
    for (int y = r.top - window.top; y < r.bottom - window.top; ++y)
        for (int x = r.left - window.left; x < r.right - window.left; ++x)
            if (x >= 0 && y >= 0 && x < picture.width() && y < picture.height())
                dark += (picture.pixel(x, y) & 0xFFFFFF) < 0x404040 ? 1 : 0;
    return dark;
}

// The control's text is drawn: its place darkens with the text and not without it.
void expectTextDrawn(const ui::Window& top, ui::Window& control, const std::string& what) {
    const std::u16string text = control.getWindowText();
    ASSERT_FALSE(text.empty()) << what;
    const int withText = darkPixels(top, control);
    control.setWindowText(u"");
    const int without = darkPixels(top, control);
    control.setWindowText(text);
    EXPECT_GT(withText, without + 10) << what;
}

// A picture of sane size, written as a PNG that reads back at that size.
void expectPicture(const ui::Window& top, const std::filesystem::path& file, int minWidth, int minHeight) {
    const ui::Canvas picture = ui::renderWindow(top);
    EXPECT_GE(picture.width(), minWidth) << file;
    EXPECT_GE(picture.height(), minHeight) << file;
    EXPECT_LE(picture.width(), 1600) << file;
    EXPECT_LE(picture.height(), 1200) << file;
    std::u16string error;
    ASSERT_TRUE(ui::writeWindowPng(top, file, error)) << file;
    ui::Canvas back;
    ASSERT_TRUE(ui::readPngFile(file, back, error)) << file;
    EXPECT_EQ(back.width(), picture.width());
    EXPECT_EQ(back.height(), picture.height());
}

TEST_F(EditorTest, EachPageIsPicturedWithItsCaptions) {
    TempFolder folder;
    CDlgEditMacro& e = open();
    struct Shown {
        int page;
        const char* name;
        int captionId;
    };
    const Shown pages[] = {{CDlgEditMacro::ConstraintsPage, "constraints", IDC_EC_EDITOR_FRAME},
                           {CDlgEditMacro::GeometryPage, "geometry", 0},
                           {CDlgEditMacro::VariablesPage, "variables", IDC_EV_VARS_FRAME},
                           {CDlgEditMacro::CommandsPage, "commands", IDC_MC_FIRST_BUTTON}};
    for (const Shown& shown : pages) {
        chooseTab(shown.page);
        ASSERT_TRUE(e.page(shown.page)->isWindowVisible()) << shown.name;
        expectPicture(e, folder.path() / (std::string(shown.name) + ".png"), e.minimumSize().cx,
                      e.minimumSize().cy);
        if (shown.captionId)
            expectTextDrawn(e, *e.page(shown.page)->getDlgItem(shown.captionId), shown.name);
        else
            EXPECT_GT(darkPixels(e, geometry().grid()), 50) << "the geometry grid's texts";
    }
    // The shell's own captions show on every page.
    expectTextDrawn(e, *e.getDlgItem(IDC_EM_SETTINGS), "the Settings button");
}

class SettingsPictures : public frametest::FrameTest {
protected:
    ui::Dialog& host() {
        ui::DialogTemplate t;
        t.size = {560, 380};
        m_host.createIndirect(t, nullptr, ui::Dialog::Show::Visible);
        return m_host;
    }
    ui::Dialog m_host;
    TempFolder m_folder;
};

TEST_F(SettingsPictures, BothSettingsPagesArePicturedWithTheirExplanations) {
    MacroGenVarsData vars;
    vars.names = {u"gen_Shear", u"gen_Projection"};
    vars.values = {150.0, 10.0};
    CTabMacroVariables varsPage;
    varsPage.setData(&vars);
    ASSERT_TRUE(varsPage.create(IDD_MACRO_VARIABLES, &host(), true));
    expectPicture(m_host, m_folder.path() / "variables.png", 400, 300);
    expectTextDrawn(m_host, *varsPage.getDlgItem(IDC_MV_EXPLANATION), "general variables");
    expectTextDrawn(m_host, *varsPage.getDlgItem(IDC_MV_FIRST_LABEL), "first setting");
    varsPage.destroyWindow();

    MacroGroupsData groups;
    groups.names = {u"EndPlate", u"Bolts"};
    groups.texts = {u"Plate and welds", u"Bolts"};
    groups.numbers = {1, 2};
    CTabMacroGroups groupsPage;
    groupsPage.setData(&groups);
    ASSERT_TRUE(groupsPage.create(IDD_MACRO_GROUPS, &m_host, true));
    expectPicture(m_host, m_folder.path() / "groups.png", 400, 300);
    expectTextDrawn(m_host, *groupsPage.getDlgItem(IDC_MG_EXPLANATION), "groups");
    EXPECT_GT(darkPixels(m_host, groupsPage.grid()), 50) << "the group table's texts";
    groupsPage.destroyWindow();
}

} // namespace
