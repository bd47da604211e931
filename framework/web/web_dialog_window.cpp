#include "web_dialog_window.h"

#include "accessible_texts.h"
#include "dialog_units.h"
#include "resources.h"
#include "scale2x.h"
#include "web_resources.h"

namespace {

// Shows an image on an element at its own size in CSS pixels, drawn with as many pixels as the
// screen has there: the art doubled by Scale2x until it has at least that many.
void ShowImage(int element, const Image& image) {
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
    web_image(element, image.width, image.height, width, height,
              reinterpret_cast<const std::uint8_t*>(pixels->data()));
}

} // namespace

void CDialogWindowDeleter::operator()(CDialogWindow* window) const {
    delete window;
}

CDialogWindow* CDialogWindow::For(CDialog& dialog) {
    if (dialog.m_window) {
        return dialog.m_window.get();
    }
    const DialogTemplate* dialogTemplate = AfxFindDialogTemplate(dialog.m_nIDTemplate);
    if (dialogTemplate == nullptr) {
        return nullptr; // DoModal gives -1, as the window system does for a missing template
    }
    auto* window = new CDialogWindow(dialog, *dialogTemplate);
    dialog.m_window.reset(window);
    window->Build();
    dialog.AttachWindow(&window->m_node);
    return window;
}

CDialogWindow::CDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate)
    : m_dialog(dialog), m_template(dialogTemplate) {
    m_node.window = this;
}

CDialogWindow::~CDialogWindow() {
    web_remove(m_node.element);
    m_dialog.AttachWindow(nullptr);
}

void CDialogWindow::Build() {
    // Dialog units in the page's font.
    const int measured = web_base_units();
    const DialogBaseUnits units{measured & 0xFFFF, measured >> 16};
    m_node.element =
        web_window_create(this, m_template.name, m_template.caption, int(m_template.style),
                          m_dialog.GetOwnerHwnd() != nullptr, units.ToPixelsX(m_template.cx),
                          units.ToPixelsY(m_template.cy));
    std::vector<int> elements;
    for (std::size_t i = 0; i < m_template.itemCount; ++i) {
        const DialogItemTemplate& item = m_template.items[i];
        const int element = web_control_create(
            m_node.element, int(item.kind), item.idName, item.text.text ? item.text.text : "",
            int(item.style), int(item.id), units.ToPixelsX(item.x), units.ToPixelsY(item.y),
            units.ToPixelsX(item.cx), units.ToPixelsY(item.cy));
        elements.push_back(element);
        if (item.kind == ControlKind::Icon || item.kind == ControlKind::Picture) {
            // Images are shown at their own pixel size; the rectangle gives their position.
            if (const Image* image = WebLoadImages(item.text.image)->Largest()) {
                ShowImage(element, *image);
            }
        }
        if (item.id != IDC_STATIC) {
            m_controls[item.id].element = element;
        }
    }
    // Names for screen readers once every label exists.
    const std::vector<AccessibleText> texts = AccessibleTexts(m_template);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (!texts[i].name.empty() || !texts[i].description.empty()) {
            web_control_describe(elements[i], texts[i].name.c_str(), texts[i].description.c_str());
        }
    }
}

INT_PTR CDialogWindow::RunModal() {
    m_menuNode.element = 0; // each opening starts with a fresh window menu, there at once
    SystemMenu();
    m_running = true;
    m_result = IDCANCEL;
    web_window_show(m_node.element);
    if (m_dialog.OnInitDialog()) {
        web_focus_first(m_node.element);
    }
    // The browser paints the elements itself; the dialog's own painting comes once, shown.
    m_dialog.OnWindowMessage(WM_PAINT, 0, 0);
    while (m_running) {
        WebEvent event{};
        web_next_event(&event);
        // Events for other windows are dropped: their owner takes no input meanwhile.
        if (event.window != this) {
            continue;
        }
        if (event.type == WEB_COMMAND) {
            m_dialog.OnCommand(UINT(event.id), UINT(event.code));
        } else if (event.type == WEB_SYSCOMMAND) {
            m_dialog.OnWindowMessage(WM_SYSCOMMAND, WPARAM(event.id), 0);
        }
    }
    return m_result;
}

void CDialogWindow::End(int result) {
    m_result = result;
    m_running = false;
    web_window_hide(m_node.element);
}

WebNode* CDialogWindow::Control(UINT id) {
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : &found->second;
}

CMenu* CDialogWindow::SystemMenu() {
    if (!(m_template.style & WS_SYSMENU)) {
        return nullptr;
    }
    if (m_menuNode.element == 0) {
        m_menuNode.element = web_menu_create(m_node.element);
        m_systemMenu.m_hMenu = &m_menuNode;
        // A page cannot be minimized: Close is the window menu's own command.
        m_systemMenu.AppendMenu(MF_STRING, SC_CLOSE, "&Close");
    }
    return &m_systemMenu;
}

void CDialogWindow::SetSmallIcon(HICON icon) {
    if (const Image* image = icon ? icon->Smallest() : nullptr) {
        ShowImage(m_node.element, *image);
    }
}
