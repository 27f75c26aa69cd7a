// Whatever a file holds, it loads or fails with a clear error: never a crash or an out-of-bounds read.

#include "obdata/obwriter.h"
#include "obdata/quorvantdoc.h"
#include "platform/fileio.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace fs = std::filesystem;
using namespace quorvant;

namespace {

fs::path WriteTemp(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    fs::path path = fs::temp_directory_path() / ("quorvant_bad_" + name);
    std::string error;
    EXPECT_TRUE(WriteFileAtomically(path, bytes, error)) << error;
    return path;
}

} // namespace

TEST(BadInput, OddSizesLoadAsFarAsTheyGo) {
    std::mt19937 random(77);
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{14}, std::size_t{15},
                             std::size_t{3751}, std::size_t{9264}, std::size_t{35499}, std::size_t{44499},
                             std::size_t{44500}, std::size_t{1} << 20}) {
        std::vector<std::uint8_t> bytes(size);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        fs::path path = WriteTemp(std::to_string(size), bytes);
        CQuorvantDoc doc;
        EXPECT_TRUE(doc.OnOpenDocument(path)) << size;
        EXPECT_LE(doc.WeaponCount(), 250);
        EXPECT_LE(doc.UnitCount(), 250);
        EXPECT_LE(doc.FormationCount(), 200);
        auto image = BuildOBImage(doc);
        EXPECT_GE(image.size(), size);
        fs::remove(path);
    }
}

TEST(BadInput, EmptyFileGivesEmptyTables) {
    fs::path path = WriteTemp("empty", {});
    CQuorvantDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.WeaponCount(), 0);
    EXPECT_EQ(doc.UnitCount(), 0);
    EXPECT_EQ(doc.FormationCount(), 0);
    fs::remove(path);
}

TEST(BadInput, UnreadablePathsReportErrorOpeningFile) {
    std::vector<std::string> errors;
    CQuorvantDoc doc;
    doc.ErrorHandler = [&](const std::string& e) { errors.push_back(e); };
    EXPECT_FALSE(doc.OnOpenDocument(fs::temp_directory_path() / "quorvant_no_such_file"));
    EXPECT_FALSE(doc.OnOpenDocument(fs::temp_directory_path()));
    if (fs::exists("/dev/zero")) {
        EXPECT_FALSE(doc.OnOpenDocument("/dev/zero"));
    }
    EXPECT_GE(errors.size(), 2u);
    for (const auto& e : errors) EXPECT_EQ(e, "Error Opening file!");
    EXPECT_FALSE(doc.LastErrorDetail().empty());
    EXPECT_EQ(doc.WeaponCount(), -1);
    EXPECT_FALSE(doc.LoadedFromFile());
}
