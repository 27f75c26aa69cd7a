// The document's side of its undo history: which records a command changed, and putting them back.

#include "obdata/quorvantdoc.h"

#include "obdata/obreader.h"
#include "obdata/obwriter.h"

#include <algorithm>
#include <type_traits>

namespace quorvant {
namespace {

const char* RecordWord(int table) {
    switch (table) {
    case kViewWeapons:
        return "Weapon";
    case kViewFormations:
        return "Formation";
    default:
        return "Unit";
    }
}

template <class Rec>
void Diff(int table, bool snapshot, const std::vector<Rec>& was, const std::vector<Rec>& now,
          const std::vector<int>* slots, std::vector<RecordChange>& out) {
    const int count = static_cast<int>(std::min(was.size(), now.size()));
    auto compare = [&](int slot) {
        if (slot < 0 || slot >= count) return;
        const auto s = static_cast<std::size_t>(slot);
        if (!(was[s] == now[s])) out.push_back(RecordChange{table, snapshot, slot, was[s], now[s]});
    };
    if (!slots) {
        for (int slot = 0; slot < count; ++slot) compare(slot);
        return;
    }
    std::vector<int> sorted = *slots;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (int slot : sorted) compare(slot);
}

// "Edit Unit 17 Tiger I" for one record, "Edit 3 Units" for more.
std::string EditStepName(int table, const std::vector<RecordChange>& changes) {
    std::vector<int> slots;
    for (const RecordChange& c : changes) slots.push_back(c.slot);
    std::sort(slots.begin(), slots.end());
    slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
    if (slots.size() != 1) return "Edit " + std::to_string(slots.size()) + " " + RecordWord(table) + "s";
    std::string name;
    for (const RecordChange& c : changes)
        if (!c.snapshot || name.empty())
            name = std::visit([](const auto& r) { return r.Name.trimmed(); }, c.after);
    std::string text = std::string("Edit ") + RecordWord(table) + " " + std::to_string(slots.front());
    return name.empty() ? text : text + " " + name;
}

} // namespace

template <class Fn> void CQuorvantDoc::WithTable(int table, Fn fn) {
    switch (table) {
    case kViewWeapons:
        fn(Weapons, SnapshotWeapons, committedWeapons_);
        break;
    case kViewUnits:
        fn(Units, SnapshotUnits, committedUnits_);
        break;
    case kViewFormations:
        fn(Formations, SnapshotFormations, committedFormations_);
        break;
    default:
        break;
    }
}

bool CQuorvantDoc::LiveEditsPending() const {
    return Weapons != committedWeapons_ || Units != committedUnits_ || Formations != committedFormations_;
}

void CQuorvantDoc::UpdateModified() {
    const bool modified = pending_ || !history_.AtSavedPoint();
    if (modified_ == modified) return;
    modified_ = modified;
    for (DocObserver* o : std::vector<DocObserver*>(observers_)) o->onModifiedChanged(modified);
}

void CQuorvantDoc::SetModifiedFlag(bool modified) {
    if (modified) {
        pending_ = true;
    } else {
        history_.MarkSaved();
        pending_ = false;
    }
    UpdateModified();
}

void CQuorvantDoc::MarkFileGone() {
    history_.MarkSavedUnreachable();
    UpdateModified();
}

void CQuorvantDoc::ForgetLiveSave() {
    if (!savedWithLiveEdits_) return;
    savedWithLiveEdits_ = false;
    history_.MarkSavedUnreachable();
}

void CQuorvantDoc::KeepWhatTheFileHolds(HistoryStep& step) {
    if (step.changes.empty()) return;
    CQuorvantDoc file;
    ReadOBImage(file, BuildOBImage(*this), nullptr, Generation);
    SlotsByTable kept;
    for (RecordChange& change : step.changes) {
        if (change.snapshot) continue;
        WithTable(change.table, [&](auto& records, auto& snapshot, auto& committed) {
            file.WithTable(change.table, [&](auto& readBack, auto&, auto&) {
                using Rec = typename std::decay_t<decltype(records)>::value_type;
                if constexpr (std::is_same_v<std::decay_t<decltype(readBack)>, std::vector<Rec>>) {
                    const auto s = static_cast<std::size_t>(change.slot);
                    const Rec* after = std::get_if<Rec>(&change.after);
                    if (!after || s >= readBack.size() || s >= records.size() || *after == readBack[s])
                        return;
                    const Rec value = readBack[s];
                    if (s < snapshot.size() && snapshot[s] == *after) snapshot[s] = value;
                    for (RecordChange& twin : step.changes)
                        if (twin.snapshot && twin.table == change.table && twin.slot == change.slot)
                            twin.after = value;
                    records[s] = value;
                    if (s < committed.size()) committed[s] = value;
                    change.after = value;
                    kept[static_cast<std::size_t>(change.table)].push_back(change.slot);
                }
            });
        });
        SyncNameList(change.table, change.slot);
    }
    step.changes.erase(std::remove_if(step.changes.begin(), step.changes.end(),
                                      [](const RecordChange& c) { return c.before == c.after; }),
                       step.changes.end());
    for (int table = kViewWeapons; table <= kViewFormations; ++table)
        if (!kept[static_cast<std::size_t>(table)].empty())
            for (DocObserver* o : std::vector<DocObserver*>(observers_))
                o->onRecordsChanged(table, kept[static_cast<std::size_t>(table)]);
}

void CQuorvantDoc::SyncNameList(int table, int slot) {
    const auto s = static_cast<std::size_t>(slot);
    if (table == kViewUnits && s < UnitNameList.size() && s < Units.size())
        UnitNameList[s] = Units[s].Name.str();
    if (table == kViewFormations && s < FormationNameList.size() && s < Formations.size())
        FormationNameList[s] = Formations[s].Name.str();
}

bool CQuorvantDoc::PushStep(HistoryStep step) {
    KeepWhatTheFileHolds(step);
    if (step.changes.empty()) {
        UpdateModified();
        return false;
    }
    history_.Push(std::move(step));
    UpdateModified();
    for (DocObserver* o : std::vector<DocObserver*>(observers_)) o->onHistoryChanged();
    return true;
}

bool CQuorvantDoc::RecordStep(const std::string& name, const SlotsByTable& slots) {
    HistoryStep step{name, {}};
    for (int table = kViewWeapons; table <= kViewFormations; ++table) {
        const std::vector<int>& changed = slots[static_cast<std::size_t>(table)];
        if (changed.empty()) continue;
        WithTable(table, [&](auto& records, auto&, auto& committed) {
            const std::size_t first = step.changes.size();
            Diff(table, false, committed, records, &changed, step.changes);
            for (std::size_t i = first; i < step.changes.size(); ++i) {
                const auto s = static_cast<std::size_t>(step.changes[i].slot);
                committed[s] = records[s];
            }
        });
    }
    return PushStep(std::move(step));
}

bool CQuorvantDoc::CommitEdit(int table) {
    HistoryStep step;
    WithTable(table, [&](auto& records, auto& snapshot, auto& committed) {
        Diff(table, false, committed, records, nullptr, step.changes);
        Diff(table, true, snapshot, records, nullptr, step.changes);
        snapshot = records;
        committed = records;
    });
    ForgetLiveSave();
    pending_ = LiveEditsPending();
    if (step.changes.empty()) {
        UpdateModified();
        return false;
    }
    step.name = EditStepName(table, step.changes);
    return PushStep(std::move(step));
}

void CQuorvantDoc::RevertEdit(int table) {
    HistoryStep step{std::string("Revert ") + RecordWord(table) + "s", {}};
    WithTable(table, [&](auto& records, auto& snapshot, auto& committed) {
        if (records != snapshot) records = snapshot;
        Diff(table, false, committed, records, nullptr, step.changes);
        committed = records;
    });
    ForgetLiveSave();
    pending_ = LiveEditsPending();
    PushStep(std::move(step));
}

void CQuorvantDoc::ApplyStep(const HistoryStep& step, bool forward) {
    SlotsByTable shown;
    auto apply = [&](const RecordChange& change) {
        WithTable(change.table, [&](auto& records, auto& snapshot, auto& committed) {
            using Rec = typename std::decay_t<decltype(records)>::value_type;
            const Rec* value = std::get_if<Rec>(forward ? &change.after : &change.before);
            auto& target = change.snapshot ? snapshot : records;
            const auto s = static_cast<std::size_t>(change.slot);
            if (!value || change.slot < 0 || s >= target.size()) return;
            target[s] = *value;
            if (change.snapshot) return;
            if (s < committed.size()) committed[s] = *value;
            shown[static_cast<std::size_t>(change.table)].push_back(change.slot);
        });
        if (!change.snapshot) SyncNameList(change.table, change.slot);
    };
    if (forward)
        std::for_each(step.changes.begin(), step.changes.end(), apply);
    else
        std::for_each(step.changes.rbegin(), step.changes.rend(), apply);
    pending_ = LiveEditsPending();
    UpdateModified();
    for (int table = kViewWeapons; table <= kViewFormations; ++table) {
        std::vector<int>& slots = shown[static_cast<std::size_t>(table)];
        if (slots.empty()) continue;
        std::sort(slots.begin(), slots.end());
        slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
        for (DocObserver* o : std::vector<DocObserver*>(observers_)) o->onRecordsChanged(table, slots);
    }
    for (DocObserver* o : std::vector<DocObserver*>(observers_)) o->onHistoryChanged();
}

bool CQuorvantDoc::Undo() {
    const HistoryStep* step = history_.StepBack();
    if (step) ApplyStep(*step, false);
    return step != nullptr;
}

bool CQuorvantDoc::Redo() {
    const HistoryStep* step = history_.StepForward();
    if (step) ApplyStep(*step, true);
    return step != nullptr;
}

std::string CQuorvantDoc::UndoText() const {
    const HistoryStep* step = history_.UndoStep();
    return step ? "Undo " + step->name : std::string("Undo");
}

std::string CQuorvantDoc::RedoText() const {
    const HistoryStep* step = history_.RedoStep();
    return step ? "Redo " + step->name : std::string("Redo");
}

} // namespace quorvant
