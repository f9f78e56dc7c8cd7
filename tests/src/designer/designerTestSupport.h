#pragma once
// Designer tests: a private library folder with its design folder, and pictures written into it.
#include "support/TempFolder.h"

#include "designer/Ork_DlgDesignerData.h"
#include "nuvo/Ork_Settings.h"
#include "ui/paint/bmpFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace designertest {

class DesignFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        Ork_Settings::setLibDir(Ork_String(m_temp.folder()));
        std::filesystem::create_directories(designDir());
    }
    void TearDown() override { Ork_Settings::reset(); }

    std::filesystem::path designDir() const { return m_temp.path() / "Dialog Templates" / "Dialog Design"; }
    // A path in the module's form below the design folder ("Sub\\Plate.txt").
    Ork_String design(const char16_t* below) const {
        return Ork_DlgDesignerData::getDesignerRootFolder() + Ork_String(below);
    }
    // Writes a picture below the design folder (`relative` with "/" separators).
    void putPicture(const std::string& relative, const ui::Canvas& picture) const {
        const auto target = designDir() / relative;
        std::filesystem::create_directories(target.parent_path());
        std::u16string error;
        ASSERT_TRUE(ui::writeBmpFile(target, picture, error));
    }
    void putText(const std::string& relative, const std::string& text) const {
        m_temp.put("Dialog Templates/Dialog Design/" + relative, text);
    }
    std::string getText(const std::string& relative) const {
        return m_temp.get("Dialog Templates/Dialog Design/" + relative);
    }

    TempFolder m_temp;
};

} // namespace designertest
