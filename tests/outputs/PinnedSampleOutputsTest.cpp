#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "outputs/ClipboardText.h"
#include "outputs/ExportText.h"
#include "support/OutputFixtures.h"
#include "viewmodel/DictionaryView.h"

// The builders on the samples' tables, against the bytes that the fixtures pin.
namespace dd {
namespace {

using test::SampleTable;

void Show(DictionaryView& view, const SampleTable& pinned) {
    view.Open(test::SamplePath(pinned.sample));
    view.SelectTable(pinned.table);
}

TEST(PinnedSampleOutputs, ExportFilesAreTheFixturesByteForByte) {
    for (const SampleTable& pinned : test::kPinnedExports) {
        DictionaryView view;
        Show(view, pinned);
        EXPECT_EQ(ExportFileBytes(view.IsSqlEdition(), view.SelectedTableText(), view.Grid()),
                  test::ExpectedExport(pinned))
            << pinned.sample << " table " << pinned.table;
    }
}

TEST(PinnedSampleOutputs, CopiedRowsAreTheFixturesByteForByte) {
    for (const SampleTable& pinned : test::kPinnedCopiedRows) {
        DictionaryView view;
        Show(view, pinned);
        const std::vector<std::string> expected = test::ExpectedCopiedRows(pinned);
        ASSERT_EQ(static_cast<size_t>(view.Grid().RowCount()), expected.size()) << pinned.sample;
        for (int32_t row = 0; row < view.Grid().RowCount(); ++row) {
            EXPECT_EQ(RowClipboardText(view.Grid(), row), expected[static_cast<size_t>(row)])
                << pinned.sample << " table " << pinned.table << " row " << row;
        }
    }
}

}  // namespace
}  // namespace dd
