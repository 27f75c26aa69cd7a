#include "gamemgr/archiveoperations.h"

#include "gamemgr/archivenames.h"
#include "gamemgr/slotfiles.h"
#include "gamemgr/slotoperations.h"
#include "platform/fileio.h"

#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace quorvant {
namespace {

ArchiveInstallHook& InstallHook() {
    static ArchiveInstallHook hook;
    return hook;
}

// A hidden folder of its own for one unpack, removed with whatever is left in it.
class StagingFolder {
  public:
    bool Create(const fs::path& beside, std::string& error) {
        path_ = TemporaryPathBeside(beside / "unpack");
        std::error_code ec;
        if (fs::create_directory(path_, ec)) return true;
        error = path_.string() + " cannot be created: " + ec.message();
        path_.clear();
        return false;
    }
    ~StagingFolder() {
        std::error_code ec;
        if (!path_.empty()) fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

struct StagedSlot {
    fs::path description;
    fs::path data;
};

// Unpacks archive of slot number into staging and finds the slot's two files there. The archive is
// checked before any archiver sees it, and what the archiver left is checked again, since an outside
// one may not keep to the contract.
bool UnpackSlotArchive(const fs::path& archive, const GameMode& mode, int number, Archiver& archiver,
                       const StagingFolder& staging, StagedSlot& staged, std::string& error) {
    const std::string descriptionName = mode.DescriptionFileName(number);
    const std::string dataName = mode.DataFileName(number);
    std::vector<ArchiveEntryInfo> entries;
    if (!ReadArchiveEntries(archive, entries, error)) return false;
    if (!CheckSlotArchiveEntries(entries, descriptionName, dataName, error)) {
        error = archive.string() + ": " + error;
        return false;
    }
    if (!archiver.Unpack(archive, staging.path(), error)) return false;
    FolderIndex index(staging.path());
    std::vector<fs::path> descriptions = index.Find(descriptionName);
    std::vector<fs::path> data = index.Find(dataName);
    std::size_t files = 0;
    std::error_code ec;
    for (fs::directory_iterator it(staging.path(), ec), end; !ec && it != end; it.increment(ec)) ++files;
    if (descriptions.size() != 1 || data.size() != 1 || files != 2) {
        error =
            "unpacking " + archive.string() + " did not give exactly " + descriptionName + " and " + dataName;
        return false;
    }
    staged = {descriptions.front(), data.front()};
    return true;
}

// Renames each staged file over its target; when one fails, the targets already replaced get
// their old files back.
bool InstallFiles(const std::vector<std::pair<fs::path, fs::path>>& moves, std::string& error) {
    struct Done {
        fs::path target;
        fs::path aside; // empty when the target did not exist
    };
    std::vector<Done> done;
    auto rollBack = [&] {
        std::error_code ec;
        for (auto it = done.rbegin(); it != done.rend(); ++it) {
            if (it->aside.empty())
                fs::remove(it->target, ec);
            else
                fs::rename(it->aside, it->target, ec);
        }
    };
    for (const auto& [from, to] : moves) {
        Done step{to, {}};
        std::error_code ec;
        if (fs::exists(fs::symlink_status(to, ec))) {
            step.aside = TemporaryPathBeside(to);
            fs::rename(to, step.aside, ec);
            if (ec) {
                rollBack();
                error = to.string() + " cannot be replaced: " + ec.message();
                return false;
            }
        }
        std::string why = InstallHook() ? InstallHook()(to) : std::string();
        if (why.empty()) {
            fs::rename(from, to, ec);
            if (ec) why = ec.message();
        }
        if (!why.empty()) {
            if (!step.aside.empty()) fs::rename(step.aside, to, ec);
            rollBack();
            error = to.string() + " cannot be replaced: " + why;
            return false;
        }
        done.push_back(step);
    }
    std::error_code ec;
    for (const Done& d : done)
        if (!d.aside.empty()) fs::remove(d.aside, ec);
    return true;
}

std::optional<fs::path> ZipFolderFor(const fs::path& slotFolder, const GameMode& mode, int number,
                                     std::string& error) {
    error = ArchiveCommandRefusal(slotFolder, mode, number);
    if (!error.empty()) return std::nullopt;
    return FindZipFolder(slotFolder);
}

} // namespace

void SetArchiveInstallHookForTesting(ArchiveInstallHook hook) {
    InstallHook() = std::move(hook);
}

std::string ArchiveCommandRefusal(const fs::path& slotFolder, const GameMode& mode, int number) {
    if (!IsArchiveSlot(mode, number))
        return "slot " + std::to_string(number) + " has no archive (archives are kept for slots " +
               std::to_string(mode.FirstRowSlot()) + " to " + std::to_string(LastArchiveSlot(mode)) + ")";
    if (FindZipFolder(slotFolder).empty()) return (slotFolder / kZipFolderName).string() + " is missing";
    return {};
}

bool ZipSlot(const fs::path& slotFolder, const GameMode& mode, int number, Archiver& archiver,
             std::string& error) {
    std::optional<fs::path> zipFolder = ZipFolderFor(slotFolder, mode, number, error);
    if (!zipFolder) return false;
    SlotFiles slot = FindSlotFiles(slotFolder, mode, number);
    SlotFiles archive = FindArchiveFiles(*zipFolder, mode, number);
    if (!CheckSourceSlot(slot, error) || !CheckTargetSlot(archive, error)) return false;
    std::string why;
    auto description = ReadWholeFile(slot.description.path, why);
    if (!description) {
        error = slot.description.path.string() + " cannot be read: " + why;
        return false;
    }
    const std::string descriptionName = mode.DescriptionFileName(number);
    const std::string dataName = mode.DataFileName(number);
    // Over an existing archive the new one is built beside it; otherwise in its own place.
    fs::path fresh = archive.data.path;
    if (archive.data.exists()) fresh = TemporaryPathBeside(archive.data.path) += ".zip";
    std::error_code ec;
    auto dropFresh = [&] { fs::remove(fresh, ec); };
    if (!archiver.Pack(fresh, {slot.description.path, descriptionName}, {slot.data.path, dataName}, error)) {
        dropFresh();
        return false;
    }
    std::vector<ArchiveEntryInfo> entries;
    if (!ReadArchiveEntries(fresh, entries, why) ||
        !CheckSlotArchiveEntries(entries, descriptionName, dataName, why)) {
        dropFresh();
        error = "packing slot " + std::to_string(number) + " gave no archive holding its two files: " + why;
        return false;
    }
    // The old archive stays aside until the new one and its copy are both in place.
    fs::path aside;
    if (archive.data.exists()) {
        aside = TemporaryPathBeside(archive.data.path);
        fs::rename(archive.data.path, aside, ec);
        if (ec) {
            dropFresh();
            error = archive.data.path.string() + " cannot be replaced: " + ec.message();
            return false;
        }
    }
    auto putBack = [&] {
        if (!aside.empty()) fs::rename(aside, archive.data.path, ec);
    };
    if (fresh != archive.data.path) fs::rename(fresh, archive.data.path, ec);
    if (ec) {
        error = archive.data.path.string() + " cannot be replaced: " + ec.message();
        dropFresh();
        putBack();
        return false;
    }
    if (!WriteFileAtomically(archive.description.path, *description, why)) {
        fs::remove(archive.data.path, ec);
        putBack();
        error = why;
        return false;
    }
    if (!aside.empty()) fs::remove(aside, ec);
    return true;
}

bool UnzipSlot(const fs::path& slotFolder, const GameMode& mode, int number, Archiver& archiver,
               std::string& error) {
    std::optional<fs::path> zipFolder = ZipFolderFor(slotFolder, mode, number, error);
    if (!zipFolder) return false;
    SlotFiles archive = FindArchiveFiles(*zipFolder, mode, number);
    SlotFiles slot = FindSlotFiles(slotFolder, mode, number);
    if (!archive.data.exists()) {
        error = "slot " + std::to_string(number) + " has no archive (" + archive.data.path.string() +
                " is missing)";
        return false;
    }
    if (!CheckTargetSlot(archive, error) || !CheckTargetSlot(slot, error)) return false;
    StagingFolder staging;
    StagedSlot staged;
    if (!staging.Create(slotFolder, error) ||
        !UnpackSlotArchive(archive.data.path, mode, number, archiver, staging, staged, error))
        return false;
    return InstallFiles({{staged.data, slot.data.path}, {staged.description, slot.description.path}}, error);
}

bool DeleteArchive(const fs::path& slotFolder, const GameMode& mode, int number, std::string& error) {
    std::optional<fs::path> zipFolder = ZipFolderFor(slotFolder, mode, number, error);
    if (!zipFolder) return false;
    SlotFiles archive = FindArchiveFiles(*zipFolder, mode, number);
    if (!archive.data.exists() && !archive.description.exists()) {
        error = "slot " + std::to_string(number) + " has no archive (neither " + archive.data.path.string() +
                " nor " + archive.description.path.string() + " exists)";
        return false;
    }
    return DeleteSlot(archive, error);
}

bool UpdateArchiveCopies(const fs::path& slotFolder, const GameMode& mode, Archiver& archiver,
                         UpdateResult& result, std::string& error) {
    fs::path zipFolder = FindZipFolder(slotFolder);
    if (zipFolder.empty()) {
        error = (slotFolder / kZipFolderName).string() + " is missing";
        return false;
    }
    FolderIndex index(zipFolder);
    for (int number = mode.FirstRowSlot(); number <= LastArchiveSlot(mode); ++number) {
        std::vector<fs::path> archives = index.Find(ArchiveFileName(mode, number));
        if (archives.empty() || !index.Find(mode.DescriptionFileName(number)).empty()) continue;
        std::string why;
        if (archives.size() > 1) {
            result.refused.push_back("the archive exists under two spellings: " + archives[0].string() +
                                     " and " + archives[1].string());
            continue;
        }
        StagingFolder staging;
        StagedSlot staged;
        if (!staging.Create(zipFolder, why) ||
            !UnpackSlotArchive(archives.front(), mode, number, archiver, staging, staged, why) ||
            !InstallFiles({{staged.description, zipFolder / mode.DescriptionFileName(number)}}, why)) {
            result.refused.push_back(why);
            continue;
        }
        result.recovered.push_back(number);
    }
    return true;
}

} // namespace quorvant
