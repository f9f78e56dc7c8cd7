#include "grid/SpreadWindow.h"

#include <unordered_set>

#include <algorithm>

#include "grid/FormulaParser.h"
#include "ui/Clipboard.h"
#include "ui/Desktop.h"
#include "ui/Metrics.h"
#include "ui/WindowClasses.h"

namespace grid {
namespace {

constexpr int kCellPadding = 3;      // pixels each side of a cell's text
constexpr int kCheckBoxSize = 13;

bool isCheck(const CellType& t) { return t.kind == CellKind::CheckBox; }

} // namespace

void registerSpreadPainters();   // spreadPainter.cpp

// Holds the keyboard focus while the grid has it and no cell is being edited, and hands every key to the grid.
class SpreadWindow::FocusChild : public ui::Window {
public:
    explicit FocusChild(SpreadWindow& grid) : grid_(grid) {}
    unsigned getDlgCode(const ui::Msg* msg) override { return grid_.getDlgCode(msg); }
    int hitTest(ui::Point) override { return ui::HTTRANSPARENT; }

protected:
    void onKeyDown(unsigned vk, unsigned repeat, unsigned flags) override { grid_.onKeyDown(vk, repeat, flags); }
    void onChar(char16_t ch, unsigned repeat, unsigned flags) override { grid_.onChar(ch, repeat, flags); }

private:
    SpreadWindow& grid_;
};

void SpreadWindow::registerClass() {
    ui::WindowClasses::registerClass(kClassName, [] { return std::make_unique<SpreadWindow>(); });
    registerSpreadPainters();
}

namespace {

// Every grid window object alive. Asking this set is far cheaper than a dynamic_cast across shared libraries,
// which compares type names.
std::unordered_set<const ui::Window*>& liveSpreads() {
    static std::unordered_set<const ui::Window*> spreads;
    return spreads;
}

// The grid window found last: a program makes its calls on one grid after the other, hundreds per evaluation.
const ui::Window* gLastFound = nullptr;

} // namespace

SpreadWindow::SpreadWindow() : focus_(std::make_unique<FocusChild>(*this)) { liveSpreads().insert(this); }

SpreadWindow::~SpreadWindow() {
    if (isWindow())
        destroyWindow();
    if (gLastFound == this)
        gLastFound = nullptr;
    liveSpreads().erase(this);
}

SpreadWindow* SpreadWindow::fromWindow(ui::Window* window) {
    if (!window)
        return nullptr;
    if (window != gLastFound) {
        if (!liveSpreads().count(window))
            return nullptr;
        gLastFound = window;
    }
    return static_cast<SpreadWindow*>(window);
}

bool SpreadWindow::onCreate() {
    // Zero-sized: it only holds the focus and must never catch a click meant for a cell.
    focus_->create(u"fpSprFocus", u"", ui::WS_CHILD | ui::WS_VISIBLE, ui::Rect{}, this, 0);
    return true;
}

void SpreadWindow::onDestroy() {
    editing_ = false;
    callDefault();
}

void SpreadWindow::reset() {
    if (editing_)
        endEdit(false);
    sheet_.reset();
    activeCol_ = activeRow_ = selCol1_ = selRow1_ = selCol2_ = selRow2_ = 1;
    notifyCol_ = notifyRow_ = 0;
    leftCol_ = topRow_ = 1;
    selBack_ = 0x006A240A, selFore_ = 0x00FFFFFF;
    tip_ = TextTipSettings{};
    settings_.clear();
    invalidate();
}

void SpreadWindow::setSetting(int index, std::int64_t value) { settings_[index] = value; }

std::int64_t SpreadWindow::setting(int index, std::int64_t fallback) const {
    auto it = settings_.find(index);
    return it == settings_.end() ? fallback : it->second;
}

// ---------------------------------------------------------------- active cell and selection

bool SpreadWindow::setActiveCell(int col, int row) {
    if (col < 1 || row < 1 || col > sheet_.maxCols() || row > sheet_.maxRows())
        return false;
    if (editing_)
        endEdit(true);
    Span span;
    if (sheet_.spanAt(col, row, span))
        col = span.col, row = span.row;
    activeCol_ = col, activeRow_ = row;
    selCol1_ = selCol2_ = col;
    selRow1_ = selRow2_ = row;
    scrollIntoView(col, row);
    invalidate();
    return true;
}

bool SpreadWindow::setSelection(int col1, int row1, int col2, int row2) {
    // A negative end reaches the last column or row; a header index selects from the first.
    auto fix = [](int v, int last) { return v < 0 ? last : std::min(std::max(v, 1), std::max(last, 1)); };
    const int c1 = col1 == kHeaderIndex ? 1 : fix(col1, sheet_.maxCols());
    const int r1 = row1 == kHeaderIndex ? 1 : fix(row1, sheet_.maxRows());
    const int c2 = fix(col2, sheet_.maxCols()), r2 = fix(row2, sheet_.maxRows());
    if (sheet_.maxCols() < 1 || sheet_.maxRows() < 1)
        return false;
    selCol1_ = std::min(c1, c2), selCol2_ = std::max(c1, c2);
    selRow1_ = std::min(r1, r2), selRow2_ = std::max(r1, r2);
    if (activeCol_ < selCol1_ || activeCol_ > selCol2_ || activeRow_ < selRow1_ || activeRow_ > selRow2_)
        activeCol_ = selCol1_, activeRow_ = selRow1_;
    invalidate();
    return true;
}

void SpreadWindow::selection(int& col1, int& row1, int& col2, int& row2) const {
    col1 = selCol1_, row1 = selRow1_, col2 = selCol2_, row2 = selRow2_;
}

void SpreadWindow::notify(int code, int col, int row) {
    notifyCol_ = col, notifyRow_ = row;
    notifyParent(code);
}

void SpreadWindow::moveActive(int dc, int dr) {
    int col = std::clamp(activeCol_ + dc, 1, std::max(sheet_.maxCols(), 1));
    int row = std::clamp(activeRow_ + dr, 1, std::max(sheet_.maxRows(), 1));
    // Leaving a span moves past its far edge, not onto its own covered cells.
    Span span;
    if (sheet_.spanAt(activeCol_, activeRow_, span)) {
        if (dc > 0)
            col = std::min(span.col + span.cols, sheet_.maxCols());
        if (dr > 0)
            row = std::min(span.row + span.rows, sheet_.maxRows());
    }
    if (sheet_.maxCols() < 1 || sheet_.maxRows() < 1)
        return;
    const int oldCol = activeCol_, oldRow = activeRow_;
    setActiveCell(col, row);
    if (activeCol_ != oldCol || activeRow_ != oldRow)
        notify(SSN_ACTIVECELLMOVED, activeCol_, activeRow_);
}

void SpreadWindow::scrollIntoView(int col, int row) {
    const ui::Rect client = getClientRect();
    if (col < leftCol_)
        leftCol_ = col;
    if (row < topRow_)
        topRow_ = row;
    // Scroll right / down until the cell's far edge fits (or it is the first shown).
    while (leftCol_ < col) {
        int x = headerWidthPx();
        for (int c = leftCol_; c <= col; ++c)
            x += sheet_.columnWidthPx(c);
        if (x <= client.right)
            break;
        ++leftCol_;
    }
    while (topRow_ < row) {
        int y = headerHeightPx();
        for (int r = topRow_; r <= row && y <= client.bottom; ++r)
            y += sheet_.rowHeightPx(r);
        if (y <= client.bottom)
            break;
        ++topRow_;
    }
}

// ---------------------------------------------------------------- geometry

int SpreadWindow::headerWidthPx() const { return sheet_.switchOn(kSwitchRowHeaders) ? sheet_.columnWidthPx(0) : 0; }

int SpreadWindow::headerHeightPx() const { return sheet_.rowHeightPx(0); }

ui::Rect SpreadWindow::cellRect(int col, int row) const {
    col = col == kHeaderIndex ? 0 : col;
    row = row == kHeaderIndex ? 0 : row;
    if (col < 0 || row < 0 || col > sheet_.maxCols() || row > sheet_.maxRows())
        return {};
    int cols = 1, rows = 1;
    Span span;
    // Cells span cells; a header spans headers only (a header span lies within the header row).
    if (col > 0 && row >= 0 && sheet_.spanAt(col, row, span) && (row > 0 || span.row == 0))
        col = span.col, row = span.row, cols = span.cols, rows = row == 0 ? 1 : span.rows;
    const ui::Rect client = getClientRect();
    auto axis = [](int index, int count, int first, int header, int limit, int last, auto sizeOf, int& a, int& b) {
        if (index == 0) {
            a = 0, b = header;
            return header > 0;
        }
        if (index < first)
            return false;
        int pos = header;
        for (int i = first; i < index; ++i) {
            pos += sizeOf(i);
            if (pos > limit)
                return false;
        }
        a = pos;
        for (int i = index; i < index + count && i <= last && pos <= limit; ++i)
            pos += sizeOf(i);
        b = pos;
        return true;
    };
    ui::Rect r;
    if (!axis(col, cols, leftCol_, headerWidthPx(), client.right, sheet_.maxCols(),
              [&](int c) { return sheet_.columnWidthPx(c); }, r.left, r.right) ||
        !axis(row, rows, topRow_, headerHeightPx(), client.bottom, sheet_.maxRows(),
              [&](int w) { return sheet_.rowHeightPx(w); }, r.top, r.bottom))
        return {};
    return r;
}

bool SpreadWindow::cellFromPoint(ui::Point p, int& col, int& row) const {
    const ui::Rect client = getClientRect();
    if (!client.contains(p))
        return false;
    auto find = [](int v, int header, int first, int last, auto sizeOf, int& out) {
        if (v < header) {
            out = 0;
            return true;
        }
        int pos = header;
        for (int i = first; i <= last; ++i) {
            pos += sizeOf(i);
            if (v < pos) {
                out = i;
                return true;
            }
        }
        return false;
    };
    if (!find(p.x, headerWidthPx(), leftCol_, sheet_.maxCols(), [&](int c) { return sheet_.columnWidthPx(c); }, col) ||
        !find(p.y, headerHeightPx(), topRow_, std::min(sheet_.maxRows(), topRow_ + client.height()),
              [&](int r) { return sheet_.rowHeightPx(r); }, row))
        return false;
    Span span;
    if (col > 0 && row >= 0 && sheet_.spanAt(col, row, span) && (row > 0 || span.row == 0))
        col = span.col, row = span.row;
    return true;
}

void SpreadWindow::scrollBarSizes(int& verticalWidth, int& horizontalHeight) const {
    const ui::Rect client = getClientRect();
    int width = headerWidthPx();
    for (int c = 1; c <= sheet_.maxCols() && width <= client.right; ++c)
        width += sheet_.columnWidthPx(c);
    int height = headerHeightPx();
    for (int r = 1; r <= sheet_.maxRows() && height <= client.bottom; ++r)
        height += sheet_.rowHeightPx(r);
    verticalWidth = height > client.bottom ? ui::Metrics::kScrollBarWidth : 0;
    horizontalHeight = width > client.right ? ui::Metrics::kScrollBarWidth : 0;
}

// ---------------------------------------------------------------- text measures

ui::Font SpreadWindow::cellFont(int col, int row) const {
    ui::Font font = getFont();
    if (std::optional<Font> f = sheet_.font(col, row)) {
        if (!f->face.empty())
            font.face = f->face;
        if (f->height != 0)
            font.height = f->height;
        font.weight = f->bold ? ui::FW_BOLD : ui::FW_NORMAL;
        font.italic = f->italic;
        font.underline = f->underline;
        font.strikeOut = f->strikeOut;
    }
    return font;
}

std::u16string SpreadWindow::displayText(int col, int row) const {
    const CellType type = sheet_.cellType(col, row);
    if (type.kind == CellKind::Button)
        return type.text;
    if (type.kind == CellKind::CheckBox)
        return type.text;
    if (sheet_.hasFormula(col, row))
        return sheet_.valueText(col, row);
    return sheet_.data(col, row);
}

bool SpreadWindow::maxTextCellSize(int col, int row, double& width, double& height) const {
    col = col == kHeaderIndex ? 0 : col;
    row = row == kHeaderIndex ? 0 : row;
    if (col < 0 || row < 0 || col > sheet_.maxCols() || row > sheet_.maxRows())
        return false;
    const std::u16string text = displayText(col, row);
    ui::Size size = ui::textExtent(cellFont(col, row), text);
    if (text.empty())
        size.cx = 0;
    int px = size.cx + 2 * kCellPadding;
    if (isCheck(sheet_.cellType(col, row)))
        px += kCheckBoxSize + kCellPadding;
    // Back into the units of column widths (px = w * 8 + 4) and row heights (px = h * 4 / 3).
    width = std::max(0.0, (px - 4) / 8.0);
    height = (size.cy + 2 * kCellPadding) * 3 / 4.0;
    return true;
}

double SpreadWindow::maxTextColWidth(int col) const {
    double best = 0, w = 0, h = 0;
    for (int row = 1; row <= sheet_.maxRows(); ++row)
        if (maxTextCellSize(col, row, w, h))
            best = std::max(best, w);
    return best;
}

double SpreadWindow::maxTextRowHeight(int row) const {
    double best = 0, w = 0, h = 0;
    for (int col = 0; col <= sheet_.maxCols(); ++col)
        if (maxTextCellSize(col, row, w, h))
            best = std::max(best, h);
    return best;
}

// ---------------------------------------------------------------- editing

bool SpreadWindow::editable(int col, int row) const {
    if (col < 1 || row < 1 || col > sheet_.maxCols() || row > sheet_.maxRows() || sheet_.locked(col, row))
        return false;
    switch (sheet_.cellType(col, row).kind) {
    case CellKind::StaticText:
    case CellKind::CheckBox:
    case CellKind::Button:
    case CellKind::Picture:
    case CellKind::PictureFile: return false;
    default: return true;
    }
}

void SpreadWindow::beginEdit(const std::u16string* replacement) {
    if (editing_ || !isWindow() || !editable(activeCol_, activeRow_))
        return;
    std::u16string text;
    if (replacement)
        text = *replacement;
    else if (sheet_.hasFormula(activeCol_, activeRow_))
        text = joinText({u"=", sheet_.formula(activeCol_, activeRow_)});
    else
        text = sheet_.data(activeCol_, activeRow_);
    ui::Rect r = cellRect(activeCol_, activeRow_);
    if (r.isEmpty())
        r = ui::Rect{0, 0, 1, 1};
    static_cast<ui::Window&>(edit_).create(u"fpSprEdit", text, ui::WS_CHILD | ui::WS_VISIBLE, r, this, 0);
    const CellType type = sheet_.cellType(activeCol_, activeRow_);
    if (type.kind == CellKind::Edit && type.maxLength > 0)
        edit_.setLimitText(type.maxLength);
    editing_ = true;
    edit_.setFocus();
    const int end = int(text.size());
    edit_.setSel(replacement ? end : 0, end);
    notify(SSN_EDITMODEON, activeCol_, activeRow_);
}

void SpreadWindow::endEdit(bool keep) {
    if (!editing_)
        return;
    const std::u16string text = edit_.getWindowText();
    const bool hadFocus = edit_.hasFocus();
    editing_ = false;
    edit_.destroyWindow();
    if (hadFocus && focus_->isWindow())
        focus_->setFocus();
    if (keep)
        writeUserText(activeCol_, activeRow_, text);
    notify(SSN_EDITMODEOFF, activeCol_, activeRow_);
}

void SpreadWindow::writeUserText(int col, int row, const std::u16string& text) {
    const std::u16string before =
        sheet_.hasFormula(col, row) ? joinText({u"=", sheet_.formula(col, row)}) : sheet_.data(col, row);
    if (text == before)
        return;
    // A text that is no formula stays as typed, so a user's slip is shown instead of lost.
    if (text.size() < 2 || text[0] != u'=' || !sheet_.setFormula(col, row, text))
        sheet_.setData(col, row, text);
    sheet_.setSwitch(kSwitchModified, true);
    invalidate();
    notify(SSN_CHANGE, col, row);
}

bool SpreadWindow::setEditMode(bool on) {
    if (on == editing_)
        return true;
    if (on)
        beginEdit(nullptr);
    else
        endEdit(true);
    return editing_ == on;
}

bool SpreadWindow::editSelection(int& start, int& end) const {
    if (!editing_)
        return false;
    edit_.getSel(start, end);
    return true;
}

bool SpreadWindow::setEditSelection(int start, int end) {
    if (!editing_)
        return false;
    edit_.setSel(start, end);
    return true;
}

std::u16string SpreadWindow::editText() const { return editing_ ? edit_.getWindowText() : std::u16string(); }

// ---------------------------------------------------------------- combo boxes

namespace {
std::vector<std::u16string> comboItems(const CellType& type) {
    std::vector<std::u16string> items;
    std::size_t start = 0;
    while (start <= type.text.size() && !type.text.empty()) {
        std::size_t tab = type.text.find(u'\t', start);
        if (tab == std::u16string::npos)
            tab = type.text.size();
        items.push_back(type.text.substr(start, tab - start));
        start = tab + 1;
    }
    return items;
}
} // namespace

bool SpreadWindow::chooseComboItem(int col, int row, int index) {
    const CellType type = sheet_.cellType(col, row);
    if (type.kind != CellKind::ComboBox || sheet_.locked(col, row))
        return false;
    const std::vector<std::u16string> items = comboItems(type);
    if (index < 0 || std::size_t(index) >= items.size())
        return false;
    if (editing_)
        endEdit(false);
    sheet_.setData(col, row, items[std::size_t(index)]);
    sheet_.setSwitch(kSwitchModified, true);
    invalidate();
    notify(SSN_COMBOCHANGE, col, row);
    return true;
}

// ---------------------------------------------------------------- clipboard

bool SpreadWindow::copyToClipboard() {
    if (sheet_.maxCols() < 1 || sheet_.maxRows() < 1)
        return false;
    std::u16string text;
    for (int row = selRow1_; row <= selRow2_; ++row) {
        for (int col = selCol1_; col <= selCol2_; ++col) {
            if (col > selCol1_)
                text += u'\t';
            text += sheet_.valueText(col, row);
        }
        text += u"\r\n";
    }
    ui::Clipboard::setText(std::move(text));
    return true;
}

bool SpreadWindow::pasteFromClipboard() {
    if (!ui::Clipboard::hasText() || editing_)
        return false;
    const std::u16string text = ui::Clipboard::getText();
    int row = selRow1_;
    std::size_t start = 0;
    bool changed = false;
    while (start < text.size() && row <= sheet_.maxRows()) {
        std::size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos)
            end = text.size();
        std::u16string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == u'\r')
            line.remove_suffix(1);
        int col = selCol1_;
        std::size_t from = 0;
        while (col <= sheet_.maxCols()) {
            std::size_t tab = line.find(u'\t', from);
            const std::u16string field(line.substr(from, tab == std::u16string_view::npos ? line.npos : tab - from));
            const bool check = sheet_.cellType(col, row).kind == CellKind::CheckBox && !sheet_.locked(col, row);
            if (editable(col, row) || check) {
                const std::u16string before = sheet_.data(col, row);
                if (field.size() < 2 || field[0] != u'=' || !sheet_.setFormula(col, row, field))
                    sheet_.setData(col, row, field);
                changed = changed || before != sheet_.data(col, row) || sheet_.hasFormula(col, row);
            }
            if (tab == std::u16string_view::npos)
                break;
            from = tab + 1;
            ++col;
        }
        start = end + 1;
        ++row;
    }
    if (changed) {
        sheet_.setSwitch(kSwitchModified, true);
        invalidate();
    }
    return true;
}

// ---------------------------------------------------------------- input

unsigned SpreadWindow::getDlgCode(const ui::Msg*) { return ui::DLGC_WANTARROWS | ui::DLGC_WANTCHARS; }

bool SpreadWindow::preTranslateMessage(const ui::Msg& msg) {
    // While a cell is edited, Enter and Escape end the editing instead of reaching the dialog.
    if (editing_ && msg.message == ui::WM_KEYDOWN && msg.window == &edit_) {
        if (msg.wParam == ui::VK_RETURN) {
            endEdit(true);
            return true;
        }
        if (msg.wParam == ui::VK_ESCAPE) {
            endEdit(false);
            return true;
        }
        if (msg.wParam == ui::VK_TAB)
            endEdit(true);
    }
    return ui::Window::preTranslateMessage(msg);
}

void SpreadWindow::onSetFocus(ui::Window*) {
    callDefault();
    // The grid hands the focus to its child, as the original control does; a dialog's Tab handling looks for it.
    if (editing_ && edit_.isWindow())
        edit_.setFocus();
    else if (focus_->isWindow())
        focus_->setFocus();
}

void SpreadWindow::onKeyDown(unsigned vk, unsigned, unsigned) {
    const bool ctrl = ui::Desktop::isKeyDown(ui::VK_CONTROL);
    switch (vk) {
    case ui::VK_LEFT: moveActive(-1, 0); return;
    case ui::VK_RIGHT: moveActive(1, 0); return;
    case ui::VK_UP: moveActive(0, -1); return;
    case ui::VK_DOWN: moveActive(0, 1); return;
    case ui::VK_F2: beginEdit(nullptr); return;
    case ui::VK_DELETE:
        for (int row = selRow1_; row <= selRow2_; ++row)
            for (int col = selCol1_; col <= selCol2_; ++col)
                if (editable(col, row) && !sheet_.data(col, row).empty())
                    writeUserText(col, row, u"");
        return;
    case ui::VK_SPACE: {
        const CellType type = sheet_.cellType(activeCol_, activeRow_);
        if (isCheck(type) && !sheet_.locked(activeCol_, activeRow_)) {
            sheet_.setData(activeCol_, activeRow_, sheet_.valueText(activeCol_, activeRow_) == u"1" ? u"0" : u"1");
            sheet_.setSwitch(kSwitchModified, true);
            invalidate();
            notify(SSN_CHECKBOXCLICK, activeCol_, activeRow_);
        } else if (type.kind == CellKind::Button) {
            notify(SSN_BUTTONCLICK, activeCol_, activeRow_);
        }
        return;
    }
    default: break;
    }
    if (ctrl && (vk == 'C' || vk == ui::VK_INSERT))
        copyToClipboard();
    else if (ctrl && vk == 'V')
        pasteFromClipboard();
}

void SpreadWindow::onChar(char16_t ch, unsigned repeat, unsigned flags) {
    if (editing_) {
        // Characters sent to the grid itself while it edits belong to the edit field.
        edit_.sendMessage(ui::WM_CHAR, ch, ui::LPARAM(repeat | flags << 16));
        return;
    }
    if (ch < 0x20 || ui::Desktop::isKeyDown(ui::VK_CONTROL))
        return;
    const CellType type = sheet_.cellType(activeCol_, activeRow_);
    if (ch == u' ' && (isCheck(type) || type.kind == CellKind::Button))
        return;   // the key-down already acted
    const std::u16string first(1, ch);
    beginEdit(&first);
}

void SpreadWindow::onLButtonDown(unsigned flags, ui::Point p) {
    int col = 0, row = 0;
    // The focus stays where it is inside the grid (its focus child); otherwise the grid takes it.
    if (ui::Window::getFocus() != focus_.get())
        setFocus();
    if (!cellFromPoint(p, col, row))
        return;
    if (editing_)
        endEdit(true);
    if (col == 0 || row == 0) {
        // A header click selects its column or row (the corner: everything).
        if (col > 0)
            setSelection(col, 1, col, -1);
        else if (row > 0)
            setSelection(1, row, -1, row);
        else
            setSelection(1, 1, -1, -1);
        notify(SSN_CLICK, col, row);
        return;
    }
    const int oldCol = activeCol_, oldRow = activeRow_;
    if (flags & ui::MK_SHIFT) {
        setSelection(activeCol_, activeRow_, col, row);
    } else {
        setActiveCell(col, row);
        if (activeCol_ != oldCol || activeRow_ != oldRow)
            notify(SSN_ACTIVECELLMOVED, col, row);
    }
    notify(SSN_CLICK, col, row);
    const CellType type = sheet_.cellType(col, row);
    if (isCheck(type) && !sheet_.locked(col, row)) {
        sheet_.setData(col, row, sheet_.valueText(col, row) == u"1" ? u"0" : u"1");
        sheet_.setSwitch(kSwitchModified, true);
        invalidate();
        notify(SSN_CHECKBOXCLICK, col, row);
    } else if (type.kind == CellKind::Button && !sheet_.locked(col, row)) {
        notify(SSN_BUTTONCLICK, col, row);
    } else if (type.kind == CellKind::ComboBox && p.x >= cellRect(col, row).right - 16) {
        const std::vector<std::u16string> items = comboItems(type);
        const auto current = std::find(items.begin(), items.end(), sheet_.data(col, row));
        const int count = int(std::max<std::size_t>(items.size(), 1));
        const int next = current == items.end() ? 0 : int(current - items.begin() + 1) % count;
        chooseComboItem(col, row, next);
    }
}

void SpreadWindow::onLButtonDblClk(unsigned, ui::Point p) {
    int col = 0, row = 0;
    if (!cellFromPoint(p, col, row))
        return;
    notify(SSN_DBLCLICK, col, row);
    if (col > 0 && row > 0 && col == activeCol_ && row == activeRow_)
        beginEdit(nullptr);
}

void SpreadWindow::onRButtonDown(unsigned, ui::Point p) {
    int col = 0, row = 0;
    if (cellFromPoint(p, col, row))
        notify(SSN_RIGHTCLICK, col, row);
    callDefault();
}

} // namespace grid
