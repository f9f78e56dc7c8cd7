// ss design end to end: the library's designed pages listed and shown, on the sample library and on
// libraries of the test's own, with the exit codes a script relies on.
#include "support/TempFolder.h"
#include "support/runProgram.h"

#include "ui/paint/Canvas.h"
#include "ui/paint/pngFile.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using testsupport::Outcome;

const std::string kSampleLibrary = SS_SOURCE_DIR "/samples/library";

class SsDesign : public ::testing::Test {
protected:
    Outcome ss(std::vector<std::string> words, const std::string& library = kSampleLibrary) {
        words.insert(words.begin(), "design");
        return testsupport::runProgram("cd " + testsupport::shellQuote(folder.path().string()) +
                                           " && SS_LIBRARY=" + testsupport::shellQuote(library),
                                       SS_PROGRAM, words);
    }
    // A design of the test's own library.
    void design(const std::string& relative, const std::string& text) {
        folder.put("Dialog Templates/Dialog Design/" + relative, text);
    }
    std::string library() const { return folder.path().string(); }

    TempFolder folder;
};

TEST_F(SsDesign, ListsTheSampleLibrarysDesignsSorted) {
    const Outcome run = ss({"list"});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_EQ(run.out, "BoltGroup\nBracing\\Gusset\nEndPlate\nMacros\\Beam\nMacros\\Details\nWelds\n");
    const Outcome json = ss({"list", "--json"});
    ASSERT_EQ(json.code, 0) << json.out;
    EXPECT_EQ(nlohmann::json::parse(json.out),
              nlohmann::json::parse(R"(["BoltGroup", "Bracing\\Gusset", "EndPlate", "Macros\\Beam", "Macros\\Details", "Welds"])"));
    // A library without designs lists none.
    const Outcome none = ss({"list"}, library());
    EXPECT_EQ(none.code, 0) << none.out;
    EXPECT_EQ(none.out, "");
}

TEST_F(SsDesign, ShowsEveryControlWithItsIdentifierRectangleAndKeyboardOrder) {
    const Outcome run = ss({"show", "EndPlate", "--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    const auto page = nlohmann::json::parse(run.out);
    EXPECT_EQ(page["name"], "EndPlate");
    EXPECT_EQ(page["picture"]["width"], 240);
    EXPECT_EQ(page["picture"]["height"], 200);
    const auto& controls = page["controls"];
    ASSERT_EQ(controls.size(), 7u);
    EXPECT_EQ(controls[0]["typeName"], "ctGroupBox");
    EXPECT_EQ(controls[0]["tabOrder"], 0);
    EXPECT_EQ(controls[2]["id"], 33002);
    EXPECT_EQ(controls[2]["type"], 3);
    EXPECT_EQ(controls[2]["rect"], nlohmann::json::parse("[132, 48, 200, 68]"));
    EXPECT_EQ(controls[2]["extra"], "Dialog Templates\\Lists\\PlateThickness.txt");
    EXPECT_EQ(controls[2]["tabOrder"], 1);
    EXPECT_EQ(controls[4]["tabOrder"], 2);
    EXPECT_EQ(controls[6]["tabOrder"], 3);
    EXPECT_EQ(page["ctrlNames"], nlohmann::json::parse(R"(["Width", "Height"])"));

    const Outcome text = ss({"show", "Bracing\\Gusset"});
    ASSERT_EQ(text.code, 0) << text.out;
    EXPECT_NE(text.out.find("picture 220 x 180 pixels"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("GetImageDlgCtrlNames: Length, Width, Thickness"), std::string::npos) << text.out;
    const Outcome welds = ss({"show", "Welds"});
    ASSERT_EQ(welds.code, 0) << welds.out;
    EXPECT_NE(welds.out.find("no picture"), std::string::npos) << welds.out;
    EXPECT_NE(welds.out.find("120,10 - 180,28"), std::string::npos) << welds.out;   // pixels as stored
    const Outcome flex = ss({"show", "BoltGroup", "--json"});
    ASSERT_EQ(flex.code, 0) << flex.out;
    EXPECT_EQ(nlohmann::json::parse(flex.out)["controls"][9]["extra"], "BoltLayout;;Top row;");
}

TEST_F(SsDesign, ADesignByItsFileAndItsRefusals) {
    design("Sub/Plate.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t1\ntype0\ti\t2\ncontents0\ts\tA;b\n"
                            "topLeftX0\td\t10\nbottomRightX0\td\t40.6\nbottomRightY0\td\t18\n");
    const Outcome byFile = ss({"show", "Dialog Templates/Dialog Design/Sub/Plate.txt", "--json"}, library());
    ASSERT_EQ(byFile.code, 0) << byFile.out;
    const auto page = nlohmann::json::parse(byFile.out);
    EXPECT_EQ(page["name"], "Sub\\Plate");
    EXPECT_EQ(page["controls"][0]["rect"], nlohmann::json::parse("[10, 0, 41, 18]"));
    EXPECT_EQ(page["ctrlNames"], nlohmann::json::parse(R"(["A;b"])"));
    EXPECT_EQ(ss({"show", "Sub/Plate"}, library()).code, 0);

    design("Bad.txt", "Ork_PropertiesList 1\nnrOfControls\tq\t1\n");
    design("Many.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t20000\n");
    folder.put("Outside.txt", "Ork_PropertiesList 1\nnrOfControls\ti\t0\n");
    for (const std::vector<std::string>& words :
         std::vector<std::vector<std::string>>{{"show", "Bad"}, {"show", "Many"}, {"show", "Missing"},
                                               {"show", "Outside.txt"}, {"show", "../Outside"}}) {
        const Outcome run = ss(words, library());
        EXPECT_EQ(run.code, 2) << words[1] << ": " << run.out;
        EXPECT_NE(run.out.find("cannot read the design"), std::string::npos) << run.out;
    }
}

TEST_F(SsDesign, RunPlacesThePageSetsValuesPlaysAScriptAndPicturesIt) {
    folder.put("steps.txt", "# the width, then back from the height\nset Width 180\nkey Shift+Tab\nexpect Height 300\n");
    const Outcome run = ss({"run", "EndPlate", "--set", "Height=300", "--set", "Thickness=12", "--script",
                            (folder.path() / "steps.txt").string(), "--png", "page.png", "--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    const auto page = nlohmann::json::parse(run.out);
    EXPECT_EQ(page["size"], nlohmann::json::parse("[240, 200]"));
    EXPECT_EQ(page["focus"], 33004);   // Width, back from the height
    const auto& controls = page["controls"];
    ASSERT_EQ(controls.size(), 7u);
    EXPECT_EQ(controls[1]["value"], "Thickness");   // the label keeps its text: values go to the inputs
    EXPECT_EQ(controls[2]["value"], "12");
    EXPECT_EQ(controls[4]["value"], "180");
    EXPECT_EQ(controls[6]["value"], "300");
    EXPECT_EQ(controls[6]["enabled"], true);

    ui::Canvas shot;
    std::u16string error;
    ASSERT_TRUE(ui::readPngFile(folder.path() / "page.png", shot, error));
    EXPECT_GE(shot.width(), 240);
    EXPECT_GE(shot.height(), 200);
    // The plate's steel colour shows through, the white around it is the dialog's face.
    int steel = 0, face = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            steel += shot.pixel(x, y) == ui::rgb(176, 196, 222);
            face += shot.pixel(x, y) == ui::rgb(240, 240, 240);
        }
    EXPECT_GT(steel, 5000);
    EXPECT_GT(face, 5000);
}

TEST_F(SsDesign, RunsExitCodesForScriptsPicturesAndDesigns) {
    folder.put("bad.txt", "clik Width\n");
    folder.put("undoable.txt", "set Nowhere 1\n");
    const Outcome malformed = ss({"run", "Welds", "--script", (folder.path() / "bad.txt").string()});
    EXPECT_EQ(malformed.code, 1) << malformed.out;
    EXPECT_NE(malformed.out.find(":1:"), std::string::npos) << malformed.out;
    const Outcome undoable = ss({"run", "Welds", "--script", (folder.path() / "undoable.txt").string()});
    EXPECT_EQ(undoable.code, 7) << undoable.out;
    EXPECT_NE(undoable.out.find("line 1"), std::string::npos) << undoable.out;
    EXPECT_EQ(ss({"run", "Welds", "--script", "missing.txt"}).code, 2);
    EXPECT_EQ(ss({"run", "Welds", "--png", "no/such/folder/x.png"}).code, 3);
    folder.put("shot.txt", "set WebThroat 5\npng mid\n");
    const Outcome shots = ss({"run", "Welds", "--script", (folder.path() / "shot.txt").string(), "--png-prefix", "w-"});
    EXPECT_EQ(shots.code, 0) << shots.out;
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "w-mid.png"));
    EXPECT_EQ(ss({"run", "Welds", "--script", (folder.path() / "shot.txt").string(), "--png-prefix", "no/such/"}).code, 3);
    EXPECT_EQ(ss({"run", "Nope"}).code, 2);
    EXPECT_EQ(ss({"run", "Welds", "--set", "Nowhere=1"}).code, 1);
    EXPECT_EQ(ss({"run", "Welds", "--scale", "0"}).code, 1);
    EXPECT_EQ(ss({"show", "Welds", "--set", "A=1"}).code, 1);
    const Outcome welds = ss({"run", "Welds", "--set", "WebThroat=4", "--scale", "1.5"});
    ASSERT_EQ(welds.code, 0) << welds.out;
    EXPECT_NE(welds.out.find("180 x 58"), std::string::npos) << welds.out;   // as large as its controls
    EXPECT_NE(welds.out.find("\"WebThroat\"          = \"4\""), std::string::npos) << welds.out;
}

TEST_F(SsDesign, TheSampleScriptRunsOnTheSamplePage) {
    const Outcome run = ss({"run", "EndPlate", "--set", "Height=300", "--script",
                            SS_SOURCE_DIR "/samples/scripts/design-endplate.txt", "--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    const auto page = nlohmann::json::parse(run.out);
    EXPECT_EQ(page["controls"][2]["value"], "20");
    EXPECT_EQ(page["focus"], 33004);
}

// ss design edit: the designer on a library of the test's own, a copy of the sample's design folder.
class SsDesignEdit : public SsDesign {
protected:
    void SetUp() override {
        const std::filesystem::path designs = std::filesystem::path(kSampleLibrary) / "Dialog Templates" / "Dialog Design";
        const std::filesystem::path target = folder.path() / "Dialog Templates" / "Dialog Design";
        std::filesystem::create_directories(target);
        for (const char* file : {"EndPlate.txt", "EndPlate.bmp"})
            std::filesystem::copy_file(designs / file, target / file);
    }
    // The designer keeps its window size in the configuration folder: the test's own.
    Outcome edit(std::vector<std::string> words) {
        words.insert(words.begin(), {"design", "edit"});
        return testsupport::runProgram("cd " + testsupport::shellQuote(folder.path().string()) + " && SS_CONFIG_DIR=" +
                                           testsupport::shellQuote(folder.path().string()) +
                                           " SS_LIBRARY=" + testsupport::shellQuote(library()),
                                       SS_PROGRAM, words);
    }
};

TEST_F(SsDesignEdit, TheSampleScriptDrawsAndSavesAPageThatShowReads) {
    const std::string png = (folder.path() / "drawn.png").string();
    const Outcome run = edit({"--script", SS_SOURCE_DIR "/samples/scripts/designer-draw.txt", "--png", png, "--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    const auto result = nlohmann::json::parse(run.out);
    EXPECT_EQ(result["ended"], "OK");
    EXPECT_EQ(result["returned"], true);
    EXPECT_EQ(result["page"]["name"], "Drawn");
    ui::Canvas picture;
    std::u16string error;
    ASSERT_TRUE(ui::readPngFile(png, picture, error));
    EXPECT_GT(picture.width(), 600);

    const Outcome shown = ss({"show", "Drawn", "--json"}, library());
    ASSERT_EQ(shown.code, 0) << shown.out;
    const auto page = nlohmann::json::parse(shown.out);
    EXPECT_EQ(page["picture"]["width"], 240);
    ASSERT_EQ(page["controls"].size(), 1u);
    EXPECT_EQ(page["controls"][0]["typeName"], "ctCellCombo");
    EXPECT_EQ(page["controls"][0]["contents"], "Thickness");
    EXPECT_EQ(page["controls"][0]["extra"], "Dialog Templates\\Lists\\PlateThickness.txt");
    EXPECT_EQ(page["controls"][0]["rect"], nlohmann::json::parse("[58, 60, 108, 78]"));
    EXPECT_EQ(result["page"]["controls"], page["controls"]);
}

TEST_F(SsDesignEdit, ExitCodesForUnansweredQuestionsAndBadSteps) {
    folder.put("add.txt", "click add\n");
    const Outcome unanswered = edit({"EndPlate", "--script", (folder.path() / "add.txt").string()});
    EXPECT_EQ(unanswered.code, 7) << unanswered.out;
    EXPECT_NE(unanswered.out.find("Save design"), std::string::npos) << unanswered.out;
    EXPECT_NE(unanswered.out.find("designer: Cancel"), std::string::npos) << unanswered.out;
    EXPECT_NE(unanswered.out.find("8 controls"), std::string::npos) << unanswered.out;   // as it stood
    folder.put("drag.txt", "drag 5 190 10 10\nanswer box no\n");
    const Outcome nothing = edit({"EndPlate", "--script", (folder.path() / "drag.txt").string()});
    EXPECT_EQ(nothing.code, 0) << nothing.out;   // empty space: the drag draws a band
    folder.put("band.txt", "band 150 50 160 60\n");
    const Outcome onControl = edit({"EndPlate", "--script", (folder.path() / "band.txt").string()});
    EXPECT_EQ(onControl.code, 7) << onControl.out;
    EXPECT_NE(onControl.out.find("line 1: a band must start on empty space"), std::string::npos) << onControl.out;
    folder.put("bad.txt", "point 1\n");
    EXPECT_EQ(edit({"--script", (folder.path() / "bad.txt").string()}).code, 1);
    EXPECT_EQ(edit({"EndPlate", "--set", "A=1"}).code, 1);
    EXPECT_EQ(edit({"a", "b"}).code, 1);
    // Unchanged: closed without a question, the file as it was.
    const Outcome plain = edit({"EndPlate"});
    EXPECT_EQ(plain.code, 0) << plain.out;
    EXPECT_NE(plain.out.find("designer: Cancel"), std::string::npos) << plain.out;
}

TEST_F(SsDesign, WrongUsageAndHelp) {
    const Outcome help = ss({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("usage: ss design list"), std::string::npos) << help.out;
    EXPECT_NE(ss({"show", "--help"}).out.find("GetImageDlgCtrlNames"), std::string::npos);
    for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
             {}, {"show"}, {"list", "extra"}, {"show", "a", "b"}, {"paint"}, {"list", "--colour"}}) {
        const Outcome run = ss(words);
        EXPECT_EQ(run.code, 1) << run.out;
        EXPECT_NE(run.out.find("ss design"), std::string::npos) << run.out;
    }
}

} // namespace
