#include "viewer/Printer.h"

#include <winspool.h>

#include <algorithm>
#include <cwchar>
#include <optional>
#include <type_traits>
#include <variant>

#include "dictionary/Error.h"
#include "platform/win32/WideText.h"
#include "viewer/OsError.h"
#include "viewer/WinHandles.h"

namespace dd {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// As much of a text as `room` device units can show, in UTF-16.
std::wstring VisibleText(std::string_view text, int room) {
    return WideFromCp1251(text.substr(0, static_cast<size_t>(std::max(room, 0))));
}

struct DcDeleter {
    void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
using UniqueDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;
using UniquePen = std::unique_ptr<std::remove_pointer_t<HPEN>, GdiObjectDeleter>;

// What the font commands have set so far.
struct FontSpec {
    std::string name;
    int points = 0;
    FontStyle style = FontStyle::Regular;
};

// Carries out the commands one by one, keeping the pen and the font it has made selected into the
// device context until they change, a page ends or the run ends.
class CommandRunner {
public:
    explicit CommandRunner(PrintDevice& device) : device_(device) {}
    CommandRunner(const CommandRunner&) = delete;
    CommandRunner& operator=(const CommandRunner&) = delete;

    void operator()(const BeginDocument& command) { device_.StartDocument(command.name); }
    void operator()(const SetPenColour& command) {
        penColour_ = static_cast<COLORREF>(command.colour);
        prepared_ = false;
    }
    void operator()(const SetFontName& command) { ChangeFont(font_.name, command.name); }
    void operator()(const SetFontSize& command) { ChangeFont(font_.points, command.points); }
    void operator()(const SetFontStyle& command) { ChangeFont(font_.style, command.style); }
    void operator()(const TextAt& command) {
        PrepareToDraw();
        // No character is narrower than a dot: no more of the text than the page is wide can show.
        const std::wstring text = VisibleText(command.text, GetDeviceCaps(device_.Dc(), HORZRES));
        ExtTextOutW(device_.Dc(), command.x, command.y, 0, nullptr, text.data(), static_cast<UINT>(text.size()),
                    nullptr);
    }
    void operator()(const TextInRect& command) {
        const DeviceRect& area = command.rect;
        if (area.right <= area.left || area.bottom <= area.top) return;  // no room for any of its text
        PrepareToDraw();
        const RECT rect{area.left, area.top, area.right, area.bottom};
        const std::wstring text = VisibleText(command.text, area.right - area.left);
        ExtTextOutW(device_.Dc(), command.x, command.y, ETO_CLIPPED | ETO_OPAQUE, &rect, text.data(),
                    static_cast<UINT>(text.size()), nullptr);
    }
    void operator()(const NextPage&) {
        ReleaseDcObjects();
        device_.NextPage();
    }
    void operator()(const EndDocument&) {
        ReleaseDcObjects();
        device_.EndDocument();
    }

private:
    template <typename T, typename U>
    void ChangeFont(T& property, const U& value) {
        property = value;
        fontMade_ = false;
    }

    // Colours, pen and font in the device context, as the commands so far have set them. A page
    // break may have reset the context, so after one everything is set again.
    void PrepareToDraw() {
        const HDC dc = device_.Dc();
        if (!prepared_) {
            SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, kWhite);
            SetBkMode(dc, OPAQUE);
            if (penColour_) {
                penSelection_.reset();
                pen_.reset(CreatePen(PS_SOLID, 0, *penColour_));
                if (!pen_) throw LastOsError();
                penSelection_ = std::make_unique<SelectedObject>(dc, pen_.get());
            }
            prepared_ = true;
        }
        if (!fontMade_) {
            fontSelection_.reset();
            madeFont_.reset(CreateFontW(-MulDiv(font_.points, device_.PixelsPerInchY(), 72), 0, 0, 0,
                                        font_.style == FontStyle::Bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                        DEFAULT_PITCH | FF_DONTCARE, WideFromCp1251(font_.name).c_str()));
            if (!madeFont_) throw LastOsError();
            fontSelection_ = std::make_unique<SelectedObject>(dc, madeFont_.get());
            fontMade_ = true;
        }
    }

    // Puts the context's own pen and font back and deletes ours.
    void ReleaseDcObjects() noexcept {
        fontSelection_.reset();
        madeFont_.reset();
        penSelection_.reset();
        pen_.reset();
        fontMade_ = false;
        prepared_ = false;
    }

    PrintDevice& device_;
    FontSpec font_;
    std::optional<COLORREF> penColour_;
    bool prepared_ = false;
    bool fontMade_ = false;
    // Each object is declared before its selection, so the selection is undone before it is deleted.
    UniquePen pen_;
    std::unique_ptr<SelectedObject> penSelection_;
    UniqueFont madeFont_;
    std::unique_ptr<SelectedObject> fontSelection_;
};

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

// Marks the printer busy for a scope.
class PrintingScope {
public:
    explicit PrintingScope(bool& printing) noexcept : printing_(printing) { printing_ = true; }
    ~PrintingScope() { printing_ = false; }
    PrintingScope(const PrintingScope&) = delete;
    PrintingScope& operator=(const PrintingScope&) = delete;

private:
    bool& printing_;
};

}  // namespace

void RunPrintCommands(PrintDevice& device, const std::vector<PrintCommand>& commands) {
    CommandRunner runner(device);
    for (const PrintCommand& command : commands) std::visit(runner, command);
}

Printer& Printer::Instance() {
    static DefaultPrinter defaultPrinter;
    static Printer printer([] { return defaultPrinter.Open(); });
    return printer;
}

void Printer::Print(const CommandBuilder& build) { Print(build, open_); }

bool Printer::Print(const CommandBuilder& build, const DeviceOpener& open) {
    if (printing_) throw Error("Printing in progress");
    const PrintingScope scope(printing_);
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
