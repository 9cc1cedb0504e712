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

// Fills the masks of `blocks` consecutive blocks at `p`.
using MaskKernel = void (*)(const char* p, size_t blocks, BlockMasks* out);

// The fastest kernel this processor runs (AVX-512, else AVX2, else SSE2); null where there is none.
MaskKernel BestMaskKernel();
// Every kernel this processor runs, so that each can be checked against the byte-by-byte scan.
std::vector<MaskKernel> AvailableMaskKernels();

}  // namespace dd
