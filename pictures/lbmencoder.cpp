#include "pictures/lbmencoder.h"

#include <algorithm>
#include <string_view>

namespace quorvant {
namespace {

void AppendBe16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v >> 8));
    out.push_back(static_cast<std::uint8_t>(v));
}

void AppendBe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    AppendBe16(out, v >> 16);
    AppendBe16(out, v & 0xFFFF);
}

void AppendChunk(std::vector<std::uint8_t>& out, std::string_view id, const std::vector<std::uint8_t>& data) {
    out.insert(out.end(), id.begin(), id.end());
    AppendBe32(out, static_cast<std::uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() & 1) out.push_back(0);
}

std::vector<std::uint8_t> Bmhd(const LbmHeader& h) {
    std::vector<std::uint8_t> b;
    AppendBe16(b, h.width);
    AppendBe16(b, h.height);
    AppendBe32(b, 0); // x, y
    b.insert(b.end(), {h.planes, h.masking, h.compression, 0});
    AppendBe16(b, h.transparentColour);
    b.insert(b.end(), {h.xAspect, h.yAspect});
    AppendBe16(b, h.pageWidth);
    AppendBe16(b, h.pageHeight);
    return b;
}

class BodyWriter {
  public:
    explicit BodyWriter(bool packed) : packed_(packed) {}
    void row(std::span<const std::uint8_t> bytes) {
        if (packed_)
            AppendByteRun1(body_, bytes);
        else
            body_.insert(body_.end(), bytes.begin(), bytes.end());
    }
    const std::vector<std::uint8_t>& body() const { return body_; }

  private:
    bool packed_;
    std::vector<std::uint8_t> body_;
};

std::vector<std::uint8_t> Body(const LbmLayout& layout, std::span<const std::uint8_t> indices) {
    const LbmHeader& h = layout.header;
    const std::size_t width = h.width;
    BodyWriter writer(h.compression == 1);
    if (layout.chunky) {
        std::vector<std::uint8_t> row(width + (width & 1), 0);
        for (std::size_t y = 0; y < h.height; ++y) {
            std::copy_n(indices.begin() + static_cast<std::ptrdiff_t>(y * width), width, row.begin());
            writer.row(row);
        }
        return writer.body();
    }
    const std::size_t rowBytes = (width + 15) / 16 * 2;
    const bool maskPlane = h.masking == kLbmMaskPlane;
    std::vector<std::uint8_t> plane(rowBytes);
    for (std::size_t y = 0; y < h.height; ++y) {
        const std::uint8_t* row = indices.data() + y * width;
        for (unsigned p = 0; p < h.planes + (maskPlane ? 1u : 0u); ++p) {
            std::fill(plane.begin(), plane.end(), 0);
            for (std::size_t x = 0; x < width; ++x) {
                bool set = p < h.planes ? (row[x] >> p & 1) != 0 : row[x] != h.transparentColour;
                if (set) plane[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
            writer.row(plane);
        }
    }
    return writer.body();
}

} // namespace

void AppendByteRun1(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> row) {
    const std::size_t n = row.size();
    std::size_t i = 0;
    while (i < n) {
        std::size_t run = 1;
        while (i + run < n && run < 128 && row[i + run] == row[i]) ++run;
        if (run >= 3) {
            out.push_back(static_cast<std::uint8_t>(257 - run));
            out.push_back(row[i]);
            i += run;
            continue;
        }
        std::size_t start = i;
        while (i < n && i - start < 128 && !(i + 2 < n && row[i] == row[i + 1] && row[i] == row[i + 2])) ++i;
        out.push_back(static_cast<std::uint8_t>(i - start - 1));
        out.insert(out.end(), row.begin() + static_cast<std::ptrdiff_t>(start),
                   row.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

std::vector<std::uint8_t> EncodeLbm(const LbmLayout& layout, std::span<const std::uint8_t> indices) {
    if (indices.size() != std::size_t{layout.header.width} * layout.header.height) return {};
    std::vector<std::uint8_t> form;
    std::string_view kind = layout.chunky ? "PBM " : "ILBM";
    form.insert(form.end(), kind.begin(), kind.end());
    AppendChunk(form, "BMHD", Bmhd(layout.header));
    std::vector<std::uint8_t> cmap;
    for (const Rgb& c : layout.cmap) cmap.insert(cmap.end(), {c.r, c.g, c.b});
    AppendChunk(form, "CMAP", cmap);
    if (layout.camg) {
        std::vector<std::uint8_t> camg;
        AppendBe32(camg, *layout.camg);
        AppendChunk(form, "CAMG", camg);
    }
    AppendChunk(form, "BODY", Body(layout, indices));
    std::vector<std::uint8_t> file{'F', 'O', 'R', 'M'};
    AppendBe32(file, static_cast<std::uint32_t>(form.size()));
    file.insert(file.end(), form.begin(), form.end());
    return file;
}

} // namespace quorvant
