// The interpreter of the print commands: each command becomes the GDI calls on the device that draw it.
#include "viewer/PrintCommandRunner.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <type_traits>
#include <variant>

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

}  // namespace

void RunPrintCommands(PrintDevice& device, const std::vector<PrintCommand>& commands) {
    CommandRunner runner(device);
    for (const PrintCommand& command : commands) std::visit(runner, command);
}

}  // namespace dd
