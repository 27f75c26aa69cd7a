#pragma once

// Writes OB images byte by byte at the layout's offsets, so reader tests never lean on the writer.

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace quorvant::testing {

class OBFileBuilder {
  public:
    explicit OBFileBuilder(std::size_t size) : bytes_(size, 0) {}

    static OBFileBuilder BW1() { return OBFileBuilder(38500); }
    static OBFileBuilder BW2() { return OBFileBuilder(44500); }
    // A BW3 file: non-zero strength in the first formation's first UnitStr byte.
    static OBFileBuilder BW3() {
        OBFileBuilder b(44500);
        b.put(42500, 1);
        return b;
    }

    OBFileBuilder& put(std::size_t offset, std::uint8_t value) {
        if (offset >= bytes_.size()) bytes_.resize(offset + 1, 0);
        bytes_[offset] = value;
        return *this;
    }
    OBFileBuilder& put16(std::size_t offset, std::uint16_t value) {
        put(offset, static_cast<std::uint8_t>(value & 0xFF));
        return put(offset + 1, static_cast<std::uint8_t>(value >> 8));
    }
    // Raw name bytes at a table's name column (weapons 0, units 9250, formations 32500).
    OBFileBuilder& name(std::size_t tableOffset, int slot, std::string_view text) {
        std::size_t at = tableOffset + static_cast<std::size_t>(slot) * 15;
        for (std::size_t i = 0; i < 15; ++i)
            put(at + i, i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
        return *this;
    }
    OBFileBuilder& weaponName(int slot, std::string_view text) { return name(0, slot, text); }
    OBFileBuilder& unitName(int slot, std::string_view text) { return name(9250, slot, text); }
    OBFileBuilder& formationName(int slot, std::string_view text) { return name(32500, slot, text); }
    // One byte of a one-byte-per-slot column.
    OBFileBuilder& column(std::size_t offset, int slot, std::uint8_t value, std::size_t stride = 1,
                          std::size_t lane = 0) {
        return put(offset + static_cast<std::size_t>(slot) * stride + lane, value);
    }

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t>& bytes() { return bytes_; }

  private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace quorvant::testing
