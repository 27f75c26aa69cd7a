#include "app/ui/diskwatcher.h"
#include "app/ui/messageswindow.h"
#include "editors/ui/editorhost.h"
#include "test_mainframe_fixture.h"
#include "views/columnsets.h"

#include <QMdiArea>
#include <QStatusBar>

#include <random>

using namespace quorvant;
using namespace quorvant::testing;
using quorvant::testing::OBFileBuilder;

namespace {

// Another program replaces the file the way careful writers do: a new file renamed over it.
void WriteFromOutside(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    const fs::path temp = path.string() + ".new";
    WriteBytes(temp, bytes);
    fs::rename(temp, path);
}

class DiskWatchTest : public MainFrameTest {
  protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        child = Open(32842);
        ASSERT_NE(child, nullptr);
        file = bw1 / "OBPZ";
    }
    CQuorvantDoc& doc() const { return child->document(); }
    std::string UnitName(int slot) const {
        return doc().Units[static_cast<std::size_t>(slot)].Name.trimmed();
    }
    // A change of the document's own, one step of its history.
    void Change() {
        doc().Units[2].Cost = 9;
        doc().RecordStep("Paste Unit onto Slot 2", {{{}, {2}, {}}});
    }
    bool Asked(const std::string& text) const {
        for (const std::string& asked : TextsAsked())
            if (asked.find(text) != std::string::npos) return true;
        return false;
    }

    ui::CChildFrame* child = nullptr;
    fs::path file;
};

} // namespace

TEST_F(DiskWatchTest, AnUnmodifiedDocumentIsReloadedAndItsEditorsClosedAsCancelWould) {
    child->editors()->Open(kUnitTable, 1);
    WriteFromOutside(file, OBFileBuilder::BW1().unitName(1, "Tiger I").bytes());
    QTRY_COMPARE(UnitName(1), std::string("Tiger I"));
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(child->editors()->editor(kUnitTable), nullptr);
    EXPECT_EQ(frame->messages()->last(), "OBPZ was changed on disk and has been reloaded.");

    // Still watched after the rename: the next outside write is seen too.
    WriteFromOutside(file, OBFileBuilder::BW1().unitName(1, "Tiger II").bytes());
    QTRY_COMPARE(UnitName(1), std::string("Tiger II"));
}

TEST_F(DiskWatchTest, AModifiedDocumentAsksAndKeepsItsChangesOnNoUntilTheNextChange) {
    Change();
    prompts.answers = {ui::PromptAnswer::No};
    WriteFromOutside(file, OBFileBuilder::BW1().unitName(1, "Tiger I").bytes());
    QTRY_VERIFY(!prompts.asked.empty());
    EXPECT_EQ(TextsAsked(),
              std::vector<std::string>{"OBPZ has changed on disk. Reload it and lose your changes?"});
    EXPECT_EQ(UnitName(1), "PzKpfw IV");
    EXPECT_EQ(doc().Units[2].Cost, 9);
    EXPECT_TRUE(doc().IsModified());

    // The same content again asks nothing; a new change asks again, and Yes reloads.
    child->diskWatcher()->CheckNow();
    EXPECT_EQ(prompts.asked.size(), 1u);
    prompts.answers = {ui::PromptAnswer::Yes};
    WriteFromOutside(file, OBFileBuilder::BW1().unitName(1, "Tiger II").bytes());
    QTRY_COMPARE(UnitName(1), std::string("Tiger II"));
    EXPECT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(doc().Units[2].Cost, 0);
    EXPECT_FALSE(doc().IsModified());
    EXPECT_FALSE(doc().History().CanUndo());
}

TEST_F(DiskWatchTest, SavingOverAFileChangedOnDiskAsksFirst) {
    Change();
    prompts.answers = {ui::PromptAnswer::No}; // keep the document
    const auto outside = OBFileBuilder::BW1().unitName(1, "Tiger I").bytes();
    WriteFromOutside(file, outside);
    QTRY_VERIFY(Asked("Reload it"));

    prompts.answers = {ui::PromptAnswer::No};
    EXPECT_FALSE(child->Save());
    EXPECT_TRUE(Asked("OBPZ has changed on disk since it was opened or saved."));
    EXPECT_EQ(ReadBytes(file), outside);
    EXPECT_TRUE(doc().IsModified());

    prompts.asked.clear();
    prompts.answers = {ui::PromptAnswer::Yes};
    EXPECT_TRUE(child->Save());
    EXPECT_NE(ReadBytes(file), outside);
    EXPECT_FALSE(doc().IsModified());
    // Our own save is no change on disk.
    child->diskWatcher()->CheckNow();
    EXPECT_EQ(prompts.asked.size(), 1u);
    prompts.asked.clear();
    EXPECT_TRUE(child->Save());
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(DiskWatchTest, AFileDeletedOrRenamedMarksTheDocumentSoClosingAsksToSave) {
    fs::rename(file, bw1 / "OBPZ.old");
    QTRY_VERIFY(doc().IsModified());
    EXPECT_TRUE(child->isWindowModified());
    EXPECT_EQ(frame->messages()->last(), "OBPZ was deleted or renamed on disk; save it to keep it.");
    prompts.answers = {ui::PromptAnswer::Cancel};
    child->close();
    EXPECT_TRUE(Asked("Save changes to OBPZ?"));
    EXPECT_EQ(frame->childFrames().size(), 1u);

    // Saved again, it is back on disk and the document is unmodified.
    EXPECT_TRUE(child->Save());
    EXPECT_TRUE(fs::exists(file));
    EXPECT_FALSE(doc().IsModified());
}

TEST_F(DiskWatchTest, GarbageOrATruncatedFileIsNamedAndTheDocumentKeptAsItWas) {
    const std::vector<CUnitRecord> units = doc().Units;
    std::mt19937 random(12);
    std::vector<std::uint8_t> garbage(38500);
    for (auto& b : garbage) b = static_cast<std::uint8_t>(random());
    WriteFromOutside(file, garbage);
    QTRY_VERIFY(Asked("cannot be reloaded"));
    EXPECT_TRUE(Asked("record names are not text"));
    EXPECT_EQ(doc().Units, units);
    child->diskWatcher()->CheckNow();
    EXPECT_EQ(prompts.asked.size(), 1u); // told once

    auto truncated = OBFileBuilder::BW1().unitName(1, "Tiger I").bytes();
    truncated.resize(1000);
    WriteFromOutside(file, truncated);
    QTRY_VERIFY(Asked("1,000 bytes"));
    EXPECT_EQ(doc().Units, units);
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(frame->childFrames().size(), 1u);
}

TEST_F(DiskWatchTest, AFileReachedThroughAHardLinkActivatesItsWindow) {
    Open(32843);
    fs::create_hard_link(file, root / "hard");
    EXPECT_EQ(frame->OpenDocumentFile(QString::fromStdString((root / "hard").string())), child);
    EXPECT_EQ(frame->childFrames().size(), 2u);
}

TEST_F(DiskWatchTest, SaveAsNeverWritesOverAFileAnotherWindowHolds) {
    ui::CChildFrame* other = Open(32843);
    const auto held = ReadBytes(bw1 / "OBBR");
    chooser.answers = {QString::fromStdString((bw1 / "OBBR").string())};
    frame->mdiArea()->setActiveSubWindow(child);
    EXPECT_FALSE(child->SaveAs());
    EXPECT_TRUE(Asked("is open in another window"));
    EXPECT_EQ(ReadBytes(bw1 / "OBBR"), held);
    EXPECT_EQ(other->document().FileName(), "OBBR");
}
