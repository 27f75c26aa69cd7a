#include "gamemgr/gamemode.h"
#include "gamemgr/slotdescription.h"
#include "gamemgr/slotlisting.h"
#include "obdata/generation.h"
#include "slot_folder_fixture.h"

#include <unistd.h>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

using SlotListing = SlotFolderTest;

TEST(SlotModes, ButtonsNamesAndRowNumbering) {
    GameMode bw1Email = GameModeForButton(1163);
    EXPECT_EQ(bw1Email, (GameMode{kBW1, false}));
    EXPECT_EQ(bw1Email.DataFileName(7), "Email7.dat");
    EXPECT_EQ(bw1Email.DescriptionFileName(12), "Email12.cmt");
    EXPECT_EQ(bw1Email.RowToSlot(0), 3);
    EXPECT_EQ(bw1Email.RowCount(), 197);
    EXPECT_EQ(bw1Email.LastRowSlot(), 199);

    // BW3 uses the saved-game names whatever the flag, and its rows start at slot 0.
    GameMode bw3{kBW3, false};
    EXPECT_TRUE(bw3.UsesSaveNames());
    EXPECT_EQ(bw3.DescriptionFileName(0), "Save000.cmt");
    EXPECT_EQ(bw3.RowToSlot(0), 0);
    EXPECT_EQ(bw3.LastRowSlot(), 198);
    EXPECT_FALSE(bw3.IsRowSlot(199));
    EXPECT_EQ(GameModeForButton(1165).DataFileName(100), "Email100.dat");
    EXPECT_EQ(GameModeForButton(1164).DataFileName(100), "Save100.dat");
    for (int button = 1162; button <= 1166; ++button)
        EXPECT_EQ(ButtonForGameMode(GameModeForButton(button)), button);
}

TEST(SlotDescriptions, FirstLineCutAndBytesOfValueOne) {
    EXPECT_EQ(DescriptionFromBytes("ab\x01"
                                   "cd"),
              "ab cd");
    EXPECT_EQ(DescriptionFromBytes("\x01"
                                   "ab\x01"),
              "\x01"
              "ab ");
    EXPECT_EQ(DescriptionFromBytes("Turn 4\r\nsecond line"), "Turn 4");
    EXPECT_EQ(DescriptionFromBytes("Turn 4\n"), "Turn 4");
    EXPECT_EQ(DescriptionFromBytes("only a CR\r"), "only a CR\r"); // no line feed follows it
    EXPECT_EQ(DescriptionFromBytes(std::string_view("ab\0cd", 5)), "ab");
    EXPECT_EQ(DescriptionFromBytes(""), "");
    EXPECT_EQ(DescriptionFromBytes(std::string(300, 'x')), std::string(199, 'x'));
    EXPECT_EQ(DescriptionFromBytes(std::string(198, 'x') + "\r\n"), std::string(198, 'x'));
    EXPECT_EQ(DescriptionFromBytes(std::string("\xff\xfe\x80 bad", 7)), std::string("\xff\xfe\x80 bad", 7));
}

TEST_F(SlotListing, RowsAndBoxesOfEachGenerationFoundIgnoringCase) {
    fs::path save3 = Folder("bw3/SAVE");
    Write(save3 / "Save000.cmt", "Opening moves");
    Write(save3 / "SAVE005.CMT", "Upper case");
    Write(save3 / "Save198.cmt", "Last");
    std::vector<SlotEntry> bw3 = ListSlots(GameMode{kBW3, true}.SlotFolder(game / "bw3"), {kBW3, true});
    ASSERT_EQ(bw3.size(), 199u);
    EXPECT_EQ(bw3[0].number, 0);
    EXPECT_EQ(bw3[0].Text(), "Opening moves");
    EXPECT_EQ(bw3[5].Text(), "Upper case");
    EXPECT_EQ(bw3[198].Text(), "Last");
    EXPECT_EQ(bw3[1].Text(), "----");

    fs::path email = Folder("bw1/Email");
    Write(email / "Email1.cmt", "Box one");
    Write(email / "email2.CMT", "Box two");
    Write(email / "Email3.cmt", "Row zero");
    std::vector<SlotEntry> bw1 = ListSlots(GameMode{kBW1, false}.SlotFolder(game / "bw1"), {kBW1, false});
    EXPECT_EQ(bw1[0].number, 1);
    EXPECT_EQ(bw1[0].Text(), "Box one");
    EXPECT_EQ(bw1[1].Text(), "Box two");
    EXPECT_EQ(bw1[2].number, 3);
    EXPECT_EQ(bw1[2].Text(), "Row zero");
    EXPECT_EQ(bw1[198].number, 199);
}

TEST_F(SlotListing, EmptyUnreadableAndStrayFiles) {
    fs::path save = Folder("bw2/save");
    Write(save / "Save003.cmt", "Before");
    Write(save / "Save004.cmt", "");
    Write(save / "Save5.cmt", "not a slot");
    Write(save / "Save005.cmt.bak", "not a slot either");
    fs::create_directories(save / "Save006.cmt");
    Write(save / "Save007.cmt", std::string(1 << 20, 'y'));
    Write(save / "Save008.cmt", std::string("\0\0binary", 8));
    Write(save / "Save009.dat", "data without a description");
    std::vector<SlotEntry> slots = ListSlots(save, {kBW2, true});
    EXPECT_EQ(slots[3].Text(), "");
    EXPECT_TRUE(slots[3].occupied); // an empty description is no empty slot
    EXPECT_EQ(slots[4].Text(), "----");
    EXPECT_EQ(slots[5].Text(), "----");
    EXPECT_EQ(slots[6].Text(), std::string(199, 'y'));
    EXPECT_EQ(slots[7].Text(), "");
    EXPECT_EQ(slots[8].Text(), "----");
    if (geteuid() != 0) {
        fs::permissions(save / "Save003.cmt", fs::perms::none);
        EXPECT_EQ(ListSlots(save, {kBW2, true})[2].Text(), "");
    }
    EXPECT_EQ(ListSlots(game / "missing", {kBW2, true})[2].Text(), "----");
}

} // namespace
