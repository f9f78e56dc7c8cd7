#pragma once
// The pattern dialog: edits the properties of one bolt pattern of the macro dialog — its two directions with
// their value lists, the staggered flag and the alternation of the bolts. Every change is pushed at once to
// the macro dialog, which stores it into the pattern of that index and re-applies the macro, so the drawing
// follows the edit live.
//
// A pattern in one direction shows the second direction's value grid only: its other fields, the staggered
// flag and the alternation are neither shown nor read, and keep what the record had.
#include "macrodlg/patternAlternation.h"
#include "nuvo/macro/MacroTabRecords.h"
#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"
#include "ui/ImageButton.h"

#include <array>

class CDlgMacro;

class CDlgMacroPattern : public ui::Dialog {
public:
    static constexpr int kAlternationButtons = 5;

    // `owner` receives the pushes; none (null) only reads the controls.
    CDlgMacroPattern(CDlgMacro* owner, int patternIndex, const MacroPatternProps& props, ui::Window* parent = nullptr);

    const MacroPatternProps& props() const { return m_props; }
    bool initialised() const { return m_initialised; }
    int pushCount() const { return m_pushes; }
    Ork_Spread& valueGrid(int direction) { return m_grids[direction == 2 ? 1 : 0]; }

    // Reads the controls into the properties (what is shown only).
    void readControls();

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code) override;

private:
    void setUpGrid(int d);
    void showProps();
    void showDirection(int d, const MacroPatternDirection& dir, bool fields);
    void readDirection(int d, MacroPatternDirection& dir, bool fields);
    void showAlternation();
    void updateDirectionText(int d);
    void push();

    CDlgMacro* m_owner;
    int m_index;
    MacroPatternProps m_props;
    std::array<Ork_Spread, 2> m_grids;
    std::array<ui::ImageButton, kAlternationButtons> m_alternation;
    // A mixed alternation stays mixed until an alternation button is clicked: no button can show it.
    bool m_alternationMixed = false;
    bool m_initialised = false;
    int m_pushes = 0;
};
