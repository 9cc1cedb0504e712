#include "windows/host/PluginLibrary.h"

#include <stdexcept>
#include <vector>

#include "windows/host/ExportLookup.h"

namespace dd::host {
namespace {

template <typename Fn>
Fn Present(Fn function, const char* name) {
    if (function == nullptr) throw std::logic_error(std::string("the plug-in does not export ") + name);
    return function;
}

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) : module_(LoadLibraryA(path.c_str())) {
    if (module_ == nullptr) {
        throw std::runtime_error("cannot load " + path + " (error " + std::to_string(GetLastError()) + ")");
    }
    try {
        detectString_ = Export<ListGetDetectStringFn>(module_, "ListGetDetectString");
        load_ = Export<ListLoadFn>(module_, "ListLoad");
        closeWindow_ = Export<ListCloseWindowFn>(module_, "ListCloseWindow");
    } catch (...) {
        FreeLibrary(module_);
        throw;
    }
    loadW_ = OptionalExport<ListLoadWFn>(module_, "ListLoadW");
    loadNext_ = OptionalExport<ListLoadNextFn>(module_, "ListLoadNext");
    loadNextW_ = OptionalExport<ListLoadNextWFn>(module_, "ListLoadNextW");
    sendCommand_ = OptionalExport<ListSendCommandFn>(module_, "ListSendCommand");
}

PluginLibrary::~PluginLibrary() { Unload(); }

void PluginLibrary::Unload() noexcept {
    if (module_ != nullptr) FreeLibrary(module_);
    module_ = nullptr;
}

std::string PluginLibrary::DetectString(int maxlen) const {
    std::vector<char> buffer(static_cast<size_t>(maxlen) + 1, '\0');
    detectString_(buffer.data(), maxlen);
    return buffer.data();
}

// The host hands writable zero-terminated strings, hence the copies.

HWND PluginLibrary::Load(HWND listerWindow, const std::string& path, int showFlags) const {
    std::string writable = path;
    return load_(listerWindow, writable.data(), showFlags);
}

HWND PluginLibrary::LoadW(HWND listerWindow, const std::wstring& path, int showFlags) const {
    std::wstring writable = path;
    return Present(loadW_, "ListLoadW")(listerWindow, writable.data(), showFlags);
}

int PluginLibrary::LoadNext(HWND listerWindow, HWND pluginWindow, const std::string& path, int showFlags) const {
    std::string writable = path;
    return Present(loadNext_, "ListLoadNext")(listerWindow, pluginWindow, writable.data(), showFlags);
}

int PluginLibrary::LoadNextW(HWND listerWindow, HWND pluginWindow, const std::wstring& path, int showFlags) const {
    std::wstring writable = path;
    return Present(loadNextW_, "ListLoadNextW")(listerWindow, pluginWindow, writable.data(), showFlags);
}

int PluginLibrary::SendCommand(HWND pluginWindow, int command, int parameter) const {
    return Present(sendCommand_, "ListSendCommand")(pluginWindow, command, parameter);
}

}  // namespace dd::host
