#include "pictures/xrefcache.h"

namespace quorvant {

const std::vector<CPicUseRecord>&
CPicRefCache::references(PicFamily family, const std::filesystem::path& gameFolder, LoadProgress* progress) {
    std::vector<CPicUseRecord>& records = families_[static_cast<std::size_t>(family)];
    if (records.empty()) {
        ++scans_;
        records = ScanFamily(family, gameFolder, progress);
    }
    return records;
}

std::vector<const CPicUseRecord*> ReferencesTo(const std::vector<CPicUseRecord>& references,
                                               std::uint32_t picture) {
    const auto wanted = static_cast<std::int16_t>(picture & 0xFFFF);
    std::vector<const CPicUseRecord*> found;
    for (const CPicUseRecord& r : references)
        if (static_cast<std::int16_t>(r.SideView & 0xFFFF) == wanted) found.push_back(&r);
    return found;
}

} // namespace quorvant
