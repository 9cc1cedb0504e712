#pragma once

#include <cstdint>
#include <vector>

// The keys that go back to the host, written once: the native test checks the key rules against this
// table and the Windows test the messages that the built plug-in posts.
namespace dd::test::key_table {

// The virtual-key codes of the table, with the values of the Windows constants (the Windows test
// checks them against <windows.h>).
inline constexpr uint16_t kTab = 0x09;
inline constexpr uint16_t kEscape = 0x1B;
inline constexpr uint16_t kX = 0x58;
inline constexpr uint16_t kNumpad1 = 0x61;
inline constexpr uint16_t kF1 = 0x70;

struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// What one key press leads to.
struct KeyOutcome {
    uint16_t toLister = 0;    // the key posted to the Lister window as WM_KEYDOWN, 0 for none
    bool closesHost = false;  // SC_CLOSE posted to the main window ("TTOTAL_CMD")
    bool asksAbout = false;   // the about box is asked for (it shows nothing)
    bool consumed = false;    // the key gets no further processing
};

// The outcome in a top-level Lister window and in one embedded in another window.
struct ByLister {
    KeyOutcome topLevel;
    KeyOutcome embedded;
};

struct KeyRow {
    const char* name;
    uint16_t key;
    KeyModifiers modifiers;
    ByLister viewer;  // the viewer window has the focus
    ByLister list;    // the table list has it
    ByLister grid;    // the field grid has it
};

inline constexpr KeyModifiers kNone{};
inline constexpr KeyModifiers kShift{.shift = true};
inline constexpr KeyModifiers kCtrl{.ctrl = true};
inline constexpr KeyModifiers kAlt{.alt = true};
inline constexpr KeyModifiers kCtrlAlt{.ctrl = true, .alt = true};
inline constexpr KeyModifiers kShiftAlt{.shift = true, .alt = true};

inline constexpr ByLister kNothing{};
// The viewer window hands the key to the Lister window and keeps nothing of it.
inline constexpr ByLister ForwardedAndConsumed(uint16_t key) {
    return {{key, false, false, true}, {key, false, false, true}};
}
// The list and the grid hand the key to the Lister window and keep it themselves too.
inline constexpr ByLister ForwardedAndKept(uint16_t key) {
    return {{key, false, false, false}, {key, false, false, false}};
}
// Alt+X on the viewer window: the host is told to close; the key goes on.
inline constexpr ByLister kClosesHost{{0, true, false, false}, {0, true, false, false}};
inline constexpr ByLister kAsksAbout{{0, false, true, false}, {0, false, true, false}};

inline std::vector<KeyRow> KeyForwardingRows() {
    const ByLister escFromViewer = {{kEscape, false, false, true}, {kTab, false, false, true}};  // Tab when embedded
    std::vector<KeyRow> rows = {
        {"Esc", kEscape, kNone, escFromViewer, ForwardedAndKept(kEscape), ForwardedAndKept(kEscape)},
        {"Shift+Esc", kEscape, kShift, kNothing, ForwardedAndKept(kEscape), ForwardedAndKept(kEscape)},
        {"Ctrl+Esc", kEscape, kCtrl, kNothing, ForwardedAndKept(kEscape), ForwardedAndKept(kEscape)},
        {"Alt+Esc", kEscape, kAlt, kNothing, ForwardedAndKept(kEscape), ForwardedAndKept(kEscape)},
        {"N", 'N', kNone, ForwardedAndConsumed('N'), kNothing, kNothing},
        {"P", 'P', kNone, ForwardedAndConsumed('P'), kNothing, kNothing},
        {"Shift+N", 'N', kShift, kNothing, kNothing, kNothing},
        {"Ctrl+P", 'P', kCtrl, kNothing, kNothing, kNothing},
        {"8", '8', kNone, kNothing, kNothing, kNothing},
        {"9", '9', kNone, kNothing, kNothing, kNothing},
        {"0", '0', kNone, kNothing, kNothing, kNothing},
        {"keypad 1", kNumpad1, kNone, kNothing, kNothing, kNothing},
        {"Alt+X", kX, kAlt, kClosesHost, kNothing, kNothing},
        {"Ctrl+Alt+X", kX, kCtrlAlt, kNothing, kNothing, kNothing},
        {"Shift+Alt+X", kX, kShiftAlt, kNothing, kNothing, kNothing},
        {"X", kX, kNone, kNothing, kNothing, kNothing},
        {"F1", kF1, kNone, kAsksAbout, kNothing, kNothing},
        {"Shift+F1", kF1, kShift, kNothing, kNothing, kNothing},
        {"Tab", kTab, kNone, kNothing, kNothing, kNothing},
    };
    for (uint16_t digit = '1'; digit <= '7'; ++digit) {
        rows.push_back({"digit", digit, kNone, ForwardedAndConsumed(digit), kNothing, kNothing});
        rows.push_back({"Alt+digit", digit, kAlt, kNothing, kNothing, kNothing});
    }
    return rows;
}

}  // namespace dd::test::key_table
