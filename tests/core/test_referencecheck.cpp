#include "analysis/obcompare.h"
#include "analysis/recordfind.h"
#include "analysis/referencecheck.h"
#include "obdata/generation.h"
#include "obdata/obreader.h"
#include "obdata/quorvantdoc.h"
#include "obfile_builder.h"
#include "views/columnsets.h"

#include <gtest/gtest.h>

#include <random>

using namespace quorvant;
using quorvant::testing::OBFileBuilder;

namespace {

std::vector<std::string> Whats(const std::vector<Finding>& findings) {
    std::vector<std::string> whats;
    for (const Finding& f : findings) whats.push_back(std::to_string(f.slot) + ": " + f.what);
    return whats;
}

CQuorvantDoc& Formations(CQuorvantDoc& doc, int generation) {
    OBFileBuilder file = generation == kBW3 ? OBFileBuilder::BW3() : OBFileBuilder::BW2();
    for (int s = 1; s <= 4; ++s) file.formationName(s, std::string("F").append(std::to_string(s)));
    doc.ReadBytes(file.bytes());
    return doc;
}

} // namespace

TEST(ReferenceCheck, SubFormationLoopsAreFoundThroughOtherFormations) {
    CQuorvantDoc doc;
    Formations(doc, kBW3);
    doc.Formations[1].Units[1] = 1002; // 1 -> 2 -> 3 -> 1
    doc.Formations[2].Units[1] = 1003;
    doc.Formations[3].Units[4] = 1001;
    doc.Formations[4].Units[1] = 1002;       // 4 leads into the loop but not back to 4
    doc.Formations[4].Units[2] = 1000 + 250; // past the table
    EXPECT_EQ(Whats(CheckReferences(doc)),
              (std::vector<std::string>{"1: entry 2 names formation 2, which leads back to this formation",
                                        "2: entry 2 names formation 3, which leads back to this formation",
                                        "3: entry 5 names formation 1, which leads back to this formation",
                                        "4: entry 3 names formation 250, past the formation table"}));
}

TEST(ReferenceCheck, TheFirstEntryNamesASubFormationFromOneThousandUp) {
    for (int generation : {kBW2, kBW3}) {
        CQuorvantDoc doc;
        Formations(doc, generation);
        doc.Formations[1].Units[0] = 1002; // 1 -> 2 -> 1, both through their first entries
        doc.Formations[2].Units[0] = 1001;
        doc.Formations[3].Units[0] = 1006;
        doc.Formations[4].Units[0] = 1001; // into the loop, not back to 4
        EXPECT_EQ(
            Whats(CheckReferences(doc)),
            (std::vector<std::string>{"1: entry 1 names formation 2, which leads back to this formation",
                                      "2: entry 1 names formation 1, which leads back to this formation",
                                      "3: entry 1 names empty formation 6"}))
            << generation;
    }
}

TEST(ReferenceCheck, BlankSlotsAreNeverReportedAndBW1EntriesAreUnitsOnly) {
    CQuorvantDoc doc;
    OBFileBuilder file = OBFileBuilder::BW1();
    file.formationName(1, "Coy").formationName(2, "Pln").unitName(3, "Rifles");
    doc.ReadBytes(file.bytes());
    doc.Formations[1].UnitsBW1 = {3, 0, 200, 0, 0, 0, 0, 0, 0, 0};
    doc.Formations[2].UnitsBW1[0] = 251;
    doc.Formations[5].UnitsBW1[0] = 99; // a blank formation is nobody's concern
    doc.Units[4].Ammo[0] = 9;           // nor a blank unit
    EXPECT_EQ(Whats(CheckReferences(doc)),
              (std::vector<std::string>{"1: entry 3 names empty unit slot 200",
                                        "2: entry 1 names unit slot 251, past the unit table"}));
}

TEST(ReferenceCheck, SidePicturesFollowTheNameFormOfTheFilesNation) {
    CQuorvantDoc doc;
    doc.ReadBytes(OBFileBuilder::BW3().unitName(1, "T-72").unitName(2, "Panther").bytes());
    doc.Units[1].SideView = 12;
    doc.Units[2].SideView = 12;
    const std::vector<std::string> listing = {"P0012.lbm"};
    doc.FileNation = 12; // a modern nation: long names
    EXPECT_EQ(Whats(CheckReferences(doc, &listing)),
              (std::vector<std::string>{"1: side picture 12 has no file PM00012.lbm",
                                        "2: side picture 12 has no file PM00012.lbm"}));
    doc.FileNation = 75; // a second-world-war nation: short names
    EXPECT_TRUE(CheckReferences(doc, &listing).empty());
    const std::vector<std::string> none;
    EXPECT_EQ(CheckReferences(doc, &none).size(), 2u);
}

TEST(RecordFind, MatchesListedNamedSlotsIgnoringCase) {
    CQuorvantDoc doc;
    doc.ReadBytes(OBFileBuilder::BW2()
                      .unitName(0, "Hidden Tiger")
                      .unitName(4, "TIGER II")
                      .weaponName(9, "tiger gun")
                      .bytes());
    auto matches = FindInDocument(doc, "MOB00", "tiger", std::nullopt);
    ASSERT_EQ(matches.size(), 2u) << "slot 0 is never listed, so never found";
    EXPECT_EQ(matches[0].table, kWeaponTable);
    EXPECT_EQ(matches[1].slot, 4);
    EXPECT_EQ(matches[1].name, "TIGER II");
    EXPECT_EQ(FindInDocument(doc, "MOB00", "tiger", kUnitTable).size(), 1u);
}

TEST(RecordFind, ANamesOnlyReadFindsWhatAFullReadFinds) {
    // Names of every kind (padded, NUL-cut, blank, high Latin-1) and files cut anywhere.
    std::mt19937 random(7);
    std::vector<std::uint8_t> bw3 = OBFileBuilder::BW3().bytes();
    for (std::size_t i = 0; i < 36000; ++i) {
        const unsigned roll = random() % 8;
        bw3[i] = roll == 0 ? 0 : roll == 1 ? ' ' : roll == 2 ? 0xE4 : static_cast<std::uint8_t>('a' + roll);
    }
    for (std::size_t size : {bw3.size(), std::size_t{44500}, std::size_t{38500}, std::size_t{20011},
                             std::size_t{9258}, std::size_t{7}, std::size_t{0}}) {
        std::vector<std::uint8_t> bytes(bw3.begin(), bw3.begin() + static_cast<std::ptrdiff_t>(size));
        CQuorvantDoc full;
        full.ReadBytes(bytes);
        CQuorvantDoc names;
        ReadOBNames(names, bytes);
        EXPECT_EQ(names.Generation, full.Generation) << size;
        for (std::string_view text : {"", "E", "bc", "\xE4g"}) {
            auto a = FindInDocument(full, "F", text, std::nullopt);
            auto b = FindInDocument(names, "F", text, std::nullopt);
            ASSERT_EQ(a.size(), b.size()) << size << " " << text;
            for (std::size_t i = 0; i < a.size(); ++i)
                EXPECT_TRUE(a[i].table == b[i].table && a[i].slot == b[i].slot && a[i].name == b[i].name);
        }
    }
}

TEST(CompareDocuments, AShortFileComparesAgainstEmptySlots) {
    CQuorvantDoc full;
    full.ReadBytes(OBFileBuilder::BW1().unitName(1, "Tiger").bytes());
    CQuorvantDoc shorter;
    shorter.ReadBytes(std::vector<std::uint8_t>(100, 0));
    auto differences = CompareDocuments(full, shorter);
    ASSERT_FALSE(differences.empty());
    bool tiger = false;
    for (const auto& d : differences)
        tiger = tiger || (d.table == kUnitTable && d.slot == 1 && d.field == "Name");
    EXPECT_TRUE(tiger);
    EXPECT_TRUE(CompareDocuments(full, full).empty());
}
