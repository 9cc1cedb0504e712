// Writes a generated dictionary for the benchmarks:  ddgen OUT MEGABYTES [--sql]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/DictionaryGenerator.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: ddgen OUT MEGABYTES [--sql]\n", stderr);
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    const uint64_t bytes = std::strtoull(argv[2], nullptr, 10) << 20;
    const bool sql = argc > 3 && std::string(argv[3]) == "--sql";
    const auto tables = dd::bench::WriteDictionary(out, bytes, sql);
    if (std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    std::printf("%s: %lld tables\n", argv[1], static_cast<long long>(tables));
    return 0;
}
