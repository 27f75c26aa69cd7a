#include "pictures/xrefscan.h"

#include "obdata/oblayout.h"
#include "obdata/records.h"
#include "platform/pathresolve.h"

#include <cctype>
#include <cstdio>
#include <memory>
#include <system_error>

namespace quorvant {
namespace {

struct Column {
    std::size_t offset = 0;
    std::size_t stride = 0;
};

struct ScanColumns {
    Column available, unavailable, nation, sideView;
};

// Takes the places of the fields the scan reads from the one description of the layout.
class ColumnFinder {
  public:
    explicit ColumnFinder(ScanColumns& columns) : c_(columns) {}

    template <class A>
    void byte(std::size_t offset, std::size_t stride, std::size_t lane, A access,
              layout::Gate = layout::Gate::Always) {
        note(&access(probe_), {offset + lane, stride});
    }
    template <class A> void word(std::size_t offset, std::size_t stride, std::size_t lane, A access) {
        note(&access(probe_), {offset + lane, stride});
    }
    template <class A> void nation(std::size_t offset, A access) { note(&access(probe_), {offset, 1}); }

  private:
    void note(const void* field, Column column) {
        if (field == &probe_.Available) c_.available = column;
        if (field == &probe_.UnAvailable) c_.unavailable = column;
        if (field == &probe_.Nationality) c_.nation = column;
        if (field == &probe_.SideView) c_.sideView = column;
    }
    CUnitRecord probe_;
    ScanColumns& c_;
};

const ScanColumns& Columns() {
    static const ScanColumns columns = [] {
        ScanColumns c;
        ColumnFinder finder(c);
        layout::VisitUnitColumns(finder);
        return c;
    }();
    return columns;
}

std::uint8_t At(std::span<const std::uint8_t> image, std::size_t pos) {
    return pos < image.size() ? image[pos] : 0;
}

std::uint8_t Field(std::span<const std::uint8_t> image, const Column& c, std::size_t slot) {
    return At(image, c.offset + slot * c.stride);
}

std::string TrimmedName(std::span<const std::uint8_t> image, std::size_t slot) {
    char name[layout::kNameBytes + 1] = {};
    const std::size_t at = layout::kUnitNames + slot * layout::kNameBytes;
    for (std::size_t i = 0; i < layout::kNameBytes; ++i) name[i] = static_cast<char>(At(image, at + i));
    std::string text(name);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
    return text;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// The first n bytes of a regular file (fewer when it is shorter) in one read; empty when it cannot be read.
std::vector<std::uint8_t> ReadHead(const std::filesystem::path& path, std::size_t n) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return {};
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.string().c_str(), "rb"));
    if (!file) return {};
    std::vector<std::uint8_t> bytes(n);
    bytes.resize(std::fread(bytes.data(), 1, n, file.get()));
    return bytes;
}

} // namespace

std::size_t ScannedBytes() {
    const ScanColumns& c = Columns();
    std::size_t end = layout::kUnitNames + kScannedUnitSlots * layout::kNameBytes;
    for (const Column& column : {c.available, c.unavailable, c.nation})
        end = std::max(end, column.offset + (kScannedUnitSlots - 1) * column.stride + 1);
    return std::max(end, c.sideView.offset + (kScannedUnitSlots - 1) * c.sideView.stride + 2);
}

void ScanOBImage(std::span<const std::uint8_t> image, std::vector<CPicUseRecord>& out) {
    const ScanColumns& c = Columns();
    for (std::size_t s = 0; s < kScannedUnitSlots; ++s) {
        std::string name = TrimmedName(image, s);
        if (name.empty()) continue;
        const std::size_t view = c.sideView.offset + s * c.sideView.stride;
        out.push_back({static_cast<std::int32_t>(s + 1), std::move(name), Field(image, c.nation, s),
                       static_cast<std::int16_t>(At(image, view) | At(image, view + 1) << 8),
                       Field(image, c.available, s), Field(image, c.unavailable, s)});
    }
}

std::vector<CPicUseRecord> ScanFamily(PicFamily family, const std::filesystem::path& gameFolder,
                                      LoadProgress* progress) {
    constexpr int kSlotsPerStep = 25;
    std::vector<CPicUseRecord> records;
    const std::size_t bytes = ScannedBytes();
    for (const std::string& name : FamilyOBFiles(family)) {
        if (progress) {
            progress->setText("Scanning " + name);
            progress->setStep(10);
        }
        std::vector<std::uint8_t> image = ReadHead(ResolveCaseInsensitive(gameFolder, name), bytes);
        if (!image.empty()) ScanOBImage(image, records);
        if (progress)
            for (int s = 0; s < kScannedUnitSlots; s += kSlotsPerStep) progress->stepIt();
    }
    return records;
}

} // namespace quorvant
