#include "analysis/ui/finddialog.h"
#include "fake_workspace.h"
#include "test_mainframe_fixture.h"
#include "views/columnsets.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTreeWidget>

using namespace quorvant;
using namespace quorvant::testing;
using quorvant::testing::OBFileBuilder;

namespace {

QStringList DesignerToolsRow(QTreeWidgetItem* item) {
    QStringList cells;
    for (int c = 0; c < item->columnCount(); ++c) cells << item->text(c);
    return cells;
}

class DesignerTools : public MainFrameTest {
  protected:
    ui::FindingsWindow* Window(const char* name) const {
        return frame->findChild<ui::FindingsWindow*>(QString::fromLatin1(name));
    }
    static QStringList Row(QTreeWidgetItem* item) { return DesignerToolsRow(item); }
};

} // namespace

TEST_F(DesignerTools, TheQuickFilterKeepsEveryRowsSlot) {
    WriteBytes(bw1 / "OBUS", quorvant::testing::OBFileBuilder::BW1()
                                 .unitName(1, "Sherman")
                                 .unitName(5, "Stuart")
                                 .unitName(9, "Jumbo Sherman")
                                 .bytes());
    ui::CChildFrame* child = Open(32844);
    ASSERT_NE(child, nullptr);
    ASSERT_EQ(child->document().FileName(), "OBUS");
    Command(ID_EDIT_FILTER)->trigger();
    QTest::keyClicks(child->view()->filterBox(), "sher");
    QTableView* report = child->view()->reportView();
    ASSERT_EQ(report->model()->rowCount(), 2);
    QSignalSpy spy(child->view(), &ui::CUnitView::editRequested);
    QTest::mouseDClick(report->viewport(), Qt::LeftButton, {},
                       report->visualRect(report->model()->index(1, 1)).center());
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.first().at(1).toInt(), 9);
    // Showing a record the filter hides clears the filter.
    child->view()->ShowRecord(kUnitTable, 5);
    EXPECT_TRUE(child->view()->filterBox()->text().isEmpty());
    EXPECT_EQ(child->view()->SelectedRow(), 4);
}

class FindInAWorkspace : public SettingsTest {};

TEST_F(FindInAWorkspace, FindSearchesTheGamesFilesAndOpensTheRecordFound) {
    AppSettings settings;
    settings.InstallFolders = {MakeInstall("bw1", kBW1).string(), "", ""};
    WriteBytes(root / "bw1" / "OBPZ", OBFileBuilder::BW1().unitName(1, "PzKpfw IV").bytes());
    WriteBytes(root / "bw1" / "OBBR", OBFileBuilder::BW1().unitName(1, "Matilda").bytes());
    FakeWorkspace workspace(settings);
    ASSERT_NE(workspace.OpenDocument(QString::fromStdString((root / "bw1" / "OBPZ").string())), nullptr);
    auto* dialog = new ui::FindDialog(workspace);
    dialog->textBox()->setText("pzkpfw");
    dialog->scopeBox()->setCurrentIndex(1);
    dialog->show(); // a search over the folder goes on while the dialog is shown
    dialog->Find();
    ASSERT_EQ(dialog->list()->topLevelItemCount(), 1);
    EXPECT_EQ(DesignerToolsRow(dialog->list()->topLevelItem(0)),
              (QStringList{"OBPZ", "units", "1", "PzKpfw IV"}));

    dialog->textBox()->setText("Matilda");
    dialog->Find();
    ASSERT_EQ(dialog->list()->topLevelItemCount(), 1);
    emit dialog->list()->itemActivated(dialog->list()->topLevelItem(0), 0);
    ASSERT_NE(workspace.ActiveView(), nullptr);
    EXPECT_EQ(workspace.ActiveView()->document().FileName(), "OBBR");
    EXPECT_EQ(workspace.ActiveView()->SelectedRow(), 0);
    delete dialog;
}

TEST_F(DesignerTools, FindOverTheFolderSearchesAnOpenDocumentWithItsUnsavedChanges) {
    WriteBytes(
        bw1 / "OBBR",
        OBFileBuilder::BW1().unitName(1, "Matilda").unitName(2, "Matilda II").column(24750, 2, 5).bytes());
    ui::CChildFrame* child = Open(32842);
    ASSERT_NE(child, nullptr);
    child->document().Units.at(1).Name.assignPadded("Panther");
    child->document().SetModifiedFlag(true);
    auto* dialog = new ui::FindDialog(*frame);
    dialog->scopeBox()->setCurrentIndex(1);
    dialog->show();
    auto* summary = dialog->findChild<QLabel*>(QStringLiteral("summary"));
    ASSERT_NE(summary, nullptr);
    const struct {
        const char* text;
        const char* where;
        QList<QStringList> rows;
    } searches[] = {
        {"panther", "", {{"OBPZ (unsaved changes)", "units", "1", "Panther"}}},
        {"pzkpfw", "", {}},
        {"matilda", "", {{"OBBR", "units", "1", "Matilda"}, {"OBBR", "units", "2", "Matilda II"}}},
        {"", "Cost > 3", {{"OBBR", "units", "2", "Matilda II"}}},
    };
    for (const auto& search : searches) {
        dialog->textBox()->setText(QString::fromLatin1(search.text));
        dialog->whereBox()->setText(QString::fromLatin1(search.where));
        dialog->Find();
        QList<QStringList> rows;
        for (int i = 0; i < dialog->list()->topLevelItemCount(); ++i)
            rows << Row(dialog->list()->topLevelItem(i));
        EXPECT_EQ(rows, search.rows) << search.text;
        EXPECT_TRUE(summary->text().contains(QStringLiteral("unsaved changes: OBPZ."))) << search.text;
    }
    // A wrong expression searches nothing and says why.
    dialog->whereBox()->setText("Cost >");
    dialog->Find();
    EXPECT_EQ(dialog->list()->topLevelItemCount(), 0);
    EXPECT_EQ(summary->text(), "Where: expected a value after \">\", not the end (at character 7)");
    dialog->close();
}

TEST_F(DesignerTools, CheckReferencesListsFindingsAndOpensTheEditor) {
    quorvant::testing::OBFileBuilder file = quorvant::testing::OBFileBuilder::BW1().unitName(1, "Tiger");
    file.column(14000, 1, 117, 4, 2).column(15000, 1, 12, 8, 4);
    WriteBytes(bw1 / "OBMA", file.bytes());
    ui::CChildFrame* child = Open(32845);
    ASSERT_NE(child, nullptr);
    Command(ID_TOOLS_CHECK_REFERENCES)->trigger();
    ui::FindingsWindow* window = Window("CheckReferences");
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->list()->topLevelItemCount(), 1);
    EXPECT_EQ(Row(window->list()->topLevelItem(0)),
              (QStringList{"units", "1", "Tiger",
                           "weapon 3 names empty weapon slot 117 but carries 12 HE rounds"}));
    QSignalSpy spy(child->view(), &ui::CUnitView::editRequested);
    emit window->list()->itemActivated(window->list()->topLevelItem(0), 0);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.first().at(0).toInt(), kUnitTable);
    EXPECT_EQ(spy.first().at(1).toInt(), 1);
    window->close();
}

TEST_F(DesignerTools, CompareGroupsTheDifferencesByRecord) {
    WriteBytes(root / "OBPZ-copy", quorvant::testing::OBFileBuilder::BW1()
                                       .weaponName(1, "Pak 40")
                                       .unitName(1, "PzKpfw IV H")
                                       .column(24750, 1, 5)
                                       .bytes());
    ASSERT_NE(Open(32842), nullptr);
    chooser.answers = {QString::fromStdString((root / "OBPZ-copy").string())};
    Command(ID_FILE_COMPARE)->trigger();
    ui::FindingsWindow* window = Window("CompareFiles");
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->list()->topLevelItemCount(), 1);
    QTreeWidgetItem* unit = window->list()->topLevelItem(0);
    EXPECT_EQ(unit->text(0), "units 1  PzKpfw IV");
    ASSERT_EQ(unit->childCount(), 2);
    EXPECT_EQ(Row(unit->child(0)), (QStringList{"", "Unit Name", "PzKpfw IV", "PzKpfw IV H"}));
    EXPECT_EQ(Row(unit->child(1)), (QStringList{"", "Cost", "0", "5"}));
    window->close();

    WriteBytes(root / "KOBX", quorvant::testing::OBFileBuilder::BW3().bytes());
    chooser.answers = {QString::fromStdString((root / "KOBX").string())};
    Command(ID_FILE_COMPARE)->trigger();
    EXPECT_TRUE(TextsAsked().back().find("only files of one generation") != std::string::npos);

    // Two nations' files differ once in their nation, not in each slot that holds it.
    WriteBytes(root / "KOB09",
               quorvant::testing::OBFileBuilder::BW3().unitName(1, "Leopard").column(25000, 1, 9).bytes());
    ASSERT_NE(Open(32847 + 8), nullptr);
    chooser.answers = {QString::fromStdString((root / "KOB09").string())};
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Command(ID_FILE_COMPARE)->trigger();
    window = Window("CompareFiles");
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->list()->topLevelItemCount(), 2);
    EXPECT_EQ(Row(window->list()->topLevelItem(0)).mid(0, 2), (QStringList{"File", "Nation"}));
    EXPECT_NE(window->list()->topLevelItem(0)->text(2), window->list()->topLevelItem(0)->text(3));
    EXPECT_EQ(window->list()->topLevelItem(1)->childCount(), 1);
    window->close();
}
