#pragma once
// The grid window, class "fpUSpread70": one sheet shown as a table with its headers, an active cell, a selected
// block, editing in place, clipboard copy and paste, check boxes and buttons in cells, and notifications to the
// parent. The windows that hold the focus inside a grid — its focus child and its in-cell edit field — have
// class names starting with "fpSpr", which is how a dialog's Tab handling recognises a grid.
//
// Notifications are WM_COMMAND messages to the parent with the grid's id and one of the SSN_ codes below;
// notifyCell() tells which cell the current one is about (row or column 0 for a header).
#include <cstdint>
#include <string>

#include "grid/Sheet.h"
#include "ui/Edit.h"
#include "ui/Window.h"

enum : int {
    SSN_CLICK = 50,           // left click on a cell or a header
    SSN_DBLCLICK = 51,
    SSN_RIGHTCLICK = 52,
    SSN_ACTIVECELLMOVED = 53,
    SSN_COMBOCHANGE = 54,     // a combo-box cell took another item
    SSN_EDITMODEON = 55,
    SSN_EDITMODEOFF = 56,
    SSN_CHANGE = 57,          // the user changed a cell's content
    SSN_CHECKBOXCLICK = 59,
    SSN_BUTTONCLICK = 60,
};

namespace grid {

// Text-tip settings, kept for the program that reads them back.
struct TextTipSettings {
    int status = 0;
    int delay = 500;
    Font font;
    std::uint32_t back = 0x00E1FFFF;
    std::uint32_t fore = 0;
};

class SpreadWindow : public ui::Window {
public:
    static constexpr std::u16string_view kClassName = u"fpUSpread70";
    // Registers the window class and its painter (again is harmless).
    static void registerClass();

    SpreadWindow();
    ~SpreadWindow() override;

    // The grid window behind a window, or null when it is none. Cheap: the grid operations ask it on every call.
    static SpreadWindow* fromWindow(ui::Window* window);

    Sheet& sheet() { return sheet_; }
    const Sheet& sheet() const { return sheet_; }
    // Empties the sheet and the window's own state.
    void reset();

    // --- active cell and selection (the active cell is always inside the selection)
    bool setActiveCell(int col, int row);
    void activeCell(int& col, int& row) const { col = activeCol_, row = activeRow_; }
    bool setSelection(int col1, int row1, int col2, int row2);
    void selection(int& col1, int& row1, int& col2, int& row2) const;
    void notifyCell(int& col, int& row) const { col = notifyCol_, row = notifyRow_; }

    // --- editing in place
    // A cell a user can type into: inside the grid, unlocked, and of a kind with a text to edit.
    bool editable(int col, int row) const;
    bool setEditMode(bool on);   // on: opens the active cell's editor; off: ends it, keeping the text
    bool editMode() const { return editing_; }
    bool editSelection(int& start, int& end) const;
    bool setEditSelection(int start, int end);
    std::u16string editText() const;
    ui::Window* editWindow() { return editing_ ? &edit_ : nullptr; }

    // --- combo-box cells: their items are the type's TAB-separated text. Choosing one writes it as the cell's
    // data and notifies SSN_COMBOCHANGE; a click on the cell's arrow chooses the next item, as a user stepping
    // through the list would.
    bool chooseComboItem(int col, int row, int index);

    // --- clipboard: the selected block as TAB-separated lines; pasting writes from the block's first cell
    bool copyToClipboard();
    bool pasteFromClipboard();

    // --- look
    void setSelectionColours(std::uint32_t back, std::uint32_t fore) { selBack_ = back, selFore_ = fore; }
    void selectionColours(std::uint32_t& back, std::uint32_t& fore) const { back = selBack_, fore = selFore_; }
    void setTextTip(const TextTipSettings& tip) { tip_ = tip; }
    const TextTipSettings& textTip() const { return tip_; }
    // Settings without a drawing role here; stored by index so that a program reads back what it set.
    void setSetting(int index, std::int64_t value);
    std::int64_t setting(int index, std::int64_t fallback = 0) const;

    // --- geometry (client pixels). The header column shows while switch 4 is on.
    int headerWidthPx() const;
    int headerHeightPx() const;
    ui::Rect cellRect(int col, int row) const;   // of the span when the cell is in one; empty when not shown
    bool cellFromPoint(ui::Point p, int& col, int& row) const;   // 0 for a header
    // Scroll bars show when the columns or rows do not fit; their sizes are then the platform's.
    void scrollBarSizes(int& verticalWidth, int& horizontalHeight) const;

    // --- deterministic text measures, in the grid's size units (see Sheet's sizes)
    bool maxTextCellSize(int col, int row, double& width, double& height) const;
    double maxTextColWidth(int col) const;
    double maxTextRowHeight(int row) const;

    // What a cell shows: its data text, a formula cell its value.
    std::u16string displayText(int col, int row) const;
    ui::Font cellFont(int col, int row) const;

    unsigned getDlgCode(const ui::Msg* msg) override;
    bool preTranslateMessage(const ui::Msg& msg) override;

protected:
    bool onCreate() override;
    void onDestroy() override;
    void onSetFocus(ui::Window* old) override;
    void onKeyDown(unsigned vk, unsigned repeat, unsigned flags) override;
    void onChar(char16_t ch, unsigned repeat, unsigned flags) override;
    void onLButtonDown(unsigned flags, ui::Point p) override;
    void onLButtonDblClk(unsigned flags, ui::Point p) override;
    void onRButtonDown(unsigned flags, ui::Point p) override;

private:
    class FocusChild;
    friend class FocusChild;

    void notify(int code, int col, int row);
    void moveActive(int dc, int dr);
    void beginEdit(const std::u16string* replacement);
    void endEdit(bool keep);
    void writeUserText(int col, int row, const std::u16string& text);
    void scrollIntoView(int col, int row);

    Sheet sheet_;
    std::unique_ptr<FocusChild> focus_;
    ui::Edit edit_;
    bool editing_ = false;
    int activeCol_ = 1, activeRow_ = 1;
    int selCol1_ = 1, selRow1_ = 1, selCol2_ = 1, selRow2_ = 1;
    int notifyCol_ = 0, notifyRow_ = 0;
    int leftCol_ = 1, topRow_ = 1;
    std::uint32_t selBack_ = 0x006A240A, selFore_ = 0x00FFFFFF;
    TextTipSettings tip_;
    std::unordered_map<int, std::int64_t> settings_;
};

} // namespace grid
