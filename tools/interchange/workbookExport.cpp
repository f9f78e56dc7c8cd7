// A grid sheet written as an XLSX workbook through libxlsxwriter.
#include "workbook.h"

#include <xlsxwriter.h>

#include "grid/Formula.h"
#include "grid/CellAddress.h"
#include "grid/FormulaParser.h"
#include "os/utf16.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <unistd.h>

namespace interchange {
namespace {

// What XLSX can hold: the grid allows more columns than a workbook has.
constexpr int kXlsxMaxCols = 16384;
constexpr int kXlsxMaxRows = 1048576;
constexpr std::uint32_t kSystemColour = 0x80000000u;

lxw_color_t rgb(std::uint32_t bgr) {
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

struct WorkbookCloser {
    void operator()(lxw_workbook* book) const {
        if (book)
            workbook_close(book);
    }
};

class Writer {
public:
    Writer(const grid::Sheet& sheet, lxw_workbook* book, lxw_worksheet* page) : sheet_(sheet), book_(book), page_(page) {}

    bool write(std::string& error) {
        int cols = 0, rows = 0;
        sheet_.contentExtent(cols, rows);
        for (const grid::Span& span : sheet_.spans()) {
            cols = std::max(cols, span.col + span.cols - 1);
            rows = std::max(rows, span.row + span.rows - 1);
        }
        if (cols > kXlsxMaxCols || rows > kXlsxMaxRows) {
            error = "the sheet's cells reach column " + std::to_string(cols) + " and row " + std::to_string(rows) +
                    ", past the " + std::to_string(kXlsxMaxCols) + " columns and " + std::to_string(kXlsxMaxRows) +
                    " rows of a workbook";
            return false;
        }
        for (const auto& [col, width] : sheet_.columnWidths())
            if (col >= 1 && col <= kXlsxMaxCols)
                worksheet_set_column(page_, lxw_col_t(col - 1), lxw_col_t(col - 1), width, nullptr);
        for (const auto& [row, height] : sheet_.rowHeights())
            if (row >= 1 && row <= kXlsxMaxRows)
                worksheet_set_row(page_, lxw_row_t(row - 1), height, nullptr);
        // Merged ranges first: merging writes the anchor empty, its content and format come after. The covered
        // cells get no format of their own, so that they read back as empty as the grid holds them.
        for (const grid::Span& span : sheet_.spans()) {
            if (span.cols * span.rows <= 1 || span.col < 1 || span.row < 1)
                continue;
            const lxw_error status = worksheet_merge_range(page_, lxw_row_t(span.row - 1), lxw_col_t(span.col - 1),
                                                           lxw_row_t(span.row + span.rows - 2),
                                                           lxw_col_t(span.col + span.cols - 2), "", nullptr);
            if (status != LXW_NO_ERROR) {
                error = std::string("merged cells: ") + lxw_strerror(status);
                return false;
            }
        }
        bool ok = true;
        sheet_.forEachCell([&](int col, int row) {
            if (ok && col >= 1 && row >= 1)
                ok = writeCell(col, row, error);
        });
        return ok;
    }

private:
    bool writeCell(int col, int row, std::string& error) {
        const lxw_row_t r = lxw_row_t(row - 1);
        const lxw_col_t c = lxw_col_t(col - 1);
        lxw_format* format = formatOf(col, row);
        const grid::Value value = sheet_.value(col, row);
        lxw_error status = LXW_NO_ERROR;
        if (sheet_.hasFormula(col, row)) {
            // A workbook's formulas are A1 formulas, whatever style the sheet shows.
            grid::Formula parsed;
            std::u16string text = sheet_.formula(col, row);
            if (grid::parseFormula(text, col, row, grid::formulaStyle(sheet_.refStyle()), parsed))
                text = parsed.toText(col, row, grid::RefStyle::A1);
            const std::string formula = "=" + os::toUtf8(text);
            if (value.isText())
                status = worksheet_write_formula_str(page_, r, c, formula.c_str(), format, os::toUtf8(value.toText()).c_str());
            else if (value.isNumber())
                status = worksheet_write_formula_num(page_, r, c, formula.c_str(), format, value.numberValue());
            else if (value.isBool())
                status = worksheet_write_formula_num(page_, r, c, formula.c_str(), format, value.numberValue());
            else
                status = worksheet_write_formula(page_, r, c, formula.c_str(), format);
        } else if (value.isNumber()) {
            status = worksheet_write_number(page_, r, c, value.numberValue(), format);
        } else if (value.isBool()) {
            status = worksheet_write_boolean(page_, r, c, value.numberValue() != 0, format);
        } else if (value.isText()) {
            status = worksheet_write_string(page_, r, c, os::toUtf8(value.toText()).c_str(), format);
        } else if (value.isError()) {
            const std::string formula = "=" + os::toUtf8(value.toText());   // #N/A and the others are formulas
            status = worksheet_write_formula(page_, r, c, formula.c_str(), format);
        } else if (format) {
            status = worksheet_write_blank(page_, r, c, format);
        }
        if (status == LXW_NO_ERROR)
            status = writePicture(col, row);
        if (status != LXW_NO_ERROR) {
            error = "cell " + os::toUtf8(grid::columnLetters(col)) + std::to_string(row) + ": " + lxw_strerror(status);
            return false;
        }
        return true;
    }

    // A picture cell's picture (a bill's part) as an image anchored at the cell. The bytes the cell kept are
    // used, not its file, which may be gone.
    lxw_error writePicture(int col, int row) {
        const grid::CellType type = sheet_.cellType(col, row);
        if (type.kind != grid::CellKind::PictureFile || !type.pictureBytes || type.pictureBytes->empty())
            return LXW_NO_ERROR;
        const std::string& bytes = *type.pictureBytes;
        return worksheet_insert_image_buffer(page_, lxw_row_t(row - 1), lxw_col_t(col - 1),
                                             reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    }

    // One workbook format per distinct font and colours; null for a cell that has neither.
    lxw_format* formatOf(int col, int row) {
        const std::optional<grid::Font> font = sheet_.font(col, row);
        std::uint32_t back = 0, fore = 0;
        const bool coloured = sheet_.colours(col, row, back, fore);
        const bool hasBack = coloured && !(back & kSystemColour) && back != 0xFFFFFF;
        const bool hasFore = coloured && !(fore & kSystemColour) && fore != 0;
        if (!font && !hasBack && !hasFore)
            return nullptr;
        std::string key;
        if (font)
            key = os::toUtf8(font->face) + "|" + std::to_string(font->height) + "|" + char('0' + font->bold) +
                  char('0' + font->italic) + char('0' + font->underline) + char('0' + font->strikeOut);
        key += "|" + (hasBack ? std::to_string(back) : std::string("-")) + "|" + (hasFore ? std::to_string(fore) : "-");
        if (auto it = formats_.find(key); it != formats_.end())
            return it->second;
        lxw_format* format = workbook_add_format(book_);
        if (font) {
            if (!font->face.empty())
                format_set_font_name(format, os::toUtf8(font->face).c_str());
            if (font->height > 0)
                format_set_font_size(format, font->height);
            if (font->bold)
                format_set_bold(format);
            if (font->italic)
                format_set_italic(format);
            if (font->underline)
                format_set_underline(format, LXW_UNDERLINE_SINGLE);
            if (font->strikeOut)
                format_set_font_strikeout(format);
        }
        if (hasBack) {
            format_set_pattern(format, LXW_PATTERN_SOLID);
            format_set_bg_color(format, rgb(back));
        }
        if (hasFore)
            format_set_font_color(format, rgb(fore));
        formats_[key] = format;
        return format;
    }

    const grid::Sheet& sheet_;
    lxw_workbook* book_;
    lxw_worksheet* page_;
    std::map<std::string, lxw_format*> formats_;
};

} // namespace

bool exportWorkbook(const grid::Sheet& sheet, const std::string& path, const std::string& sheetName, std::string& error) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    std::error_code ec;
    if (fs::is_directory(target, ec)) {
        error = path + " is a folder";
        return false;
    }
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    if (!fs::is_directory(folder, ec)) {
        error = "cannot write " + path + ": no folder " + folder.string();
        return false;
    }
    // Written beside the target and renamed over it: a failed write leaves the old workbook as it was.
    const fs::path temp = target.parent_path() / ("." + target.filename().string() + "." + std::to_string(::getpid()) + ".tmp");
    std::string failure;
    {
        lxw_workbook_options options{};
        options.constant_memory = LXW_FALSE;
        std::unique_ptr<lxw_workbook, WorkbookCloser> book(workbook_new_opt(temp.string().c_str(), &options));
        lxw_worksheet* page = book ? workbook_add_worksheet(book.get(), sheetName.empty() ? nullptr : sheetName.c_str()) : nullptr;
        if (!book || !page) {
            error = "cannot write " + path;
            fs::remove(temp, ec);
            return false;
        }
        Writer writer(sheet, book.get(), page);
        if (!writer.write(failure)) {
            error = path + ": " + failure;
            book.reset();
            fs::remove(temp, ec);
            return false;
        }
        const lxw_error status = workbook_close(book.release());
        if (status != LXW_NO_ERROR) {
            error = "cannot write " + path + ": " + lxw_strerror(status);
            fs::remove(temp, ec);
            return false;
        }
    }
    fs::rename(temp, target, ec);
    if (ec) {
        error = "cannot write " + path + ": " + ec.message();
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

} // namespace interchange
