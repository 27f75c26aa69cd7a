#include "analysis/patchfile.h"

#include "obdata/generation.h"
#include "obdata/latin1text.h"
#include "obdata/quorvantdoc.h"
#include "obdata/recordfields.h"
#include "views/columnsets.h"

#include <nlohmann/json.hpp>

#include <set>
#include <stdexcept>
#include <vector>

namespace quorvant {
namespace {

using Json = nlohmann::ordered_json;

constexpr int kPatchVersion = 1;
constexpr const char* kVersionKey = "quorvant-patch";
// A patch is five levels deep at most; anything deeper is refused before it is built.
constexpr int kMaxDepth = 5;

std::string JsonText(const std::string& latin1) {
    return Json(Latin1ToUtf8(latin1)).dump();
}

std::string WriteChange(const PatchChange& change) {
    std::string line = "{\"table\": \"" + std::string(TableWord(change.table)) +
                       "\", \"slot\": " + std::to_string(change.slot) +
                       ", \"name\": " + JsonText(change.name) + ", \"fields\": {";
    for (std::size_t i = 0; i < change.fields.size(); ++i) {
        const PatchField& f = change.fields[i];
        const bool text = IsTextField(f.field);
        line += (i ? ", " : "") + Json(f.field).dump() + ": [" + (text ? JsonText(f.from) : f.from) + ", " +
                (text ? JsonText(f.to) : f.to) + "]";
    }
    return line + "}}";
}

// A refusal of the patch, said once where it is found.
struct Fault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Refuse(const std::string& where, const std::string& what) {
    throw Fault(where.empty() ? what : where + ": " + what);
}

int TableSlots(int table) {
    return table == kWeaponTable ? kWeaponSlots : table == kUnitTable ? kUnitSlots : kFormationSlots;
}

// Only the keys given, each of them there.
void ExpectKeys(const Json& object, const std::string& where, std::initializer_list<const char*> keys) {
    if (!object.is_object()) Refuse(where, "must be a JSON object");
    for (const auto& [key, value] : object.items()) {
        bool known = false;
        for (const char* k : keys) known = known || key == k;
        if (!known) Refuse(where, "unknown key " + Json(key).dump());
    }
    for (const char* k : keys)
        if (!object.contains(k)) Refuse(where, std::string("\"") + k + "\" is missing");
}

std::string NameText(const Json& value, const std::string& where) {
    if (!value.is_string()) Refuse(where, "a name must be text");
    std::string refused;
    std::optional<std::string> latin1 = Utf8ToLatin1(value.get<std::string>(), &refused);
    if (!latin1) Refuse(where, refused);
    if (std::string problem = RecordNameProblem(*latin1); !problem.empty()) Refuse(where, problem);
    while (!latin1->empty() && latin1->back() == ' ') latin1->pop_back();
    return *latin1;
}

template <class Rec>
std::string NumberText(const RecordField<Rec>& field, int generation, const Json& value,
                       const std::string& where) {
    if (!value.is_number_integer()) Refuse(where, std::string(field.name) + " takes a whole number");
    const std::string text = value.dump();
    if (std::string problem = ValueProblem(field, generation, text); !problem.empty()) Refuse(where, problem);
    return text;
}

template <class Rec>
PatchField ReadField(const std::string& key, const Json& pair, int generation, const char* tableWord,
                     const std::string& where) {
    const std::optional<FieldRef> ref = ParseFieldRef(key);
    if (!ref)
        Refuse(where,
               "cannot read the field " + Json(key).dump() + " (write Cost, or Wpn[2] for an element)");
    std::string error;
    const RecordField<Rec>* field = FindFileField<Rec>(*ref, tableWord, error);
    if (!field) Refuse(where, error);
    const std::string at = where + "[" + Json(key).dump() + "]";
    if (!pair.is_array() || pair.size() != 2) Refuse(at, "must be [from, to]");
    if (field->kind == FieldKind::Text) return {key, NameText(pair[0], at), NameText(pair[1], at)};
    return {key, NumberText(*field, generation, pair[0], at), NumberText(*field, generation, pair[1], at)};
}

PatchChange ReadChange(const Json& object, int generation, const std::string& where) {
    ExpectKeys(object, where, {"table", "slot", "name", "fields"});
    const Json& table = object["table"];
    const int number = table.is_string() ? TableOfWord(table.get<std::string>()) : -1;
    if (number < 0) Refuse(where, "unknown table " + table.dump() + " (weapons, units or formations)");
    const Json& slot = object["slot"];
    if (!slot.is_number_integer()) Refuse(where, "\"slot\" must be a whole number");
    const int slots = TableSlots(number);
    if (slot.is_number_unsigned() ? slot.get<std::uint64_t>() >= static_cast<std::uint64_t>(slots)
                                  : slot.get<std::int64_t>() < 0 || slot.get<std::int64_t>() >= slots)
        Refuse(where, "slot " + slot.dump() + " is past the " + TableWord(number) + " table (slots 0 to " +
                          std::to_string(slots - 1) + ")");
    PatchChange change{number, slot.get<int>(), NameText(object["name"], where + ".name"), {}};
    const Json& fields = object["fields"];
    const std::string at = where + ".fields";
    if (!fields.is_object() || fields.empty()) Refuse(at, "must name at least one field");
    for (const auto& [key, pair] : fields.items()) {
        switch (number) {
        case kWeaponTable:
            change.fields.push_back(ReadField<CWeaponRecord>(key, pair, generation, TableWord(number), at));
            break;
        case kUnitTable:
            change.fields.push_back(ReadField<CUnitRecord>(key, pair, generation, TableWord(number), at));
            break;
        default:
            change.fields.push_back(
                ReadField<CFormationRecord>(key, pair, generation, TableWord(number), at));
        }
    }
    return change;
}

// Duplicate keys would leave it open which value counts, and the JSON library keeps only the last.
Json Parse(std::string_view text) {
    std::vector<std::set<std::string>> keys;
    auto check = [&keys](int depth, Json::parse_event_t event, Json& parsed) {
        if (depth > kMaxDepth) throw Fault("nested too deeply for a patch");
        if (event == Json::parse_event_t::object_start) keys.emplace_back();
        if (event == Json::parse_event_t::object_end && !keys.empty()) keys.pop_back();
        if (event == Json::parse_event_t::key && !keys.empty() &&
            !keys.back().insert(parsed.get<std::string>()).second)
            throw Fault("the key " + parsed.dump() + " is given twice");
        return true;
    };
    try {
        return Json::parse(text.begin(), text.end(), check);
    } catch (const Json::parse_error& e) {
        std::string what = e.what();
        // "[json.exception.parse_error.101] parse error at line 1, ...": the bracket says nothing to a user.
        if (std::size_t end = what.find("] "); what.rfind("[json.", 0) == 0 && end != std::string::npos)
            what.erase(0, end + 2);
        throw Fault("not JSON: " + what);
    }
}

} // namespace

std::string WritePatch(const Patch& patch) {
    std::string text = std::string("{\"") + kVersionKey + "\": " + std::to_string(kPatchVersion) +
                       ", \"generation\": \"" + GenerationLabel(patch.generation) + "\", \"changes\": [";
    for (std::size_t i = 0; i < patch.changes.size(); ++i)
        text += (i ? ",\n  " : "\n  ") + WriteChange(patch.changes[i]);
    return text + (patch.changes.empty() ? "]}\n" : "\n]}\n");
}

std::optional<Patch> ReadPatch(std::string_view text, std::string& error) {
    try {
        const Json root = Parse(text);
        if (!root.is_object()) Refuse("", "a patch is a JSON object");
        if (!root.contains(kVersionKey))
            Refuse("", std::string("\"") + kVersionKey + "\" is missing: not a patch");
        const Json& version = root[kVersionKey];
        if (version != kPatchVersion)
            Refuse("", "patch format " + version.dump() + " is not known (this program reads " +
                           std::to_string(kPatchVersion) + ")");
        ExpectKeys(root, "", {kVersionKey, "generation", "changes"});
        Patch patch;
        const Json& generation = root["generation"];
        patch.generation = -1;
        for (int g : {kBW1, kBW2, kBW3})
            if (generation == GenerationLabel(g)) patch.generation = g;
        if (patch.generation < 0) Refuse("generation", generation.dump() + " is not BW1, BW2 or BW3");
        const Json& changes = root["changes"];
        if (!changes.is_array()) Refuse("changes", "must be a list");
        for (std::size_t i = 0; i < changes.size(); ++i)
            patch.changes.push_back(
                ReadChange(changes[i], patch.generation, "changes[" + std::to_string(i) + "]"));
        return patch;
    } catch (const Fault& fault) {
        error = fault.what();
    } catch (const Json::exception& e) {
        error = e.what();
    }
    return std::nullopt;
}

} // namespace quorvant
