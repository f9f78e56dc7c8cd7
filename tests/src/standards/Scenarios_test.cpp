// Every folder of tests/data/standards/scenarios is one evaluation with its expected results (the folder's
// README says how a scenario is written).
#include "engineFixture.h"

#include "nuvo/Ork_Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct Expectation {
    std::string name;
    std::string value;
    KvValueType type = KvValueType::String;
};

struct Scenario {
    std::string sheet;
    int mode = 1;
    KvVarCells cells;
    std::string macroFile;
    std::string target;
    std::string group;
    Ork_StringArray genNames;
    Ork_StringArray genValues;
    bool messages = false;
    int boxes = 0;
    bool fails = false;
    std::vector<Expectation> expected;
    std::vector<Expectation> expectedInMacro;
};

std::string trim(std::string s) {
    const auto first = s.find_first_not_of(" \t\r");
    const auto last = s.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
}

KvValueType typeOf(const std::string& word) {
    if (word == "Int")
        return KvValueType::Int;
    if (word == "Double")
        return KvValueType::Double;
    return KvValueType::String;
}

// "TYPE NAME = VALUE" or "NAME = VALUE", and the same without value.
Expectation parseAssignment(const std::string& text, bool typed) {
    Expectation e;
    std::string rest = text;
    if (typed) {
        const auto blank = rest.find(' ');
        e.type = typeOf(rest.substr(0, blank));
        rest = blank == std::string::npos ? std::string() : rest.substr(blank + 1);
    }
    const auto eq = rest.find('=');
    e.name = trim(rest.substr(0, eq));
    e.value = eq == std::string::npos ? std::string() : trim(rest.substr(eq + 1));
    return e;
}

bool readScenario(const fs::path& file, Scenario& s, std::string& error) {
    std::ifstream in(file);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        line = trim(line);
        if (line.empty() || line[0] == '#')
            continue;
        const auto blank = line.find(' ');
        const std::string word = line.substr(0, blank);
        const std::string rest = blank == std::string::npos ? std::string() : trim(line.substr(blank + 1));
        if (word == "sheet") {
            s.sheet = rest;
        } else if (word == "mode") {
            s.mode = rest == "macro" ? 0 : 1;
        } else if (word == "in" || word == "out") {
            const Expectation e = parseAssignment(rest, true);
            s.cells.append(KvVarCell(Ork_String::fromUtf8(e.name), word == "in" ? KvCellType::Input : KvCellType::Output,
                                     e.type, Ork_String::fromUtf8(e.value)));
        } else if (word == "macro") {
            s.macroFile = rest;
        } else if (word == "target") {
            s.target = rest;
        } else if (word == "group") {
            s.group = rest;
        } else if (word == "gen") {
            const Expectation e = parseAssignment(rest, false);
            s.genNames.append(Ork_String::fromUtf8(e.name));
            s.genValues.append(Ork_String::fromUtf8(e.value));
        } else if (word == "messages") {
            s.messages = rest == "on";
        } else if (word == "boxes") {
            s.boxes = std::stoi(rest);
        } else if (word == "fails") {
            s.fails = true;
        } else if (word == "expect") {
            s.expected.push_back(parseAssignment(rest, false));
        } else if (word == "expect-macro") {
            s.expectedInMacro.push_back(parseAssignment(rest, true));
        } else {
            error = file.string() + ": line " + std::to_string(number) + ": unknown directive " + word;
            return false;
        }
    }
    if (s.sheet.empty())
        error = file.string() + ": no sheet";
    return error.empty();
}

class Scenarios : public enginetest::EngineTest {
protected:
    void run(const fs::path& folder) {
        Scenario s;
        std::string error;
        ASSERT_TRUE(readScenario(folder / "scenario.txt", s, error)) << error;
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            if (!entry.is_regular_file() || entry.path().filename() == "scenario.txt")
                continue;
            const fs::path target = m_library->standards() / fs::relative(entry.path(), folder);
            fs::create_directories(target.parent_path());
            fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
        }
        Ork_Settings::setStandardsMessages(s.messages);
        ui::Script script;
        for (int i = 0; i < s.boxes; ++i)
            script.answerBox(ui::IDOK);

        std::unique_ptr<StandardsMacro> macro;
        KvDlgStandardsData record;
        if (s.mode == 0) {
            macro = std::make_unique<StandardsMacro>();
            if (!s.macroFile.empty() && s.macroFile != "endplate.json") {
                Ork_String readError;
                ASSERT_TRUE(readMacroJson(Ork_String::fromUtf8((folder / s.macroFile).string()), macro->db,
                                          macro->data, readError))
                    << readError.utf8();
            }
            record = macro->record(Ork_String::fromUtf8(s.sheet), Ork_String::fromUtf8(s.target),
                                   Ork_String::fromUtf8(s.group));
        } else {
            record.mode = 1;
            record.file = Ork_String::fromUtf8(s.sheet);
            record.varCells = s.cells;
        }
        record.genVarNames = s.genNames;
        record.genVarValues = s.genValues;

        const bool ok = StartDlgStandardsSS(record);
        EXPECT_EQ(ok, !s.fails) << printed();
        EXPECT_EQ(static_cast<int>(script.boxes().size()), s.boxes);
        for (const Expectation& e : s.expected) {
            int index = -1;
            ASSERT_EQ(record.varCells.findVarCell(Ork_String::fromUtf8(e.name), index), eOk) << e.name;
            EXPECT_EQ(record.varCells[index].value.utf8(), e.value) << e.name;
        }
        for (const Expectation& e : s.expectedInMacro) {
            ASSERT_TRUE(macro) << "expect-macro needs mode macro";
            KvSSMapping mapping;
            ASSERT_EQ(s.group.empty() ? mapping.initFromMacro(record) : mapping.initFromModuleGroup(record.moduleGroup),
                      eOk);
            Ork_String value;
            ASSERT_EQ(mapping.getMacroVarValue(Ork_String::fromUtf8(e.name), e.type, value, record), eOk) << e.name;
            EXPECT_EQ(value.utf8(), e.value) << e.name;
        }
    }
};

TEST_F(Scenarios, EveryScenarioGivesItsExpectedResults) {
    const fs::path root = fs::path(SS_TEST_DATA) / "standards" / "scenarios";
    int count = 0;
    for (const auto& entry : fs::directory_iterator(root)) {
        if (!entry.is_directory())
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        // Each scenario gets a library of its own.
        gSSDlgsMgr.destroyAll();
        m_library.reset();   // before the next one: a library's end resets the settings
        m_library = std::make_unique<TempLibrary>();
        run(entry.path());
        ++count;
    }
    EXPECT_GE(count, 7);
}

} // namespace
