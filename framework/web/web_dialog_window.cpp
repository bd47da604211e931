#include "web_backend.h"

#include "module.h"
#include "scale2x.h"
#include "utf8.h"
#include "web_markup.h"
#include "web_resources.h"

#include <algorithm>

namespace {

// The window elements' ids in use: a dialog's name, or for a second window of the same dialog
// its name and a number, so that no two elements of the page share an id.
std::vector<std::string> g_ids;

std::string UniqueId(const std::string& name) {
    std::string id = name;
    for (int n = 2; std::count(g_ids.begin(), g_ids.end(), id); ++n) {
        id = name + "-" + std::to_string(n);
    }
    g_ids.push_back(id);
    return id;
}

// The layout's font on the page: a window's client font, as the page's canvas measures it, by
// the window system's rule; measured once, as the page's font does not change while it runs.
class WebTextMetrics : public TextMetrics {
public:
    DialogBaseUnits BaseUnits() const override {
        static const DialogBaseUnits measured = TextMetrics::BaseUnits();
        return measured;
    }
    int TextWidth(std::string_view text) const override {
        return web_text_width(std::string(text).c_str());
    }

protected:
    double LetterAdvance(char letter) const override { return web_letter_width(letter); }
    int LineHeight() const override { return web_line_height(); }
};

// Shows an image on a control at its own size in CSS pixels, drawn with as many pixels as the
// screen has there: the art doubled by Scale2x until it has at least that many.
void ShowImage(const WebNode& node, const Image& image) {
    const int ratio = web_pixel_ratio();
    const std::vector<std::uint32_t>* pixels = &image.pixels;
    std::vector<std::uint32_t> scaled;
    int width = image.width, height = image.height;
    while (width < image.width * ratio) {
        scaled = Scale2x(*pixels, width, height);
        pixels = &scaled;
        width *= 2;
        height *= 2;
    }
    web_image(node.window, node.control, image.width, image.height, width, height,
              reinterpret_cast<const std::uint8_t*>(pixels->data()));
}

} // namespace

WebDialogWindow::WebDialogWindow(AfxDialogSite& dialog, const DialogTemplate& dialogTemplate)
    : AfxLaidOutWindow(dialog, AfxResolve(dialogTemplate, WebTextMetrics(), "page")),
      m_id(UniqueId(Layout().name)) {
    const ResolvedDialog& layout = Layout();
    std::vector<int> places = {0, 0, layout.width, layout.height};
    for (const CRect& place : WebControlPlaces(layout)) {
        places.insert(places.end(), {place.left, place.top, place.Width(), place.Height()});
    }
    const bool owned = dialog.OwnerWindow() != nullptr;
    std::string ids;
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        ids += WebControlId(m_id, layout, i) + "\n";
    }
    m_node.dialog = this;
    m_node.window = web_window_create(m_id.c_str(), WebWindowMarkup(layout, m_id, owned).c_str(),
                                      ids.c_str(), owned, places.data(), int(places.size() / 4));
    m_controls.reserve(layout.controls.size());
    std::vector<HWND> handles;
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const ResolvedControl& control = layout.controls[i];
        m_controls.push_back({this, m_node.window, int(i), control.text});
        handles.push_back(&m_controls.back());
        const WebIcon* images = control.image ? WebLoadImages(control.image->id) : nullptr;
        if (const Image* image = images ? images->Largest() : nullptr) {
            ShowImage(m_controls.back(), *image);
        }
    }
    SetControls(std::move(handles));
    dialog.Attach(&m_node);
}

WebDialogWindow::~WebDialogWindow() {
    web_window_remove(m_node.window);
    g_ids.erase(std::find(g_ids.begin(), g_ids.end(), m_id));
    Dialog().Attach(nullptr);
}

void WebDialogWindow::SetIcon(HICON icon, bool big) {
    // The installed app's icon comes from the web app manifest.
    if (const Image* image = icon && !big ? icon->Smallest() : nullptr) {
        ShowImage(m_node, *image);
    }
}

void WebDialogWindow::Show(bool) {
    SystemMenu(); // a fresh window menu, there at once
    web_window_show(m_node.window);
}

void WebDialogWindow::Opened() {
    m_speaking = true;
    // The browser paints the elements itself; the dialog's own painting comes once, shown.
    Dialog().OnWindowMessage(WM_PAINT, 0, 0);
}

void WebDialogWindow::Hide() {
    m_speaking = false;
    web_window_hide(m_node.window);
}

void WebDialogWindow::RunEvents() {
    while (Running()) {
        WebEvent event{};
        web_next_event(&event);
        // Events for other windows are dropped: their owner takes no input meanwhile.
        if (event.window == m_node.window) {
            Carry(event);
        }
    }
}

void WebDialogWindow::Carry(const WebEvent& event) {
    switch (WebEventType(event.type)) {
    case WebEventType::Changed:
        Notify(event.control, EN_UPDATE);
        break;
    case WebEventType::Clicked:
        Notify(event.control, BN_CLICKED);
        break;
    case WebEventType::Closed:
        Command(SC_CLOSE);
        break;
    case WebEventType::Command:
        Command(UINT(event.value));
        break;
    case WebEventType::Key: {
        std::string character;
        AppendUtf8(character, char32_t(event.character));
        Key(static_cast<DialogKey>(event.value), event.control, event.character ? character : "");
        break;
    }
    }
}

void WebDialogWindow::Focus(int index, bool) {
    // The first focus of an opening needs no scrolling: the window shows from its top.
    web_focus(m_node.window, index, 1, !Opening());
}

bool WebDialogWindow::Enabled(int index) const {
    return web_enabled(m_node.window, index) != 0;
}

HMENU WebDialogWindow::MakeMenu() {
    web_menu_reset(m_node.window);
    return &m_node;
}
