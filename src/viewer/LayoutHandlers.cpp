// Where the list and the grid stand: after every change of the window's size, of the splitter's place
// and of the screen's resolution.
#include "viewer/ViewerFonts.h"
#include "viewer/unMain.h"

namespace dd {
namespace {

void Place(HWND window, const Bounds& bounds) {
    SetWindowPos(window, nullptr, bounds.left, bounds.top, bounds.width, bounds.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void TfmMain::PlaceControls(const ViewerLayout& layout) {
    placed_ = layout;
    laidOut_ = true;
    Place(SG.Handle(), layout.grid);
    FitGridColumns(SG);
    Place(LB.Handle(), layout.list);
}

void TfmMain::PlaceTableView(const TableViewLayout& layout) {
    tablePlaced_ = layout;
    laidOut_ = true;
    Place(SG.Handle(), layout.grid);
    FitColumns();
    InvalidateRect(window_.get(), nullptr, TRUE);  // the title line
}

void TfmMain::PlaceForSize(int width, int height) {
    if (data_)
        PlaceTableView(LayoutTableView(width, height, dpi_));
    else
        PlaceControls(LayoutViewer(width, height, listWidth_, dpi_));
}

ViewerLayout TfmMain::LayoutForListWidth() const {
    RECT client{};
    GetClientRect(window_.get(), &client);
    return LayoutViewer(client.right, client.bottom, listWidth_, dpi_);
}

void TfmMain::OnDpiChanged(Dpi dpi) {
    if (dpi == dpi_) return;
    const Dpi previous = dpi_;
    dpi_ = dpi;
    UniqueFont font = CreateInterfaceFont(false, dpi);
    SendMessageW(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    LB.SetFont(font.get(), dpi);
    font_ = std::move(font);  // the previous font goes once nothing shows it any more
    SG.SetDisplayDpi(dpi);
    listWidth_ = RescaledListWidth(listWidth_, previous, dpi);
    if (data_) FitTableColumns();  // the columns' widths follow the font's
    RECT client{};
    GetClientRect(window_.get(), &client);
    if (laidOut_) PlaceForSize(client.right, client.bottom);
}

}  // namespace dd
