#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/TempFolder.h"
#include "grid/GridDocument.h"
#include "os/files.h"
#include "os/utf16.h"

using namespace grid;

namespace {

std::string textOf(const Sheet& sheet) { return GridDocument::capture(sheet).toText(); }

bool readText(Sheet& sheet, const std::string& text, std::u16string* error = nullptr) {
    GridDocument doc;
    std::u16string why;
    if (!doc.parse(text, why)) {
        if (error)
            *error = why;
        return false;
    }
    doc.applyTo(sheet);
    return true;
}

// A sheet using every attribute a document stores.
void fillEverything(Sheet& s) {
    s.setMaxCols(6);
    s.setMaxRows(9);
    s.setData(1, 1, u"12.5");
    s.setData(2, 1, u"text with \"quotes\", commas\nand a line break\ttab \\ back");
    s.setData(3, 1, u"Ünïcödé 𝄞 text");
    s.setCellValue(4, 1, Value::boolean(true));
    s.setCellValue(5, 1, Value::error(ErrorCode::NA));
    s.setNumber(6, 1, 0.1 + 0.2);   // not 0.3 exactly: must come back bit for bit
    s.setFormula(1, 2, u"A1*2");
    s.setFormula(2, 2, u"SUM(A1:A2)&\"x\"");
    s.setFormula(3, 2, u"1/0");
    s.setData(kHeaderIndex, 3, u"Row three");
    s.setData(2, kHeaderIndex, u"Second");
    s.setTag(0, 0, u"marginTop¤2¤5¤");
    s.setTag(2, 3, u"a tag\u0001with a control character");
    CellType number;
    number.kind = CellKind::Number;
    number.style = 0x10000000 | 0x100000;
    number.decimals = 7;
    number.minimum = -99999999999999;
    number.maximum = 99999999999999;
    s.setCellType(1, 4, number);
    s.setData(1, 4, u"3.25");
    CellType edit;
    edit.kind = CellKind::Edit;
    edit.style = 0x110000;
    edit.maxLength = 200;
    edit.charCase = 1;
    s.setCellType(2, 4, edit);
    s.setData(2, 4, u"0012");   // stays text in an edit cell
    CellType combo;
    combo.kind = CellKind::ComboBox;
    combo.text = u"one\ttwo\tthree";
    combo.style = 0x100002;
    s.setCellType(3, 4, combo);
    CellType check;
    check.kind = CellKind::CheckBox;
    check.style = 0x300;
    check.picture = 42;
    s.setCellType(4, 4, check);
    s.setData(4, 4, u"1");
    CellType button;
    button.kind = CellKind::Button;
    button.text = u"Press";
    button.buttonKind = 2;
    button.shadowSize = 3;
    button.separator = true;
    s.setCellType(5, 4, button);
    s.setLocked(1, 5, true);
    s.setFont(2, 5, Font{u"Tahoma", 15, true, true, true, true});
    s.setFont(0, 5, Font{u"Arial", 9, false, false, false, false});
    s.setColours(3, 5, 0x00E6E6E6, 0x8000000B);
    s.setBorder(4, 5, Border{18, 6, 0x8000000B});
    s.addSpan(1, 6, 2, 3);
    s.addSpan(4, 7, 1, 2);
    s.setColumnWidth(0, 4.5);
    s.setColumnWidth(3, 20.125);
    s.setRowHeight(0, 15);
    s.setRowHeight(2, 1.0 / 3);
    s.setSwitch(13, true);
    s.setSwitch(10, false);
    s.setSwitch(30, true);
    s.setProperty(1, -1);
    s.setProperty(5, 1LL << 40);
}

struct DocumentTest : ::testing::Test {
    TempFolder folder;
};

} // namespace

TEST(DocumentRoundTrip, EveryAttributeComesBack) {
    Sheet original;
    fillEverything(original);
    const std::string text = textOf(original);
    Sheet copy;
    ASSERT_TRUE(readText(copy, text));
    EXPECT_EQ(textOf(copy), text);

    EXPECT_EQ(copy.maxCols(), 6);
    EXPECT_EQ(copy.maxRows(), 9);
    EXPECT_EQ(copy.data(2, 1), original.data(2, 1));
    EXPECT_EQ(copy.data(3, 1), u"Ünïcödé 𝄞 text");
    EXPECT_TRUE(copy.value(4, 1).isBool());
    EXPECT_EQ(copy.value(5, 1).errorValue(), ErrorCode::NA);
    EXPECT_EQ(copy.value(6, 1).numberValue(), 0.1 + 0.2);
    EXPECT_EQ(copy.formula(2, 2), u"SUM(A1:A2)&\"x\"");
    EXPECT_EQ(copy.valueText(1, 2), u"25");
    EXPECT_EQ(copy.valueText(2, 2), u"37.5x");
    EXPECT_EQ(copy.valueText(3, 2), u"#DIV/0!");
    EXPECT_EQ(copy.data(kHeaderIndex, 3), u"Row three");
    EXPECT_EQ(copy.data(2, kHeaderIndex), u"Second");
    EXPECT_EQ(copy.tag(0, 0), u"marginTop¤2¤5¤");
    EXPECT_EQ(copy.tag(2, 3), original.tag(2, 3));
    EXPECT_EQ(copy.cellType(1, 4), original.cellType(1, 4));
    EXPECT_EQ(copy.data(1, 4), u"3.2500000");
    EXPECT_TRUE(copy.value(2, 4).isText());
    EXPECT_EQ(copy.cellType(3, 4).text, u"one\ttwo\tthree");
    EXPECT_EQ(copy.typeCode(4, 4), 12);
    EXPECT_EQ(copy.cellType(5, 4), original.cellType(5, 4));
    EXPECT_TRUE(copy.locked(1, 5));
    EXPECT_FALSE(copy.locked(2, 5));
    EXPECT_EQ(copy.font(2, 5), original.font(2, 5));
    EXPECT_EQ(copy.font(0, 5), original.font(0, 5));
    std::uint32_t back = 0, fore = 0;
    ASSERT_TRUE(copy.colours(3, 5, back, fore));
    EXPECT_EQ(back, 0x00E6E6E6u);
    EXPECT_EQ(fore, 0x8000000Bu);
    EXPECT_EQ(copy.border(4, 5), (Border{18, 6, 0x8000000B}));
    EXPECT_EQ(copy.spans(), (std::vector<Span>{{1, 6, 2, 3}, {4, 7, 1, 2}}));
    EXPECT_EQ(copy.columnWidth(0), 4.5);
    EXPECT_EQ(copy.columnWidth(3), 20.125);
    EXPECT_EQ(copy.rowHeight(2), 1.0 / 3);
    EXPECT_TRUE(copy.switchOn(13));
    EXPECT_FALSE(copy.switchOn(10));
    EXPECT_TRUE(copy.switchOn(30));
    EXPECT_EQ(copy.property(1), -1);
    EXPECT_EQ(copy.property(5), 1LL << 40);
}

TEST(DocumentRoundTrip, TextIsReadableLineByLine) {
    Sheet s;
    s.setMaxCols(2);
    s.setMaxRows(2);
    s.setData(1, 1, u"7");
    s.setFormula(2, 1, u"A1+1");
    s.setTag(1, 2, u"say \"hi\"");
    const std::string text = textOf(s);
    EXPECT_EQ(text.substr(0, 18), "SS grid 1\nsize 2 2");
    EXPECT_NE(text.find("\ncell 1 1 number 7\n"), std::string::npos);
    EXPECT_NE(text.find("\ncell 2 1 formula \"A1+1\"\n"), std::string::npos);
    EXPECT_NE(text.find("\ncell 1 2 tag \"say \\\"hi\\\"\"\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 4), "end\n");
}

TEST(DocumentRoundTrip, UnpairedSurrogatesAndControlCharactersSurvive) {
    Sheet s;
    s.setMaxCols(1);
    s.setMaxRows(1);
    const std::u16string odd{u'a', char16_t(0xD800), u'b', char16_t(0xDC00), u'\x7F', u'\0', u'z'};
    s.setTag(1, 1, odd);
    s.setData(1, 1, odd);
    const std::string text = textOf(s);
    EXPECT_NE(text.find("\\uD800b\\uDC00\\u007F\\u0000z"), std::string::npos) << text;
    Sheet copy;
    ASSERT_TRUE(readText(copy, text));
    EXPECT_EQ(copy.tag(1, 1), odd);
    EXPECT_EQ(copy.data(1, 1), odd);
}

TEST(DocumentRoundTrip, R1C1SheetsKeepTheirStyle) {
    Sheet s;
    s.setMaxCols(3);
    s.setMaxRows(3);
    s.setRefStyle(2);
    s.setData(1, 1, u"4");
    ASSERT_TRUE(s.setFormula(2, 2, u"R[-1]C[-1]*3"));
    Sheet copy;
    ASSERT_TRUE(readText(copy, textOf(s)));
    EXPECT_EQ(copy.refStyle(), 2);
    EXPECT_EQ(copy.valueText(2, 2), u"12");
    copy.setRefStyle(1);
    EXPECT_EQ(copy.formula(2, 2), u"A1*3");
}

TEST(DocumentLoad, FormulasAreComputedWhateverTheirOrderInTheFile) {
    Sheet s;
    const std::string text = "SS grid 1\nsize 1 4\n"
                             "cell 1 1 formula \"A2+1\"\ncell 1 2 formula \"A3+1\"\ncell 1 3 formula \"A4+1\"\n"
                             "cell 1 4 number 1\nswitch 7 0\nend\n";
    ASSERT_TRUE(readText(s, text));
    EXPECT_EQ(s.valueText(1, 1), u"4");
    EXPECT_FALSE(s.switchOn(kSwitchAutoCalc));
}

// Formulas are read in the style the whole document declares, even when it says so after them, and a formula
// that does not parse is reported only when every other line is sound, as its line is named.
TEST(DocumentLoad, FormulasFollowALateRefstyleAndOtherFaultsComeFirst) {
    Sheet s;
    ASSERT_TRUE(readText(s, "SS grid 1\nsize 2 2\ncell 1 1 number 4\ncell 2 2 formula \"R[-1]C[-1]*3\"\n"
                            "refstyle 2\nend\n"));
    EXPECT_EQ(s.valueText(2, 2), u"12");
    s.setRefStyle(1);
    EXPECT_EQ(s.formula(2, 2), u"A1*3");
    std::u16string error;
    EXPECT_FALSE(readText(s, "SS grid 1\nsize 2 2\ncell 2 2 formula \"A1*\"\nbogus\nend\n", &error));
    EXPECT_EQ(error.substr(0, 7), u"line 4:");
    EXPECT_FALSE(readText(s, "SS grid 1\nsize 2 2\ncell 2 2 formula \"A1*\"\ncell 1 1 formula \"=\"\nend\n", &error));
    EXPECT_EQ(error.substr(0, 7), u"line 3:");
    EXPECT_FALSE(readText(s, "SS grid 1\nsize 2 2\ncell 2 2 formula \"1+\"\ncell 2 2 number 1\nend\n", &error));
    EXPECT_EQ(error, u"line 4: the cell has a second value or formula");
    EXPECT_FALSE(readText(s, "SS grid 1\nsize 2 2\ncell 2 2 formula \"R[-1]C\"\nrefstyle 1\nend\n", &error));
    EXPECT_EQ(error.substr(0, 7), u"line 3:");
}

// The usual cell lines are read by a shorter way than the others; a line written with a second blank goes the
// general way, and must read alike: the same cells, or the same fault on the same line.
TEST(DocumentLoad, PlainCellLinesReadAsAnyOther) {
    const std::string lines[] = {
        "cell 1 1 number 1.5e3", "cell 3 1 number 1", "cell 1 3 number 1", "cell 1 1 number 1e999",
        "cell 1 1 number +5", "cell 1 1 number 007", "cell 01 2 number -0", "cell 1 1 number 1=2",
        "cell 0 1 formula \"1\"", "cell 1 1 formula \"1+\"", "cell 1 2 formula \"\"", "cell 1 2 formula \"  \"",
        "cell 1 2 formula \"=\"", "cell 2 2 formula \"A1&\"\"x\"\"\"", "cell 2 2 formula \"SUM(A1:B1)\"x",
        "cell 2 2 formula \"A1\"\ncell 2 2 number 2", "cell 2 2 number 2\ncell 2 2 formula \"A1\"",
        "cell 2 1 formula \"A1*2\"\ncell 1 1 number 4", "cell 99999999999 1 number 1",
    };
    for (const std::string& line : lines) {
        std::string general = line;
        for (std::size_t at = 0; (at = general.find("cell ", at)) != std::string::npos; at += 6)
            general.insert(at + 4, " ");
        Sheet plain, other;
        std::u16string plainError, otherError;
        const bool plainRead = readText(plain, "SS grid 1\nsize 2 2\n" + line + "\nend\n", &plainError);
        const bool otherRead = readText(other, "SS grid 1\nsize 2 2\n" + general + "\nend\n", &otherError);
        ASSERT_EQ(plainRead, otherRead) << line;
        if (plainRead)
            EXPECT_EQ(textOf(plain), textOf(other)) << line;
        else
            EXPECT_EQ(plainError, otherError) << line;
    }
}

TEST(DocumentLoad, AutomaticCalculationIsOnUnlessTheFileTurnsItOff) {
    Sheet s;
    s.setSwitch(kSwitchAutoCalc, false);
    ASSERT_TRUE(readText(s, "SS grid 1\nsize 1 2\ncell 1 1 formula \"A2*2\"\nend\n"));
    EXPECT_TRUE(s.switchOn(kSwitchAutoCalc));
    s.setData(1, 2, u"5");
    EXPECT_EQ(s.valueText(1, 1), u"10");
}

TEST(DocumentLoad, ReplacesTheWholeSheetButKeepsCustomFunctions) {
    Sheet s;
    s.setMaxCols(10);
    s.setMaxRows(10);
    s.setData(9, 9, u"old");
    s.addSpan(5, 5, 2, 2);
    s.setSwitch(13, true);
    s.addCustomFunction(u"TWICE", 1, 1, [](SSValueRecord& r, SSValueRecord* a, std::int16_t) {
        r.status = SSStatusValid;
        r.type = SSTypeDouble;
        r.dValue = a[0].dValue * 2;
        return true;
    }, 0);
    ASSERT_TRUE(readText(s, "SS grid 1\nsize 2 2\ncell 1 1 formula \"TWICE(21)\"\nend\n"));
    EXPECT_EQ(s.maxCols(), 2);
    EXPECT_TRUE(s.spans().empty());
    EXPECT_FALSE(s.switchOn(13));
    EXPECT_EQ(s.valueText(1, 1), u"42");
}

TEST(DocumentLoad, CommentsBlankLinesCrlfAndAByteOrderMarkAreAccepted) {
    Sheet s;
    ASSERT_TRUE(readText(s, "\xEF\xBB\xBF# made by hand\r\nSS grid 1\r\n\r\n  size 1 1  \r\n# a note\r\ncell 1 1 text "
                            "\"x y\"\r\nend\r\n# trailing comment\r\n"));
    EXPECT_EQ(s.data(1, 1), u"x y");
}

TEST(DocumentLoad, AValueStoredAsTextStaysTextInAGeneralCell) {
    Sheet s;
    ASSERT_TRUE(readText(s, "SS grid 1\nsize 1 1\ncell 1 1 text \"12\"\nend\n"));
    EXPECT_TRUE(s.value(1, 1).isText());
}

// Each broken file of the corpus is refused with the line it names, and the sheet keeps what it had.
TEST(DocumentLoad, BrokenFilesAreRefusedAndTheSheetIsUnchanged) {
    const std::string folder = std::string(SS_TEST_DATA) + "/grid/documents/";
    std::ifstream list(folder + "expected.txt");
    ASSERT_TRUE(list.good());
    Sheet s;
    fillEverything(s);
    const std::string before = textOf(s);
    std::string line;
    int files = 0;
    while (std::getline(list, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string name, lineNumber, message;
        std::getline(fields, name, '\t');
        std::getline(fields, lineNumber, '\t');
        std::getline(fields, message);
        SCOPED_TRACE(name);
        std::u16string error;
        const std::u16string path = os::toUtf16(folder + name);
        EXPECT_FALSE(GridDocument::load(s, path, error));
        const std::string said = os::toUtf8(error);
        EXPECT_NE(said.find(name + ": line " + lineNumber + ": "), std::string::npos) << said;
        EXPECT_NE(said.find(message), std::string::npos) << said;
        EXPECT_EQ(textOf(s), before);
        ++files;
    }
    EXPECT_GE(files, 30);
}

TEST(DocumentLoad, EveryCutOfAGoodDocumentIsRefusedOrComplete) {
    Sheet original;
    fillEverything(original);
    const std::string text = textOf(original);
    Sheet s;
    for (std::size_t cut = 0; cut + 1 < text.size(); cut += 7) {
        GridDocument doc;
        std::u16string error;
        EXPECT_FALSE(doc.parse(text.substr(0, cut), error)) << cut;
    }
}

TEST(DocumentLoad, HugeCountsDoNotAllocate) {
    Sheet s;
    ASSERT_TRUE(readText(s, "SS grid 1\nsize 32000 16777216\ncell 32000 16777216 number 1\n"
                            "span 1 1 32000 16777216\nwidth 32000 3\nend\n"));
    EXPECT_EQ(s.valueText(32000, 16777216), u"1");
}

TEST_F(DocumentTest, SaveThenLoadThroughFiles) {
    Sheet original;
    fillEverything(original);
    const std::u16string path = folder.file("sheet.kvs");
    std::u16string error;
    ASSERT_TRUE(GridDocument::save(original, path, error)) << os::toUtf8(error);
    Sheet copy;
    ASSERT_TRUE(GridDocument::load(copy, path, error)) << os::toUtf8(error);
    EXPECT_EQ(textOf(copy), textOf(original));
}

TEST_F(DocumentTest, AFailedSaveLeavesTheOldFile) {
    Sheet s;
    s.setMaxCols(1);
    s.setMaxRows(1);
    s.setData(1, 1, u"first");
    const std::u16string path = folder.file("sheet.sss");
    std::u16string error;
    ASSERT_TRUE(GridDocument::save(s, path, error));
    std::string before;
    ASSERT_TRUE(os::readBytes(path, before));
    s.setData(1, 1, u"second");
    {
        os::FailureInjection failure(os::WriteStage::Rename);
        EXPECT_FALSE(GridDocument::save(s, path, error));
    }
    EXPECT_NE(os::toUtf8(error).find("cannot be written"), std::string::npos);
    std::string after;
    ASSERT_TRUE(os::readBytes(path, after));
    EXPECT_EQ(after, before);
}

TEST_F(DocumentTest, AMissingFileIsReportedByName) {
    Sheet s;
    std::u16string error;
    EXPECT_FALSE(GridDocument::load(s, folder.file("none.kvs"), error));
    EXPECT_NE(os::toUtf8(error).find("none.kvs: cannot be read"), std::string::npos);
}
