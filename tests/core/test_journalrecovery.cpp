#include "faulty_filesystem.h"
#include "obfile_builder.h"
#include "recovery/journalreplay.h"
#include "recovery/journalwriter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

#include <unistd.h>

using namespace quorvant;
using namespace quorvant::testing;
namespace fs = std::filesystem;

namespace {

fs::path FreshRoot() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    fs::path root =
        fs::temp_directory_path() / ("quorvant-journal-" + std::to_string(::getpid()) + "-" + info->name());
    fs::remove_all(root);
    fs::create_directories(root);
    return root;
}

void WriteOB(const fs::path& file, const char* unit5 = "Panzer IV", const char* unit1 = "Rifle Squad") {
    const auto bytes =
        OBFileBuilder::BW3().unitName(1, unit1).unitName(2, "Tiger I").unitName(5, unit5).bytes();
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The user's editor: every command ends in a history step, and each is journaled as it happens.
struct Session {
    explicit Session(const fs::path& file, const fs::path& recovery) : writer(recovery) {
        EXPECT_TRUE(doc.OnOpenDocument(file));
        writer.Begin(JournalHeaderFor(doc, clock));
    }
    void Journal() { writer.AddStep(*doc.History().UndoStep(), ++clock); }
    void Run(const std::string& script) {
        for (char c : script) switch (c) {
            case 'p': // a paste over unit 1
                doc.Units[1].Name.assignPadded("Pasted " + std::to_string(clock));
                if (doc.RecordStep("Paste Unit", {{{}, {1}, {}}})) Journal();
                break;
            case 'e': // an editor's OK on unit 2
                doc.Units[2].Cost = static_cast<std::uint8_t>(clock);
                doc.SetModifiedFlag(true);
                if (doc.CommitEdit(kViewUnits)) Journal();
                break;
            case 'u':
                if (const HistoryStep* step = doc.History().UndoStep()) writer.AddUndo(*step, ++clock);
                doc.Undo();
                break;
            case 'r':
                if (const HistoryStep* step = doc.History().RedoStep()) writer.AddRedo(*step, ++clock);
                doc.Redo();
                break;
            case 's': {
                std::string error;
                EXPECT_TRUE(doc.OnSaveDocument(doc.PathName(), error)) << error;
                EXPECT_TRUE(writer.Remove(error)) << error;
                writer.Begin(JournalHeaderFor(doc, clock));
                break;
            }
            }
        std::string error;
        EXPECT_TRUE(writer.Flush(error)) << error;
    }
    CQuorvantDoc doc;
    JournalWriter writer;
    std::int64_t clock = 1000;
};

} // namespace

TEST(JournalRecovery, RecoveringReachesTheStateTheUserHadAsStepsThatUndo) {
    for (const std::string script :
         {"pe", "peuur", "peup", "pu", "pesuu", "pesuur", "pesuurup", "pepeuuuuurrr"}) {
        const fs::path root = FreshRoot();
        WriteOB(root / "KOB12");
        Session user(root / "KOB12", root / "recovery");
        user.Run(script);
        CQuorvantDoc recovered;
        ASSERT_TRUE(recovered.OnOpenDocument(root / "KOB12"));
        const auto onDisk = recovered.Units;
        const ReplayResult result = RecoverFromJournal(user.writer.JournalPath(), recovered);
        ASSERT_TRUE(result.applied) << script << ": " << result.error;
        EXPECT_FALSE(result.fileChanged) << script;
        EXPECT_TRUE(recovered.Units == user.doc.Units) << script;
        EXPECT_TRUE(recovered.SnapshotUnits == user.doc.SnapshotUnits) << script;
        EXPECT_EQ(recovered.IsModified(), user.doc.IsModified()) << script;
        while (recovered.Undo()) {
        }
        EXPECT_TRUE(recovered.Units == onDisk) << script;
    }
}

TEST(JournalRecovery, AFileChangedOnDiskIsRecoveredOnlyWhereItsRecordsStillMatch) {
    struct Case {
        const char* unit1OnDisk;
        bool applied;
    } cases[] = {{"Rifle Squad", true}, {"Rifle Platoon", false}};
    for (const Case& c : cases) {
        const fs::path root = FreshRoot();
        WriteOB(root / "KOB12");
        Session user(root / "KOB12", root / "recovery");
        user.Run("pe");
        WriteOB(root / "KOB12", "Panther", c.unit1OnDisk);
        CQuorvantDoc recovered;
        ASSERT_TRUE(recovered.OnOpenDocument(root / "KOB12"));
        const ReplayResult result = RecoverFromJournal(user.writer.JournalPath(), recovered);
        EXPECT_TRUE(result.fileChanged);
        ASSERT_EQ(result.applied, c.applied) << c.unit1OnDisk << ": " << result.error;
        if (c.applied) {
            EXPECT_EQ(recovered.Units[5].Name.trimmed(), "Panther");
            EXPECT_TRUE(recovered.Units[1] == user.doc.Units[1] && recovered.Units[2] == user.doc.Units[2]);
        } else {
            EXPECT_NE(result.error.find("Unit 1 Rifle Platoon"), std::string::npos) << result.error;
            EXPECT_FALSE(recovered.IsModified());
            EXPECT_EQ(recovered.History().StepCount(), 0u);
        }
    }
}

TEST(JournalRecovery, ATornJournalRecoversItsWholeStepsAndSaysWhatWasLost) {
    const fs::path root = FreshRoot();
    WriteOB(root / "KOB12");
    Session user(root / "KOB12", root / "recovery");
    user.Run("pe");
    fs::resize_file(user.writer.JournalPath(), fs::file_size(user.writer.JournalPath()) - 10);
    CQuorvantDoc recovered;
    ASSERT_TRUE(recovered.OnOpenDocument(root / "KOB12"));
    const ReplayResult result = RecoverFromJournal(user.writer.JournalPath(), recovered);
    ASSERT_TRUE(result.applied) << result.error;
    EXPECT_EQ(result.stepsApplied, 1);
    EXPECT_EQ(result.entriesLost, 1);
    EXPECT_GT(result.bytesLost, 0u);
    EXPECT_TRUE(recovered.Units[1] == user.doc.Units[1]);
}

TEST(JournalRecovery, ARecoveredDocumentGoesOnInTheJournalItCameFrom) {
    const fs::path root = FreshRoot();
    WriteOB(root / "KOB12");
    Session user(root / "KOB12", root / "recovery");
    user.Run("pep");
    const fs::path journal = user.writer.JournalPath();
    fs::resize_file(journal, fs::file_size(journal) - 10);
    Session again(root / "KOB12", root / "recovery");
    ASSERT_TRUE(RecoverFromJournal(journal, again.doc).applied);
    std::string error;
    ASSERT_TRUE(again.writer.Resume(journal, error)) << error;
    again.clock = 2000;
    again.Run("uup");
    CQuorvantDoc third;
    ASSERT_TRUE(third.OnOpenDocument(root / "KOB12"));
    const ReplayResult result = RecoverFromJournal(journal, third);
    ASSERT_TRUE(result.applied) << result.error;
    EXPECT_EQ(result.bytesLost, 0u);
    EXPECT_TRUE(third.Units == again.doc.Units && third.SnapshotUnits == again.doc.SnapshotUnits);
}

TEST(JournalRecovery, AJournalIsInUseWhileAWriterKeepsItAndLeftBehindOnceNoneDoes) {
    const fs::path root = FreshRoot();
    WriteOB(root / "KOB12");
    fs::path journal;
    {
        Session user(root / "KOB12", root / "recovery");
        user.Run("p");
        journal = user.writer.JournalPath();
        EXPECT_TRUE(IsJournalInUse(journal));
    } // the writer gone without a word, as in a crash
    ASSERT_TRUE(fs::exists(journal));
    EXPECT_FALSE(IsJournalInUse(journal));
    Session again(root / "KOB12", root / "recovery");
    std::string error;
    ASSERT_TRUE(again.writer.Resume(journal, error)) << error;
    EXPECT_TRUE(IsJournalInUse(journal));
    ASSERT_TRUE(again.writer.Remove(error)) << error;
    EXPECT_FALSE(IsJournalInUse(journal));
}

TEST(JournalRecovery, AFailedFlushKeepsTheJournalReadableAndWritesItsEntriesNextTime) {
    const fs::path root = FreshRoot();
    WriteOB(root / "KOB12");
    Session user(root / "KOB12", root / "recovery");
    user.Run("p");
    user.doc.Units[1].Cost = 9;
    ASSERT_TRUE(user.doc.RecordStep("Set Cost", {{{}, {1}, {}}}));
    user.Journal();
    auto entries = [&] {
        std::string why;
        return ReadJournal(*Files().Read(user.writer.JournalPath(), why));
    };
    for (Fault fault : {Fault::NoSpace, Fault::PermissionDenied}) {
        FaultyFileSystem faulty(
            fault, [](Call call, const fs::path&, const fs::path&) { return call == Call::Append; });
        ScopedFileSystemForTesting use(faulty);
        std::string error;
        EXPECT_FALSE(user.writer.Flush(error));
        EXPECT_NE(error.find(FaultReason(fault)), std::string::npos) << error;
    }
    EXPECT_EQ(entries().entries.size(), 1u);
    EXPECT_EQ(entries().bytesLost, 0u);
    std::string error;
    ASSERT_TRUE(user.writer.Flush(error)) << error;
    EXPECT_EQ(entries().entries.size(), 2u);
}

TEST(JournalRecovery, TheListNamesEachJournalsFileChangesTimeAndWhetherTheFileChanged) {
    const fs::path root = FreshRoot();
    fs::create_directories(root / "a");
    fs::create_directories(root / "b");
    WriteOB(root / "a" / "KOB12");
    WriteOB(root / "b" / "KOB12");
    Session a(root / "a" / "KOB12", root / "recovery");
    Session b(root / "b" / "KOB12", root / "recovery");
    a.Run("pe");
    b.Run("peu");
    WriteOB(root / "b" / "KOB12", "Panther");
    std::ofstream(root / "recovery" / "junk.journal") << "not a journal";
    // One of an earlier session is never written over.
    Session again(root / "a" / "KOB12", root / "recovery");
    again.doc.Units[3].Cost = 1;
    ASSERT_TRUE(again.doc.RecordStep("Set Cost", {{{}, {3}, {}}}));
    again.Journal();
    std::string error;
    EXPECT_FALSE(again.writer.Flush(error));

    const std::vector<JournalSummary> list = ListJournals(root / "recovery");
    ASSERT_EQ(list.size(), 3u);
    auto find = [&](const fs::path& file) {
        for (const JournalSummary& s : list)
            if (s.obFile == file) return s;
        return JournalSummary{};
    };
    const JournalSummary first = find(root / "a" / "KOB12"), second = find(root / "b" / "KOB12");
    EXPECT_TRUE(first.readable && second.readable);
    EXPECT_EQ(first.changes, 2);
    EXPECT_EQ(second.changes, 1);
    EXPECT_EQ(first.lastEntryTime, a.clock);
    EXPECT_EQ(first.fileState, JournalFileState::Unchanged);
    EXPECT_EQ(second.fileState, JournalFileState::Changed);
    EXPECT_NE(first.journal, second.journal);
    EXPECT_EQ(std::count_if(list.begin(), list.end(), [](const JournalSummary& s) { return !s.readable; }),
              1);
}
