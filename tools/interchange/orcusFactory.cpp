#include "orcusFactory.h"

#include <orcus/spreadsheet/import_interface.hpp>

#include "grid/CellAddress.h"
#include "os/utf16.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>

namespace interchange {
namespace {

namespace ss = orcus::spreadsheet;
namespace iface = orcus::spreadsheet::iface;

std::uint32_t bgr(ss::color_elem_t red, ss::color_elem_t green, ss::color_elem_t blue) {
    return std::uint32_t(red) | std::uint32_t(green) << 8 | std::uint32_t(blue) << 16;
}

std::string cellName(int col, int row) { return os::toUtf8(grid::columnLetters(col)) + std::to_string(row); }

// Lengths in points, the unit of row heights; column widths are counted in characters of the default font.
constexpr double kPointsPerCharacter = 5.25;   // 7 pixels at 96 dpi
constexpr double kColumnPadding = 5.0 / 7;
double toPoints(double value, orcus::length_unit_t unit) {
    switch (unit) {
    case orcus::length_unit_t::inch: return value * 72;
    case orcus::length_unit_t::centimeter: return value * 72 / 2.54;
    case orcus::length_unit_t::millimeter: return value * 72 / 25.4;
    case orcus::length_unit_t::twip: return value / 20;
    case orcus::length_unit_t::pixel: return value * 0.75;
    case orcus::length_unit_t::xlsx_column_digit:
        // The file's width holds the 5 pixels of padding the programs add to the characters a person sets.
        return std::max(0.0, value - kColumnPadding) * kPointsPerCharacter;
    default: return value;
    }
}

// A size the grid accepts (0 to 100000 grid units), rounded to what a document keeps.
double gridSize(double value) { return std::round(std::clamp(value, 0.0, 100000.0) * 100) / 100; }

class SharedStrings : public iface::import_shared_strings {
public:
    explicit SharedStrings(ImportedWorkbook& book) : book_(book) {}
    std::size_t append(std::string_view s) override {
        book_.strings.push_back(os::toUtf16(s));
        return book_.strings.size() - 1;
    }
    std::size_t add(std::string_view s) override { return append(s); }
    void set_segment_font(std::size_t) override {}
    void set_segment_bold(bool) override {}
    void set_segment_italic(bool) override {}
    void set_segment_font_name(std::string_view) override {}
    void set_segment_font_size(double) override {}
    void set_segment_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override {}
    // A text of several runs with their own fonts keeps its characters; the runs' fonts are dropped.
    void append_segment(std::string_view s) override { segments_ += s; }
    std::size_t commit_segments() override {
        const std::size_t index = append(segments_);
        segments_.clear();
        return index;
    }

private:
    ImportedWorkbook& book_;
    std::string segments_;
};

class Styles : public iface::import_styles {
public:
    explicit Styles(ImportedWorkbook& book) : book_(book) {}
    void set_font_count(std::size_t) override {}
    void set_font_bold(bool b) override { font_.bold = b; }
    void set_font_italic(bool b) override { font_.italic = b; }
    void set_font_name(std::string_view s) override { font_.name = s; }
    void set_font_size(double point) override { font_.points = point; }
    void set_font_underline(ss::underline_t e) override { font_.underline = e != ss::underline_t::none; }
    void set_font_underline_width(ss::underline_width_t e) override {
        font_.underline = font_.underline || e != ss::underline_width_t::none;
    }
    void set_font_underline_mode(ss::underline_mode_t) override {}
    void set_font_underline_type(ss::underline_type_t e) override {
        font_.underline = font_.underline || e != ss::underline_type_t::none;
    }
    void set_font_underline_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override {}
    void set_font_color(ss::color_elem_t, ss::color_elem_t r, ss::color_elem_t g, ss::color_elem_t b) override {
        font_.colour = bgr(r, g, b);
    }
    void set_strikethrough_style(ss::strikethrough_style_t s) override {
        font_.strikeOut = s != ss::strikethrough_style_t::none;
    }
    void set_strikethrough_type(ss::strikethrough_type_t) override {}
    void set_strikethrough_width(ss::strikethrough_width_t) override {}
    void set_strikethrough_text(ss::strikethrough_text_t) override {}
    std::size_t commit_font() override {
        book_.fonts.push_back(font_);
        font_ = ImportedFont{};
        return book_.fonts.size() - 1;
    }

    void set_fill_count(std::size_t) override {}
    void set_fill_pattern_type(ss::fill_pattern_t fp) override { solid_ = fp == ss::fill_pattern_t::solid; }
    void set_fill_fg_color(ss::color_elem_t, ss::color_elem_t r, ss::color_elem_t g, ss::color_elem_t b) override {
        fill_ = bgr(r, g, b);
    }
    void set_fill_bg_color(ss::color_elem_t, ss::color_elem_t r, ss::color_elem_t g, ss::color_elem_t b) override {
        if (!fill_)
            fill_ = bgr(r, g, b);
    }
    std::size_t commit_fill() override {
        book_.fills.push_back(solid_ ? fill_ : std::nullopt);
        fill_.reset();
        solid_ = false;
        return book_.fills.size() - 1;
    }

    void set_border_count(std::size_t) override {}
    void set_border_style(ss::border_direction_t, ss::border_style_t) override {}
    void set_border_color(ss::border_direction_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                          ss::color_elem_t) override {}
    void set_border_width(ss::border_direction_t, double, orcus::length_unit_t) override {}
    std::size_t commit_border() override { return borders_++; }

    void set_cell_hidden(bool) override {}
    void set_cell_locked(bool) override {}
    void set_cell_print_content(bool) override {}
    void set_cell_formula_hidden(bool) override {}
    std::size_t commit_cell_protection() override { return protections_++; }

    void set_number_format_count(std::size_t) override {}
    void set_number_format_identifier(std::size_t) override {}
    void set_number_format_code(std::string_view) override {}
    std::size_t commit_number_format() override { return numberFormats_++; }

    void set_cell_xf_count(std::size_t) override {}
    void set_cell_style_xf_count(std::size_t) override {}
    void set_dxf_count(std::size_t) override {}
    void set_xf_font(std::size_t index) override { format_.font = index; }
    void set_xf_fill(std::size_t index) override { format_.fill = index; }
    void set_xf_border(std::size_t) override {}
    void set_xf_protection(std::size_t) override {}
    void set_xf_number_format(std::size_t) override {}
    void set_xf_style_xf(std::size_t) override {}
    void set_xf_apply_alignment(bool) override {}
    void set_xf_horizontal_alignment(ss::hor_alignment_t) override {}
    void set_xf_vertical_alignment(ss::ver_alignment_t) override {}
    std::size_t commit_cell_xf() override {
        book_.formats.push_back(format_);
        format_ = ImportedFormat{};
        return book_.formats.size() - 1;
    }
    std::size_t commit_cell_style_xf() override {
        format_ = ImportedFormat{};
        return styleFormats_++;
    }
    std::size_t commit_dxf() override {
        format_ = ImportedFormat{};
        return differentialFormats_++;
    }

    void set_cell_style_count(std::size_t) override {}
    void set_cell_style_name(std::string_view) override {}
    void set_cell_style_xf(std::size_t) override {}
    void set_cell_style_builtin(std::size_t) override {}
    void set_cell_style_parent_name(std::string_view) override {}
    std::size_t commit_cell_style() override { return cellStyles_++; }

private:
    ImportedWorkbook& book_;
    ImportedFont font_;
    std::optional<std::uint32_t> fill_;
    bool solid_ = false;
    ImportedFormat format_;
    std::size_t borders_ = 0, protections_ = 0, numberFormats_ = 0, styleFormats_ = 0, differentialFormats_ = 0,
                cellStyles_ = 0;
};

// Cells are counted from 0 by the parsers and from 1 by the grid; a cell past the grid's size refuses the
// workbook (the first such cell is named), and what follows it is no longer kept.
class Sheet;

class Formula : public iface::import_formula {
public:
    explicit Formula(Sheet& sheet) : sheet_(sheet) {}
    void set_position(ss::row_t row, ss::col_t col) override {
        row_ = row;
        col_ = col;
    }
    void set_formula(ss::formula_grammar_t, std::string_view formula) override { formula_ = formula; }
    void set_shared_formula_index(std::size_t index) override { shared_ = index; }
    void set_result_string(std::string_view value) override { result_ = grid::Value::text(os::toUtf16(value)); }
    void set_result_value(double value) override { result_ = grid::Value::number(value); }
    void set_result_bool(bool value) override { result_ = grid::Value::boolean(value); }
    void set_result_empty() override { result_ = grid::Value(); }
    void commit() override;

private:
    Sheet& sheet_;
    ss::row_t row_ = 0;
    ss::col_t col_ = 0;
    std::string formula_;
    std::optional<std::size_t> shared_;
    grid::Value result_;
};

class ArrayFormula : public iface::import_array_formula {
public:
    explicit ArrayFormula(Sheet& sheet) : sheet_(sheet) {}
    void set_range(const ss::range_t& range) override { range_ = range; }
    void set_formula(ss::formula_grammar_t, std::string_view) override {}
    void set_result_string(ss::row_t row, ss::col_t col, std::string_view value) override;
    void set_result_value(ss::row_t row, ss::col_t col, double value) override;
    void set_result_bool(ss::row_t row, ss::col_t col, bool value) override;
    void set_result_empty(ss::row_t, ss::col_t) override {}
    void commit() override;

private:
    Sheet& sheet_;
    ss::range_t range_{};
};

class SheetProperties : public iface::import_sheet_properties {
public:
    explicit SheetProperties(Sheet& sheet) : sheet_(sheet) {}
    void set_column_width(ss::col_t col, double width, orcus::length_unit_t unit) override;
    void set_column_hidden(ss::col_t, bool) override {}
    void set_row_height(ss::row_t row, double height, orcus::length_unit_t unit) override;
    void set_row_hidden(ss::row_t, bool) override {}
    void set_merge_cell_range(const ss::range_t& range) override;

private:
    Sheet& sheet_;
};

class Sheet : public iface::import_sheet {
public:
    Sheet(ImportedWorkbook& book, std::size_t index) : book_(book), index_(index) {}

    iface::import_sheet_properties* get_sheet_properties() override { return &properties_; }
    iface::import_formula* get_formula() override { return &formula_; }
    iface::import_array_formula* get_array_formula() override { return &arrayFormula_; }

    // An empty text is an empty cell to the grid, as it is to a person looking at the sheet.
    static grid::Value textValue(std::u16string_view text) { return text.empty() ? grid::Value() : grid::Value::text(text); }

    void set_auto(ss::row_t row, ss::col_t col, std::string_view s) override {
        if (ImportedCell* c = cell(row, col))
            c->value = textValue(os::toUtf16(s));
    }
    void set_string(ss::row_t row, ss::col_t col, ss::string_id_t sindex) override {
        if (sindex >= book_.strings.size()) {
            fail("cell " + cellName(col + 1, row + 1) + " names a shared text the workbook does not hold");
            return;
        }
        if (ImportedCell* c = cell(row, col))
            c->value = textValue(book_.strings[sindex]);
    }
    void set_value(ss::row_t row, ss::col_t col, double value) override {
        if (ImportedCell* c = cell(row, col))
            c->value = std::isfinite(value) ? grid::Value::number(value) : grid::Value::error(grid::ErrorCode::Num);
    }
    void set_bool(ss::row_t row, ss::col_t col, bool value) override {
        if (ImportedCell* c = cell(row, col))
            c->value = grid::Value::boolean(value);
    }
    // A date is the serial number the programs count days by (1900 system: 1 is 1900-01-01, with their
    // fictitious 1900-02-29), the time its fraction.
    void set_date_time(ss::row_t row, ss::col_t col, int year, int month, int day, int hour, int minute,
                       double second) override {
        if (ImportedCell* c = cell(row, col))
            c->value = grid::Value::number(serialDay(year, month, day) + (hour * 3600 + minute * 60 + second) / 86400);
    }
    void set_format(ss::row_t row, ss::col_t col, std::size_t xf) override {
        if (ImportedCell* c = cell(row, col))
            c->format = xf;
    }
    // A format given to a block reaches the cells of it that hold something: a format over a whole column would
    // otherwise make a million cells.
    void set_format(ss::row_t row1, ss::col_t col1, ss::row_t row2, ss::col_t col2, std::size_t xf) override {
        auto& cells = sheet().cells;
        for (auto it = cells.lower_bound({row1 + 1, 0}); it != cells.end() && it->first.first <= row2 + 1; ++it)
            if (it->first.second >= col1 + 1 && it->first.second <= col2 + 1)
                it->second.format = xf;
    }
    void fill_down_cells(ss::row_t row, ss::col_t col, ss::row_t count) override {
        const ImportedCell* source = cell(row, col);
        if (!source)
            return;
        const ImportedCell copy = *source;
        for (ss::row_t r = row + 1; r <= row + count; ++r)
            if (ImportedCell* c = cell(r, col))
                *c = copy;
    }
    ss::range_size_t get_sheet_size() const override { return {grid::kMaxRows, grid::kMaxCols}; }

    // The cell (row, col) of the parsers, made when first named; null once the workbook failed.
    ImportedCell* cell(ss::row_t row, ss::col_t col) {
        if (!book_.error.empty())
            return nullptr;
        if (row < 0 || col < 0 || row >= grid::kMaxRows || col >= grid::kMaxCols) {
            fail("cell " + (col >= 0 ? cellName(col + 1, row + 1) : std::string("?")) + " lies past the grid's " +
                 std::to_string(grid::kMaxCols) + " columns and " + std::to_string(grid::kMaxRows) + " rows");
            return nullptr;
        }
        return &sheet().cells[{row + 1, col + 1}];
    }
    void fail(const std::string& why) {
        if (book_.error.empty())
            book_.error = "sheet " + sheet().name + ": " + why;
    }
    ImportedSheet& sheet() { return book_.sheets[index_]; }
    bool failed() const { return !book_.error.empty(); }

private:
    static double serialDay(int year, int month, int day) {
        // Days from 1899-12-30, which makes 1900-03-01 day 61 as the programs count it.
        const int y = year - (month <= 2 ? 1 : 0);
        const int era = (y >= 0 ? y : y - 399) / 400;
        const int yoe = y - era * 400;
        const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
        const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
        const long days = long(era) * 146097 + doe - 693959;   // 693959: 1899-12-30 from 0000-03-01
        return double(days);
    }

    ImportedWorkbook& book_;
    std::size_t index_;
    SheetProperties properties_{*this};
    Formula formula_{*this};
    ArrayFormula arrayFormula_{*this};
};

void Formula::commit() {
    if (ImportedCell* c = sheet_.cell(row_, col_)) {
        c->value = result_;
        c->formula = formula_;
        c->shared = shared_;
    }
    formula_.clear();
    shared_.reset();
    result_ = grid::Value();
}

void ArrayFormula::set_result_string(ss::row_t row, ss::col_t col, std::string_view value) {
    if (ImportedCell* c = sheet_.cell(row, col))
        c->value = grid::Value::text(os::toUtf16(value));
}
void ArrayFormula::set_result_value(ss::row_t row, ss::col_t col, double value) {
    if (ImportedCell* c = sheet_.cell(row, col))
        c->value = grid::Value::number(value);
}
void ArrayFormula::set_result_bool(ss::row_t row, ss::col_t col, bool value) {
    if (ImportedCell* c = sheet_.cell(row, col))
        c->value = grid::Value::boolean(value);
}
void ArrayFormula::commit() {
    if (!sheet_.failed())
        sheet_.sheet().arrayFormulas.push_back(cellName(range_.first.column + 1, range_.first.row + 1) + ":" +
                                               cellName(range_.last.column + 1, range_.last.row + 1));
}

void SheetProperties::set_column_width(ss::col_t col, double width, orcus::length_unit_t unit) {
    if (col >= 0 && col < grid::kMaxCols && !sheet_.failed())
        sheet_.sheet().widths[col + 1] = gridSize(toPoints(width, unit) / kPointsPerCharacter);
}
void SheetProperties::set_row_height(ss::row_t row, double height, orcus::length_unit_t unit) {
    if (row >= 0 && row < grid::kMaxRows && !sheet_.failed())
        sheet_.sheet().heights[row + 1] = gridSize(toPoints(height, unit));
}
void SheetProperties::set_merge_cell_range(const ss::range_t& range) {
    if (sheet_.failed())
        return;
    if (range.first.row < 0 || range.first.column < 0 || range.last.row >= grid::kMaxRows ||
        range.last.column >= grid::kMaxCols || range.last.row < range.first.row ||
        range.last.column < range.first.column) {
        sheet_.fail("a merged range lies past the grid's size");
        return;
    }
    sheet_.sheet().spans.push_back({range.first.column + 1, range.first.row + 1,
                                    range.last.column - range.first.column + 1, range.last.row - range.first.row + 1});
}

// Cell addresses as XLSX writes them ("B3", "$B$3", "A1:C2"), counted from 0. A text that is no address is a
// malformed workbook: the parsers' exception ends the import.
class ReferenceResolver : public iface::import_reference_resolver {
public:
    ss::src_address_t resolve_address(std::string_view text) override {
        ss::src_address_t address{0, 0, 0};
        std::size_t i = 0;
        if (i < text.size() && text[i] == '$')
            ++i;
        long col = 0, row = 0;
        std::size_t letters = 0, digits = 0;
        // Counted only as far as an address can reach: a long run of letters or digits must not overflow.
        for (; i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])); ++i, ++letters)
            if (letters < 7)
                col = col * 26 + (std::toupper(static_cast<unsigned char>(text[i])) - 'A' + 1);
        if (i < text.size() && text[i] == '$')
            ++i;
        for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits)
            if (digits < 10)
                row = row * 10 + (text[i] - '0');
        // Six letters and nine digits reach far past any sheet and stay inside the parsers' 32-bit counts.
        if (i != text.size() || letters == 0 || letters > 6 || digits == 0 || digits > 9 || row == 0)
            throw std::invalid_argument("not a cell address: " + std::string(text.substr(0, 40)));
        address.column = ss::col_t(col - 1);
        address.row = ss::row_t(row - 1);
        return address;
    }
    ss::src_range_t resolve_range(std::string_view text) override {
        const std::size_t colon = text.find(':');
        if (colon == std::string_view::npos) {
            const ss::src_address_t one = resolve_address(text);
            return {one, one};
        }
        return {resolve_address(text.substr(0, colon)), resolve_address(text.substr(colon + 1))};
    }
};

class GlobalSettings : public iface::import_global_settings {
public:
    void set_origin_date(int, int, int) override {}
    void set_default_formula_grammar(ss::formula_grammar_t grammar) override { grammar_ = grammar; }
    ss::formula_grammar_t get_default_formula_grammar() const override { return grammar_; }
    void set_character_set(orcus::character_set_t) override {}

private:
    ss::formula_grammar_t grammar_ = ss::formula_grammar_t::xlsx;
};

class Factory : public iface::import_factory {
public:
    explicit Factory(ImportedWorkbook& book) : book_(book), strings_(book), styles_(book) {}
    iface::import_global_settings* get_global_settings() override { return &settings_; }
    iface::import_shared_strings* get_shared_strings() override { return &strings_; }
    iface::import_styles* get_styles() override { return &styles_; }
    iface::import_reference_resolver* get_reference_resolver(ss::formula_ref_context_t) override { return &resolver_; }
    iface::import_sheet* append_sheet(ss::sheet_t, std::string_view name) override {
        book_.sheets.push_back(ImportedSheet{std::string(name), {}, {}, {}, {}, {}});
        sheets_.push_back(std::make_unique<Sheet>(book_, book_.sheets.size() - 1));
        return sheets_.back().get();
    }
    iface::import_sheet* get_sheet(std::string_view name) override {
        for (std::size_t i = 0; i < book_.sheets.size(); ++i)
            if (book_.sheets[i].name == name)
                return sheets_[i].get();
        return nullptr;
    }
    iface::import_sheet* get_sheet(ss::sheet_t index) override {
        return index >= 0 && std::size_t(index) < sheets_.size() ? sheets_[std::size_t(index)].get() : nullptr;
    }
    void finalize() override {}

private:
    ImportedWorkbook& book_;
    GlobalSettings settings_;
    ReferenceResolver resolver_;
    SharedStrings strings_;
    Styles styles_;
    std::vector<std::unique_ptr<Sheet>> sheets_;
};

} // namespace

std::unique_ptr<iface::import_factory> makeImportFactory(ImportedWorkbook& workbook) {
    return std::make_unique<Factory>(workbook);
}

} // namespace interchange
