// ss sections end to end: the real program lists and shows the section tables of a copy of the sample library.
#include "support/TempFolder.h"
#include "support/runProgram.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

namespace {

namespace fs = std::filesystem;
using testsupport::Outcome;

class SsSections : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(fs::path(SS_SOURCE_DIR) / "samples" / "library" / "prof", library.path() / "prof",
                 fs::copy_options::recursive);
    }
    Outcome ss(std::vector<std::string> words) {
        words.insert(words.begin(), "sections");
        return testsupport::runProgram("SS_LIBRARY=" + testsupport::shellQuote(library.path().string()), SS_PROGRAM,
                                       words);
    }
    TempFolder library;
};

TEST_F(SsSections, ListsEveryTableWithItsTypeAndSizes) {
    const Outcome run = ss({"--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    const auto list = nlohmann::json::parse(run.out);
    std::vector<std::string> names;
    for (const auto& t : list)
        names.push_back(t["table"]);
    EXPECT_EQ(names, (std::vector<std::string>{"HEA", "HEB", "IPE", "L", "UPN"}));
    const auto& angles = list[3];
    EXPECT_EQ(angles["type"], "10");
    EXPECT_EQ(angles["offered"], 4);
    EXPECT_EQ(angles["sizes"], 5);
    EXPECT_EQ(list[2]["type"], "IPE.dwg");

    const Outcome plain = ss({});
    ASSERT_EQ(plain.code, 0) << plain.out;
    EXPECT_NE(plain.out.find("L                10               4/5"), std::string::npos) << plain.out;
}

TEST_F(SsSections, ShowsTheOfferedSizesWithTheirFilteredIndexAndAllOnRequest) {
    const Outcome run = ss({"show", "L", "--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    const auto table = nlohmann::json::parse(run.out);
    EXPECT_EQ(table["type"], "10");
    EXPECT_EQ(table["languages"], 4);
    EXPECT_EQ(table["columns"][6], "h");
    ASSERT_EQ(table["rows"].size(), 4u);
    EXPECT_EQ(table["rows"][1]["section"], "L-100x100x10");
    EXPECT_EQ(table["rows"][3]["filteredIndex"], 3);

    const Outcome all = ss({"show", "L", "--all", "--json"});
    ASSERT_EQ(all.code, 0) << all.out;
    const auto every = nlohmann::json::parse(all.out);
    ASSERT_EQ(every["rows"].size(), 5u);
    EXPECT_EQ(every["rows"][2]["section"], "L-120x120x12");
    EXPECT_TRUE(every["rows"][2]["filteredIndex"].is_null());
    EXPECT_EQ(every["rows"][3]["filteredIndex"], 2);

    const Outcome plain = ss({"show", "HEA"});
    ASSERT_EQ(plain.code, 0) << plain.out;
    EXPECT_NE(plain.out.find("HEA  type HEA  5 languages"), std::string::npos) << plain.out;
    EXPECT_NE(plain.out.find("HEA-100\t0\t100\t1\tHE 100 A"), std::string::npos) << plain.out;
}

TEST_F(SsSections, AddPutsTheComposedSizeAtItsPlaceWritesTheTableAndPicturesTheEditor) {
    const Outcome run = ss({"add", "IPE", "--from", "100", "--set", "A=90", "--png", (library.path() / "simple.png").string()});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("added IPE-90, index 1 among the offered sizes"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("90\t1\tIPE 90\tIPE 90\tIPE 90\tIPE 90\t90\t55"), std::string::npos) << run.out;
    const std::string file = library.get("prof/IPE.pr");
    EXPECT_LT(file.find("\n80\t"), file.find("\n90\t"));
    EXPECT_LT(file.find("\n90\t"), file.find("\n100\t"));
    EXPECT_GT(fs::file_size(library.path() / "simple.png"), 1000u);

    // A typed name; an existing system name replaces its size.
    const Outcome typed = ss({"add", "IPE", "--name", "90", "--set", "B=50"});
    ASSERT_EQ(typed.code, 0) << typed.out;
    EXPECT_NE(typed.out.find("replaced IPE-90"), std::string::npos) << typed.out;
    const Outcome shown = ss({"show", "IPE", "--json"});
    const auto rows = nlohmann::json::parse(shown.out)["rows"];
    EXPECT_EQ(rows.size(), 19u);
    EXPECT_EQ(rows[1]["cells"][7], "50");
}

TEST_F(SsSections, AddRefusedByTheAngleRuleExitsFiveWithTheMessageAndTheTableUnchanged) {
    const std::string before = library.get("prof/L.pr");
    const Outcome run = ss({"add", "L", "--set", "A=150", "--set", "B=150", "--set", "C=20", "--set", "D=15"});
    EXPECT_EQ(run.code, 5) << run.out;
    EXPECT_NE(run.out.find("The value must be 0 or greater than the third value."), std::string::npos) << run.out;
    EXPECT_EQ(library.get("prof/L.pr"), before);
    const Outcome retry = ss({"add", "L", "--set", "A=150", "--set", "B=150", "--set", "C=20", "--set", "D=0"});
    ASSERT_EQ(retry.code, 0) << retry.out;
    EXPECT_NE(retry.out.find("added L-150x150x20, index 2"), std::string::npos) << retry.out;

    EXPECT_EQ(ss({"add", "IPE", "--set", "F=1"}).code, 1);      // IPE has five value fields
    EXPECT_EQ(ss({"add", "IPE", "--set", "Z=1"}).code, 1);
    EXPECT_EQ(ss({"add", "IPE", "--from", "999"}).code, 1);
    EXPECT_EQ(ss({"add", "IPE", "--name"}).code, 1);
    EXPECT_EQ(ss({"show", "IPE", "--set", "A=1"}).code, 1);
    EXPECT_EQ(ss({"add", "../IPE"}).code, 2);
}

TEST_F(SsSections, TheSimpleEditorRunsOnTheDialogRunner) {
    const Outcome run = testsupport::runProgram(
        "SS_LIBRARY=" + testsupport::shellQuote(library.path().string()), SS_PROGRAM,
        {"dialog", "editlibsimple", "--steps", "set \"A. h\" 90; expect #1000 \"IPE 90\"; ok", "--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    const auto result = nlohmann::json::parse(run.out);
    EXPECT_EQ(result["ended"], "OK");
    EXPECT_EQ(result["record"]["row"], 1);
    EXPECT_EQ(result["record"]["rows"][1][0], "90");
    EXPECT_EQ(result["record"]["rows"][1][2], "IPE 90");
}

TEST_F(SsSections, WrongUsageMissingTablesAndNamesOutsideProfFail) {
    EXPECT_EQ(ss({"--bogus"}).code, 1);
    EXPECT_EQ(ss({"show"}).code, 1);
    EXPECT_EQ(ss({"show", "IPE", "--json", "--json"}).code, 1);
    EXPECT_EQ(ss({"list"}).code, 1);
    EXPECT_EQ(ss({"--all"}).code, 1);
    library.put("outside.pr", "x\nSysName\tI/O\n1\t1\n");
    for (const char* bad : {"Missing", "../outside", "..\\outside", "/etc/passwd"}) {
        const Outcome run = ss({"show", bad});
        EXPECT_EQ(run.code, 2) << bad << run.out;
        EXPECT_NE(run.out.find("no readable table"), std::string::npos) << run.out;
    }
    const Outcome help = ss({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("usage: ss sections"), std::string::npos);

    // A table that cannot be read is listed as such, and the run fails (not testable as root, who reads all).
    fs::permissions(library.path() / "prof" / "IPE.pr", fs::perms::none);
    const Outcome partly = ss({"--json"});
    if (::geteuid() != 0) {
        EXPECT_EQ(partly.code, 2) << partly.out;
        EXPECT_NE(partly.out.find("\"table\": \"IPE\", \"unreadable\": true"), std::string::npos) << partly.out;
    }
    fs::permissions(library.path() / "prof" / "IPE.pr", fs::perms::owner_all);

    fs::remove_all(library.path() / "prof");
    const Outcome none = ss({});
    EXPECT_EQ(none.code, 2) << none.out;
    EXPECT_NE(none.out.find("no section tables"), std::string::npos) << none.out;
}

} // namespace

namespace {

class SsLibraryEditor : public SsSections {};

TEST_F(SsLibraryEditor, RunsOnTheDialogRunnerAndReachesThePrompt) {
    library.put("record.json", R"({"table": "IPE"})");
    const Outcome run = testsupport::runProgram(
        "SS_LIBRARY=" + testsupport::shellQuote(library.path().string()), SS_PROGRAM,
        {"dialog", "editlibsections", (library.path() / "record.json").string(), "--steps", "answer prompt IPE2; click Rename; tab Groups; click Add; ok", "--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    const auto result = nlohmann::json::parse(run.out);
    EXPECT_EQ(result["ended"], "OK");
    EXPECT_EQ(result["record"]["library"]["groups"].size(), 4u);
    EXPECT_TRUE(fs::exists(library.path() / "prof" / "IPE2.pr"));
    EXPECT_FALSE(fs::exists(library.path() / "prof" / "IPE.pr"));
    library.put("bad.json", R"({"table": "IPE", "tabel": 1})");
    const Outcome strict = testsupport::runProgram(
        "SS_LIBRARY=" + testsupport::shellQuote(library.path().string()), SS_PROGRAM,
        {"dialog", "editlibsections", (library.path() / "bad.json").string(), "--steps", "ok"});
    EXPECT_NE(strict.code, 0) << "an unknown key is refused";
}

} // namespace

namespace {

TEST_F(SsLibraryEditor, EditRunsTheSampleScriptsPicturesEachPageAndSavesTheRecordOnOk) {
    const fs::path scripts = fs::path(SS_SOURCE_DIR) / "samples" / "scripts";
    const std::string prefix = (library.path() / "lib").string();
    const Outcome reorder = ss({"edit", "--script", (scripts / "seclib-reorder-groups.txt").string(), "--png-prefix", prefix});
    ASSERT_EQ(reorder.code, 0) << reorder.out;
    EXPECT_TRUE(fs::exists(prefix + "-groups.png"));
    EXPECT_TRUE(fs::exists(prefix + "-types.png"));
    const std::string saved = library.get("prof/library.json");
    EXPECT_LT(saved.find("\"Channels\""), saved.find("\"I and H sections\"")) << "the first group moved down";
    // What changed is said: the two groups swapped places, and no table changed.
    EXPECT_NE(reorder.out.find("library record: replace /groups/0/name"), std::string::npos) << reorder.out;
    EXPECT_EQ(reorder.out.find("prof\\"), std::string::npos) << reorder.out;
    // The saved record, opened and saved again without a change, reads back equal.
    library.put("ok.txt", "ok\n");
    const Outcome unchanged = ss({"edit", "--script", (library.path() / "ok.txt").string()});
    ASSERT_EQ(unchanged.code, 0) << unchanged.out;
    EXPECT_NE(unchanged.out.find("nothing changed in the library record or in prof\\"), std::string::npos)
        << unchanged.out;
    EXPECT_EQ(library.get("prof/library.json"), saved);

    const Outcome added = ss({"edit", "IPE", "--script", (scripts / "seclib-add-size.txt").string()});
    ASSERT_EQ(added.code, 0) << added.out;
    const Outcome renamed = ss({"edit", "IPE", "--script", (scripts / "seclib-rename.txt").string()});
    ASSERT_EQ(renamed.code, 0) << renamed.out;
    EXPECT_TRUE(fs::exists(library.path() / "prof" / "IPE-renamed.pr"));
    const Outcome created = ss({"edit", "--script", (scripts / "seclib-new-table.txt").string()});
    ASSERT_EQ(created.code, 0) << created.out;
    EXPECT_TRUE(fs::exists(library.path() / "prof" / "New table.pr"));
    EXPECT_NE(created.out.find("added prof\\New table.pr"), std::string::npos) << created.out;

    EXPECT_EQ(ss({"edit"}).code, 1) << "--script is required";
    EXPECT_EQ(ss({"edit", "--script"}).code, 1);
}

} // namespace
