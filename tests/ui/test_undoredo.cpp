#include "app/ui/messageswindow.h"
#include "editors/ui/editorhost.h"
#include "editors/ui/recordeditor.h"
#include "exchange/recordblocks.h"
#include "exchange/ui/recordtransfer.h"
#include "test_mainframe_fixture.h"
#include "views/columnsets.h"
#include "views/ui/recordtablemodel.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

class UndoRedoTest : public MainFrameTest {
  protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        child = Open(32842);
        ASSERT_NE(child, nullptr);
    }
    CQuorvantDoc& doc() const { return child->document(); }
    QAction* undo() const { return Command(ID_EDIT_UNDO); }
    QAction* redo() const { return Command(ID_EDIT_REDO); }
    // Types a weapon's HE Pen into the weapon editor and confirms with OK.
    void EditWeapon(int slot, const char* hePen) {
        child->editors()->Open(kWeaponTable, slot);
        ui::CRecordEditor* editor = child->editors()->editor(kWeaponTable);
        ASSERT_NE(editor, nullptr);
        EXPECT_FALSE(undo()->isEnabled() || redo()->isEnabled()); // the editor's Cancel is its undo
        editor->findChild<QLineEdit*>("1301")->setText(QString::fromLatin1(hePen));
        QTest::mouseClick(editor->findChild<QPushButton*>("1"), Qt::LeftButton);
        QTRY_VERIFY(child->editors()->editor(kWeaponTable) == nullptr);
    }
    void Paste(int slot, const CWeaponRecord& weapon) {
        RecordBlock block = EncodeWeaponBlock(weapon);
        doc().OnViewMode(kViewWeapons);
        ui::RecordTransfer::Of(child->view())
            ->PasteOnto(slot, QByteArray(reinterpret_cast<const char*>(block.data()),
                                         static_cast<qsizetype>(block.size())));
    }

    ui::CChildFrame* child = nullptr;
};

} // namespace

TEST_F(UndoRedoTest, EditMenuAndToolbarUndoAndRedoTheNamedStepOfTheActiveDocument) {
    EXPECT_TRUE(undo()->shortcuts().contains(QKeySequence("Ctrl+Z")));
    EXPECT_TRUE(redo()->shortcuts().contains(QKeySequence("Ctrl+Y")));
    EXPECT_TRUE(redo()->shortcuts().contains(QKeySequence("Ctrl+Shift+Z")));
    EXPECT_TRUE(frame->toolBar()->actions().contains(undo()));
    EXPECT_TRUE(frame->toolBar()->actions().contains(redo()));
    EXPECT_FALSE(undo()->isEnabled());
    EXPECT_EQ(undo()->text(), "&Undo");

    const CWeaponRecord before = doc().Weapons[1];
    EditWeapon(1, "50");
    EXPECT_EQ(doc().Weapons[1].HEPen, 50);
    EXPECT_TRUE(undo()->isEnabled());
    EXPECT_EQ(undo()->text(), "&Undo Edit Weapon 1 Pak 40");
    EXPECT_TRUE(child->isWindowModified());

    undo()->trigger();
    EXPECT_EQ(doc().Weapons[1], before);
    EXPECT_EQ(doc().SnapshotWeapons[1], before);
    EXPECT_FALSE(doc().IsModified());
    EXPECT_FALSE(child->isWindowModified()); // the title loses its mark
    EXPECT_EQ(frame->messages()->last(), "Undo Edit Weapon 1 Pak 40");
    EXPECT_FALSE(undo()->isEnabled());
    EXPECT_EQ(redo()->text(), "&Redo Edit Weapon 1 Pak 40");
    // The row on show was read again.
    EXPECT_EQ(child->view()->CurrentKind(), kWeaponTable);
    EXPECT_EQ(child->view()->WeaponRow, 0);

    redo()->trigger();
    EXPECT_EQ(doc().Weapons[1].HEPen, 50);
    EXPECT_TRUE(child->isWindowModified());

    // Another document has its own history.
    ui::CChildFrame* other = Open(32843);
    EXPECT_FALSE(undo()->isEnabled());
    frame->mdiArea()->setActiveSubWindow(child);
    EXPECT_TRUE(undo()->isEnabled());
    other->close();
}

TEST_F(UndoRedoTest, PasteUndoneAndSavedGivesTheOriginalFileByteForByte) {
    const fs::path file = bw1 / "OBPZ";
    const std::vector<std::uint8_t> original = ReadBytes(file);
    CWeaponRecord gun;
    gun.Name.assignPadded("Flak 88");
    gun.HEPen = 44;
    Paste(12, gun);
    EXPECT_EQ(undo()->text(), "&Undo Paste Weapon onto Slot 12");
    ASSERT_TRUE(child->Save());
    EXPECT_NE(ReadBytes(file), original);

    undo()->trigger();
    EXPECT_TRUE(doc().IsModified()); // the file holds the paste now
    ASSERT_TRUE(child->Save());
    EXPECT_EQ(ReadBytes(file), original);
    redo()->trigger();
    EXPECT_TRUE(doc().IsModified());
    undo()->trigger();
    EXPECT_FALSE(doc().IsModified());
}

TEST_F(UndoRedoTest, AnEditorsCancelThatTakesBackAPasteCanItselfBeUndone) {
    CWeaponRecord gun;
    gun.Name.assignPadded("Flak 88");
    Paste(12, gun);
    child->editors()->Open(kWeaponTable, 3);
    QTest::mouseClick(child->editors()->editor(kWeaponTable)->findChild<QPushButton*>("2"), Qt::LeftButton);
    QTRY_VERIFY(child->editors()->editor(kWeaponTable) == nullptr);
    EXPECT_TRUE(doc().Weapons[12].Name.empty()); // Cancel returns the table to its snapshot
    EXPECT_EQ(undo()->text(), "&Undo Revert Weapons");
    undo()->trigger();
    EXPECT_EQ(doc().Weapons[12].Name.trimmed(), "Flak 88");
    EXPECT_EQ(undo()->text(), "&Undo Paste Weapon onto Slot 12");
}

TEST_F(UndoRedoTest, ClosingWithOnlyUnconfirmedEditsAsksOnlyWhetherToApplyThem) {
    child->editors()->Open(kWeaponTable, 1);
    child->editors()->editor(kWeaponTable)->findChild<QLineEdit*>("1301")->setText("77");
    child->editors()->editor(kWeaponTable)->findChild<QPushButton*>("1061")->click(); // stored by moving on
    ASSERT_EQ(doc().Weapons[1].HEPen, 77);
    EXPECT_TRUE(doc().DiffersFromDisk());
    prompts.answers = {ui::PromptAnswer::No};
    child->close(); // Discard takes the edit back: nothing is left to save
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].kind, ui::PromptKind::ApplyDiscardCancel);
    QTRY_VERIFY(frame->childFrames().empty());
}
