#pragma once
// One page of the macro dialog: a tab's designed page in run mode with its controls bound to the tab's values,
// and below it a value grid with every value no control shows. A change read back from the page and the grid
// is compared with the tab and applied to the drawing through the owner. General and profile pages derive
// from it; each adds its own controls (the bolt fields, the group panel).
#include "designer/Ork_DlgDesignerData.h"
#include "nuvo/macro/MacroTabData.h"
#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"

#include <vector>

class CDlgMacro;

class CMacroTab : public ui::Dialog {
public:
    enum class Kind { General, Profile };
    // The three keyboard areas of a page, in their forward order.
    enum Area { kPageArea = 1, kGridArea = 2, kOwnArea = 3 };
    static constexpr int kGridTopGap = 5;
    static constexpr int kGridHeight = 120;

    CMacroTab(int templateId, Kind kind, CDlgMacro& owner, int tabIndex);
    ~CMacroTab() override;

    Kind kind() const { return m_kind; }
    int tabIndex() const { return m_tabIndex; }
    MacroTabData* tab() const;
    Ork_DlgDesignerData& designedPage() { return m_page; }
    Ork_Spread& grid() { return m_grid; }
    bool ready = false;  // values may be applied

    // Builds the page on the tab's design and fills the grid; the tab's references are set on the way.
    void build();
    // Shows the tab's values (load) and reads them back into the tab (store).
    void load();
    void store();
    // Reads the values back, compares them with the tab and lets the owner apply the changes.
    void apply();
    // Page measures before the owner adds its margins.
    virtual ui::Size measure() const;
    bool gridShown() const { return m_gridRows > 0; }
    int gridRows() const { return m_gridRows; }
    // A tab change shows this page: the first control on the first visit, the remembered one later.
    void enter();
    void rememberFocus();
    int rememberedFocus() const { return m_lastFocusId; }
    // The designed control bound to the value `contents` (scripts name controls so).
    ui::Window* findBoundControl(const Ork_String& contents) const;

    // The button row of the grid: the pattern or array of that row opens its dialog.
    void gridButton(int row);

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;
    bool preTranslateMessage(const ui::Msg& msg) override;
    void onSize(unsigned type, int cx, int cy) override;

    // What a derived page adds to building, loading, storing, and the ids of its own controls in keyboard order.
    virtual void buildOwn() {}
    virtual void loadOwn() {}
    virtual void storeOwn() {}
    virtual std::vector<int> ownControls() const { return {}; }
    virtual bool ownCommand(int id, int code) { (void)id; (void)code; return false; }
    virtual int gridFrameId() const = 0;
    // Where the designed page ends: the grid goes below it.
    int pageBottom() const;
    void placeGrid();
    // The changes of the tab against `before` go to the drawing (when there are any).
    void applyFrom(const MacroTabData& before);
    // A designed profile button of a group: the section pick (type 14) or the advanced dialog (type 17).
    virtual void profileButton(const Ork_String& group, bool pick) { (void)group; (void)pick; }
    // A designed bolt button (type 12).
    virtual void boltButton() {}

    CDlgMacro& m_owner;
    bool m_hasBoltButton = false;   // the design shows the bolt record itself

private:
    bool bindAll();
    void fillGrid();
    void designedClick(int id);
    void calculate(const Ork_DesignerControl& button);
    void flexClicked(int id);
    void swapBlock(const Ork_DesignerControl& combo);
    void openArray(MacroArrayData& array);
    void openPattern(MacroPatternData& pattern);
    bool keyboardTab(bool backward);
    bool focusArea(int area, bool first);
    bool inArea(int area, ui::Window* focus) const;

    // What a grid row shows, by index into the tab: a row's pattern or array is found by its row even when a
    // designed control holds the record's button.
    struct GridRow {
        enum Kind { Cell, Pattern, Array } kind;
        int index;
    };

    Kind m_kind;
    int m_tabIndex;
    std::vector<GridRow> m_rows;
    Ork_DlgDesignerData m_page;
    Ork_Spread m_grid;
    int m_gridRows = 0;
    bool m_entered = false;
    int m_lastFocusId = 0;  // by identifier: a rebuild makes new windows
};
