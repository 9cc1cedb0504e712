#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dictionary/DictionaryStream.h"
#include "support/LoadedDictionary.h"
#include "support/TestPaths.h"

namespace dd {
namespace {

using namespace std::string_literals;

// Every line of every table, from its table line on (or its marker line), as the stream gives them.
class EveryLine : public TableStreamSink {
public:
    struct Line {
        int32_t entry;
        int64_t offset;
        std::string text;
    };
    EveryLine(int64_t lastOffset, bool fromMarker) : lastOffset_(lastOffset), fromMarker_(fromMarker) {}
    bool WantsTable(int32_t) override { return true; }
    bool WantsMarkerLine() const override { return fromMarker_; }
    bool TakeLine(int32_t entry, int64_t offset, std::string_view text) override {
        lines.push_back({entry, offset, std::string(text)});
        return offset < lastOffset_;
    }
    void EndOfInput(int32_t tables) override { endedAfter = tables; }

    std::vector<Line> lines;
    int32_t endedAfter = -1;

private:
    int64_t lastOffset_;
    bool fromMarker_;
};

std::string FileBytesAt(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The stream gives each table the lines that the whole-file reader stores, whatever the pieces the
// file arrives in and however small the buffer: lines then cross every refill and outgrow the buffer.
void ExpectSameLinesAsTheWholeFile(const std::string& bytes, const std::string& label) {
    const auto whole = test::LoadBytes(bytes);
    const int32_t tables = whole->view.List().EntryCount();
    for (const auto& [piece, bufferSize] :
         {std::pair<size_t, size_t>{SIZE_MAX, kStreamBufferSize}, {1, 1}, {3, 16}, {64, 64}, {4096, 100}}) {
        for (const bool fromMarker : {false, true}) {
            const int64_t first = fromMarker ? -2 : 0;
            const std::string where = label + " in pieces of " + std::to_string(piece) + " through " +
                                      std::to_string(bufferSize) + " bytes" + (fromMarker ? ", from the marker" : "");
            EveryLine sink(12, fromMarker);
            MemorySource source(bytes, piece);
            EXPECT_EQ(ReadDictionaryStream(source, sink, bufferSize), tables) << where;
            EXPECT_EQ(sink.endedAfter, tables) << where;
            // Lines come in file order, so the lines of tables whose windows overlap interleave.
            std::vector<std::vector<std::string>> byTable(static_cast<size_t>(tables));
            for (const EveryLine::Line& line : sink.lines) {
                auto& taken = byTable[static_cast<size_t>(line.entry)];
                ASSERT_EQ(line.offset, first + static_cast<int64_t>(taken.size())) << where << ", table " << line.entry;
                taken.push_back(line.text);
            }
            for (int32_t entry = 0; entry < tables; ++entry) {
                const int32_t tableLine = whole->view.List().EntryTableLine(entry);
                const auto& taken = byTable[static_cast<size_t>(entry)];
                for (int32_t offset = static_cast<int32_t>(first); offset <= 12; ++offset) {
                    const std::string_view stored = whole->view.Lines().LineAt(tableLine + offset);
                    // Past the end of the input no line is given; the whole-file reader has empty ones there.
                    const auto index = static_cast<size_t>(offset - first);
                    const std::string_view given = index < taken.size() ? std::string_view(taken[index]) : "";
                    EXPECT_EQ(given, stored) << where << ", table " << entry << " + " << offset;
                }
            }
        }
    }
}

TEST(DictionaryStream, GivesTheLinesOfTheWholeFileReader) {
    struct Case {
        std::string name, bytes;
    };
    const Case cases[] = {
        {"lone CRs joining a marker", "a\r\n#==TA\rBLE no 1\r\n x \r\n T|a|b|c \r\n F=A|b \r\n"},
        {"Ctrl-Z cutting a marker off", "x\x1A#==TABLE no 1\r\n#==TABLE no 2\r\nx\r\nT|a|b|c\r\n"},
        {"Ctrl-Z ending the input", "#==TABLE no 1\r\nx\r\nT|a|b|c\r\nF=A|b\r\n\x1A#==TABLE no 2\r\nx\r\nT|d\r\n"},
        {"Ctrl-Z read right after a marker", "#==TABLE no 1\r\n\x1A\r\nT|a|b|c\r\n#==TABLE no 2\r\nx\r\nT|d|e\r\n"},
        {"markers within two lines of a marker", "#==TABLE no\n#==TABLE no\n#==TABLE no\n#==TABLE no\nT|a\n"},
        {"a marker on the last line", "x\r\n#==TABLE no 1"},
        {"zero bytes", "\0#==TABLE no 1\r\n\0\r\nT|\0a|b\r\nF=\0|x\r\n"s},
        {"no line end at all", "#==TABLE no 1   T|a|b|c"},
    };
    for (const Case& c : cases) ExpectSameLinesAsTheWholeFile(c.bytes, c.name);
    for (const char* sample : {"1Cv7.DD", "1Cv7.DDS"}) {
        ExpectSameLinesAsTheWholeFile(FileBytesAt(test::SamplePath(sample)), sample);
    }
    if (!test::RealDictionariesPresent()) GTEST_SKIP() << "real dictionaries not present";
    for (const char* real : {"artamir__tks__1Cv7.DD", "nasta-sap__cats__1Cv7.DD"}) {
        ExpectSameLinesAsTheWholeFile(FileBytesAt(test::RealDictionaryPath(real)), real);
    }
}

// A source that counts what was read from it.
class CountingSource : public MemorySource {
public:
    using MemorySource::MemorySource;
    size_t Read(char* buffer, size_t size) override {
        const size_t got = MemorySource::Read(buffer, size);
        read += got;
        return got;
    }
    size_t read = 0;
};

// Reading stops once the sink has what it needs, and at a Ctrl-Z that ends the input.
TEST(DictionaryStream, ReadsNoFurtherThanNeeded) {
    std::string bytes = "#==TABLE no 0\r\nx\r\nT|first|a|b\r\n#\r\n";
    while (bytes.size() < (size_t{1} << 20)) bytes += "#==TABLE no 1\r\nx\r\nT|more|a|b\r\nF=A|a|C|1|0\r\n#\r\n";

    class FirstTableLine : public TableStreamSink {
    public:
        bool WantsTable(int32_t entry) override { return entry == 0; }
        bool TakeLine(int32_t, int64_t, std::string_view line) override {
            text = line;
            return false;
        }
        void EndOfInput(int32_t) override {}
        bool Finished() const override { return !text.empty(); }
        std::string text;
    } sink;
    CountingSource source(bytes, 4096);
    ReadDictionaryStream(source, sink, 4096);
    EXPECT_EQ(sink.text, "T|first|a|b");
    EXPECT_LE(source.read, 8192u);

    EveryLine every(0, false);
    const std::string endedEarly = "#==TABLE no 0\r\nx\r\nT|a\r\n\x1A\r\n" + bytes;
    CountingSource ended(endedEarly, 4096);
    EXPECT_EQ(ReadDictionaryStream(ended, every, 4096), 1);
    EXPECT_LE(ended.read, 8192u);
}

}  // namespace
}  // namespace dd
