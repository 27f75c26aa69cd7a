#include "obdata/obwriter.h"

#include "obdata/oblayout.h"
#include "obdata/quorvantdoc.h"

#include <algorithm>
#include <cstring>

namespace quorvant {
namespace {

std::size_t MinimumSize(int generation) {
    return generation == kBW1 ? layout::kNewFileSizeBW1 : layout::kLayoutEnd;
}

// The 15 bytes a name is stored as: blank-padded text, or all NULs for an empty slot.
void StoreName(std::uint8_t* entry, const RecordName& name) {
    if (name.empty()) {
        std::memset(entry, 0, layout::kNameBytes);
        return;
    }
    std::memset(entry, ' ', layout::kNameBytes);
    std::string_view text = name.view();
    std::memcpy(entry, text.data(), text.size());
}

// What the reader makes of 15 stored bytes.
RecordName DecodeName(const std::uint8_t* entry) {
    RecordName name;
    const char* chars = reinterpret_cast<const char*>(entry);
    name.assignPadded(std::string_view(chars, strnlen(chars, layout::kNameBytes)));
    return name;
}

template <class Rec>
void WriteNames(std::vector<std::uint8_t>& out, std::size_t begin, const std::vector<Rec>& records,
                std::size_t capacity) {
    for (std::size_t s = 0; s < std::min(records.size(), capacity); ++s) {
        std::uint8_t* entry = out.data() + begin + s * layout::kNameBytes;
        RecordName held;
        held.assignPadded(records[s].Name.view());
        if (!(DecodeName(entry) == held)) StoreName(entry, records[s].Name);
    }
}

template <class Rec> class ColumnWriter {
  public:
    ColumnWriter(std::vector<std::uint8_t>& out, const std::vector<Rec>& records, std::size_t capacity,
                 const CQuorvantDoc& doc)
        : out_(out), records_(records), count_(std::min(records.size(), capacity)), doc_(doc) {}

    template <class A>
    void byte(std::size_t offset, std::size_t stride, std::size_t lane, A access,
              layout::Gate gate = layout::Gate::Always) {
        for (std::size_t s = 0; s < count_; ++s) {
            const Rec& r = records_[s];
            // A blank slot's dates read as 0 whatever is stored, so its bytes stay as they are.
            if (gate == layout::Gate::NamedOnly && r.Name.isBlank()) continue;
            std::uint8_t& stored = out_[offset + s * stride + lane];
            if (stored != access(r)) stored = access(r);
        }
    }

    template <class A> void word(std::size_t offset, std::size_t stride, std::size_t lane, A access) {
        for (std::size_t s = 0; s < count_; ++s) {
            std::size_t pos = offset + s * stride + lane;
            std::uint16_t value = access(records_[s]);
            if ((out_[pos] | (out_[pos + 1] << 8)) == value) continue;
            out_[pos] = static_cast<std::uint8_t>(value & 0xFF);
            out_[pos + 1] = static_cast<std::uint8_t>(value >> 8);
        }
    }

    template <class A> void nation(std::size_t offset, A access) {
        if (doc_.Generation == kBW1) {
            byte(offset, 1, 0, access);
            return;
        }
        // BW2 and BW3 keep the file's nation in unit slot 1 only; the formations' column is unused.
        if (offset == layout::kUnitNationColumn && count_ > 1)
            out_[offset + 1] = static_cast<std::uint8_t>(doc_.FileNation);
    }

  private:
    std::vector<std::uint8_t>& out_;
    const std::vector<Rec>& records_;
    std::size_t count_;
    const CQuorvantDoc& doc_;
};

} // namespace

std::vector<std::uint8_t> BuildOBImage(const CQuorvantDoc& doc) {
    std::vector<std::uint8_t> out = doc.OriginalBytes();
    if (out.size() < MinimumSize(doc.Generation)) out.resize(MinimumSize(doc.Generation), 0);

    // Names first: whether a slot is blank decides which of its date bytes the reader will use.
    WriteNames(out, layout::kWeaponNames, doc.Weapons, kWeaponSlots);
    WriteNames(out, layout::kUnitNames, doc.Units, kUnitSlots);
    WriteNames(out, layout::kFormationNames, doc.Formations, kFormationSlots);

    ColumnWriter<CWeaponRecord> weapons(out, doc.Weapons, kWeaponSlots, doc);
    layout::VisitWeaponColumns(weapons);
    ColumnWriter<CUnitRecord> units(out, doc.Units, kUnitSlots, doc);
    layout::VisitUnitColumns(units);
    ColumnWriter<CFormationRecord> formations(out, doc.Formations, kFormationSlots, doc);
    layout::VisitFormationColumns(formations, doc.Generation);
    return out;
}

} // namespace quorvant
