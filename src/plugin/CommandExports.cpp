// The Lister's commands beyond showing a file: its search, printing from its menu, and the defaults it
// hands over once. Texts come in the host's ANSI code page or in UTF-16 and are searched as
// Windows-1251, whatever the system's code page.
#include <optional>
#include <string>

#include "dictionary/Cp1251.h"
#include "platform/win32/WideText.h"
#include "plugin/ListerPlugin.h"
#include "plugin/ViewerCommand.h"
#include "viewer/unMain.h"
#include "viewmodel/SearchPattern.h"

static_assert(lcs_findfirst == dd::kFindFirst && lcs_matchcase == dd::kFindMatchCase &&
              lcs_wholewords == dd::kFindWholeWords && lcs_backwards == dd::kFindBackwards);

namespace dd {
namespace {

// A text with a character that Windows-1251 cannot hold is in no dictionary: nothing is searched.
int SearchText(HWND listWin, const std::wstring& text, int flags) {
    return RunViewerCommand(listWin, [&](TfmMain& viewer) {
        const std::optional<std::string> bytes =
            Cp1251FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
        return bytes && viewer.FindText(*bytes, flags);
    });
}

int Print(HWND listWin, const std::wstring& printerName) {
    return RunViewerCommand(listWin, [&](TfmMain& viewer) { return viewer.PrintWithDialog(printerName); });
}

}  // namespace
}  // namespace dd

int __stdcall ListSearchText(HWND ListWin, char* SearchString, int SearchParameter) {
    try {
        if (SearchString == nullptr) return LISTPLUGIN_ERROR;
        return dd::SearchText(ListWin, dd::WideFromAnsi(SearchString), SearchParameter);
    } catch (...) {  // nothing may unwind into the host
        return LISTPLUGIN_ERROR;
    }
}

int __stdcall ListSearchTextW(HWND ListWin, WCHAR* SearchString, int SearchParameter) {
    try {
        if (SearchString == nullptr) return LISTPLUGIN_ERROR;
        return dd::SearchText(ListWin, SearchString, SearchParameter);
    } catch (...) {
        return LISTPLUGIN_ERROR;
    }
}

int __stdcall ListPrint(HWND ListWin, char*, char* DefPrinter, int, RECT*) {
    try {
        return dd::Print(ListWin, DefPrinter != nullptr ? dd::WideFromAnsi(DefPrinter) : std::wstring());
    } catch (...) {
        return LISTPLUGIN_ERROR;
    }
}

int __stdcall ListPrintW(HWND ListWin, WCHAR*, WCHAR* DefPrinter, int, RECT*) {
    try {
        return dd::Print(ListWin, DefPrinter != nullptr ? std::wstring(DefPrinter) : std::wstring());
    } catch (...) {
        return LISTPLUGIN_ERROR;
    }
}

// The plug-in keeps no settings, so the host's settings file is neither read nor written.
void __stdcall ListSetDefaultParams(ListDefaultParamStruct*) {}
