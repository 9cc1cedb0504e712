#include "dictionary/LineScanKernels.h"

#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64)
#define DD_X86 1
#include <immintrin.h>
#endif

namespace dd {

MaskKernel BestMaskKernel() {
    static const MaskKernel kernel = [] {
        const auto kernels = AvailableMaskKernels();
        return kernels.empty() ? nullptr : kernels.back();
    }();
    return kernel;
}

#if DD_X86 && defined(__SSE2__)
namespace {

inline uint64_t Movemask16(__m128i x, int shift) {
    return static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(x))) << shift;
}

inline int SwarPopCount(uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((x * 0x0101010101010101ULL) >> 56);
}

// Where the line feeds of a plain block go: counted, and the last one's offset kept. Without a branch:
// whether a block holds a line feed is as hard to guess as the line lengths are varied.
inline void CountLineFeeds(uint64_t lineFeeds, size_t block, int count, PlainRun& run) {
    run.lineFeeds += static_cast<size_t>(count);
    const long long last = static_cast<long long>(64 * block) + 63 - __builtin_clzll(lineFeeds | 1);
    run.lastLineFeed = lineFeeds != 0 ? last : run.lastLineFeed;
}

// Carriage returns followed by neither CR nor LF, the byte after the block included.
inline uint64_t LonelyReturns(uint64_t returns, uint64_t lineFeeds, char next) {
    if (returns == 0) return 0;
    uint64_t followedByBreak = (lineFeeds | returns) >> 1;
    if (next == '\n' || next == '\r') followedByBreak |= uint64_t{1} << 63;
    return returns & ~followedByBreak;
}

void MasksSse2(const char* p, size_t blocks, BlockMasks* out) {
    const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r'), ctrlZ = _mm_set1_epi8(26);
    const __m128i hash = _mm_set1_epi8('#'), equals = _mm_set1_epi8('='), tee = _mm_set1_epi8('T');
    for (size_t b = 0; b < blocks; ++b, p += 64) {
        uint64_t lineFeeds = 0, returns = 0, ctrlZs = 0, markers = 0;
        for (int k = 0; k < 4; ++k) {
            const char* q = p + 16 * k;
            const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
            lineFeeds |= Movemask16(_mm_cmpeq_epi8(x, lf), 16 * k);
            returns |= Movemask16(_mm_cmpeq_epi8(x, cr), 16 * k);
            ctrlZs |= Movemask16(_mm_cmpeq_epi8(x, ctrlZ), 16 * k);
            const __m128i e = _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 1)), equals);
            const __m128i t = _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 3)), tee);
            markers |= Movemask16(_mm_and_si128(_mm_cmpeq_epi8(x, hash), _mm_and_si128(e, t)), 16 * k);
        }
        *out++ = {lineFeeds, ctrlZs, LonelyReturns(returns, lineFeeds, p[64]), markers, SwarPopCount(lineFeeds)};
    }
}

PlainRun PlainRunSse2(const char* p, size_t blocks, bool lonelyReturnsCount) {
    PlainRun run{0, 0, -1};
    BlockMasks m;
    for (; run.blocks < blocks; ++run.blocks, p += 64) {
        MasksSse2(p, 1, &m);
        if ((m.ctrlZs | m.markerStarts | (lonelyReturnsCount ? m.lonelyReturns : 0)) != 0) break;
        CountLineFeeds(m.lineFeeds, run.blocks, m.lineFeedCount, run);
    }
    return run;
}

constexpr ScanKernel kSse2{MasksSse2, PlainRunSse2};

__attribute__((target("avx2,popcnt"))) inline uint64_t Movemask32(__m256i x, int shift) {
    return static_cast<uint64_t>(static_cast<uint32_t>(_mm256_movemask_epi8(x))) << shift;
}

__attribute__((target("avx2,popcnt"))) void MasksAvx2(const char* p, size_t blocks, BlockMasks* out) {
    const __m256i lf = _mm256_set1_epi8('\n'), cr = _mm256_set1_epi8('\r'), ctrlZ = _mm256_set1_epi8(26);
    const __m256i hash = _mm256_set1_epi8('#'), equals = _mm256_set1_epi8('='), tee = _mm256_set1_epi8('T');
    for (size_t b = 0; b < blocks; ++b, p += 64) {
        uint64_t lineFeeds = 0, returns = 0, ctrlZs = 0, markers = 0;
        for (int k = 0; k < 2; ++k) {
            const char* q = p + 32 * k;
            const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q));
            lineFeeds |= Movemask32(_mm256_cmpeq_epi8(x, lf), 32 * k);
            returns |= Movemask32(_mm256_cmpeq_epi8(x, cr), 32 * k);
            ctrlZs |= Movemask32(_mm256_cmpeq_epi8(x, ctrlZ), 32 * k);
            const __m256i e = _mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(q + 1)), equals);
            const __m256i t = _mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(q + 3)), tee);
            markers |= Movemask32(_mm256_and_si256(_mm256_cmpeq_epi8(x, hash), _mm256_and_si256(e, t)), 32 * k);
        }
        *out++ = {lineFeeds, ctrlZs, LonelyReturns(returns, lineFeeds, p[64]), markers,
                  __builtin_popcountll(lineFeeds)};
    }
}

// The plain blocks worked out without storing their masks: most blocks of a dictionary are plain.
__attribute__((target("avx2,popcnt,lzcnt"))) PlainRun PlainRunAvx2(const char* p, size_t blocks,
                                                                   bool lonelyReturnsCount) {
    const __m256i lf = _mm256_set1_epi8('\n'), cr = _mm256_set1_epi8('\r'), ctrlZ = _mm256_set1_epi8(26);
    const __m256i hash = _mm256_set1_epi8('#'), equals = _mm256_set1_epi8('='), tee = _mm256_set1_epi8('T');
    const __m256i returnsCount = _mm256_set1_epi8(lonelyReturnsCount ? -1 : 0);
    PlainRun run{0, 0, -1};
    for (; run.blocks < blocks; ++run.blocks, p += 64) {
        __m256i special = _mm256_setzero_si256();
        uint64_t lineFeeds = 0;
        for (int k = 0; k < 2; ++k) {
            const char* q = p + 32 * k;
            const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q));
            const __m256i next = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q + 1));
            const __m256i feeds = _mm256_cmpeq_epi8(x, lf);
            lineFeeds |= Movemask32(feeds, 32 * k);
            const __m256i followedByBreak = _mm256_or_si256(_mm256_cmpeq_epi8(next, lf), _mm256_cmpeq_epi8(next, cr));
            const __m256i lonely =
                _mm256_and_si256(_mm256_andnot_si256(followedByBreak, _mm256_cmpeq_epi8(x, cr)), returnsCount);
            const __m256i markers = _mm256_and_si256(
                _mm256_cmpeq_epi8(x, hash),
                _mm256_and_si256(_mm256_cmpeq_epi8(next, equals),
                                 _mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(q + 3)), tee)));
            special = _mm256_or_si256(special,
                                      _mm256_or_si256(_mm256_cmpeq_epi8(x, ctrlZ), _mm256_or_si256(markers, lonely)));
        }
        if (!_mm256_testz_si256(special, special)) break;
        CountLineFeeds(lineFeeds, run.blocks, __builtin_popcountll(lineFeeds), run);
    }
    return run;
}

constexpr ScanKernel kAvx2{MasksAvx2, PlainRunAvx2};

#if !defined(_WIN32)
// One register holds a whole block. Not on Windows, whose compilers do not align 64-byte spills on the stack.
#define DD_AVX512 1

__attribute__((target("avx512f,avx512bw,popcnt"))) void MasksAvx512(const char* p, size_t blocks, BlockMasks* out) {
    const __m512i lf = _mm512_set1_epi8('\n'), cr = _mm512_set1_epi8('\r'), ctrlZ = _mm512_set1_epi8(26);
    const __m512i hash = _mm512_set1_epi8('#'), equals = _mm512_set1_epi8('='), tee = _mm512_set1_epi8('T');
    for (size_t b = 0; b < blocks; ++b, p += 64) {
        const __m512i x = _mm512_loadu_si512(p);
        const uint64_t lineFeeds = _mm512_cmpeq_epi8_mask(x, lf);
        const uint64_t returns = _mm512_cmpeq_epi8_mask(x, cr);
        uint64_t markers = _mm512_cmpeq_epi8_mask(x, hash);
        if (markers != 0) {
            markers &= _mm512_cmpeq_epi8_mask(_mm512_loadu_si512(p + 1), equals) &
                       _mm512_cmpeq_epi8_mask(_mm512_loadu_si512(p + 3), tee);
        }
        *out++ = {lineFeeds, _mm512_cmpeq_epi8_mask(x, ctrlZ), LonelyReturns(returns, lineFeeds, p[64]), markers,
                  __builtin_popcountll(lineFeeds)};
    }
}

// Branch-free but for the one test per block: a block that is not plain is rare, while a '#' or a
// carriage return in a block is common and would be guessed wrong.
__attribute__((target("avx512f,avx512bw,popcnt,lzcnt"))) PlainRun PlainRunAvx512(const char* p, size_t blocks,
                                                                                 bool lonelyReturnsCount) {
    const __m512i lf = _mm512_set1_epi8('\n'), cr = _mm512_set1_epi8('\r'), ctrlZ = _mm512_set1_epi8(26);
    const __m512i hash = _mm512_set1_epi8('#'), equals = _mm512_set1_epi8('='), tee = _mm512_set1_epi8('T');
    const uint64_t returnsCount = lonelyReturnsCount ? ~uint64_t{0} : 0;
    PlainRun run{0, 0, -1};
    for (; run.blocks < blocks; ++run.blocks, p += 64) {
        const __m512i x = _mm512_loadu_si512(p);
        const __m512i next = _mm512_loadu_si512(p + 1);
        const uint64_t lineFeeds = _mm512_cmpeq_epi8_mask(x, lf);
        const uint64_t followedByBreak = _mm512_cmpeq_epi8_mask(next, lf) | _mm512_cmpeq_epi8_mask(next, cr);
        const uint64_t lonely = _mm512_cmpeq_epi8_mask(x, cr) & ~followedByBreak & returnsCount;
        const uint64_t markers = _mm512_cmpeq_epi8_mask(x, hash) & _mm512_cmpeq_epi8_mask(next, equals) &
                                 _mm512_cmpeq_epi8_mask(_mm512_loadu_si512(p + 3), tee);
        if ((_mm512_cmpeq_epi8_mask(x, ctrlZ) | markers | lonely) != 0) break;
        CountLineFeeds(lineFeeds, run.blocks, __builtin_popcountll(lineFeeds), run);
    }
    return run;
}

constexpr ScanKernel kAvx512{MasksAvx512, PlainRunAvx512};
#endif

}  // namespace

std::vector<MaskKernel> AvailableMaskKernels() {
    std::vector<MaskKernel> kernels = {&kSse2};
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt")) kernels.push_back(&kAvx2);
#if DD_AVX512
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("popcnt")) {
        kernels.push_back(&kAvx512);
    }
#endif
    return kernels;
}

#else

std::vector<MaskKernel> AvailableMaskKernels() { return {}; }

#endif

}  // namespace dd
