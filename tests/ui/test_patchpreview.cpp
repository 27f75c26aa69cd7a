#include "analysis/patchfile.h"
#include "analysis/ui/patchpreview.h"
#include "test_mainframe_fixture.h"
#include "views/columnsets.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

// The fixture's OBPZ holds weapon 1 "Pak 40" and unit 1 "PzKpfw IV", every value 0.
const Patch kPatch{kBW1,
                   {{kWeaponTable, 1, "Pak 40", {{"HEKill", "0", "9"}}},
                    {kUnitTable, 1, "PzKpfw IV", {{"Cost", "0", "5"}, {"Men", "3", "4"}}}}};

std::string ReadText(const fs::path& path) {
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

class PatchPreviewWindow : public MainFrameTest {
  protected:
    ui::PatchPreviewWindow* Preview() const {
        return frame->findChild<ui::PatchPreviewWindow*>("PatchPreview");
    }
    // "FILE" for a file's row, "  Record|Field|Old|New|Note ticked" for a field's.
    static QString Rows(QTreeWidget* list) {
        QString text;
        for (int f = 0; f < list->topLevelItemCount(); ++f) {
            QTreeWidgetItem* file = list->topLevelItem(f);
            text += file->text(0) + (file->text(4).isEmpty() ? QString() : " " + file->text(4)) + "\n";
            for (int r = 0; r < file->childCount(); ++r) {
                QTreeWidgetItem* row = file->child(r);
                QStringList cells;
                for (int c = 0; c < 5; ++c) cells << row->text(c);
                text += "  " + cells.join('|') + (row->checkState(0) == Qt::Checked ? " ticked" : "") + "\n";
            }
        }
        return text;
    }
    void Apply() { Preview()->findChild<QPushButton*>("1")->click(); }
    void WritePatch(const Patch& patch) {
        const std::string text = quorvant::WritePatch(patch);
        WriteBytes(root / "p.json", std::vector<std::uint8_t>(text.begin(), text.end()));
        chooser.answers = {QString::fromStdString((root / "p.json").string())};
    }
};

} // namespace

TEST_F(PatchPreviewWindow, ShowsEachFieldAndWritesOnlyTheTickedOnesAsOneUndoStep) {
    ui::CChildFrame* child = Open(32842);
    ASSERT_NE(child, nullptr);
    const auto onDisk = ReadBytes(bw1 / "OBPZ");
    WritePatch(kPatch);
    Command(ID_TOOLS_APPLY_PATCH)->trigger();
    ASSERT_NE(Preview(), nullptr);
    EXPECT_EQ(Rows(Preview()->list()).toStdString(),
              "OBPZ (open)\n"
              "  weapons 1  Pak 40|HE Kill|0|9| ticked\n"
              "  units 1  PzKpfw IV|Cost|0|5| ticked\n"
              "  units 1  PzKpfw IV|Men|0|4|conflict: the patch expected 3\n");
    EXPECT_FALSE(child->document().IsModified());

    Preview()->list()->topLevelItem(0)->child(1)->setCheckState(0, Qt::Unchecked);
    Apply();
    QTRY_COMPARE(Preview(), nullptr);
    CQuorvantDoc& doc = child->document();
    EXPECT_EQ(doc.Weapons[1].HEKill, 9);
    EXPECT_EQ(doc.Units[1].Cost, 0);
    EXPECT_EQ(doc.Units[1].Men, 0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ReadBytes(bw1 / "OBPZ"), onDisk);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Weapons[1].HEKill, 0);
    EXPECT_FALSE(doc.IsModified());

    // A patch of another generation goes nowhere.
    WritePatch({kBW2, {}});
    Command(ID_TOOLS_APPLY_PATCH)->trigger();
    EXPECT_EQ(Preview(), nullptr);
    EXPECT_NE(TextsAsked().back().find("a patch of BW2 files"), std::string::npos);
}

TEST_F(PatchPreviewWindow, EveryFileByNameWritesClosedFilesAndCopyGoesToTheOthers) {
    WriteBytes(bw1 / "OBBR", OBFileBuilder::BW1().unitName(7, "pzkpfw iv").column(24750, 7, 2).bytes());
    ui::CChildFrame* child = Open(32842);
    ASSERT_NE(child, nullptr);
    WritePatch(kPatch);
    Command(ID_TOOLS_APPLY_PATCH)->trigger();
    ASSERT_NE(Preview(), nullptr);
    Preview()->findChild<QRadioButton*>("PatchToEveryFile")->click();
    Preview()->findChild<QRadioButton*>("PatchByName")->click();
    EXPECT_EQ(Rows(Preview()->list()).toStdString(),
              "OBPZ (open)\n"
              "  weapons 1  Pak 40|HE Kill|0|9| ticked\n"
              "  units 1  PzKpfw IV|Cost|0|5| ticked\n"
              "  units 1  PzKpfw IV|Men|0|4|conflict: the patch expected 3\n"
              "OBBR\n"
              "  units 7  pzkpfw iv|Cost|2|5|conflict: the patch expected 0\n"
              "  units 7  pzkpfw iv|Men|0|4|conflict: the patch expected 3\n");
    Preview()->list()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    Preview()->list()->topLevelItem(1)->child(0)->setCheckState(0, Qt::Checked);
    Apply();
    QTRY_COMPARE(Preview(), nullptr);
    EXPECT_FALSE(child->document().IsModified());
    CQuorvantDoc written;
    ASSERT_TRUE(written.OnOpenDocument(bw1 / "OBBR"));
    EXPECT_EQ(written.Units[7].Cost, 5);
    EXPECT_EQ(written.Units[7].Men, 0);

    // The open unit, all its values, onto the records of its name elsewhere: OBBR, not itself.
    child->document().Units[1].Men = 6;
    child->view()->ShowRecord(kUnitTable, 1);
    frame->UpdateCommandStates();
    Command(ID_EDIT_COPY_TO_FILES)->trigger();
    ASSERT_NE(Preview(), nullptr);
    EXPECT_TRUE(Preview()->windowTitle().startsWith("Copy to Other Files"));
    EXPECT_FALSE(Preview()->findChild<QRadioButton*>("PatchToDocument")->isEnabled());
    EXPECT_EQ(Rows(Preview()->list()).toStdString(), "OBBR\n"
                                                     "  units 7  pzkpfw iv|Men|0|6| ticked\n"
                                                     "  units 7  pzkpfw iv|Cost|5|0| ticked\n");
    Apply();
    QTRY_COMPARE(Preview(), nullptr);
    ASSERT_TRUE(written.OnOpenDocument(bw1 / "OBBR"));
    EXPECT_EQ(written.Units[7].Men, 6);
}

TEST_F(PatchPreviewWindow, ExportChangesAndSaveAsPatchWriteTheDifferences) {
    ui::CChildFrame* child = Open(32842);
    ASSERT_NE(child, nullptr);
    CQuorvantDoc& doc = child->document();
    doc.Weapons[1].HEKill = 9;
    ASSERT_TRUE(doc.RecordStep("Edit", {{{1}, {}, {}}}));
    const fs::path exported = root / "changes.json";
    chooser.answers = {QString::fromStdString(exported.string())};
    Command(ID_FILE_EXPORT_CHANGES)->trigger();
    const Patch expected{kBW1, {{kWeaponTable, 1, "Pak 40", {{"HEKill", "0", "9"}}}}};
    EXPECT_EQ(ReadText(exported), quorvant::WritePatch(expected));

    // The patch turning the open document into OBBR.
    chooser.answers = {QString::fromStdString((bw1 / "OBBR").string()),
                       QString::fromStdString((root / "compare.json").string())};
    Command(ID_FILE_COMPARE)->trigger();
    auto* compare = frame->findChild<QDialog*>("CompareFiles");
    ASSERT_NE(compare, nullptr);
    compare->findChild<QPushButton*>("SaveAsPatch")->click();
    std::string error;
    const std::string text = ReadText(root / "compare.json");
    const std::optional<Patch> saved = ReadPatch(text, error);
    ASSERT_TRUE(saved) << error;
    // The gun is gone in OBBR (its name, and the HEKill just set), the unit renamed.
    ASSERT_EQ(saved->changes.size(), 2u);
    EXPECT_EQ(saved->changes[0].fields.size(), 2u);
    EXPECT_EQ(saved->changes[1].name, "PzKpfw IV");
    EXPECT_EQ(saved->changes[1].fields[0].to, "Matilda");
    compare->close();
}

TEST_F(PatchPreviewWindow, TheSummaryAndApplyFollowTheTicksAndSayWhyNothingChanges) {
    ASSERT_NE(Open(32842), nullptr);
    WritePatch(kPatch);
    Command(ID_TOOLS_APPLY_PATCH)->trigger();
    ASSERT_NE(Preview(), nullptr);
    auto* summary = Preview()->findChild<QLabel*>("PatchSummary");
    QPushButton* apply = Preview()->findChild<QPushButton*>("1");
    EXPECT_TRUE(summary->text().startsWith("2 fields in 1 file will change. 1 conflict is left unticked"));
    QTreeWidgetItem* file = Preview()->list()->topLevelItem(0);
    file->child(2)->setCheckState(0, Qt::Checked);
    EXPECT_TRUE(summary->text().startsWith("3 fields in 1 file will change. 1 conflict is ticked"));
    file->setCheckState(0, Qt::Unchecked);
    EXPECT_TRUE(summary->text().startsWith("No field is ticked."));
    EXPECT_FALSE(apply->isEnabled());
    Preview()->close();
    QTRY_COMPARE(Preview(), nullptr);

    // The chooser starts where the last patch came from; a name found nowhere is said so.
    WritePatch({kBW1, {{kUnitTable, 1, "Nobody", {{"Cost", "0", "5"}}}}});
    Command(ID_TOOLS_APPLY_PATCH)->trigger();
    EXPECT_EQ(chooser.lastFolder.toStdString(), root.string());
    ASSERT_NE(Preview(), nullptr);
    // By slot the record there is another one: said, and left unticked.
    EXPECT_EQ(Rows(Preview()->list()).toStdString(),
              "OBPZ (open)\n"
              "  units 1  PzKpfw IV|Cost|0|5|another record: the patch's is \"Nobody\"\n");
    Preview()->findChild<QRadioButton*>("PatchByName")->click();
    EXPECT_TRUE(Preview()
                    ->findChild<QLabel*>("PatchSummary")
                    ->text()
                    .startsWith("The patch changes nothing here: no record has the name"));
    EXPECT_FALSE(Preview()->findChild<QPushButton*>("1")->isEnabled());
    Preview()->close();
}

TEST_F(PatchPreviewWindow, BySlotOverTheModernAndTheWarFilesWarnsThatTheirSlotsDiffer) {
    WriteBytes(bw3 / "KOB08", OBFileBuilder::BW3().unitName(1, "Leopard").column(25000, 1, 8).bytes());
    ASSERT_NE(Open(32822 + 70), nullptr);
    WritePatch({kBW3, {{kUnitTable, 1, "Tiger", {{"Cost", "0", "5"}}}}});
    Command(ID_TOOLS_APPLY_PATCH)->trigger();
    ASSERT_NE(Preview(), nullptr);
    Preview()->findChild<QRadioButton*>("PatchToEveryFile")->click();
    auto* summary = Preview()->findChild<QLabel*>("PatchSummary");
    EXPECT_TRUE(summary->text().contains("Careful: a slot holds other records")) << summary->text().toStdString();
    Preview()->findChild<QRadioButton*>("PatchByName")->click();
    EXPECT_FALSE(summary->text().contains("Careful"));
    Preview()->close();
}
