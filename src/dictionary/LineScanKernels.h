#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace dd {

// What the line scanner needs to know of one 64-byte block, one bit per byte.
struct BlockMasks {
    uint64_t lineFeeds;
    uint64_t ctrlZs;
    uint64_t lonelyReturns;  // carriage returns followed by a byte other than CR or LF
    uint64_t markerStarts;   // "#=" with "T" two bytes further: where a table marker may begin
    int lineFeedCount;
};

// Bytes a kernel reads beyond the blocks it is given.
inline constexpr size_t kKernelLookahead = 19;

// A stretch of plain blocks: blocks without a Ctrl-Z, a marker candidate or (where they count) a lonely
// carriage return, which the scanner only needs to count the line feeds of.
struct PlainRun {
    size_t blocks;           // plain blocks from the start, up to the first block that is not
    size_t lineFeeds;        // line feeds in them
    long long lastLineFeed;  // offset of the last of them from the start; -1 for none
};

// One set of vector instructions: the masks of `blocks` consecutive blocks at `p`, and the run of plain
// blocks at `p` among the next `blocks`.
struct ScanKernel {
    void (*masks)(const char* p, size_t blocks, BlockMasks* out);
    PlainRun (*plainRun)(const char* p, size_t blocks, bool lonelyReturnsCount);
};
using MaskKernel = const ScanKernel*;

// The fastest kernel this processor runs (AVX-512, else AVX2, else SSE2); null where there is none.
MaskKernel BestMaskKernel();
// Every kernel this processor runs, so that each can be checked against the byte-by-byte scan.
std::vector<MaskKernel> AvailableMaskKernels();

}  // namespace dd
