#include "qt_resources.h"

#include "cdialog.h"
#include "resources.h"

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

BOOL CString::LoadString(UINT nID) {
    *this = CString(AfxFindString(nID));
    return !IsEmpty();
}

HICON AfxLoadIcon(UINT nID) {
    if (const auto found = g_icons.find(nID); found != g_icons.end()) {
        return &found->second;
    }
    QIcon icon;
    for (const char* const* xpm : AfxFindImages(nID)) {
        icon.addPixmap(QPixmap(xpm));
    }
    ForgetImagesAtTheEnd();
    return &g_icons.emplace(nID, icon).first->second;
}

QPixmap AfxLoadPicture(UINT nID) {
    if (const auto found = g_pictures.find(nID); found != g_pictures.end()) {
        return found->second;
    }
    const std::vector<const char* const*> images = AfxFindImages(nID);
    const QPixmap pixmap = images.empty() ? QPixmap() : QPixmap(images.front());
    ForgetImagesAtTheEnd();
    g_pictures.emplace(nID, pixmap);
    return pixmap;
}
