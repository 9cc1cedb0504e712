// Writes a generated base for the benchmarks: a document-lines table of the requested size, the headers of its
// documents, and a dictionary of a real base's size that lists both, into a folder:
//   dbfgen FOLDER MEGABYTES [DICTIONARY_KILOBYTES]     (dictionary: 1024 KB by default)
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/DbfGenerator.h"

namespace {

// Opens the file for writing, runs `write` on it and closes it; false (with the system's message) on a failure.
template <typename Write>
bool WriteFile(const std::filesystem::path& path, Write write) {
    std::FILE* out = std::fopen(path.string().c_str(), "wb");
    if (out == nullptr) {
        std::perror(path.string().c_str());
        return false;
    }
    write(out);
    const bool failed = std::ferror(out) != 0;
    if (std::fclose(out) != 0 || failed) {
        std::perror(path.string().c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: dbfgen FOLDER MEGABYTES [DICTIONARY_KILOBYTES]\n", stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const uint64_t tableBytes = std::strtoull(argv[2], nullptr, 10) << 20;
    const uint64_t dictionaryBytes = (argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1024) << 10;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.message().c_str());
        return 1;
    }
    dd::bench::GeneratedTable table;
    int64_t tables = 0;
    const std::string tableFile = std::string(dd::bench::kGeneratedTableIdentifier) + ".DBF";
    const std::string headersFile = std::string(dd::bench::kGeneratedHeaderIdentifier) + ".DBF";
    if (!WriteFile(folder / tableFile,
                   [&](std::FILE* out) { table = dd::bench::WriteDocumentLines(out, tableBytes); }) ||
        !WriteFile(folder / headersFile,
                   [&](std::FILE* out) { dd::bench::WriteDocumentHeaders(out, table.documents); }) ||
        !WriteFile(folder / "1Cv7.DD",
                   [&](std::FILE* out) { tables = dd::bench::WriteBaseDictionary(out, dictionaryBytes); })) {
        return 1;
    }
    std::printf("%s: %llu rows, %llu bytes; 1Cv7.DD: %lld tables\n", (folder / tableFile).string().c_str(),
                static_cast<unsigned long long>(table.rows), static_cast<unsigned long long>(table.bytes),
                static_cast<long long>(tables));
    return 0;
}
