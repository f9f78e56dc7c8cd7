// ss edit-macro end to end: the real program on the sample library's macros, the written macro and the
// pictures read back.
#include "support/TempFolder.h"
#include "support/runProgram.h"
#include "ui/paint/pngFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

namespace {

namespace fs = std::filesystem;
using testsupport::Outcome;
using testsupport::shellQuote;

class SsEditMacro : public ::testing::Test {
protected:
    Outcome ss(std::vector<std::string> words) {
        words.insert(words.begin(), "edit-macro");
        const fs::path source = SS_SOURCE_DIR;
        return testsupport::runProgram("cd " + shellQuote(folder.path().string()) + " && SS_LIBRARY=" +
                                           shellQuote((source / "samples" / "library").string()) +
                                           " XDG_CONFIG_HOME=" + shellQuote(folder.path().string()) +
                                           " SS_CONFIG_DIR=" + shellQuote(folder.path().string()),
                                       SS_PROGRAM, words);
    }
    static std::string sample(const std::string& relative) { return (fs::path(SS_SOURCE_DIR) / relative).string(); }
    static std::string macro(const std::string& name) { return sample("samples/library/Macros/" + name); }
    nlohmann::json written(const std::string& name) {
        std::ifstream in(folder.path() / name);
        return nlohmann::json::parse(in);
    }
    static const nlohmann::json* constraint(const nlohmann::json& module, const std::string& name) {
        for (const auto& c : module["constraints"])
            if (c["name"] == name)
                return &c;
        return nullptr;
    }
    static bool has(const Outcome& run, const std::string& text) { return run.out.find(text) != std::string::npos; }

    TempFolder folder;
};

TEST_F(SsEditMacro, AScriptChangesAConstraintAddsAVariableAndRenamesTheModule) {
    const Outcome run = ss({macro("EndPlateConnection.json"), "--script", sample("samples/scripts/edit-macro-plate.txt"),
                            "--write", "plate.json", "--png-prefix", "plate", "--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    const auto report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report["ended"], "OK");
    EXPECT_EQ(report["mode"], "modal");
    EXPECT_EQ(report["module"], "Plate");
    const std::vector<std::string> calls = report["hostCalls"];
    auto position = [&](const std::string& call) {
        return std::find(calls.begin(), calls.end(), call) - calls.begin();
    };
    // The thickness row goes to the host when the height row is chosen; the rename commits every page first.
    EXPECT_LT(position("UpdateConstraint(0)"), position("HighlightConstraint(2)"));
    EXPECT_LT(position("UpdateConstraint(2)"), position("RenameModule(EndPlate)"));
    EXPECT_LT(position("RenameModule(EndPlate)"), position("SetCurrentModule(EndPlate)"));
    EXPECT_LT(position("SetCurrentModule(EndPlate)"), static_cast<long>(calls.size()));
    EXPECT_EQ(report["requests"][1], "modal 8069 \"Rename module\"");

    const auto out = written("plate.json");
    const auto& plate = out["modules"][0];
    EXPECT_EQ(plate["name"], "EndPlate");
    ASSERT_NE(constraint(plate, "Thickness"), nullptr);
    EXPECT_EQ((*constraint(plate, "Thickness"))["value"], 18);
    EXPECT_EQ((*constraint(plate, "Thickness"))["editor"]["option"], 1);
    EXPECT_EQ((*constraint(plate, "Height"))["editor"]["groups"], nlohmann::json::parse("[1, 2]"));
    // The picture paths stay as the file gave them, relative to the library.
    EXPECT_EQ((*constraint(plate, "Height"))["editor"]["images"][0], "Macros\\Images\\AlignTop.bmp");
    ASSERT_EQ(plate["variables"].size(), 4u);
    EXPECT_EQ(plate["variables"][1]["name"], "WeldSize");
    EXPECT_EQ(plate["variables"][1]["value"], 6);
    EXPECT_EQ(plate["variables"][2]["value"], 45000);
    // The other modules are as they were.
    EXPECT_EQ(out["modules"][1]["name"], "Bolts");
    EXPECT_EQ(out["modules"][1]["constraints"].size(), 3u);

    // The written macro opens again, on the renamed module.
    const Outcome again = ss({"plate.json", "--module", "EndPlate", "--steps", "expect Value 18; ok"});
    EXPECT_EQ(again.code, 0) << again.out;

    for (const char* page : {"constraints", "geometry", "variables", "commands", "renamed"}) {
        ui::Canvas picture;
        std::u16string error;
        ASSERT_TRUE(ui::readPngFile(folder.path() / (std::string("plate-") + page + ".png"), picture, error)) << page;
        EXPECT_GE(picture.width(), 400) << page;
        EXPECT_GE(picture.height(), 300) << page;
        EXPECT_LE(picture.width(), 1600) << page;
    }
    // Each page shows something of its own.
    ui::Canvas constraints, commands;
    std::u16string error;
    ASSERT_TRUE(ui::readPngFile(folder.path() / "plate-constraints.png", constraints, error));
    ASSERT_TRUE(ui::readPngFile(folder.path() / "plate-commands.png", commands, error));
    int differing = 0;
    for (int y = 0; y < constraints.height() && y < commands.height(); ++y)
        for (int x = 0; x < constraints.width() && x < commands.width(); ++x)
            differing += constraints.pixel(x, y) != commands.pixel(x, y) ? 1 : 0;
    EXPECT_GT(differing, 1000);
}

TEST_F(SsEditMacro, TheModelessEditorRunsACommandAndIsEndedByTheHostWhenLeftOpen) {
    Outcome run = ss({macro("BasePlate.json"), "--module", "AnchorBolts", "--modeless", "--script",
                      sample("samples/scripts/edit-macro-command.txt"), "--write", "anchors.json"});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_TRUE(has(run, "(modeless): closed (the entry point returned true)")) << run.out;
    EXPECT_TRUE(has(run, "host: BeginEditorCommand\nhost: StartMacroCommand(7)\nhost: CompleteEditorCommand\n"))
        << run.out;
    EXPECT_TRUE(has(run, "host: acedPostCommandPrompt\n")) << run.out;
    const auto anchors = written("anchors.json")["modules"][1];
    ASSERT_NE(constraint(anchors, "EdgeDistance"), nullptr) << anchors.dump();
    EXPECT_EQ((*constraint(anchors, "EdgeDistance"))["value"], 75);
    EXPECT_EQ((*constraint(anchors, "EdgeDistance"))["editor"]["kind"], 7);

    run = ss({macro("BasePlate.json"), "--modeless", "--steps", "tab Geometry", "--png-prefix", "open"});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_TRUE(has(run, "still open, ended by EndDlgEditConstraints")) << run.out;
    EXPECT_TRUE(fs::exists(folder.path() / "open-geometry.png"));
}

TEST_F(SsEditMacro, TheSettingsButtonOpensTheSettingsWhoseOkStoresThem) {
    Outcome run = ss({macro("EndPlateConnection.json"), "--settings", "--script",
                      sample("samples/scripts/edit-macro-settings.txt"), "--write", "settings.json", "--png-prefix",
                      "settings"});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_TRUE(has(run, "settings: OK (stored)\n")) << run.out;
    EXPECT_TRUE(has(run, "asked: modal 8141 \"Macro settings\"\n")) << run.out;
    const auto out = written("settings.json");
    const auto& axis = out["settings"]["filters"]["axis"][1];
    EXPECT_EQ(axis["name"], "HEB-300");
    EXPECT_EQ(axis["active"], true);
    EXPECT_EQ(axis["first"], 80);
    EXPECT_EQ(axis["second"], 100);
    // What the script did not touch comes back as it was.
    EXPECT_EQ(out["settings"]["filters"]["axis"][0]["first"], 85);
    EXPECT_EQ(out["settings"]["standards"][0]["key"], "BeamToColumn");
    EXPECT_EQ(out["generalVariables"][0]["value"], 175);
    EXPECT_EQ(out["generalVariables"][1]["value"], 10);
    for (const char* page : {"filter", "filter2", "properties", "variables", "groups", "mapping"}) {
        ui::Canvas picture;
        std::u16string error;
        ASSERT_TRUE(ui::readPngFile(folder.path() / (std::string("settings-") + page + ".png"), picture, error))
            << page;
        EXPECT_GE(picture.width(), 500) << page;
    }

    // Cancel stores nothing.
    run = ss({macro("EndPlateConnection.json"), "--settings", "--steps", "set \"From angle\" 1; cancel", "--write",
              "cancelled.json"});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_TRUE(has(run, "settings: Cancel\n")) << run.out;
    EXPECT_FALSE(has(run, "SetMacroSettings")) << run.out;
    EXPECT_EQ(written("cancelled.json")["settings"]["filters"]["axis"][0]["first"], 85);
}

TEST_F(SsEditMacro, AMappingChangedInTheSettingsGoesUnderANewKeyIntoTheFileAndTheMacro) {
    // On a copy of the library: the mapping file is written.
    TempFolder library;
    fs::copy(fs::path(SS_SOURCE_DIR) / "samples" / "library", library.path(), fs::copy_options::recursive);
    const fs::path map = library.path() / "Connection Standards" / "EndPlate.map";
    std::ifstream original(map, std::ios::binary);
    const std::string before((std::istreambuf_iterator<char>(original)), std::istreambuf_iterator<char>());
    const Outcome run = testsupport::runProgram(
        "cd " + shellQuote(folder.path().string()) + " && SS_LIBRARY=" + shellQuote(library.path().string()) +
            " XDG_CONFIG_HOME=" + shellQuote(folder.path().string()) + " SS_CONFIG_DIR=" +
            shellQuote(folder.path().string()),
        SS_PROGRAM,
        {"edit-macro", (library.path() / "Macros" / "EndPlateConnection.json").string(), "--settings", "--script",
         sample("samples/scripts/edit-macro-mapping.txt"), "--write", "mapped.json", "--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    const auto report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report["settings"], "OK (stored)");
    ASSERT_EQ(report["mappings"].size(), 1u) << run.out;
    const std::string key = written("mapped.json")["settings"]["standards"][0]["key"];
    EXPECT_EQ(key.size(), 24u);
    EXPECT_EQ(report["mappings"][0], "Connection Standards\\EndPlate.map: " + key);
    std::ifstream changed(map, std::ios::binary);
    const std::string after((std::istreambuf_iterator<char>(changed)), std::istreambuf_iterator<char>());
    // The old line is kept as it was; the new one maps Thickness to the plate's width.
    const std::string oldLine = before.substr(before.find("BeamToColumn="));
    EXPECT_NE(after.find(oldLine.substr(0, oldLine.find('\n'))), std::string::npos);
    const std::size_t newLine = after.find(key + "=");
    ASSERT_NE(newLine, std::string::npos);
    EXPECT_NE(after.find("Thickness\xC6\x92" "EndPlate\xE2\x80\xA2" "Distance Width", newLine), std::string::npos);
}

TEST_F(SsEditMacro, BadScriptsModulesAndFilesAreRefused) {
    Outcome run = ss({macro("BasePlate.json"), "--steps", "clik OK"});
    EXPECT_EQ(run.code, 1) << run.out;
    EXPECT_TRUE(has(run, "step 1: unknown step 'clik'")) << run.out;

    // A step that cannot act stops the run with its line; the editor is cancelled and the macro still written.
    const std::string script = (folder.path() / "bad.txt").string();
    std::ofstream(script) << "set Value 450\nclick Nothing\nok\n";
    run = ss({macro("BasePlate.json"), "--script", script, "--write", "out.json"});
    EXPECT_EQ(run.code, 7) << run.out;
    EXPECT_TRUE(has(run, "line 2: no control 'Nothing' in the dialog")) << run.out;
    EXPECT_TRUE(has(run, "(modal): Cancel")) << run.out;
    EXPECT_TRUE(fs::exists(folder.path() / "out.json"));

    run = ss({macro("BasePlate.json"), "--module", "Nope"});
    EXPECT_EQ(run.code, 1) << run.out;
    EXPECT_TRUE(has(run, "has no module 'Nope'")) << run.out;
    EXPECT_EQ(ss({"missing.json"}).code, 2);
    EXPECT_EQ(ss({}).code, 1);
    EXPECT_EQ(ss({macro("BasePlate.json"), "--png-prefix", "no-such-folder/p", "--steps", "ok"}).code, 3);
}

} // namespace
