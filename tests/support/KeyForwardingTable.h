#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The keys that go back to the host or run a command of the viewer, written once: the native test
// checks the key rules against this table and the Windows test the messages that the built plug-in
// posts and what it copies and selects.
namespace dd::test::key_table {

// The virtual-key codes of the table, with the values of the Windows constants (the Windows test
// checks them against <windows.h>).
inline constexpr uint16_t kBack = 0x08;
inline constexpr uint16_t kTab = 0x09;
inline constexpr uint16_t kReturn = 0x0D;
inline constexpr uint16_t kEscape = 0x1B;
inline constexpr uint16_t kInsert = 0x2D;
inline constexpr uint16_t kX = 0x58;
inline constexpr uint16_t kNumpad1 = 0x61;
inline constexpr uint16_t kF1 = 0x70;
inline constexpr uint16_t kF3 = 0x72;
inline constexpr uint16_t kF5 = 0x74;
inline constexpr uint16_t kF7 = 0x76;
inline constexpr uint16_t kF10 = 0x79;

// F1 to F12.
inline constexpr uint16_t FunctionKey(int number) { return static_cast<uint16_t>(kF1 + number - 1); }

struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool operator==(const KeyModifiers&) const = default;
};

// What one key press leads to.
struct KeyOutcome {
    uint16_t toLister = 0;          // the key posted to the Lister window as WM_KEYDOWN, 0 for none
    bool closesHost = false;        // SC_CLOSE posted to the main window ("TTOTAL_CMD")
    bool asksAbout = false;         // the about box is asked for (it shows nothing)
    bool consumed = false;          // the key gets no further processing
    bool copies = false;            // the grid's selection is copied to the clipboard
    bool copiesTable = false;       // the list's selected table (description TAB identifier) is copied
    bool selectsAll = false;        // every cell of the grid is selected
    bool opensData = false;         // the selected table's rows are shown in the data view
    bool backToDictionary = false;  // the data view goes back to the dictionary
};

// The outcome in a top-level Lister window and in one embedded in another window.
struct ByLister {
    KeyOutcome topLevel;
    KeyOutcome embedded;
};

struct KeyRow {
    std::string name;
    uint16_t key;
    KeyModifiers modifiers;
    ByLister viewer;  // the viewer window has the focus
    ByLister list;    // the table list has it
    ByLister grid;    // the field grid has it
    // The grid of a base's table (the data view) has it: as the field grid where the row says nothing.
    std::optional<ByLister> table = std::nullopt;
    const ByLister& Table() const { return table ? *table : grid; }
};

inline constexpr KeyModifiers kNone{};
inline constexpr KeyModifiers kShift{.shift = true};
inline constexpr KeyModifiers kCtrl{.ctrl = true};
inline constexpr KeyModifiers kAlt{.alt = true};
inline constexpr KeyModifiers kCtrlAlt{.ctrl = true, .alt = true};
inline constexpr KeyModifiers kShiftAlt{.shift = true, .alt = true};
inline constexpr KeyModifiers kShiftCtrl{.shift = true, .ctrl = true};

inline constexpr ByLister Both(KeyOutcome outcome) { return {outcome, outcome}; }

inline constexpr ByLister kNothing{};
// The key is handed to the Lister window and gets no further processing.
inline constexpr ByLister ForwardedAndConsumed(uint16_t key) { return Both({.toLister = key, .consumed = true}); }
// The list and the grid hand the key to the Lister window and keep it themselves too.
inline constexpr ByLister ForwardedAndKept(uint16_t key) { return Both({.toLister = key}); }
// Alt+X: the host is told to close; the key goes on.
inline constexpr ByLister kClosesHost = Both({.closesHost = true});
inline constexpr ByLister kAsksAbout = Both({.asksAbout = true});
inline constexpr ByLister kCopies = Both({.consumed = true, .copies = true});
inline constexpr ByLister kCopiesTable = Both({.consumed = true, .copiesTable = true});
inline constexpr ByLister kSelectsAll = Both({.consumed = true, .selectsAll = true});
inline constexpr ByLister kOpensData = Both({.consumed = true, .opensData = true});
inline constexpr ByLister kBackToDictionary = Both({.consumed = true, .backToDictionary = true});

inline std::vector<KeyRow> KeyForwardingRows() {
    const ByLister escFromViewer = {{kEscape, false, false, true}, {kTab, false, false, true}};  // Tab when embedded
    std::vector<KeyRow> rows = {
        {"Esc", kEscape, kNone, escFromViewer, ForwardedAndKept(kEscape), ForwardedAndKept(kEscape)},
        {"Shift+Esc", kEscape, kShift, kNothing, ForwardedAndKept(kEscape), ForwardedAndKept(kEscape)},
        {"Ctrl+Esc", kEscape, kCtrl, kNothing, ForwardedAndKept(kEscape), ForwardedAndKept(kEscape)},
        {"Alt+Esc", kEscape, kAlt, kNothing, ForwardedAndKept(kEscape), ForwardedAndKept(kEscape)},
        {"N", 'N', kNone, ForwardedAndConsumed('N'), ForwardedAndConsumed('N'), ForwardedAndConsumed('N')},
        {"P", 'P', kNone, ForwardedAndConsumed('P'), ForwardedAndConsumed('P'), ForwardedAndConsumed('P')},
        {"Shift+N", 'N', kShift, kNothing, kNothing, kNothing},
        {"Ctrl+P", 'P', kCtrl, kNothing, kNothing, kNothing},
        {"8", '8', kNone, kNothing, kNothing, kNothing},
        {"9", '9', kNone, kNothing, kNothing, kNothing},
        {"0", '0', kNone, kNothing, kNothing, kNothing},
        {"keypad 1", kNumpad1, kNone, kNothing, kNothing, kNothing},
        {"Alt+X", kX, kAlt, kClosesHost, kClosesHost, kClosesHost},
        {"Ctrl+Alt+X", kX, kCtrlAlt, kNothing, kNothing, kNothing},
        {"Shift+Alt+X", kX, kShiftAlt, kNothing, kNothing, kNothing},
        {"X", kX, kNone, kNothing, kNothing, kNothing},
        {"F1", kF1, kNone, kAsksAbout, kNothing, kNothing},
        {"Shift+F1", kF1, kShift, kNothing, kNothing, kNothing},
        {"Tab", kTab, kNone, kNothing, kNothing, kNothing},
        // From a table to its rows and back.
        {"Enter", kReturn, kNone, kNothing, kOpensData, kOpensData, kNothing},
        {"Ctrl+Enter", kReturn, kCtrl, kNothing, kNothing, kNothing},
        {"Backspace", kBack, kNone, kNothing, kNothing, kNothing, kBackToDictionary},
        {"Shift+Backspace", kBack, kShift, kNothing, kNothing, kNothing},
        // The Lister's search and its other function keys; F10 and Shift+F10 open menus.
        {"F10", kF10, kNone, kNothing, kNothing, kNothing},
        {"Shift+F10", kF10, kShift, kNothing, kNothing, kNothing},
        {"Shift+F3", kF3, kShift, kNothing, ForwardedAndConsumed(kF3), ForwardedAndConsumed(kF3)},
        {"Shift+F5", kF5, kShift, kNothing, ForwardedAndConsumed(kF5), ForwardedAndConsumed(kF5)},
        {"Ctrl+F7", kF7, kCtrl, kNothing, kNothing, kNothing},
        {"Alt+F7", kF7, kAlt, kNothing, kNothing, kNothing},
        {"Shift+Ctrl+F3", kF3, kShiftCtrl, kNothing, kNothing, kNothing},
        // Copy: the list its selected table, the grid its cells; select all in the grid only.
        {"Ctrl+C", 'C', kCtrl, kNothing, kCopiesTable, kCopies},
        {"Ctrl+Insert", kInsert, kCtrl, kNothing, kCopiesTable, kCopies},
        {"Ctrl+A", 'A', kCtrl, kNothing, kNothing, kSelectsAll},
        {"C", 'C', kNone, kNothing, kNothing, kNothing},
        {"A", 'A', kNone, kNothing, kNothing, kNothing},
        {"Shift+Ctrl+C", 'C', kShiftCtrl, kNothing, kNothing, kNothing},
        {"Alt+C", 'C', kAlt, kNothing, kNothing, kNothing},
        {"Shift+Insert", kInsert, kShift, kNothing, kNothing, kNothing},
    };
    // F2 to F12 but F10, alone or with Shift, are the Lister's (Shift+F3 and Shift+F5 stand above). Every other
    // function key with any modifiers does nothing: the native test takes a key missing here as that.
    for (int number = 2; number <= 12; ++number) {
        if (number == 10) continue;
        const uint16_t key = FunctionKey(number);
        std::string name = "F";
        name += std::to_string(number);
        rows.push_back({name, key, kNone, kNothing, ForwardedAndConsumed(key), ForwardedAndConsumed(key)});
        if (key == kF3 || key == kF5) continue;
        std::string withShift = "Shift+";
        withShift += name;
        rows.push_back({withShift, key, kShift, kNothing, ForwardedAndConsumed(key), ForwardedAndConsumed(key)});
    }
    for (uint16_t digit = '1'; digit <= '7'; ++digit) {
        const std::string name(1, static_cast<char>(digit));
        rows.push_back({name, digit, kNone, ForwardedAndConsumed(digit), ForwardedAndConsumed(digit),
                        ForwardedAndConsumed(digit)});
        std::string withAlt = "Alt+";  // appended, as GCC 12 warns falsely (-Wrestrict) of "Alt+" + name
        withAlt += name;
        rows.push_back({withAlt, digit, kAlt, kNothing, kNothing, kNothing});
    }
    return rows;
}

}  // namespace dd::test::key_table
