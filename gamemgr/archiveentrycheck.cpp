#include "gamemgr/archiveentrycheck.h"

#include "gamemgr/slotfiles.h"
#include "platform/pathresolve.h"

#include <set>

namespace quorvant {
namespace {

// Names go into messages; a hostile one must not carry control bytes or run on without end.
std::string Shown(std::string_view name) {
    std::string shown;
    for (char c : name.substr(0, 120)) shown += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    if (name.size() > 120) shown += "...";
    return "\"" + shown + "\"";
}

} // namespace

std::string_view BareEntryName(std::string_view name) {
    std::size_t slash = name.rfind('/');
    return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

bool CheckEntryName(std::string_view name, std::string& error) {
    auto refuse = [&](const char* why) {
        error = "the archive holds an entry " + Shown(name) + " " + why;
        return false;
    };
    if (name.empty()) return refuse("without a name");
    if (name.front() == '/') return refuse("with an absolute path");
    for (char c : name) {
        if (c == '\\') return refuse("with a backslash path");
        if (c == ':') return refuse("with a drive or device name");
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return refuse("with a control character");
    }
    std::string_view rest = name;
    if (rest.back() == '/') rest.remove_suffix(1);
    while (true) {
        std::size_t slash = rest.find('/');
        std::string_view part = rest.substr(0, slash);
        if (part == "..") return refuse("that climbs out of its folder");
        if (part.empty() || part == ".") return refuse("with an empty or \".\" folder name");
        if (slash == std::string_view::npos) break;
        rest.remove_prefix(slash + 1);
    }
    return true;
}

bool CheckArchiveEntries(const std::vector<ArchiveEntryInfo>& entries, std::string& error) {
    if (entries.size() > kMaxArchiveEntries) {
        error = "the archive holds " + std::to_string(entries.size()) + " entries, more than " +
                std::to_string(kMaxArchiveEntries);
        return false;
    }
    std::uint64_t total = 0;
    std::set<std::string> bareNames;
    for (const ArchiveEntryInfo& entry : entries) {
        if (!CheckEntryName(entry.name, error)) return false;
        if (entry.encrypted) {
            error = "the archive's entry " + Shown(entry.name) + " is encrypted";
            return false;
        }
        if (entry.IsFolder()) continue;
        if (!bareNames.insert(FoldCase(BareEntryName(entry.name))).second) {
            error = "the archive holds two files named " + Shown(BareEntryName(entry.name));
            return false;
        }
        if (entry.size > kMaxUnpackedBytes - total) {
            error = "the archive would unpack to more than 1 GiB";
            return false;
        }
        total += entry.size;
    }
    return true;
}

bool CheckSlotArchiveEntries(const std::vector<ArchiveEntryInfo>& entries, const std::string& descriptionName,
                             const std::string& dataName, std::string& error) {
    if (!CheckArchiveEntries(entries, error)) return false;
    bool description = false;
    bool data = false;
    for (const ArchiveEntryInfo& entry : entries) {
        if (entry.IsFolder()) continue;
        std::string_view bare = BareEntryName(entry.name);
        if (EqualsIgnoringAsciiCase(bare, descriptionName)) {
            description = true;
        } else if (EqualsIgnoringAsciiCase(bare, dataName)) {
            data = true;
        } else {
            error = "the archive holds " + Shown(bare) + ", which is not a file of the slot (" +
                    descriptionName + ", " + dataName + ")";
            return false;
        }
    }
    if (!description || !data) {
        error = "the archive lacks " + (description ? dataName : descriptionName);
        return false;
    }
    return true;
}

} // namespace quorvant
