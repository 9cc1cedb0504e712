#include "plugin/Application.h"

#include "viewer/InfoMessage.h"
#include "viewer/unMain.h"

namespace dd {

Application& Application::Instance() {
    static auto* application = new Application;
    return *application;
}

void Application::HandleException(const std::exception& error) noexcept {
    if (const HWND capture = GetCapture()) SendMessageW(capture, WM_CANCELMODE, 0, 0);
    if (route_ != nullptr)
        route_->AppException(error);
    else
        ShowReport(nullptr, kPluginErrorPrefix, MessageOf(error));
}

}  // namespace dd
