#include "nuvo/sectionTranslation.h"

#include "grid/SpreadWindow.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/fileHelpers.h"
#include "nuvo/textHelpers.h"
#include "os/files.h"
#include "ui/Dialog.h"
#include "ui/DialogTemplate.h"
#include "ui/Services.h"

namespace {

constexpr std::uint64_t kMaxFileBytes = 16 * 1024 * 1024;
constexpr int kSpareRows = 20;  // empty rows below the table for new sections

Ork_String tablePath() { return Ork_Settings::libDir() + kSectionTranslationFile; }

class SectionTranslationDialog : public ui::Dialog {
public:
    SectionTranslationDialog(Ork_Array<Ork_StringArray>& rows, const Ork_String& title, const Ork_String& text)
        : m_rows(rows), m_title(title), m_text(text) {}

    static ui::DialogTemplate makeTemplate() {
        ui::DialogTemplate t;
        t.id = nuvo::kSectionTranslationDialog;
        t.size = {420, 360};
        t.add(u"Static", nuvo::kSectionTranslationText, u"", ui::WS_VISIBLE | ui::SS_LEFT, ui::Rect::fromSize(7, 7, 406, 30));
        t.add(std::u16string(grid::SpreadWindow::kClassName), nuvo::kSectionTranslationGrid, u"",
              ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_BORDER, ui::Rect::fromSize(7, 40, 406, 280));
        t.add(u"Button", ui::IDOK, u"OK", ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON,
              ui::Rect::fromSize(256, 330, 75, 23));
        t.add(u"Button", ui::IDCANCEL, u"Cancel", ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_PUSHBUTTON,
              ui::Rect::fromSize(338, 330, 75, 23));
        return t;
    }

protected:
    bool onInitDialog() override {
        ui::Dialog::onInitDialog();
        setWindowText(m_title);
        setDlgItemText(nuvo::kSectionTranslationText, m_text);
        grid::SpreadWindow* grid = gridWindow();
        if (!grid)
            return true;
        grid::Sheet& sheet = grid->sheet();
        sheet.setMaxCols(2);
        sheet.setMaxRows(m_rows.length() + kSpareRows);
        for (int r = 0; r < m_rows.length(); ++r)
            for (int c = 0; c < 2 && c < m_rows[r].length(); ++c)
                sheet.setData(c + 1, r + 1, m_rows[r][c]);
        return true;
    }
    void onOK() override {
        if (grid::SpreadWindow* grid = gridWindow()) {
            grid->setEditMode(false);
            const grid::Sheet& sheet = grid->sheet();
            Ork_Array<Ork_StringArray> rows;
            for (int r = 1; r <= sheet.maxRows(); ++r) {
                Ork_StringArray row{Ork_String(sheet.data(1, r)), Ork_String(sheet.data(2, r))};
                if (!row[0].isEmpty() || !row[1].isEmpty())
                    rows.append(row);
            }
            m_rows = rows;
        }
        endDialog(ui::IDOK);
    }

private:
    grid::SpreadWindow* gridWindow() { return grid::SpreadWindow::fromWindow(getDlgItem(nuvo::kSectionTranslationGrid)); }

    Ork_Array<Ork_StringArray>& m_rows;
    Ork_String m_title;
    Ork_String m_text;
};

} // namespace

namespace nuvo {

bool parseSectionTranslation(std::string_view bytes, Ork_Array<Ork_StringArray>& rows, Ork_String& error) {
    Ork_Array<Ork_StringArray> read;
    const std::vector<std::u16string> lines = os::decodeLines(bytes);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        const Ork_StringArray fields = strToArr(Ork_String(lines[i]), u'\t');
        if (fields.length() != 2) {
            error = u"line " + Ork_String(static_cast<int>(i + 1)) + u": a section name, TAB and its CIS/2 name expected";
            return false;
        }
        read.append(fields);
    }
    rows = std::move(read);
    return true;
}

} // namespace nuvo

bool readSectionTranslation(Ork_Array<Ork_StringArray>& rows) {
    const Ork_String path = tablePath();
    if (!os::fileExists(path)) {
        rows.removeAll();
        return true;
    }
    std::string bytes;
    bool tooLarge = false;
    Ork_String error;
    return os::readBytes(path, bytes, kMaxFileBytes, tooLarge) && nuvo::parseSectionTranslation(bytes, rows, error);
}

bool writeSectionTranslation(Ork_Array<Ork_StringArray>& rows, const Ork_String& title, const Ork_String& text) {
    grid::SpreadWindow::registerClass();
    Ork_Array<Ork_StringArray> edited = rows;
    SectionTranslationDialog dialog(edited, title, text);
    if (dialog.doModalIndirect(SectionTranslationDialog::makeTemplate()) != ui::IDOK)
        return false;
    // A TAB or line break typed into a cell cannot be kept in the file: writeFile refuses the table whole.
    if (!writeFile(tablePath(), edited)) {
        ui::messageBox(nullptr, u"The section names cannot be written to " + tablePath() + u".", title,
                       ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return false;
    }
    rows = edited;
    return true;
}
