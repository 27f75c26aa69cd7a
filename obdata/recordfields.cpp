#include "obdata/recordfields.h"

#include "obdata/generation.h"
#include "obdata/latin1text.h"
#include "obdata/oblayout.h"

#include <charconv>
#include <limits>
#include <type_traits>
#include <utility>

namespace quorvant {
namespace {

template <class Rec, auto Member> constexpr RecordField<Rec> Scalar(std::string_view name) {
    using T = std::remove_cvref_t<decltype(std::declval<Rec&>().*Member)>;
    constexpr int bits = static_cast<int>(sizeof(T) * 8);
    return {name,
            FieldKind::Number,
            bits,
            bits,
            1,
            std::is_signed_v<T>,
            true,
            [](const Rec& r, int, int) -> std::int64_t { return r.*Member; },
            [](Rec& r, int, int, std::int64_t v) { r.*Member = static_cast<T>(v); }};
}

template <class Rec, auto Member> constexpr RecordField<Rec> Array(std::string_view name) {
    using A = std::remove_cvref_t<decltype(std::declval<Rec&>().*Member)>;
    using T = typename A::value_type;
    constexpr int bits = static_cast<int>(sizeof(T) * 8);
    return {name,
            FieldKind::Number,
            bits,
            bits,
            static_cast<int>(std::tuple_size_v<A>),
            false,
            true,
            [](const Rec& r, int, int i) -> std::int64_t { return (r.*Member)[static_cast<std::size_t>(i)]; },
            [](Rec& r, int, int i, std::int64_t v) {
                (r.*Member)[static_cast<std::size_t>(i)] = static_cast<T>(v);
            }};
}

template <class Rec> constexpr RecordField<Rec> NameField() {
    return {"Name", FieldKind::Text, 8, 8, 1, false, true, nullptr, nullptr};
}

template <class Rec> constexpr RecordField<Rec> MemoryOnly(RecordField<Rec> field) {
    field.inFile = false;
    return field;
}

using W = CWeaponRecord;
using U = CUnitRecord;
using F = CFormationRecord;

const RecordField<W> kWeaponFields[] = {
    MemoryOnly(Scalar<W, &W::Generation>("Generation")),
    NameField<W>(),
    Scalar<W, &W::Class>("Class"),
    Scalar<W, &W::WepSound>("WepSound"),
    Scalar<W, &W::WepSize>("WepSize"),
    Scalar<W, &W::Warhead>("Warhead"),
    Scalar<W, &W::HEPen>("HEPen"),
    Scalar<W, &W::APPen>("APPen"),
    Scalar<W, &W::HEKill>("HEKill"),
    Scalar<W, &W::APKill>("APKill"),
    Scalar<W, &W::Accuracy>("Accuracy"),
    Scalar<W, &W::MaxRange>("MaxRange"),
    Scalar<W, &W::MinRange>("MinRange"),
    Scalar<W, &W::HVAP>("HVAP"),
    Scalar<W, &W::HEAT>("HEAT"),
};

const RecordField<U> kUnitFields[] = {
    NameField<U>(),
    Scalar<U, &U::Class>("Class"),
    Scalar<U, &U::Symbol>("Symbol"),
    Scalar<U, &U::Size>("Size"),
    Scalar<U, &U::Men>("Men"),
    Array<U, &U::Wpn>("Wpn"),
    Array<U, &U::Ammo>("Ammo"),
    Scalar<U, &U::LandSpeed>("LandSpeed"),
    Array<U, &U::ArmorAP>("ArmorAP"),
    Array<U, &U::ArmorHEAT>("ArmorHEAT"),
    Array<U, &U::ArmorRA>("ArmorRA"),
    Scalar<U, &U::Spare1>("Spare1"),
    Scalar<U, &U::Spare2>("Spare2"),
    Scalar<U, &U::Spare3>("Spare3"),
    Scalar<U, &U::Spare4>("Spare4"),
    Scalar<U, &U::Spare5>("Spare5"),
    Scalar<U, &U::Spare6>("Spare6"),
    Scalar<U, &U::Radio>("Radio"),
    Scalar<U, &U::AvailMonth>("AvailMonth"),
    Scalar<U, &U::Available>("Available"),
    Scalar<U, &U::UnAvailable>("UnAvailable"),
    Scalar<U, &U::Cost>("Cost"),
    Scalar<U, &U::Nationality>("Nationality"),
    Scalar<U, &U::SideView>("SideView"),
    Scalar<U, &U::Vision>("Vision"),
    Scalar<U, &U::FireControl>("FireControl"),
    Scalar<U, &U::HVAPAmmo>("HVAPAmmo"),
    Scalar<U, &U::HEATAmmo>("HEATAmmo"),
    Scalar<U, &U::ROF>("ROF"),
    Scalar<U, &U::Stabilizer>("Stabilizer"),
    Scalar<U, &U::RangeFinder>("RangeFinder"),
    Scalar<U, &U::EW>("EW"),
    Scalar<U, &U::LiftCap>("LiftCap"),
    Scalar<U, &U::Survivability>("Survivability"),
    Scalar<U, &U::LoadCost>("LoadCost"),
    Scalar<U, &U::Symbol2>("Symbol2"),
    Scalar<U, &U::WaterSpeed>("WaterSpeed"),
    Scalar<U, &U::MoveClass>("MoveClass"),
    Scalar<U, &U::SmokeDscg>("SmokeDscg"),
    Scalar<U, &U::Spare7>("Spare7"),
    Scalar<U, &U::Spare8>("Spare8"),
    Scalar<U, &U::Spare9>("Spare9"),
    Scalar<U, &U::Spare10>("Spare10"),
    Scalar<U, &U::Spare11>("Spare11"),
    Scalar<U, &U::Spare12>("Spare12"),
    Scalar<U, &U::Spare13>("Spare13"),
    Scalar<U, &U::Spare14>("Spare14"),
    Scalar<U, &U::Spare15>("Spare15"),
};

// The list of unit entries a formation uses depends on the generation it is read in.
constexpr RecordField<F> kFormationUnits = {
    "Units",
    FieldKind::Number,
    16,
    8,
    kFormationEntries,
    false,
    true,
    [](const F& r, int generation, int i) -> std::int64_t { return r.unitEntry(generation, i); },
    [](F& r, int generation, int i, std::int64_t v) { r.setUnitEntry(generation, i, static_cast<int>(v)); }};

const RecordField<F> kFormationFields[] = {
    NameField<F>(),
    Scalar<F, &F::Country>("Country"),
    Scalar<F, &F::AvailMon>("AvailMon"),
    Scalar<F, &F::Avail>("Avail"),
    Scalar<F, &F::UnAvail>("UnAvail"),
    Scalar<F, &F::Catagory>("Catagory"),
    Scalar<F, &F::Type>("Type"),
    Scalar<F, &F::SpcFlg>("SpcFlg"),
    kFormationUnits,
    Array<F, &F::UnitStr>("UnitStr"),
};

// Zeroes the columns the reader only takes from named slots.
template <class Rec> struct BlankSlotColumns {
    Rec& record;
    template <class A>
    void byte(std::size_t, std::size_t, std::size_t, A access, layout::Gate gate = layout::Gate::Always) {
        if (gate == layout::Gate::NamedOnly) access(record) = 0;
    }
    template <class A> void word(std::size_t, std::size_t, std::size_t, A) {}
    template <class A> void nation(std::size_t, A) {}
};

// Finds whether the layout's nation column reaches the one field set in probe.
template <class Rec> struct NationColumnProbe {
    Rec& probe;
    bool reached = false;
    template <class A>
    void byte(std::size_t, std::size_t, std::size_t, A, layout::Gate = layout::Gate::Always) {}
    template <class A> void word(std::size_t, std::size_t, std::size_t, A) {}
    template <class A> void nation(std::size_t, A access) { reached = reached || access(probe) != 0; }
};

template <class Rec, class Visit> void AssignName(Rec& record, std::string_view name, Visit visit) {
    record.Name.assignPadded(name);
    if (!record.Name.isBlank()) return;
    BlankSlotColumns<Rec> clear{record};
    visit(clear);
}

} // namespace

template <class Rec> int RecordField<Rec>::Bits(int generation) const {
    return generation == kBW1 ? bitsBW1 : bits;
}

template <class Rec> std::int64_t RecordField<Rec>::MinValue(int generation) const {
    return isSigned ? -(std::int64_t{1} << (Bits(generation) - 1)) : 0;
}

template <class Rec> std::int64_t RecordField<Rec>::MaxValue(int generation) const {
    int width = Bits(generation) - (isSigned ? 1 : 0);
    return (std::int64_t{1} << width) - 1;
}

template <class Rec> std::int64_t RecordField<Rec>::Get(const Rec& record, int generation, int index) const {
    if (kind != FieldKind::Number || index < 0 || index >= length) return 0;
    return getter(record, generation, index);
}

template <class Rec>
bool RecordField<Rec>::Set(Rec& record, int generation, int index, std::int64_t value) const {
    if (kind != FieldKind::Number || index < 0 || index >= length) return false;
    if (value < MinValue(generation) || value > MaxValue(generation)) return false;
    setter(record, generation, index, value);
    return true;
}

template struct RecordField<CWeaponRecord>;
template struct RecordField<CUnitRecord>;
template struct RecordField<CFormationRecord>;

std::span<const RecordField<CWeaponRecord>> WeaponFields() {
    return kWeaponFields;
}
std::span<const RecordField<CUnitRecord>> UnitFields() {
    return kUnitFields;
}
std::span<const RecordField<CFormationRecord>> FormationFields() {
    return kFormationFields;
}

std::optional<FieldRef> ParseFieldRef(std::string_view text) {
    const std::size_t open = text.find('[');
    if (open == std::string_view::npos) return FieldRef{std::string(text), std::nullopt};
    if (text.back() != ']' || open == 0) return std::nullopt;
    const std::string_view digits = text.substr(open + 1, text.size() - open - 2);
    int index = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || index < 0 ||
        index > 0xFFFF)
        return std::nullopt;
    return FieldRef{std::string(text.substr(0, open)), index};
}

template <class Rec> bool IsNationField(const RecordField<Rec>& field) {
    if (field.kind != FieldKind::Number || field.IsArray()) return false;
    Rec probe{};
    field.setter(probe, kBW2, 0, 1);
    NationColumnProbe<Rec> visit{probe};
    if constexpr (std::is_same_v<Rec, CUnitRecord>) layout::VisitUnitColumns(visit);
    if constexpr (std::is_same_v<Rec, CFormationRecord>) layout::VisitFormationColumns(visit, kBW2);
    return visit.reached;
}

template bool IsNationField(const RecordField<CWeaponRecord>&);
template bool IsNationField(const RecordField<CUnitRecord>&);
template bool IsNationField(const RecordField<CFormationRecord>&);

std::string FieldRefText(std::string_view name, std::optional<int> index) {
    std::string text(name);
    if (!index) return text;
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on chained additions.
    text += '[';
    text += std::to_string(*index);
    text += ']';
    return text;
}

template <class Rec>
const RecordField<Rec>* FindFileField(const FieldRef& ref, std::string_view tableWord, std::string& error) {
    const RecordField<Rec>* field = FindField<Rec>(ref.name);
    if (!field) {
        std::string names;
        for (const RecordField<Rec>& f : FieldsOf<Rec>()) {
            if (!names.empty()) names += ", ";
            names += f.name;
        }
        error = std::string(tableWord) + " have no field " + ref.name + "; the fields are " + names;
        return nullptr;
    }
    const std::string& name = ref.name;
    const std::string last = std::to_string(field->length - 1);
    if (!field->inFile)
        error = name + " is not stored in the file";
    else if (field->IsArray() && !ref.index)
        error = name + " has " + std::to_string(field->length) + " elements; name one, " + name + "[0] to " +
                name + "[" + last + "]";
    else if (!field->IsArray() && ref.index)
        error = name + " is a single value, not a list";
    else if (ref.index.value_or(0) >= field->length)
        error = name + "[" + std::to_string(*ref.index) + "] is out of range: " + name +
                " has elements 0 to " + last;
    else
        return field;
    return nullptr;
}

template <class Rec>
std::string ValueProblem(const RecordField<Rec>& field, int generation, std::string_view text) {
    std::int64_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    const std::int64_t low = field.MinValue(generation);
    const std::int64_t high = field.MaxValue(generation);
    if (!text.empty() && ec == std::errc() && end == text.data() + text.size() && value >= low &&
        value <= high)
        return {};
    return "value " + std::string(text) + " does not fit " + std::string(field.name) +
           ": a whole number from " + std::to_string(low) + " to " + std::to_string(high);
}

template const RecordField<CWeaponRecord>* FindFileField(const FieldRef&, std::string_view, std::string&);
template const RecordField<CUnitRecord>* FindFileField(const FieldRef&, std::string_view, std::string&);
template const RecordField<CFormationRecord>* FindFileField(const FieldRef&, std::string_view, std::string&);
template std::string ValueProblem(const RecordField<CWeaponRecord>&, int, std::string_view);
template std::string ValueProblem(const RecordField<CUnitRecord>&, int, std::string_view);
template std::string ValueProblem(const RecordField<CFormationRecord>&, int, std::string_view);

std::string RecordNameProblem(std::string_view latin1) {
    if (latin1.size() > static_cast<std::size_t>(kNameLength))
        return "a name has at most 15 characters; \"" + Latin1ToUtf8(latin1) + "\" has " +
               std::to_string(latin1.size());
    for (char c : latin1) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || (u >= 0x7F && u < 0xA0)) return "a name cannot hold control characters";
    }
    return {};
}

void SetRecordName(CWeaponRecord& record, std::string_view name) {
    AssignName(record, name, [](auto& v) { layout::VisitWeaponColumns(v); });
}
void SetRecordName(CUnitRecord& record, std::string_view name) {
    AssignName(record, name, [](auto& v) { layout::VisitUnitColumns(v); });
}
void SetRecordName(CFormationRecord& record, std::string_view name) {
    // The dated columns are the same in every generation.
    AssignName(record, name, [](auto& v) { layout::VisitFormationColumns(v, kBW2); });
}

} // namespace quorvant
