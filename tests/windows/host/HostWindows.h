#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "windows/host/PluginLibrary.h"

namespace dd::host {

// A message as a host window received it.
struct ReceivedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const ReceivedMessage&) const = default;
};

// The host's main window stand-in, of the class "TTOTAL_CMD" by which the plug-in finds it. It keeps
// the system commands it receives; it closes on SC_CLOSE only when asked to.
class MainWindowStandIn {
public:
    explicit MainWindowStandIn(bool closesOnCloseCommand, const RECT& bounds = {0, 0, 1100, 760});
    ~MainWindowStandIn();
    MainWindowStandIn(const MainWindowStandIn&) = delete;
    MainWindowStandIn& operator=(const MainWindowStandIn&) = delete;

    HWND Handle() const noexcept { return window_; }
    std::vector<ReceivedMessage> TakeSystemCommands();
    std::function<void()> onDestroyed;

private:
    friend struct WindowDispatch;
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool closesOnCloseCommand_;
    std::vector<ReceivedMessage> systemCommands_;
    HWND window_ = nullptr;
};

// What a Lister window stand-in is made with.
struct ListerWindowArgs {
    const PluginLibrary* plugin = nullptr;
    HWND parent = nullptr;  // a window to embed the Lister in, or 0 for a top-level Lister window
    RECT bounds{40, 40, 1072, 640};
    bool closesOnEscape = false;  // as the real host: Esc closes the plug-in and the Lister window
    // Called for every key that reaches the Lister window (after it is kept), as the real host acts on
    // its own keys (F7: find).
    std::function<void(WPARAM key)> onKey;
};

// The Lister window stand-in: the parent of the plug-in's window. Like the host, it keeps the
// plug-in's window filling its client area, gives it the focus whenever the Lister window is activated
// and can close it on Esc. It keeps the key messages it receives.
class ListerWindow {
public:
    explicit ListerWindow(const ListerWindowArgs& args);
    ~ListerWindow();
    ListerWindow(const ListerWindow&) = delete;
    ListerWindow& operator=(const ListerWindow&) = delete;

    HWND Handle() const noexcept { return window_; }
    // Calls ListLoad (ListLoadW) for the file; the plug-in's window, or 0.
    HWND Load(const std::string& path, int showFlags = 0);
    HWND LoadW(const std::wstring& path, int showFlags = 0);
    // Calls ListLoadNext (ListLoadNextW) for the plug-in's window and the file; the plug-in's answer.
    int LoadNext(const std::string& path, int showFlags = 0);
    int LoadNextW(const std::wstring& path, int showFlags = 0);
    HWND PluginWindow() const noexcept { return pluginWindow_; }
    // Calls ListCloseWindow for the plug-in's window.
    void ClosePlugin();
    // Destroys the Lister window (with the plug-in's window inside, without ListCloseWindow).
    void Destroy() noexcept;
    std::vector<ReceivedMessage> TakeKeys();
    std::function<void()> onDestroyed;

private:
    friend struct WindowDispatch;
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    ListerWindowArgs args_;
    std::vector<ReceivedMessage> keys_;
    HWND pluginWindow_ = nullptr;
    HWND window_ = nullptr;
};

// Dispatches every message waiting in this thread's queue, a few rounds so that posts made while
// dispatching are handled too.
void PumpMessages();

}  // namespace dd::host
