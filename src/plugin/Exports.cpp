// The functions the host calls. Paths go on as UTF-8 whichever form the host called, so that a path
// under any name opens, and nothing escapes into the host.
#include <string>

#include "platform/win32/WideText.h"
#include "plugin/Application.h"
#include "plugin/ListerPath.h"
#include "plugin/ListerPlugin.h"
#include "plugin/PluginWindow.h"
#include "viewer/InfoMessage.h"
#include "viewer/unMain.h"

namespace dd {
namespace {

HWND Load(HWND listerWnd, const std::string& path, int showFlags) {
    if (!HasDictionaryExtension(path)) return nullptr;
    TfmMain* viewer = nullptr;
    try {
        viewer = &OpenPluginWindow(listerWnd, path, showFlags);
    } catch (const std::exception& error) {
        ShowReport(listerWnd, kOpenErrorPrefix, MessageOf(error));
        return nullptr;
    }
    try {
        viewer->LayoutViewerWindow();
    } catch (const std::exception& error) {  // the viewer is open: its route reports the failure
        Application::Instance().HandleException(error);
    }
    return viewer->Handle();
}

int LoadNext(HWND listerWnd, HWND pluginWnd, const std::string& path, int showFlags) {
    if (!HasDictionaryExtension(path)) return LISTPLUGIN_ERROR;
    try {
        if (!LoadIntoPluginWindow(pluginWnd, path)) return LISTPLUGIN_ERROR;
    } catch (const std::exception& error) {
        ShowReport(listerWnd, kOpenErrorPrefix, MessageOf(error));
        return LISTPLUGIN_ERROR;
    }
    if (TfmMain* viewer = Application::Instance().Viewers().Find(pluginWnd)) viewer->SetShowFlags(showFlags);
    return LISTPLUGIN_OK;
}

}  // namespace
}  // namespace dd

char* __stdcall ListGetDetectString(char* DetectString, int maxlen) {
    dd::CopyDetectString(DetectString, maxlen);
    return DetectString;
}

HWND __stdcall ListLoad(HWND ParentWin, char* FileToLoad, int ShowFlags) {
    try {
        if (FileToLoad == nullptr) return nullptr;
        return dd::Load(ParentWin, dd::Utf8FromWide(dd::WideFromAnsi(FileToLoad)), ShowFlags);
    } catch (...) {  // nothing may unwind into the host
        return nullptr;
    }
}

HWND __stdcall ListLoadW(HWND ParentWin, WCHAR* FileToLoad, int ShowFlags) {
    try {
        if (FileToLoad == nullptr) return nullptr;
        return dd::Load(ParentWin, dd::Utf8FromWide(FileToLoad), ShowFlags);
    } catch (...) {
        return nullptr;
    }
}

int __stdcall ListLoadNext(HWND ParentWin, HWND PluginWin, char* FileToLoad, int ShowFlags) {
    try {
        if (FileToLoad == nullptr) return LISTPLUGIN_ERROR;
        return dd::LoadNext(ParentWin, PluginWin, dd::Utf8FromWide(dd::WideFromAnsi(FileToLoad)), ShowFlags);
    } catch (...) {
        return LISTPLUGIN_ERROR;
    }
}

int __stdcall ListLoadNextW(HWND ParentWin, HWND PluginWin, WCHAR* FileToLoad, int ShowFlags) {
    try {
        if (FileToLoad == nullptr) return LISTPLUGIN_ERROR;
        return dd::LoadNext(ParentWin, PluginWin, dd::Utf8FromWide(FileToLoad), ShowFlags);
    } catch (...) {
        return LISTPLUGIN_ERROR;
    }
}

int __stdcall ListSendCommand(HWND ListWin, int Command, int Parameter) {
    try {
        dd::TfmMain* viewer = dd::Application::Instance().Viewers().Find(ListWin);
        if (viewer == nullptr) return LISTPLUGIN_ERROR;
        switch (Command) {
            case lc_newparams:
                viewer->SetShowFlags(Parameter);
                return LISTPLUGIN_OK;
            default:
                return LISTPLUGIN_ERROR;
        }
    } catch (...) {
        return LISTPLUGIN_ERROR;
    }
}

void __stdcall ListCloseWindow(HWND ListWin) { dd::ClosePluginWindow(ListWin); }
