#include "gamemgr/slotoperations.h"

#include "platform/fileio.h"
#include "platform/filereplacement.h"
#include "platform/pathresolve.h"

#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace quorvant {
namespace {

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    return a.parent_path() == b.parent_path() &&
           EqualsIgnoringAsciiCase(a.filename().string(), b.filename().string());
}

bool CheckOneSpelling(const SlotFile& file, std::string& error) {
    if (!file.ambiguous()) return true;
    error = "the slot's file exists under two spellings: " + file.spellings[0].string() + " and " +
            file.spellings[1].string();
    return false;
}

// Both source files are read and written beside their destinations before any destination changes,
// so a source that vanishes or a full disk leaves everything as it was.
bool StageSlotCopy(const SlotFiles& source, const SlotFiles& target, FileReplacement& replacement,
                   std::string& error) {
    return replacement.StageCopy(source.data.path, target.data.path, error) &&
           replacement.StageCopy(source.description.path, target.description.path, error);
}

void StageSlotRemoval(const SlotFiles& slot, FileReplacement& replacement) {
    for (const SlotFile* file : {&slot.description, &slot.data})
        if (file->exists()) replacement.StageRemoval(file->path);
}

} // namespace

bool CheckSourceSlot(const SlotFiles& source, std::string& error) {
    if (!CheckOneSpelling(source.description, error) || !CheckOneSpelling(source.data, error)) return false;
    if (!source.description.exists()) {
        error = "slot " + std::to_string(source.number) + " is empty (" + source.description.path.string() +
                " is missing)";
        return false;
    }
    if (!source.data.exists()) {
        error = source.data.path.string() + " is missing: slot " + std::to_string(source.number) +
                " has a description but no data file";
        return false;
    }
    return true;
}

bool CheckTargetSlot(const SlotFiles& target, std::string& error) {
    return CheckOneSpelling(target.description, error) && CheckOneSpelling(target.data, error) &&
           CheckFileDestination(target.description.path, error) &&
           CheckFileDestination(target.data.path, error);
}

bool SameSlot(const SlotFiles& a, const SlotFiles& b) {
    return SameFile(a.description.path, b.description.path) && SameFile(a.data.path, b.data.path);
}

bool CopySlot(const SlotFiles& source, const SlotFiles& target, std::string& error) {
    if (!CheckSourceSlot(source, error) || !CheckTargetSlot(target, error)) return false;
    if (SameSlot(source, target)) return true;
    FileReplacement replacement;
    return StageSlotCopy(source, target, replacement, error) && replacement.Commit(error);
}

bool MoveSlot(const SlotFiles& source, const SlotFiles& target, std::string& error) {
    if (!CheckSourceSlot(source, error) || !CheckTargetSlot(target, error)) return false;
    if (SameSlot(source, target)) return true;
    // One replacement, so a failed removal of the source also takes the copy back.
    FileReplacement replacement;
    if (!StageSlotCopy(source, target, replacement, error)) return false;
    StageSlotRemoval(source, replacement);
    return replacement.Commit(error);
}

bool DeleteSlot(const SlotFiles& slot, std::string& error) {
    if (!CheckTargetSlot(slot, error)) return false;
    FileReplacement replacement;
    StageSlotRemoval(slot, replacement);
    return replacement.Commit(error);
}

bool WriteSlotDescription(const SlotFiles& slot, std::string_view text, std::string& error) {
    if (!CheckOneSpelling(slot.description, error)) return false;
    return WriteFileAtomically(slot.description.path, text.data(), text.size(), error);
}

fs::path FindBackupFolder(const fs::path& slotFolder) {
    fs::path folder = ResolveCaseInsensitive(slotFolder, kBackupFolderName);
    std::error_code ec;
    return fs::is_directory(folder, ec) ? folder : fs::path();
}

bool EmailSet(const fs::path& slotFolder, int k, const SlotFiles& source, std::string& error) {
    SlotFiles live = FindEmailSlotFiles(slotFolder, k);
    if (!CheckSourceSlot(source, error) || !CheckTargetSlot(live, error)) return false;
    if (SameSlot(source, live)) return true;
    // The backup and the new live slot are written as one, so a failure keeps the old backup too.
    FileReplacement replacement;
    if (live.occupied()) {
        fs::path backupFolder = FindBackupFolder(slotFolder);
        if (backupFolder.empty()) {
            error = (slotFolder / kBackupFolderName).string() + " is missing: e-mail slot " +
                    std::to_string(k) + " cannot be backed up";
            return false;
        }
        SlotFiles backup = FindBackupFiles(backupFolder, k);
        if (!CheckSourceSlot(live, error) || !CheckTargetSlot(backup, error) ||
            !StageSlotCopy(live, backup, replacement, error))
            return false;
    }
    return StageSlotCopy(source, live, replacement, error) && replacement.Commit(error);
}

bool EmailSave(const fs::path& slotFolder, int k, const SlotFiles& target, std::string& error) {
    return CopySlot(FindEmailSlotFiles(slotFolder, k), target, error);
}

bool EmailRestore(const fs::path& slotFolder, int k, std::string& error) {
    fs::path backupFolder = FindBackupFolder(slotFolder);
    if (backupFolder.empty()) {
        error = (slotFolder / kBackupFolderName).string() + " is missing: there is no backup to restore";
        return false;
    }
    SlotFiles backup = FindBackupFiles(backupFolder, k);
    if (!backup.occupied()) {
        error = backup.description.path.string() + " is missing: e-mail slot " + std::to_string(k) +
                " has no backup";
        return false;
    }
    return CopySlot(backup, FindEmailSlotFiles(slotFolder, k), error);
}

} // namespace quorvant
