#include "gamemgr/archiveoperations.h"

#include "gamemgr/archivenames.h"
#include "gamemgr/slotfiles.h"
#include "gamemgr/slotoperations.h"
#include "platform/fileio.h"
#include "platform/filereplacement.h"

#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace quorvant {
namespace {

// Creates one folder that must not exist yet.
bool MakeFolder(const fs::path& path, std::string& error) {
    std::string why;
    if (Files().CreateFolder(path, why)) return true;
    error = path.string() + " cannot be created: " + why;
    return false;
}

// A hidden folder of its own for one unpack, removed with whatever is left in it.
class StagingFolder {
  public:
    bool Create(const fs::path& beside, std::string& error) {
        fs::path path = TemporaryPathBeside(beside / "unpack");
        if (!MakeFolder(path, error)) return false;
        path_ = path;
        return true;
    }
    // False with error when the folder is left behind.
    bool Remove(std::string& error) {
        std::string why;
        if (path_.empty() || Files().RemoveAll(path_, why)) {
            path_.clear();
            return true;
        }
        error = "the unpacking folder " + path_.string() + " could not be removed: " + why;
        path_.clear();
        return false;
    }
    ~StagingFolder() {
        std::string ignored;
        Remove(ignored);
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

// The slot folder's "ZipFiles" folder, made when it is missing and removed again unless kept.
class CreatedZipFolder {
  public:
    bool Find(const fs::path& slotFolder, std::string& error) {
        path_ = FindZipFolder(slotFolder);
        if (!path_.empty()) return true;
        path_ = slotFolder / kZipFolderName;
        created_ = MakeFolder(path_, error);
        return created_;
    }
    void Keep() { created_ = false; }
    ~CreatedZipFolder() {
        std::string ignored;
        if (created_) Files().Remove(path_, ignored);
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
    bool created_ = false;
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

// Moves the staged files over their targets as one, then tidies the staging folder away.
bool InstallFiles(const std::vector<std::pair<fs::path, fs::path>>& moves, StagingFolder& staging,
                  std::string& error) {
    FileReplacement replacement;
    for (const auto& [from, to] : moves) replacement.StageFile(from, to, false);
    return replacement.Commit(error) && staging.Remove(error);
}

std::optional<fs::path> ZipFolderFor(const fs::path& slotFolder, const GameMode& mode, int number,
                                     std::string& error) {
    error = ArchiveCommandRefusal(slotFolder, mode, number);
    if (!error.empty()) return std::nullopt;
    return FindZipFolder(slotFolder);
}

} // namespace

std::string ArchiveNumberRefusal(const GameMode& mode, int number) {
    if (IsArchiveSlot(mode, number)) return {};
    return "slot " + std::to_string(number) + " has no archive (archives are kept for slots " +
           std::to_string(mode.FirstRowSlot()) + " to " + std::to_string(LastArchiveSlot(mode)) + ")";
}

std::string ArchiveCommandRefusal(const fs::path& slotFolder, const GameMode& mode, int number) {
    std::string refusal = ArchiveNumberRefusal(mode, number);
    if (refusal.empty() && FindZipFolder(slotFolder).empty())
        refusal = (slotFolder / kZipFolderName).string() + " is missing";
    return refusal;
}

bool ZipSlot(const fs::path& slotFolder, const GameMode& mode, int number, Archiver& archiver,
             std::string& error) {
    error = ArchiveNumberRefusal(mode, number);
    if (!error.empty()) return false;
    SlotFiles slot = FindSlotFiles(slotFolder, mode, number);
    if (!CheckSourceSlot(slot, error)) return false;
    CreatedZipFolder zipFolder;
    if (!zipFolder.Find(slotFolder, error)) return false;
    SlotFiles archive = FindArchiveFiles(zipFolder.path(), mode, number);
    if (!CheckTargetSlot(archive, error)) return false;
    const std::string descriptionName = mode.DescriptionFileName(number);
    const std::string dataName = mode.DataFileName(number);
    // Over an existing archive the new one is built under a name of its own, and the old one and its
    // copy stay until the new pair is complete and checked; otherwise it is built in its own place
    // (an outside archiver is then given the archive's real name) and removed again on failure.
    FileReplacement replacement;
    fs::path fresh = archive.data.path;
    if (archive.data.exists()) {
        fresh = TemporaryPathBeside(archive.data.path) += ".zip";
        replacement.StageFile(fresh, archive.data.path, true);
    }
    auto packAndCommit = [&] {
        if (!archiver.Pack(fresh, {slot.description.path, descriptionName}, {slot.data.path, dataName},
                           error))
            return false;
        std::string why;
        std::vector<ArchiveEntryInfo> entries;
        if (!ReadArchiveEntries(fresh, entries, why) ||
            !CheckSlotArchiveEntries(entries, descriptionName, dataName, why)) {
            error =
                "packing slot " + std::to_string(number) + " gave no archive holding its two files: " + why;
            return false;
        }
        return replacement.StageCopy(slot.description.path, archive.description.path, error) &&
               replacement.Commit(error);
    };
    bool ok = packAndCommit();
    std::string ignored;
    if (!replacement.committed() && fresh == archive.data.path) Files().Remove(fresh, ignored);
    if (replacement.committed()) zipFolder.Keep();
    return ok;
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
    return InstallFiles({{staged.data, slot.data.path}, {staged.description, slot.description.path}}, staging,
                        error);
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
            !InstallFiles({{staged.description, zipFolder / mode.DescriptionFileName(number)}}, staging,
                          why)) {
            result.refused.push_back(why);
            continue;
        }
        result.recovered.push_back(number);
    }
    return true;
}

} // namespace quorvant
