// Any text typed into the filter box or given to obtool's --where is either read as an expression,
// which then looks at every row of each table without reading past it, or refused with a reason that
// points inside the text; the same text as a change's value is either taken or refused with a reason.

#include "fuzz_documents.h"
#include "views/fieldchange.h"
#include "views/listrows.h"
#include "views/rowfilter.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Every slot named, with varied values, so that the comparisons meet every kind of cell.
void NameEverySlot(quorvant::CQuorvantDoc& doc) {
    int i = 0;
    auto fill = [&](auto& records) {
        for (auto& r : records) {
            r.Name.assignPadded("Slot " + std::to_string(i % 97));
            ++i;
        }
    };
    fill(doc.Weapons);
    fill(doc.Units);
    fill(doc.Formations);
    for (std::size_t s = 0; s < doc.Units.size(); ++s) doc.Units[s].Cost = static_cast<std::uint8_t>(s * 7);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (int generation = 0; generation < 3; ++generation) {
        quorvant::CQuorvantDoc& doc = quorvant::fuzz::EmptyDocument(generation, NameEverySlot);
        for (int table = 0; table < 3; ++table) {
            quorvant::FilterProblem problem;
            std::optional<quorvant::RowFilter> filter =
                quorvant::RowFilter::Parse(text, table, generation, &problem);
            if (!filter) {
                if (problem.reason.empty() || problem.position > size) __builtin_trap();
                continue;
            }
            for (int row = 0; row < quorvant::ListRowCount(doc, table) + 2; ++row)
                (void)filter->Matches(doc, row);
        }
        const std::vector<int> slots = {1, 2, 3, 500, -1};
        for (int kind = 0; kind < 4; ++kind) {
            quorvant::FieldChangeRequest request{static_cast<int>(size % 60),
                                                 static_cast<quorvant::ChangeKind>(kind), std::string(text),
                                                 static_cast<int>(size % 7)};
            quorvant::FieldChangePlan plan(doc, quorvant::kUnitTable, slots, request);
            if (!plan.error().empty() && !plan.rows().empty()) __builtin_trap();
        }
    }
    return 0;
}
