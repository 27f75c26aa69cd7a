// The editor killed with SIGKILL at random moments while it journals its edits: its journal brings
// back every change it had journaled, and nothing it had not.

#include "recovery/journalreplay.h"
#include "test_mainframe_fixture.h"
#include "tests/crash/crashedits.h"

#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <unistd.h>

using namespace quorvant;
namespace fs = std::filesystem;

namespace {

constexpr int kEdits = 60;

// Reads the child's lines until it says it journaled count edits; false when it ends or stalls first.
bool WaitForJournaled(QProcess& child, int count) {
    const QByteArray wanted = "journaled " + QByteArray::number(count);
    QByteArray seen;
    while (child.state() == QProcess::Running) {
        if (!child.canReadLine() && !child.waitForReadyRead(30000)) return false;
        while (child.canReadLine())
            if (child.readLine().trimmed() == wanted) return true;
    }
    return false;
}

} // namespace

TEST(CrashRecovery, AKilledEditorsJournalBringsBackEveryJournaledChangeAndNothingElse) {
    const fs::path base = fs::temp_directory_path() / ("quorvant-crash-" + std::to_string(::getpid()));
    for (int run = 0; run < 20; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        const fs::path dir = base / std::to_string(run);
        fs::remove_all(dir);
        fs::create_directories(dir);
        quorvant::testing::OBFileBuilder file = quorvant::testing::OBFileBuilder::BW1();
        for (int slot = 1; slot <= 40; ++slot) file.unitName(slot, "Unit " + std::to_string(slot));
        quorvant::testing::WriteBytes(dir / "OBPZ", file.bytes());

        const std::uint64_t seed = 7000 + static_cast<std::uint64_t>(run);
        const int journaled = 1 + static_cast<int>((seed * 2654435761u) % (kEdits - 1));
        QProcess child;
        child.start(QStringLiteral(QUORVANT_CRASH_CHILD),
                    {"--profile", QString::fromStdString((dir / "profile").string()), "--file",
                     QString::fromStdString((dir / "OBPZ").string()), "--seed", QString::number(seed),
                     "--edits", QString::number(kEdits)});
        ASSERT_TRUE(child.waitForStarted());
        ASSERT_TRUE(WaitForJournaled(child, journaled)) << child.readAllStandardError().toStdString();
        // A moment later: between edits, in the middle of one, or while its entry is being written.
        QThread::usleep(static_cast<unsigned long>(run % 5) * 700);
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        child.waitForFinished();

        const std::vector<JournalSummary> left = ListJournals(dir / "profile" / "recovery");
        ASSERT_EQ(left.size(), 1u);
        CQuorvantDoc recovered;
        ASSERT_TRUE(recovered.OnOpenDocument(dir / "OBPZ"));
        const ReplayResult result = RecoverFromJournal(left[0].journal, recovered);
        ASSERT_TRUE(result.applied) << result.error;

        // The state after some edit from the last one said journaled on: never one before, never a mix.
        CQuorvantDoc replay;
        ASSERT_TRUE(replay.OnOpenDocument(dir / "OBPZ"));
        const std::vector<crash::Edit> edits = crash::EditsOf(seed, kEdits);
        bool found = false;
        for (int done = 0; done < kEdits && !found; ++done) {
            crash::Apply(replay, edits[static_cast<std::size_t>(done)]);
            found = done + 1 >= journaled && replay.Units == recovered.Units;
        }
        EXPECT_TRUE(found) << "journaled " << journaled << ", " << result.stepsApplied << " steps recovered";
    }
    fs::remove_all(base);
}
