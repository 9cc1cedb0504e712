// The table list's tooltip: the whole description and the identifier of the table under the mouse, on
// the standard tooltip control, which goes with the viewer.
// clang-format off
#include <windows.h>
#include <commctrl.h>  // after windows.h, which it needs
// clang-format on

#include <fstream>
#include <set>
#include <string>
#include <utility>

#include "layout/ColourScheme.h"
#include "windows/host/ListerInterface.h"
#include "windows/support/PluginTestSupport.h"
#include "windows/support/WindowPicture.h"

namespace dd::test {
namespace {

struct ToolSeen {
    RECT rect{};
    std::wstring text;
};

TTTOOLINFOW ToolInfo(HWND list) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = list;
    return tool;
}

// The tooltip window whose tool is this list's.
HWND TooltipOf(HWND list) {
    struct Search {
        HWND list;
        HWND found;
    } search{list, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            char name[64] = {};
            GetClassNameA(window, name, sizeof name);
            if (std::string(name) != TOOLTIPS_CLASSA) return TRUE;
            TTTOOLINFOW tool = ToolInfo(nullptr);
            if (SendMessageW(window, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)) && tool.hwnd == s->list) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

ToolSeen ToolOf(HWND tooltip, HWND list) {
    TTTOOLINFOW tool = ToolInfo(nullptr);
    SendMessageW(tooltip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool));
    ToolSeen seen;
    seen.rect = tool.rect;
    wchar_t text[1024] = {};
    TTTOOLINFOW request = ToolInfo(list);
    request.uId = tool.uId;
    request.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, static_cast<WPARAM>(std::size(text)), reinterpret_cast<LPARAM>(&request));
    seen.text = text;
    return seen;
}

RECT ItemRect(HWND list, int item) {
    RECT rect{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

void HoverAt(HWND list, int x, int y) { SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

// The names that the sample's marker lines ("#==TABLE no 12     : name") give its tables, in file order.
std::vector<std::string> MarkerNames(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<std::string> names;
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("#==TABLE no", 0) != 0) continue;
        const size_t colon = line.find(':');
        std::string name = colon == std::string::npos ? std::string() : line.substr(colon + 1);
        name.erase(0, name.find_first_not_of(' '));
        name.erase(name.find_last_not_of(" \r") + 1);
        names.push_back(name);
    }
    return names;
}

TEST_F(PluginTest, HoveringOverATableShowsItsWholeNameAndItsIdentifier) {
    auto [lister, viewer, list, grid] = OpenSample();
    ASSERT_NE(viewer, nullptr);
    const HWND tooltip = TooltipOf(list);
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(GetWindow(tooltip, GW_OWNER), lister->Handle());

    const std::vector<std::string> descriptions = ListTexts(list);
    const std::vector<std::string> names = MarkerNames(WindowsSamplePath("1Cv7.DD"));
    ASSERT_EQ(names.size(), descriptions.size());
    std::vector<std::wstring> expected;
    int cut = 0;  // descriptions that the dictionary's column cut, whose tooltips name the table whole
    for (int table = 0; table < static_cast<int>(descriptions.size()); ++table) {
        ChooseTable(viewer, table);
        const std::string& name = names[static_cast<size_t>(table)];
        cut += name != descriptions[static_cast<size_t>(table)] ? 1 : 0;
        expected.push_back(WideFrom1251(name + "\r\n" + CellText(GridOf(viewer), 0, 1)));
    }
    EXPECT_GE(cut, 2);
    // The sample has tables of equal descriptions: their tooltips tell them apart.
    EXPECT_LT(std::set<std::string>(descriptions.begin(), descriptions.end()).size(), descriptions.size());
    EXPECT_EQ(std::set<std::wstring>(expected.begin(), expected.end()).size(), expected.size());

    for (int table = 0; table < static_cast<int>(descriptions.size()); ++table) {
        const RECT item = ItemRect(list, table);
        HoverAt(list, item.left + 5 + table, item.bottom - 1);
        const ToolSeen tool = ToolOf(tooltip, list);
        EXPECT_EQ(tool.rect, item) << table;
        EXPECT_EQ(tool.text, expected[static_cast<size_t>(table)]) << table;
    }
    // The entries themselves stay the descriptions.
    EXPECT_EQ(ListTexts(list), descriptions);

    // Below the last entry there is no table, and nothing to show.
    const RECT last = ItemRect(list, static_cast<int>(descriptions.size()) - 1);
    HoverAt(list, 20, last.bottom + 20);
    EXPECT_EQ(ToolOf(tooltip, list).text, L"");
}

TEST_F(PluginTest, TheTooltipShowsWhereTheMouseRestsOnATable) {
    auto [lister, viewer, list, grid] = OpenSample();
    ASSERT_NE(viewer, nullptr);
    const HWND tooltip = TooltipOf(list);
    ASSERT_NE(tooltip, nullptr);
    const RECT item = ItemRect(list, 8);
    POINT screen{item.left + 20, item.top + 5};
    ClientToScreen(list, &screen);
    SetCursorPos(screen.x, screen.y);
    HoverAt(list, item.left + 20, item.top + 5);
    for (int waited = 0; waited < 3000 && !IsWindowVisible(tooltip); waited += 20) {
        host::PumpMessages();
        Sleep(20);
    }
    EXPECT_TRUE(IsWindowVisible(tooltip));
    wchar_t shown[256] = {};
    GetWindowTextW(tooltip, shown, static_cast<int>(std::size(shown)));
    EXPECT_EQ(std::wstring(shown), ToolOf(tooltip, list).text);
    SetCursorPos(0, 0);
}

// In dark mode the tooltip is dark too, as the list it belongs to: the palette's tooltip colours, which
// Wine, keeping no theme, shows with Windows' dark controls too; back in light mode, the system's.
TEST_F(PluginTest, TheTooltipTakesTheColoursOfTheModeLive) {
    auto [lister, viewer, list, grid] = OpenSample("1Cv7.DD", {}, host::kDarkMode);
    ASSERT_NE(viewer, nullptr);
    const HWND tooltip = TooltipOf(list);
    ASSERT_NE(tooltip, nullptr);
    const auto colours = [&] {
        return std::pair{RgbOf(static_cast<COLORREF>(SendMessageW(tooltip, TTM_GETTIPBKCOLOR, 0, 0))),
                         RgbOf(static_cast<COLORREF>(SendMessageW(tooltip, TTM_GETTIPTEXTCOLOR, 0, 0)))};
    };
    const auto dark = std::pair{DarkColour(PaintRole::TooltipBackground), DarkColour(PaintRole::TooltipText)};
    const auto light = std::pair{RgbOf(GetSysColor(COLOR_INFOBK)), RgbOf(GetSysColor(COLOR_INFOTEXT))};
    EXPECT_EQ(colours(), dark) << "opened dark";
    struct Step {
        int flags;
        bool dark;
    };
    for (const Step& step : {Step{0, false}, Step{host::kDarkMode | host::kDarkModeNative, true}, Step{0, false},
                             Step{host::kDarkMode, true}}) {
        ASSERT_EQ(Plugin().SendCommand(viewer, host::kNewParamsCommand, step.flags), 0);
        EXPECT_EQ(colours(), step.dark ? dark : light) << "lc_newparams " << step.flags;
    }

    // Shown, it is painted so.
    const RECT item = ItemRect(list, 8);
    POINT screen{item.left + 20, item.top + 5};
    ClientToScreen(list, &screen);
    SetCursorPos(screen.x, screen.y);
    HoverAt(list, item.left + 20, item.top + 5);
    for (int waited = 0; waited < 3000 && !IsWindowVisible(tooltip); waited += 20) {
        host::PumpMessages();
        Sleep(20);
    }
    ASSERT_TRUE(IsWindowVisible(tooltip));
    const WindowPicture picture(tooltip);
    EXPECT_EQ(picture.AtClient(3, 3), dark.first);
    EXPECT_GE(picture.InkPixels({0, 0, picture.Width() - 2, picture.Height() - 2}, dark.second, dark.first), 20);
    SetCursorPos(0, 0);
}

TEST_F(PluginTest, TheTooltipGoesWithTheViewerWhicheverWayItCloses) {
    auto lister = MakeLister();
    HWND viewer = lister->Load(WindowsSamplePath("1Cv7.DD"));
    ASSERT_NE(viewer, nullptr);
    HWND tooltip = TooltipOf(ListOf(viewer));
    ASSERT_NE(tooltip, nullptr);
    lister->ClosePlugin();
    EXPECT_FALSE(IsWindow(tooltip));
    EXPECT_TRUE(IsWindow(lister->Handle()));

    viewer = lister->Load(WindowsSamplePath("1Cv7.DDS"));
    ASSERT_NE(viewer, nullptr);
    tooltip = TooltipOf(ListOf(viewer));
    ASSERT_NE(tooltip, nullptr);
    lister->Destroy();  // the Lister window goes with the viewer inside
    host::PumpMessages();
    EXPECT_FALSE(IsWindow(tooltip));
    EXPECT_EQ(PluginWindowCount(), 0);
}

// The list box tells the item under a point in 16 bits: past the 65,536th table the tooltip still
// names the table under the mouse.
TEST_F(PluginTest, TheTooltipNamesTheTableUnderTheMouseInAListOfMoreThan65536) {
    constexpr int kTables = 70000;
    std::string bytes;
    for (int i = 0; i < kTables; ++i) {
        const std::string n = std::to_string(i);
        bytes += "#==TABLE no " + n + "\r\n# T" + n + "\r\nT=SC" + n + "|Table " + n + "|SC" + n + "|SC" + n +
                 ".DBF\r\n#\r\n#\r\nF=CODE|Code|C|8|0\r\n#\r\n";
    }
    auto lister = MakeLister();
    const HWND viewer = lister->Load(WriteFile(MakeTempFolder(), "many.DD", bytes));
    ASSERT_NE(viewer, nullptr);
    const HWND list = ListOf(viewer);
    const HWND tooltip = TooltipOf(list);
    ASSERT_NE(tooltip, nullptr);
    for (const int top : {65530, 69950}) {
        SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
        ASSERT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), top);
        for (const int below : {0, 3, 9}) {
            const int table = top + below;
            const RECT item = ItemRect(list, table);
            HoverAt(list, item.left + 5, item.top + 2);
            const std::string n = std::to_string(table);
            EXPECT_EQ(ToolOf(tooltip, list).text, WideFrom1251("Table " + n + "\r\nSC" + n + ".DBF")) << table;
        }
    }
    lister->ClosePlugin();
}

}  // namespace
}  // namespace dd::test
