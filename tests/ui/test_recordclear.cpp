#include "analysis/ui/findingswindow.h"
#include "app/ui/messageswindow.h"
#include "editors/ui/editorhost.h"
#include "editors/ui/recordeditor.h"
#include "exchange/ui/recordtransfer.h"
#include "test_mainframe_fixture.h"
#include "views/ui/recordsortproxy.h"
#include "views/ui/recordtablemodel.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"

#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTreeWidget>

using namespace quorvant;
using namespace quorvant::testing;
using quorvant::testing::OBFileBuilder;
using ui::PromptAnswer;

namespace {

// Weapon 7 "75mm KwK" is carried twice by unit 3 "Panther", which formation 1 "Kompanie" holds;
// weapons 9 to 11 and formation 2 are named by nothing.
OBFileBuilder SampleFile() {
    OBFileBuilder b = OBFileBuilder::BW3();
    b.column(25000, 1, 70).unitName(3, "Panther").column(14000, 3, 7, 4, 0).column(14000, 3, 7, 4, 2);
    b.weaponName(7, "75mm KwK").column(4750, 7, 90, 2, 0).weaponName(9, "Flak 38").column(4750, 9, 12, 2, 0);
    b.weaponName(10, "MG 42").weaponName(11, "Pak 38");
    b.formationName(1, "Kompanie").column(38500, 1, 3, 20, 0).formationName(2, "Zug");
    return b;
}

const char* const kWeapon7Question = "Weapon 7 75mm KwK is named by:\n"
                                     "unit 3 Panther (weapon 1)\n"
                                     "unit 3 Panther (weapon 3)\n"
                                     "\nClear it anyway? They will then name an empty slot.";

class RecordClearTest : public MainFrameTest {
  protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        file = bw3 / "KOB70";
        WriteBytes(file, SampleFile().bytes());
        child = frame->OpenDocumentFile(QString::fromStdString(file.string()));
        ASSERT_NE(child, nullptr);
    }

    CQuorvantDoc& doc() const { return child->document(); }
    ui::CUnitView* view() const { return child->view(); }
    void Select(int table, int slot) const { view()->ShowRecord(table, slot); }
    std::string NameOf(int table, int slot) const {
        const auto s = static_cast<std::size_t>(slot);
        return table == kWeaponTable ? doc().Weapons[s].Name.trimmed()
               : table == kUnitTable ? doc().Units[s].Name.trimmed()
                                     : doc().Formations[s].Name.trimmed();
    }
    QString RowText(int table, int slot) const {
        return view()->model(table)->index(slot - 1, 0).data().toString();
    }
    QString UndoText() const { return Command(ID_EDIT_UNDO)->text(); }
    QRect RowRect(int slot) const {
        ui::RecordSortProxy* rows = view()->shownRows(view()->CurrentKind());
        return view()->reportView()->visualRect(rows->index(rows->proxyRow(slot - 1), 1));
    }
    // A right click on a cell of the slot's row; the row menu it opened, if any.
    QMenu* RightClick(int slot) const {
        QWidget* viewport = view()->reportView()->viewport();
        const QPoint at = RowRect(slot).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &event);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
    // The frame's shortcuts answer only while its window is the active one.
    void ActivateFrame() const {
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    static QByteArray Clipboard(const QString& format) {
        const QMimeData* data = QApplication::clipboard()->mimeData();
        return data ? data->data(format) : QByteArray();
    }

    fs::path file;
    ui::CChildFrame* child = nullptr;
};

QStringList Entries(const QMenu* menu) {
    QStringList entries;
    for (QAction* a : menu->actions()) entries << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return entries;
}

} // namespace

TEST_F(RecordClearTest, ClearAsksFirstOnlyWhenOtherRecordsNameTheSlot) {
    struct Case {
        int table, slot;
        PromptAnswer answer;
        std::vector<std::string> asked;
        const char* step; // none when nothing is cleared
        const char* report;
    };
    const Case cases[] = {
        {kWeaponTable, 9, PromptAnswer::No, {}, "&Undo Clear Weapon 9 Flak 38", "Cleared Weapon 9 Flak 38"},
        {kWeaponTable, 7, PromptAnswer::No, {kWeapon7Question}, nullptr, nullptr},
        {kWeaponTable,
         7,
         PromptAnswer::Yes,
         {kWeapon7Question},
         "&Undo Clear Weapon 7 75mm KwK",
         "Cleared Weapon 7 75mm KwK; 2 records now name an empty slot"},
        {kUnitTable,
         3,
         PromptAnswer::Yes,
         {"Unit 3 Panther is named by:\nformation 1 Kompanie (entry 1)\n\n"
          "Clear it anyway? They will then name an empty slot."},
         "&Undo Clear Unit 3 Panther",
         "Cleared Unit 3 Panther; 1 record now names an empty slot"},
        {kFormationTable, 2, PromptAnswer::No, {}, "&Undo Clear Formation 2 Zug", "Cleared Formation 2 Zug"},
    };
    for (const Case& c : cases) {
        Select(c.table, c.slot);
        prompts.asked.clear();
        prompts.answers = {c.answer};
        const std::string name = NameOf(c.table, c.slot);
        const QString undoBefore = UndoText();
        Command(ID_EDIT_CLEAR)->trigger();
        EXPECT_EQ(TextsAsked(), c.asked) << name;
        if (!c.step) {
            EXPECT_EQ(NameOf(c.table, c.slot), name);
            EXPECT_EQ(UndoText(), undoBefore);
            continue;
        }
        EXPECT_EQ(NameOf(c.table, c.slot), "") << name;
        EXPECT_EQ(RowText(c.table, c.slot), QStringLiteral(" %1.  ---------------").arg(c.slot));
        EXPECT_EQ(UndoText(), c.step);
        EXPECT_EQ(frame->messages()->last(), QString::fromLatin1(c.report));
        EXPECT_FALSE(Command(ID_EDIT_CLEAR)->isEnabled()) << name; // the slot is empty now
    }
    EXPECT_EQ(doc().Formations[1].Units[0], 3); // the references are left as they were
}

TEST_F(RecordClearTest, UndoPutsTheClearedRecordBackByteForByte) {
    const std::vector<std::uint8_t> original = ReadBytes(file);
    const CUnitRecord before = doc().Units[3];
    Select(kUnitTable, 3);
    Command(ID_EDIT_CLEAR)->trigger();
    ASSERT_EQ(NameOf(kUnitTable, 3), "");
    EXPECT_EQ(doc().Units[3].Wpn[0], 0);
    EXPECT_TRUE(child->isWindowModified());

    Command(ID_EDIT_UNDO)->trigger();
    EXPECT_EQ(doc().Units[3], before);
    EXPECT_EQ(RowText(kUnitTable, 3), " 3.  Panther");
    EXPECT_FALSE(doc().IsModified());
    ASSERT_TRUE(child->Save());
    EXPECT_EQ(ReadBytes(file), original);
}

TEST_F(RecordClearTest, CutPutsTheRecordOnTheClipboardThenClearsIt) {
    ui::RecordTransfer* transfer = ui::RecordTransfer::Of(view());
    const QString format = transfer->WeaponListFormat();
    const std::unique_ptr<QMimeData> copy(transfer->MimeForSlot(TransferKind::Weapons, 9));
    Select(kWeaponTable, 9);
    Command(ID_EDIT_CUT)->trigger();
    EXPECT_EQ(Clipboard(format), copy->data(format));
    EXPECT_EQ(NameOf(kWeaponTable, 9), "");
    EXPECT_EQ(UndoText(), "&Undo Cut Weapon 9 Flak 38");
    EXPECT_EQ(frame->messages()->last(), "Cut Weapon 9 Flak 38");

    // Answered No, the question leaves the clipboard as well as the record.
    Select(kWeaponTable, 7);
    prompts.answers = {PromptAnswer::No};
    Command(ID_EDIT_CUT)->trigger();
    EXPECT_EQ(TextsAsked(), std::vector<std::string>{kWeapon7Question});
    EXPECT_EQ(Clipboard(format), copy->data(format));
    EXPECT_EQ(NameOf(kWeaponTable, 7), "75mm KwK");
}

TEST_F(RecordClearTest, KeysClearOrCutTheSelectedRowButDeleteInTheFilterBoxDeletesText) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int slot;
        const char* step;
    };
    const Case cases[] = {{Qt::Key_Delete, Qt::NoModifier, 9, "&Undo Clear Weapon 9 Flak 38"},
                          {Qt::Key_Delete, Qt::ShiftModifier, 10, "&Undo Cut Weapon 10 MG 42"},
                          {Qt::Key_X, Qt::ControlModifier, 11, "&Undo Cut Weapon 11 Pak 38"}};
    ActivateFrame();
    for (const Case& c : cases) {
        Select(kWeaponTable, c.slot);
        QTest::keyClick(view()->reportView(), c.key, c.modifiers);
        EXPECT_EQ(NameOf(kWeaponTable, c.slot), "") << c.step;
        EXPECT_EQ(UndoText(), c.step);
    }

    Select(kWeaponTable, 7);
    view()->filterBox()->setText("75");
    view()->filterBox()->setFocus();
    view()->filterBox()->setCursorPosition(0);
    QTest::keyClick(view()->filterBox(), Qt::Key_Delete);
    EXPECT_EQ(view()->filterBox()->text(), "5");
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(NameOf(kWeaponTable, 7), "75mm KwK");
}

TEST_F(RecordClearTest, CommandsWaitForASelectedRowTheyCanActOn) {
    struct Case {
        const char* what;
        int table, slot; // slot 0: no row selected
        bool clear, cut, references;
    };
    const Case cases[] = {
        {"no row", kWeaponTable, 0, false, false, false},
        {"empty slot", kWeaponTable, 20, false, false, true},
        {"named weapon", kWeaponTable, 9, true, true, true},
        {"named formation", kFormationTable, 2, true, false, true}, // nothing takes a formation
    };
    for (const Case& c : cases) {
        Select(c.table, c.slot == 0 ? 1 : c.slot);
        if (c.slot == 0) view()->reportView()->selectionModel()->clear();
        EXPECT_EQ(Command(ID_EDIT_CLEAR)->isEnabled(), c.clear) << c.what;
        EXPECT_EQ(Command(ID_EDIT_CUT)->isEnabled(), c.cut) << c.what;
        EXPECT_EQ(Command(ID_TOOLS_FIND_REFERENCES)->isEnabled(), c.references) << c.what;
    }
    // On an empty slot Delete does nothing.
    ActivateFrame();
    Select(kWeaponTable, 20);
    const auto weapons = doc().Weapons;
    QTest::keyClick(view()->reportView(), Qt::Key_Delete);
    EXPECT_EQ(doc().Weapons, weapons);

    child->close();
    QTRY_VERIFY(frame->childFrames().empty());
    for (int command : {ID_EDIT_CLEAR, ID_EDIT_CUT, ID_TOOLS_FIND_REFERENCES})
        EXPECT_FALSE(Command(command)->isEnabled()) << command;
}

TEST_F(RecordClearTest, TheRowMenuActsOnTheRowRightClickedWithTheFramesCommands) {
    Select(kWeaponTable, 7);
    QMenu* menu = RightClick(9);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(view()->SelectedRow(), 8);
    EXPECT_EQ(Entries(menu), QStringList({"&Edit\tEnter", "-", "&Copy", "&Paste", "Cle&ar Record", "-",
                                          "&Find References", "Copy to &Other Files..."}));
    for (int command : {ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR, ID_TOOLS_FIND_REFERENCES})
        EXPECT_TRUE(menu->actions().contains(Command(command))) << command;
    EXPECT_TRUE(Command(ID_EDIT_CLEAR)->isEnabled());

    QSignalSpy edit(view(), &ui::CUnitView::editRequested);
    menu->actions().first()->trigger();
    ASSERT_EQ(edit.count(), 1);
    EXPECT_EQ(edit.first().at(0).toInt(), kWeaponTable);
    EXPECT_EQ(edit.first().at(1).toInt(), 9);
    menu->close();

    menu = RightClick(9);
    ASSERT_NE(menu, nullptr);
    Command(ID_EDIT_CLEAR)->trigger();
    menu->close();
    EXPECT_EQ(NameOf(kWeaponTable, 9), "");
    EXPECT_EQ(NameOf(kWeaponTable, 7), "75mm KwK");

    // From the keyboard it opens on the selected row.
    for (auto [key, modifiers] :
         {std::pair{Qt::Key_Menu, Qt::NoModifier}, {Qt::Key_F10, Qt::ShiftModifier}}) {
        QTest::keyClick(view()->reportView(), key, modifiers);
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr) << key;
        EXPECT_EQ(popup->objectName(), "RowMenu");
        popup->close();
    }
}

TEST_F(RecordClearTest, FindReferencesListsTheRecordsThatNameTheSlotAndOpensThem) {
    Select(kWeaponTable, 7);
    Command(ID_TOOLS_FIND_REFERENCES)->trigger();
    auto* window = frame->findChild<ui::FindingsWindow*>("FindReferences");
    ASSERT_NE(window, nullptr);
    QStringList rows;
    for (int i = 0; i < window->list()->topLevelItemCount(); ++i)
        for (int c = 0; c < 4; ++c) rows << window->list()->topLevelItem(i)->text(c);
    EXPECT_EQ(rows, QStringList({"units", "3", "Panther", "weapon 1", "units", "3", "Panther", "weapon 3"}));
    EXPECT_EQ(window->findChild<QLabel*>("summary")->text(),
              "2 records name Weapon 7 75mm KwK. Double-click one to edit it.");
    QSignalSpy edit(view(), &ui::CUnitView::editRequested);
    emit window->list()->itemActivated(window->list()->topLevelItem(1), 0);
    ASSERT_EQ(edit.count(), 1);
    EXPECT_EQ(edit.first().at(0).toInt(), kUnitTable);
    EXPECT_EQ(edit.first().at(1).toInt(), 3);
    window->close();
}

TEST_F(RecordClearTest, AnEditorShowingTheRecordShowsItClearedAndKeepsItSo) {
    child->editors()->Open(kWeaponTable, 9);
    ui::CRecordEditor* editor = child->editors()->editor(kWeaponTable);
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(editor->findChild<QLineEdit*>("1301")->text(), "12");
    Select(kWeaponTable, 9);
    Command(ID_EDIT_CLEAR)->trigger();
    EXPECT_EQ(editor->findChild<QLineEdit*>("1301")->text(), "0");
    editor->findChild<QPushButton*>("1061")->click(); // moving on stores what the editor shows
    EXPECT_EQ(NameOf(kWeaponTable, 9), "");
    EXPECT_EQ(doc().Weapons[9].HEPen, 0);
    editor->findChild<QPushButton*>("1")->click();
    QTRY_VERIFY(child->editors()->editor(kWeaponTable) == nullptr);
    EXPECT_EQ(NameOf(kWeaponTable, 9), "");
}
