#pragma once

#include <windows.h>

#include "viewer/CallbackGuard.h"

namespace dd {

class TfmMain;

// What a viewer needs of the process-wide application object: the route for the exceptions that
// escape its handlers, the application's main window, and letting go of a viewer on Alt+X.
class ViewerApplication : public ExceptionSink {
public:
    // The window that the application takes as its main window (the Lister window of the newest
    // load); 0 when none is set. It owns the clipboard while the viewer puts text on it.
    virtual HWND MainWindow() const noexcept = 0;
    // Clears the main window and stops owning the viewer; the viewer itself stays open.
    virtual void DetachViewer(TfmMain& viewer) noexcept = 0;

protected:
    ~ViewerApplication() = default;
};

}  // namespace dd
