// The sheet's recalculation: the dependency graph, the ordering of out-of-date cells, and the calls of custom
// functions.
//
// A formula cell is "dirty" when its value may be out of date; whenever a cell is dirty, so is every cell that
// reads it. A pass orders the dirty cells with Tarjan's algorithm run on an explicit stack — a cell is computed
// after the cells it reads, and each strongly connected group of more than one cell (or a cell reading itself)
// is a loop whose every cell gets the circular error. Nothing recurses over the dependencies, so a chain of a
// million references needs no more stack than a chain of two.
#include <algorithm>

#include "grid/Evaluator.h"
#include "grid/Sheet.h"
#include "os/textCase.h"

namespace grid {

class Sheet::Host final : public EvalHost {
public:
    Host(Sheet& sheet, int col, int row) : sheet_(sheet), col_(col), row_(row) {}

    const Value& cellValue(int col, int row) override {
        static const Value kEmpty;
        CellId id = sheet_.store_.find(col, row);
        return id ? sheet_.store_.cell(id).value : kEmpty;
    }
    void forEachCell(const Operand& range, const std::function<bool(int, int, const Value&)>& visit) override {
        Block b{std::max(range.col1, 1), std::max(range.row1, 1), range.col2, range.row2};
        sheet_.store_.forEachInBlock(b, [&](CellId id) {
            const Cell& c = sheet_.store_.cell(id);
            return c.value.isEmpty() || visit(c.col, c.row, c.value);
        });
    }
    int currentCol() const override { return col_; }
    int currentRow() const override { return row_; }
    double random() override { return std::uniform_real_distribution<double>(0.0, 1.0)(sheet_.random_); }
    Value callByName(std::u16string_view name, Operand* args, int count, bool& known) override {
        return sheet_.callCustom(name, args, count, known, col_, row_);
    }

private:
    Sheet& sheet_;
    int col_, row_;
};

namespace {

bool isReference(const Op& op) { return op.code == OpCode::Ref || op.code == OpCode::Range; }

// The part of a referenced block that lies on the sheet; false when none does.
bool onSheet(Block& b) {
    b.col1 = std::max(b.col1, 1);
    b.row1 = std::max(b.row1, 1);
    b.col2 = std::min(b.col2, kMaxCols);
    b.row2 = std::min(b.row2, kMaxRows);
    return b.col1 <= b.col2 && b.row1 <= b.row2;
}

} // namespace

std::shared_ptr<const Formula> Sheet::intern(Formula&& formula) {
    return intern(FormulaCache::instance().share(std::move(formula)));
}

std::shared_ptr<const Formula> Sheet::intern(std::shared_ptr<const ParsedProgram> program) {
    const Formula* formula = &program->formula;
    return std::shared_ptr<const Formula>(std::move(program), formula);
}

void Sheet::registerFormula(CellId id) {
    const Cell& c = store_.cell(id);
    for (const Op& op : c.formula->ops) {
        if (!isReference(op) || (op.flags & kRefDeleted))
            continue;
        Block b = op.block(c.col, c.row);
        if (onSheet(b))
            deps_.add(b, id);
    }
    if (c.formula->callsByName)
        byName_.push_back(id);
}

void Sheet::unregisterFormula(CellId id) {
    const Cell& c = store_.cell(id);
    for (const Op& op : c.formula->ops) {
        if (!isReference(op) || (op.flags & kRefDeleted))
            continue;
        Block b = op.block(c.col, c.row);
        if (onSheet(b))
            deps_.remove(b, id);
    }
}

void Sheet::dropFormula(CellId id) {
    unregisterFormula(id);
    Cell& c = store_.cell(id);
    c.formula.reset();
    c.flags &= std::uint8_t(~Cell::kDirty);
}

void Sheet::rebuildDependencies() {
    deps_.clear();
    byName_.clear();
    store_.forEachLive([&](CellId id) {
        if (store_.cell(id).formula)
            registerFormula(id);
    });
}

void Sheet::markDirty(CellId id) {
    Cell& c = store_.cell(id);
    if (c.dirty())
        return;
    c.flags |= Cell::kDirty;
    dirty_.push_back(id);
}

void Sheet::markReadersDirty(int col, int row) {
    if (deps_.empty())
        return;
    std::vector<CellId> queue;
    auto visit = [&](CellId reader) {
        Cell& r = store_.cell(reader);
        if (!r.live() || !r.formula || r.dirty())
            return;   // a dirty cell's readers are dirty already
        markDirty(reader);
        queue.push_back(reader);
    };
    deps_.forEachReader(Block{col, row, col, row}, visit);
    while (!queue.empty()) {
        const Cell& c = store_.cell(queue.back());
        queue.pop_back();
        deps_.forEachReader(Block{c.col, c.row, c.col, c.row}, visit);
    }
}

void Sheet::changed(int col, int row) {
    if (col == 0 || row == 0)
        return;
    markReadersDirty(col, row);
    if (switchOn(kSwitchAutoCalc) && !calculating_)
        recalcDirty();
}

void Sheet::recalcDirty() {
    if (calculating_)
        return;
    // A custom function may write into the sheet while it is calculated; what that makes dirty is computed in
    // a further pass. The bound keeps a function that writes on every call from looping for ever.
    for (int round = 0; round < 8 && !dirty_.empty(); ++round) {
        std::vector<CellId> roots;
        roots.swap(dirty_);
        calculate(roots, false);
    }
}

bool Sheet::recalcCell(int col, int row) {
    col = internal(col), row = internal(row);
    if (calculating_ || !readable(col, row))
        return false;
    CellId id = cellAt(col, row);
    if (!id || !store_.cell(id).formula)
        return true;   // nothing to compute: a value is always up to date
    calculate(std::span<const CellId>(&id, 1), true);
    return true;
}

void Sheet::recalcAll() {
    if (calculating_)
        return;
    store_.forEachLive([&](CellId id) {
        if (store_.cell(id).formula)
            markDirty(id);
    });
    recalcDirty();
}

void Sheet::gatherPrecedents(CellId id, std::vector<CellId>& out) {
    const Cell& c = store_.cell(id);
    if (!c.formula)
        return;
    auto consider = [&](CellId w) {
        const Cell& p = store_.cell(w);
        if (p.formula && (p.dirty() || w == id))
            out.push_back(w);
        return true;
    };
    for (const Op& op : c.formula->ops) {
        if (!isReference(op) || (op.flags & kRefDeleted))
            continue;
        Block b = op.block(c.col, c.row);
        if (!onSheet(b))
            continue;
        if (op.code == OpCode::Ref) {
            if (CellId w = store_.find(b.col1, b.row1))
                consider(w);
        } else {
            store_.forEachInBlock(b, consider);
        }
    }
}

void Sheet::evaluateCell(CellId id, std::vector<Operand>& stack) {
    Cell& c = store_.cell(id);
    std::shared_ptr<const Formula> formula = c.formula;
    // Cleared first: a custom function that changes what this cell reads marks it dirty again for a later pass.
    c.flags &= std::uint8_t(~Cell::kDirty);
    if (!formula)
        return;
    Host host(*this, c.col, c.row);
    Value v = Evaluator(host, &stack).evaluate(*formula, c.col, c.row);
    ++evaluations_;
    Cell& after = store_.cell(id);   // cells never move; the formula may have been replaced meanwhile
    if (after.live() && after.formula == formula)
        after.value = std::move(v);
}

void Sheet::calculate(std::span<const CellId> roots, bool forceRoots) {
    const std::size_t level = static_cast<std::size_t>(calculating_);
    ++calculating_;
    ++pass_;
    if (calcScratch_.size() <= level)
        calcScratch_.push_back(std::make_unique<CalcScratch>());
    CalcScratch& scratch = *calcScratch_[level];
    auto& frames = scratch.frames;
    auto& precedents = scratch.precedents;
    auto& tarjan = scratch.tarjan;
    auto& group = scratch.group;
    auto& stack = scratch.stack;
    frames.clear();
    precedents.clear();
    tarjan.clear();
    group.clear();
    stack.clear();
    std::uint32_t counter = 0;

    auto open = [&](CellId id) {
        Cell& c = store_.cell(id);
        c.visit = pass_;
        c.index = c.low = counter++;
        c.flags = std::uint8_t((c.flags | Cell::kOnStack) & ~Cell::kSelfRef);
        tarjan.push_back(id);
        const std::size_t begin = precedents.size();
        gatherPrecedents(id, precedents);
        frames.push_back({id, begin, begin, precedents.size()});
    };

    for (CellId root : roots) {
        const Cell& r = store_.cell(root);
        if (!r.live() || !r.formula || r.visit == pass_ || (!forceRoots && !r.dirty()))
            continue;
        open(root);
        while (!frames.empty()) {
            CalcScratch::Frame& f = frames.back();
            if (f.next < f.end) {
                CellId w = precedents[f.next++];
                Cell& cv = store_.cell(f.id);
                Cell& cw = store_.cell(w);
                if (w == f.id)
                    cv.flags |= Cell::kSelfRef;
                else if (cw.visit != pass_)
                    open(w);   // invalidates f
                else if (cw.flags & Cell::kOnStack)
                    cv.low = std::min(cv.low, cw.index);
                continue;
            }
            const CellId v = f.id;
            precedents.resize(f.begin);
            frames.pop_back();
            Cell& cv = store_.cell(v);
            if (cv.low == cv.index) {
                group.clear();
                CellId w;
                do {
                    w = tarjan.back();
                    tarjan.pop_back();
                    store_.cell(w).flags &= std::uint8_t(~Cell::kOnStack);
                    group.push_back(w);
                } while (w != v);
                if (group.size() == 1 && !(cv.flags & Cell::kSelfRef)) {
                    evaluateCell(v, stack);
                } else {
                    for (CellId member : group) {
                        Cell& m = store_.cell(member);
                        m.value = Value::error(ErrorCode::Circular);
                        m.flags &= std::uint8_t(~Cell::kDirty);
                    }
                }
            }
            if (!frames.empty()) {
                Cell& parent = store_.cell(frames.back().id);
                parent.low = std::min(parent.low, store_.cell(v).low);
            }
        }
    }
    --calculating_;
}

const std::shared_ptr<CustomFunction>* Sheet::findCustom(std::u16string_view name) {
    // Names stand in the formulas' string tables at like offsets, so their addresses share their low bits.
    const std::uint64_t mixed = std::uint64_t(reinterpret_cast<std::uintptr_t>(name.data())) * 0x9E3779B97F4A7C15u;
    RecentCall& recent = recentCalls_[(mixed >> 32) % kRecentCalls];
    if (recent.generation == customGeneration_ && recent.text == name.data() && recent.size == name.size() &&
        recent.fn && sameAsUpperName(name, (*recent.fn)->name))
        return recent.fn;
    const auto it = custom_.find(UpperName(name).view());
    if (it == custom_.end())
        return nullptr;
    recent = {name.data(), name.size(), customGeneration_, &it->second};
    return &it->second;
}

Value Sheet::callCustom(std::u16string_view name, Operand* args, int count, bool& known, int col, int row) {
    const std::shared_ptr<CustomFunction>* found = findCustom(name);
    if (!found) {
        known = false;
        return {};
    }
    known = true;
    // Held while it runs: the callback may register the function again, replacing this entry.
    std::shared_ptr<CustomFunction> fn = *found;
    if (count < fn->minArgs || count > fn->maxArgs)
        return Value::error(ErrorCode::Value);

    Host host(*this, col, row);
    // The argument records of the usual few arguments stand on the stack.
    constexpr int kInlineArguments = 8;
    SSValueRecord inlineRecords[kInlineArguments] = {};   // all blank: an early release reads them all
    std::vector<SSValueRecord> manyRecords;
    if (count > kInlineArguments)
        manyRecords.resize(static_cast<std::size_t>(count));
    SSValueRecord* const records = count > kInlineArguments ? manyRecords.data() : inlineRecords;
    auto releaseArguments = [&]() {
        // The callback frees the texts it reads; whatever it left is freed here.
        for (const SSValueRecord& r : std::span(records, static_cast<std::size_t>(count)))
            if (r.type == SSTypeString && r.status == SSStatusValid)
                GlobalMemory::free(r.hValue);   // refused when the callback freed it already
    };
    for (int i = 0; i < count; ++i) {
        SSValueRecord& rec = records[std::size_t(i)];
        rec = SSValueRecord{};
        const Operand& a = args[i];
        if (a.kind == Operand::Kind::Range) {
            rec.type = SSTypeRange;
            rec.range = {a.col1, a.row1, a.col2, a.row2};
            continue;
        }
        if (a.kind == Operand::Kind::Ref && (fn->flags & kPassReferences)) {
            rec.type = SSTypeCellRef;
            rec.cell = {a.col1, a.row1};
            continue;
        }
        Value v = derefOperand(host, a);
        switch (v.kind()) {
        case ValueKind::Error: releaseArguments(); return v;
        case ValueKind::Empty:
            rec.status = SSStatusNoValue;
            rec.type = SSTypeLong;
            break;
        case ValueKind::Bool:
            rec.type = SSTypeLong;
            rec.lValue = v.boolValue() ? 1 : 0;
            break;
        case ValueKind::Number:
            rec.type = SSTypeDouble;
            rec.dValue = v.numberValue();
            break;
        case ValueKind::Text:
            rec.type = SSTypeString;
            rec.hValue = GlobalMemory::fromText(v.textValue());
            if (!rec.hValue)
                rec.status = SSStatusUnreadable;
            break;
        }
    }
    SSValueRecord result{};
    const bool ok = fn->callback(result, records, std::int16_t(count));
    releaseArguments();
    const bool textResult = result.type == SSTypeString && result.hValue != 0;
    Value out;
    if (!ok || result.status == SSStatusUnreadable) {
        out = Value::error(ErrorCode::Value);
    } else if (result.status == SSStatusNoValue) {
        out = Value();
    } else {
        switch (result.type) {
        case SSTypeLong: out = Value::number(result.lValue); break;
        case SSTypeDouble: out = Value::number(result.dValue); break;
        case SSTypeString: {
            std::u16string text;
            out = GlobalMemory::toText(result.hValue, text) ? Value::text(text) : Value::error(ErrorCode::Value);
            break;
        }
        case SSTypeCellRef: {
            out = host.cellValue(result.cell.col, result.cell.row);
            if (out.isEmpty())
                out = Value::number(0);
            break;
        }
        default: out = Value::error(ErrorCode::Value);
        }
    }
    // A text result's block belongs to the grid once handed over.
    if (textResult && result.status != SSStatusNoValue)
        GlobalMemory::free(result.hValue);   // refused for a handle the callback left unknown
    return out;
}

} // namespace grid
