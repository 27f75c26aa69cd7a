#include "exchange/csvexchange.h"
#include "exchange/recordpaste.h"
#include "obdata/quorvantdoc.h"
#include "test_csv_fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace quorvant;
using namespace quorvant::testing;
namespace fs = std::filesystem;

namespace {

struct ModifiedLog : DocObserver {
    std::vector<bool> changes;
    std::vector<std::pair<int, std::vector<int>>> rows;
    void onModifiedChanged(bool modified) override { changes.push_back(modified); }
    void onRecordsChanged(int table, const std::vector<int>& slots) override {
        rows.emplace_back(table, slots);
    }
};

std::vector<std::uint8_t> Saved(CQuorvantDoc& doc, const fs::path& path) {
    std::string error;
    EXPECT_TRUE(doc.OnSaveDocument(path, error)) << error;
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// An editor's OK after it changed one unit in place.
void EditUnit(CQuorvantDoc& doc, int slot, const char* name, std::uint8_t cost) {
    CUnitRecord& unit = doc.Units[static_cast<std::size_t>(slot)];
    unit.Name.assignPadded(name);
    unit.Cost = cost;
    doc.SetModifiedFlag(true);
    doc.CommitEdit(kViewUnits);
}

class DocHistoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("quorvant-history-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

} // namespace

TEST_F(DocHistoryTest, EveryKindOfStepIsNamedAndUndoneToTheOriginalFileByteForByte) {
    auto doc = RandomDoc(kBW3, 7);
    const std::vector<std::uint8_t> original = doc->OriginalBytes();

    EditUnit(*doc, 17, "Tiger I", 99);
    EXPECT_EQ(doc->UndoText(), "Undo Edit Unit 17 Tiger I");
    EXPECT_EQ(doc->SnapshotUnits[17], doc->Units[17]);

    ASSERT_TRUE(PasteBlock(*doc, TransferKind::Weapons, 12, EncodeWeaponBlock(DistinctWeapon("88mm"))));
    EXPECT_EQ(doc->UndoText(), "Undo Paste Weapon onto Slot 12");
    ASSERT_TRUE(
        PasteBlock(*doc, TransferKind::Units, 9, EncodeUnitBlock(DistinctUnit("Panther"), {}), "Drop"));
    EXPECT_EQ(doc->UndoText(), "Undo Drop Unit onto Slot 9");

    const std::string units = "heading\r\n0,Alpha,1\r\n1,Bravo,2\r\n2,Charlie,3\r\n";
    const std::string formations = "heading\r\n0,HQ,4\r\n";
    CsvImported imported = {{CsvSection::Units, ImportCsv(*doc, CsvSection::Units, units)}};
    ASSERT_TRUE(RecordCsvImport(*doc, imported));
    EXPECT_EQ(doc->UndoText(), "Undo Import Units");
    imported = {{CsvSection::Weapons, ImportCsv(*doc, CsvSection::Weapons, "h\r\n0,Rifle,1\r\n")},
                {CsvSection::Units, ImportCsv(*doc, CsvSection::Units, units)},
                {CsvSection::Formations, ImportCsv(*doc, CsvSection::Formations, formations)}};
    ASSERT_TRUE(RecordCsvImport(*doc, imported)); // the units are the same again: only two tables change
    EXPECT_EQ(doc->UndoText(), "Undo Import Weapons, Units and Formations");
    EXPECT_EQ(doc->History().UndoStep()->changes.size(), 2u);

    // Cancel of an editor copies the snapshot back, which takes the drop and the unit imports with it.
    doc->Units[40].Cost = 1; // an edit not confirmed: not part of any step
    doc->RevertEdit(kViewUnits);
    EXPECT_EQ(doc->UndoText(), "Undo Revert Units");
    EXPECT_EQ(doc->Units, doc->SnapshotUnits);

    const auto weapons = doc->Weapons;
    const auto unitsNow = doc->Units;
    const auto formationsNow = doc->Formations;
    int undone = 0;
    while (doc->Undo()) ++undone;
    EXPECT_EQ(undone, 6);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(Saved(*doc, dir / "KOB70"), original);

    while (doc->Redo()) --undone;
    EXPECT_EQ(undone, 0);
    EXPECT_EQ(doc->Weapons, weapons);
    EXPECT_EQ(doc->Units, unitsNow);
    EXPECT_EQ(doc->Formations, formationsNow);
    EXPECT_EQ(doc->Units[17].Name.trimmed(), "Tiger I"); // the edit's OK outlives the revert
    EXPECT_EQ(doc->SnapshotUnits[17].Name.trimmed(), "Tiger I");
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(DocHistoryTest, UndoRestoresTheSnapshotTablesAndTellsTheViewsWhichRows) {
    auto doc = RandomDoc(kBW2, 3);
    const CUnitRecord before = doc->Units[17];
    ModifiedLog log;
    doc->AddObserver(&log);

    EditUnit(*doc, 17, "T-55", 4);
    EXPECT_EQ(doc->History().UndoStep()->changes.size(), 2u); // the record in the table and its snapshot
    ASSERT_TRUE(doc->Undo());
    EXPECT_EQ(doc->Units[17], before);
    EXPECT_EQ(doc->SnapshotUnits[17], before);
    EXPECT_EQ(doc->UnitNameList[17], before.Name.str());
    ASSERT_EQ(log.rows.size(), 1u);
    EXPECT_EQ(log.rows[0], (std::pair<int, std::vector<int>>{kViewUnits, {17}}));

    // A paste leaves the snapshot alone, and so does its undo and redo.
    const CWeaponRecord snapshot = doc->SnapshotWeapons[30];
    ASSERT_TRUE(PasteBlock(*doc, TransferKind::Weapons, 30, EncodeWeaponBlock(DistinctWeapon("Sagger"))));
    doc->Undo();
    doc->Redo();
    EXPECT_EQ(doc->Weapons[30].Name.trimmed(), "Sagger");
    EXPECT_EQ(doc->SnapshotWeapons[30], snapshot);
    EXPECT_EQ(log.rows.back(), (std::pair<int, std::vector<int>>{kViewWeapons, {30}}));
    doc->RemoveObserver(&log);
}

TEST_F(DocHistoryTest, ModifiedFlagFollowsTheSavedPointThroughSaveUndoAndRedo) {
    auto doc = RandomDoc(kBW3, 11);
    ModifiedLog log;
    doc->AddObserver(&log);

    EditUnit(*doc, 5, "BMP-2", 1);
    EXPECT_TRUE(doc->IsModified());
    doc->Undo();
    EXPECT_FALSE(doc->IsModified()); // back at the state loaded
    doc->Redo();
    EXPECT_TRUE(doc->IsModified());
    Saved(*doc, dir / "KOB11");
    EXPECT_FALSE(doc->IsModified());
    doc->Undo();
    EXPECT_TRUE(doc->IsModified());
    doc->Redo();
    EXPECT_FALSE(doc->IsModified()); // back at the state saved
    EXPECT_EQ(log.changes, (std::vector<bool>{true, false, true, false, true, false}));

    // A new step after an undo ends the saved state for good: no undo or redo comes back to it.
    doc->Undo();
    EditUnit(*doc, 6, "BTR-80", 2);
    doc->Undo();
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->RedoText(), "Redo Edit Unit 6 BTR-80");

    // An editor holding changes not yet confirmed keeps the document modified at the saved point.
    Saved(*doc, dir / "KOB11");
    doc->Units[9].Men = 200;
    doc->SetModifiedFlag(true);
    EXPECT_TRUE(doc->IsModified());
    doc->RevertEdit(kViewUnits);
    EXPECT_FALSE(doc->IsModified());

    // A file gone from disk leaves nothing saved.
    doc->MarkFileGone();
    EXPECT_TRUE(doc->IsModified());
    doc->RemoveObserver(&log);
}

TEST_F(DocHistoryTest, SavingWhileAnEditorHoldsChangesNeverClaimsTheFileIsUnchangedAfterItsCancel) {
    auto doc = RandomDoc(kBW3, 5);
    doc->Units[3].Men = 7; // the editor's change, written by the save
    doc->SetModifiedFlag(true);
    Saved(*doc, dir / "KOB05");
    EXPECT_FALSE(doc->IsModified());
    doc->RevertEdit(kViewUnits); // the document no longer holds what the file does
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(DocHistoryTest, NothingChangedMakesNoStepAndAReadClearsTheHistory) {
    auto doc = RandomDoc(kBW1, 2);
    EXPECT_FALSE(doc->CommitEdit(kViewWeapons));
    EXPECT_FALSE(doc->RecordStep("Paste Unit onto Slot 3", {{{}, {3}, {}}}));
    EXPECT_FALSE(doc->History().CanUndo());
    EXPECT_EQ(doc->UndoText(), "Undo");
    EXPECT_EQ(doc->RedoText(), "Redo");
    EXPECT_FALSE(doc->Undo());

    doc->Units[2].Cost ^= 1;
    doc->Units[4].Cost ^= 1;
    doc->CommitEdit(kViewUnits);
    EXPECT_EQ(doc->UndoText(), "Undo Edit 2 Units");
    doc->ReadBytes(doc->OriginalBytes());
    EXPECT_FALSE(doc->History().CanUndo());
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DocHistoryTest, AThousandSingleRecordEditsStayFarUnderTenMegabytes) {
    auto doc = RandomDoc(kBW3, 1);
    for (int i = 0; i < 1000; ++i) {
        doc->Units[static_cast<std::size_t>(1 + i % 249)].Cost = static_cast<std::uint8_t>(i);
        doc->Units[static_cast<std::size_t>(1 + i % 249)].Men = static_cast<std::uint8_t>(i >> 8);
        ASSERT_TRUE(doc->CommitEdit(kViewUnits));
    }
    EXPECT_EQ(doc->History().StepCount(), 1000u);
    EXPECT_LT(doc->History().MemoryBytes(), 10u * 1024u * 1024u);
    for (int i = 0; i < 1000; ++i) ASSERT_TRUE(doc->Undo());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->Units, doc->SnapshotUnits);
}

TEST(DocHistoryLimit, OldestStepsGoFirstAndTheSavedPointWithThem) {
    constexpr std::size_t kLimit = 300 * sizeof(RecordChange);
    DocHistory history(kLimit);
    const HistoryStep big{"Import Units", std::vector<RecordChange>(100)};
    history.MarkSaved();
    for (int i = 0; i < 4; ++i) history.Push(big);
    EXPECT_LT(history.StepCount(), 4u);
    EXPECT_GE(history.StepCount(), 1u);
    EXPECT_LE(history.MemoryBytes(), kLimit);
    while (history.StepBack()) {
    }
    EXPECT_FALSE(history.AtSavedPoint()); // the state loaded is no longer in reach
}
