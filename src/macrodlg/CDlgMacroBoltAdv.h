#pragma once
// The advanced bolt dialog: assembly, diameter, lengths, tolerance, the bolt flags, the holes, the slotted
// holes and the nuts and washers of a macro's bolt record. It works on a copy; every change is validated and
// pushed to the macro dialog that opened it (CDlgMacro::pushBolt), which stores and applies it and hands back
// the record as the macro holds it, which is then shown.
#include "cadhost/AcArray.h"
#include "nuvo/CCheckComboBox.h"
#include "nuvo/macro/MacroTabRecords.h"
#include "spread/Ork_Spread.h"
#include "ui/ChildLayout.h"
#include "ui/Dialog.h"

class CDlgMacro;

class CDlgMacroBoltAdv : public ui::Dialog {
public:
    static constexpr int kSlotPositions = 3;

    // `owner` receives the pushes; without one a push does nothing and OK closes at once.
    explicit CDlgMacroBoltAdv(CDlgMacro* owner, ui::Window* parent = nullptr);

    MacroBoltData m_bolt;
    AcArray<double> m_diameters;   // the diameters offered, filled by the owner

    // The slot the editors show; -1 when the record has no slots.
    int shownSlot() const { return m_shownSlot; }
    // Reads the controls into the record, validates it and hands it to the owner; shows what came back.
    // False when the validation failed (its message was shown and nothing was pushed).
    bool push();

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code) override;
    bool preTranslateMessage(const ui::Msg& msg) override;
    void onDestroy() override;
    void onSize(unsigned type, int cx, int cy) override;

private:
    void showRecord();
    void showSlot(int index);
    void fillSlotList();
    void readControls();
    void readShownSlot();
    bool validate();
    void setUpHoles();
    void setUpLayout();
    void showHoles();
    void readHoles();
    void enableSlotEditors();
    void slotListChanged();
    void assemblyChosen();
    void boxClicked(int id);

    CDlgMacro* m_owner;
    Ork_Spread m_holes;
    ui::ChildLayout m_layout;
    CCheckComboBox m_slotList;
    int m_shownSlot = -1;
    bool m_positionChosen = false;   // the user chose a position for the shown slot since it was shown
};
