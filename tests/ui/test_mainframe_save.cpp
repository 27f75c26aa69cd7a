#include "exchange/ui/sectiondialog.h"
#include "test_mainframe_fixture.h"
#include "tests/core/faulty_filesystem.h"
#include "workspace/commandids.h"

using namespace quorvant;
using namespace quorvant::testing;

namespace {

class SaveDocuments : public MainFrameTest {
  protected:
    // Opens OBPZ and renames its first unit, as an editor would.
    ui::CChildFrame* OpenChanged() {
        ui::CChildFrame* child = Open(32842);
        EXPECT_NE(child, nullptr);
        child->document().Units.at(1).Name.assignPadded("Panther");
        child->document().SetModifiedFlag(true);
        return child;
    }
    bool FileHolds(const fs::path& path, std::string_view text) const {
        std::vector<std::uint8_t> bytes = ReadBytes(path);
        return std::search(bytes.begin(), bytes.end(), text.begin(), text.end()) != bytes.end();
    }
};

TEST_F(SaveDocuments, TitleFollowsTheDocumentWithTheModifiedMark) {
    ui::CChildFrame* pz = Open(32842);
    EXPECT_EQ(pz->windowTitle(), "OBPZ[*]");
    EXPECT_FALSE(pz->isWindowModified());
    pz->document().SetModifiedFlag(true);
    EXPECT_TRUE(pz->isWindowModified());

    ui::CChildFrame* greece = Open(32791 + 31);
    EXPECT_EQ(greece->windowTitle().toStdString(), greece->document().GetTitle() + "[*]");
    EXPECT_TRUE(greece->windowTitle().startsWith("MOB31 - ")) << greece->windowTitle().toStdString();
    EXPECT_EQ(frame->windowTitle().toStdString(), "Quorvant - " + greece->document().GetTitle() + "[*]");
    EXPECT_FALSE(frame->isWindowModified());
    greece->document().SetModifiedFlag(true);
    EXPECT_TRUE(frame->isWindowModified());
}

TEST_F(SaveDocuments, SaveWritesTheFileAndClearsTheModifiedMark) {
    ui::CChildFrame* child = OpenChanged();
    Command(ID_FILE_SAVE)->trigger();
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_FALSE(child->document().IsModified());
    EXPECT_FALSE(child->isWindowModified());
    EXPECT_TRUE(FileHolds(bw1 / "OBPZ", "Panther"));
}

TEST_F(SaveDocuments, SaveAsWritesTheChosenFileAndCancelWritesNothing) {
    ui::CChildFrame* child = OpenChanged();
    std::vector<std::uint8_t> before = ReadBytes(bw1 / "OBPZ");
    chooser.answers = {QString(), QString::fromStdString((root / "COPY").string())};
    Command(ID_FILE_SAVE_AS)->trigger();
    EXPECT_TRUE(child->document().IsModified());
    EXPECT_FALSE(fs::exists(root / "COPY"));

    Command(ID_FILE_SAVE_AS)->trigger();
    EXPECT_EQ(fs::canonical(chooser.lastFolder.toStdString()), fs::canonical(bw1 / "OBPZ"));
    EXPECT_TRUE(FileHolds(root / "COPY", "Panther"));
    EXPECT_EQ(ReadBytes(bw1 / "OBPZ"), before);
    EXPECT_EQ(child->windowTitle(), "COPY[*]");
    EXPECT_FALSE(child->document().IsModified());
    EXPECT_EQ(fs::canonical(recent.Entries()[0]), fs::canonical(root / "COPY"));
}

TEST_F(SaveDocuments, FailedSaveSaysWhyAndKeepsTheChanges) {
    ui::CChildFrame* child = OpenChanged();
    chooser.answers = {QString::fromStdString((root / "no such folder" / "OBPZ").string())};
    Command(ID_FILE_SAVE_AS)->trigger();
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].kind, ui::PromptKind::Exclamation);
    EXPECT_TRUE(prompts.asked[0].text.contains("no such folder"));
    EXPECT_TRUE(child->document().IsModified());

    // The file became a folder behind the program's back: Save fails the same way.
    fs::remove(bw1 / "OBPZ");
    fs::create_directories(bw1 / "OBPZ");
    Command(ID_FILE_SAVE)->trigger();
    EXPECT_EQ(prompts.asked.size(), 2u);
    EXPECT_TRUE(child->document().IsModified());
    EXPECT_TRUE(fs::is_directory(bw1 / "OBPZ"));
}

TEST_F(SaveDocuments, AFullDiskIsReportedWithTheFileAndTheChangesKept) {
    ui::CChildFrame* child = OpenChanged();
    const std::vector<std::uint8_t> before = ReadBytes(bw1 / "OBPZ");
    const std::size_t filesBefore = std::distance(fs::directory_iterator(bw1), fs::directory_iterator());
    FaultyFileSystem full(Fault::NoSpace,
                          [](Call call, const fs::path&, const fs::path&) { return call == Call::Write; });
    {
        ScopedFileSystemForTesting use(full);
        Command(ID_FILE_SAVE)->trigger();
    }
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].kind, ui::PromptKind::Exclamation);
    EXPECT_TRUE(prompts.asked[0].text.contains(QString::fromStdString(FaultReason(Fault::NoSpace))))
        << prompts.asked[0].text.toStdString();
    EXPECT_TRUE(child->document().IsModified());
    EXPECT_EQ(ReadBytes(bw1 / "OBPZ"), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(bw1), fs::directory_iterator()), filesBefore);
}

TEST_F(SaveDocuments, ClosingAModifiedDocumentAsksSaveDiscardOrCancel) {
    std::vector<std::uint8_t> before = ReadBytes(bw1 / "OBPZ");
    ui::CChildFrame* child = OpenChanged();
    prompts.answers = {ui::PromptAnswer::Cancel};
    child->close();
    QApplication::processEvents();
    ASSERT_EQ(frame->childFrames().size(), 1u);
    EXPECT_EQ(prompts.asked.at(0).kind, ui::PromptKind::SaveDiscardCancel);
    EXPECT_EQ(prompts.asked.at(0).text, "Save changes to OBPZ?");

    prompts.answers = {ui::PromptAnswer::No};
    Command(ID_FILE_CLOSE)->trigger();
    QTRY_VERIFY(frame->childFrames().empty());
    EXPECT_EQ(ReadBytes(bw1 / "OBPZ"), before);

    child = OpenChanged();
    prompts.answers = {ui::PromptAnswer::Yes};
    child->close();
    QTRY_VERIFY(frame->childFrames().empty());
    EXPECT_TRUE(FileHolds(bw1 / "OBPZ", "Panther"));
}

TEST_F(SaveDocuments, QuittingWithAModifiedDocumentAsksAndCancelKeepsTheProgram) {
    OpenChanged();
    Open(32843); // unmodified: never asked about
    prompts.answers = {ui::PromptAnswer::Cancel};
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(prompts.asked.size(), 1u);

    prompts.answers = {ui::PromptAnswer::No};
    int writes = profile.writes;
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(profile.writes, writes); // nothing is written at exit
}

TEST_F(SaveDocuments, ExportAndImportWorkOnTheActiveDocumentInItsGenerationsFolder) {
    EXPECT_FALSE(Command(ID_FILE_EXPORT)->isEnabled());
    ui::ScriptedSectionChooser sections;
    fs::create_directories(bw2 / "Exports");
    ui::CChildFrame* greece = Open(32791 + 31);
    sections.answers = {std::vector<CsvSection>{CsvSection::Units},
                        std::vector<CsvSection>{CsvSection::Units}};
    Command(ID_FILE_EXPORT)->trigger();
    EXPECT_TRUE(fs::exists(bw2 / "Exports" / "MOB31UNT.csv"));
    EXPECT_FALSE(greece->document().IsModified());
    Command(ID_FILE_IMPORT)->trigger();
    EXPECT_TRUE(greece->document().IsModified());
    EXPECT_TRUE(greece->isWindowModified());
}

} // namespace
