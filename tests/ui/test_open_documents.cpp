#include "test_mainframe_fixture.h"
#include "workspace/commandids.h"
#include "workspace/ui/loadprogressdialog.h"

#include <QMdiArea>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

class OpenDocuments : public MainFrameTest {
  protected:
    fs::path PathOf(ui::CChildFrame* child) const { return fs::canonical(child->document().PathName()); }
};

TEST_F(OpenDocuments, MenuEntriesOpenTheirFilesAndMoveTheDefaultGeneration) {
    ui::CChildFrame* greece = Open(32791 + 31);
    ASSERT_NE(greece, nullptr);
    EXPECT_EQ(PathOf(greece), fs::canonical(bw2 / "MOB31"));
    EXPECT_EQ(greece->document().Generation, kBW2);
    EXPECT_EQ(settings.DefaultGeneration, kBW2);
    EXPECT_EQ(profile.writes, 0 + 4); // the recent-file list only; the default is not written
    EXPECT_FALSE(profile.ReadString(kSettingsSection, "BW Default").has_value());

    // The file dialog now starts in the BW2 folder; a BW1 entry leaves the default alone.
    Command(ID_FILE_OPEN)->trigger();
    EXPECT_EQ(chooser.lastFolder.toStdString(), bw2.string());
    EXPECT_EQ(chooser.lastInitialName, "OB*;MOB*;KOB*");
    ASSERT_NE(Open(32842), nullptr);
    EXPECT_EQ(settings.DefaultGeneration, kBW2);

    ui::CChildFrame* germany = Open(32822 + 70); // held as "kob70" on disk
    ASSERT_NE(germany, nullptr);
    EXPECT_EQ(PathOf(germany), fs::canonical(bw3 / "kob70"));
    EXPECT_EQ(settings.DefaultGeneration, kBW3);
    EXPECT_EQ(PathOf(Open(32822 + 91)), fs::canonical(bw3 / "KOB91")); // Free France
    EXPECT_EQ(PathOf(Open(32847 + 8)), fs::canonical(bw3 / "KOB08"));  // PLO, modern
    EXPECT_EQ(frame->childFrames().size(), 5u);
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(OpenDocuments, AnOpenFileIsActivatedNotOpenedTwice) {
    ui::CChildFrame* first = Open(32842);
    Open(32843);
    ASSERT_NE(frame->activeChild(), first);
    fs::create_directories(root / "elsewhere");
    fs::create_symlink(bw1 / "OBPZ", root / "elsewhere" / "link");

    EXPECT_EQ(Open(32842), first);
    EXPECT_EQ(frame->OpenDocumentFile(QString::fromStdString((bw1 / "." / "OBPZ").string())), first);
    EXPECT_EQ(frame->OpenDocumentFile(QString::fromStdString((root / "elsewhere" / "link").string())), first);
    EXPECT_EQ(frame->childFrames().size(), 2u);
    EXPECT_EQ(frame->mdiArea()->currentSubWindow(), first);
}

TEST_F(OpenDocuments, FilesThatCannotBeOpenedAreNamedAndCreateNoWindow) {
    fs::remove(bw2 / "MOB31");
    EXPECT_EQ(Open(32791 + 31), nullptr);
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].kind, ui::PromptKind::Exclamation);
    EXPECT_TRUE(prompts.asked[0].text.contains("MOB31")) << prompts.asked[0].text.toStdString();

    EXPECT_EQ(frame->OpenDocumentFile(QString::fromStdString(bw1.string())), nullptr); // a folder
    EXPECT_EQ(frame->OpenDocumentFile("/dev/zero"), nullptr);                          // never ends
    EXPECT_EQ(prompts.asked.size(), 3u);
    EXPECT_TRUE(frame->childFrames().empty());
    EXPECT_EQ(frame->currentMenuBar()->objectName(), "111");
    EXPECT_TRUE(frame->isEnabled());
}

TEST_F(OpenDocuments, FileTheDocumentCannotReadShowsItsErrorAndCreatesNoWindow) {
    // A plain file whose every read fails, whoever reads it.
    if (!fs::is_regular_file("/proc/self/mem")) GTEST_SKIP() << "no failing file on this system";
    EXPECT_EQ(frame->OpenDocumentFile("/proc/self/mem"), nullptr);
    EXPECT_EQ(TextsAsked(), std::vector<std::string>{"Error Opening file!"});
    EXPECT_TRUE(frame->childFrames().empty());
}

TEST_F(OpenDocuments, TinyAndOddFilesOpenWithoutHarm) {
    WriteBytes(root / "one", {0x41});
    WriteBytes(root / "empty", {});
    std::vector<std::uint8_t> big(200000, 0xFF);
    WriteBytes(root / "big", big);
    for (const char* name : {"one", "empty", "big"}) {
        ui::CChildFrame* child = frame->OpenDocumentFile(QString::fromStdString((root / name).string()));
        ASSERT_NE(child, nullptr) << name;
        EXPECT_FALSE(child->document().IsModified());
    }
    // The short files are named once each; the long one is a whole (BW2) file with bytes to spare.
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_TRUE(prompts.asked[0].text.startsWith("one does not look like an OB file: it is 1 byte,"));
    EXPECT_TRUE(prompts.asked[1].text.startsWith("empty does not look like an OB file: it is 0 bytes"));
}

TEST_F(OpenDocuments, FileDialogOpensTheChosenFileAndCancelOpensNothing) {
    settings.DefaultGeneration = kBW3;
    chooser.answers = {QString(), QString::fromStdString((bw1 / "OBPZ").string())};
    Command(ID_FILE_OPEN)->trigger(); // cancelled
    EXPECT_EQ(chooser.lastFolder.toStdString(), bw3.string());
    EXPECT_TRUE(frame->childFrames().empty());
    Command(ID_FILE_OPEN)->trigger();
    ASSERT_EQ(frame->childFrames().size(), 1u);
    EXPECT_EQ(settings.DefaultGeneration, kBW3); // the dialog does not change it
}

TEST_F(OpenDocuments, RecentFilesKeepTheLastFourAndReopen) {
    for (int command : {32842, 32843, 32791 + 31, 32822 + 70, 32822 + 91}) Open(command);
    ASSERT_EQ(recent.Entries().size(), 4u);
    EXPECT_EQ(fs::canonical(recent.Entries()[0]), fs::canonical(bw3 / "KOB91"));
    EXPECT_EQ(profile.ReadString("Recent File List", "File1"), recent.Entries()[0]);
    EXPECT_TRUE(Command(ID_FILE_MRU_FILE1 + 3)->text().startsWith("&4 "));

    for (ui::CChildFrame* child : frame->childFrames()) child->close();
    QTRY_VERIFY(frame->childFrames().empty());
    Command(ID_FILE_MRU_FILE1 + 3)->trigger(); // OBBR: the oldest kept
    ASSERT_NE(frame->activeChild(), nullptr);
    EXPECT_EQ(frame->activeChild()->document().FileName(), "OBBR");
    EXPECT_EQ(fs::canonical(recent.Entries()[0]), fs::canonical(bw1 / "OBBR"));

    // An entry whose file went away is dropped when it fails to open.
    fs::remove(bw3 / "KOB91");
    Command(ID_FILE_MRU_FILE1 + 1)->trigger();
    EXPECT_EQ(recent.Entries().size(), 3u);
}

TEST_F(OpenDocuments, LoadingShowsTheTablesReadAndDisablesTheWindowMeanwhile) {
    CQuorvantDoc doc;
    std::vector<std::uint8_t> bytes = quorvant::testing::OBFileBuilder::BW2().bytes();
    {
        ui::LoadProgressDialog progress(frame.get());
        EXPECT_FALSE(frame->isEnabled());
        EXPECT_TRUE(progress.isVisible());
        EXPECT_TRUE(progress.windowTitle().isEmpty());
        doc.ReadBytes(bytes, &progress);
        EXPECT_EQ(progress.text(), "Loading Formations");
        EXPECT_GT(progress.value(), 0);
    }
    EXPECT_TRUE(frame->isEnabled());
}

} // namespace
