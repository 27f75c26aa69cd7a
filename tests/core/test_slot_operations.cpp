#include "faulty_filesystem.h"
#include "gamemgr/gamemode.h"
#include "gamemgr/slotoperations.h"
#include "obdata/generation.h"
#include "slot_folder_fixture.h"

#include <unistd.h>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

class SlotOperations : public SlotFolderTest {
  protected:
    void SetUp() override {
        SlotFolderTest::SetUp();
        email = Folder("bw1/Email");
        Write(email / "Email5.dat", "data five");
        Write(email / "Email5.cmt", "Hill defence");
        Write(email / "Email7.dat", "data seven");
        Write(email / "Email7.cmt", "Ridge");
    }
    SlotFiles Slot(int number) { return FindSlotFiles(email, mode, number); }

    GameMode mode{kBW1, false};
    fs::path email;
    std::string error;
};

TEST_F(SlotOperations, CutOfSlotFiveToEmptyNineMovesBothFiles) {
    ASSERT_TRUE(MoveSlot(Slot(5), Slot(9), error)) << error;
    EXPECT_EQ(Read(email / "Email9.dat"), "data five");
    EXPECT_EQ(Read(email / "Email9.cmt"), "Hill defence");
    EXPECT_FALSE(fs::exists(email / "Email5.dat"));
    EXPECT_FALSE(fs::exists(email / "Email5.cmt"));
    EXPECT_EQ(Names(email),
              (std::vector<std::string>{"Email7.cmt", "Email7.dat", "Email9.cmt", "Email9.dat"}));
}

TEST_F(SlotOperations, CopyReplacesAnOtherSpellingInPlaceAndOntoItselfDoesNothing) {
    Write(email / "EMAIL9.DAT", "old");
    Write(email / "email9.CMT", "old text");
    ASSERT_TRUE(CopySlot(Slot(5), Slot(9), error)) << error;
    EXPECT_EQ(Read(email / "EMAIL9.DAT"), "data five");
    EXPECT_EQ(Read(email / "email9.CMT"), "Hill defence");
    EXPECT_EQ(Names(email).size(), 6u);

    ASSERT_TRUE(CopySlot(Slot(5), Slot(5), error)) << error;
    ASSERT_TRUE(MoveSlot(Slot(5), Slot(5), error)) << error;
    EXPECT_EQ(Read(email / "Email5.dat"), "data five");
}

TEST_F(SlotOperations, RefusedSourcesAndTargetsChangeNothing) {
    EXPECT_FALSE(CopySlot(Slot(6), Slot(9), error));
    EXPECT_NE(error.find("slot 6 is empty"), std::string::npos) << error;
    fs::remove(email / "Email7.dat");
    EXPECT_FALSE(MoveSlot(Slot(7), Slot(9), error));
    EXPECT_NE(error.find("Email7.dat is missing"), std::string::npos) << error;
    EXPECT_TRUE(fs::exists(email / "Email7.cmt"));
    Write(email / "EMAIL5.CMT", "second spelling");
    EXPECT_FALSE(MoveSlot(Slot(5), Slot(9), error));
    EXPECT_NE(error.find("Email5.cmt"), std::string::npos) << error;
    EXPECT_NE(error.find("EMAIL5.CMT"), std::string::npos) << error;
    EXPECT_FALSE(DeleteSlot(Slot(5), error));
    EXPECT_EQ(Names(email),
              (std::vector<std::string>{"EMAIL5.CMT", "Email5.cmt", "Email5.dat", "Email7.cmt"}));
}

TEST_F(SlotOperations, ASourceVanishingMidCopyLeavesTheTargetAsItWas) {
    SlotFiles source = Slot(5);
    FaultyFileSystem faulty(Fault::Vanish, [](Call call, const fs::path& file, const fs::path&) {
        return call == Call::Read && file.filename() == "Email5.cmt";
    });
    {
        ScopedFileSystemForTesting use(faulty);
        EXPECT_FALSE(MoveSlot(source, Slot(7), error));
    }
    EXPECT_NE(error.find("Email5.cmt could not be copied"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(email / "Email5.cmt"));
    EXPECT_EQ(Names(email), (std::vector<std::string>{"Email5.dat", "Email7.cmt", "Email7.dat"}));
    EXPECT_EQ(Read(email / "Email7.dat"), "data seven");
    EXPECT_EQ(Read(email / "Email7.cmt"), "Ridge");
    EXPECT_EQ(Read(email / "Email5.dat"), "data five"); // a failed cut removes nothing
}

TEST_F(SlotOperations, AFailedSecondWritePutsTheFirstBack) {
    auto secondWrite = [](Call call, const fs::path& file, const fs::path&) {
        return call == Call::Write && file.filename().string().find(".Email") == 0 &&
               file.filename().string().find(".cmt.") != std::string::npos;
    };
    FaultyFileSystem faulty(Fault::NoSpace, secondWrite);
    {
        ScopedFileSystemForTesting use(faulty);
        EXPECT_FALSE(MoveSlot(Slot(5), Slot(7), error));
    }
    EXPECT_NE(error.find(FaultReason(Fault::NoSpace)), std::string::npos) << error;
    EXPECT_EQ(Read(email / "Email7.dat"), "data seven");
    FaultyFileSystem again(Fault::NoSpace, secondWrite);
    {
        ScopedFileSystemForTesting use(again);
        EXPECT_FALSE(CopySlot(Slot(5), Slot(9), error));
    }
    EXPECT_FALSE(fs::exists(email / "Email9.dat"));
    EXPECT_TRUE(fs::exists(email / "Email5.cmt"));
}

TEST_F(SlotOperations, AReadOnlyDestinationFolderKeepsEverything) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the super-user";
    fs::path save = Folder("bw1/save");
    Write(save / "Save003.dat", "three");
    Write(save / "Save003.cmt", "Three");
    fs::permissions(email, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(CopySlot(FindSlotFiles(save, {kBW1, true}, 3), Slot(9), error));
    EXPECT_NE(error.find("could not be copied"), std::string::npos) << error;
    EXPECT_FALSE(DeleteSlot(Slot(5), error));
    fs::permissions(email, fs::perms::owner_all);
    EXPECT_EQ(Names(email).size(), 4u);
}

TEST_F(SlotOperations, RenameWritesTheTextExactlyAndDeleteRemovesBoth) {
    ASSERT_TRUE(WriteSlotDescription(Slot(5), "Twelve chars", error)) << error;
    EXPECT_EQ(Read(email / "Email5.cmt"), "Twelve chars");
    ASSERT_TRUE(DeleteSlot(Slot(5), error)) << error;
    EXPECT_EQ(Names(email), (std::vector<std::string>{"Email7.cmt", "Email7.dat"}));
}

TEST_F(SlotOperations, EmailSetKeepsTheOldTurnAndRestoreBringsItBack) {
    Write(email / "Email1.dat", "live turn");
    Write(email / "Email1.cmt", "Turn 4");
    EXPECT_FALSE(EmailSet(email, 1, Slot(5), error)); // no backup folder: the live turn stays
    EXPECT_NE(error.find("Quorvant.Bak"), std::string::npos) << error;
    EXPECT_EQ(Read(email / "Email1.dat"), "live turn");
    EXPECT_FALSE(fs::exists(email / "Quorvant.Bak"));

    fs::path backup = Folder("bw1/Email/quorvant.bak");
    ASSERT_TRUE(EmailSet(email, 1, Slot(5), error)) << error;
    EXPECT_EQ(Read(backup / "Email1.Dat"), "live turn");
    EXPECT_EQ(Read(backup / "Email1.cmt"), "Turn 4");
    EXPECT_EQ(Read(email / "Email1.cmt"), "Hill defence");

    ASSERT_TRUE(EmailSave(email, 1, Slot(9), error)) << error;
    EXPECT_EQ(Read(email / "Email9.dat"), "data five");
    ASSERT_TRUE(EmailRestore(email, 1, error)) << error;
    EXPECT_EQ(Read(email / "Email1.dat"), "live turn");
    EXPECT_FALSE(EmailRestore(email, 2, error));
    EXPECT_FALSE(fs::exists(email / "Email2.dat"));

    // An empty e-mail slot is set without a backup.
    ASSERT_TRUE(EmailSet(email, 2, Slot(7), error)) << error;
    EXPECT_EQ(Read(email / "Email2.dat"), "data seven");
    EXPECT_FALSE(fs::exists(backup / "Email2.cmt"));
}

} // namespace
