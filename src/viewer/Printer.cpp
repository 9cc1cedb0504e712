#include "viewer/Printer.h"

#include <winspool.h>

#include <algorithm>
#include <cwchar>
#include <optional>
#include <type_traits>

#include "dictionary/Error.h"
#include "platform/win32/WideText.h"
#include "viewer/ScopedFlag.h"
#include "viewer/WinHandles.h"

namespace dd {
namespace {

struct DcDeleter {
    void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
using UniqueDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

// A printer's device context, with the document begun on it aborted if it is not ended.
class PrinterDcDevice final : public PrintDevice {
public:
    explicit PrinterDcDevice(UniqueDc dc) : dc_(std::move(dc)) {}
    ~PrinterDcDevice() override {
        if (documentOpen_) AbortDoc(dc_.get());
    }

    HDC Dc() const noexcept override { return dc_.get(); }
    int PixelsPerInchY() const noexcept override { return GetDeviceCaps(dc_.get(), LOGPIXELSY); }
    int PrintableHeight() const noexcept override { return GetDeviceCaps(dc_.get(), VERTRES); }

    // The results of the document and page calls are not examined: a failure of the driver or the
    // print queue after the document has begun is not reported.
    void StartDocument(const std::string& name) override {
        SetAbortProc(dc_.get(), PrintAbortProc);
        const std::wstring documentName = WideFromCp1251(name);
        DOCINFOW document{};
        document.cbSize = sizeof document;
        document.lpszDocName = documentName.c_str();
        documentOpen_ = StartDocW(dc_.get(), &document) > 0;
        StartPage(dc_.get());
    }
    void NextPage() override {
        EndPage(dc_.get());
        StartPage(dc_.get());
    }
    void EndDocument() override {
        EndPage(dc_.get());
        EndDoc(dc_.get());
        documentOpen_ = false;
    }

private:
    UniqueDc dc_;
    bool documentOpen_ = false;
};

// The default printer as the first print found it: its name and its settings.
struct ChosenPrinter {
    std::wstring name;
    std::vector<BYTE> settings;  // a DEVMODEW with its driver's extra bytes; empty when the list had none
};

std::optional<ChosenPrinter> FindDefaultPrinter() {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    if (size == 0) return std::nullopt;
    std::wstring name(size, L'\0');
    if (!GetDefaultPrinterW(name.data(), &size)) return std::nullopt;
    name.resize(std::wcslen(name.c_str()));
    if (name.empty()) return std::nullopt;
    ChosenPrinter chosen{name, {}};
    // Its settings, from the list of printers.
    DWORD needed = 0;
    DWORD count = 0;
    const DWORD kinds = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    EnumPrintersW(kinds, nullptr, 2, nullptr, 0, &needed, &count);
    std::vector<BYTE> list(needed);
    if (needed == 0 || !EnumPrintersW(kinds, nullptr, 2, list.data(), needed, &needed, &count)) return chosen;
    const auto* printers = reinterpret_cast<const PRINTER_INFO_2W*>(list.data());
    for (DWORD i = 0; i < count; ++i) {
        const PRINTER_INFO_2W& printer = printers[i];
        if (printer.pPrinterName == nullptr || name != printer.pPrinterName || printer.pDevMode == nullptr) continue;
        const auto* bytes = reinterpret_cast<const BYTE*>(printer.pDevMode);
        chosen.settings.assign(bytes, bytes + printer.pDevMode->dmSize + printer.pDevMode->dmDriverExtra);
        break;
    }
    return chosen;
}

// The system's default printer, looked up until one is found and then kept.
class DefaultPrinter {
public:
    std::unique_ptr<PrintDevice> Open() {
        if (!chosen_) chosen_ = FindDefaultPrinter();
        if (!chosen_) throw Error(kNoDefaultPrinterMessage);
        const auto* settings =
            chosen_->settings.empty() ? nullptr : reinterpret_cast<const DEVMODEW*>(chosen_->settings.data());
        UniqueDc dc(CreateDCW(nullptr, chosen_->name.c_str(), nullptr, settings));
        if (!dc) throw Error(kPrinterNotValidMessage);
        return std::make_unique<PrinterDcDevice>(std::move(dc));
    }

private:
    std::optional<ChosenPrinter> chosen_;
};

}  // namespace

Printer& Printer::Instance() {
    static DefaultPrinter defaultPrinter;
    static Printer printer([] { return defaultPrinter.Open(); });
    return printer;
}

void Printer::Print(const CommandBuilder& build) { Print(build, open_); }

bool Printer::Print(const CommandBuilder& build, const DeviceOpener& open) {
    if (printing_) throw Error("Printing in progress");
    const ScopedFlag printing(printing_);
    const std::unique_ptr<PrintDevice> device = open();
    if (!device) return false;
    RunPrintCommands(*device, build(device->PrintableHeight()));
    return true;
}

std::unique_ptr<PrintDevice> PrinterDevice(HDC dc) { return std::make_unique<PrinterDcDevice>(UniqueDc(dc)); }

BOOL CALLBACK PrintAbortProc(HDC, int) noexcept {
    try {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {  // the host's loop must still see it
                PostQuitMessage(static_cast<int>(message.wParam));
                break;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    } catch (...) {  // nothing may unwind into the printing system
    }
    return TRUE;
}

}  // namespace dd
