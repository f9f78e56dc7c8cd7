#include "macrodlg/CDlgMacroBoltAdv.h"

#include "grid/SpreadWindow.h"
#include "macrodlg/CDlgMacro.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/controlHelpers.h"
#include "nuvo/crtNumbers.h"
#include "nuvo/dlgSize.h"
#include "nuvo/hostTexts.h"
#include "nuvo/macro/macroDialogCalls.h"
#include "os/files.h"
#include "resources/resourceIds.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Services.h"
#include "ui/Static.h"
#include "ui/constants.h"
#include "ui/paint/Canvas.h"
#include "ui/paint/bmpFile.h"

#include <memory>
#include <span>

namespace {

constexpr int kTitleText = 983;
constexpr int kOkText = 285;
constexpr int kMixedText = 695;
constexpr int kSlotText = 999;
constexpr int kExtraApplies = 997;
constexpr int kExtraDoesNotApply = 998;
constexpr int kBadSlotStart = 1000;
constexpr int kBadSlotEnd = 1001;
constexpr int kBadSlotAdvice = 888;
constexpr int kToleranceText = 242;
const char16_t kSizeKey[] = u"DLG_MACRO_BOLTADVANCED";
const char16_t kBadValueTitle[] = u"Ongeldige waarde";   // the host's own title, untranslated
const char16_t kPicture[] = u"icons\\DrawBolt2.bmp";
constexpr std::uint64_t kMaxPictureBytes = 4u << 20;

// Controls and their texts.
constexpr struct {
    int id;
    int text;
} kTexts[] = {
    {IDC_BA_ASSEMBLY_LABEL, 275}, {IDC_BA_DIAMETER_LABEL, 328}, {IDC_BA_PENETRATION_LABEL, 277},
    {IDC_BA_ADDED_LABEL, 278},    {IDC_BA_TOLERANCE_LABEL, 242}, {IDC_BA_FLAG1, 674},
    {IDC_BA_FLAG2, 985},          {IDC_BA_FLAG3, 234},           {IDC_BA_FLAG4, 276},
    {IDC_BA_EXTRA, 984},          {IDC_BA_HOLES_FRAME, 1477},    {IDC_BA_SLOTS_FRAME, 986},
    {IDC_BA_SLOT_ACTIVE, 761},    {IDC_BA_RADIUS_LABEL, 328},    {IDC_BA_LENGTH_LABEL, 987},
    {IDC_BA_ANGLE_LABEL, 988},    {IDC_BA_FOURTH_LABEL, 989},    {IDC_BA_POSITION_LABEL, 990},
    {IDC_BA_WASHER1_LABEL, 992},  {IDC_BA_WASHER2_LABEL, 992},   {IDC_BA_WASHERS_LABEL, 993},
};
constexpr int kNutText = 991;
constexpr int kPositionTexts[CDlgMacroBoltAdv::kSlotPositions] = {994, 995, 996};
constexpr int kFlagIds[] = {IDC_BA_FLAG1, IDC_BA_FLAG2, IDC_BA_FLAG3, IDC_BA_FLAG4};
constexpr int kNutIds[] = {IDC_BA_NUT1, IDC_BA_NUT2, IDC_BA_WASHER1, IDC_BA_WASHER2, IDC_BA_WASHERS};
// The slot editors, enabled only while the shown slot is active.
constexpr int kSlotEditorIds[] = {IDC_BA_RADIUS_LABEL, IDC_BA_RADIUS,       IDC_BA_LENGTH_LABEL, IDC_BA_LENGTH,
                                  IDC_BA_ANGLE_LABEL,  IDC_BA_ANGLE,        IDC_BA_FOURTH_LABEL, IDC_BA_FOURTH,
                                  IDC_BA_POSITION_LABEL, IDC_BA_POSITION};
// The hole grid: the check column and the text it unlocks; widths of the header column and both columns.
constexpr int kHoleCheckColumn = 1;
constexpr int kHoleTextColumn = 2;
constexpr int kHoleFitMode = 5;
constexpr int kHoleWidths[] = {25, 22, 160};

// A clicked box keeps two states from now on: the mixed state it showed is gone for good. A click that
// cycled a checked box into the mixed state leaves it unchecked, as a two-state box would.
void disableTriState(ui::Button* box) {
    if (!box || box->buttonType() != ui::BS_AUTO3STATE)
        return;
    if (box->getCheck() == ui::BST_INDETERMINATE)
        box->setCheck(ui::BST_UNCHECKED);
    box->setButtonStyle(ui::BS_AUTOCHECKBOX);
}

// Checks an unchecked box and clears any other state, as a click on its label does.
void changeCheckStatus(ui::Button* box) {
    if (box && box->isWindowEnabled())
        box->setCheck(box->getCheck() == ui::BST_CHECKED ? ui::BST_UNCHECKED : ui::BST_CHECKED);
}

// Selects `text` in a list, adding it when the list lacks it (a value the host no longer offers still shows).
void showInList(ui::ComboBox* combo, const Ork_String& text) {
    if (!combo)
        return;
    int index = combo->findStringExact(-1, text);
    if (index < 0 && !text.isEmpty())
        index = combo->addString(text);
    combo->setCurSel(index);
}

Ork_String diameterText(double d) { return Ork_String(d, d == static_cast<double>(static_cast<long long>(d)) ? 0 : 1); }

bool loadPicture(const Ork_String& path, ui::Image& image) {
    std::string bytes;
    bool tooLarge = false;
    if (!os::readBytes(path, bytes, kMaxPictureBytes, tooLarge) || tooLarge)
        return false;
    ui::Canvas decoded;
    std::u16string error;
    if (!ui::readBmp(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), decoded, error))
        return false;
    image.bytes = std::make_shared<const std::vector<std::uint8_t>>(bytes.begin(), bytes.end());
    image.size = {decoded.width(), decoded.height()};
    return true;
}

// A slot's radius or length: a positive number, or the mixed text of slots that differ (they keep theirs).
bool slotValueValid(const Ork_String& text) { return text == dialString(kMixedText) || _wtof(text.c_str()) > 0; }

} // namespace

CDlgMacroBoltAdv::CDlgMacroBoltAdv(CDlgMacro* owner, ui::Window* parent)
    : ui::Dialog(IDD_MACRO_BOLT_ADV, parent), m_owner(owner) {}

bool CDlgMacroBoltAdv::onInitDialog() {
    setUpHoles();
    // The layout is recorded at the template's size, so that a restored size moves the children too.
    setUpLayout();
    ChangeDlgSize(this, kSizeKey);
    setWindowText(dialString(kTitleText));
    setDlgItemText(ui::IDOK, dialString(kOkText));
    for (const auto& t : kTexts)
        setDlgItemText(t.id, dialString(t.text));
    setDlgItemText(IDC_BA_NUT1_LABEL, dialString(kNutText) + u" 1");
    setDlgItemText(IDC_BA_NUT2_LABEL, dialString(kNutText) + u" 2");
    if (auto* picture = getDlgItemAs<ui::Static>(IDC_BA_PICTURE)) {
        ui::Image image;
        // A missing picture leaves the control blank.
        if (loadPicture(Ork_Settings::orkDir() + kPicture, image))
            picture->setBitmap(image);
    }
    if (auto* positions = getDlgItemAs<ui::ComboBox>(IDC_BA_POSITION))
        for (int text : kPositionTexts)
            positions->addString(dialString(text));
    m_slotList.attach(*this, IDC_BA_SLOT_LIST);
    showRecord();
    showSlot(0);
    return true;
}

void CDlgMacroBoltAdv::setUpHoles() {
    if (!m_holes.createInPlace(this, IDC_BA_HOLES))
        return;
    m_holes.setMaxCols(2);
    // The check column's header spans the text column too (22 pixels hold no caption), and a span shows its
    // first column's text: the pair's caption goes there. Left empty, it would show the grid's letter "A".
    Ork_StringArray headers;
    headers.append(dialString(kToleranceText));
    headers.append(dialString(kToleranceText));
    m_holes.setColumnHeaderTexts(headers);
    Ork_Array<int> columns, widths;
    for (int c = 0; c < static_cast<int>(std::size(kHoleWidths)); ++c) {
        columns.append(c);
        widths.append(kHoleWidths[c]);
    }
    m_holes.setFitColumns(kHoleFitMode, columns, widths);
}

// The values keep their place; the holes take the room a larger window gives; the slotted holes, the nuts and
// OK keep to the bottom, the nuts and OK to the right.
void CDlgMacroBoltAdv::setUpLayout() {
    using ui::ChildLayout;
    m_layout.record(*this);
    for (ui::Window* child : children()) {
        const int id = child->getDlgCtrlID();
        int h = ChildLayout::kFixed, v = ChildLayout::kFixed;
        if (id == IDC_BA_HOLES_FRAME || id == IDC_BA_HOLES)
            h = v = ChildLayout::kStretch;
        else if (id == IDC_BA_NUTS_FRAME || (id >= IDC_BA_NUT1 && id <= IDC_BA_WASHERS_LABEL) || id == ui::IDOK)
            h = v = ChildLayout::kFollow;
        else if (id >= IDC_BA_SLOTS_FRAME && id <= IDC_BA_POSITION)
            v = ChildLayout::kFollow;
        m_layout.setFlags(child, h, v);
    }
}

void CDlgMacroBoltAdv::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    m_layout.resize(cx, cy);
    if (m_holes.isCreated())
        m_holes.applyFitMode();
}

void CDlgMacroBoltAdv::showHoles() {
    if (!m_holes.isCreated())
        return;
    AcArray<bool> flags;
    Ork_StringArray texts;
    m_bolt.getHoleColumns(flags, texts);
    const int rows = std::min(flags.length(), texts.length());
    m_holes.setMaxRows(rows);
    m_holes.setCheckBoxColumn(kHoleCheckColumn, true, true);
    Ork_Array<bool> checks;
    Ork_StringArray shown;
    for (int r = 0; r < rows; ++r) {
        checks.append(flags[r]);
        shown.append(texts[r]);
    }
    m_holes.setColumnTexts(kHoleTextColumn, shown);
    m_holes.setColumnBools(kHoleCheckColumn, checks);
    m_holes.setCheckColumnLink(kHoleCheckColumn, kHoleTextColumn);
    m_holes.applyFitMode();
}

void CDlgMacroBoltAdv::readHoles() {
    if (!m_holes.isCreated())
        return;
    Ork_Array<bool> checks;
    Ork_StringArray texts;
    m_holes.getColumnBools(kHoleCheckColumn, checks);
    m_holes.getColumnTexts(kHoleTextColumn, texts);
    AcArray<bool> flags;
    for (int r = 0; r < checks.length(); ++r)
        flags.append(checks[r]);
    m_bolt.setHoleColumns(flags, texts);
}

void CDlgMacroBoltAdv::showRecord() {
    if (auto* assemblies = getDlgItemAs<ui::ComboBox>(IDC_BA_ASSEMBLY)) {
        Ork_StringArray names;
        GetAssemblies(names);
        FillCombo(assemblies, names);
        showInList(assemblies, m_bolt.assembly);
    }
    if (auto* diameters = getDlgItemAs<ui::ComboBox>(IDC_BA_DIAMETER)) {
        Ork_StringArray texts;
        for (int i = 0; i < m_diameters.length(); ++i)
            texts.append(diameterText(m_diameters[i]));
        FillCombo(diameters, texts);
        showInList(diameters, m_bolt.diameter);
    }
    setDlgItemText(IDC_BA_PENETRATION, m_bolt.penetration);
    setDlgItemText(IDC_BA_ADDED, m_bolt.addedLength);
    setDlgItemText(IDC_BA_TOLERANCE, m_bolt.holeTolerance);
    const bool extraApplies = m_bolt.extraCount > 0;
    setDlgItemText(IDC_BA_EXTRA_TEXT, dialString(extraApplies ? kExtraApplies : kExtraDoesNotApply));
    if (auto* extra = getDlgItemAs<ui::Button>(IDC_BA_EXTRA)) {
        extra->enableWindow(extraApplies);
        extra->setCheck(m_bolt.extraOption ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    }
    for (int i = 0; i < 4; ++i)
        if (auto* box = getDlgItemAs<ui::Button>(kFlagIds[i]))
            box->setCheck(m_bolt.flags[i]);
    showHoles();
    fillSlotList();
    for (int i = 0; i < 5; ++i)
        if (auto* box = getDlgItemAs<ui::Button>(kNutIds[i])) {
            box->enableWindow(m_bolt.nutsWashers[i] != -1);
            box->setCheck(m_bolt.nutsWashers[i] == 1 ? ui::BST_CHECKED : ui::BST_UNCHECKED);
        }
}

void CDlgMacroBoltAdv::fillSlotList() {
    if (!m_slotList.isWindow())
        return;
    Ork_StringArray texts;
    AcArray<bool> checked;
    for (std::size_t i = 0; i < m_bolt.slots.size(); ++i) {
        texts.append(dialString(kSlotText) + u" nr: " + Ork_String(static_cast<int>(i) + 1));
        checked.append(m_bolt.slots[i].active != 0);
    }
    const int selected = m_slotList.getCurSel();
    m_slotList.setItems(texts, checked, selected);
}

void CDlgMacroBoltAdv::showSlot(int index) {
    const int count = static_cast<int>(m_bolt.slots.size());
    m_positionChosen = false;
    // A record without slots has nothing to edit: the editors stay disabled and no slot is read or written.
    const bool any = count > 0;
    for (int id : {IDC_BA_SLOT_LIST, IDC_BA_SLOT_ACTIVE})
        if (ui::Window* w = getDlgItem(id))
            w->enableWindow(any);
    if (!any) {
        m_shownSlot = -1;
        for (int id : {IDC_BA_RADIUS, IDC_BA_LENGTH, IDC_BA_ANGLE, IDC_BA_FOURTH})
            setDlgItemText(id, u"");
        if (auto* active = getDlgItemAs<ui::Button>(IDC_BA_SLOT_ACTIVE))
            active->setCheck(ui::BST_UNCHECKED);
        if (auto* positions = getDlgItemAs<ui::ComboBox>(IDC_BA_POSITION))
            positions->setCurSel(-1);
        enableSlotEditors();
        return;
    }
    m_shownSlot = index >= 0 && index < count ? index : 0;
    const MacroBoltSlot& s = m_bolt.slots[static_cast<std::size_t>(m_shownSlot)];
    m_slotList.setCurSel(m_shownSlot);
    if (auto* active = getDlgItemAs<ui::Button>(IDC_BA_SLOT_ACTIVE))
        active->setCheck(s.active);
    setDlgItemText(IDC_BA_RADIUS, s.radius);
    setDlgItemText(IDC_BA_LENGTH, s.length);
    setDlgItemText(IDC_BA_ANGLE, s.angle);
    setDlgItemText(IDC_BA_FOURTH, s.fourth);
    if (auto* positions = getDlgItemAs<ui::ComboBox>(IDC_BA_POSITION))
        positions->setCurSel(s.position >= 0 && s.position < kSlotPositions ? s.position : kSlotPositions - 1);
    enableSlotEditors();
}

void CDlgMacroBoltAdv::enableSlotEditors() {
    auto* active = getDlgItemAs<ui::Button>(IDC_BA_SLOT_ACTIVE);
    const bool on = m_shownSlot >= 0 && active && active->getCheck() == ui::BST_CHECKED;
    for (int id : kSlotEditorIds)
        if (ui::Window* w = getDlgItem(id))
            w->enableWindow(on);
}

void CDlgMacroBoltAdv::readControls() {
    m_bolt.assembly = getDlgItemText(IDC_BA_ASSEMBLY);
    m_bolt.diameter = getDlgItemText(IDC_BA_DIAMETER);
    m_bolt.penetration = getDlgItemText(IDC_BA_PENETRATION);
    m_bolt.addedLength = getDlgItemText(IDC_BA_ADDED);
    m_bolt.holeTolerance = getDlgItemText(IDC_BA_TOLERANCE);
    if (m_bolt.extraCount > 0)
        if (auto* extra = getDlgItemAs<ui::Button>(IDC_BA_EXTRA))
            m_bolt.extraOption = extra->getCheck() == ui::BST_CHECKED;
    for (int i = 0; i < 4; ++i)
        if (auto* box = getDlgItemAs<ui::Button>(kFlagIds[i]))
            m_bolt.flags[i] = box->getCheck();   // checked 1, indeterminate 2, unchecked 0
    readHoles();
    for (int i = 0; i < 5; ++i)
        if (auto* box = getDlgItemAs<ui::Button>(kNutIds[i]))
            m_bolt.nutsWashers[i] = box->isWindowEnabled() ? (box->getCheck() == ui::BST_CHECKED ? 1 : 0) : -1;
    readShownSlot();
}

void CDlgMacroBoltAdv::readShownSlot() {
    if (m_shownSlot < 0 || m_shownSlot >= static_cast<int>(m_bolt.slots.size()))
        return;
    MacroBoltSlot& s = m_bolt.slots[static_cast<std::size_t>(m_shownSlot)];
    if (auto* active = getDlgItemAs<ui::Button>(IDC_BA_SLOT_ACTIVE))
        s.active = active->getCheck();
    s.radius = getDlgItemText(IDC_BA_RADIUS);
    s.length = getDlgItemText(IDC_BA_LENGTH);
    s.angle = getDlgItemText(IDC_BA_ANGLE);
    s.fourth = getDlgItemText(IDC_BA_FOURTH);
    // A mixed position shows as the last entry; it stays mixed until the user chooses one, or every push
    // would overwrite the slots' differing positions.
    auto* positions = getDlgItemAs<ui::ComboBox>(IDC_BA_POSITION);
    if (positions && positions->getCurSel() >= 0 && (s.position != -1 || m_positionChosen))
        s.position = positions->getCurSel();
}

bool CDlgMacroBoltAdv::validate() {
    for (std::size_t i = 0; i < m_bolt.slots.size(); ++i) {
        const MacroBoltSlot& s = m_bolt.slots[i];
        if (s.active == 0 || (slotValueValid(s.radius) && slotValueValid(s.length)))
            continue;
        // Slots are numbered from 1, as the slot list numbers them.
        const Ork_String text = dialString(kBadSlotStart) + u" " + Ork_String(static_cast<int>(i) + 1) + u" " +
                                dialString(kBadSlotEnd) + u"\n\n" + dialString(kBadSlotAdvice) + u".";
        ui::messageBox(this, text, kBadValueTitle, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

bool CDlgMacroBoltAdv::push() {
    if (!m_owner)
        return true;   // nobody to push to
    readControls();
    if (!validate())
        return false;
    if (!m_owner->pushBolt(m_bolt))
        return true;
    showRecord();
    // The stored record may hold fewer slots than were shown.
    showSlot(m_shownSlot);
    return true;
}

void CDlgMacroBoltAdv::slotListChanged() {
    const int chosen = m_slotList.getCurSel();
    // A toggled check mark is the slot's active flag, set as its box would set it.
    const AcArray<bool> marks = m_slotList.checks();
    bool toggled = false;
    for (int i = 0; i < marks.length() && i < static_cast<int>(m_bolt.slots.size()); ++i) {
        MacroBoltSlot& s = m_bolt.slots[static_cast<std::size_t>(i)];
        if (marks[i] == (s.active != 0))
            continue;
        s.active = marks[i] ? 1 : 0;
        toggled = true;
        if (i == m_shownSlot)
            if (auto* active = getDlgItemAs<ui::Button>(IDC_BA_SLOT_ACTIVE)) {
                disableTriState(active);
                active->setCheck(s.active);
                enableSlotEditors();
            }
    }
    if (toggled) {
        push();
        return;
    }
    if (chosen < 0 || chosen == m_shownSlot)
        return;
    readShownSlot();
    showSlot(chosen);
}

// Another assembly comes with its own diameters: the list becomes the host's for it. The chosen diameter
// stays when the assembly offers it too; otherwise the assembly's first one is taken, so that no diameter the
// assembly lacks is pushed. When the host has no list for it, list and diameter stay as they were.
void CDlgMacroBoltAdv::assemblyChosen() {
    AcArray<double> offered;
    if (GetMergedDiameters(getDlgItemText(IDC_BA_ASSEMBLY), offered) && offered.length() > 0) {
        m_diameters = offered;
        if (auto* diameters = getDlgItemAs<ui::ComboBox>(IDC_BA_DIAMETER)) {
            const Ork_String chosen = getDlgItemText(IDC_BA_DIAMETER);
            Ork_StringArray texts;
            for (int i = 0; i < m_diameters.length(); ++i)
                texts.append(diameterText(m_diameters[i]));
            FillCombo(diameters, texts);
            const int kept = diameters->findStringExact(-1, chosen);
            diameters->setCurSel(kept >= 0 ? kept : 0);
        }
    }
    push();
}

void CDlgMacroBoltAdv::boxClicked(int id) {
    auto* box = getDlgItemAs<ui::Button>(id);
    disableTriState(box);
    if (id == IDC_BA_SLOT_ACTIVE && box) {
        enableSlotEditors();
        if (m_shownSlot >= 0)
            m_slotList.setChecked(m_shownSlot, box->getCheck() == ui::BST_CHECKED);
    }
    push();
}

bool CDlgMacroBoltAdv::onCommand(int id, int code) {
    if (m_holes.isCreated() && id == m_holes.controlId()) {
        int column = 0, row = 0;
        m_holes.notifyCell(column, row);
        if (code == SSN_CHECKBOXCLICK || code == SSN_EDITMODEOFF)
            push();
        return true;
    }
    if (code == ui::BN_CLICKED) {
        for (int box : kFlagIds)
            if (id == box) {
                boxClicked(id);
                return true;
            }
        for (int box : kNutIds)
            if (id == box) {
                boxClicked(id);
                return true;
            }
        if (id == IDC_BA_SLOT_ACTIVE) {
            boxClicked(id);
            return true;
        }
        if (id == IDC_BA_EXTRA) {
            push();
            return true;
        }
    }
    if (code == ui::STN_CLICKED && id == IDC_BA_NUT1_LABEL) {
        // Only the first nut's label toggles its box; the push follows with the next change.
        changeCheckStatus(getDlgItemAs<ui::Button>(IDC_BA_NUT1));
        return true;
    }
    if (code == ui::CBN_SELCHANGE) {
        switch (id) {
        case IDC_BA_POSITION: m_positionChosen = true; [[fallthrough]];
        case IDC_BA_DIAMETER: push(); return true;
        case IDC_BA_ASSEMBLY: assemblyChosen(); return true;
        case IDC_BA_SLOT_LIST: slotListChanged(); return true;
        default: break;
        }
    }
    return ui::Dialog::onCommand(id, code);
}

bool CDlgMacroBoltAdv::preTranslateMessage(const ui::Msg& msg) {
    if (msg.message == ui::WM_KEYDOWN && msg.wParam == ui::VK_RETURN) {
        // Enter pushes and keeps the dialog open; an edit in the hole grid ends first.
        if (m_holes.isCreated() && m_holes.ssGetEditMode())
            m_holes.ssSetEditMode(false);
        push();
        return true;
    }
    return ui::Dialog::preTranslateMessage(msg);
}

void CDlgMacroBoltAdv::onOK() {
    if (push())
        endDialog(ui::IDOK);
}

void CDlgMacroBoltAdv::onDestroy() {
    WriteDlgSize(this, kSizeKey);
    ui::Dialog::onDestroy();
}
