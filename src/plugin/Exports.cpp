// The functions the host calls. Paths go on as UTF-8 whichever form the host called, so that a path
// under any name opens, and nothing escapes into the host. A file with the extension but no table marker
// in its first 64 KB (a disk image named *.dd, say) is declined quietly, without being read further: in
// Quick View a box would come up for every such file passed over. So is every DBF file but a table of a
// base: another viewer shows it.
#include <optional>
#include <string>

#include "platform/win32/WideText.h"
#include "plugin/Application.h"
#include "plugin/BaseTableProbe.h"
#include "plugin/DictionaryProbe.h"
#include "plugin/ListerPath.h"
#include "plugin/ListerPlugin.h"
#include "plugin/PluginWindow.h"
#include "plugin/ViewerCommand.h"
#include "viewer/InfoMessage.h"
#include "viewer/unMain.h"

namespace dd {
namespace {

// What the viewer shows of the file: a dictionary, or a table of a base with the dictionary beside it;
// nothing for a file it leaves to other viewers.
std::optional<ViewerFile> Takes(const std::string& path) {
    if (HasDictionaryExtension(path)) {
        if (!MayBeDictionary(path)) return std::nullopt;
        return ViewerFile{path, std::nullopt};
    }
    std::optional<BaseTableFile> table = TakeBaseTable(path, Application::Instance().Dictionaries());
    if (!table) return std::nullopt;
    return ViewerFile{path, std::move(table)};
}

HWND Load(HWND listerWnd, const std::string& path, int showFlags) {
    const std::optional<ViewerFile> file = Takes(path);
    if (!file) return nullptr;
    TfmMain* viewer = nullptr;
    try {
        viewer = &OpenPluginWindow(listerWnd, *file, showFlags);
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
    const std::optional<ViewerFile> file = Takes(path);
    if (!file) return LISTPLUGIN_ERROR;
    try {
        if (!LoadIntoPluginWindow(pluginWnd, *file, showFlags)) return LISTPLUGIN_ERROR;
    } catch (const std::exception& error) {
        ShowReport(listerWnd, kOpenErrorPrefix, MessageOf(error));
        return LISTPLUGIN_ERROR;
    }
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
    return dd::RunViewerCommand(ListWin, [&](dd::TfmMain& viewer) {
        switch (Command) {
            case lc_newparams:
                viewer.SetShowFlags(Parameter);
                return true;
            case lc_copy:
                viewer.CopySelection();
                return true;
            case lc_selectall:
                viewer.SelectAllCells();
                return true;
            default:  // lc_setpercent among them: the viewer has no position to set
                return false;
        }
    });
}

void __stdcall ListCloseWindow(HWND ListWin) { dd::ClosePluginWindow(ListWin); }
