#pragma once

#include <windows.h>

#include <vector>

#include "viewer/ViewerApplication.h"

namespace dd {

// The process-wide application object: the main window (the Lister window of the newest load), the
// exception route (the newest viewer's AppException) and the viewers it owns.
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

    void Register(TfmMain& viewer);
    void Unregister(const TfmMain& viewer) noexcept;
    bool Owns(const TfmMain& viewer) const noexcept;
    // Alt+X: no main window any more, and the viewer is no longer owned.
    void DetachViewer(TfmMain& viewer) noexcept override;
    // The viewer is being destroyed: nothing here may name it afterwards.
    void ForgetViewer(const TfmMain& viewer) noexcept;

private:
    Application() = default;

    HWND mainWindow_ = nullptr;
    TfmMain* route_ = nullptr;
    std::vector<TfmMain*> owned_;
};

}  // namespace dd
