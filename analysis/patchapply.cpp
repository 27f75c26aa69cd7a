#include "analysis/patchapply.h"

#include "obdata/doctables.h"
#include "obdata/generation.h"
#include "obdata/latin1text.h"
#include "obdata/readbackcheck.h"
#include "obdata/recordfields.h"
#include "views/columnsets.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace quorvant {
namespace {} // namespace

bool SameRecordName(const std::string& trimmed, const std::string& wanted) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return !wanted.empty() && std::equal(trimmed.begin(), trimmed.end(), wanted.begin(), wanted.end(),
                                         [&](char a, char b) { return lower(a) == lower(b); });
}

namespace {

template <class Rec> struct FieldAt {
    const RecordField<Rec>* field = nullptr;
    int index = 0;
};

template <class Rec> std::optional<FieldAt<Rec>> Resolve(const std::string& text) {
    const std::optional<FieldRef> ref = ParseFieldRef(text);
    const RecordField<Rec>* field = ref ? FindField<Rec>(ref->name) : nullptr;
    if (!field || !field->inFile) return std::nullopt;
    return FieldAt<Rec>{field, ref->index.value_or(0)};
}

template <class Rec> std::string ValueText(const Rec& record, int generation, const FieldAt<Rec>& at) {
    if (at.field->kind == FieldKind::Text) return record.Name.trimmed();
    return std::to_string(at.field->Get(record, generation, at.index));
}

template <class Rec>
void SetValue(Rec& record, int generation, const FieldAt<Rec>& at, const std::string& to) {
    if (at.field->kind == FieldKind::Text) {
        SetRecordName(record, to);
        return;
    }
    std::int64_t value = 0;
    std::from_chars(to.data(), to.data() + to.size(), value);
    at.field->Set(record, generation, at.index, value);
}

PatchFieldState StateOf(const PatchField& f, const std::string& found) {
    if (found == f.to) return PatchFieldState::Applied;
    if (found == f.from || f.from == f.to) return PatchFieldState::Change;
    return PatchFieldState::Conflict;
}

template <class Rec>
void PreviewChange(const std::vector<Rec>& records, int generation, const PatchChange& change,
                   PatchMatch match, PatchPreview& preview) {
    std::vector<int> slots;
    if (match == PatchMatch::BySlot) {
        if (static_cast<std::size_t>(change.slot) >= records.size()) {
            preview.refusal = std::string(TableWord(change.table)) + " slot " + std::to_string(change.slot) +
                              " is past the file's table (" + std::to_string(records.size()) + " slots)";
            return;
        }
        slots.push_back(change.slot);
    } else {
        for (std::size_t s = 0; s < records.size(); ++s)
            if (SameRecordName(records[s].Name.trimmed(), change.name)) slots.push_back(static_cast<int>(s));
    }
    for (int slot : slots) {
        const Rec& record = records[static_cast<std::size_t>(slot)];
        for (const PatchField& f : change.fields) {
            const std::optional<FieldAt<Rec>> at = Resolve<Rec>(f.field);
            if (!at) continue;
            const std::string found = ValueText(record, generation, *at);
            preview.rows.push_back(
                {change.table, slot, record.Name.trimmed(), f.field, f.from, found, f.to, StateOf(f, found)});
        }
    }
}

// The field's value in the document as text; nothing when the slot or field is not there.
std::optional<std::string> FieldText(const CQuorvantDoc& doc, const PatchRow& row) {
    return WithDocTable(doc, row.table, [&](const auto& records) -> std::optional<std::string> {
        using Rec = typename std::decay_t<decltype(records)>::value_type;
        const std::optional<FieldAt<Rec>> at = Resolve<Rec>(row.field);
        if (!at || row.slot < 0 || static_cast<std::size_t>(row.slot) >= records.size()) return std::nullopt;
        return ValueText(records[static_cast<std::size_t>(row.slot)], doc.Generation, *at);
    });
}

} // namespace

bool PatchPreview::HasConflicts() const {
    return std::any_of(rows.begin(), rows.end(),
                       [](const PatchRow& r) { return r.state == PatchFieldState::Conflict; });
}

std::vector<PatchRow> PatchPreview::Writes(bool force) const {
    std::vector<PatchRow> writes;
    for (const PatchRow& r : rows)
        if (r.state == PatchFieldState::Change || (force && r.state == PatchFieldState::Conflict))
            writes.push_back(r);
    return writes;
}

PatchPreview PreviewPatch(const CQuorvantDoc& doc, const Patch& patch, PatchMatch match) {
    PatchPreview preview;
    if (doc.Generation != patch.generation) {
        preview.refusal = std::string("a ") + GenerationLabel(doc.Generation) + " file; the patch is for " +
                          GenerationLabel(patch.generation) + " files";
        return preview;
    }
    for (const PatchChange& change : patch.changes) {
        WithDocTable(doc, change.table, [&](const auto& records) {
            PreviewChange(records, doc.Generation, change, match, preview);
        });
        if (!preview.refusal.empty()) {
            preview.rows.clear();
            break;
        }
    }
    return preview;
}

bool ApplyPatchRows(CQuorvantDoc& doc, const std::vector<PatchRow>& rows, CQuorvantDoc::SlotsByTable& changed,
                    std::string& problem) {
    const std::vector<CWeaponRecord> weapons = doc.Weapons;
    const std::vector<CUnitRecord> units = doc.Units;
    const std::vector<CFormationRecord> formations = doc.Formations;
    for (const PatchRow& row : rows) {
        WithDocTable(doc, row.table, [&](auto& records) {
            using Rec = typename std::decay_t<decltype(records)>::value_type;
            const std::optional<FieldAt<Rec>> at = Resolve<Rec>(row.field);
            if (!at || row.slot < 0 || static_cast<std::size_t>(row.slot) >= records.size()) return;
            SetValue(records[static_cast<std::size_t>(row.slot)], doc.Generation, *at, row.to);
        });
    }
    const ReadBackCheck check(doc);
    if (check.changesGeneration()) {
        problem = std::string("the file would then read as ") + GenerationLabel(check.generationAfter()) +
                  ", not " + GenerationLabel(doc.Generation);
    } else {
        for (const PatchRow& row : rows) {
            const std::optional<std::string> held = FieldText(doc, row);
            const std::optional<std::string> kept = FieldText(check.readBack(), row);
            if (held == kept) continue;
            problem =
                Latin1ToUtf8(std::string("a ") + GenerationLabel(doc.Generation) + " file does not keep " +
                             TableWord(row.table) + " slot " + std::to_string(row.slot) + " " + row.field +
                             " " + row.to + ": it would read back as " + kept.value_or("?"));
            break;
        }
    }
    if (!problem.empty()) {
        doc.Weapons = weapons;
        doc.Units = units;
        doc.Formations = formations;
        return false;
    }
    for (const PatchRow& row : rows) {
        std::vector<int>& slots = changed[static_cast<std::size_t>(row.table)];
        if (std::find(slots.begin(), slots.end(), row.slot) == slots.end()) slots.push_back(row.slot);
    }
    return true;
}

} // namespace quorvant
