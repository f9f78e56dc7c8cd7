// Runs every scenario file of tests/data/grid: cells in, expected values out. Adding a case is adding a line.
//
//   size COLS ROWS            the sheet's counts (default 26 x 100)
//   style a1 | r1c1           reference style of the formulas that follow
//   auto on | off             automatic recalculation (switch 7)
//   set A1 TEXT               data text (the rest of the line)
//   formula A1 TEXT           a formula; `refused` after it expects the formula to be refused
//   number A1 DECIMALS        a number type with that many decimals
//   edit A1                   a text-edit type
//   insert-rows AT COUNT / delete-rows / insert-cols / delete-cols
//   move A1:B2 C5 / copy A1:B2 C5
//   recalc / recalc-cell A1
//   expect A1 TEXT            the value text (kind 3); `expect-data`, `expect-formula` read kinds 0 and 1
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "grid/Sheet.h"
#include "os/utf16.h"

using namespace grid;

namespace {

bool cellName(const std::string& s, int& col, int& row) {
    std::size_t n = readColumnLetters(os::toUtf16(s), col);
    if (n == 0 || n >= s.size())
        return false;
    row = std::atoi(s.c_str() + n);
    return row > 0;
}

bool blockName(const std::string& s, Block& b) {
    std::size_t colon = s.find(':');
    if (colon == std::string::npos)
        return cellName(s, b.col1, b.row1) && cellName(s, b.col2, b.row2);
    return cellName(s.substr(0, colon), b.col1, b.row1) && cellName(s.substr(colon + 1), b.col2, b.row2);
}

std::string rest(std::istringstream& in) {
    std::string r;
    std::getline(in, r);
    std::size_t b = r.find_first_not_of(' ');
    return b == std::string::npos ? std::string() : r.substr(b);
}

void runScenario(const std::filesystem::path& file) {
    std::ifstream in(file);
    ASSERT_TRUE(in) << file;
    Sheet sheet;
    sheet.setMaxCols(26);
    sheet.setMaxRows(100);
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const std::string where = file.filename().string() + ":" + std::to_string(lineNo) + ": " + line;
        std::istringstream words(line);
        std::string cmd, arg;
        words >> cmd;
        int col = 0, row = 0;
        if (cmd == "size") {
            int c, r;
            words >> c >> r;
            sheet.setMaxCols(c);
            sheet.setMaxRows(r);
        } else if (cmd == "style") {
            words >> arg;
            sheet.setRefStyle(arg == "r1c1" ? 2 : 1);
        } else if (cmd == "auto") {
            words >> arg;
            sheet.setSwitch(kSwitchAutoCalc, arg == "on");
        } else if (cmd == "set" || cmd == "formula" || cmd == "expect" || cmd == "expect-data" ||
                   cmd == "expect-formula" || cmd == "number" || cmd == "edit" || cmd == "recalc-cell") {
            words >> arg;
            ASSERT_TRUE(cellName(arg, col, row)) << where;
            std::string text = rest(words);
            if (cmd == "set") {
                EXPECT_TRUE(sheet.setData(col, row, os::toUtf16(text))) << where;
            } else if (cmd == "formula") {
                const bool refused = text.size() > 8 && text.ends_with(" refused");
                if (refused)
                    text.resize(text.size() - 8);
                EXPECT_EQ(sheet.setFormula(col, row, os::toUtf16(text)), !refused) << where;
            } else if (cmd == "number") {
                CellType t;
                t.kind = CellKind::Number;
                t.decimals = std::atoi(text.c_str());
                sheet.setCellType(col, row, t);
            } else if (cmd == "edit") {
                CellType t;
                t.kind = CellKind::Edit;
                sheet.setCellType(col, row, t);
            } else if (cmd == "recalc-cell") {
                EXPECT_TRUE(sheet.recalcCell(col, row)) << where;
            } else {
                TextKind kind = cmd == "expect" ? TextKind::Value
                                                : (cmd == "expect-data" ? TextKind::Data : TextKind::Formula);
                EXPECT_EQ(os::toUtf8(sheet.text(col, row, kind)), text) << where;
            }
        } else if (cmd == "insert-rows" || cmd == "delete-rows" || cmd == "insert-cols" || cmd == "delete-cols") {
            int at = 0, count = 0;
            words >> at >> count;
            bool ok = cmd == "insert-rows"   ? sheet.insertRows(at, count)
                      : cmd == "delete-rows" ? sheet.deleteRows(at, count)
                      : cmd == "insert-cols" ? sheet.insertCols(at, count)
                                             : sheet.deleteCols(at, count);
            EXPECT_TRUE(ok) << where;
        } else if (cmd == "move" || cmd == "copy") {
            std::string from, to;
            words >> from >> to;
            Block b;
            ASSERT_TRUE(blockName(from, b)) << where;
            ASSERT_TRUE(cellName(to, col, row)) << where;
            EXPECT_TRUE(cmd == "move" ? sheet.moveBlock(b, col, row) : sheet.copyBlock(b, col, row)) << where;
        } else if (cmd == "recalc") {
            sheet.recalcAll();
        } else {
            ADD_FAILURE() << "unknown command: " << where;
        }
    }
}

} // namespace

TEST(Scenarios, EveryFileHoldsItsExpectations) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(SS_TEST_DATA "/grid"))
        if (entry.path().extension() == ".txt")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    ASSERT_GE(files.size(), 8u);
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        runScenario(file);
    }
}
