#include "obdata/generation.h"
#include "obdata/obwriter.h"
#include "obdata/quorvantdoc.h"
#include "obfile_builder.h"
#include "platform/fileio.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>

namespace fs = std::filesystem;
using namespace quorvant;
using quorvant::testing::OBFileBuilder;

namespace {

// Random bytes everywhere, names included, so every column and skipped region holds something.
std::vector<std::uint8_t> NoisyImage(std::size_t size, int generation, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    // Some empty slots, some names with a leading blank.
    for (int slot = 0; slot < 250; slot += 7) bytes[9250 + slot * 15] = 0;
    for (int slot = 3; slot < 200; slot += 11) bytes[32500 + slot * 15] = ' ';
    if (size >= 44500) {
        for (int i = 0; i < 15; ++i)
            bytes[42500 + i] = generation == kBW3 ? static_cast<std::uint8_t>(i + 1) : 0;
    }
    return bytes;
}

std::unique_ptr<CQuorvantDoc> Load(const std::vector<std::uint8_t>& bytes) {
    auto doc = std::make_unique<CQuorvantDoc>();
    doc->ReadBytes(bytes);
    return doc;
}

std::vector<std::size_t> Differences(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i)
        if (i >= a.size() || i >= b.size() || a[i] != b[i]) at.push_back(i);
    return at;
}

class TempFolder {
  public:
    TempFolder() {
        path_ = fs::temp_directory_path() / ("quorvant_writer_" + std::to_string(std::random_device{}()));
        fs::create_directories(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

} // namespace

TEST(OBWriter, UnchangedDocumentsWriteBackByteForByte) {
    struct Case {
        std::size_t size;
        int generation;
    };
    for (Case c : {Case{38500, kBW1}, Case{44499, kBW1}, Case{44500, kBW2}, Case{44500, kBW3},
                   Case{50000, kBW3}, Case{47000, kBW2}}) {
        for (unsigned seed = 1; seed <= 3; ++seed) {
            auto bytes = NoisyImage(c.size, c.generation, seed);
            auto doc = Load(bytes);
            ASSERT_EQ(doc->Generation, c.generation);
            EXPECT_EQ(BuildOBImage(*doc), bytes) << "size " << c.size << " seed " << seed;
        }
    }
}

TEST(OBWriter, OneChangedFieldChangesOnlyItsOwnBytes) {
    auto bytes = NoisyImage(44500, kBW3, 9);
    auto doc = Load(bytes);

    doc->Units[10].Cost = static_cast<std::uint8_t>(doc->Units[10].Cost + 1);
    EXPECT_EQ(Differences(bytes, BuildOBImage(*doc)), std::vector<std::size_t>{24750 + 10});
    doc->Units[10].Cost = static_cast<std::uint8_t>(doc->Units[10].Cost - 1);

    doc->Units[4].SideView = static_cast<std::uint16_t>(doc->Units[4].SideView ^ 0x0100);
    EXPECT_EQ(Differences(bytes, BuildOBImage(*doc)), std::vector<std::size_t>{25250 + 4 * 2 + 1});
    doc->Units[4].SideView = static_cast<std::uint16_t>(doc->Units[4].SideView ^ 0x0100);

    doc->Weapons[200].APPen = static_cast<std::uint8_t>(doc->Weapons[200].APPen + 1);
    EXPECT_EQ(Differences(bytes, BuildOBImage(*doc)), std::vector<std::size_t>{4750 + 200 * 2 + 1});
    doc->Weapons[200].APPen = static_cast<std::uint8_t>(doc->Weapons[200].APPen - 1);

    doc->Formations[5].Units[3] = static_cast<std::uint16_t>(doc->Formations[5].Units[3] ^ 1);
    EXPECT_EQ(Differences(bytes, BuildOBImage(*doc)), std::vector<std::size_t>{38500 + 5 * 20 + 3 * 2});
    doc->Formations[5].Units[3] = static_cast<std::uint16_t>(doc->Formations[5].Units[3] ^ 1);

    doc->Units[20].ArmorHEAT[6] = static_cast<std::uint8_t>(doc->Units[20].ArmorHEAT[6] + 1);
    EXPECT_EQ(Differences(bytes, BuildOBImage(*doc)), std::vector<std::size_t>{17250 + 20 * 14 + 13});
}

TEST(OBWriter, ChangedNamesArePaddedAndEmptiedNamesAreNul) {
    auto bytes = NoisyImage(44500, kBW2, 4);
    auto doc = Load(bytes);
    doc->Weapons[3].Name.assign("Short");
    doc->Units[1].Name.assign("");
    auto out = BuildOBImage(*doc);
    EXPECT_EQ(std::string(out.begin() + 45, out.begin() + 60), "Short          ");
    EXPECT_EQ(std::vector<std::uint8_t>(out.begin() + 9265, out.begin() + 9280),
              std::vector<std::uint8_t>(15, 0));
    auto back = Load(out);
    EXPECT_EQ(back->Weapons[3].Name.view(), "Short          ");
    EXPECT_TRUE(back->Units[1].Name.empty());
}

TEST(OBWriter, NamingABlankSlotWritesItsAvailability) {
    OBFileBuilder b = OBFileBuilder::BW2();
    b.column(24250, 6, 77).column(24500, 6, 88); // stale dates under an empty slot
    auto doc = Load(b.bytes());
    EXPECT_EQ(doc->Units[6].Available, 0);
    doc->Units[6].Name.assign("New unit");
    doc->Units[6].Available = 0;
    doc->Units[6].UnAvailable = 65;
    auto back = Load(BuildOBImage(*doc));
    EXPECT_EQ(back->Units[6].Name.trimmed(), "New unit");
    EXPECT_EQ(back->Units[6].Available, 0);
    EXPECT_EQ(back->Units[6].UnAvailable, 65);
}

TEST(OBWriter, EveryFieldSurvivesTheRoundTripThroughTheReader) {
    for (int generation : {kBW1, kBW2, kBW3}) {
        auto bytes = NoisyImage(generation == kBW1 ? 38500 : 44500, generation, 21);
        auto doc = Load(bytes);
        std::mt19937 random(5);
        for (auto& u : doc->Units) {
            u.Cost = static_cast<std::uint8_t>(random());
            u.Symbol2 = static_cast<std::uint16_t>(random());
            u.Ammo[5] = static_cast<std::uint8_t>(random());
        }
        for (auto& f : doc->Formations) {
            f.Type = static_cast<std::uint8_t>(random());
            f.setUnitEntry(generation, 9, static_cast<int>(random() % 1200));
        }
        doc->Weapons[249].HEAT = 1;
        doc->Weapons[249].Name.assignPadded("Last slot gun");
        auto back = Load(BuildOBImage(*doc));
        ASSERT_EQ(back->Generation, generation);
        EXPECT_TRUE(back->Weapons == doc->Weapons) << "generation " << generation;
        EXPECT_TRUE(back->Units == doc->Units) << "generation " << generation;
        EXPECT_TRUE(back->Formations == doc->Formations) << "generation " << generation;
    }
}

TEST(OBWriter, BW2FileNationIsWrittenToUnitSlotOneOnly) {
    auto bytes = NoisyImage(44500, kBW2, 8);
    auto doc = Load(bytes);
    doc->FileNation = 31;
    for (auto& u : doc->Units) u.Nationality = 31;
    auto out = BuildOBImage(*doc);
    auto diff = Differences(bytes, out);
    std::vector<std::size_t> expected;
    if (bytes[25001] != 31) expected.push_back(25001);
    EXPECT_EQ(diff, expected);
    EXPECT_EQ(Load(out)->FileNation, 31);
}

TEST(OBWriter, NewDocumentsStartFromZeros) {
    CQuorvantDoc bw1(kBW1);
    EXPECT_EQ(BuildOBImage(bw1), std::vector<std::uint8_t>(38500, 0));
    CQuorvantDoc bw2(kBW2);
    EXPECT_EQ(BuildOBImage(bw2), std::vector<std::uint8_t>(44500, 0));
}

TEST(OBWriter, TruncatedFilesAreCompletedToTheFullLayout) {
    OBFileBuilder b(2000);
    b.weaponName(1, "Gun");
    auto doc = Load(b.bytes());
    ASSERT_EQ(doc->WeaponCount(), 134);
    doc->Weapons[1].Class = 3;
    auto out = BuildOBImage(*doc);
    EXPECT_EQ(out.size(), 38500u);
    auto back = Load(out);
    EXPECT_EQ(back->Weapons[1].Class, 3);
    EXPECT_EQ(back->Weapons[1].Name.trimmed(), "Gun");
}

TEST(OBSave, SavesAtomicallyAndMarksTheDocumentUnmodified) {
    TempFolder folder;
    fs::path file = folder.path() / "MOB31";
    auto bytes = NoisyImage(44500, kBW2, 3);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(file, bytes, error)) << error;

    CQuorvantDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(file));
    doc.Units[2].Men = static_cast<std::uint8_t>(doc.Units[2].Men + 1);
    doc.SetModifiedFlag(true);
    ASSERT_TRUE(doc.OnSaveDocument(file, error)) << error;
    EXPECT_FALSE(doc.IsModified());
    auto saved = ReadWholeFile(file, error);
    ASSERT_TRUE(saved);
    EXPECT_EQ(Differences(bytes, *saved), std::vector<std::size_t>{13750 + 2});
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

// Found by the soak: a saved BW2 or BW3 document showed nations its one-nation file cannot hold.
TEST(OBSave, ASavedDocumentHoldsWhatItsFileReadsBackAs) {
    TempFolder folder;
    fs::path file = folder.path() / "MOB31";
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(file, NoisyImage(44500, kBW2, 3), error)) << error;
    CQuorvantDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(file));
    doc.Units[0].Nationality = static_cast<std::uint8_t>(doc.FileNation + 1);
    doc.Formations[4].Country = static_cast<std::uint8_t>(doc.FileNation + 2);
    doc.SetModifiedFlag(true);
    ASSERT_TRUE(doc.OnSaveDocument(file, error)) << error;
    CQuorvantDoc back;
    ASSERT_TRUE(back.OnOpenDocument(file));
    EXPECT_EQ(back.Units, doc.Units);
    EXPECT_EQ(back.Formations, doc.Formations);
}

// Found by the soak: undone and redone past a save, a document showed the nation again that its
// file could not keep, while it claimed to be unmodified.
TEST(OBSave, ValuesTheFileCannotKeepNeverEnterTheHistory) {
    TempFolder folder;
    fs::path file = folder.path() / "MOB09";
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(file, NoisyImage(44500, kBW2, 5), error)) << error;
    CQuorvantDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(file));
    doc.Units[3].Nationality = static_cast<std::uint8_t>(doc.FileNation + 1);
    EXPECT_FALSE(doc.RecordStep("Edit Unit 3", {{{}, {3}, {}}})) << "a change the file cannot hold is none";
    doc.Units[3].Nationality = static_cast<std::uint8_t>(doc.FileNation + 1);
    doc.Units[3].Cost = static_cast<std::uint8_t>(doc.Units[3].Cost + 1);
    ASSERT_TRUE(doc.RecordStep("Edit Unit 3", {{{}, {3}, {}}}));
    EXPECT_EQ(doc.Units[3].Nationality, doc.FileNation);
    ASSERT_TRUE(doc.OnSaveDocument(file, error)) << error;
    const std::vector<CUnitRecord> saved = doc.Units;
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(doc.Units, saved);
    EXPECT_FALSE(doc.IsModified());
}

TEST(OBSave, AFailedSaveLeavesTheOldFileAndSaysWhy) {
    TempFolder folder;
    CQuorvantDoc doc(kBW1);
    std::string error;
    EXPECT_FALSE(doc.OnSaveDocument(folder.path() / "missing" / "OBPZ", error));
    EXPECT_NE(error.find("OBPZ"), std::string::npos);

    fs::create_directories(folder.path() / "adir");
    error.clear();
    EXPECT_FALSE(doc.OnSaveDocument(folder.path() / "adir", error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(folder.path() / "adir"));
}

TEST(OBSave, ABW3FileThatWouldReopenAsBW2IsNotWritten) {
    TempFolder folder;
    OBFileBuilder b = OBFileBuilder::BW3();
    auto doc = Load(b.bytes());
    doc->Formations[0].UnitStr[0] = 0;
    doc->Formations[0].Name.assignPadded("HQ");
    std::string error;
    EXPECT_FALSE(doc->OnSaveDocument(folder.path() / "KOB70", error));
    EXPECT_NE(error.find("BW2"), std::string::npos);
    // The message names the entries that decide, so the user knows what to change.
    EXPECT_NE(error.find("Unit 1 to Unit 10 of formation 0 \"HQ\" or the strengths of Unit 1 to Unit 5 of "
                         "formation 1;"),
              std::string::npos)
        << error;
    EXPECT_FALSE(fs::exists(folder.path() / "KOB70"));
    doc->Formations[1].UnitStr[4] = 3;
    EXPECT_TRUE(doc->OnSaveDocument(folder.path() / "KOB70", error)) << error;
}
