#include "cli_test_support.h"
#include "demo/demoobfile.h"
#include "exchange/csvexchange.h"
#include "obdata/quorvantdoc.h"
#include "tests/core/obfile_builder.h"

using namespace quorvant;
using namespace quorvant::testing;

namespace {

// A full demo file of the generation: every column holds values, with empty and blank slots.
std::filesystem::path DemoFile(const TempFolder& dir, const std::string& name) {
    for (const demo::DemoOBFile& file : demo::DemoOBFiles()) {
        if (file.name != name) continue;
        CQuorvantDoc doc(file.generation);
        demo::FillDemoDocument(doc, file);
        std::string error;
        EXPECT_TRUE(doc.OnSaveDocument(dir / name, error)) << error;
    }
    return dir / name;
}

template <class Rec>
void ExpectSameBesidesEmptyNames(const std::vector<Rec>& before, const std::vector<Rec>& after) {
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        Rec expected = before[i];
        if (expected.Name.empty()) expected.Name.assignPadded(" "); // an empty name comes back as a blank
        EXPECT_EQ(after[i], expected) << "slot " << i;
    }
}

} // namespace

TEST(ObtoolCsv, ExportWritesTheEditorsFilesAndImportReadsThemBack) {
    for (const char* name : {"OBMA", "MOB36", "KOB05", "KOB82"}) {
        TempFolder dir;
        auto file = DemoFile(dir, name);
        std::filesystem::create_directories(dir / "csv");
        ToolResult r = Obtool({"export", file.string(), "--out", (dir / "csv").string()});
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_NE(r.out.find("Export Complete"), std::string::npos);

        CQuorvantDoc original;
        ASSERT_TRUE(original.OnOpenDocument(file));
        for (CsvSection section : kCsvSections)
            EXPECT_EQ(ReadText(dir / "csv" / CsvFileName(name, section)), ExportCsv(original, section))
                << name;

        auto copy = dir / "copy";
        r = Obtool({"import", file.string(), "--from", (dir / "csv").string(), "-o", copy.string()});
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, "Import Complete\n");
        CQuorvantDoc imported;
        ASSERT_TRUE(imported.OnOpenDocument(copy));
        EXPECT_EQ(imported.Generation, original.Generation);
        EXPECT_EQ(imported.FileNation, original.FileNation);
        ExpectSameBesidesEmptyNames(original.Weapons, imported.Weapons);
        ExpectSameBesidesEmptyNames(original.Units, imported.Units);
        ExpectSameBesidesEmptyNames(original.Formations, imported.Formations);
    }
}

TEST(ObtoolCsv, SectionsChooseTheFilesAndShortFilesAreReported) {
    TempFolder dir;
    auto file = DemoFile(dir, "MOB12");
    ASSERT_EQ(Obtool({"export", file.string(), "--sections", "units", "--out", dir.path().string()}).code, 0);
    EXPECT_TRUE(std::filesystem::exists(dir / "MOB12UNT.csv"));
    EXPECT_FALSE(std::filesystem::exists(dir / "MOB12WEP.csv"));
    EXPECT_FALSE(std::filesystem::exists(dir / "MOB12FRM.csv"));

    std::string text = ReadText(dir / "MOB12UNT.csv");
    std::size_t cut = 0;
    for (int line = 0; line < 4; ++line) cut = text.find("\r\n", cut) + 2; // heading and three data lines
    text.resize(cut);
    WriteBytes(dir / "MOB12UNT.csv", std::vector<std::uint8_t>(text.begin(), text.end()));

    ToolResult r = Obtool({"import", file.string(), "--from", dir.path().string(), "--sections", "units"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "Import Complete\nUnits: 3 lines read for 250 slots; slots 3 to 249 were left unchanged.\n");

    EXPECT_EQ(Obtool({"export", file.string(), "--sections", "units,tanks"}).code, 2);
    EXPECT_EQ(Obtool({"export", file.string(), "--sections", ""}).code, 2);
}

TEST(ObtoolCsv, NothingIsSavedWhenAFileIsMissingOrTheImportWouldChangeTheGeneration) {
    TempFolder dir;
    auto file = DemoFile(dir, "KOB70");
    const auto before = ReadBytes(file);
    ASSERT_EQ(
        Obtool({"export", file.string(), "--out", dir.path().string(), "--sections", "weapons,units"}).code,
        0);

    ToolResult r =
        Obtool({"import", file.string(), "--from", dir.path().string(), "-o", (dir / "out").string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("KOB70FRM.csv"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "out"));
    EXPECT_EQ(ReadBytes(file), before);

    // Strengths of the first formations decide between BW3 and BW2: clearing them is refused.
    ASSERT_EQ(
        Obtool({"export", file.string(), "--out", dir.path().string(), "--sections", "formations"}).code, 0);
    CQuorvantDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(file));
    for (auto& f : doc.Formations) f.UnitStr.fill(0);
    std::string csv = ExportCsv(doc, CsvSection::Formations);
    WriteBytes(dir / "KOB70FRM.csv", std::vector<std::uint8_t>(csv.begin(), csv.end()));
    r = Obtool({"import", file.string(), "--from", dir.path().string(), "--sections", "formations"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("BW2"), std::string::npos) << r.err;
    EXPECT_EQ(ReadBytes(file), before);
}

TEST(ObtoolCsv, ExportReplacesAFileOfAnyCaseAndNeedsAnExistingFolder) {
    TempFolder dir;
    auto file = DemoFile(dir, "OBJA");
    WriteBytes(dir / "objawep.CSV", {'o', 'l', 'd'});
    ASSERT_EQ(Obtool({"export", file.string(), "--out", dir.path().string(), "--sections", "weapons"}).code,
              0);
    EXPECT_FALSE(std::filesystem::exists(dir / "OBJAWEP.csv"));
    EXPECT_GT(ReadText(dir / "objawep.CSV").size(), 1000u);

    ToolResult r = Obtool({"export", file.string(), "--out", (dir / "missing").string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("missing"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}
