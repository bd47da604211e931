#include "bare_qt_dialog.h"

#include "dialog_templates.h"
#include "module.h"
#include "program_module.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

std::unique_ptr<QDialog> MakeBaselineDialog() {
    auto dialog = std::make_unique<QDialog>();
    const DialogTemplate& dt = kCalculatorTemplate;
    dialog->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::WindowMinimizeButtonHint);
    dialog->setWindowTitle(QString::fromUtf8(dt.caption));

    const QFontMetrics metrics(dialog->font());
    const int unitX =
        (metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 26 +
         1) /
        2;
    const int unitY = metrics.height();
    auto px = [&](int x) { return (x * unitX + 2) / 4; };
    auto py = [&](int y) { return (y * unitY + 4) / 8; };
    dialog->setFixedSize(px(dt.cx), py(dt.cy));

    QLabel* mnemonicLabel = nullptr;
    for (std::size_t i = 0; i < dt.itemCount; ++i) {
        const DialogItemTemplate& item = dt.items[i];
        QRect rect(px(item.x), py(item.y), px(item.cx), py(item.cy));
        const QString text = QString::fromUtf8(item.text.text ? item.text.text : "");
        QWidget* control = nullptr;
        switch (item.kind) {
        case ControlKind::GroupBox: {
            auto* box = new QGroupBox(text, dialog.get());
            box->lower();
            control = box;
            break;
        }
        case ControlKind::StaticText: {
            auto* label = new QLabel(text, dialog.get());
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            if (text.contains(u'&')) {
                mnemonicLabel = label;
            }
            control = label;
            break;
        }
        case ControlKind::EditBox:
            if (item.style & ES_MULTILINE) {
                auto* box = new QPlainTextEdit(dialog.get());
                box->setReadOnly(true);
                box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                control = box;
            } else {
                auto* edit = new QLineEdit(dialog.get());
                edit->setReadOnly(item.style & ES_READONLY);
                control = edit;
            }
            break;
        case ControlKind::PushButton:
            control = new QPushButton(text, dialog.get());
            break;
        case ControlKind::Icon:
        case ControlKind::Picture: {
            auto* label = new QLabel(dialog.get());
            const QPixmap pixmap(ProgramModule().FindImage(item.text.image)->images.front());
            label->setPixmap(pixmap);
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            // Shown at the picture's own size, as the calculator shows it.
            const int frame = label->frameWidth();
            rect.setSize(pixmap.size() + QSize(2 * frame, 2 * frame));
            control = label;
            break;
        }
        }
        control->setGeometry(rect);
        // A label's mnemonic shows underlined, not as "&", once it has a buddy.
        if (mnemonicLabel && (item.style & WS_TABSTOP)) {
            mnemonicLabel->setBuddy(control);
            mnemonicLabel = nullptr;
        }
    }
    dialog->move(dialog->screen()->availableGeometry().center() -
                 QPoint(dialog->width() / 2, dialog->height() / 2));
    return dialog;
}
