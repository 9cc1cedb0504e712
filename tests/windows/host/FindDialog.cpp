#include "windows/host/FindDialog.h"

#include <cstring>
#include <string_view>
#include <vector>

namespace dd::host {
namespace {

constexpr WORD kTextBox = 100;
constexpr WORD kMatchCaseBox = 101;
constexpr WORD kWholeWordsBox = 102;
constexpr WORD kBackwardsBox = 103;
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr wchar_t kTitle[] = L"Find";

// A dialog template in memory: the header, then each control aligned to four bytes.
class DialogTemplate {
public:
    DialogTemplate(std::wstring_view title, short width, short height) {
        DLGTEMPLATE header{};
        header.style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        header.cx = width;
        header.cy = height;
        Append(header);
        words_.push_back(0);  // no menu
        words_.push_back(0);  // the standard dialog class
        AppendText(title);
        words_.push_back(8);  // points
        AppendText(L"MS Shell Dlg");
    }

    void Add(WORD classAtom, WORD id, DWORD style, std::wstring_view text, short x, short y, short width,
             short height) {
        if (words_.size() % 2 != 0) words_.push_back(0);
        DLGITEMTEMPLATE item{};
        item.style = style | WS_CHILD | WS_VISIBLE;
        item.x = x;
        item.y = y;
        item.cx = width;
        item.cy = height;
        item.id = id;
        Append(item);
        words_.push_back(0xFFFF);
        words_.push_back(classAtom);
        AppendText(text);
        words_.push_back(0);  // no creation data
        ++Header().cdit;
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    template <typename T>
    void Append(const T& value) {
        static_assert(sizeof(T) % sizeof(WORD) == 0);
        const size_t at = words_.size();
        words_.resize(at + sizeof(T) / sizeof(WORD));
        std::memcpy(words_.data() + at, &value, sizeof(T));
    }
    void AppendText(std::wstring_view text) {
        words_.insert(words_.end(), text.begin(), text.end());
        words_.push_back(0);
    }
    DLGTEMPLATE& Header() { return *reinterpret_cast<DLGTEMPLATE*>(words_.data()); }

    std::vector<WORD> words_;
};

void SetCheck(HWND dialog, int box, bool checked) {
    CheckDlgButton(dialog, box, checked ? BST_CHECKED : BST_UNCHECKED);
}
bool Checked(HWND dialog, int box) { return IsDlgButtonChecked(dialog, box) == BST_CHECKED; }

INT_PTR CALLBACK FindDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            auto* request = reinterpret_cast<FindRequest*>(lParam);
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            SetDlgItemTextW(dialog, kTextBox, request->text.c_str());
            SetCheck(dialog, kMatchCaseBox, request->matchCase);
            SetCheck(dialog, kWholeWordsBox, request->wholeWords);
            SetCheck(dialog, kBackwardsBox, request->backwards);
            SendDlgItemMessageW(dialog, kTextBox, EM_SETSEL, 0, -1);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                auto* request = reinterpret_cast<FindRequest*>(GetWindowLongPtrW(dialog, DWLP_USER));
                std::wstring text(static_cast<size_t>(GetWindowTextLengthW(GetDlgItem(dialog, kTextBox))) + 1, L'\0');
                text.resize(
                    static_cast<size_t>(GetDlgItemTextW(dialog, kTextBox, text.data(), static_cast<int>(text.size()))));
                *request = {text, Checked(dialog, kMatchCaseBox), Checked(dialog, kWholeWordsBox),
                            Checked(dialog, kBackwardsBox)};
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

std::optional<FindRequest> AskFindText(HWND owner, const FindRequest& last) {
    DialogTemplate dialog(kTitle, 220, 80);
    dialog.Add(kStaticClass, 0xFFFF, SS_LEFT, L"Find what:", 7, 9, 40, 8);
    dialog.Add(kEditClass, kTextBox, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, L"", 50, 7, 163, 12);
    dialog.Add(kButtonClass, kMatchCaseBox, BS_AUTOCHECKBOX | WS_TABSTOP, L"Match case", 7, 26, 100, 10);
    dialog.Add(kButtonClass, kWholeWordsBox, BS_AUTOCHECKBOX | WS_TABSTOP, L"Whole words", 7, 39, 100, 10);
    dialog.Add(kButtonClass, kBackwardsBox, BS_AUTOCHECKBOX | WS_TABSTOP, L"Backwards", 7, 52, 100, 10);
    dialog.Add(kButtonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, L"Find", 110, 59, 50, 14);
    dialog.Add(kButtonClass, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, L"Cancel", 163, 59, 50, 14);
    FindRequest request = last;
    const INT_PTR answer = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.Get(), owner, FindDialogProc,
                                                   reinterpret_cast<LPARAM>(&request));
    if (answer != IDOK || request.text.empty()) return std::nullopt;
    return request;
}

bool IsFindDialog(HWND dialog) {
    wchar_t title[16] = {};
    GetWindowTextW(dialog, title, 16);
    return std::wstring_view(title) == kTitle && GetDlgItem(dialog, kTextBox) != nullptr &&
           GetDlgItem(dialog, kBackwardsBox) != nullptr;
}

void AnswerFindDialog(HWND dialog, const std::optional<FindRequest>& request) {
    if (!request) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    SetDlgItemTextW(dialog, kTextBox, request->text.c_str());
    SetCheck(dialog, kMatchCaseBox, request->matchCase);
    SetCheck(dialog, kWholeWordsBox, request->wholeWords);
    SetCheck(dialog, kBackwardsBox, request->backwards);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

}  // namespace dd::host
