// obtool set --where: one field of every named record of a table that an expression holds for, by
// the rules of the editor's Change Field: set to a value, plus a number or times a number, rounded
// and held to the field's range. One line per changed record, as set prints it.

#include "cli/commands.h"
#include "cli/fieldedit.h"
#include "cli/obfileaccess.h"
#include "cli/tables.h"
#include "obdata/latin1text.h"
#include "obdata/quorvantdoc.h"
#include "views/columnfields.h"
#include "views/fieldchange.h"
#include "views/listrows.h"
#include "views/rowfilter.h"

#include <algorithm>

namespace quorvant::cli {

int RunSetWhere(const CommandLine& line, std::ostream& out, std::ostream& err) {
    for (const char* key : {"table", "field"}) {
        if (!line.option(key)) {
            err << "obtool: set needs --" << key << '\n';
            return kExitUsage;
        }
    }
    FieldChangeRequest request;
    int given = 0;
    for (auto [key, kind] : {std::pair{"value", ChangeKind::SetTo}, std::pair{"add", ChangeKind::Add},
                             std::pair{"times", ChangeKind::MultiplyBy}}) {
        if (!line.option(key)) continue;
        ++given;
        request.kind = kind;
        request.value = *line.option(key);
    }
    if (given != 1) {
        err << "obtool: set --where needs one of --value, --add and --times\n";
        return kExitUsage;
    }
    auto table = ParseTableName(*line.option("table"));
    if (!table) {
        err << "obtool: unknown table " << *line.option("table") << " (weapons, units or formations)\n";
        return kExitUsage;
    }
    const int tableNumber = static_cast<int>(*table);
    std::string refused;
    std::optional<std::string> where = Utf8ToLatin1(*line.option("where"), &refused);
    std::optional<std::string> value = Utf8ToLatin1(request.value, &refused);
    if (!where || !value) {
        err << "obtool: " << refused << "; nothing written\n";
        return kExitFailure;
    }
    request.value = *value;

    std::filesystem::path input = ResolveInputPath(line.positionals[0]);
    CQuorvantDoc doc;
    if (!LoadOBFile(input, doc, err)) return kExitFailure;
    FilterProblem problem;
    std::optional<RowFilter> filter = RowFilter::Parse(*where, tableNumber, doc.Generation, &problem);
    if (!filter) {
        err << "obtool: --where: " << Latin1ToUtf8(problem.describe()) << '\n';
        return kExitUsage;
    }
    if (!MayRewrite(doc, input, line.has("yes"), err)) return kExitFailure;
    const std::string field = *line.option("field");
    request.column = FindColumn(tableNumber, doc.Generation, field);
    if (request.column < 0) {
        err << "obtool: the " << TableName(*table) << " list has no field " << field << "; nothing written\n";
        return kExitFailure;
    }
    std::vector<int> slots;
    for (int row = 0; row < ListRowCount(doc, tableNumber); ++row)
        if (filter->Matches(doc, row)) slots.push_back(SlotOfRow(row));
    if (slots.empty()) {
        err << "obtool: no " << TableName(*table) << " match the expression; nothing written\n";
        return kExitFailure;
    }
    FieldChangePlan plan(doc, tableNumber, slots, request);
    if (!plan.error().empty()) {
        err << "obtool: " << Latin1ToUtf8(plan.error()) << "; nothing written\n";
        return kExitFailure;
    }
    if (plan.changedCount() == 0) {
        err << "obtool: every matching record holds that value already; nothing written\n";
        return 0;
    }
    const ColumnSpec& column =
        ColumnSet(tableNumber, doc.Generation)[static_cast<std::size_t>(request.column)];
    std::vector<std::int64_t> before;
    for (const ChangedRow& row : plan.rows())
        before.push_back(StoredValue(doc, tableNumber, row.slot, column).value_or(0));
    plan.Apply(doc);
    const std::string name = ExportName(column);
    // The whole document reads back at once; a problem is told by the first changed record.
    const auto first =
        std::find_if(plan.rows().begin(), plan.rows().end(), [](const ChangedRow& r) { return r.changed; });
    if (std::string why = ReadBackProblem(doc, {*table, std::to_string(first->slot), name, {}});
        !why.empty()) {
        err << "obtool: " << why << "; nothing written\n";
        return kExitFailure;
    }
    std::filesystem::path output = line.option("out") ? std::filesystem::path(*line.option("out")) : input;
    if (!SaveOBFile(doc, output, err)) return kExitFailure;
    for (std::size_t i = 0; i < plan.rows().size(); ++i) {
        const ChangedRow& row = plan.rows()[i];
        if (!row.changed) continue;
        out << TableName(*table) << " slot " << row.slot << ' ' << name << ": " << before[i] << " -> "
            << StoredValue(doc, tableNumber, row.slot, column).value_or(0) << '\n';
    }
    if (plan.clampedCount() > 0)
        err << "obtool: " << plan.clampedCount() << (plan.clampedCount() == 1 ? " value" : " values")
            << " held to the range of " << name << '\n';
    return 0;
}

} // namespace quorvant::cli
