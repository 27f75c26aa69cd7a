#include "app/ui/messageswindow.h"
#include "exchange/recordblocks.h"
#include "exchange/ui/recordtransfer.h"
#include "test_mainframe_fixture.h"
#include "views/ui/recordsortproxy.h"
#include "views/ui/recordtablemodel.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"

#include <QMdiArea>
#include <QMimeData>
#include <QStatusBar>
#include <QTableView>

using namespace quorvant;
using namespace quorvant::testing;
using quorvant::testing::OBFileBuilder;

namespace {

// Unit slot 3 "Panther" carries weapon slots 7 ("75mm KwK") and 8 ("MG 34") twice each.
OBFileBuilder SourceFile() {
    OBFileBuilder b = OBFileBuilder::BW3();
    b.column(25000, 1, 70).unitName(3, "Panther").column(24750, 3, 99);
    b.column(14000, 3, 7, 4, 0).column(14000, 3, 8, 4, 1).column(14000, 3, 7, 4, 2).column(14000, 3, 8, 4, 3);
    b.weaponName(7, "75mm KwK").column(4750, 7, 90, 2, 0).weaponName(8, "MG 34").column(6000, 8, 12);
    return b;
}

// Unit slot 2 "Sherman"; "MG 34" already at weapon slot 30; weapon slot 1 named, so 2 is the first free.
OBFileBuilder TargetFile() {
    OBFileBuilder b = OBFileBuilder::BW3();
    b.column(25000, 1, 91).unitName(1, "HQ").unitName(2, "Sherman   ").weaponName(1, "Colt");
    b.weaponName(30, "MG 34").column(6000, 30, 12);
    return b;
}

class RecordTransferTest : public MainFrameTest {
  protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        WriteBytes(bw3 / "KOB70", SourceFile().bytes());
        WriteBytes(bw3 / "KOB91", TargetFile().bytes());
        source = frame->OpenDocumentFile(QString::fromStdString((bw3 / "KOB70").string()));
        target = frame->OpenDocumentFile(QString::fromStdString((bw3 / "KOB91").string()));
        ASSERT_TRUE(source && target);
    }

    void Activate(ui::CChildFrame* child) {
        frame->mdiArea()->setActiveSubWindow(child);
        frame->UpdateCommandStates();
    }
    static void SelectSlot(ui::CChildFrame* child, int slot) {
        ui::CUnitView* view = child->view();
        ui::RecordSortProxy* rows = view->shownRows(view->CurrentKind());
        view->reportView()->selectionModel()->setCurrentIndex(rows->index(rows->proxyRow(slot - 1), 0),
                                                              QItemSelectionModel::ClearAndSelect |
                                                                  QItemSelectionModel::Rows);
    }
    void CopySlot(ui::CChildFrame* child, int slot) {
        Activate(child);
        SelectSlot(child, slot);
        Command(ID_EDIT_COPY)->trigger();
    }
    void PasteOnSlot(ui::CChildFrame* child, int slot) {
        Activate(child);
        SelectSlot(child, slot);
        frame->UpdateCommandStates();
        Command(ID_EDIT_PASTE)->trigger();
    }
    static QString Offered() {
        const QMimeData* data = QApplication::clipboard()->mimeData();
        return data && !data->formats().isEmpty() ? data->formats().join(',') : QString();
    }

    ui::CChildFrame* source = nullptr;
    ui::CChildFrame* target = nullptr;
};

// Sends a drag over and a drop onto a row of a list, as the platform would; whether it was taken.
bool DropOnRow(ui::CChildFrame* onto, int slot, QMimeData* data) {
    QTableView* list = onto->view()->reportView();
    ui::RecordSortProxy* rows = onto->view()->shownRows(onto->view()->CurrentKind());
    QPoint at = list->visualRect(rows->index(rows->proxyRow(slot - 1), 0)).center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &enter);
    QApplication::sendEvent(list->viewport(), &move);
    if (!move.isAccepted()) return false;
    QApplication::sendEvent(list->viewport(), &drop);
    return drop.isAccepted();
}

} // namespace

TEST_F(RecordTransferTest, CopyAndPasteAUnitBetweenDocumentsAskingBeforeReplacingANamedSlot) {
    CopySlot(source, 3);
    EXPECT_EQ(Offered(), "BW2UnitList");
    EXPECT_EQ(QApplication::clipboard()->mimeData()->data("BW2UnitList").size(), 11560);

    prompts.answers = {ui::PromptAnswer::No};
    PasteOnSlot(target, 2);
    EXPECT_EQ(TextsAsked(), std::vector<std::string>{"Replace Sherman?"});
    EXPECT_EQ(target->document().Units[2].Name.trimmed(), "Sherman");
    EXPECT_FALSE(target->document().IsModified());

    prompts.answers = {ui::PromptAnswer::Yes};
    PasteOnSlot(target, 2);
    const CQuorvantDoc& doc = target->document();
    EXPECT_EQ(doc.Units[2].Name.trimmed(), "Panther");
    EXPECT_EQ(doc.Units[2].Cost, 99);
    EXPECT_EQ(doc.Units[2].Nationality, 91);
    EXPECT_EQ(doc.Units[2].Wpn, (std::array<std::uint8_t, 4>{2, 30, 2, 30}));
    EXPECT_EQ(doc.Weapons[2].Name.trimmed(), "75mm KwK");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.SnapshotUnits[2].Name.trimmed(), "Sherman");
    EXPECT_EQ(target->view()->UnitRow, 1);
    EXPECT_TRUE(target->view()->model(kViewUnits)->index(1, 0).data().toString().contains("Panther"));
    EXPECT_TRUE(frame->messages()->last().startsWith("Pasted unit slot 2 \"Panther\": weapon 1"));
    EXPECT_TRUE(frame->messages()->last().contains(" of this file (was ")) << "it took this file's nation";

    // An empty slot is pasted without a question.
    prompts.asked.clear();
    PasteOnSlot(target, 9);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(doc.Units[9].Name.trimmed(), "Panther");
}

TEST_F(RecordTransferTest, WeaponsPassOnlyUnderTheirOwnTableAndGenerationAndARefusalSaysWhy) {
    source->document().OnViewMode(kViewWeapons);
    CopySlot(source, 7);
    EXPECT_EQ(Offered(), "BW2WepList");

    PasteOnSlot(target, 5); // the units table is on show
    EXPECT_TRUE(target->document().Units[5].Name.empty());
    EXPECT_EQ(frame->messages()->last(), "A BW3 weapon cannot be pasted into the units table");

    target->document().OnViewMode(kViewWeapons);
    PasteOnSlot(target, 5);
    EXPECT_EQ(target->document().Weapons[5].Name.trimmed(), "75mm KwK");
    EXPECT_EQ(target->document().Weapons[5].HEPen, 90);
    EXPECT_EQ(target->view()->WeaponRow, 4);

    ui::CChildFrame* bw1 = frame->OpenDocumentFile(QString::fromStdString((this->bw1 / "OBPZ").string()));
    bw1->document().OnViewMode(kViewWeapons);
    const auto before = bw1->document().Weapons;
    PasteOnSlot(bw1, 1);
    EXPECT_EQ(bw1->document().Weapons, before);
    EXPECT_EQ(frame->messages()->last(), "A BW3 weapon cannot be pasted into a BW1 file");

    // A drop says the same while the records hover over the list, and is not taken.
    bw1->document().OnViewMode(kViewUnits);
    auto* data = new QMimeData;
    data->setData("BW2UnitList", QByteArray(11560, '\0'));
    EXPECT_FALSE(DropOnRow(bw1, 1, data));
    delete data;
    EXPECT_EQ(frame->messages()->last(), "A BW3 unit cannot be dropped into a BW1 file");
}

TEST_F(RecordTransferTest, FormationsEmptyTheClipboardAndTakeNoPaste) {
    CopySlot(source, 3);
    ASSERT_FALSE(Offered().isEmpty());
    source->document().OnViewMode(kViewFormations);
    CopySlot(source, 1);
    EXPECT_EQ(Offered(), "");
    EXPECT_TRUE(frame->messages()->last().startsWith("Formations cannot be copied")) << "never silently";
    frame->UpdateCommandStates();
    EXPECT_FALSE(Command(ID_EDIT_PASTE)->isEnabled());
}

TEST_F(RecordTransferTest, PasteNeedsASelectedRow) {
    CopySlot(source, 3);
    Activate(target);
    target->view()->reportView()->selectionModel()->clear();
    frame->UpdateCommandStates();
    EXPECT_FALSE(Command(ID_EDIT_PASTE)->isEnabled());
    const auto units = target->document().Units;
    Command(ID_EDIT_PASTE)->trigger();
    EXPECT_EQ(target->document().Units, units);
}

TEST_F(RecordTransferTest, ShortcutsCopyAndPasteTheSelectedRow) {
    Activate(source);
    SelectSlot(source, 3);
    QTest::keyClick(source->view()->reportView(), Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(Offered(), "BW2UnitList");
    Activate(target);
    SelectSlot(target, 9);
    frame->UpdateCommandStates();
    QTest::keyClick(target->view()->reportView(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(target->document().Units[9].Name.trimmed(), "Panther");
}

TEST_F(RecordTransferTest, ARowDroppedOnAnotherDocumentIsPastedThere) {
    ui::RecordTransfer* from = ui::RecordTransfer::Of(source->view());
    std::unique_ptr<QMimeData> data(from->DragMimeForSlot(TransferKind::Units, 3));
    prompts.answers = {ui::PromptAnswer::Yes};
    EXPECT_TRUE(DropOnRow(target, 2, data.get()));
    EXPECT_EQ(TextsAsked(), std::vector<std::string>{"Replace Sherman?"});
    EXPECT_EQ(target->document().Units[2].Name.trimmed(), "Panther");
    EXPECT_EQ(target->document().Units[2].Wpn[1], 30);
    EXPECT_TRUE(target->document().IsModified());

    // Its own document, the other table, another generation: refused.
    const auto units = source->document().Units;
    EXPECT_FALSE(DropOnRow(source, 5, data.get()));
    EXPECT_EQ(source->document().Units, units);
    target->document().OnViewMode(kViewWeapons);
    EXPECT_FALSE(DropOnRow(target, 5, data.get()));
    target->document().OnViewMode(kViewUnits);

    ui::CChildFrame* bw1 = frame->OpenDocumentFile(QString::fromStdString((this->bw1 / "OBPZ").string()));
    const auto bw1Units = bw1->document().Units;
    EXPECT_FALSE(DropOnRow(bw1, 1, data.get()));
    EXPECT_EQ(bw1->document().Units, bw1Units);

    // A payload of the right format but the wrong size is taken by no paste.
    QMimeData bad;
    bad.setData("BW2UnitList", QByteArray(11559, '\x41'));
    const auto targetUnits = target->document().Units;
    DropOnRow(target, 7, &bad);
    EXPECT_EQ(target->document().Units, targetUnits);
}

TEST_F(RecordTransferTest, DraggingARowLeavesItsDocumentAsItWas) {
    Activate(source);
    QTableView* list = source->view()->reportView();
    ui::RecordSortProxy* rows = source->view()->shownRows(kViewUnits);
    for (int slot : {3, 4}) { // a named unit starts a drag, an empty one none
        QPoint at = list->visualRect(rows->index(rows->proxyRow(slot - 1), 0)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
        QMouseEvent move(QEvent::MouseMove, at + QPoint(30, 0),
                         list->viewport()->mapToGlobal(at + QPoint(30, 0)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    }
    EXPECT_FALSE(source->document().IsModified());
    EXPECT_EQ(source->document().Units[3].Name.trimmed(), "Panther");
}
