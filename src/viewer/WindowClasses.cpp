#include "viewer/WindowClasses.h"

#include <string>
#include <vector>

#include "viewer/ModuleInstance.h"
#include "viewer/OsError.h"

namespace dd {
namespace {

std::vector<std::wstring>& RegisteredClasses() {
    static auto* classes =
        new std::vector<std::wstring>;  // never destroyed: unloading may run after static destructors
    return *classes;
}

}  // namespace

const wchar_t* RegisterWindowClassOnce(const wchar_t* name, WNDPROC procedure, int windowExtraBytes,
                                       HBRUSH background) {
    for (const std::wstring& registered : RegisteredClasses()) {
        if (registered == name) return name;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = windowExtraBytes;
    windowClass.hInstance = ModuleInstance();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisteredClasses().reserve(RegisteredClasses().size() + 1);
    if (RegisterClassExW(&windowClass) == 0) throw LastOsError();
    RegisteredClasses().emplace_back(name);
    return name;
}

void UnregisterWindowClasses() noexcept {
    auto& classes = RegisteredClasses();
    for (auto it = classes.begin(); it != classes.end();) {
        if (UnregisterClassW(it->c_str(), ModuleInstance()))
            it = classes.erase(it);
        else
            ++it;
    }
}

}  // namespace dd
