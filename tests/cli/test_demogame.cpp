#include "cli_test_support.h"
#include "demo/demogame.h"
#include "demo/demoobfile.h"
#include "game/obmenu.h"
#include "obdata/datecodes.h"
#include "obdata/generation.h"
#include "obdata/obwriter.h"
#include "obdata/quorvantdoc.h"

#include <map>
#include <set>

using namespace quorvant;
using namespace quorvant::testing;
namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string> Tree(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[entry.path().string().substr(root.string().size())] = ReadText(entry.path());
    return files;
}

bool Named(const RecordName& name) {
    return !name.isBlank();
}

} // namespace

TEST(DemoGame, EveryMenuFileLoadsWithItsGenerationAndNation) {
    TempFolder dir;
    std::string error;
    ASSERT_TRUE(demo::WriteDemoGame(dir.path(), error)) << error;

    std::vector<OBMenuEntry> entries = AllOBMenuEntries();
    entries.push_back({0, "", kBW3, "KOB73"}); // the second-world-war file no menu entry names
    for (const OBMenuEntry& e : entries) {
        fs::path path = demo::DemoInstallFolder(dir.path(), e.generation) / e.file;
        CQuorvantDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path)) << path;
        EXPECT_EQ(doc.Generation, e.generation) << e.file;
        if (e.generation != kBW1) {
            EXPECT_EQ(doc.FileNation, std::stoi(e.file.substr(3))) << e.file;
        }
        EXPECT_EQ(doc.WeaponCount(), 250);
        EXPECT_EQ(doc.FormationCount(), 200);
    }
    for (const char* exe : {"bw1/brass.exe", "bw2/brass2.exe", "bw3/brass3.exe"})
        EXPECT_TRUE(fs::is_regular_file(dir / exe)) << exe;
    for (const char* slot : {"bw1/save/Save003.cmt", "bw1/save/Save003.dat", "bw1/Email/Email1.cmt",
                             "bw2/save/Save005.cmt", "bw2/Email/Email4.dat", "bw3/save/Save000.cmt"})
        EXPECT_TRUE(fs::is_regular_file(dir / slot)) << slot;
    EXPECT_EQ(ReadText(dir / "bw1/save/Save004.cmt"), "Night\x01raid at the ford");
    EXPECT_EQ(ReadText(dir / "bw1/save/Save012.cmt"), "");
}

TEST(DemoGame, SameBytesOnEveryRunAndOnlyIntoItsOwnFolders) {
    TempFolder dir;
    std::string error;
    ASSERT_TRUE(demo::WriteDemoGame(dir / "a", error)) << error;
    auto first = Tree(dir / "a");
    EXPECT_GT(first.size(), 113u);
    fs::remove(dir / "a" / "bw2" / "MOB31");
    WriteBytes(dir / "a" / "bw1" / "OBPZ", {9});
    ASSERT_TRUE(demo::WriteDemoGame(dir / "a", error)) << error; // an earlier demo game is written again
    EXPECT_EQ(Tree(dir / "a"), first);

    fs::create_directories(dir / "game");
    WriteBytes(dir / "game" / "OBPZ", {1, 2, 3});
    EXPECT_FALSE(demo::WriteDemoGame(dir / "game", error));
    EXPECT_NE(error.find("did not write"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir / "game" / "OBPZ"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_FALSE(demo::WriteDemoGame(dir / "game" / "OBPZ", error)); // a file, not a folder
}

// Each file as generated must be what the reader makes of it, and hang together as game data:
// references point at named slots, dates come from the generation's tables, and the variety the
// editor has to show is there.

TEST(DemoGame, RecordsReadBackAsBuiltAndReferToNamedSlots) {
    std::set<int> classesUsed[3];
    int fourWeaponUnits = 0, subFormations = 0, blankLed = 0, fullLength = 0, emptyBetween = 0;
    for (const demo::DemoOBFile& file : demo::DemoOBFiles()) {
        CQuorvantDoc built(file.generation);
        demo::FillDemoDocument(built, file);
        CQuorvantDoc read;
        read.ReadBytes(BuildOBImage(built));
        ASSERT_EQ(read.Generation, file.generation) << file.name;
        EXPECT_EQ(read.Weapons, built.Weapons) << file.name;
        EXPECT_EQ(read.Units, built.Units) << file.name;
        EXPECT_EQ(read.Formations, built.Formations) << file.name;
        const int gen = file.generation;

        for (std::size_t s = 0; s < built.Units.size(); ++s) {
            const CUnitRecord& u = built.Units[s];
            if (u.Name.empty()) {
                if (s > 0 && s + 1 < built.Units.size() && Named(built.Units[s - 1].Name) &&
                    Named(built.Units[s + 1].Name))
                    ++emptyBetween;
                continue;
            }
            blankLed += u.Name.isBlank();
            fullLength += u.Name.trimmed().size() == 15;
            classesUsed[gen].insert(u.Class);
            int weapons = 0;
            for (std::uint8_t w : u.Wpn) {
                if (w == 0) continue;
                ++weapons;
                EXPECT_FALSE(built.Weapons[w].Name.empty()) << file.name << " unit " << s;
            }
            fourWeaponUnits += weapons == 4;
            EXPECT_GE(u.SideView, 1);
            EXPECT_LE(u.SideView, 40);
            if (Named(u.Name)) {
                if (gen == kBW1) {
                    EXPECT_TRUE(BW1DateName(u.Available).has_value()) << file.name;
                }
                EXPECT_TRUE(DateCodeToPosition(gen, u.Available).has_value()) << file.name << " unit " << s;
                EXPECT_TRUE(DateCodeToPosition(gen, u.UnAvailable).has_value()) << file.name << " unit " << s;
                if (gen == kBW3) {
                    EXPECT_TRUE(u.AvailMonth >= 1 && u.AvailMonth <= 12);
                }
            }
        }
        for (std::size_t s = 0; s < built.Formations.size(); ++s) {
            const CFormationRecord& f = built.Formations[s];
            if (f.Name.empty()) continue;
            for (int n = 0; n < kFormationEntries; ++n) {
                int entry = f.unitEntry(gen, n);
                if (entry == 0) continue;
                if (entry >= kSubFormationBase) {
                    EXPECT_NE(gen, kBW1);
                    EXPECT_GT(n, 0) << "the first entry has no sub-formation box";
                    EXPECT_LE(entry - kSubFormationBase, 198);
                    EXPECT_FALSE(built.Formations[entry - kSubFormationBase].Name.empty()) << file.name;
                    ++subFormations;
                } else {
                    EXPECT_FALSE(built.Units[entry].Name.empty()) << file.name << " formation " << s;
                }
                if (gen == kBW3) {
                    EXPECT_GT(f.UnitStr[n], 0);
                }
            }
        }
    }
    EXPECT_GT(fourWeaponUnits, 0);
    EXPECT_GT(subFormations, 0);
    EXPECT_GT(blankLed, 0);
    EXPECT_GT(fullLength, 0);
    EXPECT_GT(emptyBetween, 0);
    // Across each generation's files every unit class of its list appears.
    EXPECT_EQ(classesUsed[kBW1].size(), 51u);
    EXPECT_EQ(classesUsed[kBW2].size(), 60u);
    EXPECT_EQ(classesUsed[kBW3].size(), 69u);
}
