#include "LoadedDictionary.h"

#include "dictionary/TableFieldView.h"

namespace dd::test {

void LoadedDictionary::Select(int32_t index) {
    LB.SelectEntry(index);
    LBClick(dictionary, LB, SG);
}

std::unique_ptr<LoadedDictionary> LoadBytes(const std::string& bytes, const std::string& path) {
    auto loaded = std::make_unique<LoadedDictionary>();
    try {
        LoadDictionaryBytes(loaded->dictionary, path, FileBytes::Copy(bytes), loaded->LB, loaded->SG);
    } catch (const Error& error) {
        loaded->error = error;
    }
    return loaded;
}

std::unique_ptr<LoadedDictionary> LoadFile(const std::string& path) {
    auto loaded = std::make_unique<LoadedDictionary>();
    try {
        LoadDictionary(loaded->dictionary, path, loaded->LB, loaded->SG);
    } catch (const Error& error) {
        loaded->error = error;
    }
    return loaded;
}

}  // namespace dd::test
