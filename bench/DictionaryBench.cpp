// Loading a big dictionary and switching tables in it.
//   DD_BENCH_DICTIONARY=path ddbench   (make bench generates the file)
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "dictionary/Dictionary.h"
#include "dictionary/GridModel.h"
#include "dictionary/TableFieldView.h"
#include "dictionary/TableListModel.h"

namespace {

std::string DictionaryPath() {
    const char* path = std::getenv("DD_BENCH_DICTIONARY");
    return path != nullptr ? path : "";
}

double PeakRssBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

// The bench dictionary opened as the viewer opens it.
struct OpenDictionary {
    dd::Dictionary dictionary;
    dd::TableListModel LB;
    dd::GridModel SG;
    explicit OpenDictionary(const std::string& path) { dd::LoadDictionary(dictionary, path, LB, SG); }
};

void BM_LoadDictionary(benchmark::State& state) {
    const std::string path = DictionaryPath();
    if (path.empty()) return state.SkipWithError("set DD_BENCH_DICTIONARY");
    const auto size = static_cast<double>(std::filesystem::file_size(path));
    int64_t tables = 0;
    for (auto _ : state) tables = OpenDictionary(path).LB.EntryCount();
    state.SetBytesProcessed(static_cast<int64_t>(size) * state.iterations());
    state.counters["tables"] = static_cast<double>(tables);
    state.counters["file_MB"] = size / (1 << 20);
    state.counters["peak_rss_over_file"] = PeakRssBytes() / size;
}

void BM_SwitchToLastTable(benchmark::State& state) {
    const std::string path = DictionaryPath();
    if (path.empty()) return state.SkipWithError("set DD_BENCH_DICTIONARY");
    OpenDictionary open(path);
    open.LB.SelectEntry(open.LB.EntryCount() - 1);
    for (auto _ : state) dd::LBClick(open.dictionary, open.LB, open.SG);  // one iteration is one table switch
    state.counters["field_rows"] = open.SG.RowCount() - 2;
}

void BM_FindFirstLine(benchmark::State& state) {
    const std::string path = DictionaryPath();
    if (path.empty()) return state.SkipWithError("set DD_BENCH_DICTIONARY");
    const OpenDictionary open(path);
    std::string pattern = "|";  // the last table's description with an "x": found nowhere, a full pass
    pattern += open.LB.EntryText(open.LB.EntryCount() - 1);
    pattern += 'x';
    for (auto _ : state) benchmark::DoNotOptimize(open.dictionary.MAll.FindFirstLine(pattern));
    state.SetBytesProcessed(static_cast<int64_t>(std::filesystem::file_size(path)) * state.iterations());
}

}  // namespace

BENCHMARK(BM_LoadDictionary)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SwitchToLastTable)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindFirstLine)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
