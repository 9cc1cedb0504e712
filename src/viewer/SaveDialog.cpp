#include "viewer/SaveDialog.h"

#include <commdlg.h>

#include <algorithm>

#include "platform/win32/WideText.h"

namespace dd {
namespace {

// Room for a long path, which the file writer can create.
constexpr size_t kFileNameRoom = 32768;

// The filter as the dialog takes it: every "|" a zero character, and two zero characters at the end.
std::wstring DialogFilter(std::string_view filter) {
    std::wstring entries = WideFromCp1251(filter);
    std::replace(entries.begin(), entries.end(), L'|', L'\0');
    entries.append(2, L'\0');
    return entries;
}

}  // namespace

std::optional<std::string> ShowSaveDialog(const SaveDialogArgs& args) {
    const std::wstring filter = DialogFilter(args.filter);
    const std::wstring defaultExtension = WideFromCp1251(args.defaultExtension);
    const std::wstring offered = WideFromUtf8(args.fileName);
    std::wstring fileName(kFileNameRoom, L'\0');
    std::copy_n(offered.begin(), std::min(offered.size(), kFileNameRoom - 1), fileName.begin());

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = args.owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = fileName.data();
    dialog.nMaxFile = static_cast<DWORD>(fileName.size());
    dialog.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
    // Replacing a file without a question lets one slip of the mouse destroy it: the dialog asks first.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_OVERWRITEPROMPT;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;  // cancelled, or the dialog could not be shown
    fileName.resize(fileName.find(L'\0'));
    return Utf8FromWide(fileName);
}

}  // namespace dd
