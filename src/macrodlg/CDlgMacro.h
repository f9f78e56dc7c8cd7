#pragma once
// The macro dialog, in which a user fills a macro's values tab by tab: one page per tab of the record
// (general or profile), each change applied to the drawing at once through the host. It runs modally
// (StartDlgMacro) or modelessly in a slot of the module's table (StartDlgMacroModeless), whose index it keeps:
// closing a modeless one ends it through EndDlgMacroModeless with that index.
//
// The dialog is busy while one of its handlers is inside a host call or a nested modal dialog, and while its
// own close runs; the count nests. A busy dialog is never destroyed: its end is put off (50 ms) by the table.
#include "nuvo/CButtonST.h"
#include "nuvo/macro/MacroData.h"
#include "ui/Dialog.h"

#include <memory>
#include <vector>

class CMacroTab;

class CDlgMacro : public ui::Dialog {
public:
    static constexpr int kTabMarginWidth = 47;
    static constexpr int kTabMarginHeight = 160;
    static constexpr ui::Size kMinBeforeResize{280, 300};

    explicit CDlgMacro(ui::Window* parent = nullptr);
    ~CDlgMacro() override;

    MacroData macro;
    int slotIndex = -1;      // the modeless slot; -1 when modal
    bool shown = false;      // a tab was shown
    int currentTab = -1;     // the tab position shown last
    int minWidth = 50;
    int minHeight = 50;

    // The pages in tab-control order, and the kind of each.
    const std::vector<std::unique_ptr<CMacroTab>>& tabWindows() const { return m_tabWindows; }
    CMacroTab* currentPage() const;
    // Shows the page at that tab-control position.
    void selectTab(int position);

    // ---- Busy
    bool isBusy() const { return m_busy > 0; }
    // For the table's tests: marks the dialog busy (true) or releases one mark (false).
    void setBusy(bool busy);
    class BusyScope {
    public:
        explicit BusyScope(CDlgMacro& dialog) : m_dialog(dialog) { ++m_dialog.m_busy; }
        ~BusyScope() { --m_dialog.m_busy; }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        CDlgMacro& m_dialog;
    };

    // ---- What the pages call
    // Applies changes of the tab: the host updates the macro, the clash check runs, every page shows its
    // values again with the focus kept, and the command line gets its prompt back.
    void applyChanges(CMacroTab& page, const AcArray<int>& changed, const AcArray<int>& unchanged);
    void showAllValues();
    // The window-size key of this record.
    Ork_String sizeKey() const;
    // Closes as the user does: the host's command is cancelled and view 3 asked for; then the dialog ends.
    void closeLikeTheUser();

    // ---- Pushes from the dialogs a page opens: the record is stored in the current tab, applied, and
    // handed back as stored. False when the current tab has no such pattern or no bolt record.
    bool pushPatternProps(int patternIndex, MacroPatternProps& props);
    bool pushBolt(MacroBoltData& bolt);

protected:
    bool onInitDialog() override;
    void onOK() override;
    void onCancel() override;
    bool onCommand(int id, int code) override;
    bool onNotify(int id, int code, ui::LRESULT& result) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onGetMinMaxInfo(ui::MinMaxInfo& info) override;
    void onDestroy() override;

private:
    void buildPages();
    void fillFilters();
    void sizeToPages();
    void placePages();
    ui::Size largestPage() const;
    void selectOtherMacros();
    void loadFromStandards();
    void openValues();
    void saveValues();
    void filterChanged(bool first);
    void setUpButtons();
    void updateClashBox();

    std::vector<std::unique_ptr<CMacroTab>> m_tabWindows;
    std::vector<int> m_tabOfPosition;   // the record's tab index of each tab-control position
    CButtonST m_buttons[8];
    CButtonST m_clashBox;
    int m_busy = 0;
    bool m_sizedOnce = false;
    ui::Size m_lastSize{0, 0};
};
