#pragma once
// A profile page of the macro dialog (tab type 2): the designed page, the value grid and the group panel
// (group and profile choice, section, offset type, rotation, base plane and the buttons), shown unless every
// group has its own advanced button on the design.
#include "macrodlg/CMacroTab.h"

class CMacroTabProf : public CMacroTab {
public:
    static constexpr int kPanelHeight = 162;
    static constexpr int kSegmentsOnlyHeight = 20;
    // The base plane's entries.
    enum : int { kPlanePicked = 0, kPlaneWorld = 1, kPlaneCoordSys = 2, kPlaneMixed = 3 };

    CMacroTabProf(CDlgMacro& owner, int tabIndex);

    bool panelShown() const { return m_panel; }
    ui::Size measure() const override;
    // The group and profile chosen in the panel (-1: all profiles of the group).
    Ork_String chosenGroup() const;
    int chosenProfile() const;

protected:
    void buildOwn() override;
    void loadOwn() override;
    void storeOwn() override;
    std::vector<int> ownControls() const override;
    bool ownCommand(int id, int code) override;
    int gridFrameId() const override;
    void profileButton(const Ork_String& group, bool pick) override;
    bool onInitDialog() override;

private:
    // The record the panel shows: the group's merged properties or the chosen profile's own.
    bool shownRecord(MacroProfData& record) const;
    void writeBack(const MacroProfData& record);
    void pickSection(const Ork_String& group);
    void pickPlane(bool coordSys);
    void advanced(const Ork_String& group);
    void editSegments();
    void showValuesAgain();
    void placePanel();

    bool m_panel = false;
    Ork_String m_group;  // the last group chosen, kept while it exists
    std::vector<std::pair<int, ui::Rect>> m_panelRects;   // the panel controls where the template puts them
    int m_panelTop = 0;
};
