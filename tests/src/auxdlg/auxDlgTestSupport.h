#pragma once
// The auxiliary dialogs' fixture: the module attached (frametest::FrameTest), a private library folder and
// registry store, and the points of a DSTV file in one line each, so a failing comparison shows them.
#include "support/TempFolder.h"
#include "support/frameTestSupport.h"

#include "nuvo/Ork_Settings.h"
#include "nuvo/dstv/DlgDstvPoints.h"
#include "os/Registry.h"
#include "os/files.h"
#include "ui/Robot.h"
#include "ui/Script.h"
#include "ui/paint/Canvas.h"
#include "ui/paint/WindowPainter.h"

#include <string>
#include <vector>

namespace auxtest {

inline std::string pointText(const Ork_DstvPointInfo& p) {
    return p.name().utf8() + "|" + (p.selectGeomExtent() ? "E" : "-") + std::to_string(p.sideSelection1()) + "," +
           std::to_string(p.sideSelection2()) + "|" + (p.selectIntersGeom() ? "I" : "-") +
           (p.selectIntersMid() ? "M" : "-") + std::to_string(p.intersStartDir()) + "|" +
           std::to_string(p.viewPlateSelection()) + "," + std::to_string(p.markPlateSelection()) + "," +
           Ork_String(p.minPlateSideDist(), 6).utf8() + "|" + (p.drillFullHole() ? "H" : "-") +
           (p.radiusThicknessBased() ? "T" : "-") + Ork_String(p.drillRadius(), 6).utf8();
}

inline std::vector<std::string> pointTexts(const Ork_Array<Ork_DstvPointInfo>& points) {
    std::vector<std::string> out;
    for (int i = 0; i < points.length(); ++i)
        out.push_back(pointText(points[i]));
    return out;
}

// Dark pixels (text) of the dialog's picture inside one control's rectangle.
inline int darkPixels(const ui::Canvas& picture, const ui::Window& dialog, int id) {
    const ui::Window* control = dialog.getDlgItem(id);
    if (!control)
        return 0;
    const ui::Rect r = control->getWindowRect();
    const ui::Rect window = dialog.getWindowRect();
    int dark = 0;
    for (int y = r.top - window.top; y < r.bottom - window.top; ++y)
        for (int x = r.left - window.left; x < r.right - window.left; ++x)
            if (x >= 0 && y >= 0 && x < picture.width() && y < picture.height())
                dark += (picture.pixel(x, y) & 0xFFFFFF) < 0x404040 ? 1 : 0;
    return dark;
}

class AuxDlgTest : public frametest::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        Ork_Settings::setLibDir(m_library.folder());
        os::Registry::setFolder(m_library.path() / "registry");
    }
    void TearDown() override {
        FrameTest::TearDown();
        Ork_Settings::reset();
        os::Registry::setFolder(os::Registry::defaultFolder());
    }
    bool logged(const ui::Script& script, const std::u16string& text) const {
        for (const std::u16string& line : script.log())
            if (line.find(text) != std::u16string::npos)
                return true;
        return false;
    }

    // A point file in the library's "DSTV Points\" with these points.
    void putPoints(const char16_t* name, const Ork_Array<Ork_DstvPointInfo>& points) {
        os::createFolder(DlgDstvPoints::getDstvPointsFolder());
        DlgDstvPoints file;
        file.points = points;
        ASSERT_TRUE(file.writeToFile(DlgDstvPoints::getDstvPointsFolder() + name + u".dat"));
    }
    Ork_Array<Ork_DstvPointInfo> readPoints(const char16_t* name) {
        DlgDstvPoints file;
        EXPECT_TRUE(file.readFromFile(DlgDstvPoints::getDstvPointsFolder() + name + u".dat"));
        return file.points;
    }
    std::string pointsFile(const std::string& name) const { return m_library.get("DSTV Points/" + name + ".dat"); }

    TempFolder m_library;
    ui::Robot m_robot;
};

} // namespace auxtest
