#include "qt_dialog_builder.h"

#include "accessible_texts.h"
#include "qt_dialog_units.h"
#include "qt_layout.h"
#include "qt_resources.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <vector>

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

Qt::WindowFlags WindowFlags(const DialogTemplate& dialog, bool owned) {
    // An owned dialog is a transient window of its owner, unless it asks for a task-bar button
    // of its own.
    Qt::WindowFlags flags =
        (owned && !(dialog.exStyle & WS_EX_APPWINDOW)) ? Qt::Dialog : Qt::Window;
    flags |= Qt::CustomizeWindowHint;
    if ((dialog.style & WS_CAPTION) == WS_CAPTION) {
        flags |= Qt::WindowTitleHint;
    }
    if (dialog.style & WS_SYSMENU) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (dialog.style & WS_MINIMIZEBOX) {
            flags |= Qt::WindowMinimizeButtonHint;
        }
        if (dialog.style & WS_MAXIMIZEBOX) {
            flags |= Qt::WindowMaximizeButtonHint;
        }
    }
    return flags;
}

QWidget* MakeEditBox(QDialog& window, const DialogItemTemplate& item, const ControlNotify& notify) {
    const UINT id = item.id;
    const bool readOnly = item.style & ES_READONLY;
    if (item.style & ES_MULTILINE) {
        auto* box = new QPlainTextEdit(&window);
        box->setReadOnly(readOnly);
        if (readOnly) {
            box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        }
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setTabChangesFocus(true);
        box->setFrameShape((item.style & WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
        QObject::connect(box, &QPlainTextEdit::textChanged, &window,
                         [notify, id]() { notify(id, EN_UPDATE); });
        return box;
    }
    auto* edit = new QLineEdit(&window);
    edit->setReadOnly(readOnly);
    edit->setFrame(item.style & WS_BORDER);
    QObject::connect(edit, &QLineEdit::textChanged, &window,
                     [notify, id]() { notify(id, EN_UPDATE); });
    return edit;
}

QWidget* MakeControl(QDialog& window, const DialogItemTemplate& item, const DialogUnits& units,
                     const ControlNotify& notify) {
    const QRect rect = units.ToPixels(item.x, item.y, item.cx, item.cy);
    const QString text = QString::fromUtf8(item.text.text ? item.text.text : "");
    QWidget* control = nullptr;
    switch (item.kind) {
    case ControlKind::GroupBox: {
        auto* box = new QGroupBox(text, &window);
        // A group box created after the controls it frames must not lie over them.
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        box->lower();
        control = box;
        break;
    }
    case ControlKind::StaticText: {
        auto* label = new QLabel(text, &window);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        control = label;
        break;
    }
    case ControlKind::EditBox:
        control = MakeEditBox(window, item, notify);
        break;
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, &window);
        // Enter is handled by the dialog: no button becomes the default by merely existing.
        button->setAutoDefault(false);
        button->setDefault((item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        const UINT id = item.id;
        QObject::connect(button, &QPushButton::clicked, &window,
                         [notify, id]() { notify(id, BN_CLICKED); });
        control = button;
        break;
    }
    case ControlKind::Icon:
    case ControlKind::Picture: {
        // Images are shown at their own pixel size; the rectangle gives their position.
        auto* label = new QLabel(&window);
        const QPixmap pixmap = AfxLoadPicture(item.text.image);
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
    if (item.kind != ControlKind::Icon && item.kind != ControlKind::Picture) {
        control->setGeometry(rect);
    }
    if (item.kind == ControlKind::EditBox || item.kind == ControlKind::PushButton) {
        control->setFocusPolicy((item.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    }
    if (item.id != IDC_STATIC) {
        control->setObjectName(QString::fromUtf8(item.idName));
    }
    return control;
}

// A static text's mnemonic moves the focus to the next tab stop after it.
void SetBuddies(const DialogTemplate& dialog, const std::vector<QWidget*>& created) {
    for (std::size_t i = 0; i < created.size(); ++i) {
        auto* label = qobject_cast<QLabel*>(created[i]);
        const DialogItemTemplate& item = dialog.items[i];
        if (!label || item.kind != ControlKind::StaticText || (item.style & SS_NOPREFIX) ||
            !HasMnemonic(label->text())) {
            continue;
        }
        for (std::size_t j = i + 1; j < created.size(); ++j) {
            if (dialog.items[j].style & WS_TABSTOP) {
                label->setBuddy(created[j]);
                break;
            }
        }
    }
}

} // namespace

std::map<UINT, QWidget*> BuildDialog(QDialog& window, const DialogTemplate& dialog, QWidget* owner,
                                     const ControlNotify& notify) {
    window.setParent(owner, WindowFlags(dialog, owner != nullptr));
    window.setObjectName(QString::fromUtf8(dialog.name));
    window.setWindowTitle(QString::fromUtf8(dialog.caption));
    const DialogUnits units(window.font());
    window.setFixedSize(units.ToPixelsX(dialog.cx), units.ToPixelsY(dialog.cy));

    std::map<UINT, QWidget*> controls;
    std::vector<QWidget*> created;
    for (std::size_t i = 0; i < dialog.itemCount; ++i) {
        const DialogItemTemplate& item = dialog.items[i];
        QWidget* control = MakeControl(window, item, units, notify);
        created.push_back(control);
        if (item.id != IDC_STATIC) {
            controls[item.id] = control;
        }
    }
    SetBuddies(dialog, created);
    const std::vector<AccessibleText> texts = AccessibleTexts(dialog);
    for (std::size_t i = 0; i < created.size(); ++i) {
        if (!texts[i].name.empty()) {
            created[i]->setAccessibleName(QString::fromStdString(texts[i].name));
        }
        if (!texts[i].description.empty()) {
            created[i]->setAccessibleDescription(QString::fromStdString(texts[i].description));
        }
    }
    FitStaticTexts(window);
    return controls;
}
