#include "qt_dialog_builder.h"

#include "qt_resources.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QValidator>

namespace {

// A shown text in Qt's own markers: "&" doubled, and "&" before the mnemonic where Qt is to
// carry it out.
QString WithMnemonic(const MnemonicText& label, bool mark) {
    const auto escaped = [](std::string_view text) {
        return QString::fromUtf8(text).replace('&', "&&");
    };
    return escaped(label.Before()) + (mark && !label.mnemonic.empty() ? "&" : "") +
           escaped(label.Key()) + escaped(label.After());
}

Qt::WindowFlags WindowFlags(const ResolvedDialog& layout, bool owned) {
    // An owned dialog is a transient window of its owner, unless it asks for a task-bar button
    // of its own.
    Qt::WindowFlags flags = (owned && !layout.ownTaskbarButton) ? Qt::Dialog : Qt::Window;
    flags |= Qt::CustomizeWindowHint;
    if (layout.titleBar) {
        flags |= Qt::WindowTitleHint;
    }
    if (layout.windowMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if (layout.minimizeBox) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (layout.maximizeBox) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

// A box takes at most 32,767 UTF-16 units (QLineEdit's limit), cut before a character rather
// than inside one: where the limit cut what was typed or pasted after the first half of a pair,
// that half goes too.
class WholeCharacters : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& text, int& caret) const override {
        const bool lone = caret > 0 && text[caret - 1].isHighSurrogate() &&
                          (caret == text.size() || !text[caret].isLowSurrogate());
        if (lone) {
            text.remove(--caret, 1);
        }
        return Acceptable;
    }
};

QWidget* MakeEditBox(QDialog& window, const ResolvedControl& control, int index,
                     const ControlNotify& notify) {
    if (control.multiLine) {
        auto* box = new QPlainTextEdit(&window);
        box->setReadOnly(control.readOnly);
        if (control.readOnly) {
            box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        }
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setTabChangesFocus(true);
        box->setFrameShape(control.border ? QFrame::StyledPanel : QFrame::NoFrame);
        QObject::connect(box, &QPlainTextEdit::textChanged, &window,
                         [notify, index]() { notify(index, EN_UPDATE); });
        return box;
    }
    auto* edit = new QLineEdit(&window);
    edit->setReadOnly(control.readOnly);
    edit->setFrame(control.border);
    edit->setMaxLength(32767);
    edit->setValidator(new WholeCharacters(edit));
    QObject::connect(edit, &QLineEdit::textChanged, &window,
                     [notify, index]() { notify(index, EN_UPDATE); });
    return edit;
}

QWidget* MakeControl(QDialog& window, const ResolvedControl& control, int index,
                     const ControlNotify& notify) {
    switch (control.kind) {
    case ControlKind::GroupBox: {
        auto* box = new QGroupBox(WithMnemonic(control.label, false), &window);
        // A group box made after the controls it frames lies over them; it draws its frame and
        // title only, and lets the mouse through. The children stay in template order, which is
        // also the order a screen reader reads them in.
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        return box;
    }
    case ControlKind::StaticText: {
        // Qt reads a label's markers only where it has a buddy.
        auto* label = new QLabel(control.buddy >= 0 ? WithMnemonic(control.label, true)
                                                    : QString::fromStdString(control.label.shown),
                                 &window);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::EditBox:
        return MakeEditBox(window, control, index, notify);
    case ControlKind::PushButton: {
        auto* button = new QPushButton(WithMnemonic(control.label, true), &window);
        // Enter is the dialog's: no button becomes the default by merely existing.
        button->setAutoDefault(false);
        button->setDefault(control.defaultButton);
        QObject::connect(button, &QPushButton::clicked, &window,
                         [notify, index]() { notify(index, BN_CLICKED); });
        return button;
    }
    case ControlKind::Icon:
    case ControlKind::Picture: {
        auto* label = new QLabel(&window);
        label->setPixmap(AfxLoadPicture(control.image));
        if (control.sunken) {
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setLineWidth(1);
        }
        return label;
    }
    }
    return nullptr;
}

} // namespace

std::vector<QWidget*> BuildDialog(QDialog& window, const ResolvedDialog& layout, QWidget* owner,
                                  const ControlNotify& notify) {
    window.setParent(owner, WindowFlags(layout, owner != nullptr));
    window.setObjectName(QString::fromStdString(layout.name));
    window.setWindowTitle(QString::fromStdString(layout.caption));
    window.setFixedSize(layout.width, layout.height);

    std::vector<QWidget*> controls;
    for (const ResolvedControl& control : layout.controls) {
        QWidget* widget = MakeControl(window, control, int(controls.size()), notify);
        const CRect& r = control.rect;
        widget->setGeometry(r.left, r.top, r.Width(), r.Height());
        if (control.kind == ControlKind::EditBox || control.kind == ControlKind::PushButton) {
            widget->setFocusPolicy(control.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
        }
        if (control.id != IDC_STATIC) {
            widget->setObjectName(QString::fromStdString(control.idName));
        }
        if (!control.name.empty()) {
            widget->setAccessibleName(QString::fromStdString(control.name));
        }
        if (!control.description.empty()) {
            widget->setAccessibleDescription(QString::fromStdString(control.description));
        }
        controls.push_back(widget);
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (const int buddy = layout.controls[i].buddy; buddy >= 0) {
            static_cast<QLabel*>(controls[i])->setBuddy(controls[buddy]);
        }
    }
    return controls;
}
