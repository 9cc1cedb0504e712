#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "dictionary/Cp1251.h"

namespace dd::test {

// Windows-1251 bytes of a text written as a UTF-8 literal (u8"..."), so test sources can show
// Cyrillic plainly whatever the compiler's execution charset is.
inline std::string Cp(std::u8string_view utf8) {
    auto converted = Cp1251FromUtf8({reinterpret_cast<const char*>(utf8.data()), utf8.size()});
    if (!converted) throw std::invalid_argument("not representable in Windows-1251");
    return *converted;
}

}  // namespace dd::test
