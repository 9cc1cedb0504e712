#include "plugin/PluginWindow.h"

#include <memory>
#include <optional>

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

void ChangeToFolder(const std::string& folder) {
    if (SetCurrentDirectoryA(folder.c_str())) return;
    // A folder too long for the ANSI call may still be set in its long form.
    if (folder.size() >= MAX_PATH - 1 && SetCurrentDirectoryA(LongPathForApi(folder).c_str())) return;
    throw Error("Error of SetCurrentDir() for Folder: " + folder);
}

void TearDown(HWND window, Teardown mode) noexcept {
    Application& application = Application::Instance();
    // Off the list before anything else, so that nothing can start this teardown a second time.
    std::optional<LiveViewer> viewer = application.Viewers().Take(window);
    if (!viewer) return;
    try {
        application.SetMainWindow(nullptr);
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(viewer->link->PrevWndProc));
        if (mode == Teardown::WindowBeingDestroyed)
            viewer->form->ReleaseDestroyedWindow();
        else
            viewer->form->DestroyViewerWindow();
    } catch (const std::exception& error) {
        if (mode != Teardown::Quiet) ShowReport(nullptr, kDestroyErrorPrefix, MessageOf(error));
    } catch (...) {
    }
    application.ForgetViewer(*viewer->form);
    // A window that outlived a failed teardown must not keep the address of a freed link.
    if (IsWindow(window) &&
        GetWindowLongPtrA(window, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(viewer->link.get())) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    }
}  // the form is destroyed here, then its link

}  // namespace

TfmMain& OpenPluginWindow(HWND listerWnd, const std::string& path) {
    ChangeToFolder(std::string(FolderOf(path)));
    Application& application = Application::Instance();
    auto form = std::make_unique<TfmMain>(listerWnd, path, application);
    form->Show();
    application.SetMainWindow(listerWnd);
    application.SetExceptionRoute(form.get());
    LiveViewer viewer{form->Handle(), nullptr, std::move(form)};
    try {
        viewer.link = std::make_unique<WindowLink>();
        application.Viewers().Reserve();  // nothing below can fail any more
    } catch (...) {
        application.ForgetViewer(*viewer.form);
        throw;
    }
    SetWindowLongPtrA(viewer.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(viewer.link.get()));
    viewer.link->PrevWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(viewer.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostWndProc)));
    TfmMain& opened = *viewer.form;
    application.Viewers().Add(std::move(viewer));
    if (!opened.ListerIsEmbedded) PostMessageA(opened.Handle(), WM_SETFOCUS, 0, 0);
    return opened;
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
    LiveViewers& viewers = Application::Instance().Viewers();
    while (!viewers.Empty()) TearDown(viewers.Newest(), Teardown::Quiet);
}

}  // namespace dd
