#include "ui/paint/WindowPainter.h"

#include "pngReader.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/Dialog.h"
#include "ui/ImageButton.h"
#include "ui/ListCtrl.h"
#include "ui/TabCtrl.h"
#include "ui/WindowClasses.h"
#include "ui/paint/bitmapFont.h"
#include "ui/paint/bmpFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>

namespace ui {
namespace {

enum : int {
    kNameLabel = 100,
    kName = 101,
    kKind = 102,
    kGroup = 103,
    kRadioA = 104,
    kRadioB = 105,
    kCheckOff = 106,
    kCheckOn = 107,
    kCheckMixed = 108,
    kTabs = 109,
    kGrid = 110,
    kHidden = 111,
    kDisabled = 112,
    kUnknown = 113,
    kPicked = 114,
};

// A dialog with one of every kind of control, as the module's dialogs use them.
DialogTemplate sampleTemplate() {
    DialogTemplate t;
    t.id = 9001;
    t.caption = u"Endplate connection";
    t.size = {420, 300};
    const std::uint32_t child = WS_CHILD | WS_VISIBLE;
    t.add(u"Static", kNameLabel, u"&Name:", child | SS_LEFT, {10, 14, 70, 28})
        .add(u"Edit", kName, u"Endplate 200x10", child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, {75, 10, 250, 30})
        .add(u"ComboBox", kKind, u"", child | WS_TABSTOP | CBS_DROPDOWNLIST, {260, 10, 410, 120})
        .add(u"Button", kGroup, u"Bolts", child | BS_GROUPBOX, {10, 40, 200, 160})
        .add(u"Button", kRadioA, u"M16", child | BS_AUTORADIOBUTTON | WS_GROUP, {20, 58, 190, 76})
        .add(u"Button", kRadioB, u"M20 (preferred)", child | BS_AUTORADIOBUTTON, {20, 78, 190, 96})
        .add(u"Button", kCheckOff, u"Washers", child | BS_AUTOCHECKBOX | WS_GROUP, {20, 100, 190, 118})
        .add(u"Button", kCheckOn, u"Pretensioned", child | BS_AUTOCHECKBOX, {20, 120, 190, 138})
        .add(u"Button", kCheckMixed, u"Mixed values", child | BS_AUTO3STATE, {20, 140, 190, 158})
        .add(u"SysTabControl32", kTabs, u"", child, {210, 40, 410, 160})
        .add(u"PaintTestGrid", kGrid, u"", child | WS_BORDER, {220, 70, 400, 150})
        .add(u"Edit", kDisabled, u"read only", child | WS_BORDER | WS_DISABLED, {10, 170, 200, 190})
        .add(u"PaintTestUnknown", kUnknown, u"", child, {210, 170, 410, 230})
        .add(u"Button", kHidden, u"Hidden", WS_CHILD | BS_PUSHBUTTON, {10, 200, 100, 225})
        .add(u"Static", kPicked, u"Labels wrap at word boundaries when they are too long for one line.",
             child | SS_LEFT, {10, 200, 200, 240})
        .add(u"Button", IDOK, u"OK", child | BS_DEFPUSHBUTTON | WS_TABSTOP, {250, 260, 325, 285})
        .add(u"Button", IDCANCEL, u"Cancel", child | BS_PUSHBUTTON | WS_TABSTOP, {335, 260, 410, 285});
    return t;
}

// A grid-like custom control drawn by its own painter: white cells with grey lines every 20 pixels.
void paintTestGrid(Canvas& canvas, const Window&, const Rect& client) {
    canvas.fill(colors::white);
    for (int x = client.left; x < client.right; x += 20)
        canvas.drawVLine(x, client.top, client.bottom - 1, colors::darkGrey);
    for (int y = client.top; y < client.bottom; y += 20)
        canvas.drawHLine(client.left, client.right - 1, y, colors::darkGrey);
}

class WindowPainterTest : public ::testing::Test {
protected:
    void SetUp() override {
        Desktop::reset();
        WindowClasses::registerClass(u"PaintTestGrid", [] { return std::make_unique<Window>(); });
        WindowClasses::registerClass(u"PaintTestUnknown", [] { return std::make_unique<Window>(); });
        WindowPainter::registerPainter(u"painttestgrid", paintTestGrid); // any case finds it
        ASSERT_TRUE(dialog.createIndirect(sampleTemplate(), nullptr, Dialog::Show::Visible));
        auto* combo = dialog.getDlgItemAs<ComboBox>(kKind);
        ASSERT_NE(combo, nullptr);
        combo->addString(u"Flush endplate");
        combo->addString(u"Extended endplate");
        combo->setCurSel(1);
        auto* tabs = dialog.getDlgItemAs<TabCtrl>(kTabs);
        ASSERT_NE(tabs, nullptr);
        tabs->insertItem(0, u"Bolts");
        tabs->insertItem(1, u"Welds");
        tabs->insertItem(2, u"Plate");
        tabs->setCurSel(1);
        dialog.checkDlgButton(kRadioB, BST_CHECKED);
        dialog.checkDlgButton(kCheckOn, BST_CHECKED);
        dialog.checkDlgButton(kCheckMixed, BST_INDETERMINATE);
        canvas = renderWindow(dialog);
    }
    void TearDown() override {
        WindowPainter::registerPainter(u"PaintTestGrid", nullptr);
        dialog.destroyWindow();
        Desktop::reset();
    }

    // A point of the dialog's client area on the canvas.
    Color at(int clientX, int clientY) const {
        const Rect wr = dialog.getWindowRect();
        const Point p = dialog.clientToScreen(Point{clientX, clientY});
        return canvas.pixel(p.x - wr.left, p.y - wr.top);
    }
    int inkIn(const Rect& clientRect, Color ink = colors::black) const {
        int n = 0;
        for (int y = clientRect.top; y < clientRect.bottom; ++y)
            for (int x = clientRect.left; x < clientRect.right; ++x) n += at(x, y) == ink;
        return n;
    }

    Dialog dialog;
    Canvas canvas;
};

TEST_F(WindowPainterTest, TheCanvasIsTheWholeWindowWithItsCaption) {
    const Rect wr = dialog.getWindowRect();
    EXPECT_EQ(canvas.width(), wr.width());
    EXPECT_EQ(canvas.height(), wr.height());
    EXPECT_EQ(canvas.pixel(wr.width() / 2, 10), colors::caption); // the caption bar, right of the title
    EXPECT_EQ(at(5, 250), colors::buttonFace);                    // the dialog's own face
    // The title is written in the caption bar.
    int white = 0;
    for (int y = 2; y < 18; ++y)
        for (int x = 8; x < 100; ++x) white += canvas.pixel(x, y) == colors::white;
    EXPECT_GT(white, 100);
}

TEST_F(WindowPainterTest, EditsAreWhiteBoxesWithTheirText) {
    // Away from the focus, which selects the edit's whole text when the dialog starts.
    dialog.getDlgItem(IDCANCEL)->setFocus();
    canvas = renderWindow(dialog);
    EXPECT_EQ(at(245, 12), colors::white);        // inside the edit, right of its text
    EXPECT_GT(inkIn(Rect{76, 11, 249, 29}), 60);  // "Endplate 200x10"
    EXPECT_EQ(at(75, 10), colors::windowFrame);   // its border
    EXPECT_EQ(at(198, 180), colors::buttonFace);  // a disabled edit is grey...
    EXPECT_EQ(inkIn(Rect{11, 171, 199, 189}), 0); // ...with grey text
    EXPECT_GT(inkIn(Rect{11, 171, 199, 189}, colors::grayText), 20);
}

TEST_F(WindowPainterTest, TheFocusedEditShowsItsSelection) {
    auto* name = dialog.getDlgItem(kName);
    ASSERT_NE(name, nullptr);
    name->setFocus();
    dialog.sendDlgItemMessage(kName, EM_SETSEL, 0, 8); // "Endplate"
    const Canvas focused = renderWindow(dialog);
    const Rect wr = dialog.getWindowRect();
    const Point p = dialog.clientToScreen(Point{75 + 1 + 3, 10 + 1}); // the edit's text area
    const int x0 = p.x - wr.left, y0 = p.y - wr.top;
    // Highlight behind the eight selected characters, white text on it; the rest black on white.
    EXPECT_EQ(focused.pixel(x0 + 8 * font::kAdvance - 1, y0 + 9), colors::caption);
    EXPECT_EQ(focused.pixel(x0 + 8 * font::kAdvance + 1, y0 + 9), colors::white);
    int whiteInk = 0;
    for (int y = y0; y < y0 + 18; ++y)
        for (int x = x0; x < x0 + 8 * font::kAdvance; ++x) whiteInk += focused.pixel(x, y) == colors::white;
    EXPECT_GT(whiteInk, 40);
}

TEST_F(WindowPainterTest, CheckBoxesShowTheirState) {
    // The box is 13 pixels square at the left, centred on the button's height.
    EXPECT_EQ(inkIn(Rect{20, 103, 33, 116}), 0);                   // unchecked
    EXPECT_GT(inkIn(Rect{20, 123, 33, 136}), 8);                   // checked: a black mark
    EXPECT_GT(inkIn(Rect{20, 143, 33, 156}, colors::darkGrey), 8); // indeterminate: a grey mark
    EXPECT_EQ(at(22, 145), colors::buttonFace);                    // on a grey box
}

TEST_F(WindowPainterTest, OnlyTheCheckedRadioButtonHasADot) {
    EXPECT_EQ(inkIn(Rect{20, 60, 33, 74}), 0);
    EXPECT_GT(inkIn(Rect{20, 80, 33, 94}), 4);
}

TEST_F(WindowPainterTest, HiddenWindowsAreNotDrawn) {
    // The hidden button and the label share a place; only the label's text shows, never a button face edge.
    EXPECT_NE(at(10, 200), colors::buttonDarkShadow);
    EXPECT_NE(at(99, 224), colors::buttonDarkShadow);
}

TEST_F(WindowPainterTest, TheDefaultButtonHasABlackFrame) {
    EXPECT_EQ(at(250, 260), colors::black);
    EXPECT_EQ(at(324, 284), colors::black);
    EXPECT_NE(at(335, 260), colors::black);
    EXPECT_GT(inkIn(Rect{253, 263, 322, 282}), 10); // "OK"
}

TEST_F(WindowPainterTest, ACustomClassDrawsItselfInsideItsClientArea) {
    // The grid's painter fills "everything", but the canvas is clipped to its client rectangle (inside the
    // one-pixel border), and its lines start at the client's corner.
    EXPECT_EQ(at(221, 71), colors::darkGrey); // the first grid line crossing
    EXPECT_EQ(at(230, 80), colors::white);
    EXPECT_EQ(at(220, 70), colors::windowFrame); // the border stays the frame's
    EXPECT_EQ(at(215, 65), colors::buttonFace);  // outside: the tab control's body
}

TEST_F(WindowPainterTest, AClassWithoutAPainterShowsAPlaceholderWithItsName) {
    EXPECT_EQ(at(212, 172), rgb(250, 250, 235));
    EXPECT_GT(inkIn(Rect{211, 171, 409, 229}, colors::darkGrey), 40); // "PaintTestUnknown"
}

TEST_F(WindowPainterTest, AComboShowsTheSelectedItemAndAnArrowButton) {
    EXPECT_GT(inkIn(Rect{262, 12, 390, 29}), 40); // "Extended endplate"
    // The arrow, centred in the 17-pixel button at the field's right: a wide top row narrowing to its tip.
    EXPECT_EQ(at(396, 18), colors::black);
    EXPECT_EQ(at(402, 18), colors::black);
    EXPECT_EQ(at(399, 21), colors::black);
    EXPECT_NE(at(398, 21), colors::black);
    EXPECT_EQ(at(300, 60), colors::buttonFace); // the closed list is not drawn
}

TEST_F(WindowPainterTest, ChildrenAreClippedToTheirParent) {
    // A button sticking out of the dialog never draws over the frame or outside the canvas.
    Button stray;
    ASSERT_TRUE(stray.create(u"Stray", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, Rect{400, 280, 600, 400}, &dialog, 999));
    const Canvas withStray = renderWindow(dialog);
    const Rect wr = dialog.getWindowRect();
    const Point clientEnd = dialog.clientToScreen(Point{420, 300});
    for (int y = clientEnd.y - wr.top; y < withStray.height(); ++y)
        for (int x = 0; x < withStray.width(); ++x)
            EXPECT_EQ(withStray.pixel(x, y), canvas.pixel(x, y)) << x << "," << y;
    stray.destroyWindow();
}

TEST_F(WindowPainterTest, WritesAPngScreenshot) {
    const char* tmp = std::getenv("TMPDIR");
    const auto path = std::filesystem::path(tmp && *tmp ? tmp : "/tmp") / "ss-sample-dialog.png";
    std::u16string error;
    ASSERT_TRUE(writeWindowPng(dialog, path, error));
    std::cout << "sample dialog screenshot: " << path.string() << "\n";
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Canvas back;
    std::string problem;
    ASSERT_TRUE(test::decodePng(bytes, back, problem)) << problem;
    EXPECT_TRUE(std::equal(back.pixels().begin(), back.pixels().end(), canvas.pixels().begin(), canvas.pixels().end()));
}

// ---- Pictures, lists and scroll bars, on a second dialog

// A 16 x 16 bitmap: a red square on magenta, the transparent colour of button pictures.
Image redSquareBitmap() {
    Canvas picture(16, 16, colors::magenta);
    picture.fillRect(4, 4, 12, 12, rgb(255, 0, 0));
    Image image;
    image.resourceId = 7;
    image.bytes = std::make_shared<const std::vector<std::uint8_t>>(encodeBmp(picture));
    image.size = {16, 16};
    return image;
}

class PicturesDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        Desktop::reset();
        DialogTemplate t;
        t.id = 9002;
        t.caption = u"Pictures and lists";
        t.size = {300, 200};
        const std::uint32_t child = WS_CHILD | WS_VISIBLE;
        t.add(u"Edit", 301, u"", child | WS_BORDER | ES_MULTILINE | WS_VSCROLL, {10, 90, 150, 190})
            .add(u"ComboBox", 302, u"", child | CBS_DROPDOWNLIST, {160, 10, 290, 100})
            .add(u"SysListView32", 303, u"", child | WS_BORDER, {160, 110, 290, 190});
        ASSERT_TRUE(dialog.createIndirect(t, nullptr, Dialog::Show::Visible));
        ASSERT_TRUE(button.create(u"Parallel", child | BS_PUSHBUTTON, Rect{10, 10, 80, 70}, &dialog, 300));
        button.setBitmapImage(redSquareBitmap(), colors::magenta);
        button.setAlign(ImageButton::Align::Vertical);
        dialog.setDlgItemText(301, u"first line\r\nsecond line\r\nthird line");
        auto* combo = dialog.getDlgItemAs<ComboBox>(302);
        ASSERT_NE(combo, nullptr);
        combo->addString(u"Angle");
        combo->addString(u"Channel");
        combo->addString(u"Beam");
        combo->setCurSel(1);
        combo->showDropDown(true);
        auto* list = dialog.getDlgItemAs<ListCtrl>(303);
        ASSERT_NE(list, nullptr);
        list->setImageList({redSquareBitmap()}, Size{16, 16});
        list->insertItem(-1, u"IPE", 0);
        list->insertItem(-1, u"HEA", 0);
        list->setItemSelected(1, true);
        canvas = renderWindow(dialog);
    }
    void TearDown() override {
        button.destroyWindow();
        dialog.destroyWindow();
        Desktop::reset();
    }
    Color at(int clientX, int clientY) const {
        const Rect wr = dialog.getWindowRect();
        const Point p = dialog.clientToScreen(Point{clientX, clientY});
        return canvas.pixel(p.x - wr.left, p.y - wr.top);
    }

    Dialog dialog;
    ImageButton button;
    Canvas canvas;
};

TEST(ComboPicture, AClosedDropDownListShowsNoScrollBarBelowItsField) {
    Desktop::reset();
    DialogTemplate t;
    t.id = 9003;
    t.caption = u"Closed list";
    t.size = {200, 150};
    t.add(u"ComboBox", 302, u"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, {10, 10, 150, 140});
    Dialog dialog;
    ASSERT_TRUE(dialog.createIndirect(t, nullptr, Dialog::Show::Visible));
    dialog.getDlgItemAs<ComboBox>(302)->addString(u"Angle");
    const Canvas canvas = renderWindow(dialog);
    const Rect wr = dialog.getWindowRect();
    // Below the closed field, where the list would drop down, the dialog's face shows, scroll bar and all.
    for (int x : {20, 100, 140}) {
        const Point p = dialog.clientToScreen(Point{x, 100});
        EXPECT_EQ(canvas.pixel(p.x - wr.left, p.y - wr.top), colors::buttonFace) << x;
    }
    dialog.destroyWindow();
    Desktop::reset();
}

TEST_F(PicturesDialogTest, AButtonPictureShowsTheFaceThroughItsTransparentColour) {
    // Text below the image: the 16-pixel picture is centred across the face, above the text line.
    const Rect face = button.getWindowRect();
    int redLeft = -1, redTop = -1, magenta = 0;
    for (int y = 10; y < 70; ++y)
        for (int x = 10; x < 80; ++x) {
            if (at(x, y) == rgb(255, 0, 0) && redLeft < 0) {
                redLeft = x;
                redTop = y;
            }
            magenta += at(x, y) == colors::magenta;
        }
    EXPECT_EQ(magenta, 0);
    EXPECT_EQ(redLeft, 10 + (face.width() - 16) / 2 + 4);
    EXPECT_EQ(at(redLeft - 1, redTop), colors::buttonFace); // the picture's magenta border
    EXPECT_EQ(at(redLeft + 7, redTop + 7), rgb(255, 0, 0));
}

TEST_F(PicturesDialogTest, AScrollingEditHasItsScrollBar) {
    // Inside the one-pixel border, 17 pixels wide at the right (x 132 to 148): an up-arrow button at the top,
    // the arrow centred in it with its tip above its base.
    EXPECT_EQ(at(135, 94), colors::buttonFace);
    EXPECT_EQ(at(140, 97), colors::black);
    EXPECT_NE(at(139, 97), colors::black);
    EXPECT_EQ(at(137, 100), colors::black);
    EXPECT_EQ(at(120, 95), colors::white); // the text area
}

TEST_F(PicturesDialogTest, ADroppedComboShowsItsListWithTheSelectionHighlighted) {
    // Rows of 14 pixels below the 21-pixel field: the second row is the selected one.
    EXPECT_EQ(at(200, 21 + 10 + 2 + 14 + 5), colors::caption);
    EXPECT_EQ(at(200, 21 + 10 + 2 + 5), colors::white);
}

TEST_F(PicturesDialogTest, ThumbnailsShowTheirPicturesAndTheSelection) {
    // Cells of 32 x 31 pixels; each picture centred at the top of its cell.
    EXPECT_EQ(at(161 + 8 + 8, 111 + 4 + 8), rgb(255, 0, 0));
    EXPECT_EQ(at(161 + 32 + 8 + 8, 111 + 4 + 8), rgb(255, 0, 0));
    EXPECT_EQ(at(161 + 32 + 6, 111 + 4), colors::caption); // the selected one's frame
}

TEST_F(PicturesDialogTest, WritesAPngScreenshot) {
    const char* tmp = std::getenv("TMPDIR");
    const auto path = std::filesystem::path(tmp && *tmp ? tmp : "/tmp") / "ss-sample-pictures.png";
    std::u16string error;
    ASSERT_TRUE(writeWindowPng(dialog, path, error));
    std::cout << "pictures dialog screenshot: " << path.string() << "\n";
}

TEST(WindowPainterRegistry, PaintersAreFoundIgnoringCase) {
    EXPECT_FALSE(WindowPainter::hasPainter(u"fpUSpread70"));
    WindowPainter::registerPainter(u"fpUSpread70", [](Canvas&, const Window&, const Rect&) {});
    EXPECT_TRUE(WindowPainter::hasPainter(u"FPUSPREAD70"));
    WindowPainter::registerPainter(u"FpuSpread70", nullptr);
    EXPECT_FALSE(WindowPainter::hasPainter(u"fpUSpread70"));
}

TEST(WindowPainterRegistry, ClassNamesIgnoreTheCaseOfEveryScriptWithCase) {
    WindowPainter::registerPainter(u"GitterÄЖ", [](Canvas&, const Window&, const Rect&) {});
    EXPECT_TRUE(WindowPainter::hasPainter(u"GITTERäж"));
    WindowPainter::registerPainter(u"gitterÄж", nullptr);
    EXPECT_FALSE(WindowPainter::hasPainter(u"GitterÄЖ"));
}

} // namespace
} // namespace ui

namespace ui {
namespace {

TEST_F(WindowPainterTest, AWindowsOwnStepsDrawItsBackgroundBeforeItsChildren) {
    std::vector<std::string> order;
    WindowPainter::setWindowSteps(
        &dialog,
        [&order](Canvas& c, const Window&, const Rect& client) {
            order.push_back("erase");
            c.fillRect(client, colors::magenta);
        },
        [&order](Canvas& c, const Window&, const Rect& client) {
            order.push_back("paint");
            c.fillRect(Rect{client.left, client.top, client.left + 4, client.top + 4}, colors::black);
        });
    EXPECT_TRUE(WindowPainter::hasWindowSteps(&dialog));
    canvas = renderWindow(dialog);
    EXPECT_EQ(order, (std::vector<std::string>{"erase", "paint"}));
    EXPECT_EQ(at(5, 250), colors::magenta);   // the dialog's face replaced
    EXPECT_EQ(at(1, 1), colors::black);
    EXPECT_EQ(at(260, 272), colors::buttonFace);   // the OK button drawn over it
    // A label draws only its text: the background shows between its letters.
    EXPECT_EQ(at(66, 15), colors::magenta);
    EXPECT_GT(inkIn(Rect{10, 14, 70, 28}), 0);
    WindowPainter::setWindowSteps(&dialog, nullptr, nullptr);
    EXPECT_FALSE(WindowPainter::hasWindowSteps(&dialog));
    canvas = renderWindow(dialog);
    EXPECT_EQ(at(5, 250), colors::buttonFace);
}

} // namespace
} // namespace ui
