#pragma once

#include "obdata/dochistory.h"
#include "obdata/docobserver.h"
#include "obdata/records.h"
#include "obdata/vocabulary.h"

#include <array>
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

    // Changed since loaded or saved: the history stands elsewhere than at the state on disk, or an
    // editor holds changes not confirmed yet.
    bool IsModified() const { return modified_; }
    // true: an editor changed records in place (confirmed later by its OK). false: the state now is
    // the one on disk.
    void SetModifiedFlag(bool modified = true);
    // The records differ from what was last loaded or saved: the history stands elsewhere, or an
    // editor changed the tables without confirming yet. Unlike the flag, an editor merely opened
    // does not count.
    bool DiffersFromDisk() const { return !history_.AtSavedPoint() || LiveEditsPending(); }
    // The file was deleted or renamed on disk: no state of the document is saved any more.
    void MarkFileGone();

    // The undo history. Every command that changes records ends in one step of it.
    const DocHistory& History() const { return history_; }
    // The slots of each table (0 weapons, 1 units, 2 formations) a command changed.
    using SlotsByTable = std::array<std::vector<int>, 3>;
    // One step named name of the records at slots that differ from their state after the last step:
    // a paste, drop or import. The snapshot tables keep their values. False when nothing differed.
    bool RecordStep(const std::string& name, const SlotsByTable& changed);
    // An editor's OK: the table becomes its snapshot, as one step of every record that changed.
    bool CommitEdit(int table);
    // An editor's Cancel: the snapshot is copied back over the table. When that takes back records of
    // earlier steps (a paste or import made since the last OK), it is a step of its own.
    void RevertEdit(int table);
    // Restores the records of the last step (Undo) or of the step undone last (Redo), in the tables and
    // the snapshot tables alike, and tells the views which rows changed. False when there is none.
    bool Undo();
    bool Redo();
    // "Undo Edit Unit 17 Tiger I"; "Undo" alone when there is nothing to undo. The same for Redo.
    std::string UndoText() const;
    std::string RedoText() const;

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
    template <class Fn> void WithTable(int table, Fn fn);
    bool LiveEditsPending() const;
    // False when the step changes nothing the file can hold.
    bool PushStep(HistoryStep step);
    // The step's records become what the file would read back as, so no step holds a value its
    // layout cannot keep (another nation in a one-nation file, a field of a slot without a name).
    void KeepWhatTheFileHolds(HistoryStep& step);
    // The name list's entry for the slot follows its record.
    void SyncNameList(int table, int slot);
    void ApplyStep(const HistoryStep& step, bool forward);
    void UpdateModified();
    // After a step of an editor closing: a save made while it held changes wrote a state that no
    // step reaches.
    void ForgetLiveSave();

    DocHistory history_;
    // The tables as the last step left them; whatever else the tables hold an editor has not
    // confirmed yet.
    std::vector<CWeaponRecord> committedWeapons_;
    std::vector<CUnitRecord> committedUnits_;
    std::vector<CFormationRecord> committedFormations_;
    bool pending_ = false;
    bool savedWithLiveEdits_ = false;

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
