#include <gtest/gtest.h>

#include <random>
#include <string>

#include "dictionary/LineRules.h"
#include "dictionary/LineScan.h"
#include "fuzz/DictionaryExercise.h"

namespace dd {
namespace {

using namespace std::string_literals;

// Scans with the kernel, feeding the bytes in stretches of `step` as a file read would.
LineScan ScanInSteps(const std::string& bytes, bool findIrregular, MaskKernel kernel, size_t step) {
    LineScanner scanner(findIrregular, kernel);
    for (size_t read = step; read < bytes.size(); read += step) scanner.Feed(std::string_view(bytes).substr(0, read));
    scanner.Feed(bytes);
    return scanner.Finish(bytes);
}

void ExpectSameScan(const std::string& bytes, bool findIrregular, MaskKernel kernel, size_t step,
                    const std::string& label) {
    const LineScan vector = ScanInSteps(bytes, findIrregular, kernel, step);
    const LineScan scalar = ScanLinesScalar(bytes, findIrregular);
    EXPECT_EQ(vector.firstIrregular, scalar.firstIrregular) << label;
    if (scalar.firstIrregular != kNoOffset) return;  // the rest is not filled in then
    EXPECT_EQ(vector.segmentCount, scalar.segmentCount) << label;
    EXPECT_EQ(vector.lineStarts, scalar.lineStarts) << label;
    EXPECT_EQ(vector.markerLines, scalar.markerLines) << label;
    EXPECT_EQ(vector.markerLineStarts, scalar.markerLineStarts) << label;
    EXPECT_EQ(vector.ctrlZLines, scalar.ctrlZLines) << label;
}

// Random texts that put every byte that matters on every position of a 64-byte block and across block
// edges; round 0 is empty, and some rounds are long runs of plain lines with a rare byte among them.
std::string RandomText(std::mt19937& random, int round) {
    static const std::string kPieces[] = {"\n",  "\n\n\n\n\n\n\n\n", "\r\n",         "\r",   "\x1A",
                                          "x",   "abcdefghijklmnop", "#==TABLE no ", "#==T", "#=",
                                          "\0"s, "#==TABLE no 5\n"};
    std::uniform_int_distribution<size_t> pick(0, std::size(kPieces) - 1);
    std::string bytes;
    const int pieces = round % 400;
    const bool mostlyPlain = round % 5 == 4;
    for (int i = 0; i < pieces; ++i) {
        if (mostlyPlain && i % 16 != 0) {
            bytes += "F=SP" + std::to_string(i) + "  |# (P)x|C  |9  |0  \r\n";
            continue;
        }
        bytes += kPieces[pick(random)];
    }
    return bytes;
}

// The vector scans work on 64-byte blocks, fed whole or in stretches as they are read.
TEST(LineScan, VectorScansAgreeWithTheScalarOne) {
    const auto kernels = AvailableMaskKernels();
    if (kernels.empty()) GTEST_SKIP() << "no vector kernel on this processor";
    std::mt19937 random(64);
    for (int round = 0; round < 2000; ++round) {
        const std::string bytes = RandomText(random, round);
        const size_t step = round % 3 == 0 ? bytes.size() + 1 : 1 + round % 150;
        for (size_t k = 0; k < kernels.size(); ++k) {
            const std::string label = "round " + std::to_string(round) + " kernel " + std::to_string(k);
            ExpectSameScan(bytes, true, kernels[k], step, label);
            ExpectSameScan(bytes, false, kernels[k], step, label);
        }
    }
}

// The stream reader's scan keeps no line index and notes irregular lines instead of stopping: it counts
// the line feeds of plain blocks alone, and must still find what the byte-by-byte scan finds.
TEST(LineScan, StreamScansInWindowsAgreeWithTheScalarOne) {
    if (AvailableMaskKernels().empty()) GTEST_SKIP() << "no vector kernel on this processor";
    std::mt19937 random(65);
    for (int round = 0; round < 2000; ++round) {
        const std::string bytes = RandomText(random, round);
        const size_t step = round % 3 == 0 ? bytes.size() + 1 : 1 + round % 150;
        try {
            fuzz::CheckScanInWindows(bytes, step);
        } catch (const fuzz::ExerciseFailure& failure) {
            ADD_FAILURE() << "round " << round << ": " << failure.what();
        }
    }
}

TEST(LineScan, IndexesEvery64thLineStart) {
    std::string bytes;
    for (int i = 0; i < 200; ++i) bytes += "line " + std::to_string(i) + "\n";
    const LineScan scan = ScanLines(bytes, true);
    EXPECT_EQ(scan.segmentCount, 200u);
    ASSERT_EQ(scan.lineStarts.size(), 4u);
    EXPECT_EQ(bytes.substr(scan.lineStarts[1], 8), "line 64\n");
    EXPECT_EQ(bytes.substr(scan.lineStarts[3], 9), "line 192\n");
}

TEST(LineScan, MendingRewritesOnlyIrregularSegments) {
    std::string bytes =
        "ok\r\nA\rB\r\nC\x1A"
        "D\nE\r\r\n\x1A\rx\n";
    const LineScan scan = ScanLines(bytes, true);
    ASSERT_EQ(scan.firstIrregular, 5u);
    MendIrregularSegments(bytes.data(), bytes.size(), scan.firstIrregular);
    EXPECT_EQ(bytes, "ok\r\nAB\r\r\nC\r\r\nE\r\r\n\x1A\rx\n");
}

}  // namespace
}  // namespace dd
