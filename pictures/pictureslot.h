#pragma once

#include "pictures/packedpicture.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvant {

// What a picture control should show after PictureSlot::show.
enum class ShownPicture {
    Picture,     // the held picture
    Placeholder, // the name is not in the listing
    Unchanged,   // the file failed to load: the control keeps what it showed
};

// The one picture a control holds, loaded on the first show of a number and painted again after.
class PictureSlot {
  public:
    // Looks name up in the folder's listing; loads folder / the listed file unless already loaded.
    // position is set to the listing position of a name that is found.
    ShownPicture show(const std::vector<std::string>& listing, const std::filesystem::path& folder,
                      const std::string& name, std::size_t& position);
    void drop();

    const SidePicture* picture() const { return picture_ ? &*picture_ : nullptr; }
    bool loaded() const { return loaded_; }
    // Counts the loads from disk, for callers that must not read a picture twice.
    int loads() const { return loads_; }

  private:
    std::optional<SidePicture> picture_;
    bool loaded_ = false;
    bool placeholder_ = false;
    int loads_ = 0;
};

} // namespace quorvant
