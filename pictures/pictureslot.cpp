#include "pictures/pictureslot.h"

#include "pictures/picturenames.h"

namespace quorvant {

ShownPicture PictureSlot::show(const std::vector<std::string>& listing, const std::filesystem::path& folder,
                               const std::string& name, std::size_t& position) {
    if (loaded_)
        return placeholder_ ? ShownPicture::Placeholder
               : picture_   ? ShownPicture::Picture
                            : ShownPicture::Unchanged;
    drop();
    std::optional<std::size_t> found = FindPicture(listing, name);
    if (!found) {
        loaded_ = placeholder_ = true;
        return ShownPicture::Placeholder;
    }
    position = *found;
    ++loads_;
    std::string reason;
    std::optional<PictureBlock> block = LoadPicture(folder / listing[*found], reason);
    if (block) picture_ = MakeSidePicture(std::move(*block));
    // A file that failed once is not read again on every paint.
    loaded_ = true;
    return picture_ ? ShownPicture::Picture : ShownPicture::Unchanged;
}

void PictureSlot::drop() {
    picture_.reset();
    loaded_ = placeholder_ = false;
}

} // namespace quorvant
