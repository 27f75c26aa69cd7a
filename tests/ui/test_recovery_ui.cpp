// Recovery after a crash: a document's steps reach its journal within a second, a close or a save
// ends the journal, and a journal left behind is offered at start and when its file is opened.

#include "recovery/journalwriter.h"
#include "test_mainframe_fixture.h"
#include "workspace/commandids.h"

using namespace quorvant;
using namespace quorvant::testing;

namespace {

class RecoverAfterACrash : public MainFrameTest {
  protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        folder = root / "profile" / "recovery";
        frame->UseRecovery(folder);
    }
    fs::path Journal() const { return JournalPathFor(folder, bw1 / "OBPZ"); }
    // Opens OBPZ and renames its first unit in two steps, as the journal of a crashed session keeps them.
    ui::CChildFrame* EditTwice() {
        ui::CChildFrame* child = Open(32842);
        EXPECT_NE(child, nullptr);
        for (const char* name : {"Panther", "Tiger"}) {
            child->document().Units[1].Name.assignPadded(name);
            EXPECT_TRUE(child->document().RecordStep("Rename", {{{}, {1}, {}}}));
        }
        return child;
    }
    // What a crash leaves: the journal as it stood, though the window then closes without saving.
    void CrashLeaves(ui::CChildFrame* child) {
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(Journal()), 3000);
        const std::vector<std::uint8_t> journal = ReadBytes(Journal());
        prompts.answers = {ui::PromptAnswer::No}; // Discard the changes
        child->close();
        QTRY_VERIFY(frame->childFrames().empty());
        EXPECT_FALSE(fs::exists(Journal())) << "a confirmed close ends the journal";
        WriteBytes(Journal(), journal);
    }
    std::string Name() const { return frame->activeChild()->document().Units[1].Name.trimmed(); }

    fs::path folder; // in the test's own folder, made by SetUp
};

} // namespace

TEST_F(RecoverAfterACrash, TheJournalLeftBehindBringsBackEveryStepAsAStepOfUndo) {
    const std::vector<std::uint8_t> onDisk = ReadBytes(bw1 / "OBPZ");
    CrashLeaves(EditTwice());

    prompts.answers = {ui::PromptAnswer::Yes};
    frame->OfferRecovery();
    EXPECT_NE(TextsAsked().back().find("Recover the unsaved changes to OBPZ (2 changes"), std::string::npos)
        << TextsAsked().back();
    ASSERT_NE(frame->activeChild(), nullptr);
    EXPECT_EQ(Name(), "Tiger");
    EXPECT_TRUE(frame->activeChild()->document().IsModified());
    EXPECT_EQ(ReadBytes(bw1 / "OBPZ"), onDisk);
    Command(ID_EDIT_UNDO)->trigger();
    EXPECT_EQ(Name(), "Panther");

    // Saved, the journal is done with.
    Command(ID_FILE_SAVE)->trigger();
    EXPECT_FALSE(fs::exists(Journal()));
}

TEST_F(RecoverAfterACrash, LaterKeepsTheJournalAndOpeningTheFileOffersItAgainDiscardDeletesIt) {
    CrashLeaves(EditTwice());
    prompts.answers = {ui::PromptAnswer::Cancel};
    frame->OfferRecovery();
    EXPECT_TRUE(frame->childFrames().empty());
    EXPECT_TRUE(fs::exists(Journal()));

    // Later again as the file opens: the window's own changes are not journaled, and a box says so.
    prompts.answers = {ui::PromptAnswer::Cancel};
    ui::CChildFrame* later = Open(32842);
    ASSERT_NE(later, nullptr);
    EXPECT_NE(TextsAsked().back().find("not kept for recovery"), std::string::npos);
    later->close();
    QTRY_VERIFY(frame->childFrames().empty());
    EXPECT_TRUE(fs::exists(Journal())) << "closing a window that journals nothing keeps the waiting journal";

    // Asked again, the journal is one the user kept, not the trace of a crash.
    prompts.answers = {ui::PromptAnswer::No};
    const std::size_t asked = prompts.asked.size();
    ASSERT_NE(Open(32842), nullptr);
    ASSERT_EQ(prompts.asked.size(), asked + 1);
    EXPECT_EQ(TextsAsked().back().rfind("You chose to recover the unsaved changes to OBPZ (2 changes", 0), 0u)
        << TextsAsked().back();
    EXPECT_EQ(Name(), "PzKpfw IV");
    EXPECT_FALSE(fs::exists(Journal()));
    EXPECT_FALSE(fs::exists(LaterMarkFor(Journal())));
}

TEST_F(RecoverAfterACrash, AJournalAnotherRunningCopyKeepsIsNeitherOfferedNorWritten) {
    CrashLeaves(EditTwice());
    const std::vector<std::uint8_t> kept = ReadBytes(Journal());
    auto otherCopy = HeldFileLock::Take(Journal());
    ASSERT_NE(otherCopy, nullptr);
    const std::size_t asked = prompts.asked.size();
    frame->OfferRecovery();
    EXPECT_EQ(prompts.asked.size(), asked);

    ui::CChildFrame* child = Open(32842);
    ASSERT_NE(child, nullptr);
    ASSERT_EQ(prompts.asked.size(), asked + 1);
    EXPECT_NE(TextsAsked().back().find("open in another running copy"), std::string::npos);
    child->document().Units[1].Name.assignPadded("Maus");
    ASSERT_TRUE(child->document().RecordStep("Rename", {{{}, {1}, {}}}));
    frame->FlushJournals();
    EXPECT_EQ(ReadBytes(Journal()), kept);

    // Once the other copy has ended, its journal is one left behind.
    prompts.answers = {ui::PromptAnswer::No};
    child->close();
    QTRY_VERIFY(frame->childFrames().empty());
    otherCopy.reset();
    prompts.answers = {ui::PromptAnswer::Cancel};
    frame->OfferRecovery();
    EXPECT_NE(TextsAsked().back().find("Recover the unsaved changes to OBPZ"), std::string::npos);
}
