#include "demo/demoslots.h"

#include "demo/demofile.h"
#include "demo/demogame.h"
#include "demo/demorandom.h"
#include "gamemgr/archivenames.h"
#include "gamemgr/archiveoperations.h"
#include "obdata/generation.h"
#include "platform/fileio.h"
#include "platform/filesystem.h"

#include <chrono>

#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace quorvant::demo {
namespace {

struct DemoSlot {
    int generation;
    const char* folder;
    const char* dataFile;
    const char* descriptionFile;
    std::string_view description;
};

// Slots 1 and 2 of BW1 and BW2 are the live e-mail slots; a saved game there shows in their boxes.
// Among them: a description with a byte of value 1, an empty one, one in upper-case file names as
// copied from a CD, one longer than the 199 characters shown, and one of two lines. The e-mail
// backup folders hold the turn before the live one.
const DemoSlot kSlots[] = {
    {kBW1, "save", "Save001.dat", "Save001.cmt", "Quick save before the river crossing"},
    {kBW1, "save", "Save003.dat", "Save003.cmt", "Village fight, second day, turn 9"},
    {kBW1, "save", "Save004.dat", "Save004.cmt", "Night\x01raid at the ford"},
    {kBW1, "save", "Save007.dat", "Save007.cmt", "Armoured counterattack - campaign game 2"},
    {kBW1, "save", "Save012.dat", "Save012.cmt", ""},
    {kBW1, "save", "SAVE020.DAT", "SAVE020.CMT", "Old save copied from the game CD"},
    {kBW1, "Email", "Email1.dat", "Email1.cmt", "Turn 4 to my opponent"},
    {kBW1, "Email", "Email2.dat", "Email2.cmt", "Turn 5 from my opponent"},
    {kBW1, "Email", "Email3.dat", "Email3.cmt", "Ladder game, round 2"},
    {kBW1, "Email", "Email5.dat", "Email5.cmt", "Hill defence, my move"},
    {kBW1, "Email/Quorvant.Bak", "Email1.Dat", "Email1.cmt", "Turn 3 to my opponent"},
    {kBW1, "Email/Quorvant.Bak", "Email2.Dat", "Email2.cmt", "Turn 4 from my opponent"},
    {kBW2, "save", "Save003.dat", "Save003.cmt", "Desert meeting engagement, turn 6"},
    {kBW2, "save", "Save005.dat", "Save005.cmt", "Valley\x01ambush, first light"},
    {kBW2, "save", "Save006.dat", "Save006.cmt", "Airmobile raid on the bridge"},
    {kBW2, "save", "Save010.dat", "Save010.cmt", "Campaign: the northern plain, battle 3"},
    {kBW2, "Email", "Email1.dat", "Email1.cmt", "Coastal landing, turn 2 to opponent"},
    {kBW2, "Email", "Email4.dat", "Email4.cmt", "Tournament game 7"},
    {kBW2, "Email", "EMAIL6.DAT", "EMAIL6.CMT", "Mountain pass\x01duel, turn 3"},
    {kBW2, "Email/Quorvant.Bak", "Email1.Dat", "Email1.cmt", "Coastal landing, turn 1 to opponent"},
    {kBW3, "save", "Save000.dat", "Save000.cmt", "Autumn offensive, opening moves"},
    {kBW3, "save", "Save001.dat", "Save001.cmt", "Street fighting in the old town"},
    {kBW3, "save", "Save002.dat", "Save002.cmt", "Rearguard at the crossroads\r\nsecond line, never shown"},
    {kBW3, "save", "Save009.dat", "Save009.cmt",
     "A long campaign note: the armoured group holds the ridge while the infantry clears the woods to the "
     "south, the artillery waits for the observers, the engineers bridge the stream before dawn, and the "
     "reserve stays behind the hill until the enemy commits"},
    {kBW3, "save", "Save015.dat", "Save015.cmt", "Hedgerow country, turn 12"},
};

// The game's own save data, which the program only copies: a few kilobytes that differ per slot.
std::string SlotData(const DemoSlot& slot) {
    std::uint64_t seed = static_cast<std::uint64_t>(slot.generation) * 1000003u;
    for (char c : std::string_view(slot.dataFile)) seed = seed * 131 + static_cast<unsigned char>(c);
    DemoRandom random(seed);
    std::string data(static_cast<std::size_t>(random.between(2000, 6000)), '\0');
    for (char& c : data) c = static_cast<char>(random.next() & 0xFF);
    return data;
}

// Slots kept in the "ZipFiles" folders as archives; one of BW3's has lost its description copy,
// which Update recovers.
struct DemoArchive {
    int generation;
    bool saveGames;
    int number;
    bool keepCopy;
};
const DemoArchive kArchives[] = {
    {kBW1, false, 3, true}, {kBW1, false, 5, true}, {kBW2, false, 4, true},
    {kBW3, true, 0, true},  {kBW3, true, 15, true}, {kBW3, true, 9, false},
};

bool WriteDemoArchives(const fs::path& dir, std::string& error) {
    BuiltinArchiver archiver;
    for (const DemoArchive& a : kArchives) {
        GameMode mode{a.generation, a.saveGames};
        fs::path slotFolder = mode.SlotFolder(DemoInstallFolder(dir, a.generation));
        if (!CreateFolders(slotFolder / kZipFolderName, error)) return false;
        std::error_code ec;
        // A fixed file time makes the archives the same bytes on every run.
        using namespace std::chrono;
        const fs::file_time_type time =
            file_clock::from_sys(sys_seconds{sys_days{year{2024} / March / 1}} + seconds(12 * 3600));
        for (const std::string& name : {mode.DataFileName(a.number), mode.DescriptionFileName(a.number)})
            fs::last_write_time(slotFolder / name, time, ec);
        if (!ZipSlot(slotFolder, mode, a.number, archiver, error)) return false;
        std::string why;
        if (!a.keepCopy &&
            !Files().Remove(slotFolder / kZipFolderName / mode.DescriptionFileName(a.number), why)) {
            error = why;
            return false;
        }
    }
    return true;
}

} // namespace

bool WriteDemoSlots(const fs::path& dir, std::string& error) {
    for (const DemoSlot& slot : kSlots) {
        fs::path folder = DemoInstallFolder(dir, slot.generation) / slot.folder;
        if (!CreateFolders(folder, error)) return false;
        if (!WriteDemoFile(folder / slot.dataFile, SlotData(slot), error) ||
            !WriteDemoFile(folder / slot.descriptionFile, slot.description, error))
            return false;
    }
    return WriteDemoArchives(dir, error);
}

} // namespace quorvant::demo
