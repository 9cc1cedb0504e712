// Every size of the viewer at the screen's resolution: this suite runs once at Wine's standard 96 DPI,
// where every number is the one the viewer has always had, and once at 192 DPI (DD_EXPECTED_DPI names
// the resolution the run was started with), where each is twice that.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "layout/Dpi.h"
#include "windows/support/PluginTestSupport.h"

namespace dd::test {
namespace {

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

LONG FontHeightOf(HWND window) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

// The pixel rows (or columns) of one pixel column (row) of the grid that its lines take, in order.
std::vector<int> LinePixels(const ClientPicture& picture, bool rows, int across, int upTo) {
    std::vector<int> found;
    for (int along = 0; along < upTo; ++along) {
        const COLORREF pixel = rows ? picture.At(across, along) : picture.At(along, across);
        if (pixel == GetSysColor(COLOR_BTNFACE)) found.push_back(along);
    }
    return found;
}

// Lines of `width` pixels after cells of the given sizes, from 0.
std::vector<int> ExpectedLinePixels(const std::vector<int>& cells, int width) {
    std::vector<int> pixels;
    int at = 0;
    for (const int cell : cells) {
        at += cell;
        for (int i = 0; i < width; ++i) pixels.push_back(at++);
    }
    return pixels;
}

class DpiTest : public PluginTest {
protected:
    // A Lister window of this size at 96 DPI, scaled: embedded in the main window, since a top-level
    // window is kept within the screen, which at 192 DPI is smaller than the scaled sizes.
    void Open(int widthAt96, int heightAt96) {
        opened_ = OpenSample("1Cv7.DD", {true, dpi_.Scale(widthAt96), dpi_.Scale(heightAt96)});
        ASSERT_NE(viewer_, nullptr);
    }
    int S(int pixelsAt96) const { return dpi_.Scale(pixelsAt96); }

    // Everything that scales, laid out at `dpi` in the window opened at 1032 x 600 (at 96 DPI).
    void ExpectLaidOutAt(Dpi dpi, int listWidthAt96, const std::string& where) {
        RECT client{};
        GetClientRect(viewer_, &client);
        const int margin = dpi.Scale(1);
        const int listWidth = dpi.Scale(listWidthAt96);
        EXPECT_EQ(WindowBounds(list_), (RECT{margin, margin, margin + listWidth, client.bottom - margin})) << where;
        EXPECT_EQ(WindowBounds(grid_),
                  (RECT{margin + listWidth, margin, client.right - margin, client.bottom - margin}))
            << where;
        EXPECT_EQ(FontHeightOf(list_), -dpi.Scale(11)) << where;
        EXPECT_EQ(FontHeightOf(grid_), -dpi.Scale(11)) << where;
        EXPECT_EQ(SendMessageA(list_, LB_GETITEMHEIGHT, 0, 0), dpi.Scale(14)) << where;
        // The width rule of the grid's width, no column narrower than its caption with its margins.
        const int gridWidth = client.right - 2 * margin - listWidth;
        const int rest = gridWidth - dpi.Scale(500);
        std::vector<int> rule = {dpi.Scale(200), dpi.Scale(300), rest / 3, rest / 3, rest - 2 * (rest / 3)};
        for (int column = 0; column < 5; ++column) {
            int& width = rule[static_cast<size_t>(column)];
            width = std::max(width, CaptionTextWidth(grid_, column) + 2 * dpi.Scale(2));
        }
        EXPECT_EQ(ReadGrid(grid_).widths, rule) << where;

        // Rows and lines as painted: below column 0's text, and along row 0 below its caption.
        const ClientPicture picture(grid_);
        const int rowHeight = dpi.Scale(18);
        const int line = dpi.Scale(1);
        const int pitch = rowHeight + line;
        EXPECT_EQ(LinePixels(picture, true, dpi.Scale(150), 3 * pitch),
                  ExpectedLinePixels({rowHeight, rowHeight, rowHeight}, line))
            << where;
        const std::vector<int> widths = ReadGrid(grid_).widths;
        EXPECT_EQ(LinePixels(picture, false, rowHeight - 1, widths[0] + line + 1),
                  ExpectedLinePixels({widths[0]}, line))
            << where;

        // A click hits the cell painted there.
        const LPARAM point = MAKELPARAM(widths[0] + line + dpi.Scale(10), 2 * pitch + rowHeight / 2);
        SendMessageA(grid_, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageA(grid_, WM_LBUTTONUP, 0, point);
        EXPECT_EQ(ReadGrid(grid_).currentColumn, 1) << where;
        EXPECT_EQ(ReadGrid(grid_).currentRow, 2) << where;

        // The splitter's zone: two pixels (scaled) each side of the boundary.
        for (int x = listWidth - 2 * dpi.Scale(2); x < listWidth + 3 * dpi.Scale(2); ++x) {
            POINT screen{x + margin, client.bottom / 2};
            ClientToScreen(viewer_, &screen);
            const HWND control = x < listWidth ? list_ : grid_;
            const bool inZone = x >= listWidth - dpi.Scale(2) && x < listWidth + dpi.Scale(2);
            EXPECT_EQ(SendMessageA(control, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)) == HTTRANSPARENT, inZone)
                << where << ", x " << x;
        }
    }

    Dpi dpi_{ScreenDpi()};
    OpenedViewer opened_;
    std::unique_ptr<host::ListerWindow>& lister_ = opened_.lister;
    HWND& viewer_ = opened_.viewer;
    HWND& list_ = opened_.list;
    HWND& grid_ = opened_.grid;
};

TEST_F(DpiTest, TheSuiteRunsAtTheResolutionItWasStartedWith) {
    const char* expected = std::getenv("DD_EXPECTED_DPI");
    if (expected == nullptr) GTEST_SKIP() << "DD_EXPECTED_DPI is not set";
    EXPECT_EQ(dpi_.value, std::atoi(expected));
    Open(1032, 600);
    EXPECT_EQ(SendMessageA(list_, LB_GETITEMHEIGHT, 0, 0), dpi_.Scale(14));
}

TEST_F(DpiTest, EverySizeIsLaidOutAt96DpiAndScaledToTheScreen) {
    Open(1032, 600);
    ExpectLaidOutAt(dpi_, 230, "as opened");
    EXPECT_EQ(GetWindowLongA(grid_, GWL_STYLE) & WS_HSCROLL, 0);
}

TEST_F(DpiTest, ANarrowWindowScrollsSidewaysByScaledSteps) {
    Open(520, 400);
    ChooseTable(viewer_, BiggestTable(viewer_));
    ASSERT_NE(GetWindowLongA(grid_, GWL_STYLE) & WS_HSCROLL, 0);
    const std::vector<int> widths = ReadGrid(grid_).widths;
    for (int column = 2; column < 5; ++column)
        EXPECT_EQ(widths[static_cast<size_t>(column)], CaptionTextWidth(grid_, column) + 2 * S(2)) << column;
    const SCROLLINFO bar = ScrollBarOf(grid_, SB_HORZ);
    EXPECT_EQ(bar.nMax + 1, GridColumnLeft(widths, 5, 0, S(1)));
    SendMessageA(grid_, WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(ScrollBarOf(grid_, SB_HORZ).nPos, S(18) + S(1));
}

// A Quick View panel of 300 x 200 (at 96 DPI): the viewer opens with the grid at its scaled minimum.
TEST_F(DpiTest, ASmallPanelOpensWithTheGridAtItsScaledMinimum) {
    Open(300, 200);
    EXPECT_EQ(WindowBounds(list_), (RECT{S(1), S(1), S(300) - S(1) - S(120), S(200) - S(1)}));
    EXPECT_EQ(WindowBounds(grid_), (RECT{S(300) - S(1) - S(120), S(1), S(300) - S(1), S(200) - S(1)}));
}

// A change of resolution (a window moved to another screen) lays the viewer out again: the fonts,
// rows, lines, columns and the splitter's place all follow, and come back with the resolution.
TEST_F(DpiTest, AChangeOfResolutionLaysTheViewerOutAgain) {
    Open(1032, 600);
    SendMessageA(viewer_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(S(231), S(300)));
    SendMessageA(viewer_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(S(231) + S(50), S(300)));
    SendMessageA(viewer_, WM_LBUTTONUP, 0, MAKELPARAM(S(231) + S(50), S(300)));
    ExpectLaidOutAt(dpi_, 280, "a dragged splitter");

    const Dpi twice{2 * dpi_.value};
    RECT suggested{};
    GetWindowRect(viewer_, &suggested);
    SendMessageA(viewer_, WM_DPICHANGED, MAKEWPARAM(twice.value, twice.value), reinterpret_cast<LPARAM>(&suggested));
    ExpectLaidOutAt(twice, 280, "twice the resolution");

    SendMessageA(viewer_, WM_DPICHANGED_AFTERPARENT, 0, 0);  // the screen's own again
    ExpectLaidOutAt(dpi_, 280, "the screen's resolution again");
}

}  // namespace
}  // namespace dd::test
