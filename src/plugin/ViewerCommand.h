#pragma once

#include <windows.h>

#include <functional>

namespace dd {

class TfmMain;

// Runs a command of the host on the viewer of a window: LISTPLUGIN_OK when the command reports that
// it was carried out, LISTPLUGIN_ERROR when it reports not, when the window is no live viewer's, or when
// it fails. A failure goes to the application's exception route ("Plugin Error:\r" and its message in a
// box), as a failing menu command's does; nothing unwinds into the host.
int RunViewerCommand(HWND window, const std::function<bool(TfmMain&)>& command) noexcept;

}  // namespace dd
