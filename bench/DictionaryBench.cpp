// Loading a big dictionary, switching tables in it and searching through it.
//   DD_BENCH_DICTIONARY=path ddbench   (make bench generates the file)
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "dictionary/DictionaryStream.h"
#include "dictionary/SplitRecordLine.h"
#include "platform/FileReading.h"
#include "viewmodel/DictionaryView.h"
#include "viewmodel/SearchPattern.h"

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
dd::DictionaryView OpenView(const std::string& path) {
    dd::DictionaryView view;
    view.Open(path);
    return view;
}

void BM_LoadDictionary(benchmark::State& state) {
    const std::string path = DictionaryPath();
    if (path.empty()) return state.SkipWithError("set DD_BENCH_DICTIONARY");
    const auto size = static_cast<double>(std::filesystem::file_size(path));
    int64_t tables = 0;
    for (auto _ : state) tables = OpenView(path).List().EntryCount();
    state.SetBytesProcessed(static_cast<int64_t>(size) * state.iterations());
    state.counters["tables"] = static_cast<double>(tables);
    state.counters["file_MB"] = size / (1 << 20);
    state.counters["peak_rss_over_file"] = PeakRssBytes() / size;
}

void BM_SwitchToLastTable(benchmark::State& state) {
    const std::string path = DictionaryPath();
    if (path.empty()) return state.SkipWithError("set DD_BENCH_DICTIONARY");
    dd::DictionaryView view = OpenView(path);
    const int32_t last = view.List().EntryCount() - 1;
    for (auto _ : state) view.SelectTable(last);  // one iteration is one table switch
    state.counters["field_rows"] = view.Grid().RowCount() - 2;
}

void BM_FindFirstLine(benchmark::State& state) {
    const std::string path = DictionaryPath();
    if (path.empty()) return state.SkipWithError("set DD_BENCH_DICTIONARY");
    const dd::DictionaryView view = OpenView(path);
    std::string pattern = "|";  // the last table's description with an "x": found nowhere, a full pass
    pattern += view.List().EntryText(view.List().EntryCount() - 1);
    pattern += 'x';
    for (auto _ : state) benchmark::DoNotOptimize(view.Lines().FindFirstLine(pattern));
    state.SetBytesProcessed(static_cast<int64_t>(std::filesystem::file_size(path)) * state.iterations());
}

// The Lister's search from the first table, for a text that only the last table's grid holds (its
// identifier, row 1), or for one that nothing holds.
void FindFromTheStart(benchmark::State& state, bool lastTable, std::string text, int flags) {
    const std::string path = DictionaryPath();
    if (path.empty()) return state.SkipWithError("set DD_BENCH_DICTIONARY");
    dd::DictionaryView view = OpenView(path);
    const int32_t last = view.List().EntryCount() - 1;
    if (lastTable) {
        view.SelectTable(last);
        text = view.Grid().Cell(0, 1);
        view.SelectTable(0);
    }
    for (auto _ : state) {
        view.SelectEntry(0);  // a search from the start begins at the selected table, which a hit moves
        const auto hit = view.Find(text, flags | dd::kFindFirst);
        if (lastTable != (hit && hit->entry == last)) return state.SkipWithError("unexpected search result");
    }
    state.SetBytesProcessed(static_cast<int64_t>(std::filesystem::file_size(path)) * state.iterations());
}

void BM_FindInLastTable(benchmark::State& state) { FindFromTheStart(state, true, "", 0); }
void BM_FindNothing(benchmark::State& state) { FindFromTheStart(state, false, "SC-NO-SUCH", 0); }
// Every table's comment lines hold "Descr", but no cell does.
void BM_FindNothingInCells(benchmark::State& state) { FindFromTheStart(state, false, "Descr", 0); }
// Every field line holds "SP10" but no cell holds it as a whole word: every table's grid is built.
void BM_FindNothingAsWholeWord(benchmark::State& state) { FindFromTheStart(state, false, "SP10", dd::kFindWholeWords); }

// ddview list's reading: the file once through the stream's buffer, each table's description taken.
void BM_StreamTableList(benchmark::State& state) {
    const std::string path = DictionaryPath();
    if (path.empty()) return state.SkipWithError("set DD_BENCH_DICTIONARY");
    class Descriptions : public dd::TableStreamSink {
    public:
        bool WantsTable(int32_t) override { return true; }
        bool TakeLine(int32_t, int64_t, std::string_view line) override {
            bytes += dd::TrimmedRecordField(line, 1, scratch).size();
            return false;
        }
        void EndOfInput(int32_t) override {}
        size_t bytes = 0;
        std::string scratch;
    };
    int32_t tables = 0;
    for (auto _ : state) {
        Descriptions sink;
        const auto source = dd::OpenFileStream(path);
        tables = dd::ReadDictionaryStream(*source, sink);
        benchmark::DoNotOptimize(sink.bytes);
    }
    state.SetBytesProcessed(static_cast<int64_t>(std::filesystem::file_size(path)) * state.iterations());
    state.counters["tables"] = static_cast<double>(tables);
    state.counters["peak_rss_MB"] = PeakRssBytes() / (1 << 20);
}

}  // namespace

BENCHMARK(BM_StreamTableList)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LoadDictionary)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SwitchToLastTable)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindFirstLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindInLastTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNothing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNothingInCells)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNothingAsWholeWord)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
