#pragma once
// Page 3 of the definition editor: a picture button per drawing command of the host. A click runs the
// editor's drawing command with the button's code; the pictures are the installation's "icons\" bitmaps.
#include "base/KvDlgLayout.h"
#include "ui/Dialog.h"
#include "ui/ImageButton.h"

#include <array>

class CTabMacroCommands : public ui::Dialog {
public:
    static constexpr int kButtons = 14;

    CTabMacroCommands() = default;

    // The button that sends command `code`, or null for one that is never shown (codes 3 and 10).
    ui::ImageButton* button(int code);
    // Whether the button of that code found its bitmap.
    bool hasBitmap(int code) const;

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;
    void onSize(unsigned type, int cx, int cy) override;
    bool preTranslateMessage(const ui::Msg& msg) override;
    void onOK() override {}
    void onCancel() override {}

private:
    std::array<ui::ImageButton, kButtons> m_buttons;
    std::array<bool, kButtons> m_attached{};
    std::array<bool, kButtons> m_bitmaps{};
    KvDlgLayout m_layout;
    bool m_initialised = false;
};
