#include "support/LoadedDictionary.h"

namespace dd::test {

std::unique_ptr<LoadedDictionary> LoadBytes(const std::string& bytes, const std::string& path) {
    auto loaded = std::make_unique<LoadedDictionary>();
    try {
        loaded->view.OpenBytes(path, FileBytes::Copy(bytes));
    } catch (const Error& error) {
        loaded->error = error;
    }
    return loaded;
}

std::unique_ptr<LoadedDictionary> LoadFile(const std::string& path) {
    auto loaded = std::make_unique<LoadedDictionary>();
    try {
        loaded->view.Open(path);
    } catch (const Error& error) {
        loaded->error = error;
    }
    return loaded;
}

}  // namespace dd::test
