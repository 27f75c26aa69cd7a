#include "cli_test_support.h"
#include "tests/core/obfile_builder.h"

using namespace quorvant;
using namespace quorvant::testing;

namespace {

// A BW2 install folder holding two of its menu files, one spelled in lower case, and a stray file.
void WriteBW2Folder(const TempFolder& dir) {
    WriteBytes(dir / "MOB00", OBFileBuilder::BW2()
                                  .unitName(1, "Leopard 1")
                                  .unitName(7, "Leopard 2A4")
                                  .weaponName(3, "leo gun")
                                  .bytes());
    WriteBytes(dir / "mob31", OBFileBuilder::BW2().column(25000, 1, 31).unitName(2, "M48 Leopard?").bytes());
    WriteBytes(dir / "MOB99", OBFileBuilder::BW2().unitName(1, "Leopard stray").bytes());
}

} // namespace

TEST(ObtoolFind, PrintsEveryMatchInMenuAndSlotOrder) {
    TempFolder dir;
    WriteBW2Folder(dir);
    std::filesystem::create_directories(dir / "MOB02");
    ToolResult r = Obtool({"find", dir.path().string(), "--game", "bw2", "LEO"});
    ASSERT_EQ(r.code, 0) << r.err;
    // The menus list Greece (MOB31) before West Germany (MOB00).
    EXPECT_EQ(r.out, "mob31\tunits\t2\tM48 Leopard?\n"
                     "MOB00\tweapons\t3\tleo gun\n"
                     "MOB00\tunits\t1\tLeopard 1\n"
                     "MOB00\tunits\t7\tLeopard 2A4\n");
    // Every other file of the menus is missing and named as skipped; the stray file is not searched.
    EXPECT_NE(r.err.find("obtool: MOB01: no such file; skipped\n"), std::string::npos);
    EXPECT_NE(r.err.find("obtool: MOB02: not a file; skipped\n"), std::string::npos);
    EXPECT_EQ(r.err.find("MOB99"), std::string::npos);

    r = Obtool({"find", dir.path().string(), "--game", "bw2", "leopard 2", "--table", "units"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "MOB00\tunits\t7\tLeopard 2A4\n");
    EXPECT_EQ(Obtool({"find", dir.path().string(), "--game", "bw2", "Tiger"}).code, 1);
    EXPECT_EQ(Obtool({"find", dir.path().string(), "--game", "bw9", "x"}).code, 2);
    EXPECT_EQ(Obtool({"find", dir.path().string(), "--game", "bw2", "x", "--table", "guns"}).code, 2);
    EXPECT_EQ(Obtool({"find", dir.path().string(), "x"}).code, 2);
    EXPECT_EQ(Obtool({"find", (dir / "nowhere").string(), "--game", "bw2", "x"}).code, 1);
}

TEST(ObtoolCheck, NamesEachBrokenReference) {
    TempFolder dir;
    OBFileBuilder b = OBFileBuilder::BW2();
    b.weaponName(5, "Gun").unitName(1, "Tank").unitName(2, "Truck");
    // Tank: weapon 1 is slot 5 (fine), weapon 3 names empty slot 117 with 12 HE rounds.
    b.column(14000, 1, 5, 4, 0).column(14000, 1, 117, 4, 2).column(15000, 1, 12, 8, 4);
    // Truck: weapon 2 names empty slot 9 but carries nothing: no finding.
    b.column(14000, 2, 9, 4, 1);
    // Formation 1 names unit 2, empty unit 40 and itself; formation 2 names empty formation 9.
    b.formationName(1, "Coy").formationName(2, "Bn");
    b.put16(38500 + 1 * 20 + 0, 2).put16(38500 + 1 * 20 + 2, 40).put16(38500 + 1 * 20 + 4, 1001);
    b.put16(38500 + 2 * 20 + 2, 1009);
    WriteBytes(dir / "MOB00", b.bytes());
    ToolResult r = Obtool({"check", (dir / "MOB00").string()});
    EXPECT_EQ(r.code, 1) << r.err;
    EXPECT_EQ(r.out, "units\t1\tTank\tweapon 3 names empty weapon slot 117 but carries 12 HE rounds\n"
                     "formations\t1\tCoy\tentry 2 names empty unit slot 40\n"
                     "formations\t1\tCoy\tentry 3 names this formation itself\n"
                     "formations\t2\tBn\tentry 2 names empty formation 9\n");

    WriteBytes(dir / "clean", OBFileBuilder::BW2().unitName(1, "Tank").bytes());
    r = Obtool({"check", (dir / "clean").string()});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(Obtool({"check", (dir / "missing").string()}).code, 2);
}

TEST(ObtoolCheck, WithAPictureFolderNamesUnitsWhosePictureHasNoFile) {
    TempFolder dir;
    // A BW2 file names its pictures in the long form; the file is found whatever its case.
    OBFileBuilder b = OBFileBuilder::BW2().unitName(1, "Tank").unitName(2, "Truck").unitName(3, "Jeep");
    b.put16(25250 + 2 * 1, 15).put16(25250 + 2 * 2, 7).put16(25250 + 2 * 3, 65535);
    b.put16(25250 + 2 * 4, 7); // a blank slot is nobody's concern
    WriteBytes(dir / "MOB00", b.bytes());
    std::filesystem::create_directories(dir / "pic");
    WriteBytes(dir / "pic" / "pm00015.LBM", {1});
    WriteBytes(dir / "pic" / "PM00007.bmp", {1}); // not a picture of the game
    WriteBytes(dir / "pic" / "PM65535.lbm", {1});
    ToolResult r = Obtool({"check", (dir / "MOB00").string(), "--pictures", (dir / "pic").string()});
    EXPECT_EQ(r.code, 1) << r.err;
    EXPECT_EQ(r.out, "units\t2\tTruck\tside picture 7 has no file PM00007.lbm\n");
    EXPECT_EQ(r.err, "");

    // Without the option the pictures are not looked at.
    r = Obtool({"check", (dir / "MOB00").string()});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "");

    r = Obtool({"check", (dir / "MOB00").string(), "--pictures", (dir / "nowhere").string()});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("nowhere: no such folder"), std::string::npos);
    EXPECT_EQ(Obtool({"check", (dir / "MOB00").string(), "--pictures"}).code, 2);
}

TEST(ObtoolDiff, ListsEveryChangedFieldAsSetNamesIt) {
    TempFolder dir;
    OBFileBuilder a = OBFileBuilder::BW1().unitName(1, "Tiger").unitName(2, "Puma").column(24750, 1, 90);
    WriteBytes(dir / "A", a.bytes());
    OBFileBuilder b = a;
    b.column(24750, 1, 95).unitName(2, "Puma II").column(14000, 1, 7, 4, 2);
    WriteBytes(dir / "B", b.bytes());
    ToolResult r = Obtool({"diff", (dir / "A").string(), (dir / "B").string()});
    EXPECT_EQ(r.code, 1) << r.err;
    EXPECT_EQ(r.out, "units\t1\tTiger\tWpn[2]\t0\t7\n"
                     "units\t1\tTiger\tCost\t90\t95\n"
                     "units\t2\tPuma\tName\tPuma\tPuma II\n");
    EXPECT_EQ(Obtool({"diff", (dir / "A").string(), (dir / "A").string()}).code, 0);

    WriteBytes(dir / "C", OBFileBuilder::BW3().bytes());
    r = Obtool({"diff", (dir / "A").string(), (dir / "C").string()});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("generation"), std::string::npos);
}
