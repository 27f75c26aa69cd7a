// Backups before the editor writes over a file: the first save of a session keeps the file as it
// was, a backup that cannot be made stops the save until the user lets it go ahead once, and
// Options > Backups turns them off.

#include "backups/backuplisting.h"
#include "backups/backupsetting.h"
#include "backups/ui/backupsoptionsdialog.h"
#include "backups/ui/reverttodialog.h"
#include "test_mainframe_fixture.h"
#include "workspace/commandids.h"

#include <QCheckBox>
#include <QSpinBox>
#include <QTreeWidget>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

class SaveWithBackups : public MainFrameTest {
  protected:
    ui::CChildFrame* SaveChanged(const char* name) {
        ui::CChildFrame* child = Open(32842);
        EXPECT_NE(child, nullptr);
        child->document().Units.at(1).Name.assignPadded(name);
        child->document().SetModifiedFlag(true);
        Command(ID_FILE_SAVE)->trigger();
        return child;
    }
    std::vector<BackupEntry> Backups(const fs::path& folder) const {
        return ListBackups(folder, kBW1, "OBPZ");
    }
};

} // namespace

TEST_F(SaveWithBackups, TheFirstSaveOfASessionKeepsTheFileAsItWas) {
    const fs::path folder = root / "profile" / "backups";
    frame->UseBackups(folder);
    const std::vector<std::uint8_t> original = ReadBytes(bw1 / "OBPZ");
    SaveChanged("Panther");
    SaveChanged("Tiger");
    const std::vector<BackupEntry> kept = Backups(folder);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(ReadBytes(kept[0].path), original);
    EXPECT_NE(ReadBytes(bw1 / "OBPZ"), original);

    // Off in Options > Backups: the next session keeps nothing.
    {
        ui::BackupsOptionsDialog options(profile, folder);
        options.countBox()->setValue(4);
        options.keepBox()->setChecked(false);
        options.accept();
    }
    EXPECT_EQ(ReadBackupsKept(profile), 0);
    // Turned on again, the options offer the number last chosen.
    EXPECT_EQ(ui::BackupsOptionsDialog(profile, folder).countBox()->value(), 4);
    frame->UseBackups(folder);
    SaveChanged("Maus");
    EXPECT_EQ(Backups(folder).size(), 1u);
}

TEST_F(SaveWithBackups, ABackupThatFailsStopsTheSaveUntilTheUserSavesWithoutOne) {
    WriteBytes(root / "profile", {'x'}); // a file where the profile's folder should be
    frame->UseBackups(root / "profile" / "backups");
    const std::vector<std::uint8_t> original = ReadBytes(bw1 / "OBPZ");
    prompts.answers = {ui::PromptAnswer::No};
    ui::CChildFrame* child = SaveChanged("Panther");
    EXPECT_NE(TextsAsked().back().find("Save it without a backup this once?"), std::string::npos);
    // The reason names the file in the way, not the folder that could not be made inside it.
    EXPECT_NE(TextsAsked().back().find((root / "profile").string() + ": is a file, where a folder is needed"),
              std::string::npos)
        << TextsAsked().back();
    EXPECT_EQ(ReadBytes(bw1 / "OBPZ"), original);
    EXPECT_TRUE(child->document().IsModified());

    prompts.answers = {ui::PromptAnswer::Yes};
    Command(ID_FILE_SAVE)->trigger();
    EXPECT_NE(ReadBytes(bw1 / "OBPZ"), original);
    EXPECT_FALSE(child->document().IsModified());
}

TEST_F(SaveWithBackups, RevertToABackupIsAStepOfUndoAndWritesNothing) {
    const fs::path folder = root / "profile" / "backups";
    frame->UseBackups(folder);
    ui::CChildFrame* child = SaveChanged("Panther"); // the backup holds "PzKpfw IV"
    CQuorvantDoc& doc = child->document();
    doc.Units[1].Name.assignPadded("Tiger");
    ASSERT_TRUE(doc.RecordStep("Edit", {{{}, {1}, {}}}));
    const std::vector<std::uint8_t> saved = ReadBytes(bw1 / "OBPZ");

    Command(ID_FILE_REVERT_TO)->trigger();
    auto* dialog = frame->findChild<ui::RevertToDialog*>();
    ASSERT_NE(dialog, nullptr);
    QStringList rows;
    for (int i = 0; i < dialog->list()->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = dialog->list()->topLevelItem(i);
        rows << item->text(0) + "|" + item->text(3);
    }
    EXPECT_EQ(rows, (QStringList{"OBPZ as last saved|1", "Backup|1"}));
    dialog->list()->setCurrentItem(dialog->list()->topLevelItem(1));
    dialog->accept();
    EXPECT_EQ(doc.Units[1].Name.trimmed(), "PzKpfw IV");
    EXPECT_EQ(ReadBytes(bw1 / "OBPZ"), saved);
    EXPECT_EQ(Command(ID_EDIT_UNDO)->text().toStdString().rfind("&Undo Revert to Backup of ", 0), 0u);
    Command(ID_EDIT_UNDO)->trigger();
    EXPECT_EQ(doc.Units[1].Name.trimmed(), "Tiger");

    // Back to the file as last saved, the document is as after a save; Undo makes it modified again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Command(ID_FILE_REVERT_TO)->trigger();
    dialog = frame->findChild<ui::RevertToDialog*>();
    ASSERT_NE(dialog, nullptr);
    dialog->list()->setCurrentItem(dialog->list()->topLevelItem(0));
    dialog->accept();
    EXPECT_EQ(doc.Units[1].Name.trimmed(), "Panther");
    EXPECT_FALSE(doc.IsModified());
    Command(ID_EDIT_UNDO)->trigger();
    EXPECT_TRUE(doc.IsModified());
}
