#include "platform/win32/WideText.h"

#include <windows.h>

#include <limits>

#include "dictionary/Cp1251.h"

namespace dd {
namespace {

std::wstring Widen(UINT codePage, std::string_view text) {
    if (text.empty() || text.size() > static_cast<size_t>(std::numeric_limits<int>::max())) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

}  // namespace

std::wstring WideFromCp1251(std::string_view text) {
    std::wstring wide;
    AppendWideFromCp1251(wide, text);
    return wide;
}

void AppendWideFromCp1251(std::wstring& out, std::string_view text) {
    const size_t start = out.size();
    out.resize(start + text.size());
    for (size_t i = 0; i < text.size(); ++i) out[start + i] = Utf16OfCp1251(static_cast<unsigned char>(text[i]));
}

std::wstring WideFromUtf8(std::string_view text) { return Widen(CP_UTF8, text); }

std::wstring WideFromAnsi(std::string_view text) { return Widen(CP_ACP, text); }

std::string Utf8FromWide(std::wstring_view text) {
    if (text.empty() || text.size() > static_cast<size_t>(std::numeric_limits<int>::max())) return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

}  // namespace dd
