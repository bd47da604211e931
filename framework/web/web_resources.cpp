#include "web_resources.h"

#include "module.h"

#include <cstdint>
#include <map>

namespace {

const std::vector<const char* const*> kNoImages;

} // namespace

const WebIcon* WebLoadImages(UINT nID) {
    // Kept in a map whose elements never move, so that an HICON stays valid.
    static std::map<UINT, WebIcon> loaded;
    if (const auto found = loaded.find(nID); found != loaded.end()) {
        return &found->second;
    }
    WebIcon icon;
    const AfxImageResource* resource = AfxGetModule().FindImage(nID);
    for (const char* const* xpm : resource ? resource->images : kNoImages) {
        if (std::optional<Image> image = FromXpm(xpm)) {
            for (std::uint32_t& pixel : image->pixels) { // 0xAARRGGBB to 0xAABBGGRR
                pixel = (pixel & 0xFF00FF00u) | ((pixel >> 16) & 0xFFu) | ((pixel & 0xFFu) << 16);
            }
            icon.images.push_back(std::move(*image));
        }
    }
    return &loaded.emplace(nID, std::move(icon)).first->second;
}
