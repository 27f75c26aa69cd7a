#include "pictures/lbmdecoder.h"

#include "pictures/bmpimage.h"
#include "platform/fileio.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <system_error>

namespace quorvant {
namespace {

constexpr std::uint32_t kCamgHam = 0x800;
constexpr std::uint32_t kCamgExtraHalfBrite = 0x80;
constexpr std::size_t kMaxColours = 256;

std::uint32_t Be32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}
std::uint16_t Be16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

bool IdIs(const std::uint8_t* p, const char* id) {
    return std::memcmp(p, id, 4) == 0;
}

std::string IdText(const std::uint8_t* p) {
    std::string id;
    for (int i = 0; i < 4; ++i) id += (p[i] >= 0x20 && p[i] < 0x7F) ? static_cast<char>(p[i]) : '?';
    return id;
}

struct Chunks {
    bool chunky = false; // FORM PBM
    std::optional<LbmHeader> bmhd;
    std::vector<Rgb> cmap;
    bool hasCmap = false;
    std::optional<std::uint32_t> camgChunk;
    std::uint32_t camg = 0;
    bool directColour = false; // a DCOL chunk: pixel bits are colour components, not indices
    std::span<const std::uint8_t> body;
    bool hasBody = false;
};

bool Fail(std::string& reason, std::string text) {
    reason = std::move(text);
    return false;
}

bool ReadChunk(Chunks& c, const std::uint8_t* id, std::span<const std::uint8_t> data, std::string& reason) {
    if (IdIs(id, "BMHD")) {
        if (data.size() < 20) return Fail(reason, "the BMHD chunk is shorter than 20 bytes");
        LbmHeader& h = c.bmhd.emplace();
        h.width = Be16(&data[0]);
        h.height = Be16(&data[2]);
        h.planes = data[8];
        h.masking = data[9];
        h.compression = data[10];
        h.transparentColour = Be16(&data[12]);
        h.xAspect = data[14];
        h.yAspect = data[15];
        h.pageWidth = Be16(&data[16]);
        h.pageHeight = Be16(&data[18]);
    } else if (IdIs(id, "CMAP")) {
        if (data.size() / 3 > kMaxColours) return Fail(reason, "the CMAP chunk holds more than 256 colours");
        c.cmap.clear();
        for (std::size_t i = 0; i + 3 <= data.size(); i += 3)
            c.cmap.push_back({data[i], data[i + 1], data[i + 2]});
        c.hasCmap = !c.cmap.empty();
    } else if (IdIs(id, "CAMG")) {
        if (data.size() >= 4) c.camgChunk = c.camg = Be32(data.data());
    } else if (IdIs(id, "DCOL")) {
        c.directColour = true;
    } else if (IdIs(id, "BODY") && !c.hasBody) {
        c.body = data;
        c.hasBody = true;
    }
    return true;
}

bool ReadChunks(std::span<const std::uint8_t> file, Chunks& c, std::string& reason) {
    if (file.size() < 12 || !IdIs(file.data(), "FORM"))
        return Fail(reason, "not an IFF file (no FORM header)");
    std::uint64_t formEnd = std::uint64_t{Be32(&file[4])} + 8;
    // A writer that leaves out the pad byte of the last chunk makes the FORM one byte longer than the file.
    if (formEnd > file.size() + 1) return Fail(reason, "the FORM chunk is longer than the file");
    formEnd = std::min<std::uint64_t>(formEnd, file.size());
    if (IdIs(&file[8], "PBM "))
        c.chunky = true;
    else if (!IdIs(&file[8], "ILBM"))
        return Fail(reason, "FORM " + IdText(&file[8]) + " is not an ILBM or PBM picture");
    std::size_t at = 12;
    while (at + 8 <= formEnd) {
        const std::uint8_t* id = &file[at];
        std::uint64_t size = Be32(&file[at + 4]);
        at += 8;
        if (size > formEnd - at)
            return Fail(reason, "the " + IdText(id) + " chunk runs past the end of the file");
        if (!ReadChunk(c, id, file.subspan(at, static_cast<std::size_t>(size)), reason)) return false;
        at += static_cast<std::size_t>(size) + (size & 1);
    }
    if (!c.bmhd) return Fail(reason, "no BMHD chunk");
    if (!c.hasBody) return Fail(reason, "no BODY chunk");
    return true;
}

bool CheckHeader(const Chunks& c, std::string& reason) {
    const LbmHeader& h = *c.bmhd;
    if (h.width == 0 || h.height == 0) return Fail(reason, "the picture has no pixels");
    if (h.width > kMaxLbmDimension || h.height > kMaxLbmDimension)
        return Fail(reason, "the picture is larger than 4096 x 4096");
    if (h.compression > 1) return Fail(reason, "unknown compression " + std::to_string(h.compression));
    if (c.chunky && h.planes != 8) return Fail(reason, "a PBM picture must have 8 bits per pixel");
    if (h.planes < 1 || h.planes > 8)
        return Fail(reason, std::to_string(h.planes) + " bit planes are not supported");
    if (c.directColour) return Fail(reason, "direct-colour pictures are not supported");
    if ((c.camg & kCamgHam) && !c.chunky && h.planes != 6 && h.planes != 8)
        return Fail(reason, "a HAM picture must have 6 or 8 bit planes");
    return true;
}

// Hands out the BODY's rows; a ByteRun1 run never fills past the row it belongs to.
class BodyReader {
  public:
    BodyReader(std::span<const std::uint8_t> body, bool packed) : body_(body), packed_(packed) {}

    bool row(std::uint8_t* out, std::size_t n, std::string& reason) {
        if (!packed_) {
            if (n > body_.size() - at_) return Fail(reason, "the BODY ends before the picture does");
            std::memcpy(out, body_.data() + at_, n);
            at_ += n;
            return true;
        }
        std::size_t filled = 0;
        while (filled < n) {
            if (at_ >= body_.size()) return Fail(reason, "the BODY ends before the picture does");
            int code = static_cast<std::int8_t>(body_[at_++]);
            if (code == -128) continue;
            std::size_t count = code >= 0 ? std::size_t(code) + 1 : std::size_t(1 - code);
            if (count > n - filled) return Fail(reason, "a ByteRun1 run goes past the end of a row");
            if (code >= 0) {
                if (count > body_.size() - at_) return Fail(reason, "the BODY ends before the picture does");
                std::memcpy(out + filled, body_.data() + at_, count);
                at_ += count;
            } else {
                if (at_ >= body_.size()) return Fail(reason, "the BODY ends before the picture does");
                std::memset(out + filled, body_[at_++], count);
            }
            filled += count;
        }
        return true;
    }

  private:
    std::span<const std::uint8_t> body_;
    bool packed_;
    std::size_t at_ = 0;
};

// The eight bits of a plane byte as eight bytes of 0 or 1, the leftmost pixel (the top bit) first in memory.
std::uint64_t SpreadBits(std::uint8_t bits) {
    static const std::array<std::uint64_t, 256> table = [] {
        std::array<std::uint64_t, 256> t{};
        for (unsigned v = 0; v < 256; ++v) {
            std::uint8_t bytes[8];
            for (unsigned k = 0; k < 8; ++k) bytes[k] = static_cast<std::uint8_t>(v >> (7 - k) & 1);
            std::memcpy(&t[v], bytes, 8);
        }
        return t;
    }();
    return table[bits];
}

// Colour indices, top-down, one byte per pixel.
bool ReadIndices(const Chunks& c, std::vector<std::uint8_t>& indices, std::string& reason) {
    const LbmHeader& h = *c.bmhd;
    BodyReader reader(c.body, h.compression == 1);
    indices.assign(std::size_t{h.width} * h.height, 0);
    if (c.chunky) {
        std::vector<std::uint8_t> row(h.width + (h.width & 1u));
        for (std::size_t y = 0; y < h.height; ++y) {
            if (!reader.row(row.data(), row.size(), reason)) return false;
            std::memcpy(indices.data() + y * h.width, row.data(), h.width);
        }
        return true;
    }
    const std::size_t rowBytes = ((std::size_t{h.width} + 15) / 16) * 2;
    const unsigned stored = h.planes + (h.masking == kLbmMaskPlane ? 1u : 0u);
    std::vector<std::uint8_t> planes(rowBytes * stored);
    std::vector<std::uint8_t> row(rowBytes * 8);
    for (std::size_t y = 0; y < h.height; ++y) {
        for (unsigned p = 0; p < stored; ++p)
            if (!reader.row(planes.data() + p * rowBytes, rowBytes, reason)) return false;
        std::fill(row.begin(), row.end(), 0);
        for (unsigned p = 0; p < h.planes; ++p) {
            const std::uint8_t* plane = planes.data() + p * rowBytes;
            for (std::size_t i = 0; i < rowBytes; ++i) {
                std::uint64_t eight;
                std::memcpy(&eight, row.data() + 8 * i, 8);
                eight |= SpreadBits(plane[i]) << p;
                std::memcpy(row.data() + 8 * i, &eight, 8);
            }
        }
        std::memcpy(indices.data() + y * h.width, row.data(), h.width);
    }
    return true;
}

std::vector<Rgb> Palette(const Chunks& c, std::size_t colours) {
    std::vector<Rgb> palette(colours);
    if (!c.hasCmap) {
        for (std::size_t i = 0; i < colours; ++i) {
            auto v = static_cast<std::uint8_t>(colours > 1 ? i * 255 / (colours - 1) : 0);
            palette[i] = {v, v, v};
        }
        return palette;
    }
    // Old writers store 4-bit components in the high nibble; spread them over the full range.
    bool fourBit = std::all_of(c.cmap.begin(), c.cmap.end(),
                               [](const Rgb& e) { return ((e.r | e.g | e.b) & 0x0F) == 0; });
    std::copy_n(c.cmap.begin(), std::min(colours, c.cmap.size()), palette.begin());
    if (fourBit)
        for (Rgb& e : palette)
            e = {std::uint8_t(e.r | e.r >> 4), std::uint8_t(e.g | e.g >> 4), std::uint8_t(e.b | e.b >> 4)};
    return palette;
}

std::vector<Rgb> HamPixels(const Chunks& c, const std::vector<std::uint8_t>& indices) {
    const LbmHeader& h = *c.bmhd;
    const unsigned valueBits = h.planes - 2u;
    const std::vector<Rgb> base = Palette(c, std::size_t{1} << valueBits);
    auto modify = [valueBits](std::uint8_t old, unsigned value) {
        if (valueBits == 4) return static_cast<std::uint8_t>(value << 4 | value);
        return static_cast<std::uint8_t>(value << 2 | (old & 3u));
    };
    std::vector<Rgb> pixels(indices.size());
    for (std::size_t y = 0; y < h.height; ++y) {
        Rgb colour = base[0];
        for (std::size_t x = 0; x < h.width; ++x) {
            std::uint8_t v = indices[y * h.width + x];
            unsigned value = v & ((1u << valueBits) - 1);
            switch (v >> valueBits) {
            case 0:
                colour = base[value];
                break;
            case 1:
                colour.b = modify(colour.b, value);
                break;
            case 2:
                colour.r = modify(colour.r, value);
                break;
            default:
                colour.g = modify(colour.g, value);
                break;
            }
            pixels[y * h.width + x] = colour;
        }
    }
    return pixels;
}

// The colours of a palette picture as shown; empty for HAM.
std::vector<Rgb> ShownPalette(const Chunks& c) {
    if (!c.chunky && (c.camg & kCamgHam)) return {};
    std::size_t colours = c.chunky ? kMaxColours : std::size_t{1} << c.bmhd->planes;
    std::vector<Rgb> palette = Palette(c, colours);
    if (!c.chunky && c.bmhd->planes == 6 && (c.camg & kCamgExtraHalfBrite))
        for (std::size_t i = 0; i < 32; ++i)
            palette[32 + i] = {std::uint8_t(palette[i].r >> 1), std::uint8_t(palette[i].g >> 1),
                               std::uint8_t(palette[i].b >> 1)};
    return palette;
}

std::optional<std::vector<std::uint8_t>> ReadPictureFile(const std::filesystem::path& path,
                                                         std::string& reason) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec) &&
        std::filesystem::file_size(path, ec) > kMaxLbmFileBytes) {
        reason = "the file is larger than 16 MB";
        return std::nullopt;
    }
    return ReadWholeFile(path, reason);
}

} // namespace

std::optional<std::vector<std::uint8_t>> lbm2bmp(std::span<const std::uint8_t> lbm, std::string& reason) {
    Chunks c;
    std::vector<std::uint8_t> indices;
    if (!ReadChunks(lbm, c, reason) || !CheckHeader(c, reason) || !ReadIndices(c, indices, reason))
        return std::nullopt;
    const LbmHeader& h = *c.bmhd;
    if (!c.chunky && (c.camg & kCamgHam)) return BuildTrueColourBmp(h.width, h.height, HamPixels(c, indices));
    return BuildIndexedBmp(h.width, h.height, indices, ShownPalette(c));
}

std::optional<std::vector<std::uint8_t>> lbm2bmp(const std::filesystem::path& path, std::string& reason) {
    std::optional<std::vector<std::uint8_t>> bytes = ReadPictureFile(path, reason);
    if (!bytes) return std::nullopt;
    return lbm2bmp(std::span<const std::uint8_t>(*bytes), reason);
}

std::optional<LbmLayout> ReadLbmLayout(std::span<const std::uint8_t> lbm, std::string& reason) {
    Chunks c;
    if (!ReadChunks(lbm, c, reason) || !CheckHeader(c, reason)) return std::nullopt;
    return LbmLayout{c.chunky, *c.bmhd, c.cmap, c.camgChunk, ShownPalette(c)};
}

std::optional<LbmLayout> ReadLbmLayout(const std::filesystem::path& path, std::string& reason) {
    std::optional<std::vector<std::uint8_t>> bytes = ReadPictureFile(path, reason);
    if (!bytes) return std::nullopt;
    return ReadLbmLayout(std::span<const std::uint8_t>(*bytes), reason);
}

} // namespace quorvant
