#include "qt_resources.h"

#include "cdialog.h"

#include <QCoreApplication>
#include <QIcon>
#include <map>

namespace {

// Decoded images by resource ID, in maps whose elements never move, so that an HICON stays
// valid. Pixmaps belong to the Qt application that made them, so the caches empty when it ends.
std::map<UINT, QIcon> g_icons;
std::map<UINT, QPixmap> g_pictures;

void ForgetImages() {
    g_icons.clear();
    g_pictures.clear();
}

void ForgetImagesAtTheEnd() {
    if (g_icons.empty() && g_pictures.empty()) {
        qAddPostRoutine(ForgetImages);
    }
}

} // namespace

HICON AfxLoadIcon(UINT nID) {
    if (const auto found = g_icons.find(nID); found != g_icons.end()) {
        return &found->second;
    }
    QIcon icon;
    if (const AfxImageResource* image = AfxGetModule().FindImage(nID)) {
        for (const char* const* xpm : image->images) {
            icon.addPixmap(QPixmap(xpm));
        }
    }
    ForgetImagesAtTheEnd();
    return &g_icons.emplace(nID, icon).first->second;
}

QPixmap AfxLoadPicture(const AfxImageResource* image) {
    if (image == nullptr || image->images.empty()) {
        return QPixmap();
    }
    if (const auto found = g_pictures.find(image->id); found != g_pictures.end()) {
        return found->second;
    }
    const QPixmap pixmap(image->images.front());
    ForgetImagesAtTheEnd();
    g_pictures.emplace(image->id, pixmap);
    return pixmap;
}
