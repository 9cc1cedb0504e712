#include "windows/host/PluginCommands.h"

#include "windows/host/ExportLookup.h"

namespace dd::host {

PluginCommands::PluginCommands(const PluginLibrary& plugin) {
    const HMODULE module = plugin.Module();
    searchText_ = Export<SearchTextFn>(module, "ListSearchText");
    searchTextW_ = Export<SearchTextWFn>(module, "ListSearchTextW");
    print_ = Export<PrintFn>(module, "ListPrint");
    printW_ = Export<PrintWFn>(module, "ListPrintW");
    setDefaultParams_ = Export<SetDefaultParamsFn>(module, "ListSetDefaultParams");
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
