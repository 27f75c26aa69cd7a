#include "cli_test_support.h"
#include "tests/core/obfile_builder.h"

#include <nlohmann/json.hpp>

using namespace quorvant::testing;
using Json = nlohmann::ordered_json;

namespace {

std::vector<std::string> Keys(const Json& object) {
    std::vector<std::string> keys;
    for (const auto& item : object.items()) keys.push_back(item.key());
    return keys;
}

} // namespace

TEST(ObtoolUsage, HelpAndBadCommandLines) {
    ToolResult help = Obtool({"-h"});
    EXPECT_EQ(help.code, 0);
    for (const char* command :
         {"info FILE", "dump FILE", "set FILE", "demo DIR", "export FILE", "import FILE"})
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    EXPECT_EQ(Obtool({"set", "-h"}).code, 0);

    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {"frobnicate", "x"},
             {"info"},
             {"info", "a", "b"},
             {"info", "--bogus", "x", "a"},
             {"set", "f", "--table"},
             {"set", "f", "--slot", "1", "--slot", "2"},
             {"set", "f", "--table", "units", "--slot", "1", "--field", "Cost"}, // no --value
             {"set", "f", "--table", "tanks", "--slot", "1", "--field", "Cost", "--value", "1"},
         }) {
        ToolResult r = Obtool(args);
        EXPECT_EQ(r.code, 2) << ::testing::PrintToString(args);
        EXPECT_FALSE(r.err.empty());
        EXPECT_TRUE(r.out.empty());
    }
}

TEST(ObtoolInfo, PrintsGenerationNationTitleAndCounts) {
    TempFolder dir;
    std::filesystem::create_directories(dir / "Game");
    WriteBytes(dir / "Game" / "OBPZ", OBFileBuilder::BW1().unitName(1, "Pz").bytes());
    ToolResult bw1 =
        Obtool({"info", (dir / "GAME" / "obpz").string()}); // found ignoring case, like game files
    EXPECT_EQ(bw1.code, 0) << bw1.err;
    EXPECT_EQ(bw1.out, "generation: BW1\ntitle: OBPZ\nweapons: 250\nunits: 250\nformations: 200\n");

    WriteBytes(dir / "MOB31", OBFileBuilder::BW2().column(25000, 1, 31).bytes());
    EXPECT_EQ(
        Obtool({"info", (dir / "MOB31").string()}).out,
        "generation: BW2\nnation: 31\ntitle: MOB31 - Greece\nweapons: 250\nunits: 250\nformations: 200\n");

    WriteBytes(dir / "KOB71", OBFileBuilder::BW3().column(25000, 1, 71).bytes());
    ToolResult bw3 = Obtool({"info", (dir / "KOB71").string()});
    EXPECT_NE(bw3.out.find("generation: BW3\nnation: 71\ntitle: KOB71 - Finnland\n"), std::string::npos);

    // A file that ends inside the unit names: the tables hold what was read.
    WriteBytes(dir / "short", std::vector<std::uint8_t>(9250 + 3 * 15, 'A'));
    EXPECT_NE(Obtool({"info", (dir / "short").string()}).out.find("weapons: 250\nunits: 3\nformations: 0\n"),
              std::string::npos);
}

TEST(ObtoolDump, OneJsonObjectWithEveryFieldByName) {
    TempFolder dir;
    OBFileBuilder bw1 = OBFileBuilder::BW1();
    bw1.weaponName(2, "Caf\xe9 Gun").column(3750, 2, 5);          // Latin-1 e acute, Class 5
    bw1.unitName(1, "Exactly15chars!").column(14000, 1, 2, 4, 3); // Wpn[3] = 2
    bw1.formationName(4, "Coy").column(35700, 4, 17, 10, 9);      // BW1 Units[9] = 17
    WriteBytes(dir / "OBUS", bw1.bytes());

    ToolResult r = Obtool({"dump", (dir / "OBUS").string()});
    ASSERT_EQ(r.code, 0) << r.err;
    Json json = Json::parse(r.out);
    EXPECT_EQ(Keys(json), (std::vector<std::string>{"generation", "fileNation", "title", "weapons", "units",
                                                    "formations"}));
    EXPECT_EQ(json["generation"], 0);
    EXPECT_EQ(json["title"], "OBUS");
    ASSERT_EQ(json["weapons"].size(), 250u);
    ASSERT_EQ(json["units"].size(), 250u);
    ASSERT_EQ(json["formations"].size(), 200u);

    const Json& weapon = json["weapons"][2];
    EXPECT_EQ(Keys(weapon), (std::vector<std::string>{"Generation", "Name", "Class", "WepSound", "WepSize",
                                                      "Warhead", "HEPen", "APPen", "HEKill", "APKill",
                                                      "Accuracy", "MaxRange", "MinRange", "HVAP", "HEAT"}));
    EXPECT_EQ(weapon["Name"], "Caf\xc3\xa9 Gun       "); // as held: blank-padded, UTF-8 out
    EXPECT_EQ(weapon["Class"], 5);
    EXPECT_EQ(weapon["Generation"], 0);
    EXPECT_EQ(json["weapons"][0]["Name"], "");

    const Json& unit = json["units"][1];
    EXPECT_EQ(unit["Name"], "Exactly15chars!");
    EXPECT_EQ(unit["Wpn"], Json::parse("[0, 0, 0, 2]"));
    EXPECT_EQ(unit["Ammo"].size(), 8u);
    for (const char* armour : {"ArmorAP", "ArmorHEAT", "ArmorRA"}) EXPECT_EQ(unit[armour].size(), 7u);
    EXPECT_EQ(unit.size(), 48u);
    EXPECT_TRUE(unit.contains("Spare1") && unit.contains("Spare15") && unit.contains("Symbol2"));

    const Json& formation = json["formations"][4];
    EXPECT_EQ(Keys(formation), (std::vector<std::string>{"Name", "Country", "AvailMon", "Avail", "UnAvail",
                                                         "Catagory", "Type", "SpcFlg", "Units", "UnitStr"}));
    EXPECT_EQ(formation["Units"], Json::parse("[0, 0, 0, 0, 0, 0, 0, 0, 0, 17]"));
}

TEST(ObtoolDump, FormationUnitsOfBW2AreTheSixteenBitList) {
    TempFolder dir;
    OBFileBuilder bw2 = OBFileBuilder::BW2();
    bw2.column(25000, 1, 12).formationName(3, "Bn").put16(38500 + 3 * 20 + 2, 1007);
    bw2.column(35700, 3, 9, 10, 1); // bytes the BW1 list would read: not this file's list
    WriteBytes(dir / "MOB12", bw2.bytes());
    Json json = Json::parse(Obtool({"dump", (dir / "MOB12").string()}).out);
    EXPECT_EQ(json["fileNation"], 12);
    EXPECT_EQ(json["formations"][3]["Units"], Json::parse("[0, 1007, 0, 0, 0, 0, 0, 0, 0, 0]"));
    EXPECT_EQ(json["formations"][3]["Country"], 12);
    EXPECT_EQ(json["units"][200]["Nationality"], 12);
}

TEST(ObtoolDemo, WritesAGameThatTheOtherCommandsRead) {
    TempFolder dir;
    ToolResult r = Obtool({"demo", (dir / "game").string()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(
        Obtool({"info", (dir / "game" / "bw2" / "MOB31").string()}).out,
        "generation: BW2\nnation: 31\ntitle: MOB31 - Greece\nweapons: 250\nunits: 250\nformations: 200\n");
    WriteBytes(dir / "other", {1});
    r = Obtool({"demo", (dir / "other").string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("not a folder"), std::string::npos) << r.err;
}
