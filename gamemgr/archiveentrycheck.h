#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvant {

// Archives come from anywhere; these limits keep an unpack from filling the disk or the folder.
constexpr std::uint64_t kMaxUnpackedBytes = std::uint64_t{1} << 30;
constexpr std::size_t kMaxArchiveEntries = 1000;

// One entry of an archive's central directory, as far as an unpack cares.
struct ArchiveEntryInfo {
    std::string name;       // as stored, '/' separating folders
    std::uint64_t size = 0; // unpacked size the archive declares
    bool encrypted = false;

    // A stored folder: a name ending in '/'. Unpacking drops folder names, so these write nothing.
    bool IsFolder() const { return !name.empty() && name.back() == '/'; }
};

// The name an entry unpacks to with stored folder names dropped: what follows the last '/'.
std::string_view BareEntryName(std::string_view name);

// A name that can be unpacked safely: not empty, not absolute, no ".." or "." part, no backslash, no
// drive or other ':', no control character. False with the reason in error.
bool CheckEntryName(std::string_view name, std::string& error);

// Every entry of an archive before anything is written: at most 1,000 entries, names that pass
// CheckEntryName, none encrypted, no two files with one bare name (ignoring case), and at most
// 1 GiB unpacked in all.
bool CheckArchiveEntries(const std::vector<ArchiveEntryInfo>& entries, std::string& error);

// An archive of one slot: besides CheckArchiveEntries, its files are exactly the slot's
// description and data file (bare names compared ignoring case, folders skipped).
bool CheckSlotArchiveEntries(const std::vector<ArchiveEntryInfo>& entries, const std::string& descriptionName,
                             const std::string& dataName, std::string& error);

} // namespace quorvant
