// The weapon editor: labels and classes per generation, moves, the number edit, Copy and Paste
// through the document, and OK and Cancel.

#include "tests/ui/test_mainframe_fixture.h"
#include "tests/ui/test_tableeditor_fixture.h"

#include "app/ui/childframe.h"

#include "obdata/generation.h"
#include "obdata/stringtable.h"

using namespace quorvant;
using namespace quorvant::testing;
using quorvant::testing::OBFileBuilder;

namespace {
QString Label(QWidget* editor, int id) {
    auto* label = editor->findChild<QLabel*>(QString::number(id));
    return label ? label->text() : QStringLiteral("missing");
}
} // namespace

TEST_F(TableEditorTest, WeaponLabelsAndClassesFollowTheGeneration) {
    for (int gen : {kBW1, kBW2, kBW3}) {
        read(gen == kBW1 ? OBFileBuilder::BW1() : gen == kBW2 ? OBFileBuilder::BW2() : OBFileBuilder::BW3());
        weapon(2).Class = 3;
        auto* editor = openWeapon(2);
        EXPECT_EQ(editor->windowTitle(), "Weapons");
        EXPECT_EQ(Label(editor, 1305), gen == kBW1 ? "Projectile Size " : "Warhead ");
        EXPECT_EQ(Label(editor, 1309), gen == kBW1 ? "HVAP Range " : "Min Range ");
        EXPECT_EQ(Label(editor, 1307), gen == kBW1 ? "Ap Soft Attack " : "AP Kill ");
        EXPECT_EQ(Label(editor, 1311), "HEAT Pen ");
        QComboBox* classes = box(1293);
        ASSERT_EQ(classes->count(), gen == kBW1 ? 12 : 19) << gen;
        EXPECT_EQ(classes->itemText(0), "");
        // BW3 shows the BW2 class names.
        EXPECT_EQ(classes->itemText(1).toStdString(), std::string(LoadString(gen == kBW1 ? 701 : 751)));
        EXPECT_EQ(classes->currentIndex(), 3);
        EXPECT_EQ(box(1292)->currentText().trimmed(), "Gun 2");
        host->CloseEditors();
    }
}

TEST_F(TableEditorTest, AClassPastTheListShowsNothingAndIsKept) {
    read(OBFileBuilder::BW2());
    weapon(3).Class = 40;
    weapon(3).HEPen = 255;
    settle();
    openWeapon(3);
    EXPECT_EQ(box(1293)->currentIndex(), -1);
    press(1061);
    EXPECT_EQ(weapon(3).Class, 40);
    EXPECT_EQ(weapon(3).HEPen, 255);
    EXPECT_EQ(weapon(3), doc->SnapshotWeapons[3]);
}

TEST_F(TableEditorTest, WeaponMovesStoreFirstAndStopAtTheEnds) {
    read(OBFileBuilder::BW2());
    openWeapon(1);
    EXPECT_FALSE(push(1059)->isEnabled());
    EXPECT_FALSE(push(1060)->isEnabled());
    type(field(1301), "44");
    box(1292)->lineEdit()->selectAll();
    QTest::keyClicks(box(1292)->lineEdit(), "Big Gun");
    press(1061);
    EXPECT_EQ(weapon(1).HEPen, 44);
    EXPECT_EQ(weapon(1).Name.trimmed(), "Big Gun");
    EXPECT_EQ(box(1292)->itemText(1), "Big Gun");
    press(1062);
    EXPECT_EQ(editor()->CurrentSlot(), 249);
    EXPECT_FALSE(push(1061)->isEnabled());
    EXPECT_FALSE(push(1062)->isEnabled());
    EXPECT_TRUE(push(1060)->isEnabled());
    // Choosing slot 0 by name goes to slot 1.
    choose(box(1292), 0);
    EXPECT_EQ(editor()->CurrentSlot(), 1);

    // A refused field keeps the editor on its slot.
    type(field(1296), "256");
    press(1061);
    EXPECT_EQ(texts(), std::vector<std::string>{"Please enter an integer between 0 and 255."});
    EXPECT_EQ(editor()->CurrentSlot(), 1);
}

TEST_F(TableEditorTest, TheWeaponNumberLoadsAtOnceWithoutStoring) {
    read(OBFileBuilder::BW2());
    weapon(12).Accuracy = 12;
    settle();
    openWeapon(4);
    type(field(1303), "9");
    type(field(1291), "12");
    EXPECT_EQ(editor()->CurrentSlot(), 12);
    EXPECT_EQ(field(1296)->text(), "12");
    EXPECT_EQ(weapon(4).HEKill, 0);
    type(field(1291), "0");
    EXPECT_EQ(editor()->CurrentSlot(), 12);
    // Typed key by key, "300" passes through slots 3 and 30 and then stays.
    type(field(1291), "300");
    EXPECT_EQ(editor()->CurrentSlot(), 30);
    EXPECT_EQ(field(1291)->text(), "300");
    // Loading, by opening or by number, leaves the document unmarked.
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(TableEditorTest, EnterInANumberFieldGoesToThatRecordAndKeepsTheEditorOpen) {
    read(OBFileBuilder::BW2());
    for (auto [kind, numberField] :
         {std::pair{kUnitTable, 1030}, {kFormationTable, 1230}, {kWeaponTable, 1291}}) {
        openEditor(kind, 2);
        field(numberField)->setText("7"); // as pasted: no key went to the field
        QTest::keyClick(field(numberField), Qt::Key_Return);
        ASSERT_NE(host->editor(kind), nullptr) << "Enter must not press OK, kind " << kind;
        EXPECT_EQ(editor()->CurrentSlot(), 7) << kind;
        EXPECT_EQ(field(numberField)->text(), "7") << kind;
        host->editor(kind)->close();
    }
}

TEST_F(TableEditorTest, PasteIsEnabledOnlyOnceAWeaponWasCopiedAndNeverAtFirstInBW1) {
    read(OBFileBuilder::BW2());
    openWeapon(2);
    EXPECT_FALSE(push(1313)->isEnabled());
    type(field(1301), "77"); // not stored: Copy takes the table's record
    press(1312);
    EXPECT_TRUE(push(1313)->isEnabled());
    ASSERT_TRUE(doc->CopiedWeapon.has_value());
    EXPECT_EQ(doc->CopiedWeapon->HEPen, 0);
    EXPECT_EQ(doc->CopiedWeapon->Name.trimmed(), "Gun 2");

    // A second view of the document shares the copy.
    {
        ui::CUnitView other(*doc);
        ui::EditorHost otherHost(&other, *doc);
        otherHost.Open(kWeaponTable, 5);
        EXPECT_TRUE(otherHost.editor(kWeaponTable)->findChild<QPushButton*>("1313")->isEnabled());
        otherHost.CloseEditors();
    }
    host->CloseEditors();

    read(OBFileBuilder::BW1());
    doc->CopiedWeapon = weapon(1);
    openWeapon(2);
    EXPECT_FALSE(push(1313)->isEnabled());
    press(1312);
    EXPECT_TRUE(push(1313)->isEnabled());
}

TEST_F(TableEditorTest, WeaponPasteAsksOverANamedSlotAndBW1NamesItForRenaming) {
    read(OBFileBuilder::BW1());
    weapon(3).HEPen = 30;
    settle();
    openWeapon(3);
    press(1312);
    type(field(1291), "20");
    press(1313);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(weapon(20).Name.trimmed(), "RENAME ME");
    EXPECT_EQ(weapon(20).HEPen, 30);
    EXPECT_EQ(box(1292)->itemText(20), "RENAME ME");
    EXPECT_TRUE(doc->IsModified());

    type(field(1291), "4");
    prompts.answers = {ui::PromptAnswer::No};
    press(1313);
    EXPECT_EQ(texts(), std::vector<std::string>{"Replace Current Weapon?"});
    EXPECT_EQ(weapon(4).Name.trimmed(), "Gun 4");

    // Cancel throws the paste away.
    closedWith(2);
    EXPECT_EQ(weapon(20).Name.trimmed(), "");
    EXPECT_EQ(weapon(20).HEPen, 0);
    EXPECT_EQ(view->WeaponRow, 3);
}

TEST_F(TableEditorTest, WeaponOkOnSlotTenRebuildsAndSelectsRowNine) {
    read(OBFileBuilder::BW2());
    view->WeaponRow = 0;
    view->ShowDisplayType(kWeaponTable);
    openWeapon(9);
    press(1061);
    type(field(1302), "15");
    closedWith(1);
    EXPECT_EQ(weapon(10).APPen, 15);
    EXPECT_EQ(doc->SnapshotWeapons, doc->Weapons);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(view->WeaponRow, 9);
    EXPECT_EQ(view->SelectedRow(), 9);

    // Cancel rebuilds nothing, so the list keeps its selection.
    view->WeaponRow = 2;
    view->ShowDisplayType(kWeaponTable);
    openWeapon(6);
    closedWith(2);
    EXPECT_EQ(view->WeaponRow, 5);
    EXPECT_EQ(view->SelectedRow(), 2);
}

TEST_F(TableEditorTest, EveryWeaponControlExplainsItself) {
    read(OBFileBuilder::BW3());
    openWeapon(1);
    int controls = 0;
    for (QWidget* w : editor()->findChildren<QWidget*>()) {
        bool control =
            qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w);
        if (!control || w->objectName().isEmpty()) continue;
        ++controls;
        EXPECT_FALSE(w->whatsThis().isEmpty()) << w->objectName().toStdString();
    }
    EXPECT_GE(controls, 23);
}

class TableEditorDocumentTest : public MainFrameTest {};

TEST_F(TableEditorDocumentTest, ClosingTheDocumentDiscardsBothEditorsFirst) {
    ui::CChildFrame* child = Open(32842);
    ASSERT_NE(child, nullptr);
    CQuorvantDoc& doc = child->document();
    ui::EditorHost* host = child->editors();
    host->Open(kWeaponTable, 1);
    host->Open(kFormationTable, 1);
    const CWeaponRecord weapon = doc.Weapons[1];
    const int entry = doc.Formations[1].unitEntry(doc.Generation, 0);
    const int changed = entry == 3 ? 4 : 3;
    QPointer<QWidget> weapons(host->editor(kWeaponTable));
    QPointer<QWidget> formations(host->editor(kFormationTable));
    ASSERT_TRUE(weapons && formations);
    weapons->findChild<QLineEdit*>("1301")->setText(weapon.HEPen == 50 ? "51" : "50");
    weapons->findChild<QPushButton*>("1061")->click();
    formations->findChild<QLineEdit*>("1245")->setText(QString::number(changed));
    formations->findChild<QPushButton*>("1061")->click();
    ASSERT_NE(doc.Weapons[1], weapon);
    ASSERT_EQ(doc.Formations[1].unitEntry(doc.Generation, 0), changed);
    // A confirmed change elsewhere keeps the document modified once the editors' changes are gone.
    doc.Units[5].Men ^= 1;
    doc.RecordStep("Paste Unit onto Slot 5", {{{}, {5}, {}}});

    // Both editors' changes discarded, the user cancels the save: the document stays, reverted, and
    // both editors are gone.
    prompts.answers = {ui::PromptAnswer::No, ui::PromptAnswer::No, ui::PromptAnswer::Cancel};
    child->close();
    EXPECT_EQ(TextsAsked(), (std::vector<std::string>{"Apply the changes in Weapons to OBPZ?",
                                                      "Apply the changes in Formations to OBPZ?",
                                                      "Save changes to OBPZ?"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return weapons.isNull() && formations.isNull(); }));
    EXPECT_EQ(doc.Weapons[1], weapon);
    EXPECT_EQ(doc.Formations[1].unitEntry(doc.Generation, 0), entry);

    // Quitting closes them as well.
    host->Open(kWeaponTable, 2);
    host->Open(kFormationTable, 2);
    weapons = host->editor(kWeaponTable);
    formations = host->editor(kFormationTable);
    doc.SetModifiedFlag(false);
    frame->close();
    EXPECT_TRUE(weapons.isNull());
    EXPECT_TRUE(formations.isNull());
}
