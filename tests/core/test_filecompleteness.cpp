#include "obdata/filecompleteness.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obfile_builder.h"
#include "platform/fileio.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace quorvant;
using quorvant::testing::OBFileBuilder;

namespace {

class TempDir {
  public:
    TempDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = fs::temp_directory_path() / (std::string("quorvant_complete_") + info->name());
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempDir() { fs::remove_all(path_); }
    fs::path operator/(const std::string& name) const { return path_ / name; }

  private:
    fs::path path_;
};

void Write(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> Read(const fs::path& path) {
    std::string error;
    return ReadWholeFile(path, error).value_or(std::vector<std::uint8_t>{});
}

} // namespace

TEST(FileCompleteness, OnlyTheWholeLayoutCountsAsComplete) {
    EXPECT_TRUE(IsCompleteFileSize(38500, kBW1));
    for (std::size_t size : {0u, 1u, 1221u, 38499u, 38501u, 44499u})
        EXPECT_FALSE(IsCompleteFileSize(size, kBW1)) << size;
    for (int generation : {kBW2, kBW3}) {
        EXPECT_FALSE(IsCompleteFileSize(44499, generation));
        EXPECT_TRUE(IsCompleteFileSize(44500, generation));
        EXPECT_TRUE(IsCompleteFileSize(1 << 20, generation)) << "bytes past the layout are kept";
    }
}

TEST(FileCompleteness, TheUserIsToldInPlainWords) {
    EXPECT_EQ(
        NotAnOBFileQuestion("passwd", std::vector<std::uint8_t>(1221, 'a'), kBW1),
        "passwd does not look like an OB file: it is 1,221 bytes, and a BW1 file has 38,500. Opened, it "
        "reads as a BW1 file, and saving rewrites it as a complete one.\n\nOpen it anyway?");
    EXPECT_EQ(NotAnOBFileQuestion("x", {1}, kBW1)->substr(0, 46),
              "x does not look like an OB file: it is 1 byte,");
    std::vector<std::uint8_t> garbled(38500, 0);
    EXPECT_EQ(NotAnOBFileQuestion("OBPZ", garbled, kBW1), std::nullopt) << "blank names are text";
    for (std::size_t i = 0; i < garbled.size(); ++i) garbled[i] = static_cast<std::uint8_t>(i * 7 % 31 + 1);
    EXPECT_EQ(
        NotAnOBFileQuestion("OBPZ", garbled, kBW1),
        "OBPZ does not look like an OB file: 700 of its 700 record names are not text.\n\nOpen it anyway?");
    EXPECT_EQ(RewriteIncompleteQuestion("passwd", kBW1), "Rewrite passwd as a complete BW1 OB file?");
    EXPECT_EQ(IncompleteFileRemark(kBW1), "(incomplete: a BW1 file has 38500)");
    EXPECT_EQ(GroupedNumber(0), "0");
    EXPECT_EQ(GroupedNumber(999), "999");
    EXPECT_EQ(GroupedNumber(1000), "1,000");
    EXPECT_EQ(GroupedNumber(1234567), "1,234,567");
}

TEST(FileCompleteness, TheDocumentKnowsWhatItsFileHeld) {
    TempDir dir;
    Write(dir / "text", std::vector<std::uint8_t>(1221, 'a'));
    Write(dir / "empty", {});
    Write(dir / "OBPZ", OBFileBuilder::BW1().bytes());
    Write(dir / "MOB00", OBFileBuilder(50000).bytes());
    struct Case {
        const char* name;
        bool complete;
        std::size_t size;
    };
    for (Case c : {Case{"text", false, 1221}, Case{"empty", false, 0}, Case{"OBPZ", true, 38500},
                   Case{"MOB00", true, 50000}}) {
        CQuorvantDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(dir / c.name)) << c.name;
        EXPECT_EQ(doc.IsFileComplete(), c.complete) << c.name;
        EXPECT_EQ(doc.FileSize(), c.size) << c.name;
    }
}

TEST(FileCompleteness, SavingAnIncompleteFileMakesItComplete) {
    TempDir dir;
    Write(dir / "short", std::vector<std::uint8_t>(9250 + 15 * 3, 'A'));
    CQuorvantDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(dir / "short"));
    std::string error;
    ASSERT_TRUE(doc.OnSaveDocument(dir / "short", error)) << error;
    EXPECT_TRUE(doc.IsFileComplete());
    EXPECT_EQ(Read(dir / "short").size(), 38500u);
}

TEST(FileCompleteness, SavingWhatTheFileAlreadyHoldsLeavesItsTimeStamp) {
    TempDir dir;
    auto bytes = OBFileBuilder::BW3().unitName(1, "Tiger").bytes();
    Write(dir / "KOB01", bytes);
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24);
    fs::last_write_time(dir / "KOB01", old);

    CQuorvantDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(dir / "KOB01"));
    std::string error;
    ASSERT_TRUE(doc.OnSaveDocument(dir / "KOB01", error)) << error;
    EXPECT_EQ(fs::last_write_time(dir / "KOB01"), old);
    EXPECT_EQ(Read(dir / "KOB01"), bytes);

    // A change is written, and so is a file that no longer holds what was read.
    doc.Units[1].Cost = 9;
    ASSERT_TRUE(doc.OnSaveDocument(dir / "KOB01", error)) << error;
    EXPECT_NE(fs::last_write_time(dir / "KOB01"), old);
    Write(dir / "KOB01", std::vector<std::uint8_t>(44500, 0));
    ASSERT_TRUE(doc.OnSaveDocument(dir / "KOB01", error)) << error;
    EXPECT_EQ(Read(dir / "KOB01")[24750 + 1], 9);
}
