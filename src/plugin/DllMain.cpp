// The library's entry point: it records the module for the viewer's window classes and, when the
// host unloads the library, tears down the viewers still open and unregisters the classes.
#include <windows.h>

#include "plugin/PluginWindow.h"
#include "viewer/ModuleInstance.h"
#include "viewer/WindowClasses.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            dd::SetModuleInstance(instance);
            DisableThreadLibraryCalls(instance);
            break;
        case DLL_PROCESS_DETACH:
            // At process exit (reserved != 0) Windows is tearing everything down anyway, and nothing may
            // be done under the loader lock; only FreeLibrary finds windows that must not outlive the code.
            if (reserved == nullptr) {
                dd::CloseAllPluginWindows();
                dd::UnregisterWindowClasses();
            }
            break;
        default:
            break;
    }
    return TRUE;
}
