#include "viewer/SaveDialog.h"

#include <commdlg.h>

#include <algorithm>

namespace dd {
namespace {

// Room for a long path, which the file writer can create.
constexpr size_t kFileNameRoom = 32768;

// The filter as the dialog takes it: every "|" a zero byte, and two zero bytes at the end.
std::string DialogFilter(std::string_view filter) {
    std::string entries(filter);
    std::replace(entries.begin(), entries.end(), '|', '\0');
    entries.append(2, '\0');
    return entries;
}

}  // namespace

std::optional<std::string> ShowSaveDialog(const SaveDialogArgs& args) {
    const std::string filter = DialogFilter(args.filter);
    const std::string defaultExtension(args.defaultExtension);
    std::string fileName(kFileNameRoom, '\0');
    std::copy_n(args.fileName.begin(), std::min(args.fileName.size(), kFileNameRoom - 1), fileName.begin());

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = args.owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = fileName.data();
    dialog.nMaxFile = static_cast<DWORD>(fileName.size());
    dialog.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
    // Replacing a file without a question lets one slip of the mouse destroy it: the dialog asks first.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_OVERWRITEPROMPT;
    if (!GetSaveFileNameA(&dialog)) return std::nullopt;  // cancelled, or the dialog could not be shown
    fileName.resize(fileName.find('\0'));
    return fileName;
}

}  // namespace dd
