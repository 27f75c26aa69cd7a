#pragma once

#include "pictures/xrefscan.h"

#include <array>

namespace quorvant {

// The unit references of each family, scanned on first use and kept for the program's life. A
// family whose scan found nothing is scanned again the next time it is asked for.
class CPicRefCache {
  public:
    const std::vector<CPicUseRecord>& references(PicFamily family, const std::filesystem::path& gameFolder,
                                                 LoadProgress* progress);
    bool holds(PicFamily family) const { return !families_[static_cast<std::size_t>(family)].empty(); }
    int scans() const { return scans_; }

  private:
    std::array<std::vector<CPicUseRecord>, kPicFamilyCount> families_;
    int scans_ = 0;
};

// The references whose SideView, taken as 16 signed bits, is the picture number's.
std::vector<const CPicUseRecord*> ReferencesTo(const std::vector<CPicUseRecord>& references,
                                               std::uint32_t picture);

} // namespace quorvant
