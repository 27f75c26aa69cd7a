#pragma once

#include "gamemgr/archiver.h"
#include "gamemgr/gamemode.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quorvant {

// The archive operations of a slot folder's "ZipFiles" folder. Each checks the slot number (it
// must have an archive row) and the folder (it must exist, except for a zip, which makes it), and
// either does all of its work or leaves slots and archives as they were, returning false with the
// reason in error. Asking before replacing or deleting is the caller's part.

// Packs slot number into its archive and writes the description copy, making the "ZipFiles" folder
// when it is missing. The archive is built under a new name beside the old one, checked to open as
// a zip holding the slot's two files, and only then put in the old one's place; entries get the
// program's spelling of the slot's file names.
bool ZipSlot(const std::filesystem::path& slotFolder, const GameMode& mode, int number, Archiver& archiver,
             std::string& error);

// Unpacks slot number's archive into the slot. Only an archive holding exactly the slot's two files
// is taken; it is unpacked into a hidden folder first, then each file replaces the slot's file of
// the same name in any spelling, the replaced files put back when a rename fails.
bool UnzipSlot(const std::filesystem::path& slotFolder, const GameMode& mode, int number, Archiver& archiver,
               std::string& error);

// Removes whichever of the archive and its description copy exists; false when neither does.
bool DeleteArchive(const std::filesystem::path& slotFolder, const GameMode& mode, int number,
                   std::string& error);

struct UpdateResult {
    std::vector<int> recovered;       // slot numbers whose description copy was recovered
    std::vector<std::string> refused; // one reason per archive that could not be read
};

// Recovers the description copy of every archive named like a slot of the mode that has no copy of
// that name in any spelling, writing only the description entry; a refused archive is reported and
// the others go on. False (with error) only when the "ZipFiles" folder is missing.
bool UpdateArchiveCopies(const std::filesystem::path& slotFolder, const GameMode& mode, Archiver& archiver,
                         UpdateResult& result, std::string& error);

// The reason, when there is one, that slot number has no archive row; empty when it has one.
std::string ArchiveNumberRefusal(const GameMode& mode, int number);
// The same, or that its folder has no "ZipFiles" folder; empty when unzip and delete can run on it.
std::string ArchiveCommandRefusal(const std::filesystem::path& slotFolder, const GameMode& mode, int number);

} // namespace quorvant
