#include <gtest/gtest.h>

#include <random>
#include <string>

#include "dictionary/LineScan.h"

namespace dd {
namespace {

using namespace std::string_literals;

void ExpectSameScan(const std::string& bytes, bool findIrregular, const std::string& label) {
    const LineScan vector = ScanLines(bytes, findIrregular);
    const LineScan scalar = ScanLinesScalar(bytes, findIrregular);
    EXPECT_EQ(vector.firstIrregular, scalar.firstIrregular) << label;
    if (scalar.firstIrregular != kNoOffset) return;  // the rest is not filled in then
    EXPECT_EQ(vector.segmentCount, scalar.segmentCount) << label;
    EXPECT_EQ(vector.lineStarts, scalar.lineStarts) << label;
    EXPECT_EQ(vector.markerLines, scalar.markerLines) << label;
    EXPECT_EQ(vector.ctrlZLines, scalar.ctrlZLines) << label;
}

// The vector scan works on 64-byte blocks; random texts put every byte that matters on every
// position of a block and across block edges.
TEST(LineScan, VectorScanAgreesWithTheScalarOne) {
    static const std::string kPieces[] = {"\n", "\n\n\n\n\n\n\n\n", "\r\n", "\r", "\x1A", "x", "abcdefghijklmnop",
                                          "#==TABLE no ", "#==T", "#=", "\0"s, "#==TABLE no 5\n"};
    std::mt19937 random(64);
    std::uniform_int_distribution<size_t> pick(0, std::size(kPieces) - 1);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes;
        const int pieces = round % 400;
        for (int i = 0; i < pieces; ++i) bytes += kPieces[pick(random)];
        ExpectSameScan(bytes, true, "round " + std::to_string(round));
        ExpectSameScan(bytes, false, "round " + std::to_string(round));
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
    std::string bytes = "ok\r\nA\rB\r\nC\x1A" "D\nE\r\r\n\x1A\rx\n";
    const LineScan scan = ScanLines(bytes, true);
    ASSERT_EQ(scan.firstIrregular, 5u);
    MendIrregularSegments(bytes.data(), bytes.size(), scan.firstIrregular);
    EXPECT_EQ(bytes, "ok\r\nAB\r\r\nC\r\r\nE\r\r\n\x1A\rx\n");
}

}  // namespace
}  // namespace dd
