#include "exchange/csvcolumns.h"

#include "platform/pathresolve.h"

namespace quorvant {
namespace csv {
namespace {

// Row: weapons, units, formations; column: BW1, BW2, BW3. The odd blanks, the BW1 unit labels that
// do not match their values and the BW3 formation line's trailing comma are what the game's files
// have always carried, so they are kept to the letter.
constexpr const char* kHeadings[3][3] = {
    {
        "Num,Weapon,Class,WepSize,ProjSize,HEPen,APPen,HEKill,APKill,Accuracy,MaxRange,HVAPRange,HVAP,HEAT",
        "Num,Weapon,Class,WepSize,Warhead,HEPen,APPen,HEKill,APKill,Accuracy,MaxRange,MinRange,HVAP,HEAT",
        "Num,Weapon,Class,WepSound, "
        "WepSize,Warhead,HEPen,APPen,HEKill,APKill,Accuracy,MaxRange,MinRange,HVAP,HEAT",
    },
    {
        "Num,Unit,Class,Symbol,Size,Men,Wpn 1,Wpn 2,Wpn 3,Wpn "
        "4,HE1,AP1,HE2,AP2,HE3,AP3,HE4,AP4,Speed,APFrontHull,APSideHull,APRearHull,APFrontTurret,"
        "APSideTurret,APRearTurret,APTopTurret,HEATFrontHull,HEATSideHull,HEATRearHull,HEATFrontTurret,"
        "HEATSideTurret,HEATRearTurret,HEATTopTurret,RAFrontHull,RASideHull,RARearHull,RAFrontTurret,Radio,"
        "Available,UnAvailable,Cost,Nationality,SideView,HVAPAmmo,HEATAmmo",
        "Num,Unit,Class,Size,Men,Wpn 1,Wpn 2,Wpn3,Wpn "
        "4,HE1,AP1,HE2,AP2,HE3,AP3,HE4,AP4,LandSpeed,APFrontHull,APSideHull,APRearHull,APFrontTurret,"
        "APSideTurret,APRearTurret,APTopTurret,HEATFrontHull,HEATSideHull,HEATRearHull,HEATFrontTurret,"
        "HEATSideTurret,HEATRearTurret,HEATTopTurret,RAFrontHull,RASideHull,RARearHull,RAFrontTurret,"
        "RASideTurret,RARearTurret,RATopTurret,Radio,Available,UnAvailable,Cost,Nationality,SideView,Vision,"
        "FireControl,HVAPAmmo,HEATAmmo,ROF,Stabilizer,RangeFinder,EW,LiftCap,Survivability,LoadCost,Symbol,"
        "WaterSpeed,MoveClass,SmokeDscg",
        "Num,Unit,Class,Size,Men,Wpn 1,Wpn 2,Wpn3,Wpn "
        "4,HE1,AP1,HE2,AP2,HE3,AP3,HE4,AP4,LandSpeed,APFrontHull,APSideHull,APRearHull,APFrontTurret,"
        "APSideTurret,APRearTurret,APTopTurret,HEATFrontHull,HEATSideHull,HEATRearHull,HEATFrontTurret,"
        "HEATSideTurret,HEATRearTurret,HEATTopTurret,RAFrontHull,RASideHull,RARearHull,RAFrontTurret,"
        "RASideTurret,RARearTurret,RATopTurret,Radio,Avail Month, "
        "Available,UnAvailable,Cost,Nationality,SideView,Vision,FireControl,HVAPAmmo,HEATAmmo,ROF,Stabilizer,"
        "RangeFinder,EW,LiftCap,Survivability,LoadCost,Symbol,WaterSpeed,MoveClass,SmokeDscg",
    },
    {
        "Num,Formation,Country,Unit 1,Unit 2,Unit 3,Unit 4,Unit 5,Unit 6,Unit 7,Unit 8,Unit 9,Unit "
        "10,Avail,UnAvail,Type",
        "Num,Formation,Country,Avail,UnAvail,Catagory,Type,Unit 1,Unit 2,Unit 3,Unit 4,Unit 5,Unit 6,Unit "
        "7,Unit 8,Unit 9,Unit 10",
        "Num,Formation,Country,SpcFlg, AvailMon,Avail,UnAvail,Catagory,Type,Unit 1, Unit 1 Str, Unit 2,Unit "
        "2 Str, Unit 3,Unit 3 Str, Unit 4,Unit 4 Str,Unit 5,Unit 5 Str, Unit 6,Unit 6 Str, Unit 7, Unit 7 "
        "Str, Unit 8,Unit 8 Str,Unit 9,Unit 9 Str, Unit 10, Unit 10 Str,",
    },
};

} // namespace

// Any value outside the enumeration counts as formations, the last section.
int SectionIndex(CsvSection section) {
    int index = static_cast<int>(section);
    return index >= 0 && index < 3 ? index : 2;
}

const char* Heading(CsvSection section, int generation) {
    // The column visitors treat every generation other than BW1 and BW3 as BW2; so do the headings.
    int column = generation == kBW1 ? 0 : generation == kBW3 ? 2 : 1;
    return kHeadings[SectionIndex(section)][column];
}

} // namespace csv

const char* CsvSuffix(CsvSection section) {
    constexpr const char* kSuffixes[] = {"WEP.csv", "UNT.csv", "FRM.csv"};
    return kSuffixes[csv::SectionIndex(section)];
}

const char* CsvSectionName(CsvSection section) {
    constexpr const char* kNames[] = {"Weapons", "Units", "Formations"};
    return kNames[csv::SectionIndex(section)];
}

std::string CsvFileName(const std::string& obFileName, CsvSection section) {
    return obFileName + CsvSuffix(section);
}

std::filesystem::path CsvExportPath(const std::filesystem::path& installFolder, const std::string& obFileName,
                                    CsvSection section) {
    // A relative result would land in whatever folder the program happens to run in.
    if (installFolder.empty() || obFileName.empty()) return {};
    std::filesystem::path exports = ResolveCaseInsensitive(installFolder, "Exports");
    return ResolveCaseInsensitive(exports, CsvFileName(obFileName, section));
}

} // namespace quorvant
