// "Сохранить в файл" as a user meets it: the save dialog, the file it leaves, byte for byte, and the
// messages when the file cannot be written.
#include "support/TestPaths.h"
#include "support/TestText.h"
#include "viewer/PopupMenu.h"
#include "windows/support/OutputTestSupport.h"

namespace dd::test {
namespace {

// The table of the worked example: SQL edition, "Товары" with the identifier SC12 and two fields.
std::string GoodsDictionary() {
    return Cp(
        u8"#==TABLE no 0      : Товары\r\n"
        u8"# Name|Descr|SQLTableName|RecordLock\r\n"
        u8"T=SC12|Товары|SC12|1\r\n"
        u8"#-----Fields-------\r\n"
        u8"# Name|Descr|Type|Length|Precision\r\n"
        u8"F=CODE|Код|C|8|0\r\n"
        u8"F=PRICE|Цена за единицу|N|14|2\r\n"
        u8"#\r\n");
}

// The file the worked example gives: six lines, 237 bytes.
std::string GoodsExport() {
    const std::string spaces(25, ' ');
    auto pad = [&](int count) { return spaces.substr(0, static_cast<size_t>(count)); };
    return Cp(u8"SQL-таблица объекта Товары\r\n") + Cp(u8"Идентификатор таблицы: SC12\r\n") + Cp(u8"Поля: \r\n") +
           Cp(u8"Идентификатор") + pad(2) + Cp(u8"Описание") + pad(17) + Cp(u8"Тип") + pad(2) + Cp(u8"Длина") + pad(2) +
           Cp(u8"Точность") + "\r\n" + "CODE" + pad(11) + Cp(u8"Код") + pad(22) + "C" + pad(4) + "8" + pad(6) +
           "0\r\n" + "PRICE" + pad(10) + Cp(u8"Цена за единицу") + pad(10) + "N" + pad(4) + "14" + pad(5) + "2\r\n";
}

class SaveTest : public PluginTest {
protected:
    void SetUp() override {
        folder_ = FreshFolder();
        lister_ = MakeLister();
    }
    void TearDown() override {
        lister_.reset();
        RemoveFolder(folder_);
    }
    HWND Open(const std::string& path) {
        const HWND viewer = lister_->Load(path);
        EXPECT_NE(viewer, nullptr) << path;
        return viewer;
    }
    // Chooses "Сохранить в файл" with the dialog answered as given; the dialogs seen.
    std::vector<SaveDialogSeen> Save(HWND viewer, SaveAnswer answer) {
        dialogs_.PlanSave(std::move(answer));
        RunMenuCommand(viewer, N1);
        return dialogs_.TakeSaveDialogs();
    }

    std::string folder_;
    std::unique_ptr<host::ListerWindow> lister_;
    DialogDriver dialogs_;
};

TEST_F(SaveTest, TheWorkedExampleIsWrittenByteForByteUnderANameThatGetsTxt) {
    const HWND viewer = Open(WriteFile(folder_, "goods.DDS", GoodsDictionary()));
    ASSERT_NE(viewer, nullptr);
    const auto seen = Save(viewer, {folder_ + "goods"});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].offeredName, "");  // nothing chosen before
    EXPECT_EQ(seen[0].fileType, Cp(u8"Текстовые файлы (*.txt)"));
    EXPECT_FALSE(seen[0].answeredTwice);
    const auto written = ReadWholeFile(folder_ + "goods.txt");
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->size(), 237u);
    EXPECT_EQ(*written, GoodsExport());
    EXPECT_EQ(FolderNames(folder_), (std::vector<std::string>{"goods.DDS", "goods.txt"}));
    EXPECT_TRUE(dialogs_.TakeBoxes().empty());
    EXPECT_TRUE(lister_->TakeKeys().empty());
}

TEST_F(SaveTest, TheDialogOffersTheLastNameChosenAndAsksBeforeReplacingThatFile) {
    const HWND viewer = Open(WriteFile(folder_, "goods.DDS", GoodsDictionary()));
    ASSERT_NE(viewer, nullptr);
    Save(viewer, {folder_ + "first.txt"});
    ASSERT_EQ(ReadWholeFile(folder_ + "first.txt"), GoodsExport());
    WriteFile(folder_, "first.txt", "changed since");

    dialogs_.PlanQuestionAnswer(true);
    SaveAnswer keep;
    keep.keepOffered = true;
    const auto seen = Save(viewer, keep);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].offeredName == folder_ + "first.txt" || seen[0].offeredName == "first.txt")
        << seen[0].offeredName;
    const auto boxes = dialogs_.TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);  // the question before replacing, with Yes and No
    EXPECT_EQ(boxes[0].buttons, 2);
    EXPECT_EQ(ReadWholeFile(folder_ + "first.txt"), GoodsExport());
}

TEST_F(SaveTest, AnExistingFileIsReplacedOnlyAfterTheUserAgrees) {
    const HWND viewer = Open(WriteFile(folder_, "goods.DDS", GoodsDictionary()));
    ASSERT_NE(viewer, nullptr);
    const std::string existing = WriteFile(folder_, "existing.txt", "keep me");

    dialogs_.PlanQuestionAnswer(false);  // "No" goes back to the dialog, which is then cancelled
    auto seen = Save(viewer, {existing});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].answeredTwice);
    EXPECT_EQ(dialogs_.TakeBoxes().size(), 1u);
    EXPECT_EQ(ReadWholeFile(existing), "keep me");

    dialogs_.PlanQuestionAnswer(true);
    seen = Save(viewer, {existing});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_FALSE(seen[0].answeredTwice);
    EXPECT_EQ(dialogs_.TakeBoxes().size(), 1u);
    EXPECT_EQ(ReadWholeFile(existing), GoodsExport());
}

TEST_F(SaveTest, CancellingWritesNothingAndLeavesAnExistingFileAlone) {
    const HWND viewer = Open(WriteFile(folder_, "goods.DDS", GoodsDictionary()));
    ASSERT_NE(viewer, nullptr);
    WriteFile(folder_, "existing.txt", "keep me");
    SaveAnswer cancel;
    cancel.cancel = true;
    ASSERT_EQ(Save(viewer, cancel).size(), 1u);
    EXPECT_EQ(FolderNames(folder_), (std::vector<std::string>{"existing.txt", "goods.DDS"}));
    EXPECT_EQ(ReadWholeFile(folder_ + "existing.txt"), "keep me");
    EXPECT_TRUE(dialogs_.TakeBoxes().empty());
    // A cancel remembers nothing: the next dialog offers an empty name again.
    const auto seen = Save(viewer, cancel);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].offeredName, "");
}

TEST_F(SaveTest, FilesThatCannotBeWrittenGiveTheirInputOutputMessageAndTheViewerStaysOpen) {
    const HWND viewer = Open(WriteFile(folder_, "goods.DDS", GoodsDictionary()));
    ASSERT_NE(viewer, nullptr);
    // Another program reads the file and lets no one write it meanwhile.
    const std::string locked = WriteFile(folder_, "locked.txt", "keep me");
    HANDLE reader = CreateFileA(locked.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    struct Case {
        std::string typed;
        std::string message;
    };
    const Case cases[] = {
        {folder_ + "no such folder\\table.txt", "Plugin Error:\rInvalid filename"},
        {locked, "Plugin Error:\rI/O error 32"},
    };
    for (const Case& c : cases) {
        dialogs_.PlanQuestionAnswer(true);  // the locked file exists: replace it
        const auto seen = Save(viewer, {c.typed});
        ASSERT_EQ(seen.size(), 1u) << c.typed;
        EXPECT_FALSE(seen[0].answeredTwice) << c.typed;
        const auto boxes = dialogs_.TakeBoxes();
        ASSERT_FALSE(boxes.empty()) << c.typed;
        EXPECT_EQ(boxes.back().text, c.message) << c.typed;
        EXPECT_EQ(boxes.back().caption, "Message");
        EXPECT_EQ(boxes.back().owner, lister_->Handle());
    }
    CloseHandle(reader);
    EXPECT_EQ(ReadWholeFile(locked), "keep me");
    EXPECT_EQ(FolderNames(folder_), (std::vector<std::string>{"goods.DDS", "locked.txt"}));
    // The viewer goes on working.
    Save(viewer, {folder_ + "after.txt"});
    EXPECT_EQ(ReadWholeFile(folder_ + "after.txt"), GoodsExport());
}

TEST_F(SaveTest, WithNoTableSelectedTheNameIsAskedForButNothingIsWritten) {
    const HWND viewer = Open(WriteFile(folder_, "goods.DDS", GoodsDictionary()));
    ASSERT_NE(viewer, nullptr);
    ChooseTable(viewer, -1);
    ASSERT_EQ(dialogs_.TakeBoxes().size(), 1u);  // the list's own error
    ASSERT_EQ(Save(viewer, {folder_ + "none.txt"}).size(), 1u);
    const auto boxes = dialogs_.TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Plugin Error:\rList index out of bounds (-1)");
    EXPECT_EQ(FolderNames(folder_), std::vector<std::string>{"goods.DDS"});
}

TEST_F(SaveTest, TablesOfTheSamplesAreWrittenAsTheirFixturesPinThem) {
    int saved = 0;
    for (const std::string sample : {"1Cv7.DD", "1Cv7.DDS"}) {
        const std::string path = WindowsSamplePath(sample);
        const HWND viewer = Open(path);
        ASSERT_NE(viewer, nullptr);
        for (const SampleTable& pinned : kPinnedExports) {
            if (pinned.sample != sample) continue;
            ChooseTable(viewer, pinned.table);
            EXPECT_EQ(GridCells(GridOf(viewer)), ReadReferenceTable(path, pinned.table).rows)
                << sample << " table " << pinned.table;
            const std::string name = folder_ + "table" + std::to_string(saved++) + ".txt";
            Save(viewer, {name});
            EXPECT_EQ(ReadWholeFile(name), ExpectedExport(pinned)) << sample << " table " << pinned.table;
        }
        lister_->ClosePlugin();
    }
    EXPECT_EQ(saved, static_cast<int>(std::size(kPinnedExports)));
    EXPECT_TRUE(dialogs_.TakeBoxes().empty());
}

// Real dictionaries have no fixtures: their grids are checked against the byte-by-byte reading, and
// their files against what the export builder (pinned natively) makes of that reading's grid.
TEST_F(SaveTest, TablesOfRealDictionariesAreWrittenAsTheirReferenceGridsSay) {
    if (!RealDictionariesPresent()) GTEST_SKIP() << "no real dictionaries here";
    int saved = 0;
    for (const char* name : {"artamir__tks__1Cv7.DD", "nasta-sap__cats__1Cv7.DD"}) {
        const std::string path = RealDictionaryPath(name);
        const HWND viewer = Open(path);
        ASSERT_NE(viewer, nullptr);
        const int count = static_cast<int>(ListTexts(ListOf(viewer)).size());
        for (int table : {0, 1, count / 3, count / 2, count - 1}) {
            ChooseTable(viewer, table);
            const ReferenceTable reference = ReadReferenceTable(path, table);
            EXPECT_EQ(GridCells(GridOf(viewer)), reference.rows) << name << " table " << table;
            const std::string file = folder_ + "table" + std::to_string(saved++) + ".txt";
            Save(viewer, {file});
            EXPECT_EQ(ReadWholeFile(file), BuiltExport(false, reference)) << name << " table " << table;
        }
        lister_->ClosePlugin();
    }
    EXPECT_TRUE(dialogs_.TakeBoxes().empty());
}

}  // namespace
}  // namespace dd::test
