// The three functions the host calls.
#include <string>

#include "plugin/Application.h"
#include "plugin/ListerPath.h"
#include "plugin/ListerPlugin.h"
#include "plugin/PluginWindow.h"
#include "viewer/InfoMessage.h"
#include "viewer/unMain.h"

char* __stdcall ListGetDetectString(char* DetectString, int maxlen) {
    dd::CopyDetectString(DetectString, maxlen);
    return DetectString;
}

HWND __stdcall ListLoad(HWND ParentWin, char* FileToLoad, int /*ShowFlags*/) {
    try {
        if (FileToLoad == nullptr) return nullptr;
        const std::string path(FileToLoad);
        if (!dd::HasDictionaryExtension(path)) return nullptr;
        dd::TfmMain* viewer = nullptr;
        try {
            viewer = &dd::OpenPluginWindow(ParentWin, path);
        } catch (const std::exception& error) {
            dd::ShowReport(ParentWin, dd::kOpenErrorPrefix, dd::MessageOf(error));
            return nullptr;
        }
        try {
            viewer->LayoutViewerWindow();
        } catch (const std::exception& error) {  // the viewer is open: its route reports the failure
            dd::Application::Instance().HandleException(error);
        }
        return viewer->Handle();
    } catch (...) {  // nothing may unwind into the host
        return nullptr;
    }
}

void __stdcall ListCloseWindow(HWND ListWin) { dd::ClosePluginWindow(ListWin); }
