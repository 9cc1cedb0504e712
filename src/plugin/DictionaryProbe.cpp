#include "plugin/DictionaryProbe.h"

#include "dictionary/Error.h"
#include "dictionary/TableMarker.h"
#include "platform/FileReading.h"

namespace dd {

bool MayBeDictionary(const std::string& path) {
    try {
        return HoldsTableMarker(ReadFileStart(path, kDictionaryProbeBytes));
    } catch (const Error&) {
        return true;
    }
}

}  // namespace dd
