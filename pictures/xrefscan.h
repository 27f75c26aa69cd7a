#pragma once

#include "obdata/docobserver.h"
#include "pictures/picfamily.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace quorvant {

// One named unit of an OB file and the picture it uses.
struct CPicUseRecord {
    std::int32_t Unit = 0; // slot + 1
    std::string Name;      // trailing white space removed
    std::uint8_t Nationality = 0;
    std::int32_t SideView = 0; // the stored 16 bits, sign-extended
    std::uint8_t Available = 0;
    std::uint8_t UnAvailable = 0;
    std::string OBFile;          // the file's name in the game folder, as found there
    std::uint8_t AvailMonth = 0; // BW3's month of Available; 0 when none

    bool operator==(const CPicUseRecord&) const = default;
};

// Slots 0 to 247 are examined; the last two never are.
constexpr int kScannedUnitSlots = 248;

// The bytes of an OB file the scan needs: every slot's name and the fields it reads.
std::size_t ScannedBytes();

// Appends a record for each named unit of an OB image; bytes past the image's end read as 0.
void ScanOBImage(std::span<const std::uint8_t> image, std::vector<CPicUseRecord>& out,
                 const std::string& obFile = {});

// Scans the family's OB files in gameFolder in order, each with one read; a file that is missing or
// cannot be read adds nothing. progress (may be null) names each file and moves once per slot batch.
std::vector<CPicUseRecord> ScanFamily(PicFamily family, const std::filesystem::path& gameFolder,
                                      LoadProgress* progress);

} // namespace quorvant
