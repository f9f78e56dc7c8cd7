// The advanced profile dialog's entry points and the profile callback the module gives it.
#include "support/frameTestSupport.h"

#include "cadhost/Drawing.h"
#include "cadhost/HostLog.h"
#include "SS/SSExports.h"
#include "frame/macroProfCallBack.h"
#include "macrodlg/CDlgMacroProfAdv.h"
#include "nuvo/macro/MacroData.h"
#include "resources/resourceIds.h"
#include "ui/Script.h"

#include <gtest/gtest.h>

namespace {

MacroData plateMacro() {
    MacroData macro;
    macro.name = u"EndPlate";
    MacroTabData tab;
    tab.name = u"Plate";
    MacroProfData profile;
    profile.name = u"Beam";
    profile.section = u"IPE200";
    profile.material = u"S235";
    tab.profiles.append(profile);
    macro.tabs.append(tab);
    return macro;
}

using ProfileCallBack = frametest::FrameTest;

TEST_F(ProfileCallBack, WithoutAMacroItCannotServe) {
    KvMACallBackData data;
    MacroProfData profile;
    cadhost::HostLog::clear();
    EXPECT_FALSE(MacroProfCallBack(0, data, profile));
    EXPECT_TRUE(cadhost::HostLog::calls().empty());
}

TEST_F(ProfileCallBack, GetReadsTheGroupsMergedProfile) {
    MacroData macro = plateMacro();
    KvMACallBackData data;
    data.macroData = &macro;
    data.group = u"Plate";
    data.name = u"Beam";
    MacroProfData profile;
    EXPECT_TRUE(MacroProfCallBack(0, data, profile));
    EXPECT_EQ(profile.section, u"IPE200");
}

TEST_F(ProfileCallBack, SetStoresUpdatesTheModuleAndReadsBack) {
    MacroData macro = plateMacro();
    KvMACallBackData data{};
    data.macroData = &macro;
    data.group = u"Plate";
    data.name = u"Beam";
    MacroProfData profile;
    profile.section = u"HEA300";
    profile.material = u"S355";
    cadhost::HostLog::clear();
    EXPECT_TRUE(MacroProfCallBack(1, data, profile));
    EXPECT_EQ(macro.tabs[0].profiles[0].section, u"HEA300");
    EXPECT_EQ(profile.name, u"Beam");  // read back as the macro now holds it
    EXPECT_EQ(cadhost::HostLog::texts(u"UpdateModule"), (std::vector<std::u16string>{u"UpdateModule(Plate, -13, )"}));
}

TEST_F(ProfileCallBack, OtherTypesDoNothing) {
    MacroData macro = plateMacro();
    KvMACallBackData data;
    data.macroData = &macro;
    data.group = u"Plate";
    data.name = u"Beam";
    MacroProfData profile;
    cadhost::HostLog::clear();
    EXPECT_TRUE(MacroProfCallBack(2, data, profile));
    EXPECT_TRUE(MacroProfCallBack(3, data, profile));
    EXPECT_TRUE(profile.section.empty());
    EXPECT_TRUE(cadhost::HostLog::calls().empty());
}

using MacroProfAdvEntry = frametest::FrameTest;

TEST_F(MacroProfAdvEntry, TheDialogWorksOnTheCallersMacroThroughTheCallback) {
    MacroData macro = plateMacro();
    macro.eraseAfterProfAdv = true;   // the working object goes with the flag
    ui::Script script;
    script.onModal(IDD_MACRO_PROF_ADV, [](ui::Dialog& dialog) {
        auto& adv = dynamic_cast<CDlgMacroProfAdv&>(dialog);
        EXPECT_EQ(adv.m_profile.section, u"IPE200");  // loaded through the callback when it opened
        adv.m_profile.section = u"IPE240";
        adv.m_callback(1, adv.m_callbackData, adv.m_profile);
        adv.m_workingObject = AcDbObjectId(77);
        dialog.endDialog(ui::IDOK);
    });
    StartDlgMacroProfAdv(macro, u"Plate", u"Beam", false);
    EXPECT_EQ(macro.tabs[0].profiles[0].section, u"IPE240");
    EXPECT_EQ(cadhost::HostLog::texts(u"EraseObject").size(), 1u);
}

TEST_F(MacroProfAdvEntry, NoObjectsMeansNoDialog) {
    ui::Script script;  // any dialog would be unexpected
    bool multi = true;
    StartDlgMacroProfAdv(nullptr, multi, nullptr);
    AcArray<AcDbObjectId> none;
    StartDlgMacroProfAdv(&none, multi, nullptr);
    EXPECT_TRUE(multi);
    EXPECT_TRUE(script.log().empty());
}

TEST_F(MacroProfAdvEntry, SeveralObjectsGiveBackTheMultiObjectFlag) {
    ui::Script script;
    script.onModal(IDD_MACRO_PROF_ADV, [](ui::Dialog& dialog) {
        auto& adv = dynamic_cast<CDlgMacroProfAdv&>(dialog);
        EXPECT_TRUE(adv.m_multiObject);
        EXPECT_EQ(adv.m_objectIds.length(), 2);
        adv.m_multiObjectResult = true;
        dialog.endDialog(ui::IDCANCEL);
    });
    AcArray<AcDbObjectId> ids{AcDbObjectId(1), AcDbObjectId(2)};
    bool multi = false;
    StartDlgMacroProfAdv(&ids, multi, nullptr);
    EXPECT_TRUE(multi);
}

} // namespace
