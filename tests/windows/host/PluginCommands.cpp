#include "windows/host/PluginCommands.h"

#include <stdexcept>

namespace dd::host {
namespace {

template <typename Fn>
Fn Export(HMODULE module, const char* name) {
    auto* address = GetProcAddress(module, name);
    if (address == nullptr) throw std::runtime_error(std::string("the plug-in does not export ") + name);
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(address));
}

HMODULE LoadedModule(const std::string& path) {
    const HMODULE module = GetModuleHandleA(path.c_str());
    if (module == nullptr) throw std::runtime_error(path + " is not loaded");
    return module;
}

}  // namespace

PluginCommands::PluginCommands(const std::string& path) {
    const HMODULE module = LoadedModule(path);
    loadW_ = Export<LoadWFn>(module, "ListLoadW");
    loadNext_ = Export<LoadNextFn>(module, "ListLoadNext");
    loadNextW_ = Export<LoadNextWFn>(module, "ListLoadNextW");
    sendCommand_ = Export<SendCommandFn>(module, "ListSendCommand");
    searchText_ = Export<SearchTextFn>(module, "ListSearchText");
    searchTextW_ = Export<SearchTextWFn>(module, "ListSearchTextW");
    print_ = Export<PrintFn>(module, "ListPrint");
    printW_ = Export<PrintWFn>(module, "ListPrintW");
    setDefaultParams_ = Export<SetDefaultParamsFn>(module, "ListSetDefaultParams");
}

HWND PluginCommands::LoadW(HWND listerWindow, const std::wstring& path, int showFlags) const {
    std::wstring writable = path;
    return loadW_(listerWindow, writable.data(), showFlags);
}

int PluginCommands::LoadNext(HWND listerWindow, HWND pluginWindow, const std::string& path, int showFlags) const {
    std::string writable = path;
    return loadNext_(listerWindow, pluginWindow, writable.data(), showFlags);
}

int PluginCommands::LoadNextW(HWND listerWindow, HWND pluginWindow, const std::wstring& path, int showFlags) const {
    std::wstring writable = path;
    return loadNextW_(listerWindow, pluginWindow, writable.data(), showFlags);
}

int PluginCommands::SendCommand(HWND pluginWindow, int command, int parameter) const {
    return sendCommand_(pluginWindow, command, parameter);
}

int PluginCommands::SearchText(HWND pluginWindow, const std::string& text, int flags) const {
    std::string writable = text;
    return searchText_(pluginWindow, writable.data(), flags);
}

int PluginCommands::SearchTextW(HWND pluginWindow, const std::wstring& text, int flags) const {
    std::wstring writable = text;
    return searchTextW_(pluginWindow, writable.data(), flags);
}

int PluginCommands::Print(HWND pluginWindow, const std::string& file, const std::string& printer) const {
    std::string writableFile = file;
    std::string writablePrinter = printer;
    RECT margins{};
    return print_(pluginWindow, writableFile.data(), writablePrinter.data(), 0, &margins);
}

int PluginCommands::PrintW(HWND pluginWindow, const std::wstring& file, const std::wstring& printer) const {
    std::wstring writableFile = file;
    std::wstring writablePrinter = printer;
    RECT margins{};
    return printW_(pluginWindow, writableFile.data(), writablePrinter.data(), 0, &margins);
}

void PluginCommands::SetDefaultParams(DefaultParams& params) const { setDefaultParams_(&params); }

}  // namespace dd::host
