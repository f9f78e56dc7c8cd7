#pragma once
// The advanced profile dialog: how one profile (a group of profiles, or several selected objects) of a macro
// is placed: group name, sections, offset type with the insertion point, offsets, rotation, orientation,
// plane and segment. It reaches the profile only through its callback: type 0 loads the record, type 1
// applies it (after every change, so the drawing follows the dialog), 2 and 3 bracket the times the dialog
// hands the input to the CAD editor.
#include "cadhost/AcArray.h"
#include "cadhost/AcDbObjectId.h"
#include "macrodlg/KvMACallBackData.h"
#include "macrodlg/profSectionList.h"
#include "nuvo/CButtonST.h"
#include "nuvo/CResizer.h"
#include "nuvo/macro/MacroTabRecords.h"
#include "ui/Dialog.h"

class CDlgMacroProfAdv : public ui::Dialog {
public:
    static constexpr int kMorphGrowth = 65;   // what a morphed profile's dialog grows by

    explicit CDlgMacroProfAdv(ui::Window* parent = nullptr);
    ~CDlgMacroProfAdv() override;

    KvMACallBack m_callback = nullptr;
    KvMACallBackData m_callbackData;
    MacroProfData m_profile;
    bool m_multiObject = false;           // several selected objects instead of one macro profile
    AcArray<AcDbObjectId> m_objectIds;    // multi-object mode
    bool m_multiObjectResult = false;     // the multi-object check box at OK
    AcDbObjectId m_workingObject;         // a drawing object the dialog made while it ran, or null

    // The insertion button (1 to 9, row by row) of an offset type position; 0 for none. And back (-1).
    static int insertionOfOffset(int position);
    static int offsetOfInsertion(int button);

    // Reads the controls into the record, has the callback apply it and shows what it left.
    void apply();
    // Reads the controls into the record (what apply does first).
    void readRecord();
    // Shows the record in the controls.
    void showRecord();
    const AcDbObjectId& ownCoordSys() const { return m_ownCoordSys; }

protected:
    bool onInitDialog() override;
    bool preTranslateMessage(const ui::Msg& msg) override;
    void onOK() override;
    void onCancel() override;
    bool onCommand(int id, int code) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onDestroy() override;

private:
    void setTexts();
    void fillLists();
    void fillSections(int comboId, const Ork_String& section, ProfSectionChoices& choices);
    void refreshPicture();
    void showOffsetPosition(int position);
    void updatePlaneStates();
    void updateSegmentStates();
    int checkedPlane() const;
    Ork_String axisText() const;
    // Hands the input to the CAD editor around `action`, with the dialog hidden.
    template <class Action> void editorCommand(Action action);
    void choosePoint();
    void pickPlane();
    void pickSection(bool second);
    void zoom();
    void chooseOwnSystem();
    bool call(int type);

    ProfSectionChoices m_sections;
    ProfSectionChoices m_sections2;
    Ork_StringArray m_coordSysNames;
    AcArray<AcDbObjectId> m_coordSysIds;
    AcDbObjectId m_defaultPlane;
    AcDbObjectId m_ownCoordSys;       // made the first time the own-system radio is chosen
    AcDbObjectId m_pickedCoordSys;    // picked with the plane pick button; null when none
    bool m_sectionPicked = false;     // the section was just picked: the drop-down is not read
    bool m_section2Picked = false;
    Ork_String m_shownX;              // the offsets as shown: unchanged text keeps the record's double
    Ork_String m_shownY;
    bool m_zooming = false;
    bool m_stretched = false;
    CButtonST m_zoomButton;
    CResizer m_resizer;
};
