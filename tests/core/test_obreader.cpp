#include "obdata/generation.h"
#include "obdata/obreader.h"
#include "obdata/quorvantdoc.h"
#include "obfile_builder.h"

#include <gtest/gtest.h>

#include <memory>

using namespace quorvant;
using quorvant::testing::OBFileBuilder;

namespace {

struct RecordingProgress : LoadProgress {
    std::vector<std::string> texts;
    std::vector<int> stepSizes;
    int steps = 0;
    void setText(const std::string& t) override { texts.push_back(t); }
    void setStep(int s) override { stepSizes.push_back(s); }
    void stepIt() override { ++steps; }
};

std::unique_ptr<CQuorvantDoc> Read(const OBFileBuilder& b) {
    auto doc = std::make_unique<CQuorvantDoc>();
    doc->ReadBytes(b.bytes());
    return doc;
}

} // namespace

TEST(OBReader, GenerationBySizeAndTheProbeAt42500) {
    EXPECT_EQ(DetectGeneration(std::vector<std::uint8_t>(44499, 7)), kBW1);
    EXPECT_EQ(DetectGeneration(std::vector<std::uint8_t>(44500, 0)), kBW2);
    for (std::size_t at = 42500; at < 42515; ++at) {
        std::vector<std::uint8_t> bytes(44500, 0);
        bytes[at] = 1;
        EXPECT_EQ(DetectGeneration(bytes), kBW3) << at;
    }
    std::vector<std::uint8_t> bytes(44500, 0);
    bytes[42515] = 1; // sixth strength of the second formation: not part of the probe
    bytes[42499] = 1;
    EXPECT_EQ(DetectGeneration(bytes), kBW2);
}

TEST(OBReader, FullFilesGiveEverySlotAndBuildTheirLists) {
    auto bw1Holder = Read(OBFileBuilder::BW1());
    CQuorvantDoc& bw1 = *bw1Holder;
    EXPECT_EQ(bw1.Generation, kBW1);
    EXPECT_EQ(bw1.WeaponCount(), 250);
    EXPECT_EQ(bw1.UnitCount(), 250);
    EXPECT_EQ(bw1.FormationCount(), 200);
    EXPECT_EQ(bw1.Lists.UnitClassList.size(), 51u);
    EXPECT_EQ(bw1.Lists.DateList.size(), 76u);

    auto bw3Holder = Read(OBFileBuilder::BW3());
    CQuorvantDoc& bw3 = *bw3Holder;
    EXPECT_EQ(bw3.Generation, kBW3);
    EXPECT_EQ(bw3.Lists.NationList.size(), 66u);
    EXPECT_EQ(bw3.Weapons[17].Generation, kBW3);
    EXPECT_EQ(bw3.SnapshotUnits.size(), 250u);
    EXPECT_FALSE(bw3.IsModified());
}

TEST(OBReader, NewDocumentIsEmptyWithCountsOfMinusOne) {
    CQuorvantDoc doc(kBW2);
    EXPECT_EQ(doc.Generation, kBW2);
    EXPECT_EQ(doc.WeaponCount(), -1);
    EXPECT_EQ(doc.UnitCount(), -1);
    EXPECT_EQ(doc.FormationCount(), -1);
    EXPECT_EQ(doc.ViewMode, kViewUnits);
    EXPECT_TRUE(doc.Lists.NationList.empty());
    EXPECT_EQ(CQuorvantDoc(7).Generation, kBW1);
}

TEST(OBReader, NamesArePaddedCutAtNulAndEmptyWhenTheFirstByteIsNul) {
    OBFileBuilder b = OBFileBuilder::BW1();
    b.weaponName(1, "MG 34");
    b.weaponName(2, "ABCDEFGHIJKLMNO");
    b.weaponName(3, std::string_view("AB\0CD", 5));
    b.unitName(4, std::string_view("\0XYZ", 4));
    b.unitName(5, " Lead blank");
    b.formationName(6, "1st Platoon");
    auto docHolder = Read(b);
    CQuorvantDoc& doc = *docHolder;
    EXPECT_EQ(doc.Weapons[1].Name.view(), "MG 34          ");
    EXPECT_EQ(doc.Weapons[2].Name.view(), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(doc.Weapons[3].Name.view(), "AB             ");
    EXPECT_TRUE(doc.Units[4].Name.empty());
    EXPECT_EQ(doc.Units[5].Name.view(), " Lead blank    ");
    EXPECT_EQ(doc.Formations[6].Name.view(), "1st Platoon    ");
    // The raw name lists are neither padded nor carry what follows a NUL.
    EXPECT_EQ(doc.UnitNameList[5], " Lead blank");
    EXPECT_EQ(doc.UnitNameList[4], "");
    EXPECT_EQ(doc.FormationNameList[6], "1st Platoon");
    EXPECT_EQ(doc.UnitNameList.size(), 250u);
    EXPECT_EQ(doc.FormationNameList.size(), 200u);
}

TEST(OBReader, ColumnsLandInTheirFields) {
    OBFileBuilder b = OBFileBuilder::BW3();
    b.weaponName(9, "Gun");
    b.column(3750, 9, 5).column(4000, 9, 6).column(4250, 9, 7).column(4500, 9, 8);
    b.column(4750, 9, 11, 2, 0).column(4750, 9, 12, 2, 1).column(5250, 9, 13, 2, 0).column(5250, 9, 14, 2, 1);
    b.column(5750, 9, 15).column(6000, 9, 16).column(6250, 9, 17).column(6500, 9, 18).column(6750, 9, 19);
    b.unitName(7, "Tank");
    b.column(13000, 7, 21).column(13250, 7, 22).column(13500, 7, 23).column(13750, 7, 24);
    for (int i = 0; i < 4; ++i) b.column(14000, 7, static_cast<std::uint8_t>(30 + i), 4, i);
    for (int i = 0; i < 8; ++i) b.column(15000, 7, static_cast<std::uint8_t>(40 + i), 8, i);
    b.column(17000, 7, 50);
    for (int i = 0; i < 14; ++i) b.column(17250, 7, static_cast<std::uint8_t>(60 + i), 14, i);
    for (int i = 0; i < 7; ++i) b.column(20750, 7, static_cast<std::uint8_t>(80 + i), 7, i);
    b.column(22500, 7, 91)
        .column(23750, 7, 96)
        .column(24000, 7, 97)
        .column(24250, 7, 98)
        .column(24500, 7, 99);
    b.column(24750, 7, 100).put16(25250 + 7 * 2, 0x1234).column(25750, 7, 101).column(28250, 7, 108);
    b.put16(28500 + 7 * 2, 0xBEEF).column(29000, 7, 110).column(29250, 7, 111).column(29500, 7, 112);
    b.column(29750, 7, 113).column(30000, 7, 114).column(32000, 7, 122);
    b.formationName(3, "Coy");
    b.column(35700, 3, 4).column(35900, 3, 5).column(37700, 3, 44).column(37900, 3, 45);
    b.column(38100, 3, 2).column(38300, 3, 1);
    for (int i = 0; i < 10; ++i) b.put16(38500 + 3 * 20 + i * 2, static_cast<std::uint16_t>(1000 + i));
    for (int i = 0; i < 10; ++i) b.column(42500, 3, static_cast<std::uint8_t>(i + 1), 10, i);

    auto docHolder = Read(b);
    CQuorvantDoc& doc = *docHolder;
    const CWeaponRecord& w = doc.Weapons[9];
    EXPECT_EQ(w.Class, 5);
    EXPECT_EQ(w.WepSound, 6);
    EXPECT_EQ(w.WepSize, 7);
    EXPECT_EQ(w.Warhead, 8);
    EXPECT_EQ(w.HEPen, 11);
    EXPECT_EQ(w.APPen, 12);
    EXPECT_EQ(w.HEKill, 13);
    EXPECT_EQ(w.APKill, 14);
    EXPECT_EQ(w.Accuracy, 15);
    EXPECT_EQ(w.MaxRange, 16);
    EXPECT_EQ(w.MinRange, 17);
    EXPECT_EQ(w.HVAP, 18);
    EXPECT_EQ(w.HEAT, 19);

    const CUnitRecord& u = doc.Units[7];
    EXPECT_EQ(u.Class, 21);
    EXPECT_EQ(u.Symbol, 22);
    EXPECT_EQ(u.Size, 23);
    EXPECT_EQ(u.Men, 24);
    EXPECT_EQ(u.Wpn, (std::array<std::uint8_t, 4>{30, 31, 32, 33}));
    EXPECT_EQ(u.Ammo[0], 40);
    EXPECT_EQ(u.Ammo[7], 47);
    EXPECT_EQ(u.LandSpeed, 50);
    EXPECT_EQ(u.ArmorAP[0], 60);
    EXPECT_EQ(u.ArmorAP[6], 66);
    EXPECT_EQ(u.ArmorHEAT[0], 67);
    EXPECT_EQ(u.ArmorHEAT[6], 73);
    EXPECT_EQ(u.ArmorRA[6], 86);
    EXPECT_EQ(u.Spare1, 91);
    EXPECT_EQ(u.Spare6, 96);
    EXPECT_EQ(u.Radio, 97);
    EXPECT_EQ(u.Available, 98);
    EXPECT_EQ(u.UnAvailable, 99);
    EXPECT_EQ(u.Cost, 100);
    EXPECT_EQ(u.SideView, 0x1234);
    EXPECT_EQ(u.Vision, 101);
    EXPECT_EQ(u.LoadCost, 108);
    EXPECT_EQ(u.Symbol2, 0xBEEF);
    EXPECT_EQ(u.WaterSpeed, 110);
    EXPECT_EQ(u.MoveClass, 111);
    EXPECT_EQ(u.SmokeDscg, 112);
    EXPECT_EQ(u.AvailMonth, 113);
    EXPECT_EQ(u.Spare7, 114);
    EXPECT_EQ(u.Spare15, 122);

    const CFormationRecord& f = doc.Formations[3];
    EXPECT_EQ(f.AvailMon, 4);
    EXPECT_EQ(f.SpcFlg, 5);
    EXPECT_EQ(f.Avail, 44);
    EXPECT_EQ(f.UnAvail, 45);
    EXPECT_EQ(f.Catagory, 2);
    EXPECT_EQ(f.Type, 1);
    EXPECT_EQ(f.Units[0], 1000);
    EXPECT_EQ(f.Units[9], 1009);
    EXPECT_EQ(f.UnitStr[9], 10);
    EXPECT_EQ(f.UnitsBW1, (std::array<std::uint8_t, 10>{}));
}

TEST(OBReader, BW1FormationsKeepTheirByteUnitListAndCountry) {
    OBFileBuilder b = OBFileBuilder::BW1();
    b.formationName(2, "Kompanie");
    b.column(35500, 2, 44);
    for (int i = 0; i < 10; ++i) b.column(35700, 2, static_cast<std::uint8_t>(200 + i), 10, i);
    b.column(25000, 3, 11); // a BW1 unit keeps its own nation
    b.column(25000, 1, 5);
    auto docHolder = Read(b);
    CQuorvantDoc& doc = *docHolder;
    EXPECT_EQ(doc.Formations[2].Country, 44);
    EXPECT_EQ(doc.Formations[2].UnitsBW1[0], 200);
    EXPECT_EQ(doc.Formations[2].UnitsBW1[9], 209);
    EXPECT_EQ(doc.Formations[2].Units, (std::array<std::uint16_t, 10>{}));
    EXPECT_EQ(doc.Formations[2].AvailMon, 0);
    EXPECT_EQ(doc.Units[3].Nationality, 11);
    EXPECT_EQ(doc.Units[1].Nationality, 5);
}

TEST(OBReader, BW2AndBW3ForceTheNationOfUnitSlotOne) {
    OBFileBuilder b = OBFileBuilder::BW3();
    b.column(25000, 0, 3).column(25000, 1, 71).column(25000, 2, 9);
    b.column(35500, 4, 12);
    auto docHolder = Read(b);
    CQuorvantDoc& doc = *docHolder;
    EXPECT_EQ(doc.FileNation, 71);
    for (const auto& u : doc.Units) EXPECT_EQ(u.Nationality, 71);
    for (const auto& f : doc.Formations) EXPECT_EQ(f.Country, 71);
}

TEST(OBReader, BlankSlotsHaveNoAvailability) {
    OBFileBuilder b = OBFileBuilder::BW2();
    b.unitName(1, "Rifles").column(24250, 1, 60).column(24500, 1, 70);
    b.unitName(2, " Leading blank").column(24250, 2, 60).column(24500, 2, 70);
    b.column(24250, 3, 60).column(24500, 3, 70).column(24750, 3, 9); // empty slot
    b.formationName(1, "Sqn").column(37700, 1, 61).column(37900, 1, 71);
    b.formationName(2, " Sqn").column(37700, 2, 61).column(37900, 2, 71);
    auto docHolder = Read(b);
    CQuorvantDoc& doc = *docHolder;
    EXPECT_EQ(doc.Units[1].Available, 60);
    EXPECT_EQ(doc.Units[1].UnAvailable, 70);
    EXPECT_EQ(doc.Units[2].Available, 0);
    EXPECT_EQ(doc.Units[2].UnAvailable, 0);
    EXPECT_EQ(doc.Units[3].Available, 0);
    EXPECT_EQ(doc.Units[3].Cost, 9); // other columns are read for empty slots too
    EXPECT_EQ(doc.Formations[1].Avail, 61);
    EXPECT_EQ(doc.Formations[2].Avail, 0);
    EXPECT_EQ(doc.Formations[2].UnAvail, 0);
}

TEST(OBReader, SkippedRegionsAndBytesPast44500AffectNoRecord) {
    OBFileBuilder plain = OBFileBuilder::BW3();
    OBFileBuilder noisy = OBFileBuilder::BW3();
    for (std::size_t i = 7000; i < 9250; ++i) noisy.put(i, 0xAA);
    for (std::size_t i = 32250; i < 32500; ++i) noisy.put(i, 0xBB);
    for (std::size_t i = 36100; i < 37700; ++i) noisy.put(i, 0xCC);
    for (std::size_t i = 44500; i < 50000; ++i) noisy.put(i, 0xDD);
    auto aHolder = Read(plain);
    CQuorvantDoc& a = *aHolder;
    auto bHolder = Read(noisy);
    CQuorvantDoc& b = *bHolder;
    EXPECT_TRUE(a.Weapons == b.Weapons);
    EXPECT_TRUE(a.Units == b.Units);
    EXPECT_TRUE(a.Formations == b.Formations);
}

TEST(OBReader, TruncatedFilesKeepTheSlotsWhoseNamesWereReached) {
    // 100 bytes: six whole weapon names and a partial seventh.
    OBFileBuilder b(100);
    b.weaponName(0, "W0");
    b.put(90, 'P').put(91, 'Q');
    b.bytes().resize(92);
    auto docHolder = Read(b);
    CQuorvantDoc& doc = *docHolder;
    EXPECT_EQ(doc.Generation, kBW1);
    ASSERT_EQ(doc.WeaponCount(), 7);
    EXPECT_EQ(doc.Weapons[6].Name.view(), "PQ             ");
    EXPECT_EQ(doc.Weapons[0].Class, 0); // column past the end reads as 0
    EXPECT_EQ(doc.UnitCount(), 0);
    EXPECT_EQ(doc.FormationCount(), 0);

    // Ending inside the unit columns: names complete, later columns zero.
    OBFileBuilder c = OBFileBuilder::BW1();
    c.unitName(3, "Late").column(13000, 3, 4);
    c.bytes().resize(14000);
    auto dHolder = Read(c);
    CQuorvantDoc& d = *dHolder;
    EXPECT_EQ(d.UnitCount(), 250);
    EXPECT_EQ(d.Units[3].Class, 4);
    EXPECT_EQ(d.Units[3].Cost, 0);
    EXPECT_EQ(d.FormationCount(), 0);
}

TEST(OBReader, ProgressNamesEachTableAndStepsPerColumn) {
    RecordingProgress progress;
    CQuorvantDoc doc;
    doc.ReadBytes(OBFileBuilder::BW3().bytes(), &progress);
    EXPECT_EQ(progress.texts,
              (std::vector<std::string>{"Loading Weapons", "Loading Units", "Loading Formations"}));
    EXPECT_EQ(progress.stepSizes, (std::vector<int>{2, 1, 3}));
    EXPECT_GT(progress.steps, 50);
}

TEST(OBReader, TitleFollowsTheGenerationRule) {
    auto path = std::filesystem::temp_directory_path() / "quorvant_title_test";
    std::filesystem::create_directories(path);
    auto write = [&](const char* name, const OBFileBuilder& b) {
        std::FILE* f = std::fopen((path / name).string().c_str(), "wb");
        std::fwrite(b.bytes().data(), 1, b.bytes().size(), f);
        std::fclose(f);
        return path / name;
    };
    CQuorvantDoc bw1;
    bw1.SetTitle("Quorvant1");
    EXPECT_EQ(bw1.GetTitle(), "Quorvant1");
    ASSERT_TRUE(bw1.OnOpenDocument(write("OBPZ", OBFileBuilder::BW1())));
    EXPECT_EQ(bw1.GetTitle(), "OBPZ");

    OBFileBuilder b2 = OBFileBuilder::BW2();
    b2.column(25000, 1, 31);
    CQuorvantDoc bw2;
    ASSERT_TRUE(bw2.OnOpenDocument(write("MOB31", b2)));
    EXPECT_EQ(bw2.GetTitle(), "MOB31 - Greece");
    // The nation's own name in any case, or the name on disk when the file is called otherwise.
    ASSERT_TRUE(bw2.OnOpenDocument(write("mob31", b2)));
    EXPECT_EQ(bw2.GetTitle(), "MOB31 - Greece");
    ASSERT_TRUE(bw2.OnOpenDocument(write("Greek copy", b2)));
    EXPECT_EQ(bw2.GetTitle(), "Greek copy - Greece");

    OBFileBuilder b3 = OBFileBuilder::BW3();
    b3.column(25000, 1, 71);
    CQuorvantDoc bw3;
    ASSERT_TRUE(bw3.OnOpenDocument(write("KOB71", b3)));
    EXPECT_EQ(bw3.GetTitle(), "KOB71 - Finnland");
    std::filesystem::remove_all(path);
}

TEST(OBReader, ShortImagesReadTheSameValuesAsFullOnes) {
    // A full table is read slot by slot, a cut one column by column: both must agree.
    std::vector<std::uint8_t> bytes(38500);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>((i * 37 + 11) % 251);
    for (int slot = 0; slot < 250; slot += 9) bytes[9250 + slot * 15] = ' '; // blank slots lose their dates
    CQuorvantDoc full;
    full.ReadBytes(bytes);

    std::vector<std::uint8_t> cutUnits(bytes.begin(), bytes.begin() + 32249); // last Spare15 missing
    CQuorvantDoc units;
    units.ReadBytes(cutUnits);
    ASSERT_EQ(units.UnitCount(), 250);
    for (int s = 0; s < 249; ++s) EXPECT_TRUE(units.Units[s] == full.Units[s]) << "unit " << s;
    CUnitRecord last = full.Units[249];
    last.Spare15 = 0;
    EXPECT_TRUE(units.Units[249] == last);

    std::vector<std::uint8_t> cutFormations(bytes.begin(), bytes.begin() + 38499);
    CQuorvantDoc formations;
    formations.ReadBytes(cutFormations);
    ASSERT_EQ(formations.FormationCount(), 200);
    for (int s = 0; s < 199; ++s)
        EXPECT_TRUE(formations.Formations[s] == full.Formations[s]) << "formation " << s;
    EXPECT_TRUE(formations.Weapons == full.Weapons);
}
