// The bill written into a sheet: its rows and their growth, column kinds, subtotals, the variables stamped at
// the end, picture rows, and what a copy of the writer does with the hidden window.
#include "support/settingsTestSupport.h"

#include "cadhost/Drawing.h"
#include "cadhost/MainWindow.h"
#include "nuvo/records/Ork_Bill.h"
#include "nuvo/records/billPictures.h"
#include "resources/resourceIds.h"
#include "sheet/KvSSBillOutput.h"
#include "spread/KvSSSettings.h"
#include "sheet/billDate.h"
#include "ui/Desktop.h"
#include "ui/Failures.h"

#include <gtest/gtest.h>

using sheettest::kvdBytes;

namespace {

constexpr std::uint32_t kSystemColour = 0x8000000B;

class BillOutput : public sheettest::SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        writeText(install() + u"Bill.kvd", kvdBytes("defaultFont|4|Arial|defaultTextHeight|2|12|"));
        std::tm fixed{};
        fixed.tm_mday = 5, fixed.tm_mon = 2, fixed.tm_year = 124, fixed.tm_hour = 9, fixed.tm_min = 7;
        setBillClock([fixed] { return fixed; });
        nuvo::resetBmpDialog();
        m_bill.pictureFolder = elsewhere();
        m_bill.pictureHeight = 40;
    }
    void TearDown() override {
        setBillClock({});
        SettingsTest::TearDown();
    }
    Ork_String file(const char16_t* name = u"bill.kvs") const { return out() + name; }
    void init(KvSSBillOutput& bill, const Ork_String& path, const AcArray<int>& kinds = {3, 3, 3},
              Ork_StringArray columns = {u"Name", u"Count", u"Length"}) {
        ASSERT_EQ(bill.init(path, columns, {}, kinds, u"Bill", {u"Project"}, {u"Hall 3"}), eOk);
    }
    static Ork_StringArray line(int n) {
        return {Ork_String(u"Part ") + Ork_String(n), Ork_String(n), Ork_String(n * 1.25, 2)};
    }
    static int topLevelCount() { return static_cast<int>(ui::Desktop::topLevelWindows().size()); }

    Ork_Bill m_bill;
    AcDbTransaction m_transaction;
};

Ork_String cell(Ork_Spread& g, int col, int row) {
    Ork_String t;
    g.getCellText(col, row, t, 3);
    return t;
}

} // namespace

// ---- rows

TEST_F(BillOutput, FiveLinesGiveASheetOfFiveRows) {
    KvSSBillOutput bill;
    init(bill, file());
    Ork_Spread* g = bill.getSSPointer();
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->getMaxRows(), 11) << "prepared from the settings file";
    EXPECT_EQ(g->getMaxCols(), 3);
    EXPECT_EQ(cell(*g, 2, Ork_Spread::kHeader), u"Count");
    EXPECT_EQ(g->fontFace(), u"Arial");
    EXPECT_EQ(bill.onStartFeed(), eOk);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(bill.onAddRow(line(i)), eOk);
    EXPECT_EQ(bill.onEndFeed(), eOk);
    EXPECT_EQ(g->getMaxRows(), 5);
    EXPECT_EQ(cell(*g, 1, 5), u"Part 5");
    EXPECT_EQ(g->getCellTypeCode(1, Ork_Spread::kHeader), g->getCellTypeCode(2, Ork_Spread::kHeader));
    EXPECT_EQ(g->sheet().cellType(1, Ork_Spread::kHeader).kind, grid::CellKind::StaticText);
    EXPECT_TRUE(os::fileExists(file()));
}

TEST_F(BillOutput, TheTwelfthLineGrowsTheSheetByAHundredRowsWhichAreCutAtTheEnd) {
    KvSSBillOutput bill;
    init(bill, file());
    Ork_Spread* g = bill.getSSPointer();
    for (int i = 1; i <= 11; ++i)
        bill.onAddRow(line(i));
    EXPECT_EQ(g->getMaxRows(), 11);
    bill.onAddRow(line(12));
    EXPECT_EQ(g->getMaxRows(), 112);
    EXPECT_EQ(cell(*g, 1, 12), u"Part 12");
    EXPECT_EQ(cell(*g, 1, 13), u"") << "the copied rows are emptied";
    bill.onEndFeed();
    EXPECT_EQ(g->getMaxRows(), 12);
}

TEST_F(BillOutput, ALineWithMoreTextsThanColumnsWidensTheSheet) {
    KvSSBillOutput bill;
    init(bill, file());
    bill.onAddRow({u"a", u"1", u"2", u"extra"});
    EXPECT_EQ(bill.getSSPointer()->getMaxCols(), 4);
    EXPECT_EQ(cell(*bill.getSSPointer(), 4, 1), u"extra");
}

TEST_F(BillOutput, ColumnKindsGiveWholeNumbersOneDecimalTextOrTheTypeTheCellHad) {
    KvSSBillOutput bill;
    init(bill, file(), {0, 1, 2, 3}, {u"Keep", u"Count", u"Length", u"Name"});
    Ork_Spread* g = bill.getSSPointer();
    const grid::CellType before = g->sheet().cellType(1, 1);
    bill.onAddRow({u"7.25", u"3", u"2.25", u"Plate"});
    EXPECT_EQ(g->sheet().cellType(1, 1), before);
    const grid::CellType whole = g->sheet().cellType(2, 1);
    EXPECT_EQ(whole.kind, grid::CellKind::Number);
    EXPECT_EQ(whole.decimals, 0);
    const grid::CellType oneDecimal = g->sheet().cellType(3, 1);
    EXPECT_EQ(oneDecimal.kind, grid::CellKind::Number);
    EXPECT_EQ(oneDecimal.decimals, 1);
    EXPECT_EQ(g->sheet().cellType(4, 1).kind, grid::CellKind::Edit);
    EXPECT_EQ(g->sheet().cellType(4, 1).maxLength, 200);
    std::uint32_t back = 0, fore = 0;
    ASSERT_TRUE(g->sheet().colours(2, 1, back, fore));
    EXPECT_EQ(back, kSystemColour);
    EXPECT_EQ(fore, kSystemColour);
}

TEST_F(BillOutput, ASubtotalColoursOnlyTheCellsWithText) {
    KvSSBillOutput bill;
    init(bill, file(), {3, 3, 3, 3, 3}, {u"A", u"B", u"C", u"D", u"E"});
    Ork_Spread* g = bill.getSSPointer();
    bill.onAddRow({u"a", u"b", u"c", u"d", u"e"});
    EXPECT_EQ(bill.onAddSubTotals({u"", u"", u"12", u"", u"3.5"}, {u"ignored"}, true, 4), eOk);
    EXPECT_EQ(bill.currentRow(), 2);
    for (int c = 1; c <= 5; ++c) {
        std::uint32_t back = 0, fore = 0;
        g->sheet().colours(c, 2, back, fore);
        const bool marked = c == 3 || c == 5;
        EXPECT_EQ(back, marked ? 0xFFD1A4u : kSystemColour) << c;
        EXPECT_EQ(fore, kSystemColour) << c;
        const auto border = g->sheet().border(c, 2);
        EXPECT_EQ(border && border->kind == 31 && border->style == 1, marked) << c;
    }
    bill.onAddRow({u"f"});
    std::uint32_t back = 0, fore = 0;
    g->sheet().colours(3, 3, back, fore);
    EXPECT_EQ(back, kSystemColour) << "the next line starts plain";
}

// ---- the end

TEST_F(BillOutput, TheTitleIsTheFilesNameAfterItsLastInvertedQuestionMark) {
    EXPECT_EQ(KvSSBillOutput::titleOf(u"C:\\bills\\A\u00BFBill 7.kvs"), u"Bill 7");
    EXPECT_EQ(KvSSBillOutput::titleOf(u"/x/y/Plain.kvs"), u"Plain");
    EXPECT_EQ(KvSSBillOutput::titleOf(u"a\u00BFb\u00BFc"), u"c");
}

TEST_F(BillOutput, DateTitleAndFileNameComeFirstThenTheCallersVariables) {
    KvSSBillOutput bill;
    const Ork_String path = file(u"A\u00BFBill 7.kvs");
    init(bill, path);
    bill.onAddRow(line(1));
    ASSERT_EQ(bill.onEndFeed(), eOk);
    KvSSSettings settings;
    settings.readFromSheet(bill.getSSPointer());
    EXPECT_EQ(settings.m_varNames, (Ork_StringArray{u"Date", u"Title", u"BillFilename", u"Project"}));
    EXPECT_EQ(settings.m_varValues, (Ork_StringArray{u"05 March, 2024 (09:07)", u"Bill 7", path, u"Hall 3"}));
    EXPECT_EQ(settings.m_defaultFont, u"Arial");
}

TEST_F(BillOutput, TheSavedFileCarriesTheVariables) {
    KvSSBillOutput bill;
    init(bill, file());
    bill.onAddRow(line(1));
    ASSERT_EQ(bill.onEndFeed(), eOk);
    Ork_Spread& g = grid();
    ASSERT_TRUE(g.ssLoadFromFile(file().c_str()));
    KvSSSettings settings;
    settings.readFromSheet(&g);
    ASSERT_EQ(settings.m_varNames.length(), 4);
    EXPECT_EQ(settings.m_varValues[1], u"bill");
}

TEST(BillDate, EnglishMonthsWithZeroPaddedFields) {
    std::tm t{};
    t.tm_mday = 8, t.tm_mon = 11, t.tm_year = 126, t.tm_hour = 17, t.tm_min = 3;
    EXPECT_EQ(billDateText(t), u"08 December, 2026 (17:03)");
    t.tm_mon = 4, t.tm_mday = 31, t.tm_hour = 0, t.tm_min = 0;
    EXPECT_EQ(billDateText(t), u"31 May, 2026 (00:00)");
}

TEST_F(BillOutput, AFailedSaveIsReported) {
    KvSSBillOutput bill;
    init(bill, out() + u"missing folder\\bill.kvs");
    bill.onAddRow(line(1));
    EXPECT_EQ(bill.onEndFeed(), eInvalidInput);
}

TEST_F(BillOutput, EndingWithoutASheetIsInvalidInput) {
    KvSSBillOutput bill;
    EXPECT_EQ(bill.onAddRow(line(1)), eOk);
    EXPECT_EQ(bill.onEndFeed(), eInvalidInput);
}

TEST_F(BillOutput, NoWindowOrNoGridFailsInit) {
    adsw_acadMainWnd();   // the host's window exists before any bill
    {
        ui::Failures::failCreate(1);
        KvSSBillOutput bill;
        EXPECT_EQ(bill.init(file(), {u"A"}, {}, {3}, u"Bill", {}, {}), eWindowCreateFailed);
    }
    ui::Failures::failCreate(1, u"fpUSpread70");
    KvSSBillOutput bill;
    EXPECT_EQ(bill.init(file(), {u"A"}, {}, {3}, u"Bill", {}, {}), eWindowCreateFailed);
    EXPECT_EQ(bill.getSSPointer(), nullptr);
}

// ---- pictures

TEST_F(BillOutput, EachLineGetsAPictureRowBelowIt) {
    KvSSBillOutput bill;
    init(bill, file(), {3, 3, 3, 3}, {u"A", u"B", u"C", u"D"});
    bill.setVars(-1, 5, 0, true, true, &m_bill, &m_transaction);
    EXPECT_EQ(bill.onStartFeed(), eOk);
    EXPECT_TRUE(nuvo::bmpDialogState().open);
    EXPECT_EQ(nuvo::bmpDialogState().start, 25);
    bill.onAddRow(line(1));
    bill.onAddRow(line(2));
    Ork_Spread* g = bill.getSSPointer();
    EXPECT_EQ(bill.currentRow(), 4);
    EXPECT_EQ(cell(*g, 1, 1), u"Part 1");
    EXPECT_EQ(cell(*g, 1, 3), u"Part 2");
    for (int row : {2, 4}) {
        EXPECT_EQ(g->sheet().rowHeightPx(row), 40) << row;
        grid::Span span;
        ASSERT_TRUE(g->sheet().spanAt(2, row, span)) << row;
        EXPECT_EQ(span, (grid::Span{2, row, 3, 1}));
        EXPECT_EQ(g->sheet().cellType(2, row).kind, grid::CellKind::PictureFile);
        const grid::CellType mark = g->sheet().cellType(1, row);
        EXPECT_EQ(mark.kind, grid::CellKind::Picture);
        EXPECT_EQ(mark.picture, static_cast<std::uint64_t>(IDB_BILL_PICTURE));
        EXPECT_FALSE(os::fileExists(Ork_String(g->sheet().cellType(2, row).text))) << "the host's file is deleted";
    }
    EXPECT_EQ(nuvo::bmpDialogState().pictures, 2);
    EXPECT_EQ(bill.onEndFeed(), eOk);
    EXPECT_FALSE(nuvo::bmpDialogState().open);
    EXPECT_EQ(g->getMaxRows(), 4);
}

TEST_F(BillOutput, WithoutItsSettingsFileTheBillIsInTheFontOfTheRegistrysDefaultSettings) {
    writeText(install() + u"Company.kvd", kvdBytes("defaultFont|4|Verdana|defaultTextHeight|2|14|"));
    setRegistryDefault(u"Company");
    KvSSBillOutput bill;
    ASSERT_EQ(bill.init(file(), {u"Name", u"Count", u"Length", u"Note"}, {}, {3, 3, 3, 3}, u"NoSuchSettings", {}, {}),
              eOk);
    for (int n = 1; n <= 15; ++n)
        bill.onAddRow(line(n));
    Ork_Spread* g = bill.getSSPointer();
    // Row 15 and column 4 were added after the sheet was prepared.
    for (const auto& [col, row] : {std::pair{1, 1}, std::pair{1, 15}, std::pair{4, 15}}) {
        const std::optional<grid::Font> font = g->sheet().font(col, row);
        ASSERT_TRUE(font) << col << " " << row;
        EXPECT_EQ(Ork_String(font->face), u"Verdana") << col << " " << row;
    }
}

TEST_F(BillOutput, RowsTheSheetGrowsByBelowAPictureRowAreOrdinaryRows) {
    // Line 57 is the first to pass row 112, which holds line 56's picture: the hundred rows the sheet grows
    // by are made like line rows, not like that picture row. Column 2 keeps the type it had (kind 0).
    KvSSBillOutput bill;
    init(bill, file(), {3, 0, 1});
    bill.setVars(-1, 0, 0, true, true, &m_bill, &m_transaction);
    bill.onStartFeed();
    for (int n = 1; n <= 120; ++n)
        bill.onAddRow(line(n));
    Ork_Spread* g = bill.getSSPointer();
    ASSERT_EQ(bill.currentRow(), 240);
    const grid::Sheet& sheet = g->sheet();
    const grid::CellType lineType = sheet.cellType(2, 1);
    for (int n : {6, 7, 56, 57, 58, 100, 106, 107, 120}) {
        const int row = 2 * n - 1;
        EXPECT_EQ(cell(*g, 1, row), Ork_String(u"Part ") + Ork_String(n)) << n;
        for (int col = 1; col <= 3; ++col) {
            EXPECT_NE(sheet.cellType(col, row).kind, grid::CellKind::Picture) << n << " " << col;
            EXPECT_NE(sheet.cellType(col, row).kind, grid::CellKind::PictureFile) << n << " " << col;
        }
        EXPECT_EQ(sheet.cellType(2, row).kind, lineType.kind) << n;
        EXPECT_EQ(sheet.rowHeightPx(row), sheet.rowHeightPx(1)) << n;
        grid::Span span;
        EXPECT_FALSE(sheet.spanAt(2, row, span)) << n;
        EXPECT_EQ(sheet.cellType(2, row + 1).kind, grid::CellKind::PictureFile) << n;   // its own picture
    }
    EXPECT_EQ(bill.onEndFeed(), eOk);
    EXPECT_EQ(g->getMaxRows(), 240);
}

TEST_F(BillOutput, AFailedPictureLeavesTheLineWithoutItsRow) {
    KvSSBillOutput bill;
    init(bill, file());
    bill.setVars(-1, 0, 0, true, true, &m_bill, &m_transaction);
    bill.onStartFeed();
    {
        nuvo::CreateImageFailure failure(1);
        bill.onAddRow(line(1));
        bill.onAddRow(line(2));
    }
    bill.onAddRow(line(3));
    Ork_Spread* g = bill.getSSPointer();
    EXPECT_EQ(bill.currentRow(), 5);
    EXPECT_EQ(cell(*g, 1, 3), u"Part 2");
    EXPECT_EQ(cell(*g, 1, 4), u"Part 3");
    EXPECT_EQ(g->sheet().cellType(1, 3).kind, grid::CellKind::Edit);
}

TEST_F(BillOutput, AFileThatIsNoPictureLeavesTheLineWithoutItsRow) {
    KvSSBillOutput bill;
    init(bill, file());
    Ork_Spread* g = bill.getSSPointer();
    bill.setVars(-1, 0, 0, true, true, &m_bill, &m_transaction);
    {
        nuvo::CreateImageFailure failure(0, nuvo::CreateImageFailure::Mode::NotAPicture);
        bill.onAddRow(line(1));
    }
    bill.onAddRow(line(2));
    EXPECT_EQ(cell(*g, 1, 2), u"Part 2");
    EXPECT_EQ(g->sheet().cellType(1, 3).kind, grid::CellKind::Picture);
    EXPECT_EQ(bill.currentRow(), 3);
}

TEST_F(BillOutput, WithoutBillOrTransactionNoPictureIsMade) {
    KvSSBillOutput bill;
    init(bill, file());
    bill.setVars(-1, 0, 0, true, true, &m_bill, nullptr);
    bill.onStartFeed();
    EXPECT_FALSE(nuvo::bmpDialogState().open);
    bill.onAddRow(line(1));
    EXPECT_EQ(bill.currentRow(), 1);
}

// ---- copies

TEST_F(BillOutput, CopiesShareTheHiddenWindowWhichIsDestroyedOnce) {
    adsw_acadMainWnd();
    const int before = topLevelCount();
    auto first = std::make_unique<KvSSBillOutput>();
    init(*first, file());
    EXPECT_EQ(topLevelCount(), before + 1);
    auto copy = std::make_unique<KvSSBillOutput>(*first);
    KvSSBillOutput assigned;
    assigned = *first;
    EXPECT_EQ(copy->getSSPointer(), first->getSSPointer());
    first.reset();
    EXPECT_EQ(topLevelCount(), before + 1);
    copy->onAddRow(line(1));
    EXPECT_EQ(cell(*copy->getSSPointer(), 1, 1), u"Part 1");
    copy.reset();
    EXPECT_EQ(topLevelCount(), before + 1);
    assigned = KvSSBillOutput();
    EXPECT_EQ(topLevelCount(), before);
}
