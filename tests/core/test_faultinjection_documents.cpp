#include "exchange/csvexchange.h"
#include "fault_sweep.h"
#include "obdata/quorvantdoc.h"
#include "obfile_builder.h"

#include <fstream>

#include <unistd.h>

using namespace quorvant;
using namespace quorvant::testing;
namespace fs = std::filesystem;

namespace {

void WriteBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// An OB file of each generation beside an older file the document may be saved over.
void WriteDocuments(const fs::path& root) {
    WriteBytes(root / "bw1.obf", quorvant::testing::OBFileBuilder::BW1().unitName(1, "Rifle Squad").bytes());
    WriteBytes(root / "bw3.obf", quorvant::testing::OBFileBuilder::BW3().unitName(1, "Leopard 2").bytes());
    std::ofstream(root / "other.obf", std::ios::binary) << "an older file";
    std::ofstream(root / "units.csv", std::ios::binary) << "an older export";
}

bool SaveRenamed(const fs::path& file, const fs::path& to, std::string& error) {
    CQuorvantDoc doc;
    if (!doc.OnOpenDocument(file)) {
        error = "cannot open " + file.string();
        return false;
    }
    doc.Units[1].Name.assign("Renamed");
    return doc.OnSaveDocument(to, error);
}

fs::path Root() {
    return fs::temp_directory_path() / ("quorvant-faults-docs-" + std::to_string(::getpid()));
}

} // namespace

TEST(FaultInjection, SavesAndExportsKeepEveryByteOrFinish) {
    // Opening goes through the file system too; the sweep must only judge the save, so the documents
    // are opened by the real one and saved through the faulty one.
    auto save = [](const char* from, const char* to) {
        return [from, to](const fs::path& root, std::string& error) {
            CQuorvantDoc doc;
            {
                ScopedFileSystemForTesting real(RealFileSystem());
                if (!doc.OnOpenDocument(root / from)) {
                    error = "cannot open";
                    return false;
                }
            }
            doc.Units[1].Name.assign("Renamed");
            return doc.OnSaveDocument(root / to, error);
        };
    };
    auto exportUnits = [](const char* to) {
        return [to](const fs::path& root, std::string& error) {
            CQuorvantDoc doc;
            {
                ScopedFileSystemForTesting real(RealFileSystem());
                if (!doc.OnOpenDocument(root / "bw3.obf")) return false;
            }
            return ExportCsvFile(doc, CsvSection::Units, root / to, error);
        };
    };
    ExpectEveryFaultHandled({{"save BW1", WriteDocuments, save("bw1.obf", "bw1.obf")},
                             {"save BW3", WriteDocuments, save("bw3.obf", "bw3.obf")},
                             {"save as, new file", WriteDocuments, save("bw3.obf", "new.obf")},
                             {"save as, over a file", WriteDocuments, save("bw1.obf", "other.obf")},
                             {"CSV export, new file", WriteDocuments, exportUnits("new.csv")},
                             {"CSV export, over a file", WriteDocuments, exportUnits("units.csv")}},
                            Root());
}

TEST(FaultInjection, AShortWriteIsCarriedOnNotTakenForTheWhole) {
    const fs::path root = Root() += "-short";
    fs::create_directories(root);
    WriteDocuments(root);
    std::string error;
    FaultyFileSystem faulty(Fault::ShortWrite,
                            [](Call call, const fs::path&, const fs::path&) { return call == Call::Write; });
    {
        ScopedFileSystemForTesting use(faulty);
        ASSERT_TRUE(SaveRenamed(root / "bw3.obf", root / "bw3.obf", error)) << error;
    }
    EXPECT_TRUE(faulty.injected());
    CQuorvantDoc reread;
    ASSERT_TRUE(reread.OnOpenDocument(root / "bw3.obf"));
    EXPECT_EQ(reread.FileSize(), quorvant::testing::OBFileBuilder::BW3().bytes().size());
    EXPECT_EQ(reread.Units[1].Name.trimmed(), "Renamed");
    fs::remove_all(root);
}
