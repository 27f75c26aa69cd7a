#include "cli_test_support.h"
#include "demo/demoobfile.h"
#include "obdata/quorvantdoc.h"

#include <nlohmann/json.hpp>

#include <random>

#include <unistd.h>

using namespace quorvant;
using namespace quorvant::testing;
namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> RandomBytes(std::size_t size) {
    std::mt19937 random(12345);
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    return bytes;
}

std::vector<std::vector<std::string>> EveryCommandOn(const fs::path& file, const fs::path& scratch) {
    return {
        {"info", file.string()},
        {"dump", file.string()},
        {"set", file.string(), "--table", "units", "--slot", "1", "--field", "Cost", "--value", "7"},
        {"set", file.string(), "--table", "formations", "--slot", "1", "--field", "Name", "--value", "Coy"},
        {"export", file.string(), "--out", scratch.string()},
        {"import", file.string(), "--from", scratch.string(), "-o", (scratch / "imported").string()}};
}

} // namespace

TEST(ObtoolBadInput, FilesOfAnySizeNeverCrashAndKeepWhatTheyDoNotHold) {
    TempFolder dir;
    const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> inputs = {
        {"empty", {}},
        {"one", {0x41}},
        {"almost", std::vector<std::uint8_t>(44499, 0xFF)},
        {"random", RandomBytes(1 << 20)},
    };
    for (const auto& [name, bytes] : inputs) {
        fs::path file = dir / name;
        fs::path scratch = dir / (name + ".out");
        fs::create_directories(scratch);
        WriteBytes(file, bytes);
        for (const auto& args : EveryCommandOn(file, scratch)) {
            ToolResult r = Obtool(args);
            EXPECT_TRUE(r.code == 0 || r.code == 1) << name << " " << args[0] << ": " << r.err;
            if (r.code != 0) {
                EXPECT_FALSE(r.err.empty());
            }
            if (args[0] == "dump") {
                EXPECT_TRUE(nlohmann::json::accept(r.out)) << name;
            }
        }
    }
    // Too short to hold a unit slot 1: nothing to set, the file stays as it was.
    EXPECT_TRUE(ReadBytes(dir / "empty").empty());
    EXPECT_EQ(ReadBytes(dir / "one"), std::vector<std::uint8_t>{0x41});

    // A long file keeps every byte the layout does not cover: only the units' Cost changed.
    auto random = RandomBytes(1 << 20);
    auto after = ReadBytes(dir / "random");
    ASSERT_EQ(after.size(), random.size());
    for (std::size_t i = 0; i < random.size(); ++i) {
        bool edited =
            i == 24750 + 1 || (i >= 32500 + 15 && i < 32500 + 30); // Cost of unit 1, formation 1's name
        if (!edited) {
            ASSERT_EQ(after[i], random[i]) << i;
        }
    }
    EXPECT_EQ(after[24750 + 1], 7);
}

TEST(ObtoolBadInput, FoldersMissingPathsAndUnreadableFilesAreErrors) {
    TempFolder dir;
    std::vector<fs::path> inputs = {dir.path(), dir / "missing", "/dev/zero"};
    if (::geteuid() != 0) { // root reads anything
        WriteBytes(dir / "locked", std::vector<std::uint8_t>(38500, 0));
        fs::permissions(dir / "locked", fs::perms::none);
        inputs.push_back(dir / "locked");
    }
    fs::create_directories(dir / "scratch");
    for (const fs::path& input : inputs) {
        for (const auto& args : EveryCommandOn(input, dir / "scratch")) {
            ToolResult r = Obtool(args);
            EXPECT_EQ(r.code, 1) << input << " " << args[0];
            EXPECT_NE(r.err.find(input.string()), std::string::npos) << r.err;
            EXPECT_TRUE(r.out.empty()) << r.out;
        }
    }
    EXPECT_FALSE(fs::exists(dir / "missing"));
    EXPECT_TRUE(fs::is_empty(dir / "scratch"));
}

TEST(ObtoolBadInput, SavingIntoAnUnwritablePlaceLeavesTheFileAlone) {
    TempFolder dir;
    CQuorvantDoc doc;
    auto files = demo::DemoOBFiles();
    demo::FillDemoDocument(doc, files.front());
    std::string error;
    ASSERT_TRUE(doc.OnSaveDocument(dir / "OBPZ", error)) << error;
    const auto before = ReadBytes(dir / "OBPZ");
    ToolResult r = Obtool({"set", (dir / "OBPZ").string(), "--table", "units", "--slot", "1", "--field",
                           "Cost", "--value", "9", "-o", (dir / "no" / "such" / "folder" / "OBPZ").string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("nothing written"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir / "OBPZ"), before);
}
