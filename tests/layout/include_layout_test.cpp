#include "includeLayout.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

std::string allOf(const std::vector<layout::Violation>& violations) {
    std::string text;
    for (const auto& v : violations)
        text += v.text() + "\n";
    return text;
}

TEST(IncludeLayout, EveryIncludeOfTheTreePointsDownwards) {
    const auto violations = layout::checkTree(SS_SOURCE_DIR);
    EXPECT_TRUE(violations.empty()) << allOf(violations);
}

TEST(IncludeLayout, LayersFollowTheBuildsOnLines) {
    EXPECT_TRUE(layout::mayInclude("src/frame", "src/standards"));
    EXPECT_TRUE(layout::mayInclude("src/sheet", "src/spread"));       // through standards
    EXPECT_TRUE(layout::mayInclude("src/macrodlg", "src/seclib"));
    EXPECT_TRUE(layout::mayInclude("src/standards", "include/SS"));   // the entry points, declared only
    EXPECT_TRUE(layout::mayInclude("platform/nuvo", "platform/os"));
    EXPECT_FALSE(layout::mayInclude("src/standards", "src/sheet"));
    EXPECT_FALSE(layout::mayInclude("src/base", "src/spread"));
    EXPECT_FALSE(layout::mayInclude("src/auxdlg", "src/frame"));
    EXPECT_FALSE(layout::mayInclude("src/designer", "src/auxdlg"));   // siblings stay apart
    EXPECT_FALSE(layout::mayInclude("platform/grid", "platform/cadhost"));
    EXPECT_FALSE(layout::mayInclude("platform/ui", "src/base"));
    EXPECT_FALSE(layout::mayInclude("include/SS", "src/standards"));
}

TEST(IncludeLayout, FilesOutsideTheLayersBelongToNone) {
    EXPECT_EQ(layout::componentOf("src/base/KvRecordDlg.h"), "src/base");
    EXPECT_EQ(layout::componentOf("platform/ui/paint/Canvas.h"), "platform/ui");
    EXPECT_EQ(layout::componentOf("include/SS/SSExports.h"), "include/SS");
    EXPECT_EQ(layout::componentOf("tests/src/frame/Lifecycle_test.cpp"), "");
    EXPECT_EQ(layout::componentOf("src/CMakeLists.txt"), "");
}

// A small tree with one wrong include of each kind, in each spelling the compiler accepts.
class WrongIncludes : public ::testing::Test {
protected:
    void put(const std::string& file, const std::string& text) { folder.put(file, text); }
    TempFolder folder;
};

TEST_F(WrongIncludes, AreEachNamedWithFileAndLine) {
    put("platform/os/files.h", "#pragma once\n");
    put("platform/ui/Window.h", "#pragma once\n#include \"os/files.h\"\n");
    put("include/SS/SSExports.h", "#pragma once\n");
    put("src/frame/SSModule.h", "#pragma once\n");
    put("src/sheet/CFormula.h", "#pragma once\n");
    put("src/standards/KvCalcSS.h", "#pragma once\n#include \"SS/SSExports.h\"\n");
    // the wrong ones
    put("src/base/KvRecordDlg.h", "#pragma once\n// the modal rule\n#include \"frame/SSModule.h\"\n");
    put("src/standards/KvVarCell.cpp", "#include \"KvCalcSS.h\"\n\n  #  include <sheet/CFormula.h>\n");
    put("src/auxdlg/CDlgGrid.cpp", "#include \"../frame/SSModule.h\"\n");
    put("platform/os/paths.cpp", "#include \"ui/Window.h\"\n");
    put("platform/grid/Sheet.cpp", "#include \"../../src/base/KvRecordDlg.h\"\n");
    put("include/SS/records.h", "#include \"standards/KvCalcSS.h\"\n");

    const auto violations = layout::checkTree(folder.path());
    std::vector<std::string> texts;
    for (const auto& v : violations)
        texts.push_back(v.file + ":" + std::to_string(v.line) + " -> " + v.included);
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "include/SS/records.h:1 -> src/standards/KvCalcSS.h",
                         "platform/grid/Sheet.cpp:1 -> src/base/KvRecordDlg.h",
                         "platform/os/paths.cpp:1 -> platform/ui/Window.h",
                         "src/auxdlg/CDlgGrid.cpp:1 -> src/frame/SSModule.h",
                         "src/base/KvRecordDlg.h:3 -> src/frame/SSModule.h",
                         "src/standards/KvVarCell.cpp:3 -> src/sheet/CFormula.h",
                     }))
        << allOf(violations);
    const auto base = std::find_if(violations.begin(), violations.end(),
                                   [](const auto& v) { return v.file == "src/base/KvRecordDlg.h"; });
    ASSERT_NE(base, violations.end());
    EXPECT_EQ(base->text(),
              "src/base/KvRecordDlg.h:3: includes src/frame/SSModule.h (src/base may not include src/frame)");
}

TEST_F(WrongIncludes, StandardHeadersAndFilesOutsideTheTreeAreNotLayers) {
    put("src/base/timers.h", "#include <vector>\n#include \"gtest/gtest.h\"\n#include \"nowhere/missing.h\"\n");
    put("tests/src/frame/Any_test.cpp", "#include \"frame/SSModule.h\"\n");
    EXPECT_TRUE(layout::checkTree(folder.path()).empty());
}

} // namespace
