// Standards evaluations through the module's entry point StartDlgStandardsSS, as the host runs them: the
// sample end-plate standard in direct mode, and generated sheets of 1,000 and 10,000 statements. Every
// evaluation loads its document again.
#include "cadhost/AcRx.h"
#include "cadhost/ModuleHost.h"
#include "SS/SSExports.h"
#include "frame/SSModule.h"
#include "nuvo/Ork_Settings.h"
#include "standards/KvDlgStandardsData.h"
#include "ui/Desktop.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// The module attached and initialised for the whole program, as the host keeps it.
struct Module {
    int instance = 0;
    AcRxAppPacket packet{u"SS", &instance};
    Module() {
        ui::Desktop::reset();
        Ork_Settings::setStandardsMessages(false);
        DllMain(&instance, DLL_PROCESS_ATTACH, nullptr);
        acrxEntryPoint(AcRx::kInitAppMsg, &packet);
    }
    ~Module() {
        acrxEntryPoint(AcRx::kUnloadAppMsg, &packet);
        DllMain(&instance, DLL_PROCESS_DETACH, nullptr);
    }
};

Module& module() {
    static Module m;
    return m;
}

// A sheet of `statements` chained statements: V1 = X + 1, Vi = V(i-1) + 1, ..., Y = Vn; the locals are
// declared ten to a row.
fs::path generatedSheet(int statements) {
    const fs::path path = fs::temp_directory_path() / ("ss-bench-" + std::to_string(statements) + ".kvs");
    if (fs::exists(path))
        return path;
    const int declarationRows = (statements + 9) / 10;
    const int rows = 4 + 1 + declarationRows + 1 + statements + 1;
    std::ofstream out(path);
    out << "SS grid 1\nsize 10 " << rows << "\n";
    out << "cell 1 1 text \"Input\"\ncell 1 2 text \"Double X\"\ncell 1 3 text \"Output\"\ncell 1 4 text \"Double Y\"\n";
    out << "cell 1 5 text \"Local\"\n";
    for (int i = 0; i < statements; ++i)
        out << "cell " << (i % 10 + 1) << " " << (6 + i / 10) << " text \"Double V" << (i + 1) << "\"\n";
    int row = 6 + declarationRows;
    out << "cell 1 " << row++ << " text \"Calc\"\n";
    out << "cell 1 " << row++ << " text \"V1 = X + 1\"\n";
    for (int i = 2; i <= statements; ++i)
        out << "cell 1 " << row++ << " text \"V" << i << " = V" << (i - 1) << " + 1\"\n";
    out << "cell 1 " << row++ << " text \"Y = V" << statements << "\"\n";
    out << "end\n";
    return path;
}

KvDlgStandardsData directRecord(const Ork_String& file) {
    KvDlgStandardsData record;
    record.mode = 1;
    record.file = file;
    return record;
}

void BM_EndPlateStandard(benchmark::State& state) {
    module();
    Ork_Settings::setLibDir(Ork_String::fromUtf8(SS_SOURCE_DIR "/samples/library"));
    KvDlgStandardsData record = directRecord(u"EndPlate");
    record.varCells.append(KvVarCell(u"Beam", KvCellType::Input, KvValueType::String, u"IPE 300"));
    record.varCells.append(KvVarCell(u"Shear", KvCellType::Input, KvValueType::Double, u"150"));
    for (int i = 0; i < 11; ++i)
        record.varCells.append(KvVarCell(u"out", KvCellType::Output, KvValueType::String));
    record.genVarNames.append(u"gen_Projection");
    record.genVarValues.append(u"10");
    record.genVarNames.append(u"gen_SteelGrade");
    record.genVarValues.append(u"355");
    for (auto _ : state) {
        KvDlgStandardsData run = record;
        if (!StartDlgStandardsSS(run) || run.varCells[2].value != u"20") {
            state.SkipWithError("the sample end-plate standard did not evaluate");
            break;
        }
        benchmark::DoNotOptimize(run.varCells.length());
    }
    state.counters["evaluations/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EndPlateStandard)->Unit(benchmark::kMicrosecond);

void BM_GeneratedSheet(benchmark::State& state) {
    module();
    const int statements = static_cast<int>(state.range(0));
    KvDlgStandardsData record = directRecord(Ork_String::fromUtf8(generatedSheet(statements).string()));
    record.varCells.append(KvVarCell(u"X", KvCellType::Input, KvValueType::Double, u"1"));
    record.varCells.append(KvVarCell(u"Y", KvCellType::Output, KvValueType::Double));
    for (auto _ : state) {
        KvDlgStandardsData run = record;
        if (!StartDlgStandardsSS(run) || run.varCells[1].value != Ork_String(statements + 1)) {
            state.SkipWithError("the generated sheet did not evaluate");
            break;
        }
    }
    state.SetComplexityN(statements);
}
BENCHMARK(BM_GeneratedSheet)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

} // namespace
