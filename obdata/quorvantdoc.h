#pragma once

#include "obdata/docobserver.h"
#include "obdata/records.h"
#include "obdata/vocabulary.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorvant {

constexpr int kWeaponSlots = 250;
constexpr int kUnitSlots = 250;
constexpr int kFormationSlots = 200;

enum ViewModeValue : int { kViewWeapons = 0, kViewUnits = 1, kViewFormations = 2 };

// One open OB file: its three tables, their snapshots, the vocabulary of its generation and the
// per-document state the views and editors share.
class CQuorvantDoc {
  public:
    explicit CQuorvantDoc(int defaultGeneration = 0);
    CQuorvantDoc(const CQuorvantDoc&) = delete;
    CQuorvantDoc& operator=(const CQuorvantDoc&) = delete;

    // Reads an OB file into the document. On failure the error is reported through the error
    // handler ("Error Opening file!" when it cannot be read) and the document stays empty.
    bool OnOpenDocument(const std::filesystem::path& path, LoadProgress* progress = nullptr);
    // Reads OB bytes already in memory (the file is not touched).
    void ReadBytes(std::vector<std::uint8_t> bytes, LoadProgress* progress = nullptr);
    // Writes the document to path atomically; on success it becomes the document's file and the
    // document is unmodified. On failure returns false with the reason in error.
    bool OnSaveDocument(const std::filesystem::path& path, std::string& error);

    int Generation = 0;
    int FileNation = 0;
    int ViewMode = kViewUnits;

    std::vector<CWeaponRecord> Weapons;
    std::vector<CUnitRecord> Units;
    std::vector<CFormationRecord> Formations;
    std::vector<CWeaponRecord> SnapshotWeapons;
    std::vector<CUnitRecord> SnapshotUnits;
    std::vector<CFormationRecord> SnapshotFormations;

    std::vector<std::string> UnitNameList;
    std::vector<std::string> FormationNameList;
    Vocabulary Lists;

    // The editors' single-record copy buffers.
    std::optional<CUnitRecord> UnitCopyBuffer;
    std::optional<CWeaponRecord> CopiedWeapon;

    // Slot counts loaded; -1 before anything was loaded.
    int WeaponCount() const { return read_ ? static_cast<int>(Weapons.size()) : -1; }
    int UnitCount() const { return read_ ? static_cast<int>(Units.size()) : -1; }
    int FormationCount() const { return read_ ? static_cast<int>(Formations.size()) : -1; }

    bool LoadedFromFile() const { return loadedFromFile_; }
    const std::filesystem::path& Folder() const { return folder_; }
    const std::string& FileName() const { return fileName_; }
    std::filesystem::path PathName() const { return folder_ / fileName_; }
    // How many bytes were read, and whether they held a whole OB file (see filecompleteness.h). A saved
    // document is complete.
    std::size_t FileSize() const { return fileSize_; }
    bool IsFileComplete() const { return fileComplete_; }
    // The bytes of the file as read: the writer keeps them wherever a field was not changed.
    const std::vector<std::uint8_t>& OriginalBytes() const { return original_; }

    void ClearTables();
    void BuildLists();
    void TakeSnapshots();

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true);

    // Applies the title rule: a document read from a file names itself; any other keeps proposed.
    void SetTitle(const std::string& proposed);
    const std::string& GetTitle() const { return title_; }

    // The Weapons / Units / Formations commands: the views are told first, then the mode is set.
    void OnViewMode(int mode);
    // Their command state: a command is checked and disabled while its mode is the current one.
    bool IsViewModeCurrent(int mode) const { return ViewMode == mode; }

    void AddObserver(DocObserver* observer);
    void RemoveObserver(DocObserver* observer);
    void UpdateAllViews(int hint);

    // Shows a failure to the user; the application routes it to an exclamation box.
    std::function<void(const std::string&)> ErrorHandler;
    void ReportError(const std::string& message);
    // Why the last open failed, for callers that can say more than the message box does.
    const std::string& LastErrorDetail() const { return lastErrorDetail_; }

  private:
    std::string ComputeTitle(const std::string& proposed) const;

    bool read_ = false;
    bool loadedFromFile_ = false;
    bool modified_ = false;
    bool fileComplete_ = true;
    std::size_t fileSize_ = 0;
    std::filesystem::path folder_;
    std::string fileName_;
    std::string title_;
    std::string lastErrorDetail_;
    std::vector<std::uint8_t> original_;
    std::vector<DocObserver*> observers_;
};

} // namespace quorvant
