#include "exchange/csvexchange.h"
#include "test_csv_fixtures.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

constexpr CsvSection kWeapons = CsvSection::Weapons;
constexpr CsvSection kUnits = CsvSection::Units;
constexpr CsvSection kFormations = CsvSection::Formations;

// A file of the given data lines under any heading.
std::string File(std::initializer_list<std::string> lines) {
    std::string text = "heading\r\n";
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// Empty names come back as one blank; everything else must survive.
template <class R> std::vector<R> AfterRoundTrip(std::vector<R> records) {
    for (R& r : records)
        if (r.Name.empty()) r.Name.assign(" ");
    return records;
}

} // namespace

TEST(CsvImport, ExportThenImportLeavesEveryFieldAsItWas) {
    for (int generation : {kBW1, kBW2, kBW3}) {
        SCOPED_TRACE(generation);
        auto doc = RandomDoc(generation, 1234u + static_cast<unsigned>(generation));
        auto weapons = doc->Weapons;
        auto units = doc->Units;
        auto formations = doc->Formations;
        std::string w = ExportCsv(*doc, kWeapons), u = ExportCsv(*doc, kUnits),
                    f = ExportCsv(*doc, kFormations);

        // Wipe every column the files carry, so a column the import skips or misplaces shows up.
        std::string zeros = "heading\r\n";
        for (int i = 0; i < 250; ++i) zeros += "0\r\n";
        for (CsvSection s : kCsvSections) ImportCsv(*doc, s, zeros);
        ASSERT_NE(doc->Units, AfterRoundTrip(units));

        EXPECT_EQ(ImportCsv(*doc, kWeapons, w).linesRead, 250);
        EXPECT_EQ(ImportCsv(*doc, kUnits, u).linesRead, 250);
        EXPECT_EQ(ImportCsv(*doc, kFormations, f).linesRead, 200);
        EXPECT_EQ(doc->Weapons, AfterRoundTrip(weapons));
        EXPECT_EQ(doc->Units, AfterRoundTrip(units));
        EXPECT_EQ(doc->Formations, AfterRoundTrip(formations));
    }
}

TEST(CsvImport, TheNationColumnsAreNeverStored) {
    for (int generation : {kBW1, kBW3}) {
        auto doc = EmptyDoc(generation);
        doc->Units[0].Nationality = 12;
        doc->Formations[0].Country = 13;
        std::string unit =
            "0,U,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,"
            "32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,49,50,51,52,53,54,55,56,57,58,59";
        ImportCsv(*doc, kUnits, File({unit}));
        ImportCsv(*doc, kFormations, File({"0,F,99,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15"}));
        EXPECT_EQ(doc->Units[0].Nationality, 12);
        EXPECT_EQ(doc->Formations[0].Country, 13);
        EXPECT_EQ(doc->Units[0].Class, 1); // the columns around them are read
        EXPECT_EQ(doc->Formations[0].Avail, generation == kBW1 ? 11 : 3);
    }
}

TEST(CsvImport, NumbersAreStoredTruncatedToTheirField) {
    auto doc = EmptyDoc(kBW2);
    // Cost is the 43rd BW2 unit column, SideView the 45th, Symbol2 the 57th.
    std::string line = "0,U,-1,300,  +7x,abc,, -2";
    for (int column = 9; column <= 60; ++column) {
        std::string value = column == 43 ? "300" : column == 45 ? "65537" : column == 57 ? "-1" : "0";
        line += "," + value;
    }
    ImportCsv(*doc, kUnits, File({line}));
    const CUnitRecord& u = doc->Units[0];
    EXPECT_EQ(u.Class, 255);
    EXPECT_EQ(u.Size, 44);
    EXPECT_EQ(u.Men, 7);    // leading white space and a sign, digits up to the first other character
    EXPECT_EQ(u.Wpn[0], 0); // no digits
    EXPECT_EQ(u.Wpn[1], 0); // empty field
    EXPECT_EQ(u.Wpn[2], 254);
    EXPECT_EQ(u.Cost, 44);
    EXPECT_EQ(u.SideView, 1);
    EXPECT_EQ(u.Symbol2, 65535);

    ImportCsv(*doc, kFormations, File({"0,F,0,0,0,0,0,70000,99999999999999999999999,1000"}));
    EXPECT_EQ(doc->Formations[0].Units[0], 70000 % 65536);
    EXPECT_EQ(doc->Formations[0].Units[2], 1000);
}

TEST(CsvImport, ShortLinesStoreZeroAndExtraFieldsAreIgnored) {
    auto doc = EmptyDoc(kBW1);
    doc->Units[0] = DistinctUnit("Old");
    doc->Units[1] = DistinctUnit("Old");
    // 41 of the 42 BW1 columns: the last, ROF, reads as 0.
    std::string line41 = "0,U";
    for (int i = 3; i <= 41; ++i) line41 += ",9";
    ImportCsv(*doc, kUnits, File({line41, "1"}));
    EXPECT_EQ(doc->Units[0].HEATAmmo, 9);
    EXPECT_EQ(doc->Units[0].ROF, 0);
    EXPECT_EQ(doc->Units[1].Name.view(), " ");
    EXPECT_EQ(doc->Units[1].Class, 0);
    EXPECT_EQ(doc->Units[1].ROF, 0);
    EXPECT_EQ(doc->Units[1].Spare3, 41); // fields no column names are left alone

    ImportCsv(*doc, kWeapons, File({"0,W,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15"}));
    EXPECT_EQ(doc->Weapons[0].HEAT, 12);
}

TEST(CsvImport, LinesFillSlotsByPositionWhateverTheirSlotNumber) {
    auto doc = EmptyDoc(kBW2);
    ImportCsv(*doc, kWeapons, File({"0,A,1", "9,B,2", "junk,C,3"}));
    EXPECT_EQ(doc->Weapons[1].Name.view(), "B");
    EXPECT_EQ(doc->Weapons[1].Class, 2);
    EXPECT_EQ(doc->Weapons[2].Class, 3);
    EXPECT_EQ(doc->Weapons[9].Name.view(), "");
}

TEST(CsvImport, NamesAsTheyStandCutTo15AndQuotedOnesReadBack) {
    auto doc = EmptyDoc(kBW3);
    std::string text = File({
        "0,,5",                                // empty: one blank
        "1,  Tiger  ,5",                       // blanks kept
        "2,A name much longer than fifteen,5", // cut
        "3,\"88mm, L/56\",5",                  // quoted comma
        "4,\"\"\"Dora\"\" gun\",5",            // doubled quotes
        "5,\"two\r\nlines\",5",                // a line end inside quotes stays in the name
        "6,\"Big\" Bertha,5",                  // text after the closing quote is kept
        "7",                                   // no name field at all
        "8,x\"y,5",                            // a quote inside a bare name is an ordinary character
    });
    CsvImportResult r = ImportCsv(*doc, kWeapons, text);
    EXPECT_EQ(r.linesRead, 9);
    EXPECT_EQ(doc->Weapons[0].Name.view(), " ");
    EXPECT_EQ(doc->Weapons[1].Name.view(), "  Tiger  ");
    EXPECT_EQ(doc->Weapons[2].Name.view(), "A name much lon");
    EXPECT_EQ(doc->Weapons[3].Name.view(), "88mm, L/56");
    EXPECT_EQ(doc->Weapons[4].Name.view(), "\"Dora\" gun");
    EXPECT_EQ(doc->Weapons[5].Name.view(), "two\r\nlines");
    EXPECT_EQ(doc->Weapons[6].Name.view(), "Big Bertha");
    EXPECT_EQ(doc->Weapons[7].Name.view(), " ");
    EXPECT_EQ(doc->Weapons[8].Name.view(), "x\"y");
    for (int slot : {0, 1, 2, 3, 4, 5, 6, 8}) EXPECT_EQ(doc->Weapons[slot].Class, 5) << slot;

    // A quote never closed swallows the rest of the file, which then has too few lines.
    r = ImportCsv(*doc, kWeapons, File({"0,\"open,1", "1,B,2", "2,C,3"}));
    EXPECT_EQ(r.linesRead, 1);
    EXPECT_EQ(doc->Weapons[0].Class, 0);
    EXPECT_EQ(doc->Weapons[1].Name.view(), "  Tiger  ");
}

TEST(CsvImport, SlotsPastTheLastLineKeepTheirValuesAndTheShortfallIsReported) {
    auto doc = EmptyDoc(kBW1);
    for (auto& f : doc->Formations) f = DistinctFormation("Kept");
    CFormationRecord kept = doc->Formations[3];
    CsvImportResult r = ImportCsv(*doc, kFormations, File({"0,A", "1,B", "2,C"}));
    EXPECT_EQ(r.linesRead, 3);
    EXPECT_EQ(r.slotsInTable, 200);
    EXPECT_TRUE(r.isShort());
    EXPECT_EQ(CsvShortImportNote(kFormations, r),
              "Formations: 3 lines read for 200 slots; slots 3 to 199 were left unchanged.");
    EXPECT_EQ(doc->Formations[2].Name.view(), "C");
    EXPECT_EQ(doc->Formations[3], kept);
    EXPECT_EQ(doc->Formations[199], kept);

    // Neither an empty file nor a heading alone changes anything.
    EXPECT_EQ(ImportCsv(*doc, kFormations, "").linesRead, 0);
    EXPECT_EQ(ImportCsv(*doc, kFormations, "Num,Formation").linesRead, 0);
    EXPECT_EQ(doc->Formations[3], kept);

    // The last line needs no line end; lines past the last slot are not read.
    std::string text = "h\n";
    for (int i = 0; i < 260; ++i) text += std::to_string(i) + ",N,0,1\n";
    text += "last,L,0,2";
    r = ImportCsv(*doc, kFormations, text);
    EXPECT_EQ(r.linesRead, 200);
    EXPECT_FALSE(r.isShort());
}

TEST(CsvImport, OnlyTheRecordsChangeNotTheSnapshotsOrTheModifiedFlag) {
    auto doc = RandomDoc(kBW3, 99);
    auto snapshot = doc->SnapshotUnits;
    ImportCsv(*doc, kUnits, File({"0,New,1"}));
    EXPECT_EQ(doc->Units[0].Name.view(), "New");
    EXPECT_EQ(doc->SnapshotUnits, snapshot);
    EXPECT_FALSE(doc->IsModified());

    // A document that was never read has no slots to fill.
    CQuorvantDoc fresh;
    CsvImportResult r = ImportCsv(fresh, kUnits, File({"0,New,1"}));
    EXPECT_EQ(r.linesRead, 0);
    EXPECT_EQ(r.slotsInTable, 0);
}

TEST(CsvImport, HostileBytesNeverReadOutOfBoundsOrTouchFieldsWithoutAColumn) {
    auto doc = RandomDoc(kBW2, 7);
    auto spares = [&] {
        std::vector<int> v;
        for (const CUnitRecord& u : doc->Units)
            v.push_back(u.Spare1 + u.Spare15 * 256 + u.Nationality * 65536);
        for (const CWeaponRecord& w : doc->Weapons) v.push_back(w.WepSound + w.Generation * 256);
        return v;
    };
    const auto before = spares();

    std::mt19937 random(5);
    std::string binary(200000, '\0');
    for (char& c : binary) c = static_cast<char>(random());
    std::string tenMegLine(10 << 20, '7');
    std::string commas(1 << 20, ',');
    std::string nulLines = std::string("h\n0,\0\0x,1\0,2\n", 13) + std::string(5000, '\0');
    for (const std::string& text : {binary, tenMegLine, "h\n" + tenMegLine, commas, "h\n" + commas, nulLines,
                                    std::string("\r\r\r\n\n,\"")}) {
        for (CsvSection s : kCsvSections) ImportCsv(*doc, s, text);
    }
    EXPECT_EQ(spares(), before);

    // A line of ten megabytes with no commas is one slot number and nothing else.
    CsvImportResult r = ImportCsv(*doc, kWeapons, "h\n" + tenMegLine);
    EXPECT_EQ(r.linesRead, 1);
    EXPECT_EQ(doc->Weapons[0].Name.view(), " ");
    EXPECT_EQ(doc->Weapons[0].Class, 0);
}

TEST(CsvImport, FilesThatCannotBeReadChangeNothing) {
    namespace fs = std::filesystem;
    auto doc = EmptyDoc(kBW1);
    doc->Weapons[0] = DistinctWeapon("Kept");
    std::string error;
    fs::path folder = fs::temp_directory_path() / "quorvant_csv_import_file";
    fs::remove_all(folder);
    fs::create_directories(folder / "OBPZWEP.csv"); // a folder where the file should be
    EXPECT_FALSE(ImportCsvFile(*doc, kWeapons, folder / "missing.csv", error));
    EXPECT_NE(error.find("missing.csv"), std::string::npos);
    EXPECT_FALSE(ImportCsvFile(*doc, kWeapons, folder / "OBPZWEP.csv", error));
    EXPECT_FALSE(ImportCsvFile(*doc, kWeapons, "", error));
    EXPECT_EQ(doc->Weapons[0], DistinctWeapon("Kept"));

    std::ofstream(folder / "OBPZUNT.csv", std::ios::binary) << File({"0,Read,3"});
    auto r = ImportCsvFile(*doc, kUnits, folder / "OBPZUNT.csv", error);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->linesRead, 1);
    EXPECT_EQ(doc->Units[0].Class, 3);
    fs::remove_all(folder);
}
