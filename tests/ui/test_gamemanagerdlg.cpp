#include "gamemgr/ui/gamemanagerdlg.h"
#include "obdata/generation.h"
#include "platform/ui/promptservice.h"
#include "tests/core/faulty_filesystem.h"
#include "tests/core/slot_folder_fixture.h"
#include <functional>

#include <QAbstractItemModel>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QToolTip>
#include <QtTest/QtTest>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

// Fails the test on a warning Qt prints while it lives, such as an item view's complaint about an
// editor it no longer knows.
class NoQtWarnings {
  public:
    NoQtWarnings() : previous_(qInstallMessageHandler(&Fail)) {}
    ~NoQtWarnings() { qInstallMessageHandler(previous_); }
    NoQtWarnings(const NoQtWarnings&) = delete;
    NoQtWarnings& operator=(const NoQtWarnings&) = delete;

  private:
    static void Fail(QtMsgType type, const QMessageLogContext&, const QString& text) {
        // The offscreen platform's notes on what it cannot do are no fault of the program.
        if (type != QtDebugMsg && type != QtInfoMsg &&
            !text.startsWith(QStringLiteral("This plugin does not support")))
            ADD_FAILURE() << "Qt: " << text.toStdString();
    }
    QtMessageHandler previous_;
};

class GameManagerDialog : public SlotFolderTest {
  protected:
    void SetUp() override {
        SlotFolderTest::SetUp();
        email = Folder("bw1/email");
        Folder("bw1/email/Quorvant.Bak");
        Write(email / "Email1.dat", "live");
        Write(email / "Email1.cmt", "Turn 4");
        Write(email / "Email3.dat", "three");
        Write(email / "EMAIL3.CMT", "Ladder");
        Write(email / "Email5.dat", "five");
        Write(email / "Email5.cmt", "Hill\x01"
                                    "defence");
        Write(email / "Email7.dat", "seven");
        Write(email / "Email7.cmt", "Ridge");
        save3 = Folder("bw3/save");
        Write(save3 / "Save000.cmt", "Opening");
        Write(save3 / "Save000.dat", "zero");
        settings.InstallFolders = {(game / "bw1").string(), (game / "bw2").string(), (game / "bw3").string()};
        settings.SaveDefault = 1163;
        dialog = std::make_unique<ui::CGameManagerDlg>(settings);
        dialog->show();
        list = dialog->findChild<QTableView*>("1168");
    }
    void TearDown() override {
        dialog.reset();
        SlotFolderTest::TearDown();
    }
    QString Cell(int row, int column = 0) const {
        return list->model()->index(row, column).data().toString();
    }
    QPushButton* Button(int id) const { return dialog->findChild<QPushButton*>(QString::number(id)); }
    void Click(int id) { QTest::mouseClick(Button(id), Qt::LeftButton); }
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(list, static_cast<Qt::Key>(key), mods);
    }
    std::vector<std::string> Asked() const {
        std::vector<std::string> texts;
        for (const auto& a : prompts.asked) texts.push_back(a.text.toStdString());
        return texts;
    }
    // Straight to the in-place editor, where the list's delegate watches for Escape and Return.
    static void PressKey(QWidget* editor, int key, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(editor, &press);
    }
    // Rename on row, with the editor it opens.
    QLineEdit* StartRename(int row) {
        dialog->selectRow(row);
        Click(32783);
        // An editor closed before is hidden until it is deleted.
        for (QLineEdit* editor : list->findChildren<QLineEdit*>())
            if (editor->isVisible()) return editor;
        return nullptr;
    }
    void FinishRename(QLineEdit* editor) {
        PressKey(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the delegate commits in a queued call
    }
    // Row of slot n in BW1 and BW2.
    static int Row(int n) { return n - 3; }

    AppSettings settings;
    fs::path email, save3;
    ui::ScriptedPrompts prompts;
    std::unique_ptr<ui::CGameManagerDlg> dialog;
    QTableView* list = nullptr;
};

TEST_F(GameManagerDialog, StartsInTheSettingsModeWithBoxesRowsAndColumns) {
    EXPECT_EQ(dialog->windowTitle(), "Game Manager");
    EXPECT_EQ(dialog->mode(), (GameMode{kBW1, false}));
    EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal).toString(), "Email Game Description");
    EXPECT_EQ(list->model()->headerData(1, Qt::Horizontal).toString(), "Slot");
    EXPECT_EQ(list->model()->rowCount(), 197);
    EXPECT_EQ(dialog->findChild<QLineEdit*>("1359")->text(), "Turn 4");
    EXPECT_EQ(dialog->findChild<QLineEdit*>("1360")->text(), "----");
    EXPECT_EQ(Cell(0), "Ladder");
    EXPECT_EQ(Cell(0, 1), "3");
    EXPECT_EQ(Cell(Row(5)), "Hill defence");
    EXPECT_TRUE(dialog->findChild<QGroupBox*>("1167")->isEnabled());
    EXPECT_TRUE(dialog->findChild<QTableView*>("1361")->isEnabled());
    EXPECT_TRUE(Button(1362)->isEnabled()); // row 0 holds a slot to pack
    EXPECT_FALSE(Button(1363)->isEnabled());

    Click(1166);
    EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal).toString(), "Save Game Description");
    EXPECT_EQ(list->model()->rowCount(), 199);
    EXPECT_EQ(Cell(0), "Opening");
    EXPECT_EQ(Cell(0, 1), "0");
    EXPECT_FALSE(dialog->findChild<QGroupBox*>("1167")->isEnabled());
}

TEST_F(GameManagerDialog, ButtonsFollowTheSelectedRow) {
    dialog->selectRow(Row(4));
    for (int id : {32783, 32784, 32785, 32786, 32788, 1354}) EXPECT_FALSE(Button(id)->isEnabled()) << id;
    EXPECT_TRUE(Button(1357)->isEnabled());  // e-mail slot 1 can be saved to any row
    EXPECT_FALSE(Button(1358)->isEnabled()); // e-mail slot 2 is empty
    dialog->selectRow(Row(5));
    for (int id : {32783, 32784, 32785, 32786, 1354, 1353, 1357}) EXPECT_TRUE(Button(id)->isEnabled()) << id;
    EXPECT_FALSE(Button(32788)->isEnabled());
    Click(32785);
    EXPECT_TRUE(Button(32788)->isEnabled());
}

TEST_F(GameManagerDialog, CutAndPasteOnAnEmptySlotAndNoAtTheOverwritePrompt) {
    dialog->selectRow(Row(5));
    Click(32786);
    dialog->selectRow(Row(7));
    prompts.answers = {ui::PromptAnswer::No};
    Click(32788);
    EXPECT_EQ(Asked(), std::vector<std::string>{"Overwrite Ridge y/n?"});
    EXPECT_TRUE(dialog->transferPending());
    EXPECT_EQ(Read(email / "Email7.dat"), "seven");

    dialog->selectRow(Row(9));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Read(email / "Email9.dat"), "five");
    EXPECT_FALSE(fs::exists(email / "Email5.dat"));
    EXPECT_EQ(Cell(Row(5)), "----");
    EXPECT_EQ(Cell(Row(9)), "Hill defence");
    EXPECT_FALSE(dialog->transferPending());
}

TEST_F(GameManagerDialog, APasteStaysWithinItsGenerationAndACutRemovesWhatItCopied) {
    fs::path bw2 = Folder("bw2/save");
    fs::path bw1 = Folder("bw1/save");
    dialog->selectRow(0);
    Key(Qt::Key_Delete, Qt::ShiftModifier);
    for (auto [button, folder, label] : {std::tuple{1164, bw2, "BW2"}, {1166, save3, "BW3"}}) {
        const std::vector<std::string> before = Names(folder);
        Click(button);
        dialog->selectRow(1);
        Key(Qt::Key_Insert, Qt::ShiftModifier);
        ASSERT_FALSE(prompts.asked.empty());
        EXPECT_EQ(prompts.asked.back().kind, ui::PromptKind::Stop);
        EXPECT_EQ(Asked().back(), std::string("A BW1 game cannot go into a ") + label +
                                      " slot: each generation of the game reads only its own games");
        EXPECT_EQ(Names(folder), before);
    }
    EXPECT_TRUE(dialog->transferPending());
    Click(1162);
    dialog->selectRow(1);
    Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Read(bw1 / "Save004.cmt"), "Ladder");
    EXPECT_EQ(Read(bw1 / "Save004.dat"), "three");
    EXPECT_FALSE(fs::exists(email / "EMAIL3.CMT"));
}

TEST_F(GameManagerDialog, CtrlCOnAnEmptyRowDropsTheCutAndDeleteAsks) {
    dialog->selectRow(Row(5));
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(dialog->transferPending());
    dialog->selectRow(Row(4));
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(dialog->transferPending());
    EXPECT_FALSE(Button(32788)->isEnabled());
    dialog->selectRow(Row(5));
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_TRUE(Button(32788)->isEnabled()) << "Ctrl+Ins copies";

    dialog->selectRow(Row(7));
    prompts.answers = {ui::PromptAnswer::No, ui::PromptAnswer::Yes};
    Key(Qt::Key_Delete);
    EXPECT_TRUE(fs::exists(email / "Email7.cmt"));
    Key(Qt::Key_Delete);
    EXPECT_EQ(Asked(), (std::vector<std::string>{"Delete Ridge y/n?", "Delete Ridge y/n?"}));
    EXPECT_FALSE(fs::exists(email / "Email7.cmt"));
    EXPECT_FALSE(fs::exists(email / "Email7.dat"));
    EXPECT_EQ(Cell(Row(7)), "----");
}

TEST_F(GameManagerDialog, TheMenuKeyAndShiftF10OpenTheRowsContextMenu) {
    dialog->selectRow(Row(5));
    int opened = 0;
    for (auto [key, mods] : {std::pair{Qt::Key_Menu, Qt::NoModifier}, {Qt::Key_F10, Qt::ShiftModifier}}) {
        QTimer::singleShot(0, dialog.get(), [&opened] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                opened += popup->objectName() == "400";
                popup->close();
            }
        });
        Key(key, mods);
        QTest::qWait(300); // past the guard against a second menu for the same keystroke
    }
    EXPECT_EQ(opened, 2);
}

TEST_F(GameManagerDialog, RenameWritesTheTextAndEscapeKeepsTheOld) {
    NoQtWarnings quiet;
    QLineEdit* editor = StartRename(Row(7));
    ASSERT_TRUE(editor);
    editor->setText("Not this");
    PressKey(editor, Qt::Key_Escape);
    EXPECT_EQ(Cell(Row(7)), "Ridge");
    EXPECT_EQ(Read(email / "Email7.cmt"), "Ridge");

    editor = StartRename(Row(7));
    ASSERT_TRUE(editor);
    editor->setText("Twelve chars");
    FinishRename(editor);
    QTRY_COMPARE(Cell(Row(7)), QStringLiteral("Twelve chars"));
    EXPECT_EQ(Read(email / "Email7.cmt"), "Twelve chars");

    // Left as it was, the text is not written: the byte shown as a blank stays.
    editor = StartRename(Row(5));
    ASSERT_TRUE(editor);
    FinishRename(editor);
    EXPECT_EQ(Read(email / "Email5.cmt"), "Hill\x01"
                                          "defence");
}

// Found by the soak: F5 pressed while the rename editor has the focus refilled the list under it,
// and the view warned of an editor not its own.
TEST_F(GameManagerDialog, F5WhileRenamingDropsTheEditQuietly) {
    NoQtWarnings quiet;
    QApplication::setActiveWindow(dialog.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QPointer<QLineEdit> editor = StartRename(Row(7));
    ASSERT_TRUE(editor);
    editor->setText("Not kept");
    QTest::keyClick(editor, Qt::Key_F5);
    QCoreApplication::processEvents();
    EXPECT_TRUE(!editor || !editor->isVisible());
    EXPECT_EQ(Read(email / "Email7.cmt"), "Ridge");
    EXPECT_EQ(Cell(Row(7)), "Ridge");
}

TEST_F(GameManagerDialog, RenameTakesLatin1OnlyAndKeepsALowerRowInSight) {
    NoQtWarnings quiet;
    Write(email / "Email40.dat", "forty");
    Write(email / "Email40.cmt", "Far down");
    dialog->SelectMode(1163);
    QLineEdit* editor = StartRename(Row(40));
    ASSERT_TRUE(editor);
    editor->clear();
    for (QChar c : QString::fromUtf8("Caf\u00e9 \u20ac!")) {
        PressKey(editor, Qt::Key_unknown, c);
        if (c == QChar(0x20AC)) {
            EXPECT_EQ(QToolTip::text(), QString::fromUtf8("\"\u20ac\" (U+20AC) cannot be stored: the game's "
                                                          "files hold Latin-1 text only"));
        }
    }
    EXPECT_EQ(editor->text(), QString::fromUtf8("Caf\u00e9 !"));
    FinishRename(editor);
    EXPECT_EQ(Read(email / "Email40.cmt"), "Caf\xe9 !");
    QTRY_COMPARE(Cell(Row(40)), QString::fromUtf8("Caf\u00e9 !"));
    QModelIndex renamed = list->model()->index(Row(40), 0);
    EXPECT_EQ(dialog->currentRow(), Row(40));
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(renamed).center()));
}

TEST_F(GameManagerDialog, OperationsAndF5KeepTheScrollAndSelection) {
    NoQtWarnings quiet;
    Write(email / "Email60.dat", "sixty");
    Write(email / "Email60.cmt", "Far down");
    dialog->SelectMode(1163);
    const std::pair<const char*, std::function<void()>> operations[] = {
        {"paste",
         [&] {
             dialog->selectRow(Row(60));
             Click(32785);
             dialog->selectRow(Row(62));
             Click(32788);
         }},
        {"delete",
         [&] {
             prompts.answers = {ui::PromptAnswer::Yes};
             Click(32784);
         }},
        {"rename",
         [&] {
             QLineEdit* editor = StartRename(Row(60));
             ASSERT_TRUE(editor);
             editor->setText("Renamed");
             FinishRename(editor);
             QCoreApplication::processEvents();
         }},
        {"F5",
         [&] {
             Write(email / "Email61.dat", "new");
             Write(email / "Email61.cmt", "From outside");
             // A shortcut works in the active window only.
             QApplication::setActiveWindow(dialog.get());
             ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
             QTest::keyClick(list, Qt::Key_F5);
         }},
    };
    for (const auto& [name, operation] : operations) {
        dialog->selectRow(Row(62));
        list->scrollTo(list->model()->index(Row(55), 0), QAbstractItemView::PositionAtTop);
        const int scroll = list->verticalScrollBar()->value();
        ASSERT_GT(scroll, 0);
        operation();
        EXPECT_EQ(list->verticalScrollBar()->value(), scroll) << name;
        EXPECT_EQ(dialog->currentRow(), name == std::string("rename") ? Row(60) : Row(62)) << name;
    }
    EXPECT_EQ(Cell(Row(60)), "Renamed");
    EXPECT_EQ(Cell(Row(61)), "From outside");

    // A rename of a row scrolled out of sight brings its editor into sight.
    dialog->selectRow(Row(60));
    list->scrollToTop();
    Click(32783);
    QLineEdit* editor = list->findChild<QLineEdit*>();
    ASSERT_TRUE(editor && editor->isVisible());
    EXPECT_TRUE(list->viewport()->rect().contains(editor->geometry().center()));
    PressKey(editor, Qt::Key_Escape);
}

TEST_F(GameManagerDialog, OnlyADescriptionWiderThanItsColumnIsTheRowsTooltip) {
    const QString wide = QStringLiteral("A description far wider than the column of the list can show");
    Write(email / "Email9.dat", "nine");
    Write(email / "Email9.cmt", wide.toStdString());
    dialog->SelectMode(1163);
    auto* slotList = dialog->findChild<ui::CSlotListCtrl*>("1168");
    // A narrow column, as a narrow dialog gives it.
    list->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    list->setColumnWidth(0, list->fontMetrics().horizontalAdvance(wide) / 2);
    EXPECT_EQ(slotList->RowToolTip(Row(9)), Cell(Row(9)));
    EXPECT_FALSE(Cell(Row(9)).isEmpty());
    EXPECT_EQ(slotList->RowToolTip(Row(7)), ""); // "Ridge" fits
    EXPECT_EQ(slotList->RowToolTip(500), "");
}

TEST_F(GameManagerDialog, SetSaveAndRestoreAskAndKeepTheBackup) {
    dialog->selectRow(Row(5));
    prompts.answers = {ui::PromptAnswer::No};
    Click(1354);
    EXPECT_EQ(Asked().back(),
              "Replace Game Slot 1?\n\nRemember this does not save the slot to it's original position!");
    EXPECT_EQ(Read(email / "Email1.dat"), "live");
    EXPECT_TRUE(Button(32788)->isEnabled()); // the slot stays pending as a copy

    Click(1354);
    EXPECT_EQ(Read(email / "Email1.dat"), "five");
    EXPECT_EQ(Read(email / "Quorvant.Bak" / "Email1.Dat"), "live");
    EXPECT_EQ(dialog->findChild<QLineEdit*>("1359")->text(), "Hill defence");

    prompts.answers = {ui::PromptAnswer::Yes, ui::PromptAnswer::No};
    Click(1355);
    EXPECT_EQ(Asked().back().substr(0, 9), "Warning! ");
    EXPECT_EQ(Read(email / "Email1.dat"), "five");
    Click(1355);
    EXPECT_EQ(Read(email / "Email1.dat"), "live");
    EXPECT_EQ(dialog->findChild<QLineEdit*>("1359")->text(), "Turn 4");

    dialog->selectRow(Row(9));
    Click(1357);
    EXPECT_EQ(Asked().back(), "Save Game 1 to Slot 9?");
    EXPECT_EQ(Read(email / "Email9.cmt"), "Turn 4");
    EXPECT_EQ(Cell(Row(9)), "Turn 4");
}

TEST_F(GameManagerDialog, AFailedPasteIsReportedNotShownAsDone) {
    dialog->selectRow(Row(5));
    Click(32785);
    fs::remove(email / "Email5.dat");
    dialog->selectRow(Row(9));
    Click(32788);
    ASSERT_FALSE(prompts.asked.empty());
    EXPECT_EQ(prompts.asked.back().kind, ui::PromptKind::Stop);
    EXPECT_NE(Asked().back().find("Email5.dat"), std::string::npos);
    EXPECT_EQ(Cell(Row(9)), "----");
    EXPECT_FALSE(fs::exists(email / "Email9.cmt"));
}

TEST_F(GameManagerDialog, AFullDiskDuringAPasteIsReportedAndChangesNothing) {
    const std::vector<std::string> before = Names(email);
    dialog->selectRow(Row(5));
    Click(32785);
    dialog->selectRow(Row(9));
    FaultyFileSystem full(Fault::NoSpace,
                          [](Call call, const fs::path&, const fs::path&) { return call == Call::Write; });
    {
        ScopedFileSystemForTesting use(full);
        Click(32788);
    }
    ASSERT_FALSE(prompts.asked.empty());
    EXPECT_EQ(prompts.asked.back().kind, ui::PromptKind::Stop);
    EXPECT_NE(Asked().back().find(FaultReason(Fault::NoSpace)), std::string::npos) << Asked().back();
    EXPECT_EQ(Cell(Row(9)), "----");
    EXPECT_EQ(Names(email), before);
}

} // namespace
