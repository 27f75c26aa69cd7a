#include "recovery/journalrecords.h"

#include "obdata/generation.h"
#include "obdata/recordfields.h"

#include <vector>

namespace quorvant::journal {
namespace {

// Fields whose width differs by generation (the formation's Units) keep a list per width, and both
// come back; every other field is the same in every generation.
template <class Rec> bool HasBW1View(const RecordField<Rec>& field) {
    return field.kind == FieldKind::Number && field.bitsBW1 != field.bits;
}

template <class Rec>
void WriteField(const Rec& record, const RecordField<Rec>& field, int view, ByteWriter& out) {
    out.U8(static_cast<std::uint8_t>(field.name.size()));
    out.Bytes(field.name);
    out.U8(static_cast<std::uint8_t>(view));
    if (field.kind == FieldKind::Text) {
        const std::string_view name = record.Name.view();
        out.U8(static_cast<std::uint8_t>(name.size()));
        out.Bytes(name);
        return;
    }
    out.U8(static_cast<std::uint8_t>(field.length));
    for (int i = 0; i < field.length; ++i) out.I32(static_cast<std::int32_t>(field.Get(record, view, i)));
}

template <class Rec> void WriteFields(const Rec& record, ByteWriter& out) {
    const auto fields = FieldsOf<Rec>();
    std::size_t count = 0;
    for (const auto& field : fields) count += HasBW1View(field) ? 2 : 1;
    out.U8(static_cast<std::uint8_t>(count));
    for (const auto& field : fields) {
        WriteField(record, field, kBW2, out);
        if (HasBW1View(field)) WriteField(record, field, kBW1, out);
    }
}

template <class Rec> bool ReadField(ByteReader& in, Rec& record, std::vector<bool>& seen) {
    const auto fields = FieldsOf<Rec>();
    const std::string name = in.Bytes(in.U8());
    const int view = in.U8();
    const std::size_t count = in.U8();
    const RecordField<Rec>* field = FindField<Rec>(name);
    if (in.Failed() || !field || (view != kBW2 && !(view == kBW1 && HasBW1View(*field)))) return false;
    const std::size_t slot = static_cast<std::size_t>(field - fields.data()) * 2 + (view == kBW1 ? 1 : 0);
    if (seen[slot]) return false;
    seen[slot] = true;
    if (field->kind == FieldKind::Text) {
        const std::string text = in.Bytes(count);
        if (in.Failed() || count > kNameLength || text.find('\0') != std::string::npos) return false;
        record.Name.assign(text);
        return true;
    }
    if (count != static_cast<std::size_t>(field->length)) return false;
    for (int i = 0; i < field->length; ++i) {
        const std::int32_t value = in.I32();
        if (in.Failed() || !field->Set(record, view, i, value)) return false;
    }
    return true;
}

template <class Rec> bool ReadFields(ByteReader& in, AnyRecord& out) {
    const auto fields = FieldsOf<Rec>();
    std::vector<bool> seen(fields.size() * 2, false);
    std::size_t expected = 0;
    for (const auto& field : fields) expected += HasBW1View(field) ? 2 : 1;
    const std::size_t count = in.U8();
    if (count != expected) return false;
    Rec record{};
    for (std::size_t i = 0; i < count; ++i)
        if (!ReadField(in, record, seen)) return false;
    out = record;
    return true;
}

} // namespace

void WriteRecord(const AnyRecord& record, ByteWriter& out) {
    out.U8(static_cast<std::uint8_t>(record.index()));
    std::visit([&](const auto& r) { WriteFields(r, out); }, record);
}

bool ReadRecord(ByteReader& in, AnyRecord& record) {
    bool ok = false;
    switch (in.U8()) {
    case 0:
        ok = ReadFields<CWeaponRecord>(in, record);
        break;
    case 1:
        ok = ReadFields<CUnitRecord>(in, record);
        break;
    case 2:
        ok = ReadFields<CFormationRecord>(in, record);
        break;
    default:
        break;
    }
    if (!ok) in.Fail();
    return ok && !in.Failed();
}

} // namespace quorvant::journal
