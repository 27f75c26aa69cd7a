#include "gamemgr/slotoperations.h"

#include "platform/fileio.h"
#include "platform/pathresolve.h"

#include <optional>
#include <random>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace quorvant {
namespace {

SlotFileHook& Hook() {
    static SlotFileHook hook;
    return hook;
}

// The reason of a file helper's error, without the path it starts with.
std::string Reason(const fs::path& path, const std::string& error) {
    std::string prefix = path.string() + ": ";
    return error.rfind(prefix, 0) == 0 ? error.substr(prefix.size()) : error;
}

std::optional<std::vector<std::uint8_t>> ReadForCopy(const fs::path& file, std::string& error) {
    if (Hook()) {
        std::string injected = Hook()(file, false);
        if (!injected.empty()) {
            error = file.string() + " could not be copied: " + injected;
            return std::nullopt;
        }
    }
    std::string why;
    auto bytes = ReadWholeFile(file, why);
    if (!bytes) error = file.string() + " could not be copied: " + Reason(file, why);
    return bytes;
}

bool WriteForCopy(const fs::path& from, const fs::path& to, const std::vector<std::uint8_t>& bytes,
                  std::string& error) {
    std::string why;
    if (Hook()) why = Hook()(to, true);
    if (why.empty() && WriteFileAtomically(to, bytes, why)) return true;
    error = from.string() + " could not be copied to " + to.string() + ": " + Reason(to, why);
    return false;
}

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

fs::path AsideName(const fs::path& file) {
    static std::mt19937_64 random{std::random_device{}()};
    std::string name = ".";
    name.append(file.filename().string()).append(".").append(std::to_string(random() % 1000000007));
    return file.parent_path() / name.append(".del");
}

// The destination as it was, so a half-done copy can be undone.
struct Kept {
    fs::path path;
    bool existed = false;
    std::optional<std::vector<std::uint8_t>> bytes;
};

Kept KeepDestination(const SlotFile& file) {
    Kept kept{file.path, file.exists(), std::nullopt};
    if (kept.existed) {
        std::string ignored;
        kept.bytes = ReadWholeFile(file.path, ignored);
    }
    return kept;
}

void PutBack(const Kept& kept) {
    std::error_code ec;
    std::string ignored;
    if (kept.bytes)
        WriteFileAtomically(kept.path, *kept.bytes, ignored);
    else if (!kept.existed)
        fs::remove(kept.path, ec);
}

} // namespace

void SetSlotFileHookForTesting(SlotFileHook hook) {
    Hook() = std::move(hook);
}

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
    return CheckOneSpelling(target.description, error) && CheckOneSpelling(target.data, error);
}

bool SameSlot(const SlotFiles& a, const SlotFiles& b) {
    return SameFile(a.description.path, b.description.path) && SameFile(a.data.path, b.data.path);
}

bool CopySlot(const SlotFiles& source, const SlotFiles& target, std::string& error) {
    if (!CheckSourceSlot(source, error) || !CheckTargetSlot(target, error)) return false;
    if (SameSlot(source, target)) return true;
    // Both sources are read before anything is written, so a source that vanishes changes nothing.
    auto data = ReadForCopy(source.data.path, error);
    if (!data) return false;
    auto description = ReadForCopy(source.description.path, error);
    if (!description) return false;
    Kept oldData = KeepDestination(target.data);
    if (!WriteForCopy(source.data.path, target.data.path, *data, error)) return false;
    if (!WriteForCopy(source.description.path, target.description.path, *description, error)) {
        PutBack(oldData);
        return false;
    }
    return true;
}

bool MoveSlot(const SlotFiles& source, const SlotFiles& target, std::string& error) {
    if (!CheckSourceSlot(source, error) || !CheckTargetSlot(target, error)) return false;
    if (SameSlot(source, target)) return true;
    if (!CopySlot(source, target, error)) return false;
    if (DeleteSlot(source, error)) return true;
    error = "slot " + std::to_string(source.number) + " was copied but not removed: " + error;
    return false;
}

bool DeleteSlot(const SlotFiles& slot, std::string& error) {
    if (!CheckTargetSlot(slot, error)) return false;
    std::vector<std::pair<fs::path, fs::path>> moved;
    for (const SlotFile* file : {&slot.description, &slot.data}) {
        if (!file->exists()) continue;
        fs::path aside = AsideName(file->path);
        std::error_code ec;
        fs::rename(file->path, aside, ec);
        if (ec) {
            for (const auto& [from, to] : moved) fs::rename(to, from, ec);
            error = file->path.string() + " could not be deleted: " + ec.message();
            return false;
        }
        moved.emplace_back(file->path, aside);
    }
    for (const auto& [from, aside] : moved) {
        std::error_code ec;
        fs::remove(aside, ec);
    }
    return true;
}

bool WriteSlotDescription(const SlotFiles& slot, std::string_view text, std::string& error) {
    if (!CheckOneSpelling(slot.description, error)) return false;
    std::string why;
    if (WriteFileAtomically(slot.description.path, std::string(text), why)) return true;
    error = slot.description.path.string() + " could not be written: " + Reason(slot.description.path, why);
    return false;
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
    if (live.occupied()) {
        fs::path backupFolder = FindBackupFolder(slotFolder);
        if (backupFolder.empty()) {
            error = (slotFolder / kBackupFolderName).string() + " is missing: e-mail slot " +
                    std::to_string(k) + " cannot be backed up";
            return false;
        }
        if (!CopySlot(live, FindBackupFiles(backupFolder, k), error)) return false;
    }
    return CopySlot(source, live, error);
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
