#pragma once
// Designer window tests: the module attached as the host does it, a private library with its design folder,
// design files and pictures written into it, and the designer run through StartDlgDesigner with a Script
// answering its questions and a Robot doing what the user does.
#include "support/TempFolder.h"
#include "support/frameTestSupport.h"

#include "SS/SSExports.h"
#include "designer/CControlRect.h"
#include "designer/CControlTracker.h"
#include "designer/CDlgDesigner.h"
#include "designer/Ork_DlgDesignerData.h"
#include "nuvo/Ork_PropertiesList.h"
#include "nuvo/Ork_Settings.h"
#include "resources/resourceIds.h"
#include "ui/Robot.h"
#include "ui/Script.h"
#include "ui/paint/bmpFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace designertest {

// A control as a test writes it: type and rectangle in fractions.
struct Placed {
    int type;
    double left, top, right, bottom;
    const char16_t* contents = u"";
};

class DesignerWindow : public frametest::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        Ork_Settings::setLibDir(Ork_String(m_temp.folder()));
        std::filesystem::create_directories(designDir());
        m_script.emplace();
    }
    void TearDown() override {
        m_script.reset();   // reports the answers never asked for
        Ork_Settings::reset();
        FrameTest::TearDown();
    }

    std::filesystem::path designDir() const { return m_temp.path() / "Dialog Templates" / "Dialog Design"; }
    Ork_String design(const char16_t* below) const { return Ork_DlgDesignerData::getDesignerRootFolder() + below; }

    void putPicture(const std::string& relative, int width, int height, ui::Color fill = ui::rgb(200, 220, 240)) const {
        std::u16string error;
        ASSERT_TRUE(ui::writeBmpFile(designDir() / relative, ui::Canvas(width, height, fill), error));
    }
    // Writes NAME.txt with the controls and, with a size, NAME.bmp.
    void putDesign(const std::string& name, const std::vector<Placed>& placed, int width = 300, int height = 200) const {
        Ork_DlgDesignerData page;
        for (const Placed& p : placed) {
            Ork_DesignerControl c;
            c.type = static_cast<Ork_ControlType>(p.type);
            c.topLeftX = p.left;
            c.topLeftY = p.top;
            c.bottomRightX = p.right;
            c.bottomRightY = p.bottom;
            c.contents = p.contents;
            page.append(c);
        }
        Ork_PropertiesList list;
        page.writeControls(list);
        ASSERT_TRUE(list.writeToFile(design(Ork_String::fromUtf8(name + ".txt").c_str())));
        if (width > 0)
            putPicture(name + ".bmp", width, height);
    }
    void copySample(const std::string& name) const {
        const std::filesystem::path from = std::filesystem::path(SS_SOURCE_DIR) / "samples/library/Dialog Templates/Dialog Design";
        for (const char* ext : {".txt", ".bmp"})
            std::filesystem::copy_file(from / (name + ext), designDir() / (name + ext));
    }
    std::string fileText(const std::string& relative) const {
        return m_temp.get("Dialog Templates/Dialog Design/" + relative);
    }

    // Runs the designer on `path`; `body` drives it with the script and the robot. A window the body leaves
    // open is ended as cancelled, without the save question. Returns what StartDlgDesigner returned.
    bool run(const Ork_String& path, const std::function<void(CDlgDesigner&)>& body) {
        script().onModal(IDD_DESIGNER, [&](ui::Dialog& dialog) {
            auto& designer = dynamic_cast<CDlgDesigner&>(dialog);
            body(designer);
            if (!dialog.isEnded())
                dialog.endDialog(ui::IDCANCEL);
        });
        return StartDlgDesigner(path);
    }

    // A plain click on the page at `p`: whatever it hits asks for a drag, here one that does not move.
    void clickAt(CDlgDesigner& d, ui::Point p, unsigned mods = ui::ModNone) {
        if (mods == ui::ModNone)
            script().answerTrack([](const ui::TrackRequest& r) { return std::optional<ui::Rect>(r.start); });
        robot.clickAt(d, p, mods);
    }
    // A press at `p` dragged by (dx, dy): the body moves, a handle resizes, empty space draws a band.
    void dragAt(CDlgDesigner& d, ui::Point p, int dx, int dy) {
        script().answerTrack([dx, dy](const ui::TrackRequest& r) {
            ui::Rect out = r.start;
            if (r.kind == ui::TrackKind::Move) {
                out.offset(dx, dy);
            } else if (r.kind == ui::TrackKind::RubberBand) {
                out = ui::Rect{r.anchor.x, r.anchor.y, r.anchor.x + dx, r.anchor.y + dy};
            } else {
                // Corners and edges: which edges the handle pulls.
                const bool left = r.handle == 0 || r.handle == 3 || r.handle == 7;
                const bool right = r.handle == 1 || r.handle == 2 || r.handle == 5;
                const bool top = r.handle == 0 || r.handle == 1 || r.handle == 4;
                const bool bottom = r.handle == 2 || r.handle == 3 || r.handle == 6;
                if (left) out.left += dx;
                if (right) out.right += dx;
                if (top) out.top += dy;
                if (bottom) out.bottom += dy;
            }
            return std::optional<ui::Rect>(out);
        });
        robot.clickAt(d, p);
    }
    static ui::Point middleOf(const CDlgDesigner& d, int index) {
        const ui::Rect r = d.page.drawnCtrls[static_cast<std::size_t>(index)]->rect;
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    static ui::Rect windowRect(const CDlgDesigner& d, int index) {
        return d.page.drawnCtrls[static_cast<std::size_t>(index)]->window()->getRectInParent();
    }
    static std::vector<int> selected(const CDlgDesigner& d) { return d.page.tracker->selectedIds(); }
    static int idOf(const CDlgDesigner& d, int index) { return d.page.getControl(index)->resourceId; }

    ui::Script& script() { return *m_script; }

    TempFolder m_temp;
    std::optional<ui::Script> m_script;
    ui::Robot robot{frametest::gtestFailure()};
};

} // namespace designertest
