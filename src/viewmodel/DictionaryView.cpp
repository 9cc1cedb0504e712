#include "viewmodel/DictionaryView.h"

#include "dictionary/TableFieldView.h"
#include "platform/FileReading.h"

namespace dd {

void DictionaryView::Open(const std::string& path) {
    *this = DictionaryView();
    LoadDictionary(dictionary_, path, FileAt(path), list_, grid_);
}

void DictionaryView::OpenBytes(std::string_view path, FileBytes bytes) {
    *this = DictionaryView();
    LoadDictionaryBytes(dictionary_, path, std::move(bytes), list_, grid_);
}

void DictionaryView::SelectTable(int32_t entry) {
    list_.SelectEntry(entry);
    LBClick(dictionary_, list_, grid_);
}

}  // namespace dd
