// Each auxiliary dialog pictured as PNG: the file is made, the picture has a sane size, and a label's text
// is drawn where the label is.
#include "auxDlgTestSupport.h"

#include "SS/SSExports.h"
#include "auxdlg/KvDlgCis2Data.h"
#include "auxdlg/KvGridDlgData.h"
#include "auxdlg/KvSelectImageDlgData.h"
#include "resources/resourceIds.h"
#include "ui/ComboBox.h"
#include "ui/Dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

class AuxPictures : public auxtest::AuxDlgTest {
protected:
    // Pictures the dialog of `templateId` when it opens, checking the text inside control `labelId`.
    std::function<void(ui::Dialog&)> picture(const std::string& name, int labelId) {
        return [this, name, labelId](ui::Dialog& d) {
            const ui::Canvas canvas = ui::renderWindow(d);
            EXPECT_GE(canvas.width(), 200) << name;
            EXPECT_GE(canvas.height(), 100) << name;
            EXPECT_LE(canvas.width(), 1000) << name;
            EXPECT_LE(canvas.height(), 800) << name;
            EXPECT_GT(auxtest::darkPixels(canvas, d, labelId), 10) << name;
            std::u16string error;
            const auto file = m_library.path() / (name + ".png");
            EXPECT_TRUE(ui::writeWindowPng(d, file, error)) << name;
            EXPECT_GT(std::filesystem::file_size(file), 100u) << name;
            m_robot.click(d, ui::IDCANCEL);
        };
    }
};

TEST_F(AuxPictures, EachDialogIsPicturedWithItsLabels) {
    {
        ui::Script script;
        script.onModal(IDD_GRID, picture("grid", IDC_GRID_FIRST_LABELS));
        KvGridDlgData data;
        StartDlgGrid(data);
    }
    {
        ui::Script script;
        script.onModal(IDD_CIS2, picture("cis2", IDC_CIS2_EXPLANATION));
        KvDlgCis2Data data;
        StartDlgCis2Info(data);
    }
    {
        ui::Script script;
        script.onModal(IDD_SELECT_IMAGE, picture("image", ui::IDCANCEL));
        KvSelectImageDlgData data;
        data.title = u"Pictures";
        StartDlgSelectImage(data);
    }
    {
        putPoints(u"Corners", Ork_Array<Ork_DstvPointInfo>());
        ui::Script script;
        script.onModal(IDD_SELECT_DSTV_POINTS_FILE, picture("dstv-files", IDC_DSTV_USE));
        StartDSTVPointsDlg();
    }
    {
        Ork_Array<Ork_DstvPointInfo> points;
        points.append(Ork_DstvPointInfo(u"Corner"));
        putPoints(u"Corners", points);
        ui::Script script;
        script.onModal(IDD_SELECT_DSTV_POINTS_FILE, [&](ui::Dialog& d) {
            m_robot.choose(*d.getDlgItemAs<ui::ComboBox>(IDC_DSTV_FILES), 0);
            m_robot.click(d, IDC_DSTV_EDIT);
            m_robot.click(d, ui::IDCANCEL);
        });
        script.onModal(IDD_EDIT_DSTV_POINTS, picture("dstv-points", IDC_DSTVPT_DISTANCE_LABEL));
        StartDSTVPointsDlg();
    }
}

} // namespace
