#include "grid/Sheet.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "grid/FormulaCache.h"
#include "os/bulkMemory.h"
#include "os/textCase.h"

namespace grid {
namespace {

std::u16string decimal(long long n) {
    std::string s = std::to_string(n);
    return std::u16string(s.begin(), s.end());
}

} // namespace

Sheet::Sheet() : random_(std::random_device{}()) { reset(); }

Sheet::~Sheet() = default;

void Sheet::reset() {
    if (calculating_)
        return;   // a custom function may not pull the sheet from under its own calculation
    store_.clear();
    deps_.clear();
    maxCols_ = maxRows_ = 0;
    spans_.clear();
    colWidths_.clear();
    rowHeights_.clear();
    switches_.clear();
    properties_.clear();
    refStyle_ = kRefStyleDefault;
    custom_.clear();
    ++customGeneration_;
    dirty_.clear();
    byName_.clear();
    switches_[kSwitchAutoCalc] = true;
    switches_[kSwitchRowHeaders] = true;
    switches_[kSwitchRepaint] = true;
    autoCalc_ = true;
}

void Sheet::clearDocument() {
    if (calculating_)
        return;
    auto functions = std::move(custom_);
    const std::uint64_t generation = customGeneration_;
    reset();
    custom_ = std::move(functions);   // the very entries: what was found of them still holds
    customGeneration_ = generation;
}

bool Sheet::setMaxCols(int count) {
    if (count < 0 || count > kMaxCols || (count < maxCols_ && calculating_))
        return false;
    if (count < maxCols_)
        dropOutside(Block{count + 1, 0, kMaxCols, kMaxRows});
    maxCols_ = count;
    return true;
}

bool Sheet::setMaxRows(int count) {
    if (count < 0 || count > kMaxRows || (count < maxRows_ && calculating_))
        return false;
    if (count < maxRows_)
        dropOutside(Block{0, count + 1, kMaxCols, kMaxRows});
    maxRows_ = count;
    return true;
}

void Sheet::dropOutside(const Block& gone) {
    // A shrunk sheet loses its outer cells, so growing it again shows empty rows and columns.
    std::vector<CellId> ids;
    store_.forEachInBlock(gone, [&](CellId id) {
        ids.push_back(id);
        return true;
    });
    for (CellId id : ids) {
        const int col = store_.cell(id).col, row = store_.cell(id).row;
        if (store_.cell(id).formula)
            dropFormula(id);
        store_.erase(id);
        if (col > 0 && row > 0)
            markReadersDirty(col, row);
    }
    std::erase_if(spans_, [&](const Span& s) { return gone.contains(s.col, s.row); });
    if (!ids.empty() && switchOn(kSwitchAutoCalc))
        recalcDirty();
}

bool Sheet::writable(int col, int row) const {
    return col >= 0 && row >= 0 && col <= maxCols_ && row <= maxRows_;
}

bool Sheet::readable(int col, int row) const { return writable(col, row); }

CellId Sheet::cellAt(int col, int row) const { return store_.find(col, row); }

CellAttrs& Sheet::attrsFor(int col, int row) {
    Cell& c = store_.cell(store_.findOrCreate(col, row));
    if (!c.attrs)
        c.attrs = std::make_unique<CellAttrs>();
    return *c.attrs;
}

const CellAttrs* Sheet::attrsAt(int col, int row) const {
    CellId id = cellAt(internal(col), internal(row));
    return id ? store_.cell(id).attrs.get() : nullptr;
}

// ---------------------------------------------------------------- contents

Value Sheet::convertText(int col, int row, std::u16string_view text) const {
    if (text.empty())
        return Value();
    const CellId id = cellAt(col, row);
    const CellKind kind = id && store_.cell(id).type ? store_.cell(id).type->kind : CellKind::General;
    double n;
    switch (kind) {
    case CellKind::General:
    case CellKind::CheckBox:
    case CellKind::Number:
    case CellKind::Integer:
        // A text that is no number is kept as text, also in a number cell.
        if (parseNumber(text, n))
            return Value::number(n);
        return Value::text(text);
    default: return Value::text(text);
    }
}

bool Sheet::setData(int col, int row, std::u16string_view text) {
    col = internal(col), row = internal(row);
    if (!writable(col, row))
        return false;
    return storeValue(col, row, convertText(col, row, text));
}

bool Sheet::setValue(int col, int row, std::u16string_view text) { return setData(col, row, text); }

bool Sheet::setNumber(int col, int row, double value) {
    col = internal(col), row = internal(row);
    if (!writable(col, row))
        return false;
    return storeValue(col, row, Value::number(value));
}

bool Sheet::setCellValue(int col, int row, const Value& value) {
    col = internal(col), row = internal(row);
    if (!writable(col, row))
        return false;
    return storeValue(col, row, value);
}

bool Sheet::storeValue(int col, int row, Value v) {
    CellId id = cellAt(col, row);
    if (!id) {
        if (v.isEmpty())
            return true;   // nothing to clear; no cell needed
        id = store_.findOrCreate(col, row);
    }
    Cell& c = store_.cell(id);
    const bool hadFormula = c.formula != nullptr;
    if (hadFormula)
        dropFormula(id);
    if (!hadFormula && c.value == v)
        return true;
    c.value = std::move(v);
    changed(col, row);
    return true;
}

bool Sheet::setFormula(int col, int row, std::u16string_view text, ParseError* error) {
    col = internal(col), row = internal(row);
    // Headers hold texts only.
    if (!writable(col, row) || col == 0 || row == 0)
        return false;
    std::size_t b = 0;
    while (b < text.size() && (text[b] == u' ' || text[b] == u'\t'))
        ++b;
    if (b == text.size() || (text.substr(b) == u"="))
        return clearCell(col, row);
    const RefStyle style = formulaStyle(refStyle_);
    std::shared_ptr<const ParsedProgram> program = FormulaCache::instance().parse(text, col, row, style, error);
    if (!program)
        return false;
    installFormula(col, row, std::move(program));
    return true;
}

void Sheet::installFormula(int col, int row, std::shared_ptr<const ParsedProgram> program) {
    CellId id = store_.findOrCreate(col, row);
    if (store_.cell(id).formula)
        unregisterFormula(id);
    Cell& c = store_.cell(id);
    c.formula = intern(std::move(program));
    registerFormula(id);
    // The cell and everything reading it are out of date; marking the readers before computing the cell lets a
    // formula that closes a loop find the loop.
    markDirty(id);
    markReadersDirty(col, row);
    if (!calculating_ && !deferCalculation_) {
        calculate(std::span<const CellId>(&id, 1), true);
        if (switchOn(kSwitchAutoCalc))
            recalcDirty();
    }
}

bool Sheet::setFormulaUncomputed(int col, int row, std::u16string_view formula) {
    deferCalculation_ = true;
    const bool set = setFormula(col, row, formula);
    deferCalculation_ = false;
    return set;
}

bool Sheet::setParsedFormulaUncomputed(int col, int row, std::shared_ptr<const ParsedProgram> program) {
    col = internal(col), row = internal(row);
    if (!program || !writable(col, row) || col == 0 || row == 0)
        return false;
    deferCalculation_ = true;
    installFormula(col, row, std::move(program));
    deferCalculation_ = false;
    return true;
}

bool Sheet::setTag(int col, int row, std::u16string_view tag) {
    col = internal(col), row = internal(row);
    if (!writable(col, row))
        return false;
    attrsFor(col, row).tag = std::u16string(tag);
    return true;
}

bool Sheet::clearCell(int col, int row) {
    col = internal(col), row = internal(row);
    if (!writable(col, row))
        return false;
    return storeValue(col, row, Value());
}

bool Sheet::clearBlock(const Block& block) {
    Block b = clampBlock(block);
    if (b.col1 > b.col2 || b.row1 > b.row2)
        return false;
    std::vector<CellId> ids;   // only stored cells: a block may cover a million empty rows
    store_.forEachInBlock(b, [&](CellId id) {
        ids.push_back(id);
        return true;
    });
    for (CellId id : ids)
        storeValue(store_.cell(id).col, store_.cell(id).row, Value());
    return true;
}

std::u16string Sheet::text(int col, int row, TextKind kind) const {
    std::u16string out;
    textInto(col, row, kind, out);
    return out;
}

void Sheet::textInto(int col, int row, TextKind kind, std::u16string& out) const {
    out.clear();
    col = internal(col), row = internal(row);
    if (!readable(col, row))
        return;
    CellId id = cellAt(col, row);
    const Cell* c = id ? &store_.cell(id) : nullptr;
    switch (kind) {
    case TextKind::Tag:
        if (c && c->attrs)
            out = c->attrs->tag;
        return;
    case TextKind::Formula:
        if (c && c->formula)
            out = c->formula->toText(col, row, formulaStyle(refStyle_));
        return;
    case TextKind::Data:
    case TextKind::Value: break;
    }
    if ((col == 0 || row == 0) && (!c || c->value.isEmpty())) {
        // Headers without a text of their own show the column letters and row numbers.
        if (row == 0 && col > 0)
            out = columnLetters(col);
        else if (col == 0 && row > 0)
            out = decimal(row);
        return;
    }
    if (!c)
        return;
    if (kind == TextKind::Data && c->value.isNumber() && c->type) {
        const CellType& t = *c->type;
        if (t.kind == CellKind::Number) {
            out = formatFixed(c->value.numberValue(), t.decimals, t.separator);
            return;
        }
        if (t.kind == CellKind::Integer) {
            out = formatFixed(c->value.numberValue(), 0);
            return;
        }
    }
    // Copied into the caller's string, whose room is reused: sheets are read cell by cell in long scans.
    if (c->value.isText())
        out.assign(c->value.textValue());
    else
        out = c->value.toText();
}

Value Sheet::value(int col, int row) const {
    col = internal(col), row = internal(row);
    CellId id = readable(col, row) ? cellAt(col, row) : 0;
    return id ? store_.cell(id).value : Value();
}

bool Sheet::numberValue(int col, int row, double& out) const {
    // Asked of every cell a table is printed from: the value is looked at where it is, not copied.
    col = internal(col), row = internal(row);
    const CellId id = readable(col, row) ? cellAt(col, row) : 0;
    if (!id || !store_.cell(id).value.isNumber())
        return false;
    out = store_.cell(id).value.numberValue();
    return true;
}

bool Sheet::hasFormula(int col, int row) const {
    CellId id = cellAt(internal(col), internal(row));
    return id && store_.cell(id).formula;
}

void Sheet::forEachCell(const std::function<void(int, int)>& visit) const {
    store_.forEachLive([&](CellId id) { visit(store_.cell(id).col, store_.cell(id).row); });
}

void Sheet::contentExtent(int& lastCol, int& lastRow) const {
    lastCol = lastRow = 0;
    store_.forEachLive([&](CellId id) {
        const Cell& c = store_.cell(id);
        if (c.col > 0 && c.row > 0 && (c.formula || !c.value.isEmpty())) {
            lastCol = std::max(lastCol, int(c.col));
            lastRow = std::max(lastRow, int(c.row));
        }
    });
}

namespace {

using Places = std::vector<std::pair<int, int>, os::BulkAllocator<std::pair<int, int>>>;   // row, column

// Cells are mostly stored in the order a sheet was filled, often reading order already; otherwise they are put in
// order by counting, columns first and then rows, while the block's rows are not much sparser than its cells.
void sortIntoReadingOrder(Places& places, const Block& b) {
    if (std::is_sorted(places.begin(), places.end()))
        return;
    const std::size_t rowSpan = std::size_t(b.row2 - b.row1) + 1, colSpan = std::size_t(b.col2 - b.col1) + 1;
    if (rowSpan > 4 * places.size() || colSpan > 4 * places.size()) {
        std::sort(places.begin(), places.end());
        return;
    }
    Places sorted(places.size());
    std::vector<std::uint32_t> starts;
    const auto countingPass = [&](auto key, std::size_t span, const Places& from, Places& to) {
        starts.assign(span + 1, 0);
        for (const auto& place : from)
            ++starts[key(place) + 1];
        for (std::size_t i = 1; i <= span; ++i)
            starts[i] += starts[i - 1];
        for (const auto& place : from)
            to[starts[key(place)]++] = place;
    };
    countingPass([&](const std::pair<int, int>& p) { return std::size_t(p.second - b.col1); }, colSpan, places, sorted);
    countingPass([&](const std::pair<int, int>& p) { return std::size_t(p.first - b.row1); }, rowSpan, sorted, places);
}

} // namespace

void Sheet::forEachCellInReadingOrder(const Block& block, const std::function<bool(int, int)>& visit) const {
    const Block b = clampBlock(block);
    if (b.col1 > b.col2 || b.row1 > b.row2)
        return;
    Places places;   // sorted, they are in reading order
    const double area = double(b.col2 - b.col1 + 1) * double(b.row2 - b.row1 + 1);
    if (area <= 2 * double(store_.liveCount())) {
        // At least every other place holds a cell: read off by position, row by row, already in order.
        places.reserve(std::min(std::size_t(area), store_.liveCount()));
        for (int row = b.row1; row <= b.row2; ++row)
            for (int col = b.col1; col <= b.col2; ++col)
                if (store_.find(col, row))
                    places.emplace_back(row, col);
    } else {
        store_.forEachLive([&](CellId id) {
            const Cell& c = store_.cell(id);
            if (b.contains(c.col, c.row))
                places.emplace_back(c.row, c.col);
        });
        sortIntoReadingOrder(places, b);
    }
    for (const auto& [row, col] : places)
        if (!visit(col, row))
            return;
}

// ---------------------------------------------------------------- attributes

Block Sheet::clampBlock(const Block& b) const {
    Block r{internal(b.col1), internal(b.row1), internal(b.col2), internal(b.row2)};
    if (b.col2 < 0 && b.col2 != kHeaderIndex)
        r.col2 = maxCols_;
    if (b.row2 < 0 && b.row2 != kHeaderIndex)
        r.row2 = maxRows_;
    r.col1 = std::max(r.col1, 0);
    r.row1 = std::max(r.row1, 0);
    r.col2 = std::min(r.col2, maxCols_);
    r.row2 = std::min(r.row2, maxRows_);
    return r;
}

template <class F>
bool Sheet::forBlock(const Block& block, F f) {
    Block b = clampBlock(block);
    if (b.col1 > b.col2 || b.row1 > b.row2)
        return false;
    for (int c = b.col1; c <= b.col2; ++c)
        for (int r = b.row1; r <= b.row2; ++r)
            f(c, r);
    return true;
}

bool Sheet::setCellType(int col, int row, const CellType& type) {
    col = internal(col), row = internal(row);
    if (!writable(col, row))
        return false;
    Cell& c = store_.cell(store_.findOrCreate(col, row));
    if (!c.type || !(*c.type == type)) {
        if (!lastType_ || !(*lastType_ == type))
            lastType_ = std::make_shared<const CellType>(type);
        c.type = lastType_;
    }
    // An empty value stays empty; a value written before the type keeps its content.
    return true;
}

CellType Sheet::cellType(int col, int row) const {
    const CellId id = cellAt(internal(col), internal(row));
    const Cell* c = id ? &store_.cell(id) : nullptr;
    return c && c->type ? *c->type : CellType{};
}

bool Sheet::setLocked(int col, int row, bool locked) {
    col = internal(col), row = internal(row);
    if (!writable(col, row))
        return false;
    attrsFor(col, row).locked = locked;
    return true;
}

bool Sheet::locked(int col, int row) const {
    const CellAttrs* a = attrsAt(col, row);
    return a && a->locked;
}

bool Sheet::setFont(int col, int row, const Font& font) {
    col = internal(col), row = internal(row);
    if (!writable(col, row))
        return false;
    CellAttrs& attrs = attrsFor(col, row);
    if (!attrs.font || !(*attrs.font == font)) {
        if (!lastFont_ || !(*lastFont_ == font))
            lastFont_ = std::make_shared<const Font>(font);
        attrs.font = lastFont_;
    }
    return true;
}

std::optional<Font> Sheet::font(int col, int row) const {
    const CellAttrs* a = attrsAt(col, row);
    return a && a->font ? std::optional<Font>(*a->font) : std::nullopt;
}

bool Sheet::setColours(int col, int row, std::uint32_t back, std::uint32_t fore) {
    col = internal(col), row = internal(row);
    if (!writable(col, row))
        return false;
    CellAttrs& a = attrsFor(col, row);
    a.backColour = back;
    a.foreColour = fore;
    return true;
}

bool Sheet::colours(int col, int row, std::uint32_t& back, std::uint32_t& fore) const {
    const CellAttrs* a = attrsAt(col, row);
    if (!a || !a->backColour)
        return false;
    back = *a->backColour;
    fore = a->foreColour.value_or(0);
    return true;
}

bool Sheet::setBorder(int col, int row, const Border& border) {
    col = internal(col), row = internal(row);
    if (!writable(col, row))
        return false;
    attrsFor(col, row).border = border;
    return true;
}

std::optional<Border> Sheet::border(int col, int row) const {
    const CellAttrs* a = attrsAt(col, row);
    return a ? a->border : std::nullopt;
}

bool Sheet::setCellType(const Block& block, const CellType& type) {
    return forBlock(block, [&](int c, int r) { setCellType(c, r, type); });
}
bool Sheet::setLocked(const Block& block, bool locked) {
    return forBlock(block, [&](int c, int r) { setLocked(c, r, locked); });
}
bool Sheet::setFont(const Block& block, const Font& font) {
    return forBlock(block, [&](int c, int r) { setFont(c, r, font); });
}
bool Sheet::setColours(const Block& block, std::uint32_t back, std::uint32_t fore) {
    return forBlock(block, [&](int c, int r) { setColours(c, r, back, fore); });
}
bool Sheet::setBorder(const Block& block, const Border& border) {
    return forBlock(block, [&](int c, int r) { setBorder(c, r, border); });
}

// ---------------------------------------------------------------- spans

bool Sheet::addSpan(int col, int row, int cols, int rows) {
    col = internal(col), row = internal(row);
    if (!writable(col, row) || cols < 1 || rows < 1 || cols > kMaxCols || rows > kMaxRows)
        return false;
    Block mine{col, row, col + cols - 1, row + rows - 1};
    for (const Span& s : spans_) {
        Block other{s.col, s.row, s.col + s.cols - 1, s.row + s.rows - 1};
        if (mine.col1 <= other.col2 && other.col1 <= mine.col2 && mine.row1 <= other.row2 && other.row1 <= mine.row2)
            return false;
    }
    spans_.push_back({col, row, cols, rows});
    return true;
}

bool Sheet::spanAt(int col, int row, Span& span) const {
    col = internal(col), row = internal(row);
    for (const Span& s : spans_) {
        if (col >= s.col && col < s.col + s.cols && row >= s.row && row < s.row + s.rows) {
            span = s;
            return true;
        }
    }
    return false;
}

bool Sheet::removeSpan(int anchorCol, int anchorRow) {
    anchorCol = internal(anchorCol), anchorRow = internal(anchorRow);
    auto it = std::find_if(spans_.begin(), spans_.end(),
                           [&](const Span& s) { return s.col == anchorCol && s.row == anchorRow; });
    if (it == spans_.end())
        return false;
    spans_.erase(it);
    return true;
}

// ---------------------------------------------------------------- sizes

bool Sheet::setColumnWidth(int col, double width) {
    col = internal(col);
    if (col < 0 || col > maxCols_ || !(width >= 0) || width > 1e5)
        return false;
    colWidths_[col] = width;
    return true;
}

double Sheet::columnWidth(int col) const {
    auto it = colWidths_.find(internal(col));
    return it == colWidths_.end() ? kDefaultColumnWidth : it->second;
}

bool Sheet::setColumnWidthPx(int col, int pixels) {
    return pixels >= 0 && setColumnWidth(col, pixels <= 4 ? 0 : (pixels - 4) / 8.0);
}

int Sheet::columnWidthPx(int col) const {
    double w = columnWidth(col);
    return w <= 0 ? 0 : int(std::lround(w * 8 + 4));
}

bool Sheet::setRowHeight(int row, double height) {
    row = internal(row);
    if (row < 0 || row > maxRows_ || !(height >= 0) || height > 1e5)
        return false;
    rowHeights_[row] = height;
    return true;
}

double Sheet::rowHeight(int row) const {
    auto it = rowHeights_.find(internal(row));
    return it == rowHeights_.end() ? kDefaultRowHeight : it->second;
}

bool Sheet::setRowHeightPx(int row, int pixels) { return pixels >= 0 && setRowHeight(row, pixels * 3 / 4.0); }

int Sheet::rowHeightPx(int row) const { return int(std::lround(rowHeight(row) * 4 / 3)); }

// ---------------------------------------------------------------- switches

void Sheet::setSwitch(int index, bool on) {
    const bool wasAuto = autoCalc_;
    switches_[index] = on;
    if (index == kSwitchAutoCalc)
        autoCalc_ = on;
    // Turning automatic calculation on brings the sheet up to date.
    if (index == kSwitchAutoCalc && on && !wasAuto && !calculating_)
        recalcDirty();
}

bool Sheet::switchOn(int index) const {
    if (index == kSwitchAutoCalc)
        return autoCalc_;
    auto it = switches_.find(index);
    return it != switches_.end() && it->second;
}

void Sheet::setProperty(int index, std::int64_t value) { properties_[index] = value; }

std::int64_t Sheet::property(int index, std::int64_t fallback) const {
    auto it = properties_.find(index);
    return it == properties_.end() ? fallback : it->second;
}

// ---------------------------------------------------------------- custom functions

namespace {

bool validCustomFunction(std::u16string_view name, int minArgs, int maxArgs) {
    if (name.empty() || minArgs < 0 || maxArgs < minArgs || maxArgs > 255)
        return false;
    return std::all_of(name.begin(), name.end(), [](char16_t c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_' ||
               c == u'.';
    });
}

} // namespace

UpperName::UpperName(std::u16string_view name) {
    if (name.size() > kInline) {
        long_ = os::upperCase(name);
        view_ = long_;
        return;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char16_t c = name[i];
        // Function names are plain ASCII but for rare exceptions, which the full casing takes.
        inline_[i] = c >= 0x80 ? os::upperCase(c) : (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
    }
    view_ = std::u16string_view(inline_, name.size());
}

bool sameAsUpperName(std::u16string_view name, std::u16string_view upper) {
    if (name.size() != upper.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char16_t c = name[i];
        if (c >= 0x80 || ((c >= u'a' && c <= u'z') ? char16_t(c - 32) : c) != upper[i])
            return false;
    }
    return true;
}

bool Sheet::addCustomFunction(std::u16string_view name, int minArgs, int maxArgs, CustomCallback callback,
                              unsigned flags) {
    if (!validCustomFunction(name, minArgs, maxArgs) || !callback)
        return false;
    auto fn = std::make_shared<CustomFunction>();
    fn->name = os::upperCase(name);
    fn->minArgs = minArgs;
    fn->maxArgs = maxArgs;
    fn->callback = std::move(callback);
    fn->flags = flags;
    custom_[fn->name] = std::move(fn);
    ++customGeneration_;
    markNamedCallsDirty();
    return true;
}

// Formulas that named a function before it existed (or named its earlier version) are out of date.
void Sheet::markNamedCallsDirty() {
    std::vector<CellId> callers;
    callers.swap(byName_);
    for (CellId id : callers) {
        Cell& c = store_.cell(id);
        if (!c.live() || !c.formula || !c.formula->callsByName)
            continue;
        byName_.push_back(id);
        if (!c.dirty()) {
            markDirty(id);
            markReadersDirty(c.col, c.row);
        }
    }
    if (switchOn(kSwitchAutoCalc) && !calculating_)
        recalcDirty();
}

bool Sheet::addCustomFunction(std::u16string_view name, int minArgs, int maxArgs, SSCustomFunctionProc callback,
                              unsigned flags) {
    if (!callback)
        return false;
    // The same function registered again under the same name and limits (a program registers its functions
    // before every calculation) keeps its entry; the formulas that call it are brought up to date as always.
    // Found by the function itself first: a dozen entries are looked through sooner than a name is cased.
    for (const auto& [upper, fn] : custom_) {
        if (fn->proc == callback && fn->minArgs == minArgs && fn->maxArgs == maxArgs && fn->flags == flags &&
            sameAsUpperName(name, upper)) {
            markNamedCallsDirty();
            return true;
        }
    }
    if (!addCustomFunction(
            name, minArgs, maxArgs,
            CustomCallback([callback](SSValueRecord& result, SSValueRecord* args, std::int16_t count) {
                return callback(&result, args, count) != 0;
            }),
            flags))
        return false;
    custom_.find(UpperName(name).view())->second->proc = callback;
    return true;
}

bool Sheet::hasCustomFunction(std::u16string_view name) const {
    return custom_.find(UpperName(name).view()) != custom_.end();
}

} // namespace grid
