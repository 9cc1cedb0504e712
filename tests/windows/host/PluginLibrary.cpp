#include "windows/host/PluginLibrary.h"

#include <stdexcept>
#include <vector>

namespace dd::host {
namespace {

template <typename Fn>
Fn Export(HMODULE module, const char* name) {
    auto* address = GetProcAddress(module, name);
    if (address == nullptr) throw std::runtime_error(std::string("the plug-in does not export ") + name);
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(address));
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

HWND PluginLibrary::Load(HWND listerWindow, const std::string& path) const {
    std::string writable = path;  // the host hands a writable zero-terminated string
    return load_(listerWindow, writable.data(), 0);
}

}  // namespace dd::host
