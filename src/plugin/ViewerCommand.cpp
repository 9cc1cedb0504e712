#include "plugin/ViewerCommand.h"

#include "plugin/Application.h"
#include "plugin/ListerPlugin.h"
#include "viewer/unMain.h"

namespace dd {

int RunViewerCommand(HWND window, const std::function<bool(TfmMain&)>& command) noexcept {
    Application& application = Application::Instance();
    try {
        TfmMain* viewer = application.Viewers().Find(window);
        if (viewer == nullptr) return LISTPLUGIN_ERROR;
        return command(*viewer) ? LISTPLUGIN_OK : LISTPLUGIN_ERROR;
    } catch (const std::exception& error) {
        application.HandleException(error);
    } catch (...) {
    }
    return LISTPLUGIN_ERROR;
}

}  // namespace dd
