#pragma once

#include <windows.h>

// The host's Lister plug-in interface as this plug-in implements it: three functions with the
// host's calling convention, exported under exactly these names (see ddlister.def).
extern "C" {

// Copies the detect string into the host's buffer of `maxlen` bytes and returns the buffer.
char* __stdcall ListGetDetectString(char* DetectString, int maxlen);

// Shows the file in a new viewer window inside the Lister window; 0 when the file is not taken or
// the viewer could not be opened.
HWND __stdcall ListLoad(HWND ParentWin, char* FileToLoad, int ShowFlags);

// Tears down the viewer of a window that ListLoad returned.
void __stdcall ListCloseWindow(HWND ListWin);
}
