#pragma once

#include <windows.h>

#include "base/DictionaryCache.h"
#include "viewer/CallbackGuard.h"

namespace dd {

// What a viewer needs of the process-wide application object: the route for the exceptions that
// escape its handlers, the application's main window, and letting go of that window on Alt+X.
class ViewerApplication : public ExceptionSink {
public:
    // The window that the application takes as its main window (the Lister window of the newest
    // load); 0 when none is set. It owns the clipboard while the viewer puts text on it.
    virtual HWND MainWindow() const noexcept = 0;
    // Alt+X: the application no longer has a main window. The viewer itself stays open and live,
    // since the host's later teardown of it must still run in full.
    virtual void DetachViewer() noexcept = 0;
    // The dictionaries of bases, read once while their files stay the same: for every viewer of the process.
    virtual DictionaryCache& Dictionaries() noexcept = 0;

protected:
    ~ViewerApplication() = default;
};

}  // namespace dd
