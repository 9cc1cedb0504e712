#include "dictionary/MarkerCheckedSource.h"

#include "dictionary/Error.h"
#include "dictionary/TableMarker.h"

namespace dd {

std::string NotADictionaryMessage(bool markerSeen) {
    return markerSeen ? "not a data dictionary: it holds no table"
                      : "not a data dictionary: no table marker (\"#==TABLE no\") in its first 64 KB";
}

void MarkerCheckedSource::Look(std::string_view piece) {
    const size_t before = head_.size();
    head_.append(piece.substr(0, kTableMarkerProbeBytes - before));
    // Only where the new bytes may complete a marker: a marker before them was looked for already.
    const size_t from = before >= kTableMarker.size() ? before - kTableMarker.size() + 1 : 0;
    markerSeen_ = HoldsTableMarker(std::string_view(head_).substr(from));
    if (!markerSeen_ && (piece.empty() || head_.size() == kTableMarkerProbeBytes))
        throw Error(NotADictionaryMessage(false));
    if (markerSeen_) head_ = std::string();
}

int32_t ReadCheckedDictionaryStream(ByteSource& source, TableStreamSink& sink, size_t bufferSize) {
    MarkerCheckedSource bytes(source);
    const int32_t tables = ReadDictionaryStream(bytes, sink, bufferSize);
    if (tables == 0) {
        bytes.LookThroughFirst64KB();
        throw Error(NotADictionaryMessage(true));
    }
    return tables;
}

}  // namespace dd
