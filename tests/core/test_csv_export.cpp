#include "exchange/csvexchange.h"
#include "test_csv_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text does not end with CR LF";
    return lines;
}

std::size_t Count(const std::string& s, char c) {
    return static_cast<std::size_t>(std::count(s.begin(), s.end(), c));
}

// The heading and the line of slot 1 (Tiger, every field distinct) of a section's export.
std::pair<std::string, std::string> HeadingAndSlot1(int generation, CsvSection section) {
    auto doc = EmptyDoc(generation);
    doc->Weapons[1] = DistinctWeapon("Tiger");
    doc->Units[1] = DistinctUnit("Tiger");
    doc->Formations[1] = DistinctFormation("Tiger");
    auto lines = Lines(ExportCsv(*doc, section));
    return {lines.at(0), lines.at(2)};
}

const std::string kTiger = "Tiger          ";

} // namespace

TEST(CsvExport, WeaponHeadingsAndColumnsPerGeneration) {
    auto [h1, l1] = HeadingAndSlot1(kBW1, CsvSection::Weapons);
    EXPECT_EQ(
        h1,
        "Num,Weapon,Class,WepSize,ProjSize,HEPen,APPen,HEKill,APKill,Accuracy,MaxRange,HVAPRange,HVAP,HEAT");
    EXPECT_EQ(l1, "1," + kTiger + ",1,3,4," + Seq(5, 13));

    auto [h2, l2] = HeadingAndSlot1(kBW2, CsvSection::Weapons);
    EXPECT_EQ(
        h2,
        "Num,Weapon,Class,WepSize,Warhead,HEPen,APPen,HEKill,APKill,Accuracy,MaxRange,MinRange,HVAP,HEAT");
    EXPECT_EQ(l2, l1);

    // BW3 writes WepSize under "WepSound" and WepSound under " WepSize".
    auto [h3, l3] = HeadingAndSlot1(kBW3, CsvSection::Weapons);
    EXPECT_EQ(h3, "Num,Weapon,Class,WepSound, WepSize,Warhead,HEPen,APPen,HEKill,APKill,Accuracy,MaxRange,"
                  "MinRange,HVAP,HEAT");
    EXPECT_EQ(l3, "1," + kTiger + ",1,3,2,4," + Seq(5, 13));
}

TEST(CsvExport, UnitHeadingsAndColumnsPerGeneration) {
    auto [h1, l1] = HeadingAndSlot1(kBW1, CsvSection::Units);
    EXPECT_EQ(h1,
              "Num,Unit,Class,Symbol,Size,Men,Wpn 1,Wpn 2,Wpn 3,Wpn 4,HE1,AP1,HE2,AP2,HE3,AP3,HE4,AP4,Speed,"
              "APFrontHull,APSideHull,APRearHull,APFrontTurret,APSideTurret,APRearTurret,APTopTurret,"
              "HEATFrontHull,HEATSideHull,HEATRearHull,HEATFrontTurret,HEATSideTurret,HEATRearTurret,"
              "HEATTopTurret,RAFrontHull,RASideHull,RARearHull,RAFrontTurret,Radio,Available,UnAvailable,"
              "Cost,Nationality,SideView,HVAPAmmo,HEATAmmo");
    EXPECT_EQ(Count(h1, ','), 44u);
    EXPECT_EQ(l1, "1," + kTiger + "," + Seq(1, 31) + ",45,47,48,49,50,40051,54,55,56");
    EXPECT_EQ(Count(l1, ','), 41u);

    const std::string bw2Heading =
        "Num,Unit,Class,Size,Men,Wpn 1,Wpn 2,Wpn3,Wpn "
        "4,HE1,AP1,HE2,AP2,HE3,AP3,HE4,AP4,LandSpeed,APFrontHull,"
        "APSideHull,APRearHull,APFrontTurret,APSideTurret,APRearTurret,APTopTurret,HEATFrontHull,"
        "HEATSideHull,"
        "HEATRearHull,HEATFrontTurret,HEATSideTurret,HEATRearTurret,HEATTopTurret,RAFrontHull,RASideHull,"
        "RARearHull,RAFrontTurret,RASideTurret,RARearTurret,RATopTurret,Radio,Available,UnAvailable,Cost,"
        "Nationality,SideView,Vision,FireControl,HVAPAmmo,HEATAmmo,ROF,Stabilizer,RangeFinder,EW,LiftCap,"
        "Survivability,LoadCost,Symbol,WaterSpeed,MoveClass,SmokeDscg";
    auto [h2, l2] = HeadingAndSlot1(kBW2, CsvSection::Units);
    EXPECT_EQ(h2, bw2Heading);
    const std::string tail = ",47,48,49,50,40051," + Seq(52, 62) + ",40063,64,65,66";
    EXPECT_EQ(l2, "1," + kTiger + ",1," + Seq(3, 38) + ",45" + tail);
    EXPECT_EQ(Count(l2, ','), 59u);

    auto [h3, l3] = HeadingAndSlot1(kBW3, CsvSection::Units);
    std::string bw3Heading = bw2Heading;
    bw3Heading.replace(bw3Heading.find(",Available,"), 11, ",Avail Month, Available,");
    EXPECT_EQ(h3, bw3Heading);
    EXPECT_EQ(l3, "1," + kTiger + ",1," + Seq(3, 38) + ",45,46" + tail);
    EXPECT_EQ(Count(l3, ','), 60u);
}

TEST(CsvExport, FormationHeadingsAndColumnsPerGeneration) {
    auto [h1, l1] = HeadingAndSlot1(kBW1, CsvSection::Formations);
    EXPECT_EQ(h1,
              "Num,Formation,Country,Unit 1,Unit 2,Unit 3,Unit 4,Unit 5,Unit 6,Unit 7,Unit 8,Unit 9,Unit 10,"
              "Avail,UnAvail,Type");
    EXPECT_EQ(l1, "1," + kTiger + "," + Seq(1, 11) + ",13,14,16");

    auto [h2, l2] = HeadingAndSlot1(kBW2, CsvSection::Formations);
    EXPECT_EQ(h2,
              "Num,Formation,Country,Avail,UnAvail,Catagory,Type,Unit 1,Unit 2,Unit 3,Unit 4,Unit 5,Unit 6,"
              "Unit 7,Unit 8,Unit 9,Unit 10");
    EXPECT_EQ(l2, "1," + kTiger + ",1," + Seq(13, 16) + "," + Seq(60018, 60027));

    auto [h3, l3] = HeadingAndSlot1(kBW3, CsvSection::Formations);
    EXPECT_EQ(h3,
              "Num,Formation,Country,SpcFlg, AvailMon,Avail,UnAvail,Catagory,Type,Unit 1, Unit 1 Str, Unit 2,"
              "Unit 2 Str, Unit 3,Unit 3 Str, Unit 4,Unit 4 Str,Unit 5,Unit 5 Str, Unit 6,Unit 6 Str, Unit 7,"
              " Unit 7 Str, Unit 8,Unit 8 Str,Unit 9,Unit 9 Str, Unit 10, Unit 10 Str,");
    std::string pairs;
    for (int i = 0; i < 10; ++i)
        pairs.append(",").append(std::to_string(60018 + i)).append(",").append(std::to_string(28 + i));
    EXPECT_EQ(l3, "1," + kTiger + ",1,17,12," + Seq(13, 16) + pairs);
    EXPECT_EQ(Count(l3, ','), 28u); // 29 values under 29 labels and a trailing comma
}

TEST(CsvExport, EverySlotLoadedIsWrittenFromSlotZeroEmptyOnesIncluded) {
    auto doc = EmptyDoc(kBW1);
    auto weapons = Lines(ExportCsv(*doc, CsvSection::Weapons));
    auto units = Lines(ExportCsv(*doc, CsvSection::Units));
    auto formations = Lines(ExportCsv(*doc, CsvSection::Formations));
    EXPECT_EQ(weapons.size(), 251u);
    EXPECT_EQ(units.size(), 251u);
    EXPECT_EQ(formations.size(), 201u);
    EXPECT_EQ(weapons[1], "0,,0,0,0,0,0,0,0,0,0,0,0,0");
    EXPECT_EQ(units[250].substr(0, 6), "249,,0");
    std::string zeros;
    for (int i = 0; i < 14; ++i) zeros += ",0";
    EXPECT_EQ(formations[200], "199," + zeros);

    // A document that was never read has no slots: the heading alone.
    CQuorvantDoc fresh;
    EXPECT_EQ(ExportCsv(fresh, CsvSection::Units), units[0] + "\r\n");
}

TEST(CsvExport, NamesAreWrittenAsHeldAndQuotedOnlyWhenTheyWouldSplit) {
    auto doc = EmptyDoc(kBW2);
    // The text between slot 5's number and its first number field.
    auto nameField = [&](std::string_view name) {
        doc->Weapons[5].Name.assign(name);
        std::string text = ExportCsv(*doc, CsvSection::Weapons);
        std::size_t start = text.find("\r\n5,") + 4;
        std::size_t end = text.find(",0,0,0,0,0,0,0,0,0,0,0,0\r\n6,", start);
        EXPECT_NE(end, std::string::npos);
        return text.substr(start, end - start);
    };
    EXPECT_EQ(nameField("Tiger          "), "Tiger          ");
    EXPECT_EQ(nameField("  lead blanks"), "  lead blanks");
    EXPECT_EQ(nameField("88mm, L/56"), "\"88mm, L/56\"");
    EXPECT_EQ(nameField("\"Dora\" gun"), "\"\"\"Dora\"\" gun\"");
    EXPECT_EQ(nameField("two\r\nlines"), "\"two\r\nlines\"");
    EXPECT_EQ(nameField(""), "");
}

TEST(CsvExport, FileNamesAndTheirFolder) {
    EXPECT_EQ(CsvFileName("OBPZ", CsvSection::Weapons), "OBPZWEP.csv");
    EXPECT_EQ(CsvFileName("MOB07", CsvSection::Units), "MOB07UNT.csv");
    EXPECT_EQ(CsvFileName("KOB71", CsvSection::Formations), "KOB71FRM.csv");

    namespace fs = std::filesystem;
    fs::path install = fs::temp_directory_path() / "quorvant_csv_paths";
    fs::remove_all(install);
    fs::create_directories(install / "EXPORTS");
    std::ofstream(install / "EXPORTS" / "obpzunt.csv") << "x";
    // An existing folder or file in another case is used rather than a second one beside it.
    EXPECT_EQ(CsvExportPath(install, "OBPZ", CsvSection::Units), install / "EXPORTS" / "obpzunt.csv");
    EXPECT_EQ(CsvExportPath(install, "OBPZ", CsvSection::Weapons), install / "EXPORTS" / "OBPZWEP.csv");
    // Without an install folder or a file name there is nothing to build a path from.
    EXPECT_TRUE(CsvExportPath("", "OBPZ", CsvSection::Units).empty());
    EXPECT_TRUE(CsvExportPath(install, "", CsvSection::Units).empty());
    fs::remove_all(install);
}

TEST(CsvExport, FileIsWrittenWholeOrNotAtAll) {
    namespace fs = std::filesystem;
    fs::path folder = fs::temp_directory_path() / "quorvant_csv_export_file";
    fs::remove_all(folder);
    fs::create_directories(folder);
    auto doc = EmptyDoc(kBW3);
    std::string error;
    ASSERT_TRUE(ExportCsvFile(*doc, CsvSection::Formations, folder / "KOB01FRM.csv", error)) << error;
    std::ifstream in(folder / "KOB01FRM.csv", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), ExportCsv(*doc, CsvSection::Formations));

    EXPECT_FALSE(ExportCsvFile(*doc, CsvSection::Units, folder / "missing" / "KOB01UNT.csv", error));
    EXPECT_NE(error.find("KOB01UNT.csv"), std::string::npos);
    EXPECT_FALSE(ExportCsvFile(*doc, CsvSection::Units, "", error));
    fs::remove_all(folder);
}
