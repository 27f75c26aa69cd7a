#include "obdata/datecodes.h"
#include "obdata/generation.h"
#include "obdata/vocabulary.h"
#include "obfile_builder.h"
#include "pictures/xrefcache.h"
#include "pictures/xreftexts.h"
#include "platform/cdroots.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace quorvant::testing {
namespace {

namespace fs = std::filesystem;

class XrefFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            fs::temp_directory_path() /
            ("quorvant_xref_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    void write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(dir_ / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    // A BW2-sized file with one named unit in the given slot.
    static std::vector<std::uint8_t> OneUnit(int slot, const char* name, std::uint16_t sideView) {
        return OBFileBuilder::BW2()
            .name(9250, slot, name)
            .put16(25250 + 2 * static_cast<std::size_t>(slot), sideView)
            .bytes();
    }
    fs::path dir_;
};

class CountingProgress : public LoadProgress {
  public:
    void setText(const std::string& text) override { texts.push_back(text); }
    void setStep(int) override {}
    void stepIt() override { ++steps; }
    std::vector<std::string> texts;
    int steps = 0;
};

TEST(XrefScan, ReadsTheFiveFieldsOfEveryNamedSlotBelow248) {
    OBFileBuilder b = OBFileBuilder::BW1();
    b.name(9250, 0, "Panzer IV   \t ").put(24250, 41).put(24500, 72).put(25000, 72).put16(25250, 123);
    b.name(9250, 5, "   ").put16(25250 + 10, 9); // blank: not a unit
    b.name(9250, 7, "Gun").put16(25250 + 14, 0xFFFE);
    b.name(9250, 248, "Never").put16(25250 + 496, 123);
    std::vector<CPicUseRecord> records;
    ScanOBImage(b.bytes(), records);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], (CPicUseRecord{1, "Panzer IV", 72, 123, 41, 72, ""}));
    EXPECT_EQ(records[1].Unit, 8);
    EXPECT_EQ(records[1].SideView, -2);
    EXPECT_EQ(ScannedBytes(), 29750u + 248u); // up to BW3's AvailMonth column
}

TEST(XrefScan, ShortImageReadsMissingFieldsAsZero) {
    std::vector<std::uint8_t> bytes = OBFileBuilder::BW1().name(9250, 2, "Truck").bytes();
    bytes.resize(9250 + 2 * 15 + 5); // the name's first five bytes only
    std::vector<CPicUseRecord> records;
    ScanOBImage(bytes, records);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], (CPicUseRecord{3, "Truck", 0, 0, 0, 0, ""}));
}

TEST(XrefFamilies, EachFamilyScansItsOwnFilesInOrder) {
    EXPECT_EQ(FamilyOBFiles(PicFamily::BW1),
              (std::vector<std::string>{"OBPZ", "OBBR", "OBUS", "OBMA", "OBJA"}));
    std::vector<std::string> bw2 = FamilyOBFiles(PicFamily::BW2);
    EXPECT_EQ(bw2.size(), 43u);
    EXPECT_EQ(bw2.front(), "mob00");
    EXPECT_EQ(bw2[40], "mob40");
    EXPECT_EQ(bw2[41], "mob42");
    EXPECT_EQ(FamilyOBFiles(PicFamily::BW3Modern)[41], "kob42");
    std::vector<std::string> wwii = FamilyOBFiles(PicFamily::BW3WWII);
    EXPECT_EQ(wwii.size(), 21u);
    EXPECT_EQ(wwii.front(), "kob70");
    EXPECT_EQ(wwii.back(), "kob90");
    EXPECT_EQ(FamilyOf(kBW3, false), PicFamily::BW3WWII);
    EXPECT_EQ(FamilyNameForm(PicFamily::BW3Modern), PictureNameForm::Long);
    EXPECT_EQ(FamilyNameForm(PicFamily::BW3WWII), PictureNameForm::Short);
}

TEST_F(XrefFolder, ScanFindsFilesInAnyCaseSkipsUnreadableOnesAndReadsReadOnlyOnes) {
    write("MOB00", OneUnit(0, "First", 5));
    write("mob41", OneUnit(0, "Skipped", 5));
    write("Mob42", OneUnit(3, "ReadOnly", 5));
    fs::permissions(dir_ / "Mob42", fs::perms::owner_read, fs::perm_options::replace);
    fs::create_directories(dir_ / "mob01"); // a folder, not a file
    write("mob02", {});
    CountingProgress progress;
    std::vector<CPicUseRecord> records = ScanFamily(PicFamily::BW2, dir_, &progress);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Name, "First");
    EXPECT_EQ(records[1].Name, "ReadOnly");
    EXPECT_EQ(records[1].Unit, 4);
    EXPECT_EQ(progress.texts.size(), 43u);
    EXPECT_EQ(progress.texts[7], "Scanning mob07");
    EXPECT_EQ(progress.steps, 43 * 10);
}

TEST_F(XrefFolder, CacheScansAFamilyOnceAndKeepsFamiliesApart) {
    write("OBPZ", OneUnit(0, "Tank", 123));
    write("kob70", OneUnit(1, "Gun", 123));
    CPicRefCache cache;
    EXPECT_EQ(cache.references(PicFamily::BW1, dir_, nullptr).size(), 1u);
    fs::remove(dir_ / "OBPZ");
    CountingProgress progress;
    EXPECT_EQ(cache.references(PicFamily::BW1, dir_, &progress).size(), 1u);
    EXPECT_TRUE(progress.texts.empty());
    EXPECT_EQ(cache.scans(), 1);
    const std::vector<CPicUseRecord>& wwii = cache.references(PicFamily::BW3WWII, dir_, nullptr);
    ASSERT_EQ(wwii.size(), 1u);
    EXPECT_EQ(wwii[0].Name, "Gun");
    EXPECT_TRUE(cache.references(PicFamily::BW3Modern, dir_, nullptr).empty());
    EXPECT_FALSE(cache.holds(PicFamily::BW3Modern));
    EXPECT_EQ(ReferencesTo(wwii, 123).size(), 1u);
    EXPECT_TRUE(ReferencesTo(wwii, 124).empty());
}

TEST(XrefTexts, CellsFollowTheNationRuleAndTheListsDates) {
    NameList nations = BuildNationList(kBW3);
    CPicUseRecord r{12, "Rifles", 72, 7, 53, 45, "kob72", 4};
    std::vector<std::string> cells = CrossReferenceCells(r, kBW3, nations);
    EXPECT_EQ(cells, (std::vector<std::string>{"12", "Rifles", nations.at(46), "4/53", "45", "kob72"}));
    struct Case {
        int generation;
        std::uint8_t code, month;
        std::string text;
    };
    const Case cases[] = {{kBW2, 53, 4, "53"},
                          {kBW2, 0, 0, "0"},
                          {kBW3, 53, 0, "53"},
                          {kBW3, 53, 12, "12/53"},
                          {kBW1, 91, 0, BW1DateName(91).value_or("?")},
                          {kBW1, 255, 0, "255"}};
    for (const Case& c : cases)
        EXPECT_EQ(ListDateText(c.generation, c.code, c.month), c.text) << c.generation << ' ' << int(c.code);
}

TEST(CdRoots, OnlyOpticalVolumesSortedWithEscapedBlanks) {
    const char* table = "/dev/sda1 / ext4 rw 0 0\n"
                        "/dev/sr1 /media/z\\040disc iso9660 ro 0 0\n"
                        "/dev/sr0 /media/cdrom udf ro 0 0\n"
                        "garbage\n";
    EXPECT_EQ(CdRootsFromMountTable(table), (std::vector<fs::path>{"/media/cdrom", "/media/z disc"}));
}

} // namespace
} // namespace quorvant::testing
