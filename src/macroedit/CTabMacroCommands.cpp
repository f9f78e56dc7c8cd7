#include "macroedit/CTabMacroCommands.h"

#include "macroedit/CDlgEditMacro.h"
#include "macroedit/bitmapFiles.h"
#include "macroedit/gridRows.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"

namespace {

// Button n (from 1) sends command code n - 1; buttons 4 and 11 are never shown.
struct CommandButton {
    const char16_t* bitmap;   // in the installation's "icons\" folder; null: the button is never shown
    int text;                 // host text
};
constexpr CommandButton kCommandButtons[CTabMacroCommands::kButtons] = {
    {u"Parallel.bmp", 903},  {u"Perpendicular.bmp", 904}, {u"Coincident.bmp", 905}, {nullptr, 906},
    {u"Tangent.bmp", 907},   {u"Concentric.bmp", 908},    {u"EqualRadius.bmp", 909}, {u"Distance.bmp", 910},
    {u"Angle.bmp", 911},     {u"Radius.bmp", 912},        {nullptr, 0},              {u"AddModule.bmp", 913},
    {u"BoltPattern.bmp", 914}, {u"CoordSys.bmp", 915},
};
constexpr ui::Color kBitmapTransparent = 0xC0C0C0;   // light grey

} // namespace

bool CTabMacroCommands::onInitDialog() {
    ui::Dialog::onInitDialog();
    const Ork_String folder = Ork_Settings::orkDir() + u"icons\\";
    for (int i = 0; i < kButtons; ++i) {
        const CommandButton& b = kCommandButtons[i];
        ui::ImageButton& button = m_buttons[static_cast<std::size_t>(i)];
        if (!b.bitmap || !subclassDlgItem(IDC_MC_FIRST_BUTTON + i, button))
            continue;
        m_attached[static_cast<std::size_t>(i)] = true;
        ui::Image bitmap;
        if (macroedit::loadBitmapFile(folder + b.bitmap, bitmap)) {
            button.setBitmapImage(bitmap, kBitmapTransparent);
            m_bitmaps[static_cast<std::size_t>(i)] = true;
        }
        button.setAlign(ui::ImageButton::Align::Vertical);
        button.setWindowText(dialString(b.text));
    }
    m_layout.record(*this);
    for (int i = 0; i < kButtons; ++i)
        m_layout.setFlags(IDC_MC_FIRST_BUTTON + i, KvDlgLayout::kKeepSize, KvDlgLayout::kKeepSize);
    m_initialised = true;
    return true;
}

ui::ImageButton* CTabMacroCommands::button(int code) {
    return code >= 0 && code < kButtons && m_attached[static_cast<std::size_t>(code)]
               ? &m_buttons[static_cast<std::size_t>(code)]
               : nullptr;
}

bool CTabMacroCommands::hasBitmap(int code) const {
    return code >= 0 && code < kButtons && m_bitmaps[static_cast<std::size_t>(code)];
}

bool CTabMacroCommands::onCommand(int id, int code) {
    const int command = id - IDC_MC_FIRST_BUTTON;
    if (code == ui::BN_CLICKED && command >= 0 && command < kButtons) {
        if (auto* editor = dynamic_cast<CDlgEditMacro*>(getTopLevelParent()); editor && button(command))
            editor->drawingCommand(command);
        return true;
    }
    return ui::Dialog::onCommand(id, code);
}

void CTabMacroCommands::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (m_initialised)
        m_layout.resize(cx, cy);
}

bool CTabMacroCommands::preTranslateMessage(const ui::Msg& msg) {
    if (msg.message == ui::WM_KEYDOWN && msg.wParam == ui::VK_ESCAPE) {
        macroedit::handlePageEscape(*this, false);
        return true;
    }
    return ui::Dialog::preTranslateMessage(msg);
}
