#pragma once
// Writes a bill into a spreadsheet file. The host feeds it as its list output: onStartFeed, a line at a time
// (onAddRow, onAddSubTotals), then onEndFeed, which finishes the sheet and saves it with its settings. The
// sheet is built in a hidden grid window, prepared from a settings file; each line may get a picture of its
// part, made by the host, in a row of its own below the line.
#include "SS/ssExport.h"
#include "cadhost/AcArray.h"
#include "cadhost/ErrorStatus.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "nuvo/records/Ork_ListOutputCallback.h"

#include <memory>

class AcDbTransaction;
class DlgSSAsTool;
class Ork_Bill;
class Ork_Spread;

class SS_EXPORT KvSSBillOutput : public Ork_ListOutputCallback {
public:
    // Column kinds: the cell type each column's cells get.
    enum ColumnKind { kKeepType = 0, kWholeNumber = 1, kOneDecimal = 2, kText = 3 };
    // The picture row's mark in column 1 (a bitmap of the module).
    static constexpr int kPictureMark = 251;
    // The picture spans a picture row from this column to the last.
    static constexpr int kPictureColumn = 2;
    // Rows are added in steps of this many, so a long bill does not grow the sheet a row at a time.
    static constexpr int kRowStep = 100;

    KvSSBillOutput();
    // Copies share the hidden window: it is destroyed with the last of them.
    KvSSBillOutput(const KvSSBillOutput& other);
    KvSSBillOutput& operator=(const KvSSBillOutput& other);
    ~KvSSBillOutput() override;

    // Makes the hidden sheet, prepared from the settings file `settingsName`, with the given columns.
    // eWindowCreateFailed when the window or its grid cannot be made. `unused` is the host's and not read.
    ErrorStatus init(const Ork_String& outputFile, const Ork_StringArray& columnNames, const AcArray<int>& unused,
                     const AcArray<int>& columnKinds, const Ork_String& settingsName, const Ork_StringArray& varNames,
                     const Ork_StringArray& varValues);
    // The host's picture settings; pictures are made only when both bill and transaction are given.
    void setVars(int imageArg1, int imageArg2, int imageArg3, bool imageFlag1, bool imageFlag2, Ork_Bill* bill,
                 AcDbTransaction* transaction);

    ErrorStatus onStartFeed() override;
    // Cuts the sheet to its lines, stamps the variables "Date", "Title" and "BillFilename" in front of the
    // caller's and saves. eInvalidInput without a sheet or when the sheet could not be saved.
    ErrorStatus onEndFeed() override;
    ErrorStatus onAddRow(const Ork_StringArray& texts) override;
    ErrorStatus onAddSubTotals(const Ork_StringArray& texts, const Ork_StringArray& secondTexts, bool flag,
                               int number) override;

    Ork_Spread* getSSPointer() const;
    int currentRow() const { return m_currentRow; }

    // "A¿Bill 7.kvs" -> "Bill 7": the file's name without folder and extension, after its last "¿".
    static Ork_String titleOf(const Ork_String& outputFile);

private:
    void addRow(const Ork_StringArray& texts, const Ork_String& pictureFile);
    void advanceRow(Ork_Spread& grid);
    static bool isPictureRow(Ork_Spread& grid, int row);
    void setRowProperties(Ork_Spread& grid, int row);

    int m_imageArg1 = -1;
    int m_imageArg2 = 0;
    int m_imageArg3 = 0;
    bool m_imageFlag1 = true;
    bool m_imageFlag2 = true;
    Ork_Bill* m_bill = nullptr;
    AcDbTransaction* m_transaction = nullptr;
    std::shared_ptr<DlgSSAsTool> m_tool;
    int m_currentRow = 0;
    AcArray<int> m_columnKinds;
    Ork_String m_outputFile;
    Ork_StringArray m_varNames;
    Ork_StringArray m_varValues;
};
