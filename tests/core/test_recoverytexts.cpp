#include "recovery/recoverytexts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

using namespace quorvant;

TEST(RecoveryTexts, TheQuestionNamesTheFileItsChangesTheTimeAndWhatIsAmiss) {
    ::setenv("TZ", "UTC0", 1);
    ::tzset();
    const std::int64_t at1042 = 1733827320; // 2024-12-10 10:42 UTC
    const std::string ask = "Quorvant was not closed properly. Recover the unsaved changes to KOB12 ";
    struct Case {
        int changes;
        JournalFileState state;
        std::size_t bytesLost;
        int entriesLost;
        std::string text;
    } cases[] = {
        {12, JournalFileState::Unchanged, 0, 0, ask + "(12 changes, 10:42)?"},
        {1, JournalFileState::Unchanged, 0, 0, ask + "(1 change, 10:42)?"},
        {3, JournalFileState::Changed, 0, 0,
         ask + "(3 changes, 10:42)? KOB12 has changed on disk since; the changes are recovered only if the "
               "records they change still hold what they held then."},
        {3, JournalFileState::Missing, 0, 0, ask + "(3 changes, 10:42)? KOB12 is no longer there."},
        {2, JournalFileState::Unchanged, 140, 1,
         ask + "(2 changes, 10:42)? The end of the journal is damaged: 1 change (140 bytes) cannot be "
               "recovered."},
    };
    for (const Case& c : cases) {
        JournalSummary summary;
        summary.readable = true;
        summary.obFile = "/games/brass3/KOB12";
        summary.changes = c.changes;
        summary.lastEntryTime = at1042;
        summary.fileState = c.state;
        summary.bytesLost = c.bytesLost;
        summary.entriesLost = c.entriesLost;
        EXPECT_EQ(RecoveryQuestion(summary), c.text);
    }
}

TEST(RecoveryTexts, TheReportSaysWhatWasLostOrWhyNothingCameBack) {
    ReplayResult whole{true, "", false, 3, 0, 0, 0, 0};
    ReplayResult torn{true, "", true, 3, 0, 0, 20, 2};
    ReplayResult refused{false, "Unit 1 Rifle Platoon has changed in the file since", true, 0, 0, 0, 0, 0};
    EXPECT_EQ(RecoveryReport(whole, "KOB12"), "");
    EXPECT_EQ(RecoveryReport(torn, "KOB12"),
              "KOB12 had changed on disk; the recovered changes are applied to it as it is now. The end of "
              "the journal is damaged: 2 changes (20 bytes) cannot be recovered.");
    EXPECT_EQ(
        RecoveryReport(refused, "KOB12"),
        "The changes to KOB12 cannot be recovered: Unit 1 Rifle Platoon has changed in the file since.");
}
