// libFuzzer target: any bytes as a dictionary file, opened as both editions, every table shown and
// every output built (see ExerciseBothEditions). A broken rule or an escaping exception aborts, so
// libFuzzer keeps the input; the sanitizers catch the rest.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string_view>

#include "fuzz/DictionaryExercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        dd::fuzz::ExerciseBothEditions({reinterpret_cast<const char*>(data), size});
    } catch (const std::exception& error) {
        std::fprintf(stderr, "dictionary_fuzzer: %s\n", error.what());
        std::abort();
    }
    return 0;
}
