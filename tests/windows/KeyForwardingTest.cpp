// The keys that go back to the host: every row of the key table, seen as the messages that arrive at
// the Lister window and at the host's main window.
#include "windows/support/PluginTestSupport.h"

namespace dd::test {
namespace {

using host::ReceivedMessage;
using Posts = std::vector<ReceivedMessage>;

enum class Focus { Viewer, List, Grid };

struct KeyCase {
    const char* row;
    WORD key;
    Modifiers modifiers;
    Posts toLister;  // for a top-level Lister window
    Posts toListerEmbedded;
    Posts toMainWindow;
};

const Modifiers kNone{};
const Modifiers kShift{true, false, false};
const Modifiers kCtrl{false, true, false};
const Modifiers kAlt{false, false, true};
const ReceivedMessage kEscape{WM_KEYDOWN, VK_ESCAPE, 0};
const ReceivedMessage kTab{WM_KEYDOWN, VK_TAB, 0};
const ReceivedMessage kClose{WM_SYSCOMMAND, SC_CLOSE, 0};
ReceivedMessage Key(WORD key) { return {WM_KEYDOWN, key, 0}; }

std::vector<KeyCase> ViewerCases() {
    std::vector<KeyCase> cases = {
        {"Esc", VK_ESCAPE, kNone, {kEscape}, {kTab}, {}},
        {"Shift+Esc", VK_ESCAPE, kShift, {}, {}, {}},
        {"Ctrl+Esc", VK_ESCAPE, kCtrl, {}, {}, {}},
        {"Alt+Esc", VK_ESCAPE, kAlt, {}, {}, {}},
        {"N", 'N', kNone, {Key('N')}, {Key('N')}, {}},
        {"P", 'P', kNone, {Key('P')}, {Key('P')}, {}},
        {"Shift+N", 'N', kShift, {}, {}, {}},
        {"Ctrl+P", 'P', kCtrl, {}, {}, {}},
        {"8", '8', kNone, {}, {}, {}},
        {"9", '9', kNone, {}, {}, {}},
        {"0", '0', kNone, {}, {}, {}},
        {"keypad 1", VK_NUMPAD1, kNone, {}, {}, {}},
        {"Alt+X", 'X', kAlt, {}, {}, {kClose}},
        {"Ctrl+Alt+X", 'X', {false, true, true}, {}, {}, {}},
        {"Alt+Shift+X", 'X', {true, false, true}, {}, {}, {}},
        {"X", 'X', kNone, {}, {}, {}},
        {"F1", VK_F1, kNone, {}, {}, {}},
        {"Tab", VK_TAB, kNone, {}, {}, {}},
    };
    for (WORD digit = '1'; digit <= '7'; ++digit) {
        cases.push_back({"digit", digit, kNone, {Key(digit)}, {Key(digit)}, {}});
        cases.push_back({"Alt+digit", digit, kAlt, {}, {}, {}});
    }
    return cases;
}

std::vector<KeyCase> ControlCases() {
    return {
        {"Esc", VK_ESCAPE, kNone, {kEscape}, {kEscape}, {}},
        {"Shift+Esc", VK_ESCAPE, kShift, {kEscape}, {kEscape}, {}},
        {"Ctrl+Esc", VK_ESCAPE, kCtrl, {kEscape}, {kEscape}, {}},
        {"Alt+Esc", VK_ESCAPE, kAlt, {kEscape}, {kEscape}, {}},
        {"1", '1', kNone, {}, {}, {}},
        {"7", '7', kNone, {}, {}, {}},
        {"N", 'N', kNone, {}, {}, {}},
        {"P", 'P', kNone, {}, {}, {}},
        {"Alt+X", 'X', kAlt, {}, {}, {}},
        {"F1", VK_F1, kNone, {}, {}, {}},
    };
}

class KeyTest : public PluginTest {
protected:
    void Run(Focus focus, const std::vector<KeyCase>& cases) {
        for (bool embedded : {false, true}) {
            auto lister = MakeLister(embedded);
            const HWND viewer = lister->Load(WindowsSamplePath("1Cv7.DD"));
            ASSERT_NE(viewer, nullptr);
            const HWND target = focus == Focus::Viewer ? viewer
                                : focus == Focus::List ? ListOf(viewer)
                                                       : GridOf(viewer);
            for (const KeyCase& c : cases) {
                SetFocus(target);
                host::PumpMessages();
                lister->TakeKeys();
                MainWindow().TakeSystemCommands();
                const int topLevelWindows = CountTopLevelWindows();
                PressKey(target, c.key, c.modifiers);
                const char* where = embedded ? "embedded" : "top-level";
                EXPECT_EQ(lister->TakeKeys(), embedded ? c.toListerEmbedded : c.toLister) << c.row << ", " << where;
                EXPECT_EQ(MainWindow().TakeSystemCommands(), c.toMainWindow) << c.row << ", " << where;
                EXPECT_EQ(CountTopLevelWindows(), topLevelWindows) << c.row << ": a window was shown";
                EXPECT_TRUE(IsWindow(viewer)) << c.row;
            }
            lister->ClosePlugin();
        }
    }

    static int CountTopLevelWindows() {
        int count = 0;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM counter) -> BOOL {
                if (IsWindowVisible(window)) ++*reinterpret_cast<int*>(counter);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&count));
        return count;
    }
};

TEST_F(KeyTest, TheViewerWindowForwardsEscDigitsNAndPAndClosesTheHostOnAltX) { Run(Focus::Viewer, ViewerCases()); }

TEST_F(KeyTest, TheTableListForwardsEscWhateverTheModifiers) { Run(Focus::List, ControlCases()); }

TEST_F(KeyTest, TheFieldGridForwardsEscWhateverTheModifiers) { Run(Focus::Grid, ControlCases()); }

}  // namespace
}  // namespace dd::test
