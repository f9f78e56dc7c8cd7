// ss batch end to end: the real program on the sample library's standards and their sample cases, each row held
// against `ss evaluate` of the same case, and on cases files that are wrong in every way a user gets them wrong.
#include "support/TempFolder.h"
#include "support/runProgram.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using testsupport::Outcome;
using testsupport::shellQuote;

const fs::path kSamples = fs::path(SS_SOURCE_DIR) / "samples" / "library";

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class SsBatch : public ::testing::Test {
protected:
    // ss with the words given, on the sample library, from the test's folder.
    Outcome ss(const std::vector<std::string>& words) {
        return testsupport::runProgram("cd " + shellQuote(m_temp.path().string()) + " && SS_LIBRARY=" +
                                           shellQuote(kSamples.string()),
                                       SS_PROGRAM, words);
    }
    fs::path write(const std::string& name, const std::string& text) {
        const fs::path path = m_temp.path() / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    TempFolder m_temp;
};

// Every sample cases file, row by row, against ss evaluate of that row's case: the same outputs, the same
// messages, the same success.
TEST_F(SsBatch, EveryRowOfTheSampleCasesEqualsTheEvaluationOfItsCase) {
    const std::pair<const char*, const char*> samples[] = {
        {"EndPlate", "EndPlate-IPE.csv"}, {"BasePlate", "BasePlate-HEB.csv"}, {"Childs/FilletWeld", "FilletWeld.csv"}};
    for (const auto& [sheet, file] : samples) {
        SCOPED_TRACE(file);
        const Outcome batch = ss({"batch", sheet, (kSamples / "Cases" / file).string(), "--json"});
        ASSERT_EQ(batch.code, 0) << batch.out;
        const auto table = nlohmann::json::parse(batch.out);
        EXPECT_EQ(table["failed"], 0);
        ASSERT_GE(table["rows"].size(), 14u);
        for (const auto& row : table["rows"]) {
            std::vector<std::string> words{"evaluate", sheet, "--json"};
            for (const auto& input : row["inputs"]) {
                const std::string name = input["name"];
                words.push_back(name.rfind("gen_", 0) == 0 ? "--gen" : "--set");
                words.push_back(name + "=" + input["value"].get<std::string>());
            }
            const Outcome single = ss(words);
            ASSERT_EQ(single.code, 0) << single.out;
            const auto evaluated = nlohmann::json::parse(single.out);
            SCOPED_TRACE(row["line"].dump());
            EXPECT_TRUE(row["ok"]);
            EXPECT_EQ(row["outputs"], evaluated["outputs"]);
            EXPECT_EQ(row["messages"], evaluated["messages"]);
        }
    }
}

TEST_F(SsBatch, TheResultIsTheCasesTableWithTheOutputsAndAMessagesColumnAppended) {
    const fs::path cases = write("cases.csv", "Beam,Shear,gen_Projection,gen_SteelGrade\n"
                                              "IPE 300,150,10,355\n"
                                              "\n"   // a blank line is no case
                                              "\"IPE 200\",95,10,355\r\n");
    const Outcome run = ss({"batch", "EndPlate", cases.string()});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_EQ(run.out, "Beam,Shear,gen_Projection,gen_SteelGrade,Thickness,Width,Height,BoltDia,HoleClearance,Rows,"
                       "Gauge,Pitch,TopEdge,FlangeWeld,WebWeld,messages\n"
                       "IPE 300,150,10,355,20,150,320,20,2,3,80,100,60,6.5,4.5,\n"
                       "IPE 200,95,10,355,15,120,220,16,2,2,70,120,50,5.5,3.5,\n");

    // --out writes the same table into a file; a general variable given to every row is overridden by a column.
    const fs::path results = m_temp.path() / "results.csv";
    const Outcome out = ss({"batch", "EndPlate", cases.string(), "--out", results.string(), "--gen", "gen_Projection=99"});
    ASSERT_EQ(out.code, 0) << out.out;
    EXPECT_EQ(readText(results), run.out.substr(0, run.out.size()));
    EXPECT_NE(out.out.find("2 rows written to"), std::string::npos) << out.out;
}

TEST_F(SsBatch, ARowWithAnUnknownSectionCarriesItsMessagesWhileTheOthersAreComputed) {
    const fs::path cases = write("cases.csv", "Beam,Shear\nIPE 300,150\nIPE 999,150\nIPE 200,95\n");
    const Outcome run = ss({"batch", "EndPlate", cases.string(), "--gen", "gen_Projection=10", "--gen",
                            "gen_SteelGrade=355"});
    ASSERT_EQ(run.code, 0) << run.out;
    std::vector<std::string> lines;
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 4u) << run.out;
    EXPECT_EQ(lines[1], "IPE 300,150,20,150,320,20,2,3,80,100,60,6.5,4.5,");
    EXPECT_EQ(lines[3], "IPE 200,95,15,120,220,16,2,2,70,120,50,5.5,3.5,");
    EXPECT_EQ(lines[2].rfind("IPE 999,150,", 0), 0u) << lines[2];
    EXPECT_NE(lines[2].find("equation failed (line "), std::string::npos) << lines[2];
    EXPECT_NE(lines[2].find("): h = SECTIONSIZE(Sys, 1) | equation failed"), std::string::npos) << lines[2];
    EXPECT_EQ(lines[2].find('#'), std::string::npos) << lines[2];
}

// In direct mode no value of a case keeps the module from evaluating it; a sheet without its Calc section does,
// and then every row carries the reason, and the batch still writes them all.
TEST_F(SsBatch, RowsThatCannotBeEvaluatedGetTheirMessageAndEmptyOutputsAndTheBatchGoesOnToExitFive) {
    const fs::path library = m_temp.path() / "library";
    fs::create_directories(library / "Connection Standards");
    std::ofstream(library / "Connection Standards" / "NoCalc.kvs")
        << "SS grid 1\nsize 1 4\ncell 1 1 text \"Input\"\ncell 1 2 text \"Double A\"\n"
           "cell 1 3 text \"Output\"\ncell 1 4 text \"Double B\"\nend\n";
    const fs::path cases = write("cases.csv", "A\n1\n2\n3\n");
    const Outcome run = testsupport::runProgram("SS_LIBRARY=" + shellQuote(library.string()), SS_PROGRAM,
                                                {"batch", "NoCalc", cases.string(), "--json"});
    EXPECT_EQ(run.code, 5) << run.out;
    const auto table = nlohmann::json::parse(run.out.substr(0, run.out.rfind("}\n") + 2));
    ASSERT_EQ(table["rows"].size(), 3u);
    EXPECT_EQ(table["failed"], 3);
    for (const auto& row : table["rows"]) {
        EXPECT_FALSE(row["ok"]);
        EXPECT_EQ(row["outputs"], nlohmann::json::parse(R"([{"name": "B", "role": "Output", "type": "Double", "value": null}])"));
        EXPECT_EQ(row["messages"].back()["text"],
                  "the evaluation failed: NoCalc has no Calc section (a cell reading \"Calc\" above its statements)");
    }
    EXPECT_EQ(table["rows"][2]["line"], 4);
    EXPECT_NE(run.out.find("ss batch: 3 of 3 rows could not be evaluated"), std::string::npos) << run.out;

    const Outcome csv = testsupport::runProgram("SS_LIBRARY=" + shellQuote(library.string()), SS_PROGRAM,
                                                {"batch", "NoCalc", cases.string()});
    EXPECT_EQ(csv.code, 5);
    EXPECT_NE(csv.out.find("A,B,messages\n1,,\"the evaluation failed: NoCalc has no Calc section (a cell reading \"\"Calc\"\""), std::string::npos)
        << csv.out;
}

TEST_F(SsBatch, AMalformedCasesFileIsRefusedWithItsLineBeforeAnyRowIsEvaluated) {
    const std::pair<std::string, std::string> malformed[] = {
        {"Beam,Shear\nIPE 300,150\nIPE 200,95,12\n", "line 3: field 3 has no column (the first line names 2)"},
        {"Beam,Shear\nIPE 300,150\n\"IPE 200,95\n", "line 3: a quoted field is not closed"},
        {"Beam,,Shear\nIPE 300,,150\n", "line 1: column 2 has no name"},
        {"Beam,Beam\n", "line 1: the column Beam is named twice"},
        {"", "line 1: the first line names the columns"},
        {"\nIPE 300,150\n", "line 1: the first line names the columns"},
    };
    for (const auto& [text, message] : malformed) {
        const Outcome run = ss({"batch", "EndPlate", write("bad.csv", text).string()});
        EXPECT_EQ(run.code, 2) << text;
        EXPECT_NE(run.out.find("bad.csv: " + message), std::string::npos) << run.out;
        EXPECT_EQ(run.out.find("Thickness"), std::string::npos) << run.out;
    }
    const Outcome missing = ss({"batch", "EndPlate", "nowhere.csv"});
    EXPECT_EQ(missing.code, 2);
    EXPECT_NE(missing.out.find("cannot read the cases file nowhere.csv"), std::string::npos) << missing.out;
    EXPECT_EQ(ss({"batch", "NoSuchSheet", "nowhere.csv"}).code, 2);
}

TEST_F(SsBatch, AColumnTheSheetDoesNotDeclareAsAnInputIsAUsageError) {
    const Outcome undeclared = ss({"batch", "EndPlate", write("a.csv", "Beam,Force\nIPE 300,150\n").string()});
    EXPECT_EQ(undeclared.code, 1);
    EXPECT_NE(undeclared.out.find("EndPlate declares no input named 'Force'"), std::string::npos) << undeclared.out;
    const Outcome output = ss({"batch", "EndPlate", write("b.csv", "Beam,Thickness\nIPE 300,12\n").string()});
    EXPECT_EQ(output.code, 1);
    EXPECT_NE(output.out.find("'Thickness' is an output of EndPlate"), std::string::npos) << output.out;

    EXPECT_EQ(ss({"batch"}).code, 1);
    EXPECT_EQ(ss({"batch", "EndPlate"}).code, 1);
    EXPECT_EQ(ss({"batch", "EndPlate", "a.csv", "--bogus"}).code, 1);
    EXPECT_EQ(ss({"batch", "EndPlate", "a.csv", "--gen", "novalue"}).code, 1);
    const Outcome help = ss({"batch", "--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("usage: ss batch SHEET CASES.csv"), std::string::npos);
}

// Runs ss with its output thrown away; the exit code, and the peak resident size in kilobytes.
int peakKilobytes(const std::vector<std::string>& words, long& peak) {
    std::vector<char*> argv{const_cast<char*>(SS_PROGRAM)};
    for (const std::string& w : words)
        argv.push_back(const_cast<char*>(w.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, SS_PROGRAM, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return -1;
    peak = usage.ru_maxrss;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#if defined(__SANITIZE_ADDRESS__)
#define SS_HEAP_IS_QUARANTINED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SS_HEAP_IS_QUARANTINED 1
#endif
#endif

TEST_F(SsBatch, TenThousandRowsTakeNoMoreMemoryThanAThousand) {
#ifdef SS_HEAP_IS_QUARANTINED
    GTEST_SKIP() << "the address sanitizer keeps freed memory on purpose";
#endif
    const auto cases = [&](int rows) {
        std::string text = "Beam,Shear,gen_Projection,gen_SteelGrade\n";
        const int beams[] = {200, 240, 300, 360, 450, 600};
        for (int i = 0; i < rows; ++i)
            text += "IPE " + std::to_string(beams[i % 6]) + "," + std::to_string(50 + i % 100) + ",10,355\n";
        return write("cases-" + std::to_string(rows) + ".csv", text).string();
    };
    setenv("SS_LIBRARY", kSamples.c_str(), 1);
    long small = 0, large = 0;
    const std::string results = (m_temp.path() / "results.csv").string();
    ASSERT_EQ(peakKilobytes({"batch", "EndPlate", cases(1000), "--out", results}, small), 0);
    ASSERT_EQ(peakKilobytes({"batch", "EndPlate", cases(10000), "--out", results}, large), 0);
    // 9,000 rows more may cost the cases file's text (under a megabyte here), not a trace of every evaluation.
    EXPECT_LT(large - small, 3 * 1024) << small << " kB for 1,000 rows, " << large << " kB for 10,000";
    std::ifstream written(results);
    long lines = 0;
    for (std::string line; std::getline(written, line);)
        ++lines;
    EXPECT_EQ(lines, 10001);
}

} // namespace
