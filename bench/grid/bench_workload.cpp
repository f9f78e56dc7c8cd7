// The grid's formula engine on a generated workload of N rows:
//   A(r) = r % 100                      a value
//   B(r) = B(r-1) + A(r) * 0.5          a running chain down the column
//   C(r) = SUM(A(r-8):A(r))             a 9-cell window
//   D(r) = IF(A(r) > 50, C(r), -C(r))
// bench/peers/run computes the same workload with libixion and compares the end-to-end times.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <string>

#include "grid/Sheet.h"

using namespace grid;

namespace {

std::u16string u(const std::string& s) { return std::u16string(s.begin(), s.end()); }

// Joins pieces with append: GCC 12 warns falsely (-Wrestrict) on "literal" + std::string at -O3.
std::u16string join(std::initializer_list<std::string> parts) {
    std::string s;
    for (const std::string& p : parts)
        s.append(p);
    return u(s);
}

void build(Sheet& sheet, int rows) {
    sheet.setMaxCols(4);
    sheet.setMaxRows(rows);
    sheet.setSwitch(kSwitchAutoCalc, false);
    for (int r = 1; r <= rows; ++r) {
        const std::string n = std::to_string(r);
        sheet.setNumber(1, r, r % 100);
        sheet.setFormula(2, r, r == 1 ? u"A1*0.5" : join({"B", std::to_string(r - 1), "+A", n, "*0.5"}));
        sheet.setFormula(3, r, join({"SUM(A", std::to_string(std::max(1, r - 8)), ":A", n, ")"}));
        sheet.setFormula(4, r, join({"IF(A", n, ">50,C", n, ",-C", n, ")"}));
    }
}

// Bytes the allocator has handed out: unlike the resident size, it does not depend on what earlier benchmarks
// left in the heap.
double heapMb() { return double(mallinfo2().uordblks) / (1024 * 1024); }

// Building the sheet from texts and calculating it: what the peer comparison measures.
void BM_EndToEnd(benchmark::State& state) {
    const int rows = int(state.range(0));
    for (auto _ : state) {
        Sheet sheet;
        build(sheet, rows);
        sheet.recalcAll();
        benchmark::DoNotOptimize(sheet.valueText(4, rows));
    }
    state.SetItemsProcessed(state.iterations() * rows * 3);
}
BENCHMARK(BM_EndToEnd)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Pure calculation: every formula cell of a built sheet computed again.
void BM_Recalculate(benchmark::State& state) {
    const int rows = int(state.range(0));
    Sheet sheet;
    build(sheet, rows);
    for (auto _ : state)
        sheet.recalcAll();
    state.SetItemsProcessed(state.iterations() * rows * 3);
    state.counters["formula_cells_per_s"] =
        benchmark::Counter(double(state.iterations()) * rows * 3, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Recalculate)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// One edit in the middle of column A with automatic calculation on: the chain below it and the two readers
// of the edited row follow.
void BM_EditAndRecalculate(benchmark::State& state) {
    const int rows = int(state.range(0));
    Sheet sheet;
    build(sheet, rows);
    sheet.recalcAll();
    sheet.setSwitch(kSwitchAutoCalc, true);
    int flip = 0;
    for (auto _ : state)
        sheet.setNumber(1, rows / 2, ++flip % 7);
    state.counters["cells_recalculated"] = double(rows / 2 * 1 + 9 * 2);
}
BENCHMARK(BM_EditAndRecalculate)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A chain of a million references: calculated on the default stack, in time linear in its length.
void BM_Chain(benchmark::State& state) {
    const int links = int(state.range(0));
    for (auto _ : state) {
        Sheet sheet;
        sheet.setMaxCols(1);
        sheet.setMaxRows(links + 1);
        sheet.setSwitch(kSwitchAutoCalc, false);
        sheet.setNumber(1, 1, 1);
        for (int r = 2; r <= links + 1; ++r)
            sheet.setFormula(1, r, join({"A", std::to_string(r - 1), "+1"}));
        sheet.recalcAll();
        benchmark::DoNotOptimize(sheet.valueText(1, links + 1));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Chain)->Arg(250000)->Arg(500000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// Memory of a sheet of 300k formula cells (100k rows).
void BM_Memory300kFormulas(benchmark::State& state) {
    for (auto _ : state) {
        const double before = heapMb();
        auto sheet = std::make_unique<Sheet>();
        build(*sheet, 100000);
        sheet->recalcAll();
        state.counters["heap_MB"] = heapMb() - before;
    }
}
BENCHMARK(BM_Memory300kFormulas)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
