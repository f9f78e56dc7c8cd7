// How a standards sheet declares its variables: the declaration words, the four section markers and the fixed
// order in which the sections are read.
#include "standards/KvDeclarations.h"
#include "standards/KvVarCells.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Texts : public KvSheetTexts {
public:
    explicit Texts(std::vector<std::vector<Ork_String>> rows) : rows_(std::move(rows)) {
        for (const auto& r : rows_)
            cols_ = std::max(cols_, static_cast<int>(r.size()));
    }
    int columns() override { return cols_; }
    int rows() override { return static_cast<int>(rows_.size()); }
    void readText(int col, int row, Ork_String& out) override {
        const auto& r = rows_[row - 1];
        out = col <= static_cast<int>(r.size()) ? r[col - 1] : Ork_String();
    }

protected:
    std::vector<std::vector<Ork_String>> rows_;
    int cols_ = 0;
};

// The same sheet as a grid stores it: only the cells holding a text are visited.
class StoredTexts : public Texts {
public:
    using Texts::Texts;
    void forEachCell(int first, int last, const std::function<bool(int col, int row)>& visit) override {
        for (int row = std::max(first, 1); row <= last; ++row)
            for (int col = 1; col <= static_cast<int>(rows_[row - 1].size()); ++col)
                if (!rows_[row - 1][col - 1].isEmpty() && !visit(col, row))
                    return;
    }
};

void expectSame(const KvSectionMarkers& a, const KvSectionMarkers& b, const Ork_Array<KvVarCell>& x,
                const Ork_Array<KvVarCell>& y) {
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(a.markers[k].present, b.markers[k].present);
        EXPECT_EQ(a.markers[k].row, b.markers[k].row);
        EXPECT_EQ(a.markers[k].col, b.markers[k].col);
    }
    EXPECT_EQ(x.length(), y.length());
    for (int i = 0; i < std::min(x.length(), y.length()); ++i) {
        EXPECT_EQ(x[i].name, y[i].name);
        EXPECT_EQ(x[i].cellType, y[i].cellType);
        EXPECT_EQ(x[i].valueType, y[i].valueType);
        EXPECT_EQ(x[i].col, y[i].col);
        EXPECT_EQ(x[i].row, y[i].row);
    }
}

// The declarations of a sheet, read both ways (markers then declarations, and in one pass), on every cell and
// on the stored cells only. All must agree.
Ork_Array<KvVarCell> declarations(std::vector<std::vector<Ork_String>> rows) {
    Texts texts(rows);
    const KvSectionMarkers markers = findSectionMarkers(texts);
    Ork_Array<KvVarCell> cells;
    readDeclarations(texts, markers, cells);
    Ork_Array<KvVarCell> onePass;
    const KvSectionMarkers same = readSectionsAndDeclarations(texts, onePass);
    expectSame(markers, same, cells, onePass);

    StoredTexts stored(std::move(rows));
    Ork_Array<KvVarCell> storedCells;
    const KvSectionMarkers storedMarkers = findSectionMarkers(stored);
    readDeclarations(stored, storedMarkers, storedCells);
    expectSame(markers, storedMarkers, cells, storedCells);
    Ork_Array<KvVarCell> storedOnePass;
    expectSame(markers, readSectionsAndDeclarations(stored, storedOnePass), cells, storedOnePass);
    return cells;
}

struct Parsed {
    bool declares;
    KvValueType type;
    Ork_String name;
};

Parsed parse(const char16_t* text) {
    Parsed p{false, KvValueType::String, u"unchanged"};
    p.declares = KvVarCell::parseDeclaration(text, p.type, p.name);
    return p;
}

TEST(Declaration, TheWordGivesTheTypeAndTheRestAfterTheFirstBlankTheName) {
    Parsed p = parse(u"Double Width");
    EXPECT_TRUE(p.declares);
    EXPECT_EQ(p.type, KvValueType::Double);
    EXPECT_EQ(p.name, u"Width");

    p = parse(u"  String   Profile name  ");   // outer blanks go, inner ones stay
    EXPECT_EQ(p.type, KvValueType::String);
    EXPECT_EQ(p.name, u"  Profile name");

    p = parse(u"Double  Width");
    EXPECT_EQ(p.name, u" Width");

    p = parse(u"Int n");
    EXPECT_EQ(p.type, KvValueType::Int);
    EXPECT_EQ(p.name, u"n");
}

TEST(Declaration, ThePrefixTestAcceptsLongerWordsAndABareWordDeclaresAnEmptyName) {
    Parsed p = parse(u"Integer x");
    EXPECT_TRUE(p.declares);
    EXPECT_EQ(p.type, KvValueType::Int);
    EXPECT_EQ(p.name, u"x");

    p = parse(u"Double");
    EXPECT_TRUE(p.declares);
    EXPECT_EQ(p.type, KvValueType::Double);
    EXPECT_EQ(p.name, u"");

    EXPECT_FALSE(parse(u"Text x").declares);
    EXPECT_FALSE(parse(u"double x").declares);   // the words are case-sensitive
    EXPECT_FALSE(parse(u"").declares);
    EXPECT_FALSE(parse(u"Input").declares);
}

TEST(Sections, InputsComeFirstWhateverTheOrderOfTheMarkers) {
    const auto cells = declarations({
        {u"Output"},
        {u"Double B", u"Int C"},
        {u"Input"},
        {u"", u"Double A"},
        {u"Local"},
        {u"String L"},
        {u"Calc"},
        {u"Double NotADeclaration"},
    });
    ASSERT_EQ(cells.length(), 4);
    EXPECT_EQ(cells[0].name, u"A");
    EXPECT_EQ(cells[0].cellType, KvCellType::Input);
    EXPECT_EQ(cells[0].col, 2);
    EXPECT_EQ(cells[0].row, 4);
    EXPECT_EQ(cells[1].name, u"B");
    EXPECT_EQ(cells[1].cellType, KvCellType::Output);
    EXPECT_EQ(cells[2].name, u"C");   // along the row before the next row
    EXPECT_EQ(cells[2].valueType, KvValueType::Int);
    EXPECT_EQ(cells[3].name, u"L");
    EXPECT_EQ(cells[3].cellType, KvCellType::Local);
}

TEST(Sections, ASectionEndsOnTheNextMarkersRowWhichIsScannedToo) {
    const auto cells = declarations({
        {u"Input"},
        {u"Double A"},
        {u"Output", u"Double OnMarkerRow"},
        {u"Double B"},
    });
    ASSERT_EQ(cells.length(), 3);
    // The marker row ends the Input section (a marker cell itself never declares); the Output section starts
    // below it.
    EXPECT_EQ(cells[0].name, u"A");
    EXPECT_EQ(cells[1].name, u"OnMarkerRow");
    EXPECT_EQ(cells[1].cellType, KvCellType::Input);
    EXPECT_EQ(cells[2].name, u"B");
    EXPECT_EQ(cells[2].cellType, KvCellType::Output);
}

TEST(Sections, WithoutCalcMarkerTheLastSectionRunsToTheLastRowAndMissingSectionsDeclareNothing) {
    const auto cells = declarations({
        {u"Local"},
        {u"Double A"},
        {u""},
        {u"", u"", u"Int Z"},
    });
    ASSERT_EQ(cells.length(), 2);
    EXPECT_EQ(cells[1].name, u"Z");
    EXPECT_EQ(cells[1].col, 3);
    EXPECT_EQ(cells[1].cellType, KvCellType::Local);
}

// All four markers may be found long before a section ends: a Calc marker at the top leaves the last section
// running to the last row; markers sharing a row give their sections the same rows.
TEST(Sections, SectionsReachPastTheLastMarkerAndMayShareRows) {
    const auto cells = declarations({
        {u"Calc", u"Double NotInASection"},
        {u"Input", u"Output"},
        {u"Double A", u"Int B"},
        {u"Local"},
        {u"String L"},
        {u""},
        {u"", u"Double M"},
    });
    ASSERT_EQ(cells.length(), 6);
    EXPECT_EQ(cells[0].name, u"A");
    EXPECT_EQ(cells[0].cellType, KvCellType::Input);
    EXPECT_EQ(cells[2].name, u"A");
    EXPECT_EQ(cells[2].cellType, KvCellType::Output);
    EXPECT_EQ(cells[5].name, u"M");
    EXPECT_EQ(cells[5].cellType, KvCellType::Local);
}

TEST(Sections, TheFirstMarkerOfAKeywordCountsAndMarkersMatchExactly) {
    Texts texts({{u"Calc "}, {u"input"}, {u"x", u"Input"}, {u"Input"}});
    const KvSectionMarkers markers = findSectionMarkers(texts);
    EXPECT_TRUE(markers[KvSection::Input].present);
    EXPECT_EQ(markers[KvSection::Input].col, 2);
    EXPECT_EQ(markers[KvSection::Input].row, 3);
    EXPECT_FALSE(markers[KvSection::Calc].present);
}

KvVarCells cellsOf(std::initializer_list<KvVarCell> list) {
    KvVarCells cells;
    for (const KvVarCell& c : list)
        cells.append(c);
    return cells;
}

TEST(SameInput, ComparesOnlyTheInputsOfThisSideByNameTypeAndExactValue) {
    const KvVarCell a(u"A", KvCellType::Input, KvValueType::Double, u"12");
    const KvVarCell out(u"B", KvCellType::Output, KvValueType::Double, u"1");
    EXPECT_TRUE(cellsOf({}).hasSameInput(cellsOf({})));
    EXPECT_TRUE(cellsOf({out}).hasSameInput(cellsOf({})));
    EXPECT_TRUE(cellsOf({a}).hasSameInput(cellsOf({out, a, a})));
    EXPECT_FALSE(cellsOf({a}).hasSameInput(cellsOf({out})));
    EXPECT_FALSE(cellsOf({a}).hasSameInput(cellsOf({KvVarCell(u"A", KvCellType::Input, KvValueType::Double, u"12.0")})));
    EXPECT_FALSE(cellsOf({a}).hasSameInput(cellsOf({KvVarCell(u"A", KvCellType::Input, KvValueType::Int, u"12")})));
    EXPECT_FALSE(cellsOf({a}).hasSameInput(cellsOf({KvVarCell(u"a", KvCellType::Input, KvValueType::Double, u"12")})));
    // The namesake's role does not matter, and the first namesake decides.
    EXPECT_TRUE(cellsOf({a}).hasSameInput(cellsOf({KvVarCell(u"A", KvCellType::Local, KvValueType::Double, u"12")})));
    EXPECT_FALSE(cellsOf({a}).hasSameInput(
        cellsOf({KvVarCell(u"A", KvCellType::Input, KvValueType::Double, u"1"), a})));
}

} // namespace
