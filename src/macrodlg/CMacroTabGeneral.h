#pragma once
// A general page of the macro dialog (tab types 0, 1 and 3): the designed page, the value grid, and for a bolt
// tab whose design has no bolt button of its own the bolt fields (assembly, diameter, advanced).
#include "macrodlg/CMacroTab.h"

class CMacroTabGeneral : public CMacroTab {
public:
    static constexpr int kBoltFieldsHeight = 47;

    CMacroTabGeneral(CDlgMacro& owner, int tabIndex);

    bool boltFieldsShown() const { return m_boltFields; }
    ui::Size measure() const override;

protected:
    void buildOwn() override;
    void loadOwn() override;
    void storeOwn() override;
    std::vector<int> ownControls() const override;
    bool ownCommand(int id, int code) override;
    int gridFrameId() const override;
    void boltButton() override;

private:
    void fillDiameters(const Ork_String& assembly, const Ork_String& chosen);
    void openBoltDialog();
    bool m_boltFields = false;
};
