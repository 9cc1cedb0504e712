#include "plugin/PluginWindow.h"

#include <memory>
#include <optional>

#include "dictionary/Error.h"
#include "platform/win32/LongPath.h"
#include "platform/win32/WideText.h"
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
    const std::wstring wide = WideFromUtf8(folder);
    if (!wide.empty() && SetCurrentDirectoryW(wide.c_str())) return;
    // A folder too long for the plain call may still be set in its long form.
    if (wide.size() >= MAX_PATH - 1 && SetCurrentDirectoryW(WidePathForApi(folder).c_str())) return;
    throw Error("Error of SetCurrentDir() for Folder: " + folder);
}

void TearDown(HWND window, Teardown mode) noexcept {
    Application& application = Application::Instance();
    // Off the list before anything else, so that nothing can start this teardown a second time.
    std::optional<LiveViewer> viewer = application.Viewers().Take(window);
    if (!viewer) return;
    try {
        application.SetMainWindow(nullptr);
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(viewer->link->PrevWndProc));
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
        GetWindowLongPtrW(window, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(viewer->link.get())) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
}  // the form is destroyed here, then its link

}  // namespace

TfmMain& OpenPluginWindow(HWND listerWnd, const ViewerFile& file, int showFlags) {
    ChangeToFolder(std::string(FolderOf(file.path)));
    Application& application = Application::Instance();
    auto form = std::make_unique<TfmMain>(listerWnd, file, application);
    form->SetShowFlags(showFlags);  // before it shows, so that a dark viewer is never seen light
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
    SetWindowLongPtrW(viewer.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(viewer.link.get()));
    viewer.link->PrevWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(viewer.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostWndProc)));
    TfmMain& opened = *viewer.form;
    application.Viewers().Add(std::move(viewer));
    if (!opened.ListerIsEmbedded) PostMessageW(opened.Handle(), WM_SETFOCUS, 0, 0);
    return opened;
}

bool LoadIntoPluginWindow(HWND pluginWnd, const ViewerFile& file, int showFlags) {
    TfmMain* viewer = Application::Instance().Viewers().Find(pluginWnd);
    if (viewer == nullptr) return false;
    ChangeToFolder(std::string(FolderOf(file.path)));
    viewer->LoadNext(file);
    viewer->SetShowFlags(showFlags);
    return true;
}

LRESULT CALLBACK HostWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedCallback(&Application::Instance(), 0, [&]() -> LRESULT {
        if (message == WM_DESTROY) {
            TearDown(window, Teardown::WindowBeingDestroyed);
            return 0;
        }
        const auto* link = reinterpret_cast<const WindowLink*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        const WNDPROC previous = link != nullptr ? link->PrevWndProc : &DefWindowProcW;
        return CallWindowProcW(previous, window, message, wParam, lParam);
    });
}

void ClosePluginWindow(HWND window) noexcept { TearDown(window, Teardown::Report); }

void CloseAllPluginWindows() noexcept {
    LiveViewers& viewers = Application::Instance().Viewers();
    while (!viewers.Empty()) TearDown(viewers.Newest(), Teardown::Quiet);
}

}  // namespace dd
