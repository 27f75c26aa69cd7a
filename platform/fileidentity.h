#pragma once

// What a file on disk is and holds, to tell whether it changed since it was read, and whether two
// paths lead to the same file.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace quorvant {

struct FileFingerprint {
    enum class State { Missing, Unreadable, Present };
    State state = State::Missing;
    std::uintmax_t size = 0;
    std::uint64_t hash = 0; // of the whole content
    std::string why;        // for an unreadable file, the reason

    bool operator==(const FileFingerprint& other) const {
        return state == other.state && size == other.size && hash == other.hash;
    }
};

// The fingerprint of bytes held in memory, as a present file holding them would have.
FileFingerprint FingerprintOf(std::span<const std::uint8_t> bytes);
// Reads the file whole. A folder or another kind of entry counts as missing.
FileFingerprint TakeFingerprint(const std::filesystem::path& path);

// Two paths name the same file: the same file system entry when both exist (through links, other
// spellings of the path, hard links), else the same path once made canonical.
bool SameFileIdentity(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace quorvant
