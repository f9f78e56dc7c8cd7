#include "designer/CDlgDesigner.h"

#include "cadhost/CommandLine.h"
#include "nuvo/DlgOpenSave.h"
#include "nuvo/dlgSize.h"
#include "nuvo/hostTexts.h"
#include "nuvo/textHelpers.h"
#include "os/files.h"
#include "os/paths.h"
#include "resources/resourceIds.h"
#include "ui/Msg.h"
#include "ui/Resources.h"
#include "ui/Services.h"
#include "ui/paint/Canvas.h"
#include "ui/paint/bmpFile.h"

#include <utility>

namespace {

struct IconButton {
    int id;
    int icon;
    int tooltip;   // host text; 0 for none
};

constexpr IconButton kIconButtons[] = {
    {IDC_DD_OPEN, IDI_DESIGN_OPEN, 841},       {IDC_DD_SAVE_AS, IDI_DESIGN_SAVE, 842},
    {IDC_DD_ADD, IDI_EDIT_ADD, 0},             {IDC_DD_DELETE, IDI_EDIT_REMOVE, 0},
    {IDC_DD_PICTURE, IDI_DESIGN_PICTURE, 839}, {IDC_DD_WIDTH, IDI_DESIGN_WIDTH, 90},
    {IDC_DD_HEIGHT, IDI_DESIGN_HEIGHT, 744},   {IDC_DD_COPY, IDI_DESIGN_COPY, 0},
};

// The controls of the tool column, which follow the window's right edge.
constexpr int kToolColumn[] = {IDC_DD_OPEN,          IDC_DD_SAVE_AS,      IDC_DD_PICTURE,  IDC_DD_ADD,
                               IDC_DD_DELETE,        IDC_DD_COPY,         IDC_DD_WIDTH,    IDC_DD_HEIGHT,
                               IDC_DD_ALIGN_BOTTOMS, IDC_DD_ATTACH_RIGHT, IDC_DD_TYPE_FRAME, IDC_DD_TYPE,
                               IDC_DD_CONTENTS_LABEL, IDC_DD_CONTENTS,    IDC_DD_EXTRA_LABEL, IDC_DD_EXTRA};

Ork_String designFolder() { return Ork_DlgDesignerData::getDesignerRootFolder(); }

bool isLoadableBitmap(const Ork_String& path) {
    const auto native = os::findExisting(path);
    ui::Canvas picture;
    std::u16string error;
    return native && ui::readBmpFile(*native, picture, error) && !picture.empty();
}

bool sameFile(const Ork_String& a, const Ork_String& b) {
    const auto ca = os::findCanonical(a);
    const auto cb = os::findCanonical(b);
    return ca && cb && *ca == *cb;
}

} // namespace

CDlgDesigner::CDlgDesigner(ui::Window* parent) : ui::Dialog(IDD_DESIGNER, parent) {}

bool CDlgDesigner::onInitDialog() {
    // A host driving the window (ss design edit) finds the page it draws through the window's user data.
    setUserData(reinterpret_cast<std::intptr_t>(&page));
    page.initialize(this, Ork_DlgDesignerData::kFirstCtrlId, Ork_DlgDesignerData::kLastCtrlId, IDC_DD_TYPE,
                    IDC_DD_CONTENTS_LABEL, IDC_DD_CONTENTS, IDC_DD_EXTRA_LABEL, IDC_DD_EXTRA, true);
    setIcon(ui::Resources::loadIcon(IDI_DESIGNER), true);
    setUpButtons();
    setTitle();
    setDlgItemText(IDC_DD_TYPE_FRAME, dialString(836));
    setDlgItemText(ui::IDOK, dialString(285));
    const ui::Rect outer = getWindowRect();
    m_minSize = ui::Size{outer.width(), outer.height()};
    setUpResizer();
    ChangeDlgSize(this, kSizeKey);

    if (file.isEmpty() || !os::fileExists(file))
        return true;   // a new page
    // A file that cannot be read leaves the new page empty and unnamed, so a save never overwrites it.
    if (load(file))
        modified = false;
    return true;
}

void CDlgDesigner::setUpButtons() {
    for (std::size_t i = 0; i < m_iconButtons.size(); ++i) {
        const IconButton& b = kIconButtons[i];
        m_iconButtons[i].attach(*this, b.id, b.icon, b.tooltip ? std::u16string(dialString(b.tooltip)) : u"");
    }
    setDlgItemText(IDC_DD_ALIGN_BOTTOMS, u"_ _");
    setDlgItemText(IDC_DD_ATTACH_RIGHT, u"| |");
}

void CDlgDesigner::setUpResizer() {
    m_resizer.attach(*this);
    for (int id : kToolColumn)
        m_resizer.setAnchor(id, CResizer::kFollow, CResizer::kFixed);
    m_resizer.setAnchor(ui::IDOK, CResizer::kFollow, CResizer::kFollow);
    m_resizer.setAnchor(ui::IDCANCEL, CResizer::kFollow, CResizer::kFollow);
}

void CDlgDesigner::setTitle() {
    Ork_String title = dialString(843);
    if (!page.name.isEmpty())
        title += u" - <" + page.name + u">";
    setWindowText(title);
}

void CDlgDesigner::warn(const Ork_String& message) {
    ui::messageBox(this, message, dialString(843), ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

bool CDlgDesigner::onCommand(int id, int code) {
    switch (id) {
    case IDC_DD_ADD:
        if (code != ui::BN_CLICKED)
            break;
        page.addNewControl(ctCellEdit);
        modified = true;
        return true;
    case IDC_DD_DELETE:
        if (code != ui::BN_CLICKED)
            break;
        page.removeCurControls();
        page.updatePropsOfCurSel();
        invalidate();
        modified = true;
        return true;
    // Sizes, copies and alignments follow a click on the page, which has marked it modified already.
    case IDC_DD_WIDTH:
    case IDC_DD_HEIGHT:
        if (code == ui::BN_CLICKED)
            page.changeCtrlSize(id == IDC_DD_WIDTH);
        return code == ui::BN_CLICKED;
    case IDC_DD_COPY:
        if (code == ui::BN_CLICKED) {
            page.copyCurCtrls();
            page.updatePropsOfCurSel();
        }
        return code == ui::BN_CLICKED;
    case IDC_DD_ALIGN_BOTTOMS:
        if (code == ui::BN_CLICKED)
            page.outlineCurCtrls();
        return code == ui::BN_CLICKED;
    case IDC_DD_ATTACH_RIGHT:
        if (code == ui::BN_CLICKED)
            page.stickRightCurCtrls();
        return code == ui::BN_CLICKED;
    case IDC_DD_OPEN:
        if (code == ui::BN_CLICKED)
            openDesign();
        return code == ui::BN_CLICKED;
    case IDC_DD_SAVE_AS:
        if (code == ui::BN_CLICKED)
            saveAs();
        return code == ui::BN_CLICKED;
    case IDC_DD_PICTURE:
        if (code == ui::BN_CLICKED)
            loadPicture();
        return code == ui::BN_CLICKED;
    case IDC_DD_TYPE:
        if (code != ui::CBN_SELCHANGE)
            break;
        page.propsOfCurSelUpdated();
        page.updatePropsOfCurSel();   // the labels follow the new type
        return true;
    case IDC_DD_CONTENTS:
    case IDC_DD_EXTRA:
        if (code != ui::EN_CHANGE)
            break;
        page.propsOfCurSelUpdated();
        return true;
    default:
        break;
    }
    return ui::Dialog::onCommand(id, code);
}

bool CDlgDesigner::saveQuestion() {
    if (!modified)
        return true;
    const int answer = ui::messageBox(this, dialString(838) + u"\n<" + page.name + u">", dialString(837),
                                      ui::MB_YESNOCANCEL | ui::MB_ICONQUESTION);
    if (answer == ui::IDNO)
        return true;
    if (answer != ui::IDYES)
        return false;
    // A page without a name has no file yet: the user names one, and cancelling that stays in the window.
    if (page.name.isEmpty())
        return saveAs();
    return save(designFolder() + page.name + u".txt");
}

bool CDlgDesigner::saveAs() {
    Ork_String chosen;
    const Ork_String start = getPath(designFolder() + page.name);
    if (!DlgOpenSave(this, false, u"txt", dialString(840) + u" (*.txt)", dialString(842), start, chosen))
        return false;
    return save(chosen);
}

bool CDlgDesigner::save(const Ork_String& path) {
    if (!page.writeToFile(path)) {
        // The page stays modified under its old name, so the user can try another place.
        acutPrintf(u"Save failed\n");
        warn(u"The design could not be written to\n" + path);
        return false;
    }
    modified = false;
    setTitle();
    return true;
}

bool CDlgDesigner::load(const Ork_String& path) {
    page.removeAllDrawnCtrls();
    const bool read = page.readFromFile(path, true);
    page.redrawAllControls();
    page.updatePropsOfCurSel();
    invalidate();
    if (!read) {
        acutPrintf(u"Load failed\n");
        warn(u"The design could not be read from\n" + path);
        return false;
    }
    modified = false;
    setTitle();
    return true;
}

void CDlgDesigner::openDesign() {
    if (!saveQuestion())
        return;
    Ork_String chosen;
    const Ork_String start = getPath(designFolder() + page.name);
    if (DlgOpenSave(this, true, u"txt", dialString(840) + u" (*.txt)", dialString(841), start, chosen))
        load(chosen);
}

void CDlgDesigner::loadPicture() {
    Ork_String chosen;
    if (!DlgOpenSave(this, true, u"bmp", dialString(839) + u" (*.bmp)", dialString(841), designFolder(), chosen))
        return;
    // Refused before anything is copied, so the design's own picture stays.
    if (!isLoadableBitmap(chosen)) {
        warn(u"This file is not a picture the designer can read:\n" + chosen);
        return;
    }
    if (page.name.isEmpty() && !saveAs())
        return;
    const Ork_String target = designFolder() + page.name + u".bmp";
    // The design's own picture is attached as it is: copying a file onto itself would empty it.
    if (!sameFile(chosen, target) && !os::copyFile(chosen, target)) {
        warn(u"The picture could not be copied to\n" + target);
        return;
    }
    page.attachBitmap(target);
    invalidate();
    modified = true;
}

void CDlgDesigner::onOK() {
    if (saveQuestion())
        endDialog(ui::IDOK);
}

void CDlgDesigner::onCancel() {
    if (saveQuestion())
        endDialog(ui::IDCANCEL);
}

void CDlgDesigner::onDestroy() {
    WriteDlgSize(this, kSizeKey);
    ui::Dialog::onDestroy();
}

void CDlgDesigner::onLButtonDown(unsigned flags, ui::Point point) {
    page.OnLButtonDown(flags, point);
    page.updatePropsOfCurSel();
    modified = true;
}

bool CDlgDesigner::onSetCursor(ui::Window* window, unsigned hit, unsigned message) {
    return page.OnSetCursor(hit, message) || ui::Dialog::onSetCursor(window, hit, message);
}

void CDlgDesigner::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    m_resizer.onSize(cx, cy);
    invalidate();
}

void CDlgDesigner::onGetMinMaxInfo(ui::MinMaxInfo& info) { info.minTrackSize = m_minSize; }

bool CDlgDesigner::preTranslateMessage(const ui::Msg& msg) {
    if (msg.message == ui::WM_KEYDOWN && msg.wParam == ui::VK_ESCAPE)
        return true;
    return ui::Dialog::preTranslateMessage(msg);
}
