#pragma once

// Little-endian writing and bounds-checked reading of the journal's bytes.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvant::journal {

class ByteWriter {
  public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void U8(std::uint8_t v) { out_.push_back(v); }
    void U16(std::uint16_t v) { Unsigned(v, 2); }
    void U32(std::uint32_t v) { Unsigned(v, 4); }
    void U64(std::uint64_t v) { Unsigned(v, 8); }
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void I64(std::int64_t v) { U64(static_cast<std::uint64_t>(v)); }
    void Bytes(std::string_view text) { out_.insert(out_.end(), text.begin(), text.end()); }
    // Overwrites four bytes written earlier at offset (a length not known when they were reserved).
    void PatchU32(std::size_t offset, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out_[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }
    std::size_t Size() const { return out_.size(); }

  private:
    void Unsigned(std::uint64_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    std::vector<std::uint8_t>& out_;
};

// Every read past the end yields zeros and marks the reader failed, so a caller checks once at the end.
class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint8_t U8() { return static_cast<std::uint8_t>(Unsigned(1)); }
    std::uint16_t U16() { return static_cast<std::uint16_t>(Unsigned(2)); }
    std::uint32_t U32() { return static_cast<std::uint32_t>(Unsigned(4)); }
    std::uint64_t U64() { return Unsigned(8); }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    std::int64_t I64() { return static_cast<std::int64_t>(U64()); }
    std::string Bytes(std::size_t count) {
        if (!Has(count)) return {};
        std::string text(reinterpret_cast<const char*>(bytes_.data() + at_), count);
        at_ += count;
        return text;
    }
    bool Failed() const { return failed_; }
    void Fail() { failed_ = true; }
    bool AtEnd() const { return at_ == bytes_.size(); }

  private:
    bool Has(std::size_t count) {
        if (failed_ || count > bytes_.size() - at_) {
            failed_ = true;
            return false;
        }
        return true;
    }
    std::uint64_t Unsigned(int count) {
        if (!Has(static_cast<std::size_t>(count))) return 0;
        std::uint64_t v = 0;
        for (int i = 0; i < count; ++i)
            v |= std::uint64_t{bytes_[at_ + static_cast<std::size_t>(i)]} << (8 * i);
        at_ += static_cast<std::size_t>(count);
        return v;
    }
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

} // namespace quorvant::journal
