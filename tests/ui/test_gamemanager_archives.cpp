#include "gamemgr/slotdragpayload.h"
#include "gamemgr/ui/gamemanagerdlg.h"
#include "obdata/generation.h"
#include "platform/ui/promptservice.h"
#include "tests/core/archive_fixture.h"
#include "tests/core/slot_folder_fixture.h"

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest/QtTest>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

QByteArray Block(const std::string& text) {
    std::vector<std::uint8_t> block = MakePayloadBlock(text);
    return QByteArray(reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size()));
}

class GameManagerArchives : public SlotFolderTest {
  protected:
    void SetUp() override {
        SlotFolderTest::SetUp();
        email = Folder("bw1/email");
        zips = Folder("bw1/email/ZipFiles");
        Folder("bw1/email/Quorvant.Bak");
        Write(email / "Email1.dat", "live");
        Write(email / "Email1.cmt", "Turn 4");
        Write(email / "Email3.dat", "three");
        Write(email / "Email3.cmt", "Ladder");
        Write(email / "Email7.dat", "seven");
        Write(email / "Email7.cmt", "Ridge");
        Write(email / "Email8.dat", "eight");
        Write(email / "Email8.cmt", "An Empty game");
        Write(zips / "Email3.cmt", "Ladder, archived");
        ASSERT_TRUE(
            MakeZip(zips / "Email3.zip", {{"Email3.cmt", "Ladder, archived"}, {"Email3.dat", "old three"}}));
        settings.InstallFolders = {(game / "bw1").string(), (game / "bw2").string(), (game / "bw3").string()};
        settings.SaveDefault = 1163;
        Open();
    }
    void Open() {
        dialog = std::make_unique<ui::CGameManagerDlg>(settings);
        dialog->resize(1100, 800);
        dialog->show();
        // Focus moves only in an active window.
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        list = dialog->findChild<QTableView*>("1168");
        archives = dialog->findChild<QTableView*>("1361");
    }
    void TearDown() override {
        dialog.reset();
        SlotFolderTest::TearDown();
    }
    QString Cell(QTableView* view, int row, int column = 0) const {
        return view->model()->index(row, column).data().toString();
    }
    QPushButton* Button(int id) const { return dialog->findChild<QPushButton*>(QString::number(id)); }
    void Click(int id) { QTest::mouseClick(Button(id), Qt::LeftButton); }
    std::vector<std::string> Asked() const {
        std::vector<std::string> texts;
        for (const auto& a : prompts.asked) texts.push_back(a.text.toStdString());
        return texts;
    }
    QPoint RowPoint(QTableView* view, int row) const {
        view->scrollTo(view->model()->index(row, 0));
        return view->visualRect(view->model()->index(row, 0)).center();
    }
    // A drag entering and moving over a window (a list's viewport or a box) and, where the move was
    // taken, dropped there, as the platform delivers them; whether the drop was taken. The work a
    // drop starts runs once the event loop comes round.
    bool Drop(QWidget* target, const QString& format, const QByteArray& block, QPoint at = {5, 5},
              Qt::KeyboardModifiers mods = Qt::NoModifier, const fs::path& source = {}) {
        QMimeData data;
        data.setData(format, block);
        if (!source.empty())
            data.setData(QString::fromLatin1(kSlotSourceFormat),
                         QByteArray::fromStdString(SlotSourcePayload(source)));
        bool taken = Over(target, &data, at, mods) != Qt::IgnoreAction;
        if (taken) {
            QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, mods);
            QApplication::sendEvent(target, &drop);
            taken = drop.isAccepted();
        } else {
            // Ends the drag over the window, as leaving it would.
            QDragLeaveEvent leave;
            QApplication::sendEvent(target, &leave);
        }
        QCoreApplication::processEvents();
        return taken;
    }
    // The effect a drag moving over a window gets: Qt::IgnoreAction where it is refused.
    Qt::DropAction Over(QWidget* target, const QMimeData* data, QPoint at, Qt::KeyboardModifiers mods) {
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, mods);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) return Qt::IgnoreAction;
        QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, mods);
        QApplication::sendEvent(target, &move);
        return move.isAccepted() ? move.dropAction() : Qt::IgnoreAction;
    }
    Qt::DropAction Over(QWidget* target, const QString& format, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QMimeData data;
        data.setData(format, Block("3"));
        Qt::DropAction effect = Over(target, &data, {5, 5}, mods);
        QDragLeaveEvent leave;
        QApplication::sendEvent(target, &leave);
        return effect;
    }
    // Press and move with the left button down: a drag where the row can be dragged.
    void PressAndDrag(QTableView* view, int row) {
        QPoint at = RowPoint(view, row);
        QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QPoint to = at + QPoint(QApplication::startDragDistance() + 5, 0);
        QMouseEvent move(QEvent::MouseMove, to, view->viewport()->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, to);
    }
    static int Row(int n) { return n - 3; }
    std::string Status() const { return dialog->findChild<QLabel*>("status")->text().toStdString(); }
    // The Unix attributes of every entry; ~0 for one stored by another system.
    static std::vector<zip_uint32_t> EntryAttributes(const fs::path& path) {
        std::vector<zip_uint32_t> attributes;
        int code = 0;
        zip_t* zip = zip_open(path.string().c_str(), ZIP_RDONLY, &code);
        for (zip_int64_t i = 0; zip && i < zip_get_num_entries(zip, 0); ++i) {
            zip_uint8_t system = 0;
            zip_uint32_t value = 0;
            zip_file_get_external_attributes(zip, static_cast<zip_uint64_t>(i), 0, &system, &value);
            attributes.push_back(system == ZIP_OPSYS_UNIX ? value : ~0u);
        }
        if (zip) zip_discard(zip);
        return attributes;
    }

    const QString game_ = QString::fromLatin1(kGameSlotFormat);
    const QString zip_ = QString::fromLatin1(kZipSlotFormat);
    const QString emailFormat_ = QString::fromLatin1(kEmailSlotFormat);
    AppSettings settings;
    fs::path email, zips;
    ui::ScriptedPrompts prompts;
    std::unique_ptr<ui::CGameManagerDlg> dialog;
    QTableView* list = nullptr;
    QTableView* archives = nullptr;
};

TEST_F(GameManagerArchives, ArchiveListRowsColumnsAndBothListsOnOneSlot) {
    auto* model = archives->model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "Zip Files");
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "Description");
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "Slot");
    EXPECT_EQ(archives->columnWidth(0), 90);
    ASSERT_EQ(model->rowCount(), 195);
    EXPECT_EQ(Cell(archives, 0), "Email3.cmt");
    EXPECT_EQ(Cell(archives, 0, 1), "Ladder, archived");
    EXPECT_EQ(Cell(archives, 0, 2), "3");
    EXPECT_EQ(Cell(archives, 194, 2), "197");
    EXPECT_EQ(Cell(archives, 1), "----");

    dialog->selectRow(Row(7));
    EXPECT_EQ(dialog->currentArchiveRow(), Row(7));
    QTest::mouseClick(archives->viewport(), Qt::LeftButton, Qt::NoModifier, RowPoint(archives, 0));
    EXPECT_EQ(dialog->currentRow(), 0);
    EXPECT_EQ(dialog->currentArchiveRow(), 0);
    // The archive list has the focus: archive actions only.
    EXPECT_TRUE(Button(1363)->isEnabled());
    EXPECT_TRUE(Button(1391)->isEnabled());
    for (int id : {1362, 32783, 32784, 32785, 32786, 32788, 1354, 1357})
        EXPECT_FALSE(Button(id)->isEnabled()) << id;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, RowPoint(list, Row(7)));
    EXPECT_EQ(dialog->currentArchiveRow(), Row(7));
    EXPECT_TRUE(Button(1362)->isEnabled());
    EXPECT_FALSE(Button(1363)->isEnabled());

    Click(1166); // BW3 has no "ZipFiles" folder here: every row empty
    EXPECT_EQ(archives->model()->rowCount(), 197);
    EXPECT_EQ(Cell(archives, 0, 2), "0");
    EXPECT_EQ(Cell(archives, 7), "----");
}

TEST_F(GameManagerArchives, ZipUnzipUpdateAndDeleteWithTheirPrompts) {
    dialog->selectRow(Row(7));
    Click(1362);
    EXPECT_TRUE(prompts.asked.empty()); // nothing to replace
    EXPECT_EQ(Cell(archives, Row(7)), "Email7.cmt");
    EXPECT_EQ(Cell(archives, Row(7), 1), "Ridge");
    EXPECT_EQ(ReadZip(zips / "Email7.zip").size(), 2u);
    EXPECT_EQ(Status(), "Zipped slot 7 into Email7.zip");
    // Unpackers elsewhere give the files the permissions the entries carry.
    for (zip_uint32_t attributes : EntryAttributes(zips / "Email7.zip"))
        EXPECT_EQ(attributes, 0100644u << 16);

    Write(email / "Email7.cmt", "Ridge, later");
    prompts.answers = {ui::PromptAnswer::No};
    Click(1362);
    EXPECT_EQ(Asked(), std::vector<std::string>{"Replace Email7.cmt?"});
    EXPECT_EQ(Read(zips / "Email7.cmt"), "Ridge");

    QTest::mouseClick(archives->viewport(), Qt::LeftButton, Qt::NoModifier, RowPoint(archives, 0));
    prompts.answers = {ui::PromptAnswer::Yes};
    Click(1363);
    EXPECT_EQ(Asked().back(), "Replace Ladder?");
    EXPECT_EQ(Read(email / "Email3.dat"), "old three");
    EXPECT_EQ(Cell(list, 0), "Ladder, archived");
    EXPECT_EQ(Status(), "Unzipped Email3.zip into slot 3");
    EXPECT_TRUE(Button(32785)->isEnabled()) << "the unpacked slot can be worked on at once";

    fs::remove(zips / "Email7.cmt");
    dialog->selectRow(Row(9));
    Click(1390);
    EXPECT_EQ(Cell(archives, Row(7)), "Email7.cmt");
    EXPECT_EQ(Cell(archives, Row(7), 1), "Ridge");
    EXPECT_FALSE(fs::exists(zips / "Email7.dat"));
    EXPECT_EQ(Status(), "Recovered the description of 1 archive: Email7.zip");
    Click(1390);
    EXPECT_EQ(Status(), "Every archive has its description");

    QTest::mouseClick(archives->viewport(), Qt::LeftButton, Qt::NoModifier, RowPoint(archives, Row(7)));
    prompts.answers = {ui::PromptAnswer::No};
    Click(1391);
    EXPECT_EQ(Asked().back(), "Delete Email7.cmt Y/N");
    EXPECT_TRUE(fs::exists(zips / "Email7.zip"));
    archives->setFocus();
    QTest::keyClick(archives, Qt::Key_Delete);
    EXPECT_EQ(Asked().back(), "Delete Email7.cmt y/n?");
    EXPECT_FALSE(fs::exists(zips / "Email7.zip"));
    EXPECT_FALSE(fs::exists(zips / "Email7.cmt"));
    EXPECT_EQ(Cell(archives, Row(7)), "----");
}

TEST_F(GameManagerArchives, AnArchiveWithoutItsCopyShowsByItsNameWithoutDescription) {
    ASSERT_TRUE(MakeZip(zips / "Email9.zip", {{"Email9.cmt", "Nine"}, {"Email9.dat", "nine"}}));
    QTest::keyClick(dialog.get(), Qt::Key_F5);
    QModelIndex description = archives->model()->index(Row(9), 1);
    EXPECT_EQ(Cell(archives, Row(9)), "Email9.zip");
    EXPECT_EQ(description.data().toString(), "no description");
    EXPECT_TRUE(description.data(Qt::FontRole).value<QFont>().italic());
    EXPECT_EQ(Cell(archives, Row(10)), "----"); // no archive at all
    EXPECT_EQ(Cell(archives, Row(10), 1), "");
    // Dragged onto the slot list by that name, it unpacks as Unzip would.
    EXPECT_TRUE(Drop(list->viewport(), zip_, Block("Email9.zip")));
    EXPECT_EQ(Read(email / "Email9.dat"), "nine");
}

TEST_F(GameManagerArchives, AnArchiverThatCannotStartIsReportedAndChangesNothing) {
    settings.ArchiverCommand = "winzip without a dot";
    Open();
    dialog->selectRow(Row(7));
    Click(1362);
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].kind, ui::PromptKind::Stop);
    EXPECT_EQ(Asked()[0].rfind("The archiver could not be started: .exe: ", 0), 0u) << Asked()[0];
    EXPECT_FALSE(fs::exists(zips / "Email7.zip"));
    EXPECT_EQ(Cell(archives, Row(7)), "----");
}

TEST_F(GameManagerArchives, PackingBw3Slot7RunsTheOutsideArchiverWithItsArguments) {
    fs::path save = Folder("bw3/save");
    fs::path bw3zips = Folder("bw3/save/ZipFiles");
    Write(save / "Save007.cmt", "Hedgerow");
    Write(save / "Save007.dat", "data");
    ASSERT_TRUE(MakeZip(game / "packed.zip", {{"Save007.cmt", "Hedgerow"}, {"Save007.dat", "data"}}));
    fs::path script = WriteStandInArchiver(game, game / "packed.zip", game);
    settings.ArchiverCommand = "\"" + script.string() + "\" \"%1\"";
    Open();
    Click(1166);
    dialog->selectRow(7);
    Click(1362);
    EXPECT_TRUE(prompts.asked.empty()) << Asked()[0];
    EXPECT_EQ(Read(game / "calls.txt"), "-min\n-a\n" + (bw3zips / "Save007.zip").string() + "\n" +
                                            (save / "Save007.cmt").string() + "\n" +
                                            (save / "Save007.dat").string() + "\n\n");
    EXPECT_EQ(Cell(archives, 7), "Save007.cmt");
    EXPECT_EQ(Cell(archives, 7, 1), "Hedgerow");
}

TEST_F(GameManagerArchives, DropsPackUnpackPasteAndSet) {
    // A slot row onto the archive list packs it, asking before an archive is replaced.
    EXPECT_TRUE(Drop(archives->viewport(), game_, Block("0")));
    EXPECT_EQ(Asked(), std::vector<std::string>{"Replace Zip Slot 3, Email3.cmt?"});
    EXPECT_EQ(ReadZip(zips / "Email3.zip")[1].second, "three");
    EXPECT_EQ(Read(zips / "Email3.cmt"), "Ladder");

    // An archive row onto the slot list unpacks it into its slot.
    ASSERT_TRUE(MakeZip(zips / "Email9.zip", {{"Email9.cmt", "Nine"}, {"Email9.dat", "nine"}}));
    Write(zips / "email9.CMT", "Nine");
    Open();
    EXPECT_TRUE(Drop(list->viewport(), zip_, Block("email9.CMT"), RowPoint(list, 40)));
    EXPECT_EQ(Read(email / "Email9.dat"), "nine");
    EXPECT_EQ(Cell(list, Row(9)), "Nine");
    EXPECT_EQ(dialog->currentRow(), Row(9)); // the archive's slot, not the row under the drop point

    // E-mail slot 1 onto a row of the slot list: pasted there, asking before an overwrite.
    prompts.answers = {ui::PromptAnswer::Yes};
    EXPECT_TRUE(Drop(list->viewport(), emailFormat_, Block("Turn 4\t1359"), RowPoint(list, Row(7))));
    EXPECT_EQ(Asked().back(), "Overwrite Ridge y/n?");
    EXPECT_EQ(Read(email / "Email7.dat"), "live");
    EXPECT_EQ(Cell(list, Row(7)), "Turn 4");

    // A slot row onto e-mail slot box 2: Set, with its prompt.
    auto* box2 = dialog->findChild<QLineEdit*>("1360");
    EXPECT_TRUE(Drop(box2, game_, Block(std::to_string(Row(9)))));
    EXPECT_EQ(Asked().back(),
              "Replace Game Slot 2\n\nRemember this does not save the slot to it's original position!");
    EXPECT_EQ(Read(email / "Email2.dat"), "nine");
    EXPECT_EQ(box2->text(), "Nine");
}

TEST_F(GameManagerArchives, ADropFromAnotherInstanceStaysWithinItsGeneration) {
    fs::path bw2 = Folder("bw2/save");
    fs::path bw1 = Folder("bw1/save");
    for (const fs::path& save : {bw1, bw2}) {
        Write(save / "Save005.cmt", "Five");
        Write(save / "Save005.dat", save.parent_path().filename().string());
    }
    auto* box1 = dialog->findChild<QLineEdit*>("1359");
    const QByteArray slot5 = Block("2"); // row 2 of a saved-game list
    EXPECT_FALSE(Drop(box1, game_, slot5, {5, 5}, Qt::NoModifier, bw2));
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].kind, ui::PromptKind::Stop);
    EXPECT_EQ(Asked()[0],
              "A BW2 game cannot go into a BW1 slot: each generation of the game reads only its own games");
    EXPECT_EQ(Read(email / "Email1.dat"), "live");

    // Packing keeps to the list's own slots; Set takes the other list's slot.
    EXPECT_FALSE(Drop(archives->viewport(), game_, slot5, {5, 5}, Qt::NoModifier, bw1));
    prompts.answers = {ui::PromptAnswer::Yes};
    EXPECT_TRUE(Drop(box1, game_, slot5, {5, 5}, Qt::NoModifier, bw1));
    EXPECT_EQ(Read(email / "Email1.dat"), "bw1");
    EXPECT_EQ(Read(email / "Quorvant.Bak" / "Email1.Dat"), "live");
    EXPECT_EQ(Names(zips), (std::vector<std::string>{"Email3.cmt", "Email3.zip"}));
}

TEST_F(GameManagerArchives, ZipMakesAMissingZipFilesFolderWhereTheOthersHaveNothingToDo) {
    fs::remove_all(zips);
    Open();
    QTest::mouseClick(archives->viewport(), Qt::LeftButton, Qt::NoModifier, RowPoint(archives, Row(7)));
    for (int id : {1363, 1390, 1391}) EXPECT_FALSE(Button(id)->isEnabled()) << id;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, RowPoint(list, Row(7)));
    ASSERT_TRUE(Button(1362)->isEnabled());
    Click(1362);
    EXPECT_TRUE(prompts.asked.empty()) << Asked()[0];
    EXPECT_EQ(ReadZip(zips / "Email7.zip").size(), 2u);
    EXPECT_EQ(Cell(archives, Row(7)), "Email7.cmt");
    EXPECT_TRUE(Button(1390)->isEnabled());
}

TEST_F(GameManagerArchives, MalformedOrMisplacedPayloadsAreRefusedWithNothingDone) {
    QByteArray noNul(1024, 'x');
    QByteArray longer = Block("0");
    longer.append(QByteArray(5000, 'y'));
    const std::vector<std::pair<QString, QByteArray>> onArchives = {
        {game_, noNul},
        {game_, QByteArray()},
        {game_, Block("500")},
        {game_, Block("-1")},
        {game_, Block("3x")},
        {game_, Block("")},
        {game_, Block(" 3")},
        {game_, Block("1")}, // slot 4 empty
        {zip_, Block("Email3.cmt")},
        {emailFormat_, Block("Turn 4\t1359")},
        {QStringLiteral("text/plain"), Block("0")},
    };
    for (const auto& [format, block] : onArchives)
        EXPECT_FALSE(Drop(archives->viewport(), format, block))
            << format.toStdString() << ' ' << block.left(8).data();
    const std::vector<std::pair<QString, QByteArray>> onSlots = {
        {zip_, Block("----")},
        {zip_, Block("Email4.cmt")},
        {zip_, noNul},
        {game_, Block("0")},
        {emailFormat_, Block("Turn 4\t1361")},
        {emailFormat_, Block("Turn 4")},
        {emailFormat_, Block("\t1360")}, // e-mail slot 2 is empty
    };
    for (const auto& [format, block] : onSlots)
        EXPECT_FALSE(Drop(list->viewport(), format, block, RowPoint(list, Row(7)))) << block.left(12).data();
    auto* box1 = dialog->findChild<QLineEdit*>("1359");
    EXPECT_FALSE(Drop(box1, zip_, Block("Email3.cmt")));
    EXPECT_FALSE(Drop(box1, game_, Block("1")));                              // an empty slot
    EXPECT_FALSE(Drop(box1, game_, Block("0"), {5, 5}, Qt::ControlModifier)); // Ctrl refuses
    EXPECT_FALSE(Drop(box1, game_, noNul));
    EXPECT_TRUE(Drop(box1, game_, longer)) << "the text ends at its NUL";
    EXPECT_EQ(Asked().size(), 1u);
    prompts.asked.clear();
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_FALSE(fs::exists(email / "Email4.dat"));
    EXPECT_EQ(Read(email / "Email7.dat"), "seven");
    EXPECT_EQ(Read(zips / "Email3.cmt"), "Ladder, archived");
}

TEST_F(GameManagerArchives, DropEffectsAndTheNoDropRectangle) {
    auto* box1 = dialog->findChild<QLineEdit*>("1359");
    EXPECT_EQ(Over(list->viewport(), game_), Qt::MoveAction);
    EXPECT_EQ(Over(list->viewport(), game_, Qt::ControlModifier), Qt::CopyAction);
    EXPECT_EQ(Over(list->viewport(), emailFormat_), Qt::MoveAction);
    EXPECT_EQ(Over(archives->viewport(), emailFormat_), Qt::IgnoreAction);
    EXPECT_EQ(Over(box1, game_), Qt::MoveAction);
    EXPECT_EQ(Over(box1, game_, Qt::ControlModifier), Qt::IgnoreAction);
    EXPECT_EQ(Over(box1, zip_), Qt::IgnoreAction);
    EXPECT_EQ(Over(list->viewport(), QStringLiteral("text/plain")), Qt::IgnoreAction);

    // A drag from the slot list (it returns at once here) keeps the list as the no-drop rectangle.
    QSignalSpy activated(list, SIGNAL(activated()));
    PressAndDrag(list, Row(8)); // "An Empty game" cannot be dragged: the press alone
    EXPECT_EQ(activated.count(), 1);
    PressAndDrag(list, Row(7)); // the press and the drag's start
    EXPECT_EQ(activated.count(), 3);
    EXPECT_EQ(Over(list->viewport(), game_), Qt::IgnoreAction);
    EXPECT_FALSE(Drop(list->viewport(), game_, Block(std::to_string(Row(7)))));
    EXPECT_EQ(Over(archives->viewport(), game_), Qt::MoveAction);
    EXPECT_TRUE(Drop(archives->viewport(), game_, Block(std::to_string(Row(7)))));
    EXPECT_TRUE(fs::exists(zips / "Email7.zip"));

    // A drag from an e-mail slot box makes the box the no-drop rectangle instead.
    QTest::mousePress(box1, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
    QMouseEvent move(QEvent::MouseMove, QPoint(40, 5), box1->mapToGlobal(QPoint(40, 5)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box1, &move);
    QTest::mouseRelease(box1, Qt::LeftButton, Qt::NoModifier, QPoint(40, 5));
    EXPECT_EQ(Over(box1, game_), Qt::IgnoreAction);
    EXPECT_EQ(Over(list->viewport(), game_), Qt::MoveAction);
}

} // namespace
