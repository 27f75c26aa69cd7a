#pragma once

// Named access to every field of the three record kinds, in record order, by the names the records
// use ("Name", "HEPen", "ArmorAP", "Units"), for tools that address a field by its name.

#include "obdata/records.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quorvant {

enum class FieldKind { Text, Number };

template <class Rec> struct RecordField {
    std::string_view name;
    FieldKind kind;
    // Width of one element in bits; bitsBW1 differs only for the formation's Units, whose BW1 list
    // is one byte per entry.
    int bits;
    int bitsBW1;
    // 1 for a single value, else the array's length.
    int length;
    bool isSigned;
    // False for values that live only in memory (the weapon's Generation).
    bool inFile;
    std::int64_t (*getter)(const Rec& record, int generation, int index);
    void (*setter)(Rec& record, int generation, int index, std::int64_t value);

    int Bits(int generation) const;
    std::int64_t MinValue(int generation) const;
    std::int64_t MaxValue(int generation) const;
    bool IsArray() const { return length > 1; }

    // The element at index; 0 for a text field or an index outside the field.
    std::int64_t Get(const Rec& record, int generation, int index = 0) const;
    // Stores value at index; false (and nothing changed) for a text field, an index outside the
    // field or a value the field cannot hold.
    bool Set(Rec& record, int generation, int index, std::int64_t value) const;
};

// The fields of a record kind in record order; the formation's Units stands where its 16-bit list does.
std::span<const RecordField<CWeaponRecord>> WeaponFields();
std::span<const RecordField<CUnitRecord>> UnitFields();
std::span<const RecordField<CFormationRecord>> FormationFields();

template <class Rec> std::span<const RecordField<Rec>> FieldsOf();
template <> inline std::span<const RecordField<CWeaponRecord>> FieldsOf<CWeaponRecord>() {
    return WeaponFields();
}
template <> inline std::span<const RecordField<CUnitRecord>> FieldsOf<CUnitRecord>() {
    return UnitFields();
}
template <> inline std::span<const RecordField<CFormationRecord>> FieldsOf<CFormationRecord>() {
    return FormationFields();
}

// The field of that exact name, or null.
template <class Rec> const RecordField<Rec>* FindField(std::string_view name) {
    for (const RecordField<Rec>& field : FieldsOf<Rec>())
        if (field.name == name) return &field;
    return nullptr;
}

// A field as the tools name it: "Cost", or "Wpn[2]" for an element of an array (from 0).
struct FieldRef {
    std::string name;
    std::optional<int> index;
};
// Nothing when text is neither form ("Wpn[", "Wpn[x]", "[2]").
std::optional<FieldRef> ParseFieldRef(std::string_view text);

// Whether the field is a record's nation, which BW2 and BW3 files keep once for the whole file.
template <class Rec> bool IsNationField(const RecordField<Rec>& field);

// "Cost", "Wpn[2]": how ParseFieldRef reads it.
std::string FieldRefText(std::string_view name, std::optional<int> index);

// The field ref names, checked as every tool checks it: a field of the record kind kept in the file,
// with an element when it is an array and only then, within its length. Null otherwise, with the
// fault in error; tableWord ("units") begins the message for a name the record kind lacks.
template <class Rec>
const RecordField<Rec>* FindFileField(const FieldRef& ref, std::string_view tableWord, std::string& error);

// Why text is not a value field can hold in generation (not a whole number, or out of its range);
// empty when it fits.
template <class Rec>
std::string ValueProblem(const RecordField<Rec>& field, int generation, std::string_view text);

// Why a name (Latin-1) cannot be a slot's: longer than 15 characters or holding a control character;
// empty when it can.
std::string RecordNameProblem(std::string_view latin1);

// Gives a slot the name as the reader holds it: blank-padded to 15 characters, or empty. A blank
// name (empty or beginning with a blank) also clears the availability dates, which the file keeps
// only for named slots.
void SetRecordName(CWeaponRecord& record, std::string_view name);
void SetRecordName(CUnitRecord& record, std::string_view name);
void SetRecordName(CFormationRecord& record, std::string_view name);

} // namespace quorvant
