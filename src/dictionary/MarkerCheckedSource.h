#pragma once

#include <string>
#include <string_view>

#include "dictionary/DictionaryStream.h"

namespace dd {

// "not a data dictionary: ...": no table marker in its first 64 KB, or (`markerSeen`) no table at all.
std::string NotADictionaryMessage(bool markerSeen);

// The dictionary's bytes as they come, refused as soon as its first 64 KB have passed (or its end has
// come) without a table marker: a file that is no dictionary is not read on, as the viewer declines it.
class MarkerCheckedSource : public ByteSource {
public:
    explicit MarkerCheckedSource(ByteSource& bytes) : bytes_(bytes) {}

    size_t Read(char* buffer, size_t size) override {
        const size_t read = bytes_.Read(buffer, size);
        if (!markerSeen_) Look(std::string_view(buffer, read));
        return read;
    }

    // After the reader stopped early (a Ctrl-Z at a line's start ends the text) without a table: reads
    // on to the end of the first 64 KB, which throws when they hold no marker.
    void LookThroughFirst64KB() {
        char buffer[4096];
        while (!markerSeen_) Read(buffer, sizeof buffer);
    }

private:
    void Look(std::string_view piece);

    ByteSource& bytes_;
    std::string head_;
    bool markerSeen_ = false;
};

// ReadDictionaryStream of a file that must be a dictionary: fails with NotADictionaryMessage when its
// first 64 KB hold no table marker (reading no further) or it holds no table.
int32_t ReadCheckedDictionaryStream(ByteSource& source, TableStreamSink& sink, size_t bufferSize = kStreamBufferSize);

}  // namespace dd
