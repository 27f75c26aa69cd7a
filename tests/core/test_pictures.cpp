#include "lbmfile_builder.h"
#include "obdata/generation.h"
#include "picture_folder.h"
#include "pictures/packedpicture.h"
#include "pictures/picturenames.h"
#include "pictures/pictureslot.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorvant::testing {
namespace {

namespace fs = std::filesystem;

// A two-colour 8 x 2 picture: top row all colour 1 (red), bottom row colour 0 (blue).
Bytes TwoColourLbm() {
    return Form("ILBM",
                {Bmhd(8, 2, 1), Chunk("CMAP", {0, 0, 255, 255, 0, 0}), Chunk("BODY", {0xFF, 0, 0, 0})});
}

TEST(PictureNames, FormFollowsGenerationAndFileNation) {
    EXPECT_EQ(PictureName(7, NameFormFor(kBW1, 0)), "P0007");
    EXPECT_EQ(PictureName(7, NameFormFor(kBW2, 12)), "PM00007");
    EXPECT_EQ(PictureName(7, NameFormFor(kBW3, 71)), "P0007");
    EXPECT_EQ(PictureName(7, NameFormFor(kBW3, 70)), "P0007");
    EXPECT_EQ(PictureName(7, NameFormFor(kBW3, 69)), "PM00007");
    EXPECT_EQ(PictureName(123456, PictureNameForm::Short), "P123456");
    EXPECT_EQ(PictureName(4294967295u, PictureNameForm::Long), "PM4294967295");
    EXPECT_EQ(PictureName(0, PictureNameForm::Long), "PM00000");
}

TEST(PictureNames, NumberIsReadFromTheDigitsAfterThePrefix) {
    EXPECT_EQ(PictureNumber("P0042.lbm", PictureNameForm::Short), 42u);
    EXPECT_EQ(PictureNumber("PM00123.LBM", PictureNameForm::Long), 123u);
    EXPECT_EQ(PictureNumber("P123456.lbm", PictureNameForm::Short), 1234u);
    EXPECT_EQ(PictureNumber("P12.lbm", PictureNameForm::Short), 12u);
    EXPECT_EQ(PictureNumber("Pabc.lbm", PictureNameForm::Short), 0u);
    EXPECT_EQ(PictureNumber("P", PictureNameForm::Long), 0u);
}

TEST_F(PictureFolder, ListingHoldsOnlyLbmFilesOfThePrefixSortedIgnoringCase) {
    for (const char* name : {"p0002.LBM", "P0001.lbm", "PM00003.lbm", "P0003.bmp", "readme.txt", "P0010.lbm"})
        write(name, {});
    fs::create_directories(dir_ / "P0009.lbm");
    EXPECT_EQ(ListPictureFiles(dir_),
              (std::vector<std::string>{"P0001.lbm", "p0002.LBM", "P0010.lbm", "PM00003.lbm"}));
    EXPECT_EQ(ListPictureFiles(dir_, "p0"),
              (std::vector<std::string>{"P0001.lbm", "p0002.LBM", "P0010.lbm"}));
    EXPECT_EQ(ListPictureFiles(dir_, "PM"), (std::vector<std::string>{"PM00003.lbm"}));
    EXPECT_TRUE(ListPictureFiles(dir_ / "missing").empty());
}

TEST(PictureNames, FindMatchesTheWholeNameIgnoringCase) {
    std::vector<std::string> listing{"P00120.lbm", "p0013.LBM"};
    EXPECT_EQ(FindPicture(listing, "P0013"), 1u);
    // Not taken for P0012: another number's file must not stand in for a missing one.
    EXPECT_FALSE(FindPicture(listing, "P0012"));
}

TEST(PictureNames, PlaceInTheListingIsThePictureOrTheFirstOneAfterIt) {
    const std::vector<std::string> listing = {"P0007.lbm", "p0042.LBM", "P0050.lbm"};
    const struct {
        const char* name;
        std::size_t position;
        bool listed;
    } cases[] = {{"P0042", 1, true},  {"P0001", 0, false}, {"P0009", 1, false},
                 {"p0043", 2, false}, {"P0051", 3, false}, {"P00420", 2, false}};
    for (const auto& c : cases) {
        ListingPlace place = PlaceInListing(listing, c.name);
        EXPECT_EQ(place.position, c.position) << c.name;
        EXPECT_EQ(place.listed, c.listed) << c.name;
    }
    EXPECT_EQ(PlaceInListing({}, "P0001").position, 0u);
}

TEST(PackedPicture, BlockHoldsTheBitmapAfterTheFileHeaderCutAt65521Bytes) {
    EXPECT_FALSE(PictureBlockFromBmp(Bytes{'M', 'B', 0}));
    Bytes big(70000, 0x5A);
    big[0] = 'B';
    big[1] = 'M';
    std::optional<PictureBlock> block = PictureBlockFromBmp(big);
    ASSERT_TRUE(block);
    ASSERT_EQ(block->size(), 65535u);
    EXPECT_EQ((*block)[65520], 0x5A);
    EXPECT_EQ((*block)[65521], 0);
    std::optional<PictureBlock> tiny = PictureBlockFromBmp(Bytes{'B', 'M', 1, 2});
    ASSERT_TRUE(tiny);
    EXPECT_EQ(tiny->size(), 65535u);
}

TEST(PackedPicture, WindowsAndCoreHeaderFormsGiveSizesColoursAndPixelPosition) {
    PictureBlock windows(64, 0);
    windows[0] = 40;
    windows[4] = 0x40, windows[5] = 0x01; // width 320
    windows[8] = 200;
    windows[14] = 8;
    EXPECT_TRUE(IsWindowsHeader(windows));
    EXPECT_EQ(PictureWidth(windows), 320);
    EXPECT_EQ(PictureHeight(windows), 200);
    EXPECT_EQ(ColourCount(windows), 256u);
    EXPECT_EQ(ColourTableSize(windows), 1024u);
    EXPECT_EQ(PixelDataOffset(windows), 40u + 1024u);
    windows[32] = 5; // colours used
    EXPECT_EQ(ColourCount(windows), 5u);
    EXPECT_EQ(PixelDataOffset(windows), 60u);
    windows[11] = 0xFF; // height negative
    EXPECT_LT(PictureHeight(windows), 0);
    EXPECT_FALSE(MakeSidePicture(windows));

    PictureBlock core(32, 0);
    core[0] = 12;
    core[4] = 0xFF, core[5] = 0xFF; // 16-bit unsigned: never negative
    core[6] = 3;
    core[10] = 4;
    core[12] = 1, core[13] = 2, core[14] = 3; // blue, green, red
    EXPECT_FALSE(IsWindowsHeader(core));
    EXPECT_EQ(PictureWidth(core), 65535);
    EXPECT_EQ(PictureHeight(core), 3);
    EXPECT_EQ(ColourCount(core), 16u);
    EXPECT_EQ(ColourTableSize(core), 48u);
    EXPECT_EQ(PixelDataOffset(core), 60u);
    std::optional<std::vector<Rgb>> palette = MakePalette(core);
    ASSERT_TRUE(palette);
    // The table runs past this short block: only the entries inside it are taken.
    EXPECT_EQ(palette->size(), 6u);
    EXPECT_EQ((*palette)[0], (Rgb{3, 2, 1}));
    core[10] = 24;
    EXPECT_EQ(ColourCount(core), 0u);
    EXPECT_FALSE(MakePalette(core));
}

TEST(PackedPicture, HugeColourCountNeverReadsPastTheBlock) {
    PictureBlock block(kPictureBlockBytes, 0);
    block[0] = 40;
    block[4] = 4, block[8] = 4, block[14] = 8;
    block[32] = block[33] = block[34] = block[35] = 0xFF;
    SidePicture picture = *MakeSidePicture(block);
    EXPECT_EQ(picture.palette->size(), 256u);
    EXPECT_EQ(DecodePicturePixels(picture).argb.size(), 16u);
}

TEST_F(PictureFolder, LoadedOneBitPictureHasTwoColoursAndItsPixelsTopDown) {
    write("P0001.lbm", TwoColourLbm());
    std::string reason;
    std::optional<PictureBlock> block = LoadPicture(dir_ / "P0001.lbm", reason);
    ASSERT_TRUE(block) << reason;
    std::optional<SidePicture> picture = MakeSidePicture(*block);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 8);
    EXPECT_EQ(picture->height, 2);
    ASSERT_TRUE(picture->palette);
    EXPECT_EQ(picture->palette->size(), 2u);
    PicturePixels pixels = DecodePicturePixels(*picture);
    EXPECT_EQ(pixels.argb[0], 0xFFFF0000u);
    EXPECT_EQ(pixels.argb[8], 0xFF0000FFu);

    write("bad.lbm", {'F', 'O', 'R', 'M'});
    EXPECT_FALSE(LoadPicture(dir_ / "bad.lbm", reason));
}

TEST(PackedPicture, TrueColourPictureHasNoPaletteAndPaintsFromItsPixels) {
    PictureBlock block(kPictureBlockBytes, 0);
    block[0] = 40;
    block[4] = 1, block[8] = 2, block[14] = 24;
    // Bottom row first: blue-green-red bytes, rows padded to 4.
    block[40] = 0x30, block[41] = 0x20, block[42] = 0x10;
    block[44] = 0x03, block[45] = 0x02, block[46] = 0x01;
    SidePicture picture = *MakeSidePicture(block);
    EXPECT_FALSE(picture.palette);
    PicturePixels pixels = DecodePicturePixels(picture);
    EXPECT_EQ(pixels.argb[0], 0xFF010203u);
    EXPECT_EQ(pixels.argb[1], 0xFF102030u);
}

TEST_F(PictureFolder, SlotLoadsOncePerNumberAndShowsThePlaceholderForAMissingFile) {
    write("P0001.lbm", TwoColourLbm());
    write("P0002.lbm", {1, 2, 3});
    write("P0004.lbm", Form("ILBM", {Bmhd(8, 1, 8), Dcol(3, 3, 2), Chunk("BODY", Bytes(16, 0))}));
    std::vector<std::string> listing = ListPictureFiles(dir_);
    PictureSlot slot;
    std::size_t position = 9;
    EXPECT_EQ(slot.show(listing, dir_, "P0001", position), ShownPicture::Picture);
    EXPECT_EQ(position, 0u);
    EXPECT_EQ(slot.show(listing, dir_, "P0001", position), ShownPicture::Picture);
    EXPECT_EQ(slot.loads(), 1);
    slot.drop();
    EXPECT_EQ(slot.show(listing, dir_, "P0002", position), ShownPicture::Unchanged);
    EXPECT_EQ(position, 1u);
    EXPECT_EQ(slot.show(listing, dir_, "P0002", position), ShownPicture::Unchanged);
    EXPECT_EQ(slot.loads(), 2);
    EXPECT_EQ(slot.picture(), nullptr);
    slot.drop();
    position = 5;
    EXPECT_EQ(slot.show(listing, dir_, "P0003", position), ShownPicture::Placeholder);
    EXPECT_EQ(position, 5u);
    slot.drop();
    EXPECT_EQ(slot.show(listing, dir_, "P0004", position), ShownPicture::Unchanged);
}

} // namespace
} // namespace quorvant::testing
