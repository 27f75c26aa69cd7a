// Closing a document or quitting while a record editor holds changes not confirmed with OK, and
// how the editors stand beside the main window.

#include "editors/ui/editorhost.h"
#include "editors/ui/recordeditor.h"
#include "test_mainframe_fixture.h"
#include "views/columnsets.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

class EditorClose : public MainFrameTest {
  protected:
    // OBPZ with a confirmed change, so the save question comes whatever the editor's answer.
    ui::CChildFrame* OpenModified() {
        ui::CChildFrame* child = Open(32842);
        child->document().Weapons[5].HEPen ^= 1;
        child->document().RecordStep("Paste Weapon onto Slot 5", {{{5}, {}, {}}});
        return child;
    }
    static ui::CRecordEditor* OpenEditor(ui::CChildFrame* child, int kind) {
        child->editors()->Open(kind, 1);
        return child->editors()->editor(kind);
    }
    static void Type(ui::CRecordEditor* editor, int field, const QString& text) {
        auto* edit = editor->findChild<QLineEdit*>(QString::number(field));
        ASSERT_NE(edit, nullptr) << field;
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    QMenu* WindowMenu() const {
        for (QAction* a : frame->currentMenuBar()->actions())
            if (a->text() == "&Window") return a->menu();
        return nullptr;
    }
    static QStringList WindowEntries(QMenu* menu) {
        emit menu->aboutToShow();
        QStringList entries;
        for (QAction* a : menu->actions()) entries << a->text();
        return entries;
    }
};

struct ApplyCase {
    const char* name;
    bool quit;
    ui::PromptAnswer answer;
    int kind;
    int field;
    const char* title;
    int (*value)(const CQuorvantDoc&);
};

int Cost(const CQuorvantDoc& doc) {
    return doc.Units[1].Cost;
}
int Accuracy(const CQuorvantDoc& doc) {
    return doc.Weapons[1].Accuracy;
}
int FirstEntry(const CQuorvantDoc& doc) {
    return doc.Formations[1].Units[0];
}

TEST_F(EditorClose, UnconfirmedChangesAreAppliedDiscardedOrKeepTheDocumentOpen) {
    using A = ui::PromptAnswer;
    const ApplyCase cases[] = {
        {"close, apply", false, A::Yes, kUnitTable, 1036, "Unit Information", &Cost},
        {"close, discard", false, A::No, kUnitTable, 1036, "Unit Information", &Cost},
        {"close, cancel", false, A::Cancel, kUnitTable, 1036, "Unit Information", &Cost},
        {"quit, apply", true, A::Yes, kUnitTable, 1036, "Unit Information", &Cost},
        {"quit, discard", true, A::No, kUnitTable, 1036, "Unit Information", &Cost},
        {"quit, cancel", true, A::Cancel, kUnitTable, 1036, "Unit Information", &Cost},
        {"weapon, close, apply", false, A::Yes, kWeaponTable, 1296, "Weapons", &Accuracy},
        {"formation, quit, discard", true, A::No, kFormationTable, 1245, "Formations", &FirstEntry},
    };
    for (const ApplyCase& c : cases) {
        SCOPED_TRACE(c.name);
        ui::CChildFrame* child = OpenModified();
        ASSERT_NE(child, nullptr);
        QPointer<ui::CRecordEditor> editor = OpenEditor(child, c.kind);
        Type(editor, c.field, "3");
        // The user clicks the list: the editor's changes stay where they are.
        child->view()->setFocus();
        prompts.asked.clear();
        prompts.answers = {c.answer, A::Cancel};
        Command(c.quit ? ID_APP_EXIT : ID_FILE_CLOSE)->trigger();

        ASSERT_FALSE(prompts.asked.empty());
        EXPECT_EQ(prompts.asked[0].kind, ui::PromptKind::ApplyDiscardCancel);
        EXPECT_EQ(prompts.asked[0].text.toStdString(),
                  std::string("Apply the changes in ") + c.title + " to OBPZ?");
        ASSERT_EQ(frame->childFrames().size(), 1u) << "every case ends in a Cancel";
        EXPECT_TRUE(frame->isVisible());
        const CQuorvantDoc& doc = child->document();
        if (c.answer == A::Cancel) {
            EXPECT_EQ(prompts.asked.size(), 1u);
            ASSERT_FALSE(editor.isNull());
            EXPECT_TRUE(editor->isVisible());
            EXPECT_EQ(editor->findChild<QLineEdit*>(QString::number(c.field))->text(), "3");
        } else {
            ASSERT_EQ(prompts.asked.size(), 2u);
            EXPECT_EQ(prompts.asked[1].text, "Save changes to OBPZ?");
            EXPECT_EQ(c.value(doc), c.answer == A::Yes ? 3 : 0);
            EXPECT_TRUE(QTest::qWaitFor([&editor] { return editor.isNull(); }));
        }
        if (editor) editor->reject();
        child->document().SetModifiedFlag(false);
        child->close();
        EXPECT_TRUE(QTest::qWaitFor([this] { return frame->childFrames().empty(); }));
    }
}

TEST_F(EditorClose, AnEditorWithoutChangesClosesWithoutAsking) {
    ui::CChildFrame* child = Open(32842);
    QPointer<ui::CRecordEditor> editor = OpenEditor(child, kUnitTable);
    // Moving between units, by button and by typed number, changes nothing.
    QTest::mouseClick(editor->findChild<QPushButton*>("1061"), Qt::LeftButton);
    Type(editor, 1030, "5");
    EXPECT_EQ(editor->CurrentSlot(), 5);
    EXPECT_FALSE(editor->HasUnconfirmedChanges());
    // A change typed and then dropped by the list re-pointing the editor counts no more.
    Type(editor, 1036, "9");
    EXPECT_TRUE(editor->HasUnconfirmedChanges());
    child->editors()->Open(kUnitTable, 7);
    EXPECT_FALSE(editor->HasUnconfirmedChanges());

    Command(ID_FILE_CLOSE)->trigger();
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_TRUE(QTest::qWaitFor([this] { return frame->childFrames().empty(); }));
    EXPECT_TRUE(editor.isNull());
}

TEST_F(EditorClose, EditorsStayAboveTheMainWindowAndAreListedInItsWindowMenu) {
    ui::CChildFrame* child = Open(32842);
    QPointer<ui::CRecordEditor> sheet = OpenEditor(child, kUnitTable);
    QPointer<ui::CRecordEditor> weapons = OpenEditor(child, kWeaponTable);
    for (ui::CRecordEditor* editor : {sheet.data(), weapons.data()}) {
        EXPECT_TRUE(editor->isWindow());
        EXPECT_EQ(editor->parentWidget(), frame.get());
        EXPECT_EQ(editor->windowModality(), Qt::NonModal);
    }
    // The main window still takes commands while they are open.
    Command(ID_VIEW_LIST)->trigger();
    EXPECT_FALSE(child->view()->ReportStyle());

    QMenu* window = WindowMenu();
    ASSERT_NE(window, nullptr);
    const QStringList entries = WindowEntries(window);
    EXPECT_TRUE(entries.contains("&2 Weapons - OBPZ")) << entries.join('|').toStdString();
    EXPECT_TRUE(entries.contains("&3 Unit Information - OBPZ")) << entries.join('|').toStdString();
    sheet->showMinimized();
    for (QAction* a : window->actions())
        if (a->text() == "&3 Unit Information - OBPZ") a->trigger();
    EXPECT_FALSE(sheet->isMinimized());
    EXPECT_TRUE(sheet->isVisible());

    // They go with their document, and the menu forgets them.
    child->close();
    EXPECT_TRUE(QTest::qWaitFor([this] { return frame->childFrames().empty(); }));
    EXPECT_TRUE(sheet.isNull());
    EXPECT_TRUE(weapons.isNull());
}

TEST_F(EditorClose, SaveAsNamesTheNewFileEverywhere) {
    ui::CChildFrame* child = Open(32892); // KOB70, Germany
    ASSERT_NE(child, nullptr);
    child->document().SetModifiedFlag(true);
    chooser.answers = {QString::fromStdString((root / "KOB71").string())};
    Command(ID_FILE_SAVE_AS)->trigger();
    ASSERT_TRUE(fs::exists(root / "KOB71"));

    EXPECT_EQ(child->windowTitle().toStdString(), "KOB71 - Germany[*]");
    EXPECT_EQ(frame->windowTitle().toStdString(), "Quorvant - KOB71 - Germany[*]");
    ASSERT_NE(WindowMenu(), nullptr);
    EXPECT_TRUE(WindowEntries(WindowMenu()).contains("&1 KOB71 - Germany"));
    ASSERT_FALSE(recent.Entries().empty());
    EXPECT_EQ(fs::canonical(recent.Entries()[0]), fs::canonical(root / "KOB71"));
    EXPECT_EQ(frame->action(ID_FILE_MRU_FILE1)->text().toStdString(),
              "&1 " + QDir::toNativeSeparators(QString::fromStdString(recent.Entries()[0])).toStdString());

    child->document().SetModifiedFlag(true);
    prompts.answers = {ui::PromptAnswer::Cancel};
    child->close();
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text, "Save changes to KOB71 - Germany?");
}

QStringList g_ambiguous;

// Collects Qt's warnings of a key bound twice for as long as it lives.
struct AmbiguousShortcutCatcher {
    AmbiguousShortcutCatcher() : previous(qInstallMessageHandler(&Catch)) { g_ambiguous.clear(); }
    ~AmbiguousShortcutCatcher() { qInstallMessageHandler(previous); }
    static void Catch(QtMsgType, const QMessageLogContext&, const QString& message) {
        if (message.contains("Ambiguous shortcut")) g_ambiguous << message;
    }
    QtMessageHandler previous;
};

TEST_F(EditorClose, CtrlWAndCtrlF4CloseTheActiveDocument) {
    AmbiguousShortcutCatcher catcher;
    for (Qt::Key key : {Qt::Key_W, Qt::Key_F4}) {
        SCOPED_TRACE(key);
        Open(32842);
        Open(32843);
        ASSERT_EQ(frame->childFrames().size(), 2u);
        // Loading showed a progress window; the keys go to the main window once it is active again.
        QApplication::setActiveWindow(frame.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        QTest::keyClick(frame.get(), key, Qt::ControlModifier);
        ASSERT_TRUE(QTest::qWaitFor([this] { return frame->childFrames().size() == 1; }));
        EXPECT_EQ(frame->childFrames().front()->document().FileName(), "OBPZ");
        frame->childFrames().front()->close();
        ASSERT_TRUE(QTest::qWaitFor([this] { return frame->childFrames().empty(); }));
    }
    EXPECT_TRUE(g_ambiguous.isEmpty()) << g_ambiguous.join('\n').toStdString();
}

} // namespace
