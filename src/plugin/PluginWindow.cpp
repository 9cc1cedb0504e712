#include "plugin/PluginWindow.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "dictionary/Error.h"
#include "platform/win32/LongPath.h"
#include "plugin/Application.h"
#include "plugin/ListerPath.h"
#include "viewer/InfoMessage.h"
#include "viewer/unMain.h"

namespace dd {
namespace {

enum class Teardown {
    Report,                // ListCloseWindow: a failure is shown
    WindowBeingDestroyed,  // WM_DESTROY from outside: Windows is destroying the window already
    Quiet,                 // the library is unloading: no box under the loader lock
};

// The viewer windows whose teardown has not run yet, with their links. ClosePluginWindow looks here
// first, so a handle whose viewer is gone (or that never was one) leads to nothing being read.
std::vector<std::pair<HWND, WindowLink*>>& LiveLinks() {
    static auto* links = new std::vector<std::pair<HWND, WindowLink*>>;  // used while unloading too
    return *links;
}

void ChangeToFolder(const std::string& folder) {
    if (SetCurrentDirectoryA(folder.c_str())) return;
    // A folder too long for the ANSI call may still be set in its long form.
    if (folder.size() >= MAX_PATH - 1 && SetCurrentDirectoryA(LongPathForApi(folder).c_str())) return;
    throw Error("Error of SetCurrentDir() for Folder: " + folder);
}

void TearDown(HWND window, Teardown mode) noexcept {
    auto& links = LiveLinks();
    const auto found = std::find_if(links.begin(), links.end(), [&](const auto& live) { return live.first == window; });
    if (found == links.end()) return;
    // Off the list before anything else, so that nothing can start this teardown a second time.
    const std::unique_ptr<WindowLink> link(found->second);
    links.erase(found);
    std::unique_ptr<TfmMain> form(link->Form);
    Application& application = Application::Instance();
    try {
        application.Unregister(*form);
        application.SetMainWindow(nullptr);
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(link->PrevWndProc));
        if (mode == Teardown::WindowBeingDestroyed)
            form->ReleaseDestroyedWindow();
        else
            form->DestroyViewerWindow();
    } catch (const std::exception& error) {
        if (mode != Teardown::Quiet) ShowReport(nullptr, kDestroyErrorPrefix, MessageOf(error));
    } catch (...) {
    }
    application.ForgetViewer(*form);
    // A window that outlived a failed teardown must not keep the address of a freed link.
    if (IsWindow(window) && GetWindowLongPtrA(window, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(link.get())) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    }
}

}  // namespace

TfmMain& OpenPluginWindow(HWND listerWnd, const std::string& path) {
    ChangeToFolder(std::string(FolderOf(path)));
    auto form = std::make_unique<TfmMain>(listerWnd, path, Application::Instance());
    form->Show();
    Application& application = Application::Instance();
    application.SetMainWindow(listerWnd);
    application.SetExceptionRoute(form.get());
    try {
        application.Register(*form);
        auto link = std::make_unique<WindowLink>();
        LiveLinks().reserve(LiveLinks().size() + 1);  // nothing below can fail any more
        const HWND window = form->Handle();
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(link.get()));
        link->Form = form.get();
        link->PrevWndProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostWndProc)));
        LiveLinks().emplace_back(window, link.release());
    } catch (...) {
        application.ForgetViewer(*form);
        throw;
    }
    TfmMain& viewer = *form.release();
    if (!viewer.ListerIsEmbedded) PostMessageA(viewer.Handle(), WM_SETFOCUS, 0, 0);
    return viewer;
}

LRESULT CALLBACK HostWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedCallback(&Application::Instance(), 0, [&]() -> LRESULT {
        if (message == WM_DESTROY) {
            TearDown(window, Teardown::WindowBeingDestroyed);
            return 0;
        }
        const auto* link = reinterpret_cast<const WindowLink*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        const WNDPROC previous = link != nullptr ? link->PrevWndProc : &DefWindowProcA;
        return CallWindowProcA(previous, window, message, wParam, lParam);
    });
}

void ClosePluginWindow(HWND window) noexcept { TearDown(window, Teardown::Report); }

void CloseAllPluginWindows() noexcept {
    while (!LiveLinks().empty()) TearDown(LiveLinks().back().first, Teardown::Quiet);
}

}  // namespace dd
