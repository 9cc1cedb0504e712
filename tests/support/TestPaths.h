#pragma once

#include <filesystem>
#include <string>

namespace dd::test {

// A path of the source tree as the code under test sees it: under Wine the Unix root is drive Z:.
inline std::string TestPath(const std::string& unixPath) {
#ifdef _WIN32
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
#else
    return unixPath;
#endif
}

inline std::string SamplePath(const std::string& name) { return TestPath(std::string(DD_SAMPLES_DIR) + "/" + name); }

// A file under tests/fixtures/, named by its path below that folder ("outputs/x.txt").
inline std::string FixturePath(const std::string& name) { return TestPath(std::string(DD_FIXTURES_DIR) + "/" + name); }

inline std::string RealDictionaryPath(const std::string& name) {
    return TestPath(std::string(DD_REAL_DICTIONARIES_DIR) + "/" + name);
}

// A path in the system's folder for temporary files, as the code under test takes it.
inline std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

inline bool RealDictionariesPresent() {
    return std::filesystem::exists(std::string(DD_REAL_DICTIONARIES_DIR) + "/artamir__tks__1Cv7.DD");
}

}  // namespace dd::test
