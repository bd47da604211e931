#include "cdialog.h"

#include "accessible_texts.h"
#include "cwinapp.h"
#include "resources.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <algorithm>

namespace {

bool HasMnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&') {
                return true;
            }
            ++i;
        }
    }
    return false;
}

// Dialog base units as the window system computes them from a dialog font: the average width
// of the 52 letters, each measured alone (no kerning), and the character height. Measuring
// glyphs costs more than building the rest of a dialog, and the result depends on the font
// alone, so it is kept per font.
QSize DialogBaseUnits(const QFont& font) {
    static QHash<QString, QSize> known;
    const QString key = font.key();
    if (const auto found = known.constFind(key); found != known.constEnd()) {
        return *found;
    }
    const QFontMetrics metrics(font);
    int letters = 0;
    for (char c = 'A'; c <= 'Z'; ++c) {
        letters +=
            metrics.horizontalAdvance(QChar(c)) + metrics.horizontalAdvance(QChar(c - 'A' + 'a'));
    }
    const QSize units((letters / 26 + 1) / 2, metrics.height());
    known.insert(key, units);
    return units;
}

// Windows rounds dialog units to pixels with MulDiv: to the nearest pixel.
int MulDiv(int value, int numerator, int denominator) {
    return (value * numerator + denominator / 2) / denominator;
}

// Decoded images by resource ID. Pixmaps belong to the Qt application that made them, so the
// caches empty when it ends.
QHash<UINT, QIcon> g_icons;
QHash<UINT, QPixmap> g_pictures;

void ForgetImages() {
    g_icons.clear();
    g_pictures.clear();
}

void RememberImagesUntilTheEnd() {
    if (g_icons.isEmpty() && g_pictures.isEmpty()) {
        qAddPostRoutine(ForgetImages);
    }
}

// The largest image of an icon group or bitmap, decoded once.
QPixmap LoadImage(UINT id) {
    if (const auto found = g_pictures.constFind(id); found != g_pictures.constEnd()) {
        return *found;
    }
    const std::vector<const char* const*> images = AfxFindImages(id);
    const QPixmap pixmap = images.empty() ? QPixmap() : QPixmap(images.front());
    RememberImagesUntilTheEnd();
    g_pictures.insert(id, pixmap);
    return pixmap;
}

} // namespace

HICON AfxLoadIcon(UINT id) {
    // Icons are shared: every load of the same resource gives the same icon, decoded once.
    if (const auto found = g_icons.constFind(id); found != g_icons.constEnd()) {
        return *found;
    }
    QIcon icon;
    for (const char* const* xpm : AfxFindImages(id)) {
        icon.addPixmap(QPixmap(xpm));
    }
    RememberImagesUntilTheEnd();
    g_icons.insert(id, icon);
    return icon;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CWnd(nullptr), QDialog(pParentWnd ? pParentWnd->GetWidget() : nullptr),
      m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd ? pParentWnd->GetWidget() : nullptr) {
    Attach(this); // once QDialog exists
}

CDialog::~CDialog() = default;

void CDialog::SendNotify(UINT code, UINT id) {
    if (m_lockNotifications == 0) {
        SendCommand(code, id);
    }
}

void CDialog::SendCommand(UINT code, UINT id) {
    OnCmdMsg(id, code);
}

void CDialog::SendSysCommand(UINT id, LPARAM lParam) {
    if (!OnWndMsg(WM_SYSCOMMAND, id, lParam)) {
        OnSysCommand(id, lParam);
    }
}

void CDialog::OnSysCommand(UINT nID, LPARAM) {
    switch (nID & 0xFFF0) {
    case SC_MINIMIZE:
        showMinimized();
        break;
    case SC_CLOSE:
        SendCommand(BN_CLICKED, IDCANCEL);
        break;
    default:
        break;
    }
}

void CDialog::EndDialog(int nResult) {
    done(nResult);
}

void CDialog::reject() {
    OnCancel();
}

CWnd* CDialog::GetDlgItem(UINT id) const {
    const auto found = m_items.find(id);
    return found == m_items.end() ? nullptr : found->second.get();
}

QWidget* CDialog::GetControl(UINT id) const {
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

CMenu* CDialog::GetSystemMenu(BOOL) {
    if (!m_template || !(m_template->style & WS_SYSMENU)) {
        return nullptr;
    }
    if (!m_systemMenu) {
        m_systemMenu = std::make_unique<CMenu>(this, this, [](QObject* receiver, UINT id) {
            static_cast<CDialog*>(receiver)->SendSysCommand(id, 0);
        });
        m_systemMenu->menu()->setObjectName("SystemMenu");
        if (m_template->style & WS_MINIMIZEBOX) {
            m_systemMenu->AppendMenu(MF_STRING, SC_MINIMIZE, "Mi&nimize");
        }
        m_systemMenu->AppendMenu(MF_STRING, SC_CLOSE, "&Close");
    }
    return m_systemMenu.get();
}

void CDialog::SetIcon(const HICON& icon, BOOL) {
    // The window system keeps one icon per window and picks the size it needs from it.
    setWindowIcon(icon);
}

int CDialog::DialogUnitsToPixelsX(int x) const {
    return MulDiv(x, m_baseUnitX, 4);
}

int CDialog::DialogUnitsToPixelsY(int y) const {
    return MulDiv(y, m_baseUnitY, 8);
}

INT_PTR CDialog::DoModal() {
    CreateFromTemplate();
    if (!m_template) {
        return -1;
    }
    setModal(true);
    return exec();
}

BOOL CDialog::Create() {
    CreateFromTemplate();
    if (!m_template) {
        return FALSE;
    }
    show();
    return TRUE;
}

void CDialog::CreateFromTemplate() {
    if (!m_created) {
        m_template = AfxFindDialogTemplate(m_nIDTemplate);
        if (!m_template) {
            qWarning("no dialog template %u", m_nIDTemplate);
            return;
        }
        m_created = true;

        // A dialog without a parent is owned by the application's main window, or else by
        // the active window, as the window system's dialogs are.
        QWidget* owner = m_pParentWnd;
        if (!owner && AfxGetApp() && AfxGetApp()->m_pMainWnd &&
            AfxGetApp()->m_pMainWnd != static_cast<CWnd*>(this)) {
            owner = AfxGetApp()->m_pMainWnd->GetWidget();
        }
        if (!owner && QApplication::activeWindow() != this) {
            owner = QApplication::activeWindow();
        }
        const DWORD style = m_template->style;
        Qt::WindowFlags flags =
            (owner && !(m_template->exStyle & WS_EX_APPWINDOW)) ? Qt::Dialog : Qt::Window;
        flags |= Qt::CustomizeWindowHint;
        if ((style & WS_CAPTION) == WS_CAPTION) {
            flags |= Qt::WindowTitleHint;
        }
        if (style & WS_SYSMENU) {
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
            if (style & WS_MINIMIZEBOX) {
                flags |= Qt::WindowMinimizeButtonHint;
            }
            if (style & WS_MAXIMIZEBOX) {
                flags |= Qt::WindowMaximizeButtonHint;
            }
        }
        setParent(owner, flags);
        setObjectName(QString::fromUtf8(m_template->name));
        setWindowTitle(QString::fromUtf8(m_template->caption));

        const QSize baseUnits = DialogBaseUnits(font());
        m_baseUnitX = baseUnits.width();
        m_baseUnitY = baseUnits.height();
        setFixedSize(DialogUnitsToPixelsX(m_template->cx), DialogUnitsToPixelsY(m_template->cy));

        std::vector<QWidget*> created;
        for (std::size_t i = 0; i < m_template->itemCount; ++i) {
            const DialogItemTemplate& item = m_template->items[i];
            QWidget* control = CreateControl(item);
            created.push_back(control);
            if (item.id != IDC_STATIC) {
                m_controls[item.id] = control;
                m_items[item.id] = std::make_unique<CWnd>(control);
            }
        }
        // A static text's mnemonic moves the focus to the next tab stop after it.
        for (std::size_t i = 0; i < created.size(); ++i) {
            auto* label = qobject_cast<QLabel*>(created[i]);
            const DialogItemTemplate& item = m_template->items[i];
            if (!label || item.kind != ControlKind::StaticText || (item.style & SS_NOPREFIX) ||
                !HasMnemonic(label->text())) {
                continue;
            }
            for (std::size_t j = i + 1; j < created.size(); ++j) {
                if (m_template->items[j].style & WS_TABSTOP) {
                    label->setBuddy(created[j]);
                    break;
                }
            }
        }
        // Names and descriptions for screen readers, as the template gives them.
        const std::vector<AccessibleText> texts = AccessibleTexts(*m_template);
        for (std::size_t i = 0; i < created.size(); ++i) {
            if (!texts[i].name.empty()) {
                created[i]->setAccessibleName(QString::fromStdString(texts[i].name));
            }
            if (!texts[i].description.empty()) {
                created[i]->setAccessibleDescription(QString::fromStdString(texts[i].description));
            }
        }
        FitStaticTexts();

        auto* systemMenuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
        connect(systemMenuKey, &QShortcut::activated, this, [this]() {
            if (CMenu* menu = GetSystemMenu(FALSE)) {
                menu->menu()->popup(mapToGlobal(QPoint(0, 0)));
            }
        });
    }

    // Each opening starts with a fresh window menu, as a newly made window has.
    m_systemMenu.reset();
    if (OnInitDialog()) {
        // The first tab stop takes the focus.
        for (std::size_t i = 0; i < m_template->itemCount; ++i) {
            const DialogItemTemplate& item = m_template->items[i];
            QWidget* control = GetControl(item.id);
            if ((item.style & WS_TABSTOP) && control && control->isEnabled()) {
                control->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
    CenterWindow();
}

QWidget* CDialog::CreateControl(const DialogItemTemplate& item) {
    const QRect rect(DialogUnitsToPixelsX(item.x), DialogUnitsToPixelsY(item.y),
                     DialogUnitsToPixelsX(item.cx), DialogUnitsToPixelsY(item.cy));
    const QString text = QString::fromUtf8(item.text.text ? item.text.text : "");
    const Qt::FocusPolicy focus = (item.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus;
    const UINT id = item.id;
    QWidget* control = nullptr;

    switch (item.kind) {
    case ControlKind::GroupBox: {
        auto* box = new QGroupBox(text, this);
        // A group box created after the controls it frames must not lie over them.
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        box->setGeometry(rect);
        box->lower();
        control = box;
        break;
    }
    case ControlKind::StaticText: {
        auto* label = new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(rect);
        control = label;
        break;
    }
    case ControlKind::EditBox:
        if (item.style & ES_MULTILINE) {
            auto* box = new QPlainTextEdit(this);
            box->setReadOnly(item.style & ES_READONLY);
            if (item.style & ES_READONLY) {
                box->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                             Qt::TextSelectableByKeyboard);
            }
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            box->setTabChangesFocus(true);
            box->setFrameShape((item.style & WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
            box->setFocusPolicy(focus);
            box->setGeometry(rect);
            connect(box, &QPlainTextEdit::textChanged, this,
                    [this, id]() { SendNotify(EN_UPDATE, id); });
            control = box;
        } else {
            auto* edit = new QLineEdit(this);
            edit->setReadOnly(item.style & ES_READONLY);
            edit->setFrame(item.style & WS_BORDER);
            edit->setFocusPolicy(focus);
            edit->setGeometry(rect);
            connect(edit, &QLineEdit::textChanged, this,
                    [this, id]() { SendNotify(EN_UPDATE, id); });
            control = edit;
        }
        break;
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, this);
        // Enter is handled by the dialog: no button becomes the default by merely existing.
        button->setAutoDefault(false);
        button->setDefault((item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        button->setFocusPolicy(focus);
        button->setGeometry(rect);
        connect(button, &QPushButton::clicked, this, [this, id]() { SendNotify(BN_CLICKED, id); });
        control = button;
        break;
    }
    case ControlKind::Icon:
    case ControlKind::Picture: {
        // Images are shown at their own pixel size; the rectangle gives their position.
        auto* label = new QLabel(this);
        const QPixmap pixmap = LoadImage(item.text.image);
        label->setPixmap(pixmap);
        if (item.style & SS_SUNKEN) {
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setLineWidth(1);
        }
        const int frame = label->frameWidth();
        label->setGeometry(rect.x(), rect.y(), pixmap.width() + 2 * frame,
                           pixmap.height() + 2 * frame);
        control = label;
        break;
    }
    }

    if (item.id != IDC_STATIC) {
        control->setObjectName(QString::fromUtf8(item.idName));
    }
    return control;
}

void CDialog::FitStaticTexts() {
    // Where the desktop font is wider or taller than the template's, a static text gets the
    // room it needs. Laying out a wrapped text is the costly part of making a dialog, so it is
    // done at two widths at the most.
    const QList<QWidget*> children = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    auto nearest = [&](const QWidget* label, const QRect& rect, bool toTheRight) {
        int limit = toTheRight ? width() : height();
        for (const QWidget* other : children) {
            if (other == label || qobject_cast<const QGroupBox*>(other) ||
                !other->isVisibleTo(this)) {
                continue;
            }
            const QRect g = other->geometry();
            if (toTheRight && g.left() >= rect.right() && g.top() <= rect.bottom() &&
                g.bottom() >= rect.top()) {
                limit = std::min(limit, g.left());
            } else if (!toTheRight && g.top() >= rect.bottom() && g.left() <= rect.right() &&
                       g.right() >= rect.left()) {
                limit = std::min(limit, g.top());
            }
        }
        return limit;
    };

    for (QWidget* child : children) {
        auto* label = qobject_cast<QLabel*>(child);
        if (!label || !label->pixmap().isNull() || label->text().isEmpty()) {
            continue;
        }
        QRect rect = label->geometry();
        const QFontMetrics metrics(label->font());
        if (rect.height() < 2 * metrics.height()) {
            // A one-line text: as wide as its text, up to its neighbour to the right.
            const int needWidth =
                metrics.size(Qt::TextShowMnemonic, label->text()).width() + 2 * label->margin();
            if (needWidth > rect.width()) {
                rect.setWidth(std::min(needWidth, nearest(label, rect, true) - rect.left()));
            }
            if (needWidth <= rect.width()) {
                label->setGeometry(rect);
                continue;
            }
        }
        // A wrapped text: down to its neighbour below and, where that is not enough, across
        // to the dialog's edge.
        int needHeight = label->heightForWidth(rect.width());
        if (needHeight > rect.height()) {
            QRect widest = rect;
            widest.setRight(width() - 3);
            const int room = nearest(label, widest, false) - rect.top();
            if (needHeight > room && widest.width() > rect.width()) {
                rect = widest;
                needHeight = label->heightForWidth(rect.width());
            }
            rect.setHeight(std::max(rect.height(), std::min(needHeight, room)));
        }
        label->setGeometry(rect);
    }
}

void CDialog::CenterWindow() {
    // A template at (0, 0) opens centred over its owner, or over the screen's work area: the
    // whole window, frame included. Where the window system has not told this window's frame
    // yet, the owner's frame is the best estimate.
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    QRect area;
    if (owner && owner->isVisible()) {
        area = owner->frameGeometry();
    } else if (const QScreen* s = screen()) {
        area = s->availableGeometry();
    }
    if (!area.isValid()) {
        return;
    }
    if (!windowHandle()) {
        create();
    }
    QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull() && owner && owner->windowHandle()) {
        frame = owner->windowHandle()->frameMargins();
    }
    const QSize outer = size().grownBy(frame);
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
}

void CDialog::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool enter =
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && modifiers == 0;
    if (enter) {
        // A focused push button takes Enter; otherwise the default button, or IDOK.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget());
            button && button->isEnabled()) {
            button->click();
            return;
        }
        for (const auto& [id, control] : m_controls) {
            auto* button = qobject_cast<QPushButton*>(control);
            if (button && button->isDefault() && button->isVisible()) {
                if (button->isEnabled()) {
                    button->click();
                }
                return;
            }
        }
        SendCommand(BN_CLICKED, IDOK);
        return;
    }
    if (event->key() == Qt::Key_Escape && modifiers == 0) {
        SendCommand(BN_CLICKED, IDCANCEL);
        return;
    }
    if (event->key() == Qt::Key_F1 && modifiers == 0) {
        SendCommand(0, ID_HELP);
        return;
    }
    QWidget::keyPressEvent(event);
}

void CDialog::paintEvent(QPaintEvent*) {
    OnWndMsg(WM_PAINT, 0, 0);
}

void CDialog::closeEvent(QCloseEvent* event) {
    // The close box is the window menu's Close command.
    event->ignore();
    SendSysCommand(SC_CLOSE, 0);
}

void CDialog::contextMenuEvent(QContextMenuEvent* event) {
    // A right-click on the dialog's own background (not on a control) opens the window menu.
    if (childAt(event->pos()) == nullptr) {
        if (CMenu* menu = GetSystemMenu(FALSE)) {
            menu->menu()->popup(event->globalPos());
            return;
        }
    }
    event->ignore();
}
