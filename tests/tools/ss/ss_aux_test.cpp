// ss dstv, ss classes and ss dialog grid|cis2|image end to end: the real program on a copy of the sample
// library, with a registry store and a configuration folder of its own.
#include "support/TempFolder.h"
#include "support/runProgram.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

namespace {

namespace fs = std::filesystem;
using testsupport::Outcome;
using testsupport::shellQuote;

class SsAux : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path samples = fs::path(SS_SOURCE_DIR) / "samples" / "library";
        fs::copy(samples / "DSTV Points", library.path() / "DSTV Points", fs::copy_options::recursive);
        fs::copy_file(samples / "CIS2ProfNames.dat", library.path() / "CIS2ProfNames.dat");
    }
    Outcome ss(const std::vector<std::string>& words) {
        return testsupport::runProgram("cd " + shellQuote(SS_SOURCE_DIR) + " && SS_LIBRARY=" +
                                           shellQuote(library.path().string()) +
                                           " XDG_CONFIG_HOME=" + shellQuote(config.path().string()) +
                                           " SS_CONFIG_DIR=" + shellQuote(config.path().string()),
                                       SS_PROGRAM, words);
    }
    std::string script(const std::string& name, const std::string& text) {
        std::ofstream(config.path() / name) << text;
        return (config.path() / name).string();
    }
    static bool has(const Outcome& run, const std::string& text) { return run.out.find(text) != std::string::npos; }

    TempFolder library;
    TempFolder config;
};

TEST_F(SsAux, DstvManagesThePointFilesThroughTheDialog) {
    // A fresh library's standard is its Standard file; the folder is named in this machine's form.
    Outcome run = ss({"dstv"});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_EQ(run.out.rfind((library.path() / "DSTV Points").string() + "/:\n", 0), 0u) << run.out;
    EXPECT_TRUE(has(run, "  Bracing\n* Standard\n")) << run.out;

    run = ss({"dstv", "use", "Bracing"});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_TRUE(has(run, "* Bracing\n  Standard\n")) << run.out;
    run = ss({"dstv", "use", "Standard"});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_TRUE(has(run, "  Bracing\n* Standard\n")) << run.out;

    run = ss({"dstv", "add", "Stairs"});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_TRUE(has(run, "  Stairs\n* Standard\n")) << run.out;
    EXPECT_TRUE(fs::exists(library.path() / "DSTV Points" / "Stairs.dat"));

    run = ss({"dstv", "add", "stairs"});  // in use, whatever the case: refused, the step fails
    EXPECT_EQ(run.code, 7) << run.out;
    EXPECT_TRUE(has(run, "This name is already in use")) << run.out;

    run = ss({"dstv", "remove", "Stairs"});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_FALSE(has(run, "Stairs")) << run.out;
    EXPECT_FALSE(fs::exists(library.path() / "DSTV Points" / "Stairs.dat"));
}

TEST_F(SsAux, DstvShowsAndEditsOneFile) {
    Outcome run = ss({"dstv", "show", "Bracing", "--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    const auto shown = nlohmann::json::parse(run.out);
    ASSERT_EQ(shown["points"].size(), 2u);
    EXPECT_EQ(shown["points"][1]["name"], "Gusset hole");
    EXPECT_EQ(shown["points"][1]["drillRadius"], 18);

    const std::string steps = script("edit.txt", "choose #1411 #1\nanswer prompt \"Inner corner\"\nclick +\n"
                                                 "set \"Minimum distance from the plate edge\" 12.5\nok\n");
    const std::string png = (config.path() / "points.png").string();
    run = ss({"dstv", "edit", "Bracing", "--script", steps, "--png", png});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_TRUE(has(run, "the file was written")) << run.out;
    EXPECT_GT(fs::file_size(png), 100u);
    run = ss({"dstv", "show", "Bracing"});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_TRUE(has(run, "0  Gusset corner\n")) << run.out;
    EXPECT_TRUE(has(run, "1  Inner corner\n")) << run.out;
    EXPECT_TRUE(has(run, "at least 12.500 from the plate edge")) << run.out;
    EXPECT_TRUE(has(run, "2  Gusset hole\n")) << run.out;

    run = ss({"dstv", "show", "Missing"});
    EXPECT_EQ(run.code, 2) << run.out;
}

TEST_F(SsAux, ClassesRegisterPrintAndCleanUpATemporaryStore) {
    const std::string store = (config.path() / "registry").string();
    Outcome run = ss({"classes", "register", "--registry", store});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_TRUE(has(run, "SSregisterOpmCLSIDs: eOk")) << run.out;
    EXPECT_TRUE(has(run, "102 values")) << run.out;
    EXPECT_TRUE(has(run, " = Kelvadore 1.0 Type Library\n")) << run.out;
    EXPECT_TRUE(has(run, "Pelt.arx\n")) << run.out;
    EXPECT_TRUE(has(run, " = IOPMBody Interface\n")) << run.out;

    run = ss({"classes", "print", "--registry", store});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_TRUE(has(run, "\nconst cCLSID CLSID_Bolt = {0x")) << run.out;
    EXPECT_TRUE(has(run, "RegistryIDs.dat:\n  TypeLib_={")) << run.out;
    EXPECT_TRUE(has(run, "  Interface_IOPMBody={")) << run.out;

    run = ss({"classes", "cleanup", "--registry", store});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_TRUE(has(run, "SScleanupComRegistry: eOk")) << run.out;
    EXPECT_TRUE(has(run, "  nothing\n")) << run.out;

    EXPECT_EQ(ss({"classes"}).code, 1);
    EXPECT_EQ(ss({"classes", "register", "--registry"}).code, 1);
}

TEST_F(SsAux, DialogsRunOnTheirRecords) {
    Outcome run = ss({"dialog", "grid", "samples/scripts/grid.json", "--script", "samples/scripts/grid-set.txt",
                      "--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    auto report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report["ended"], "OK");
    EXPECT_EQ(report["record"]["firstCount"], 6);
    EXPECT_EQ(report["record"]["firstSpacing"], "4800");
    EXPECT_EQ(report["record"]["secondLabel"], "10");
    EXPECT_EQ(report["record"]["option"], true);

    run = ss({"dialog", "cis2", "samples/scripts/cis2.json", "--script", "samples/scripts/cis2-manufacturing.txt",
              "--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report["record"]["flag1"], false);
    EXPECT_EQ(report["record"]["flag3"], true);
    EXPECT_EQ(report["record"]["flag5"], true);

    run = ss({"dialog", "image", "samples/scripts/image.json", "--script", "samples/scripts/image-choose.txt",
              "--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report["ended"], "OK");
    EXPECT_EQ(report["record"]["selection"], "BoltGroup");

    run = ss({"dialog", "image", "--steps", "ok; cancel"});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_TRUE(has(run, "image: Cancel")) << run.out;
}

} // namespace
