#include "cli/recordjson.h"

#include "obdata/latin1text.h"
#include "obdata/quorvantdoc.h"
#include "obdata/recordfields.h"

namespace quorvant::cli {
namespace {

using Json = nlohmann::ordered_json;

template <class Rec> Json RecordJson(const Rec& record, int generation) {
    Json object = Json::object();
    for (const RecordField<Rec>& field : FieldsOf<Rec>()) {
        std::string key(field.name);
        if (field.kind == FieldKind::Text) {
            object[key] = Latin1ToUtf8(record.Name.view());
        } else if (field.IsArray()) {
            Json values = Json::array();
            for (int i = 0; i < field.length; ++i) values.push_back(field.Get(record, generation, i));
            object[key] = std::move(values);
        } else {
            object[key] = field.Get(record, generation);
        }
    }
    return object;
}

template <class Rec> Json TableJson(const std::vector<Rec>& table, int generation) {
    Json rows = Json::array();
    for (const Rec& record : table) rows.push_back(RecordJson(record, generation));
    return rows;
}

} // namespace

Json DocumentJson(const CQuorvantDoc& doc) {
    Json json = Json::object();
    json["generation"] = doc.Generation;
    json["fileNation"] = doc.FileNation;
    json["title"] = doc.GetTitle();
    json["weapons"] = TableJson(doc.Weapons, doc.Generation);
    json["units"] = TableJson(doc.Units, doc.Generation);
    json["formations"] = TableJson(doc.Formations, doc.Generation);
    return json;
}

} // namespace quorvant::cli
