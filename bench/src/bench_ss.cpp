// The ss program as a user runs it, whole process (start, load the module, work, unload): `ss batch` of the
// sample end plate on 1,000 and 10,000 cases, and `ss calc` of the bench_workload sheet (100,000 rows, 300,000
// formulas) saved as a grid document. Each run reports its peak resident memory ("maxrss_MB"): the batch's
// must not grow with its rows. The ss program is the one built beside this benchmark (build the ss target too).
#include "grid/GridDocument.h"
#include "grid/Sheet.h"
#include "os/utf16.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

fs::path ssProgram() { return fs::read_symlink("/proc/self/exe").parent_path() / "tools" / "ss" / "ss"; }

// Runs ss with `words`, its standard output to `output`; the exit code, and the peak resident size in `maxrssMb`.
int runSs(const std::vector<std::string>& words, const fs::path& output, double& maxrssMb) {
    const std::string program = ssProgram().string();
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& w : words)
        argv.push_back(const_cast<char*>(w.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return -1;
    maxrssMb = double(usage.ru_maxrss) / 1024;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Beams and forces of the sample end plate, cycled through `rows` cases.
fs::path endPlateCases(int rows) {
    const fs::path path = fs::temp_directory_path() / ("ss-bench-endplate-" + std::to_string(rows) + ".csv");
    std::ofstream out(path);
    const int beams[] = {200, 220, 240, 270, 300, 330, 360, 400, 450, 500, 550, 600};
    out << "Beam,Shear,gen_Projection,gen_SteelGrade\n";
    for (int i = 0; i < rows; ++i)
        out << "IPE " << beams[i % 12] << "," << 40 + (i / 12) % 160 << ",10,355\n";
    return path;
}

void BM_SsBatchEndPlate(benchmark::State& state) {
    const int rows = int(state.range(0));
    const fs::path cases = endPlateCases(rows);
    const fs::path results = fs::temp_directory_path() / "ss-bench-endplate-results.csv";
    const fs::path output = fs::temp_directory_path() / "ss-bench-batch.out";
    setenv("SS_LIBRARY", SS_SOURCE_DIR "/samples/library", 1);
    double maxrss = 0;
    for (auto _ : state) {
        if (runSs({"batch", "EndPlate", cases.string(), "--out", results.string()}, output, maxrss) != 0) {
            state.SkipWithError("ss batch failed");
            break;
        }
    }
    state.counters["rows/s"] = benchmark::Counter(double(state.iterations()) * rows, benchmark::Counter::kIsRate);
    state.counters["maxrss_MB"] = maxrss;
}
BENCHMARK(BM_SsBatchEndPlate)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The workload of bench/grid/bench_workload.cpp, written once as a grid document.
fs::path workloadDocument(int rows) {
    const fs::path path = fs::temp_directory_path() / ("ss-bench-workload-" + std::to_string(rows) + ".kvs");
    if (fs::exists(path))
        return path;
    grid::Sheet sheet;
    sheet.setMaxCols(4);
    sheet.setMaxRows(rows);
    sheet.setSwitch(grid::kSwitchAutoCalc, false);
    for (int r = 1; r <= rows; ++r) {
        const std::string n = std::to_string(r), previous = std::to_string(r - 1);
        sheet.setNumber(1, r, r % 100);
        sheet.setFormula(2, r, os::toUtf16(r == 1 ? std::string("A1*0.5") : "B" + previous + "+A" + n + "*0.5"));
        sheet.setFormula(3, r, os::toUtf16("SUM(A" + std::to_string(std::max(1, r - 8)) + ":A" + n + ")"));
        sheet.setFormula(4, r, os::toUtf16("IF(A" + n + ">50,C" + n + ",-C" + n + ")"));
    }
    std::u16string error;
    if (!grid::GridDocument::save(sheet, os::toUtf16(path.string()), error))
        return {};
    return path;
}

void BM_SsCalcWorkloadDocument(benchmark::State& state) {
    const fs::path document = workloadDocument(int(state.range(0)));
    const fs::path output = fs::temp_directory_path() / "ss-bench-calc.out";
    double maxrss = 0;
    for (auto _ : state) {
        if (document.empty() || runSs({"calc", document.string()}, output, maxrss) != 0) {
            state.SkipWithError("ss calc failed");
            break;
        }
    }
    state.counters["maxrss_MB"] = maxrss;
}
BENCHMARK(BM_SsCalcWorkloadDocument)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
