// libFuzzer target: any bytes as a DBF table, its header checked, every row read by random access and through
// a stream with a small buffer, every value decoded and checked (see ExerciseDbfTable). A broken rule or an
// escaping exception aborts, so libFuzzer keeps the input; the sanitizers catch the rest.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "fuzz/DbfExercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        // The stream's buffer varies with the input, from smaller than most records to several records.
        const size_t streamBuffer = size == 0 ? 1 : 1 + data[size - 1] % 200;
        dd::fuzz::ExerciseDbfTable({reinterpret_cast<const char*>(data), size}, streamBuffer);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "dbf_fuzzer: %s\n", error.what());
        std::abort();
    }
    return 0;
}
