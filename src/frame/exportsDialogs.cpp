// The exported entry points of the small dialogs, the designer, the profile dialogs and the section library.
#include "auxdlg/CDlgBracing.h"
#include "auxdlg/CDlgCis2.h"
#include "auxdlg/CDlgCladdingSettings.h"
#include "auxdlg/CDlgEditProfCuts.h"
#include "auxdlg/CDlgGrid.h"
#include "auxdlg/CDlgLevels.h"
#include "auxdlg/CDlgLookup.h"
#include "auxdlg/CDlgProfFeatures.h"
#include "auxdlg/CDlgSelectDstvPointsFile.h"
#include "auxdlg/CDlgSelectImage.h"
#include "auxdlg/CDlgSelectMacro.h"
#include "auxdlg/Ork_DlgCSP2.h"
#include "cadhost/Drawing.h"
#include "designer/CDlgDesigner.h"
#include "designer/Ork_DlgDesignerData.h"
#include "base/KvRecordDlg.h"
#include "base/KvResourceGuard.h"
#include "SS/SSExports.h"
#include "frame/macroProfCallBack.h"
#include "macrodlg/CDlgMacroProfAdv.h"
#include "nuvo/macro/MacroData.h"
#include "seclib/CDlgEditLibSections.h"
#include "seclib/CDlgEditLibSimple.h"
#include "sheet/CDlgGenVars.h"

namespace {
// The profile cuts dialog's setting outlives each run: what the user chose last time is offered next time.
int gProfCutsSetting = 0;
} // namespace

bool StartDlgSelectMacro(const Ork_String& title, const Ork_StringArray& names, const int filterFirst,
                         const int filterSecond, Ork_String& chosen, bool& option, bool flag) {
    AcArray<bool> enabled;
    for (int i = 0; i < names.length(); ++i) enabled.append(true);
    return StartDlgSelectMacro(title, names, enabled, filterFirst, filterSecond, chosen, option, flag);
}

bool StartDlgSelectMacro(const Ork_String& title, const Ork_StringArray& names, const AcArray<bool>& enabled,
                         const int filterFirst, const int filterSecond, Ork_String& chosen, bool& option, bool flag) {
    KvResourceGuard guard;
    CDlgSelectMacro dialog;
    dialog.m_title = title;
    dialog.initFilter(names, enabled, filterFirst, filterSecond);
    dialog.m_chosen = chosen;
    dialog.m_option = option;
    dialog.m_flag = flag;
    if (dialog.doModal() != ui::IDOK) return false;
    chosen = dialog.m_chosen;
    option = dialog.m_option;
    return true;
}

bool StartDlgDesigner(const Ork_String& path) {
    KvResourceGuard guard;
    CDlgDesigner dialog;
    dialog.file = path;
    return dialog.doModal() == ui::IDOK;
}

void StartDSTVPointsDlg() {
    CDlgSelectDstvPointsFile dialog;
    dialog.doModal();
}

void StartDlgMacroProfAdv(MacroData& data, const Ork_String& group, const Ork_String& name, bool /*flag*/) {
    KvResourceGuard guard;
    CDlgMacroProfAdv dialog;
    dialog.m_callback = MacroProfCallBack;
    dialog.m_callbackData.macroData = &data;
    dialog.m_callbackData.group = group;
    dialog.m_callbackData.name = name;
    dialog.doModal();
    // The macro may ask for what stood in for its profile to go once the profile is placed (the record's
    // erase flag): its one object, and the object the dialog worked on. Without the flag both stay.
    if (!data.eraseAfterProfAdv) return;
    if (data.objects.length() == 1) EraseObject(data.objects[0]);
    if (!dialog.m_workingObject.isNull()) EraseObject(dialog.m_workingObject);
}

void StartDlgMacroProfAdv(const AcArray<AcDbObjectId>* objectIds, bool& multiObject, KvMACallBack callback) {
    if (!objectIds || objectIds->isEmpty()) return;
    KvResourceGuard guard;
    CDlgMacroProfAdv dialog;
    dialog.m_multiObject = true;
    dialog.m_objectIds = *objectIds;
    dialog.m_callback = callback;
    dialog.m_multiObjectResult = multiObject;
    dialog.doModal();
    multiObject = dialog.m_multiObjectResult;
}

bool StartDlgGrid(KvGridDlgData& data) {
    return runModalOnRecord<CDlgGrid>(data);
}
bool StartDlgLookUp(KvLookUpDlgData& data) {
    return runModalOnRecord<CDlgLookup>(data);
}
bool StartDlgSelectImage(KvSelectImageDlgData& data) {
    return runModalOnRecord<CDlgSelectImage>(data);
}
bool StartDlgCis2Info(KvDlgCis2Data& data) {
    return runModalOnRecord<CDlgCis2>(data);
}
bool StartDlgCSP2(DlgCSP2Data& data) {
    return runModalOnRecord<Ork_DlgCSP2>(data);
}
bool StartDlgProfFeatures(DlgProfFeaturesData& data) {
    return runModalOnRecord<CDlgProfFeatures>(data);
}
bool StartDlgLevels(KvLevelsDlgData& data) {
    return runModalOnRecord<CDlgLevels>(data);
}
bool StartDlgCladdingSettings(KvCladdingDlgData& data) {
    return runModalOnRecord<CDlgCladdingSettings>(data);
}
bool StartDlgBracing(KvBracingDlgData& data) {
    return runModalOnRecord<CDlgBracing>(data);
}
bool StartDlgGenVars(KvAutoStandardsData& data) {
    return runModalOnRecord<CDlgGenVars>(data);
}

bool StartEditProfCutsDlg(DlgProfCutsData& data) {
    KvResourceGuard guard;
    CDlgEditProfCuts dialog;
    dialog.m_data = data;
    dialog.m_setting = gProfCutsSetting;
    if (dialog.doModal() != ui::IDOK) return false;
    data = dialog.m_data;
    gProfCutsSetting = dialog.m_setting;
    return true;
}

bool StartDlgEditLibSections(DlgEditLibData& data, const Ork_String& name) {
    KvResourceGuard guard;
    CDlgEditLibSections dialog;
    dialog.m_data = data;
    dialog.m_name = name;
    if (dialog.doModal() != ui::IDOK) return false;
    data = dialog.m_data;
    return true;
}

bool StartDlgEditLibSimple(const Ork_String& name, Ork_ProfValuesTable& table, int& row) {
    CDlgEditLibSimple dialog;
    dialog.m_name = name;
    dialog.m_table = table;
    dialog.m_row = row;
    if (dialog.doModal() != ui::IDOK) return false;
    table = dialog.m_table;
    row = dialog.m_row;
    return true;
}

bool GetImageDlgCtrlNames(const Ork_String& file, Ork_StringArray& names) {
    names.removeAll();
    Ork_DlgDesignerData page;
    if (!page.readFromFile(file, false))
        return false;
    page.getAllCtrlNames(names);
    return true;
}
