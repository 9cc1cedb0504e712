#pragma once

#include <windows.h>

#include "plugin/LiveViewers.h"
#include "viewer/ViewerApplication.h"

namespace dd {

// The process-wide application object: the main window (the Lister window of the newest load), the
// exception route (the newest viewer's AppException) and the live viewers, which it owns.
class Application final : public ViewerApplication {
public:
    // The one instance; it is never destroyed, since the library's unloading uses it after the
    // static destructors may have run.
    static Application& Instance();

    HWND MainWindow() const noexcept override { return mainWindow_; }
    void SetMainWindow(HWND window) noexcept { mainWindow_ = window; }

    // Routes every escaping exception to this viewer's AppException from now on.
    void SetExceptionRoute(TfmMain* viewer) noexcept { route_ = viewer; }
    // The route: a window that holds the mouse capture is told to cancel it, then the newest viewer
    // reports the exception; once that viewer is gone the report has no owner window.
    void HandleException(const std::exception& error) noexcept override;

    // The application's viewers are the live ones: each from its link to its window until its teardown.
    LiveViewers& Viewers() noexcept { return viewers_; }
    // Alt+X only clears the main window. The viewer stays among the live ones: the host's later
    // teardown of it runs in full, and unloading the library must still destroy its window, since no
    // window may keep a procedure in unloaded code. Nothing asks whether a viewer was detached.
    void DetachViewer() noexcept override { mainWindow_ = nullptr; }
    // The dictionary of the base whose tables the Lister walks, kept between its tables.
    DictionaryCache& Dictionaries() noexcept override { return dictionaries_; }
    // The viewer is being destroyed: the route no longer names it.
    void ForgetViewer(const TfmMain& viewer) noexcept {
        if (route_ == &viewer) route_ = nullptr;
    }

private:
    Application() = default;

    HWND mainWindow_ = nullptr;
    TfmMain* route_ = nullptr;
    LiveViewers viewers_;
    DictionaryCache dictionaries_;
};

}  // namespace dd
