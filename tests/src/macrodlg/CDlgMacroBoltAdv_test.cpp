// The advanced bolt dialog through real windows, opened by the macro dialog's advanced button: the record
// shown and read back, slot switching, validation, the pushes through the macro dialog, the two-state boxes
// after a click, its size and its picture.
#include "src/macrodlg/macroDlgTestSupport.h"

#include "grid/SpreadWindow.h"
#include "macrodlg/CDlgMacroBoltAdv.h"
#include "macrodlg/CMacroTabGeneral.h"
#include "nuvo/DlgSizeStore.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Robot.h"
#include "ui/Static.h"
#include "ui/paint/WindowPainter.h"
#include "ui/paint/pngFile.h"
#include "os/utf16.h"

#include <functional>
#include <map>

using namespace macrodlgtest;

namespace {

MacroBoltSlot slot(int active, const char16_t* radius, const char16_t* length, int position) {
    MacroBoltSlot s;
    s.active = active;
    s.radius = radius;
    s.length = length;
    s.angle = u"15";
    s.fourth = u"2";
    s.position = position;
    return s;
}

// A bolt record with every field set: an assembly the host does not offer, a mixed flag, an item that does
// not apply, two holes and two slots, the second with a mixed position.
MacroBoltData fullBolt() {
    MacroBoltData b;
    b.assembly = u"M12.9";
    b.diameter = u"22";
    b.holeTolerance = u"2";
    b.penetration = u"5";
    b.addedLength = u"3";
    const int flags[] = {1, 0, 2, 1};
    std::copy(std::begin(flags), std::end(flags), b.flags);
    b.extraCount = 2;
    b.extraOption = true;
    const int nuts[] = {1, 0, -1, 1, 0};
    std::copy(std::begin(nuts), std::end(nuts), b.nutsWashers);
    b.holeFlags.append(true);
    b.holeFlags.append(false);
    b.holeTexts.append(u"1.5");
    b.holeTexts.append(u"3");
    b.slots.push_back(slot(1, u"11", u"30", 1));
    b.slots.push_back(slot(0, u"9", u"20", -1));
    return b;
}

void expectSameBolt(const MacroBoltData& a, const MacroBoltData& b) {
    EXPECT_EQ(a.assembly, b.assembly);
    EXPECT_EQ(a.diameter, b.diameter);
    EXPECT_EQ(a.holeTolerance, b.holeTolerance);
    EXPECT_EQ(a.penetration, b.penetration);
    EXPECT_EQ(a.addedLength, b.addedLength);
    EXPECT_TRUE(std::equal(std::begin(a.flags), std::end(a.flags), std::begin(b.flags)));
    EXPECT_EQ(a.extraOption, b.extraOption);
    EXPECT_TRUE(std::equal(std::begin(a.nutsWashers), std::end(a.nutsWashers), std::begin(b.nutsWashers)));
    EXPECT_EQ(a.holeFlags, b.holeFlags);
    EXPECT_EQ(a.holeTexts, b.holeTexts);
    ASSERT_EQ(a.slots.size(), b.slots.size());
    for (std::size_t i = 0; i < a.slots.size(); ++i) {
        EXPECT_EQ(a.slots[i].active, b.slots[i].active) << i;
        EXPECT_EQ(a.slots[i].radius, b.slots[i].radius) << i;
        EXPECT_EQ(a.slots[i].length, b.slots[i].length) << i;
        EXPECT_EQ(a.slots[i].angle, b.slots[i].angle) << i;
        EXPECT_EQ(a.slots[i].fourth, b.slots[i].fourth) << i;
        EXPECT_EQ(a.slots[i].position, b.slots[i].position) << i;
    }
}

class BoltAdvTest : public MacroDlgTest {
protected:
    // Opens the macro dialog on a bolt tab with `bolt` and clicks its advanced button; `play` gets the live
    // bolt dialog, which is closed with OK afterwards when still open.
    void run(const MacroBoltData& bolt, const std::function<void(CDlgMacroBoltAdv&)>& play) {
        MacroTabData t;
        t.name = u"Bolts";
        t.type = MacroTabData::kBoltTab;
        t.bolt = bolt;
        m_macro = MacroData();
        m_macro.tabs.append(t);
        m_dialog = open(m_macro);
        ASSERT_NE(m_dialog, nullptr);
        cadhost::HostLog::clear();
        ui::Script script(frametest::gtestFailure());
        m_script = &script;
        script.onModal(IDD_MACRO_BOLT_ADV, [&](ui::Dialog& d) {
            auto& dialog = dynamic_cast<CDlgMacroBoltAdv&>(d);
            play(dialog);
            if (dialog.isWindow() && !dialog.isEnded())
                robot.click(dialog, ui::IDOK);
        });
        robot.click(*m_dialog->tabWindows()[0], IDC_MT_ADVANCED);
        script.verify();
        m_script = nullptr;
    }
    const MacroBoltData& stored() const { return *m_dialog->macro.tabs[0].bolt; }
    static ui::Button& box(ui::Dialog& d, int id) { return *d.getDlgItemAs<ui::Button>(id); }
    static ui::ComboBox& combo(ui::Dialog& d, int id) { return *d.getDlgItemAs<ui::ComboBox>(id); }
    void typeInto(ui::Dialog& d, int id, const char16_t* text) { robot.replaceText(*d.getDlgItem(id), text); }
    void enter(ui::Dialog& d, int focusId = IDC_BA_PENETRATION) {
        d.getDlgItem(focusId)->setFocus();
        robot.key(ui::VK_RETURN);
    }
    int updates() { return static_cast<int>(calls(u"UpdateModule").size()); }

    ui::Robot robot{frametest::gtestFailure()};
    ui::Script* m_script = nullptr;
    MacroData m_macro;
    CDlgMacro* m_dialog = nullptr;
};

} // namespace

TEST_F(BoltAdvTest, EveryFieldIsShownAndReadBackUnchanged) {
    MacroBoltData read;
    run(fullBolt(), [&](CDlgMacroBoltAdv& d) {
        EXPECT_EQ(d.getWindowText(), dialString(983));
        EXPECT_EQ(d.getDlgItemText(ui::IDOK), dialString(285));
        EXPECT_EQ(d.getDlgItemText(IDC_BA_ASSEMBLY), u"M12.9");        // added to the host's list
        EXPECT_EQ(combo(d, IDC_BA_ASSEMBLY).getCount(), 4);
        EXPECT_EQ(d.getDlgItemText(IDC_BA_DIAMETER), u"22");
        EXPECT_EQ(d.getDlgItemText(IDC_BA_PENETRATION), u"5");
        EXPECT_EQ(d.getDlgItemText(IDC_BA_ADDED), u"3");
        EXPECT_EQ(d.getDlgItemText(IDC_BA_TOLERANCE), u"2");
        EXPECT_EQ(box(d, IDC_BA_FLAG3).getCheck(), ui::BST_INDETERMINATE);
        EXPECT_TRUE(box(d, IDC_BA_EXTRA).isWindowEnabled());
        EXPECT_EQ(d.getDlgItemText(IDC_BA_EXTRA_TEXT), dialString(997));
        EXPECT_FALSE(box(d, IDC_BA_WASHER1).isWindowEnabled());
        EXPECT_EQ(d.getDlgItemText(IDC_BA_NUT2_LABEL), dialString(991) + u" 2");
        EXPECT_EQ(combo(d, IDC_BA_SLOT_LIST).getLBText(1), dialString(999) + u" nr: 2");
        EXPECT_TRUE(combo(d, IDC_BA_SLOT_LIST).getItemChecked(0));
        EXPECT_FALSE(combo(d, IDC_BA_SLOT_LIST).getItemChecked(1));
        EXPECT_EQ(d.shownSlot(), 0);
        EXPECT_EQ(combo(d, IDC_BA_POSITION).getCurSel(), 1);
        EXPECT_TRUE(d.getDlgItem(IDC_BA_RADIUS)->isWindowEnabled());
        // The second slot: inactive, so its editors are disabled; its mixed position shows the last entry.
        robot.choose(combo(d, IDC_BA_SLOT_LIST), 1);
        EXPECT_EQ(d.getDlgItemText(IDC_BA_RADIUS), u"9");
        EXPECT_EQ(combo(d, IDC_BA_POSITION).getCurSel(), 2);
        EXPECT_FALSE(d.getDlgItem(IDC_BA_RADIUS)->isWindowEnabled());
        EXPECT_FALSE(d.getDlgItem(IDC_BA_POSITION_LABEL)->isWindowEnabled());
        enter(d);
        read = d.m_bolt;
    });
    // Nothing changed: nothing to apply, and the mixed position stays mixed.
    EXPECT_EQ(updates(), 0);
    expectSameBolt(read, fullBolt());
    expectSameBolt(stored(), fullBolt());
}

TEST_F(BoltAdvTest, SwitchingSlotsKeepsTheEditsAndAChosenPositionReplacesMixed) {
    run(fullBolt(), [&](CDlgMacroBoltAdv& d) {
        typeInto(d, IDC_BA_RADIUS, u"12");
        robot.choose(combo(d, IDC_BA_SLOT_LIST), 1);
        robot.click(box(d, IDC_BA_SLOT_ACTIVE));   // active now: the editors and the check mark follow
        EXPECT_TRUE(d.getDlgItem(IDC_BA_POSITION)->isWindowEnabled());
        EXPECT_TRUE(combo(d, IDC_BA_SLOT_LIST).getItemChecked(1));
        EXPECT_EQ(stored().slots[0].radius, u"12");   // the first slot's edit went with the push
        typeInto(d, IDC_BA_ANGLE, u"45");
        robot.choose(combo(d, IDC_BA_SLOT_LIST), 0);
        EXPECT_EQ(d.getDlgItemText(IDC_BA_RADIUS), u"12");
        robot.choose(combo(d, IDC_BA_SLOT_LIST), 1);
        EXPECT_EQ(d.getDlgItemText(IDC_BA_ANGLE), u"45");
        EXPECT_EQ(stored().slots[1].position, -1);
        robot.choose(combo(d, IDC_BA_POSITION), 0);
    });
    EXPECT_EQ(stored().slots[0].radius, u"12");
    EXPECT_EQ(stored().slots[1].angle, u"45");
    EXPECT_EQ(stored().slots[1].active, 1);
    EXPECT_EQ(stored().slots[1].position, 0);
    EXPECT_EQ(updates(), 2);   // the active box and the position; OK has nothing left to apply
}

TEST_F(BoltAdvTest, AFailedValidationPushesNothingAndKeepsTheDialogOpen) {
    const Ork_String expected = dialString(1000) + u" 1 " + dialString(1001) + u"\n\n" + dialString(888) + u".";
    run(fullBolt(), [&](CDlgMacroBoltAdv& d) {
        typeInto(d, IDC_BA_LENGTH, u"0");
        typeInto(d, IDC_BA_PENETRATION, u"8");
        m_script->answerBox(ui::IDOK);
        enter(d);
        m_script->answerBox(ui::IDOK);
        robot.click(d, ui::IDOK);
        EXPECT_FALSE(d.isEnded());
        EXPECT_EQ(updates(), 0);
        EXPECT_EQ(stored().penetration, u"5");
        // The mixed text of slots that differ passes: they keep their own lengths.
        typeInto(d, IDC_BA_LENGTH, dialString(695).c_str());
        robot.click(d, ui::IDOK);
        EXPECT_TRUE(d.isEnded());
    });
    ASSERT_EQ(m_script, nullptr);
    EXPECT_EQ(updates(), 1);
    EXPECT_EQ(stored().penetration, u"8");
    EXPECT_EQ(stored().slots[0].length, dialString(695));
}

TEST_F(BoltAdvTest, ValidationMessageTitleAndTextAreTheHosts) {
    MacroBoltData b = fullBolt();
    b.slots[1].active = 2;   // a mixed active flag is checked as an active one
    b.slots[1].radius = u"-1";
    std::vector<ui::MessageBoxRequest> boxes;
    run(b, [&](CDlgMacroBoltAdv& d) {
        m_script->answerBox(ui::IDOK);
        enter(d);
        boxes = m_script->boxes();
        d.endDialog(ui::IDCANCEL);
    });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, u"Ongeldige waarde");
    EXPECT_EQ(boxes[0].text, dialString(1000) + u" 2 " + dialString(1001) + u"\n\n" + dialString(888) + u".");
    EXPECT_EQ(boxes[0].type & ui::MB_ICONEXCLAMATION, ui::MB_ICONEXCLAMATION);
}

TEST_F(BoltAdvTest, AClickEndsTheMixedStateForGoodAndThePushShowsTheStoredRecord) {
    run(fullBolt(), [&](CDlgMacroBoltAdv& d) {
        ui::Button& flag = box(d, IDC_BA_FLAG3);
        robot.click(flag);   // mixed -> unchecked, and two states from now on
        EXPECT_EQ(flag.getCheck(), ui::BST_UNCHECKED);
        EXPECT_EQ(stored().flags[2], 0);
        for (int expected : {1, 0, 1}) {
            robot.click(flag);
            EXPECT_EQ(flag.getCheck(), expected);
            EXPECT_EQ(stored().flags[2], expected);
        }
        // A checked three-state box clicked would turn mixed; once clicked it turns unchecked.
        ui::Button& nut = box(d, IDC_BA_NUT1);
        robot.click(nut);
        EXPECT_EQ(nut.getCheck(), ui::BST_UNCHECKED);
        EXPECT_EQ(stored().nutsWashers[0], 0);
        expectSameBolt(d.m_bolt, stored());
        // Only the first nut's label toggles its box; it pushes with the next change.
        const int before = updates();
        robot.click(*d.getDlgItem(IDC_BA_NUT1_LABEL));
        EXPECT_EQ(nut.getCheck(), ui::BST_CHECKED);
        EXPECT_EQ(d.getDlgItem(IDC_BA_NUT2_LABEL)->getStyle() & ui::SS_NOTIFY, 0u);   // clicks pass through
        EXPECT_EQ(updates(), before);
        robot.choose(combo(d, IDC_BA_DIAMETER), u"24");
        EXPECT_EQ(stored().nutsWashers[0], 1);
        EXPECT_EQ(stored().diameter, u"24");
        EXPECT_EQ(stored().nutsWashers[2], -1);   // an item that does not apply stays so
    });
    EXPECT_EQ(calls(u"UpdateModule").front(), u"UpdateModule(Bolts, -1, )");
}

TEST_F(BoltAdvTest, ARecordWithoutSlotsOrExtraLeavesTheirEditorsAlone) {
    MacroBoltData b = fullBolt();
    b.slots.clear();
    b.extraCount = 0;
    b.extraOption = true;
    run(b, [&](CDlgMacroBoltAdv& d) {
        EXPECT_EQ(d.shownSlot(), -1);
        for (int id : {IDC_BA_SLOT_LIST, IDC_BA_SLOT_ACTIVE, IDC_BA_RADIUS, IDC_BA_POSITION})
            EXPECT_FALSE(d.getDlgItem(id)->isWindowEnabled()) << id;
        EXPECT_FALSE(box(d, IDC_BA_EXTRA).isWindowEnabled());
        EXPECT_EQ(d.getDlgItemText(IDC_BA_EXTRA_TEXT), dialString(998));
        box(d, IDC_BA_EXTRA).setCheck(ui::BST_UNCHECKED);
        typeInto(d, IDC_BA_ADDED, u"4");
        enter(d);
    });
    EXPECT_TRUE(stored().slots.empty());
    EXPECT_TRUE(stored().extraOption);   // not applying, never read
    EXPECT_EQ(stored().addedLength, u"4");
}

// The check column is too narrow for a caption: its header spans the text column, and shows the pair's.
TEST_F(BoltAdvTest, TheHolesHeaderCaptionsBothColumnsInsteadOfAGridLetter) {
    run(fullBolt(), [&](CDlgMacroBoltAdv& d) {
        auto* holes = grid::SpreadWindow::fromWindow(d.getDlgItem(IDC_BA_HOLES));
        ASSERT_NE(holes, nullptr);
        ASSERT_EQ(holes->sheet().maxCols(), 2);
        const ui::Rect header = holes->cellRect(1, 0);
        EXPECT_EQ(header, holes->cellRect(2, 0));   // one header over both columns
        EXPECT_EQ(header.left, holes->cellRect(1, 1).left);
        EXPECT_EQ(header.right, holes->cellRect(2, 1).right);
        EXPECT_EQ(holes->displayText(1, 0), dialString(242));
        EXPECT_EQ(holes->displayText(2, 0), dialString(242));
        // The rows keep their hole numbers in the header column.
        EXPECT_EQ(holes->displayText(0, 2), u"2");
        // Drawn: the caption's ink in the header band, which a single letter would not fill.
        const ui::Canvas picture = ui::renderWindow(*holes);
        int ink = 0;
        for (int y = header.top + 2; y < header.bottom - 2; ++y)
            for (int x = header.left + 2; x < header.right - 2; ++x)
                ink += ui::redOf(picture.pixel(x, y)) < 80 ? 1 : 0;
        EXPECT_GT(ink, 60);
    });
}

TEST_F(BoltAdvTest, TheSizeIsStoredAndRestoredUnderItsKey) {
    // OK keeps its distance to the bottom right corner, the holes grid grows with the window.
    auto okMargin = [](ui::Dialog& d) {
        const ui::Rect ok = d.getDlgItem(ui::IDOK)->getRectInParent();
        return ui::Size{d.getClientRect().right - ok.right, d.getClientRect().bottom - ok.bottom};
    };
    ui::Size margin{0, 0};
    int gridWidth = 0, width = 0;
    run(fullBolt(), [&](CDlgMacroBoltAdv& d) {
        margin = okMargin(d);
        width = d.getWindowRect().width();
        gridWidth = d.getDlgItem(IDC_BA_HOLES)->getRectInParent().width();
        robot.resize(d, 700, 540);
    });
    ui::Size stored{0, 0};
    run(fullBolt(), [&](CDlgMacroBoltAdv& d) {
        const ui::Rect r = d.getWindowRect();
        stored = {r.width(), r.height()};
        EXPECT_EQ(okMargin(d).cx, margin.cx);
        EXPECT_EQ(okMargin(d).cy, margin.cy);
        EXPECT_EQ(d.getDlgItem(IDC_BA_HOLES)->getRectInParent().width(), gridWidth + 700 - width);
    });
    EXPECT_EQ(stored.cx, 700);
    EXPECT_EQ(stored.cy, 540);
}

TEST_F(BoltAdvTest, ThePictureOfTheDialogShowsItsTitleAndBoltPicture) {
    TempFolder install;
    std::filesystem::create_directories(install.path() / "icons");
    std::u16string error;
    ASSERT_TRUE(ui::writeBmpFile(install.path() / "icons" / "DrawBolt2.bmp", ui::Canvas(160, 120, ui::colors::black),
                                 error));
    Ork_Settings::setOrkDir(Ork_String(install.folder()));
    const std::filesystem::path png = install.path() / "bolt.png";
    bool hasBitmap = false;
    run(fullBolt(), [&](CDlgMacroBoltAdv& d) {
        hasBitmap = !d.getDlgItemAs<ui::Static>(IDC_BA_PICTURE)->getBitmap().isNull();
        std::u16string why;
        EXPECT_TRUE(ui::writeWindowPng(d, png, why)) << os::toUtf8(why);
    });
    EXPECT_TRUE(hasBitmap);
    ui::Canvas picture;
    ASSERT_TRUE(ui::readPngFile(png, picture, error));
    EXPECT_GE(picture.width(), 600);
    EXPECT_GE(picture.height(), 470);
    EXPECT_LT(picture.width(), 2000);
    // The caption bar holds the title's text: more than one colour along it.
    std::map<ui::Color, int> colours;
    for (int y = 2; y < 18; ++y)
        for (int x = 5; x < 200; ++x)
            ++colours[picture.pixel(x, y)];
    EXPECT_GT(colours.size(), 1u);
    // The bolt picture is drawn where its control sits.
    int dark = 0;
    for (int y = 40; y < 140; ++y)
        for (int x = 310; x < 450; ++x)
            dark += (picture.pixel(x, y) & 0xFFFFFF) == 0;
    EXPECT_GT(dark, 1000);
}

TEST_F(BoltAdvTest, WithoutAnOwnerNothingIsPushedAndOkClosesAtOnce) {
    MacroBoltData b = fullBolt();
    b.slots[0].radius = u"0";   // would fail validation, were anything pushed
    CDlgMacroBoltAdv dialog(nullptr);
    dialog.m_bolt = b;
    ui::Script script(frametest::gtestFailure());
    script.onModal(IDD_MACRO_BOLT_ADV, [&](ui::Dialog& d) {
        enter(d);
        robot.click(d, ui::IDOK);
        EXPECT_TRUE(d.isEnded());
    });
    EXPECT_EQ(dialog.doModal(), ui::IDOK);
    script.verify();
    EXPECT_TRUE(script.boxes().empty());
    EXPECT_EQ(updates(), 0);
}

// A page designed with its own bolt button (type 12) hides the bolt fields; the button opens the same dialog.
TEST_F(BoltAdvTest, ADesignedBoltButtonOpensTheDialog) {
    MacroTabData t;
    t.name = u"Bolts";
    t.type = MacroTabData::kBoltTab;
    t.bolt = fullBolt();
    MacroPatternData pattern;   // bolt controls are bound through the tab's pattern they name
    pattern.name = u"Rows";
    pattern.nrBolts1 = u"2";
    t.patterns.append(pattern);
    t.designFile = design("BoltPage", {control(12, 0.05, 0.1, 0.45, 0.6, u"Rows")}, {200, 60});
    m_macro = MacroData();
    m_macro.tabs.append(t);
    m_dialog = open(m_macro);
    ASSERT_NE(m_dialog, nullptr);
    auto& page = dynamic_cast<CMacroTabGeneral&>(*m_dialog->tabWindows()[0]);
    EXPECT_FALSE(page.boltFieldsShown());
    const int button = m_dialog->macro.tabs[0].bolt->dlgRefButton;
    ASSERT_GT(button, 0);
    EXPECT_EQ(page.getDlgItemText(button), dialString(968));
    ui::Script script(frametest::gtestFailure());
    bool opened = false;
    script.onModal(IDD_MACRO_BOLT_ADV, [&](ui::Dialog& d) {
        opened = true;
        EXPECT_EQ(d.getDlgItemText(IDC_BA_PENETRATION), u"5");
        robot.click(d, ui::IDOK);
    });
    robot.click(page, button);
    script.verify();
    EXPECT_TRUE(opened);
}

// The host's high-strength sets start at 16, its plain bolts at 12 (the stand-in's lists).
TEST_F(BoltAdvTest, AnotherAssemblyRefillsTheDiametersKeepingTheChosenOneWhenOffered) {
    MacroBoltData b = fullBolt();
    b.assembly = u"M8.8";
    b.diameter = u"20";
    run(b, [&](CDlgMacroBoltAdv& d) {
        ui::ComboBox& diameters = combo(d, IDC_BA_DIAMETER);
        EXPECT_EQ(diameters.getCount(), 6);
        robot.choose(combo(d, IDC_BA_ASSEMBLY), u"HV10.9");
        EXPECT_EQ(diameters.getCount(), 5);   // refilled for the assembly, and still so after the push showed
        EXPECT_EQ(diameters.findStringExact(-1, u"12"), -1);
        EXPECT_EQ(d.getDlgItemText(IDC_BA_DIAMETER), u"20");
    });
    // The owner's list for the dialog, the dialog's refill, and the macro page's own after the push applied.
    EXPECT_EQ(cadhost::HostLog::texts(u"GetMergedDiameters"),
              (std::vector<std::u16string>{u"GetMergedDiameters(M8.8)", u"GetMergedDiameters(HV10.9)",
                                           u"GetMergedDiameters(HV10.9)"}));
    const std::vector<std::u16string> all = cadhost::HostLog::texts();
    const auto refill = std::find(all.begin(), all.end(), u"GetMergedDiameters(HV10.9)");
    const auto update = std::find(all.begin(), all.end(), u"UpdateModule(Bolts, -1, )");
    EXPECT_LT(refill, update);   // the push carries the refilled choice
    EXPECT_EQ(updates(), 1);
    EXPECT_EQ(stored().assembly, u"HV10.9");
    EXPECT_EQ(stored().diameter, u"20");
}

TEST_F(BoltAdvTest, ADiameterTheNewAssemblyLacksGivesWayToItsFirst) {
    MacroBoltData b = fullBolt();
    b.assembly = u"M8.8";
    b.diameter = u"12";
    run(b, [&](CDlgMacroBoltAdv& d) {
        robot.choose(combo(d, IDC_BA_ASSEMBLY), u"HV10.9");
        EXPECT_EQ(d.getDlgItemText(IDC_BA_DIAMETER), u"16");
        EXPECT_EQ(combo(d, IDC_BA_DIAMETER).findStringExact(-1, u"12"), -1);
        // Back to the plain bolts: 16 is offered there too and stays.
        robot.choose(combo(d, IDC_BA_ASSEMBLY), u"M8.8");
        EXPECT_EQ(combo(d, IDC_BA_DIAMETER).getCount(), 6);
        EXPECT_EQ(d.getDlgItemText(IDC_BA_DIAMETER), u"16");
    });
    EXPECT_EQ(updates(), 2);
    EXPECT_EQ(stored().assembly, u"M8.8");
    EXPECT_EQ(stored().diameter, u"16");
}
