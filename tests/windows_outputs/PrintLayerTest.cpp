// The printer layer carrying out drawing commands on a stand-in printer whose pages are bitmaps:
// what a page looks like (saved as PNG pictures beside the build), where ink may and may not be,
// fonts and their sizes, the opaque and clipped text, page breaks, one print at a time, and the
// abort callback.
#include <gtest/gtest.h>

#include <algorithm>

#include "dictionary/Error.h"
#include "dictionary/GridModel.h"
#include "layout/ColumnWidths.h"
#include "outputs/OutputTitles.h"
#include "outputs/PrintFieldGridCommands.h"
#include "outputs/PrintPages.h"
#include "support/TestPaths.h"
#include "support/TestText.h"
#include "viewmodel/DictionaryView.h"
#include "windows_outputs/PagePicture.h"

namespace dd::test {
namespace {

// The columns of a viewer 1032 pixels wide, in screen pixels.
const ColumnWidths kWidths = {200, 300, 100, 100, 100};

// The right edge x1 of each column in device units: 1000, 2500, 3000, 3500, 4000.
int ColumnEnd(int column) {
    int end = 0;
    for (int c = 0; c <= column; ++c) end += 5 * kWidths[static_cast<size_t>(c)];
    return end;
}
int ColumnStart(int column) { return column == 0 ? 0 : ColumnEnd(column - 1); }
int RowTop(int slot) { return 300 + 150 * slot; }

struct Table {
    GridModel grid;
    std::string title;
};

// The table of the sample with the most fields, as the viewer shows it.
Table BiggestSampleTable() {
    DictionaryView view;
    view.Open(SamplePath("1Cv7.DD"));
    int32_t best = 0;
    int32_t bestRows = 0;
    for (int32_t entry = 0; entry < view.List().EntryCount(); ++entry) {
        view.SelectTable(entry);
        if (view.Grid().RowCount() > bestRows) best = entry, bestRows = view.Grid().RowCount();
    }
    view.SelectTable(best);
    return {view.Grid(), PrintTitle(view.IsSqlEdition(), view.SelectedTableText())};
}

void SavePictures(const std::vector<PagePicture>& pages, const std::string& name) {
    for (size_t page = 0; page < pages.size(); ++page) {
        const std::string path =
            TestPath(std::string(DD_PICTURES_DIR) + "/" + name + "-" + std::to_string(page + 1) + ".png");
        EXPECT_TRUE(WritePng(pages[page], path)) << path;
    }
}

TEST(PrintLayer, ALongTablePrintsOnPagesThatEachShowTheTitleTheHeadingsAndTheirFieldsInColumns) {
    const Table table = BiggestSampleTable();
    ASSERT_GT(table.grid.RowCount(), 45);  // more than a page holds
    BitmapPrintDevice device;
    RunPrintCommands(device, PrintFieldGridCommands(table.grid, table.title, kWidths, device.PrintableHeight()));
    const auto pages = SplitPrintPages(table.grid.RowCount(), device.PrintableHeight());
    SavePictures(device.Pages(), "print-page");
    ASSERT_EQ(device.Pages().size(), pages.size());
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(device.Calls(), (std::vector<std::string>{"start " + table.title, "next", "end"}));

    for (size_t p = 0; p < pages.size(); ++p) {
        const PagePicture& page = device.Pages()[p];
        const std::string where = "page " + std::to_string(p + 1);
        // The title from x 0, its top at 100; nothing above it.
        const auto [titleTop, titleBottom] = InkRows(page, 4, {0, 0, 4800, 300});
        EXPECT_GE(titleTop, 100) << where;
        EXPECT_LE(titleTop, 140) << where;
        EXPECT_LE(titleBottom, 300) << where;
        EXPECT_GT(InkIn(page, 4, {0, 100, 200, 250}), 0) << where;
        const int slots = pages[p].endRow - pages[p].firstRow + 1;
        for (int slot = 0; slot < slots; ++slot) {
            const int32_t row = slot == 0 ? 0 : pages[p].firstRow + slot - 1;
            for (int column = 0; column < kGridColumns; ++column) {
                const std::string cell = where + ", row " + std::to_string(row) + ", column " + std::to_string(column);
                const DeviceArea text{ColumnStart(column) + 50, RowTop(slot), ColumnEnd(column) - 30, RowTop(slot + 1)};
                // Every heading, identifier and field type has text; ink only from the text origin on.
                if (table.grid.Cell(column, row).empty()) {
                    EXPECT_EQ(InkIn(page, 4, text), 0) << cell;
                } else {
                    EXPECT_GT(InkIn(page, 4, text), 0) << cell;
                }
                EXPECT_EQ(
                    InkIn(page, 4, {ColumnEnd(column) - 30, RowTop(slot), ColumnEnd(column) + 40, RowTop(slot + 1)}), 0)
                    << cell << ": ink between the columns";
            }
        }
        // Nothing below the page's last row.
        EXPECT_EQ(InkIn(page, 4, {0, RowTop(slots), 4800, 6600}), 0) << where;
    }
}

TEST(PrintLayer, TextWiderThanItsColumnIsCutAtTheRightEdgeOfItsRectangle) {
    const std::string longText(120, 'W');
    GridModel grid(kGridColumns, 3, 0);
    for (int column = 0; column < kGridColumns; ++column) {
        grid.SetCell(column, 0, Cp(u8"Заголовок столбца, который шире столбца"));
        grid.SetCell(column, 2, longText);
    }
    BitmapPrintDevice device;
    RunPrintCommands(device, PrintFieldGridCommands(grid, "T", kWidths, device.PrintableHeight()));
    SavePictures(device.Pages(), "print-clipped");
    ASSERT_EQ(device.Pages().size(), 1u);
    const PagePicture& page = device.Pages()[0];
    for (int slot : {0, 2}) {
        for (int column = 0; column < kGridColumns; ++column) {
            const int edge = ColumnEnd(column) - 30;
            const std::string where = "row " + std::to_string(slot) + ", column " + std::to_string(column);
            EXPECT_GT(InkIn(page, 4, {edge - 120, RowTop(slot), edge, RowTop(slot + 1)}), 0) << where;
            const int nextText = column + 1 < kGridColumns ? ColumnEnd(column) + 40 : 4800;
            EXPECT_EQ(InkIn(page, 4, {edge, RowTop(slot), nextText, RowTop(slot + 1)}), 0) << where;
        }
    }
}

// A line of "Ш" letters drawn with the font commands given, on a small page at one unit a pixel.
struct FontCase {
    const char* name;
    int pixelsPerInch;
    int points;
    FontStyle style;
};

PagePicture DrawLetters(const FontCase& c, std::vector<PrintCommand> extra = {}) {
    BitmapPrintDevice device({c.pixelsPerInch, 1600, 600, 1, RGB(255, 255, 255)});
    std::vector<PrintCommand> commands = {BeginDocument{"fonts"},         SetPenColour{kBlack},
                                          SetFontName{"Times New Roman"}, SetFontSize{c.points},
                                          SetFontStyle{c.style},          TextAt{20, 20, Cp(u8"ШШШШШШ")}};
    commands.insert(commands.end(), extra.begin(), extra.end());
    commands.emplace_back(EndDocument{});
    RunPrintCommands(device, commands);
    return device.Pages().back();
}

int InkHeight(const PagePicture& page) {
    const auto [top, bottom] = InkRows(page, 1, {0, 0, page.width, page.height});
    return bottom - top;
}

TEST(PrintLayer, FontSizesArePointsOnPaperAtThePrintersResolution) {
    const FontCase cases[] = {
        {"10 points at 600 dots", 600, 10, FontStyle::Regular},
        {"10 points at 300 dots", 300, 10, FontStyle::Regular},
        {"20 points at 300 dots", 300, 20, FontStyle::Regular},
        {"9 points at 1200 dots", 1200, 9, FontStyle::Regular},
    };
    // The letter's height in device units is proportional to points times dots per inch.
    const double reference = InkHeight(DrawLetters(cases[0])) / (10.0 * 600);
    ASSERT_GT(reference, 0);
    for (const FontCase& c : cases) {
        const double perPointAndDot = InkHeight(DrawLetters(c)) / (double(c.points) * c.pixelsPerInch);
        EXPECT_NEAR(perPointAndDot / reference, 1.0, 0.12) << c.name;
    }
}

TEST(PrintLayer, BoldIsHeavierThanRegularAndTheFontOutlivesAPageBreak) {
    const PagePicture regular = DrawLetters({"regular", 600, 10, FontStyle::Regular});
    const PagePicture bold = DrawLetters({"bold", 600, 10, FontStyle::Bold});
    const DeviceArea all{0, 0, 1600, 600};
    EXPECT_GT(InkIn(bold, 1, all), InkIn(regular, 1, all) * 6 / 5);

    // After a page break the context is set up again with the font the commands had set.
    BitmapPrintDevice device({600, 1600, 600, 1, RGB(255, 255, 255)});
    RunPrintCommands(
        device, {BeginDocument{"pages"}, SetFontName{"Times New Roman"}, SetFontSize{10}, SetFontStyle{FontStyle::Bold},
                 TextAt{20, 20, Cp(u8"ШШШШШШ")}, NextPage{}, TextAt{20, 20, Cp(u8"ШШШШШШ")}, EndDocument{}});
    ASSERT_EQ(device.Pages().size(), 2u);
    EXPECT_EQ(InkHeight(device.Pages()[1]), InkHeight(bold));
    EXPECT_NEAR(InkIn(device.Pages()[1], 1, all), InkIn(bold, 1, all), InkIn(bold, 1, all) / 20.0);
}

TEST(PrintLayer, TextInARectangleFillsItWhiteAndDrawsNothingOutsideIt) {
    constexpr uint8_t kPaper = 200;
    struct Case {
        const char* name;
        PrintCommand command;
        DeviceArea white;  // all white afterwards; everything else still paper or ink inside it
        DeviceArea inked;  // where ink may be
    };
    const std::string wide(200, 'W');
    const Case cases[] = {
        {"empty text", TextInRect{{400, 200, 1000, 350}, 450, 250, ""}, {400, 200, 1000, 350}, {0, 0, 0, 0}},
        {"clipped text",
         TextInRect{{400, 200, 1000, 350}, 450, 250, wide},
         {400, 200, 450, 350},
         {400, 200, 1000, 350}},
        {"no area", TextInRect{{1000, 200, 400, 350}, 450, 250, wide}, {0, 0, 0, 0}, {0, 0, 0, 0}},
        {"no height", TextInRect{{400, 350, 1000, 350}, 450, 250, wide}, {0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        BitmapPrintDevice device({600, 1600, 600, 2, RGB(kPaper, kPaper, kPaper)});
        RunPrintCommands(device, {BeginDocument{"opaque"}, SetFontName{"Times New Roman"}, SetFontSize{9}, c.command,
                                  EndDocument{}});
        const PagePicture& page = device.Pages()[0];
        for (int y = 0; y < page.height; ++y) {
            for (int x = 0; x < page.width; ++x) {
                const int ux = x * 2;
                const int uy = y * 2;
                const bool inWhite =
                    ux >= c.white.left && ux < c.white.right && uy >= c.white.top && uy < c.white.bottom;
                const bool inInk = ux >= c.inked.left && ux < c.inked.right && uy >= c.inked.top && uy < c.inked.bottom;
                if (inWhite) {
                    ASSERT_EQ(page.At(x, y), 255) << c.name << " at " << ux << ", " << uy;
                } else if (!inInk) {
                    ASSERT_EQ(page.At(x, y), kPaper) << c.name << " at " << ux << ", " << uy;
                }
            }
        }
        if (c.inked.right > c.inked.left) {
            EXPECT_GT(InkIn(page, 2, c.inked), 0) << c.name;
        }
    }
}

TEST(PrintLayer, TextAtAPointIsNotClipped) {
    BitmapPrintDevice device({600, 4800, 600, 4, RGB(255, 255, 255)});
    RunPrintCommands(device, {BeginDocument{"title"}, SetFontName{"Times New Roman"}, SetFontSize{10},
                              SetFontStyle{FontStyle::Bold}, TextAt{0, 100, std::string(60, 'W')}, EndDocument{}});
    // Sixty wide letters of 10 points at 600 dots reach well past 2000 units.
    EXPECT_GT(InkIn(device.Pages()[0], 4, {2000, 0, 4800, 600}), 0);
}

// A device that the printer may own and destroy while the test keeps the pages: it hands every call on.
class DeviceLink final : public PrintDevice {
public:
    explicit DeviceLink(PrintDevice& target) : target_(target) {}
    HDC Dc() const noexcept override { return target_.Dc(); }
    int PixelsPerInchY() const noexcept override { return target_.PixelsPerInchY(); }
    int PrintableHeight() const noexcept override { return target_.PrintableHeight(); }
    void StartDocument(const std::string& name) override { target_.StartDocument(name); }
    void NextPage() override { target_.NextPage(); }
    void EndDocument() override { target_.EndDocument(); }

private:
    PrintDevice& target_;
};

TEST(PrintLayer, APrintStartedWhileOneRunsIsRefusedAndTheRunningOneGoesOn) {
    const auto build = [](int height) {
        GridModel grid(kGridColumns, 3, 0);
        grid.SetCell(0, 2, "CODE");
        return PrintFieldGridCommands(grid, "first", kWidths, height);
    };
    BitmapPrintDevice device;
    Printer printer([&] { return std::make_unique<DeviceLink>(device); });
    std::vector<std::string> refusals;
    // As when the abort callback dispatches a second "Печать" chosen from the menu.
    device.onStartDocument = [&] {
        try {
            printer.Print(build);
        } catch (const Error& error) {
            refusals.push_back(error.Message());
        }
    };
    EXPECT_FALSE(printer.Printing());
    printer.Print([&](int height) {
        EXPECT_TRUE(printer.Printing());
        return build(height);
    });
    EXPECT_EQ(refusals, std::vector<std::string>{"Printing in progress"});
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(device.Calls(), (std::vector<std::string>{"start first", "end"}));
    ASSERT_EQ(device.Pages().size(), 1u);
    EXPECT_GT(InkIn(device.Pages()[0], 4, {50, RowTop(2), 970, RowTop(3)}), 0);  // the running print's field
}

TEST(PrintLayer, APrinterThatCannotBeOpenedFailsThatPrintOnly) {
    int attempts = 0;
    Printer printer([&]() -> std::unique_ptr<PrintDevice> {
        if (++attempts == 1) throw Error("There is no default printer currently selected");
        return std::make_unique<BitmapPrintDevice>();
    });
    const auto build = [](int height) {
        return PrintFieldGridCommands(GridModel(kGridColumns, 3, 0), "t", kWidths, height);
    };
    try {
        printer.Print(build);
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.Message(), "There is no default printer currently selected");
    }
    EXPECT_FALSE(printer.Printing());
    EXPECT_NO_THROW(printer.Print(build));
    EXPECT_EQ(attempts, 2);
}

int dispatched = 0;
LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) ++dispatched;
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(PrintLayer, TheAbortCallbackDispatchesWaitingMessagesNeverCancelsAndLeavesAQuitForTheHost) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = CountingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "PrintAbortTarget";
    RegisterClassA(&windowClass);
    const HWND window = CreateWindowExA(0, "PrintAbortTarget", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    for (int i = 0; i < 3; ++i) PostMessageA(window, WM_APP, 0, 0);
    EXPECT_EQ(PrintAbortProc(nullptr, 0), TRUE);
    EXPECT_EQ(dispatched, 3);

    PostQuitMessage(7);
    PostMessageA(window, WM_APP, 0, 0);
    EXPECT_EQ(PrintAbortProc(nullptr, SP_OUTOFDISK), TRUE);
    MSG message{};
    bool quitSeen = false;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitSeen = true;
            EXPECT_EQ(message.wParam, 7u);
            break;
        }
        DispatchMessageA(&message);
    }
    EXPECT_TRUE(quitSeen);
    DestroyWindow(window);
}

}  // namespace
}  // namespace dd::test
