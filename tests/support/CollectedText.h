#pragma once

#include <string>
#include <string_view>

#include "base/DataWriter.h"

namespace dd::test {

// Gathers what a writer writes, piece by piece, into one text.
struct CollectedText final : TextSink {
    void Write(std::string_view text) override { collected.append(text); }
    std::string collected;
};

}  // namespace dd::test
