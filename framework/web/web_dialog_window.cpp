#include "web_dialog_window.h"

#include "mnemonic_text.h"
#include "scale2x.h"
#include "web_markup.h"
#include "web_resources.h"
#include "web_text_metrics.h"

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

std::string Utf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += {char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
    } else if (c < 0x10000) {
        out += {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
    } else {
        out += {char(0xF0 | (c >> 18)), char(0x80 | ((c >> 12) & 0x3F)),
                char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
    }
    return out;
}

} // namespace

DialogBaseUnits WebTextMetrics::BaseUnits() const {
    static const int measured = web_base_units();
    return {measured & 0xFFFF, measured >> 16};
}

int WebTextMetrics::TextWidth(std::string_view text) const {
    return web_text_width(std::string(text).c_str());
}

CDialogWindow::CDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate)
    : m_dialog(dialog), m_layout(ResolveDialog(dialogTemplate, WebTextMetrics(), AfxGetModule())),
      m_id(UniqueId(m_layout.name)) {
    std::vector<int> places = {0, 0, m_layout.width, m_layout.height};
    for (const CRect& place : WebControlPlaces(m_layout)) {
        places.insert(places.end(), {place.left, place.top, place.Width(), place.Height()});
    }
    const bool owned = dialog.GetOwnerHwnd() != nullptr;
    m_controls.reserve(m_layout.controls.size());
    m_node.dialog = this;
    std::string ids;
    for (std::size_t i = 0; i < m_layout.controls.size(); ++i) {
        ids += WebControlId(m_id, m_layout, i) + "\n";
    }
    m_node.window =
        web_window_create(this, m_id.c_str(), WebWindowMarkup(m_layout, m_id, owned).c_str(),
                          ids.c_str(), owned, places.data(), int(places.size() / 4));
    for (std::size_t i = 0; i < m_layout.controls.size(); ++i) {
        const ResolvedControl& control = m_layout.controls[i];
        m_controls.push_back({this, m_node.window, int(i), control.text});
        const WebIcon* images = control.image ? WebLoadImages(control.image->id) : nullptr;
        if (const Image* image = images ? images->Largest() : nullptr) {
            ShowImage(m_controls.back(), *image);
        }
    }
    dialog.AttachWindow(&m_node);
}

CDialogWindow::~CDialogWindow() {
    web_window_remove(m_node.window);
    g_ids.erase(std::find(g_ids.begin(), g_ids.end(), m_id));
    m_dialog.AttachWindow(nullptr);
}

void CDialogWindow::Open() {
    m_systemMenu.m_hMenu = nullptr; // each opening starts with a fresh window menu, there at once
    SystemMenu();
    web_window_show(m_node.window);
    if (m_dialog.OnInitDialog()) {
        DialogKey(DialogKey::Tab, -1);
    }
    m_speaking = true;
    // The browser paints the elements itself; the dialog's own painting comes once, shown.
    m_dialog.OnWindowMessage(WM_PAINT, 0, 0);
}

INT_PTR CDialogWindow::RunModal() {
    m_running = true;
    m_result = IDCANCEL;
    Open();
    while (m_running) {
        WebEvent event{};
        web_next_event(&event);
        // Events for other windows are dropped: their owner takes no input meanwhile.
        if (event.window == this) {
            Carry(event);
        }
    }
    return m_result;
}

void CDialogWindow::Carry(const WebEvent& event) {
    switch (WebEventType(event.type)) {
    case WebEventType::Changed:
        m_dialog.OnCommand(m_layout.controls[event.control].id, EN_UPDATE);
        break;
    case WebEventType::Clicked:
        m_dialog.OnCommand(m_layout.controls[event.control].id, BN_CLICKED);
        break;
    case WebEventType::Closed:
        m_dialog.OnWindowMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case WebEventType::Command:
        m_dialog.OnWindowMessage(WM_SYSCOMMAND, WPARAM(event.value), 0);
        break;
    case WebEventType::Key:
        DialogKey(static_cast<enum DialogKey>(event.value), event.control,
                  char32_t(event.character));
        break;
    }
}

void CDialogWindow::DialogKey(enum DialogKey key, int focused, char32_t character) {
    const KeyAction action = DialogKeyAction(
        m_layout, key, focused, [this](int i) { return web_enabled(m_node.window, i) != 0; },
        MnemonicKey(Utf8(character)));
    if (action.kind == KeyAction::Command) {
        m_dialog.OnCommand(action.id, action.code);
    } else if (action.kind == KeyAction::Focus) {
        // The first focus of an opening needs no scrolling: the window shows from its top.
        web_focus(m_node.window, action.control, 1, m_speaking);
    }
}

void CDialogWindow::End(int result) {
    m_result = result;
    m_running = false;
    m_speaking = false;
    web_window_hide(m_node.window);
}

WebNode* CDialogWindow::Control(UINT id) {
    const int index = m_layout.IndexOf(id);
    return index >= 0 ? &m_controls[index] : nullptr;
}

CMenu* CDialogWindow::SystemMenu() {
    if (!m_layout.windowMenu) {
        return nullptr;
    }
    if (m_systemMenu.m_hMenu == nullptr) {
        web_menu_reset(m_node.window);
        m_systemMenu.m_hMenu = &m_node;
        // A page cannot be minimized: Close is the window menu's own command.
        AppendStandardWindowMenu(m_systemMenu, m_layout, false);
    }
    return &m_systemMenu;
}

void CDialogWindow::SetSmallIcon(HICON icon) {
    if (const Image* image = icon ? icon->Smallest() : nullptr) {
        ShowImage(m_node, *image);
    }
}
