#include "obdata/quorvantdoc.h"

#include "obdata/filecompleteness.h"
#include "obdata/generation.h"
#include "obdata/oblayout.h"
#include "obdata/obreader.h"
#include "obdata/obwriter.h"
#include "obdata/overwriteguard.h"
#include "platform/fileio.h"
#include "platform/pathresolve.h"

#include <algorithm>
#include <cstdio>

namespace quorvant {
namespace {

bool FileHolds(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || std::filesystem::file_size(path, ec) != bytes.size() ||
        ec)
        return false;
    std::string ignored;
    auto onDisk = ReadWholeFile(path, ignored);
    return onDisk && *onDisk == bytes;
}

} // namespace

CQuorvantDoc::CQuorvantDoc(int defaultGeneration)
    : Generation(IsValidGeneration(defaultGeneration) ? defaultGeneration : kBW1) {}

bool CQuorvantDoc::OnOpenDocument(const std::filesystem::path& path, LoadProgress* progress) {
    ClearTables();
    std::string why;
    auto bytes = ReadWholeFile(path, why);
    if (!bytes) {
        lastErrorDetail_ = why;
        ReportError("Error Opening file!");
        return false;
    }
    folder_ = path.parent_path();
    fileName_ = path.filename().string();
    loadedFromFile_ = true;
    ReadBytes(std::move(*bytes), progress);
    return true;
}

void CQuorvantDoc::ReadBytes(std::vector<std::uint8_t> bytes, LoadProgress* progress) {
    ClearTables();
    ReadOBImage(*this, bytes, progress);
    fileSize_ = bytes.size();
    fileComplete_ = IsCompleteFileSize(fileSize_, Generation);
    // The views show whatever table the document is set to; a new document shows its units.
    original_ = std::move(bytes);
    read_ = true;
    TakeSnapshots();
    history_.Clear();
    savedWithLiveEdits_ = false;
    UpdateAllViews(ViewMode);
    SetModifiedFlag(false);
    SetTitle(title_);
    for (DocObserver* o : std::vector<DocObserver*>(observers_)) o->onHistoryChanged();
}

namespace {

// The formation strengths that tell a BW3 file from a BW2 one, named as the formation editor shows
// them: the strengths of Unit 1 to Unit 10 of formation 0 "HQ" or the strengths of Unit 1 to Unit 5
// of formation 1 "1st Coy".
std::string DecidingStrengths(const std::vector<CFormationRecord>& formations) {
    std::string text;
    std::size_t left = layout::kGenerationProbeBytes;
    for (std::size_t slot = 0; left > 0; ++slot) {
        const std::size_t entries = std::min<std::size_t>(left, kFormationEntries);
        left -= entries;
        if (!text.empty()) text += left == 0 ? " or " : ", ";
        text += "the strengths of Unit 1 to Unit " + std::to_string(entries) + " of formation " +
                std::to_string(slot);
        if (slot < formations.size() && !formations[slot].Name.trimmed().empty())
            text += " \"" + formations[slot].Name.trimmed() + "\"";
    }
    return text;
}

} // namespace

bool CQuorvantDoc::OnSaveDocument(const std::filesystem::path& path, std::string& error) {
    std::vector<std::uint8_t> image = BuildOBImage(*this);
    // The generation is not stored: BW3 is told from BW2 by the first fifteen strength bytes. A file
    // whose strengths there are all zero would reopen as another generation, so it is not written.
    if (int reopened = DetectGeneration(image); reopened != Generation) {
        error = path.string() + ": the file would reopen as " + GenerationLabel(reopened) + ", not " +
                GenerationLabel(Generation) +
                (Generation == kBW3 ? " (a BW3 file needs a strength above 0 among "
                                    : " (only a BW3 file may have a strength above 0 among ") +
                DecidingStrengths(Formations) + "; change them in the formation editor)";
        return false;
    }
    // A file that already holds these bytes is left alone, so its time stamp does not claim a change.
    if (!FileHolds(path, image) &&
        (!GuardOverwrite(path, Generation, error) || !WriteFileAtomically(path, image, error)))
        return false;
    // The records now show what the file reads back as, not a value its layout cannot keep (another
    // nation in a one-nation BW2 or BW3 file, a field of a slot without a name).
    CQuorvantDoc written;
    ReadOBImage(written, image, nullptr);
    Weapons = std::move(written.Weapons);
    Units = std::move(written.Units);
    Formations = std::move(written.Formations);
    fileSize_ = image.size();
    fileComplete_ = true;
    original_ = std::move(image);
    folder_ = path.parent_path();
    fileName_ = path.filename().string();
    loadedFromFile_ = true;
    // What an open editor has not confirmed went to disk too; no step reaches that state.
    savedWithLiveEdits_ = LiveEditsPending();
    SetModifiedFlag(false);
    SetTitle(title_);
    return true;
}

void CQuorvantDoc::ClearTables() {
    Weapons.clear();
    Units.clear();
    Formations.clear();
    SnapshotWeapons.clear();
    SnapshotUnits.clear();
    SnapshotFormations.clear();
    committedWeapons_.clear();
    committedUnits_.clear();
    committedFormations_.clear();
    Lists.DateList.clear();
    Lists.UnitClassList.clear();
}

void CQuorvantDoc::BuildLists() {
    Lists.build(Generation);
}

void CQuorvantDoc::TakeSnapshots() {
    SnapshotWeapons = Weapons;
    SnapshotUnits = Units;
    SnapshotFormations = Formations;
    committedWeapons_ = Weapons;
    committedUnits_ = Units;
    committedFormations_ = Formations;
}

std::string CQuorvantDoc::ComputeTitle(const std::string& proposed) const {
    if (!loadedFromFile_) return proposed;
    if (Generation == kBW1) return fileName_;
    char own[16];
    std::snprintf(own, sizeof own, "%s%02d", Generation == kBW2 ? "MOB" : "KOB", FileNation);
    // A file under another name than its nation's (a copy saved as) is named as it is on disk.
    const std::string file = EqualsIgnoringAsciiCase(fileName_, own) ? std::string(own) : fileName_;
    return file + " - " + EntryOrEmpty(Lists.NationList, NationPosition(FileNation));
}

void CQuorvantDoc::SetTitle(const std::string& proposed) {
    std::string title = ComputeTitle(proposed);
    if (title == title_) return;
    title_ = title;
    for (DocObserver* o : observers_) o->onTitleChanged(title_);
}

void CQuorvantDoc::OnViewMode(int mode) {
    UpdateAllViews(mode);
    ViewMode = mode;
}

void CQuorvantDoc::AddObserver(DocObserver* observer) {
    if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void CQuorvantDoc::RemoveObserver(DocObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void CQuorvantDoc::UpdateAllViews(int hint) {
    // A copy: an observer may unsubscribe while being told.
    std::vector<DocObserver*> observers = observers_;
    for (DocObserver* o : observers) o->onDocumentUpdate(hint);
}

void CQuorvantDoc::ReportError(const std::string& message) {
    if (ErrorHandler) ErrorHandler(message);
}

} // namespace quorvant
