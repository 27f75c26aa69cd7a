#pragma once

// Records with every field holding a value of its own, and comparing journal entries.

#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obdata/recordfields.h"
#include "recovery/journalformat.h"

#include <gtest/gtest.h>

namespace quorvant::testing {

// Every number field gets seed plus its position, kept within what the field holds.
template <class Rec> Rec VariedRecord(int seed, const char* name) {
    Rec record{};
    int n = seed;
    for (const RecordField<Rec>& field : FieldsOf<Rec>())
        for (int generation : {kBW2, kBW1})
            for (int i = 0; i < field.length && field.kind == FieldKind::Number; ++i)
                field.Set(record, generation, i, (n++) % (field.MaxValue(generation) + 1));
    record.Name.assignPadded(name);
    return record;
}

inline void ExpectSameEntries(const std::vector<JournalEntry>& got, const std::vector<JournalEntry>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t e = 0; e < got.size(); ++e) {
        EXPECT_EQ(got[e].kind, want[e].kind) << "entry " << e;
        EXPECT_EQ(got[e].time, want[e].time) << "entry " << e;
        EXPECT_EQ(got[e].step.name, want[e].step.name) << "entry " << e;
        ASSERT_EQ(got[e].step.changes.size(), want[e].step.changes.size()) << "entry " << e;
        for (std::size_t c = 0; c < got[e].step.changes.size(); ++c) {
            const RecordChange& a = got[e].step.changes[c];
            const RecordChange& b = want[e].step.changes[c];
            EXPECT_TRUE(a.table == b.table && a.snapshot == b.snapshot && a.slot == b.slot &&
                        a.before == b.before && a.after == b.after)
                << "entry " << e << " change " << c;
        }
    }
}

} // namespace quorvant::testing
