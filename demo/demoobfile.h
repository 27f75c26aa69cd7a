#pragma once

#include <string>
#include <vector>

namespace quorvant {
class CQuorvantDoc;
}

namespace quorvant::demo {

// One OB file of the demo game.
struct DemoOBFile {
    int generation;
    std::string name;         // "OBPZ", "MOB31", "KOB70"
    int fileNation;           // BW2 and BW3: the nation the file belongs to
    std::vector<int> nations; // the nation codes whose records the file holds, in slot order
    int coverageStart;        // where in the unit class list this file's class-coverage units begin
};

// Every OB file the File menu names, in menu order, and the second-world-war file 73 it lacks.
std::vector<DemoOBFile> DemoOBFiles();

// Fills a new document with the file's invented weapons, units and formations, holding every record
// exactly as the reader will read it back from the saved file.
void FillDemoDocument(CQuorvantDoc& doc, const DemoOBFile& file);

} // namespace quorvant::demo
