#include "plugin/Application.h"

#include <algorithm>

#include "viewer/InfoMessage.h"
#include "viewer/unMain.h"

namespace dd {

Application& Application::Instance() {
    static auto* application = new Application;
    return *application;
}

void Application::HandleException(const std::exception& error) noexcept {
    if (const HWND capture = GetCapture()) SendMessageA(capture, WM_CANCELMODE, 0, 0);
    if (route_ != nullptr)
        route_->AppException(error);
    else
        ShowReport(nullptr, kPluginErrorPrefix, MessageOf(error));
}

void Application::Register(TfmMain& viewer) {
    if (!Owns(viewer)) owned_.push_back(&viewer);
}

void Application::Unregister(const TfmMain& viewer) noexcept { std::erase(owned_, &viewer); }

bool Application::Owns(const TfmMain& viewer) const noexcept {
    return std::find(owned_.begin(), owned_.end(), &viewer) != owned_.end();
}

void Application::DetachViewer(TfmMain& viewer) noexcept {
    mainWindow_ = nullptr;
    Unregister(viewer);
}

void Application::ForgetViewer(const TfmMain& viewer) noexcept {
    Unregister(viewer);
    if (route_ == &viewer) route_ = nullptr;
}

}  // namespace dd
