#pragma once

#include <windows.h>

#include <string>

#include "viewer/ViewerFile.h"

namespace dd {

class TfmMain;

// What a viewer window keeps in its user data: the window procedure it had before HostWndProc was
// installed. The application's live viewers own it with the form.
struct WindowLink {
    WNDPROC PrevWndProc = nullptr;
};

// The open steps of ListLoad: the file's folder becomes the current directory, the viewer is made,
// takes the host's show flags, is shown, linked to its window and handed to the application object,
// which owns it from then on. Fails with the step's error; a viewer made before the failure is
// destroyed again.
TfmMain& OpenPluginWindow(HWND listerWnd, const ViewerFile& file, int showFlags);

// The open steps of ListLoadNext: the file's folder becomes the current directory and the viewer of
// `pluginWnd` shows the file in place of the one it showed, then takes the host's show flags. False when
// `pluginWnd` is no live viewer's (nothing is touched then). Fails with the step's error, the viewer
// still showing its file in its colours.
bool LoadIntoPluginWindow(HWND pluginWnd, const ViewerFile& file, int showFlags);

// The procedure of every viewer window while its viewer lives: a WM_DESTROY from outside (the Lister
// window is going) tears the viewer down; everything else goes to the form.
LRESULT CALLBACK HostWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The one teardown of a viewer, for ListCloseWindow and for HostWndProc. A window that is no live
// viewer's is not touched. A failure is shown as "DestroyWindow error:\r" and the message.
void ClosePluginWindow(HWND window) noexcept;

// The library is being unloaded: every viewer still open is torn down without a message box, since
// no window may keep a procedure in code that is about to go.
void CloseAllPluginWindows() noexcept;

}  // namespace dd
