#include "app/diskwatchrules.h"
#include "obdata/generation.h"
#include "obfile_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

using namespace quorvant;
using quorvant::testing::OBFileBuilder;
namespace fs = std::filesystem;

namespace {

FileFingerprint Present(const std::vector<std::uint8_t>& bytes) {
    return FingerprintOf(bytes);
}

FileFingerprint Unreadable() {
    FileFingerprint print;
    print.state = FileFingerprint::State::Unreadable;
    return print;
}

} // namespace

TEST(DiskWatchRules, ReloadsUnmodifiedAsksModifiedAndDealsWithEachStateOnce) {
    const std::vector<std::uint8_t> loaded(100, 1), other(100, 2), third(101, 2);
    DiskWatchRules rules;
    rules.Settled(Present(loaded));
    EXPECT_EQ(rules.Decide(Present(loaded), true), DiskAction::Nothing); // touched, or our own save
    EXPECT_EQ(rules.Decide(Present(other), false), DiskAction::Reload);
    EXPECT_EQ(rules.Decide(Present(other), true), DiskAction::AskReload);

    // No: the same content asks no more, the next change asks again.
    rules.Declined(Present(other));
    EXPECT_EQ(rules.Decide(Present(other), true), DiskAction::Nothing);
    EXPECT_EQ(rules.Decide(Present(third), true), DiskAction::AskReload);

    // Gone and unreadable are told once each, until the file changes.
    EXPECT_EQ(rules.Decide(FileFingerprint{}, false), DiskAction::MarkGone);
    EXPECT_EQ(rules.Decide(FileFingerprint{}, true), DiskAction::Nothing);
    EXPECT_EQ(rules.Decide(Unreadable(), true), DiskAction::ReportUnreadable);
    EXPECT_EQ(rules.Decide(Unreadable(), true), DiskAction::Nothing);
    EXPECT_EQ(rules.Decide(Present(loaded), true), DiskAction::Nothing); // back as it was

    // A save asks before it overwrites anything the document never read, not over a missing file.
    EXPECT_FALSE(rules.ChangedSinceSettled(Present(loaded)));
    EXPECT_TRUE(rules.ChangedSinceSettled(Present(other)));
    EXPECT_TRUE(rules.ChangedSinceSettled(Unreadable()));
    EXPECT_FALSE(rules.ChangedSinceSettled(FileFingerprint{}));
    rules.Settled(Present(other));
    EXPECT_FALSE(rules.ChangedSinceSettled(Present(other)));
    EXPECT_EQ(ReloadQuestion("KOB70"), "KOB70 has changed on disk. Reload it and lose your changes?");
}

TEST(DiskWatchRules, OnlyAWholeOBFileOfTheSameGenerationReplacesAnOpenDocument) {
    const auto bw3 = OBFileBuilder::BW3().unitName(1, "Tiger I").weaponName(1, "88mm").bytes();
    EXPECT_EQ(WhyNotReloadable(bw3, kBW3), std::nullopt);

    auto truncated = bw3;
    truncated.resize(20000);
    auto why = WhyNotReloadable(truncated, kBW3);
    ASSERT_TRUE(why);
    EXPECT_NE(why->find("20,000 bytes"), std::string::npos) << *why;
    EXPECT_TRUE(WhyNotReloadable({}, kBW1));

    why = WhyNotReloadable(OBFileBuilder::BW2().bytes(), kBW3);
    ASSERT_TRUE(why);
    EXPECT_NE(why->find("BW2"), std::string::npos) << *why;

    std::mt19937 random(4);
    std::vector<std::uint8_t> garbage(44500);
    for (auto& b : garbage) b = static_cast<std::uint8_t>(random());
    garbage[42500] = 1;
    why = WhyNotReloadable(garbage, kBW3);
    ASSERT_TRUE(why);
    EXPECT_NE(why->find("not text"), std::string::npos) << *why;

    // One stray byte in one name is no reason to refuse the file.
    auto stray = bw3;
    stray[9250 + 15 * 1 + 2] = 0x07; // inside "Tiger I"
    EXPECT_EQ(WhyNotReloadable(stray, kBW3), std::nullopt);
}

TEST(FileIdentity, FingerprintsFollowTheContentAndLinksLeadToTheSameFile) {
    const fs::path dir = fs::temp_directory_path() / "quorvant-fileidentity";
    fs::remove_all(dir);
    fs::create_directories(dir / "sub");
    const std::vector<std::uint8_t> bytes = {1, 2, 3};
    std::ofstream(dir / "OBPZ", std::ios::binary).write("\1\2\3", 3);
    EXPECT_EQ(TakeFingerprint(dir / "OBPZ"), FingerprintOf(bytes));
    EXPECT_EQ(TakeFingerprint(dir / "OBPZ").state, FileFingerprint::State::Present);
    EXPECT_EQ(TakeFingerprint(dir / "none").state, FileFingerprint::State::Missing);
    EXPECT_EQ(TakeFingerprint(dir / "sub").state, FileFingerprint::State::Missing);
    std::ofstream(dir / "OBPZ", std::ios::binary).write("\1\2\4", 3);
    EXPECT_FALSE(TakeFingerprint(dir / "OBPZ") == FingerprintOf(bytes));

    fs::create_symlink(dir / "OBPZ", dir / "sub" / "link");
    fs::create_hard_link(dir / "OBPZ", dir / "sub" / "hard");
    EXPECT_TRUE(SameFileIdentity(dir / "OBPZ", dir / "sub" / "link"));
    EXPECT_TRUE(SameFileIdentity(dir / "OBPZ", dir / "sub" / "hard"));
    EXPECT_TRUE(SameFileIdentity(dir / "sub" / ".." / "OBPZ", dir / "OBPZ"));
    EXPECT_TRUE(SameFileIdentity(dir / "gone", dir / "sub" / ".." / "gone"));
    EXPECT_FALSE(SameFileIdentity(dir / "OBPZ", dir / "sub"));
    EXPECT_FALSE(SameFileIdentity(dir / "OBPZ", dir / "gone"));
    fs::remove_all(dir);
}
