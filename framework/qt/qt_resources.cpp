#include "qt_resources.h"

#include <QCoreApplication>
#include <map>

namespace {

// Decoded pictures by resource ID. Pixmaps belong to the Qt application that made them, so the
// cache empties when it ends.
std::map<UINT, QPixmap> g_pictures;

} // namespace

QPixmap AfxLoadPicture(const AfxImageResource* image) {
    if (image == nullptr || image->images.empty()) {
        return QPixmap();
    }
    if (const auto found = g_pictures.find(image->id); found != g_pictures.end()) {
        return found->second;
    }
    const QPixmap pixmap(image->images.front());
    if (g_pictures.empty()) {
        qAddPostRoutine([]() { g_pictures.clear(); });
    }
    g_pictures.emplace(image->id, pixmap);
    return pixmap;
}
