#include "pictures/xrefscan.h"

#include "obdata/oblayout.h"
#include "obdata/records.h"
#include "platform/pathresolve.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

namespace quorvant {
namespace {

struct Column {
    std::size_t offset = 0;
    std::size_t stride = 0;
};

struct ScanColumns {
    Column available, unavailable, availMonth, nation, sideView;
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
        if (field == &probe_.AvailMonth) c_.availMonth = column;
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
    const std::size_t at = layout::kUnitNames + slot * layout::kNameBytes;
    if (at >= image.size()) return {};
    const char* name = reinterpret_cast<const char*>(image.data() + at);
    std::size_t length = std::min(layout::kNameBytes, image.size() - at);
    if (const void* nul = std::memchr(name, 0, length))
        length = static_cast<std::size_t>(static_cast<const char*>(nul) - name);
    while (length > 0 && std::isspace(static_cast<unsigned char>(name[length - 1]))) --length;
    return std::string(name, length);
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
    for (const Column& column : {c.available, c.unavailable, c.availMonth, c.nation})
        end = std::max(end, column.offset + (kScannedUnitSlots - 1) * column.stride + 1);
    return std::max(end, c.sideView.offset + (kScannedUnitSlots - 1) * c.sideView.stride + 2);
}

void ScanOBImage(std::span<const std::uint8_t> image, std::vector<CPicUseRecord>& out,
                 const std::string& obFile) {
    const ScanColumns& c = Columns();
    for (std::size_t s = 0; s < kScannedUnitSlots; ++s) {
        std::string name = TrimmedName(image, s);
        if (name.empty()) continue;
        const std::size_t view = c.sideView.offset + s * c.sideView.stride;
        CPicUseRecord& r = out.emplace_back();
        r.Unit = static_cast<std::int32_t>(s + 1);
        r.Name = std::move(name);
        r.Nationality = Field(image, c.nation, s);
        r.SideView = static_cast<std::int16_t>(At(image, view) | At(image, view + 1) << 8);
        r.Available = Field(image, c.available, s);
        r.UnAvailable = Field(image, c.unavailable, s);
        r.AvailMonth = Field(image, c.availMonth, s);
        r.OBFile = obFile;
    }
}

std::vector<CPicUseRecord> ScanFamily(PicFamily family, const std::filesystem::path& gameFolder,
                                      LoadProgress* progress) {
    constexpr int kSlotsPerStep = 25;
    std::vector<CPicUseRecord> records;
    const std::size_t bytes = ScannedBytes();
    const std::vector<std::string> files = FamilyOBFiles(family);
    records.reserve(files.size() * kScannedUnitSlots);
    for (const std::string& name : files) {
        if (progress) {
            progress->setText("Scanning " + name);
            progress->setStep(10);
        }
        const std::filesystem::path path = ResolveCaseInsensitive(gameFolder, name);
        std::vector<std::uint8_t> image = ReadHead(path, bytes);
        if (!image.empty()) ScanOBImage(image, records, path.filename().string());
        if (progress)
            for (int s = 0; s < kScannedUnitSlots; s += kSlotsPerStep) progress->stepIt();
    }
    return records;
}

} // namespace quorvant
