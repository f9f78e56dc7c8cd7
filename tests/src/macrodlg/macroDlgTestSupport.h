#pragma once
// Macro dialog tests: the module attached as the host does it, a private library with designed pages written
// by the test, and a macro record built in code.
#include "support/TempFolder.h"
#include "support/frameTestSupport.h"

#include "designer/Ork_DlgDesignerData.h"
#include "frame/KvModelessDlgs.h"
#include "macrodlg/CDlgMacro.h"
#include "macrodlg/CMacroTab.h"
#include "nuvo/Ork_PropertiesList.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/macro/MacroData.h"
#include "SS/SSExports.h"
#include "ui/paint/bmpFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace macrodlgtest {

inline Ork_DesignerControl control(int type, double left, double top, double right, double bottom,
                                   const char16_t* contents = u"", const char16_t* extra = u"") {
    Ork_DesignerControl c;
    c.type = static_cast<Ork_ControlType>(type);
    c.topLeftX = left;
    c.topLeftY = top;
    c.bottomRightX = right;
    c.bottomRightY = bottom;
    c.contents = contents;
    c.extra = extra;
    return c;
}

inline MacroCellData cell(const char16_t* name, const char16_t* value, bool readOnly = false) {
    MacroCellData c;
    c.name = name;
    c.value = value;
    c.readOnly = readOnly;
    return c;
}

class MacroDlgTest : public frametest::FrameTest {
protected:
    void SetUp() override {
        frametest::FrameTest::SetUp();
        Ork_Settings::setLibDir(Ork_String(m_lib.folder()));
        std::filesystem::create_directories(m_lib.path() / "Dialog Templates" / "Dialog Design");
    }
    void TearDown() override {
        DestroyAllMacroDlgs();
        ui::Desktop::processPending();
        frametest::FrameTest::TearDown();
        Ork_Settings::reset();
    }

    // Writes a design (without a picture its fractions are pixels) and gives its full path.
    Ork_String design(const std::string& name, const std::vector<Ork_DesignerControl>& controls,
                      ui::Size picture = {0, 0}) {
        Ork_DlgDesignerData page;
        for (const Ork_DesignerControl& c : controls)
            page.append(c);
        Ork_PropertiesList list;
        page.writeControls(list);
        m_lib.put("Dialog Templates/Dialog Design/" + name + ".txt", list.toText());
        if (picture.cx > 0) {
            std::u16string error;
            EXPECT_TRUE(ui::writeBmpFile(m_lib.path() / "Dialog Templates" / "Dialog Design" / (name + ".bmp"),
                                         ui::Canvas(picture.cx, picture.cy, ui::colors::white), error));
        }
        return Ork_DlgDesignerData::getDesignerRootFolder() + Ork_String::fromUtf8(name) + u".txt";
    }

    // Opens the record modelessly; the dialog of the slot, or null.
    CDlgMacro* open(MacroData& macro) {
        int index = -1;
        if (!StartDlgMacroModeless(true, macro, index))
            return nullptr;
        m_index = index;
        return KvModelessDlgs::instance().at(index);
    }

    std::vector<std::u16string> calls(const char16_t* name) { return cadhost::HostLog::texts(name); }

    TempFolder m_lib;
    int m_index = -1;
};

} // namespace macrodlgtest
