#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace dd {

// What the save-file dialog is shown with.
struct SaveDialogArgs {
    HWND owner = nullptr;
    // Entries "label|pattern", several joined by "|", as "Text files (*.txt)|*.txt", in Windows-1251.
    std::string_view filter;
    // Appended by the dialog to a name typed without an extension.
    std::string_view defaultExtension;
    // Offered at the start: the path chosen last time (UTF-8), or empty.
    std::string fileName;
};

// Shows the platform's save-file dialog modally and answers the confirmed file name (UTF-8), or nothing when
// the user cancels or the dialog cannot be shown. The read-only box is hidden, the dialog can be
// resized, neither the file nor its folder need exist, and the process's current folder may follow
// the chosen file. An existing file is replaced only after the dialog has asked and the user agreed.
std::optional<std::string> ShowSaveDialog(const SaveDialogArgs& args);

}  // namespace dd
