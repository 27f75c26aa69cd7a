#include "obdata/obreader.h"

#include "obdata/oblayout.h"
#include "obdata/quorvantdoc.h"

#include <algorithm>
#include <cstring>

namespace quorvant {
namespace {

// The part of the file the reader may look at: everything before 44500.
struct Image {
    const std::uint8_t* data;
    std::size_t size;

    std::uint8_t at(std::size_t pos) const { return pos < size ? data[pos] : 0; }
};

Image Visible(const std::vector<std::uint8_t>& bytes) {
    return {bytes.data(), std::min(bytes.size(), layout::kLayoutEnd)};
}

class ProgressSteps {
  public:
    explicit ProgressSteps(LoadProgress* progress) : progress_(progress) {}
    void text(const char* text, int step) {
        if (!progress_) return;
        progress_->setStep(step);
        progress_->setText(text);
    }
    void advance() {
        if (progress_) progress_->stepIt();
    }

  private:
    LoadProgress* progress_;
};

// Reads consecutive 15-byte names from begin while they start before end and the image still has
// bytes there; a partial last name counts, padded with NULs.
template <class Rec>
void ReadNames(const Image& image, std::size_t begin, std::size_t end, std::vector<Rec>& records,
               std::vector<std::string>* rawNames) {
    std::size_t count = 0;
    for (std::size_t offset = begin; offset < end && offset < image.size; offset += layout::kNameBytes)
        ++count;
    // Copies of one empty record: far cheaper than clearing each new record on its own.
    records.assign(count, Rec{});
    if (rawNames) rawNames->reserve(rawNames->size() + count);
    for (std::size_t s = 0; s < count; ++s) {
        std::size_t offset = begin + s * layout::kNameBytes;
        const char* entry = reinterpret_cast<const char*>(image.data + offset);
        std::size_t available = std::min(layout::kNameBytes, image.size - offset);
        std::size_t length = records[s].Name.assignPadded(std::string_view(entry, available));
        if (rawNames) rawNames->emplace_back(entry, length);
    }
}

// Fills one slot's record from every column at once: the offsets become constants and the record
// stays in the cache, several times faster than a pass per column. Checked reads serve a short file,
// whose entries past the end read as 0.
template <class Rec, bool Checked> class SlotReader {
  public:
    SlotReader(const Image& image, Rec& record, const CQuorvantDoc& doc, std::size_t slot)
        : image_(image), record_(record), doc_(doc), slot_(slot) {}

    template <class A>
    void byte(std::size_t offset, std::size_t stride, std::size_t lane, A access,
              layout::Gate gate = layout::Gate::Always) {
        std::uint8_t value = at(offset + slot_ * stride + lane);
        access(record_) = gate == layout::Gate::NamedOnly && record_.Name.isBlank() ? 0 : value;
    }

    template <class A> void word(std::size_t offset, std::size_t stride, std::size_t lane, A access) {
        std::size_t pos = offset + slot_ * stride + lane;
        access(record_) = static_cast<std::uint16_t>(at(pos) | (at(pos + 1) << 8));
    }

    template <class A> void nation(std::size_t offset, A access) {
        if (doc_.Generation == kBW1)
            byte(offset, 1, 0, access);
        else
            access(record_) = static_cast<std::uint8_t>(doc_.FileNation);
    }

  private:
    std::uint8_t at(std::size_t pos) const {
        if constexpr (Checked)
            return image_.at(pos);
        else
            return image_.data[pos];
    }

    const Image& image_;
    Rec& record_;
    const CQuorvantDoc& doc_;
    std::size_t slot_;
};

// The first offset past every entry a table's columns hold for count slots.
class ColumnExtent {
  public:
    explicit ColumnExtent(std::size_t count) : count_(count) {}

    template <class A>
    void byte(std::size_t offset, std::size_t stride, std::size_t lane, A,
              layout::Gate = layout::Gate::Always) {
        grow(offset + (count_ - 1) * stride + lane + 1);
    }
    template <class A> void word(std::size_t offset, std::size_t stride, std::size_t lane, A) {
        grow(offset + (count_ - 1) * stride + lane + 2);
    }
    template <class A> void nation(std::size_t offset, A) { grow(offset + count_); }

    std::size_t end() const { return end_; }

  private:
    void grow(std::size_t end) { end_ = std::max(end_, end); }
    std::size_t count_;
    std::size_t end_ = 0;
};

// Advances the progress display once per column, as a column-by-column read does.
class ColumnSteps {
  public:
    explicit ColumnSteps(ProgressSteps& progress) : progress_(progress) {}

    template <class A>
    void byte(std::size_t, std::size_t stride, std::size_t lane, A, layout::Gate = layout::Gate::Always) {
        if (lane + 1 == stride) progress_.advance();
    }
    template <class A> void word(std::size_t, std::size_t stride, std::size_t lane, A) {
        if (lane + 2 == stride) progress_.advance();
    }
    template <class A> void nation(std::size_t, A) { progress_.advance(); }

  private:
    ProgressSteps& progress_;
};

template <class Rec, bool Checked, class Visit>
void ReadSlots(const Image& image, std::vector<Rec>& records, const CQuorvantDoc& doc, Visit visit) {
    for (std::size_t s = 0; s < records.size(); ++s) {
        SlotReader<Rec, Checked> reader(image, records[s], doc, s);
        visit(reader);
    }
}

template <class Rec, class Visit>
void ReadColumns(const Image& image, std::vector<Rec>& records, const CQuorvantDoc& doc, ProgressSteps& steps,
                 Visit visit) {
    ColumnExtent extent(records.size());
    if (!records.empty()) visit(extent);
    if (extent.end() <= image.size)
        ReadSlots<Rec, false>(image, records, doc, visit);
    else
        ReadSlots<Rec, true>(image, records, doc, visit);
    ColumnSteps counter(steps);
    visit(counter);
}

} // namespace

int DetectGeneration(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < layout::kLayoutEnd) return kBW1;
    auto probe = bytes.begin() + static_cast<std::ptrdiff_t>(layout::kGenerationProbe);
    bool allZero =
        std::all_of(probe, probe + layout::kGenerationProbeBytes, [](std::uint8_t b) { return b == 0; });
    return allZero ? kBW2 : kBW3;
}

void ReadOBImage(CQuorvantDoc& doc, const std::vector<std::uint8_t>& bytes, LoadProgress* progress,
                 int generation) {
    const Image image = Visible(bytes);
    ProgressSteps steps(progress);

    doc.Generation = generation >= 0 ? generation : DetectGeneration(bytes);
    doc.BuildLists();

    steps.text("Loading Weapons", 2);
    ReadNames(image, layout::kWeaponNames, layout::kWeaponNamesEnd, doc.Weapons, nullptr);
    for (CWeaponRecord& w : doc.Weapons) w.Generation = doc.Generation;
    ReadColumns(image, doc.Weapons, doc, steps, [](auto& v) { layout::VisitWeaponColumns(v); });

    steps.text("Loading Units", 1);
    steps.advance();
    doc.UnitNameList.clear();
    ReadNames(image, layout::kUnitNames, layout::kUnitNamesEnd, doc.Units, &doc.UnitNameList);
    steps.advance();
    // BW2 and BW3 files belong to one nation, named by unit slot 1's byte.
    doc.FileNation = doc.Generation == kBW1 ? 0 : image.at(layout::kUnitNationColumn + 1);
    ReadColumns(image, doc.Units, doc, steps, [](auto& v) { layout::VisitUnitColumns(v); });

    steps.text("Loading Formations", 3);
    steps.advance();
    doc.FormationNameList.clear();
    ReadNames(image, layout::kFormationNames, layout::kFormationNamesEnd, doc.Formations,
              &doc.FormationNameList);
    ReadColumns(image, doc.Formations, doc, steps,
                [&doc](auto& v) { layout::VisitFormationColumns(v, doc.Generation); });
}

void ReadOBNames(CQuorvantDoc& doc, const std::vector<std::uint8_t>& bytes) {
    const Image image = Visible(bytes);
    doc.Generation = DetectGeneration(bytes);
    ReadNames(image, layout::kWeaponNames, layout::kWeaponNamesEnd, doc.Weapons, nullptr);
    ReadNames(image, layout::kUnitNames, layout::kUnitNamesEnd, doc.Units, nullptr);
    ReadNames(image, layout::kFormationNames, layout::kFormationNamesEnd, doc.Formations, nullptr);
}

} // namespace quorvant
