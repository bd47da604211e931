#include "bare_qt_dialog.h"

#include "dialog_templates.h"
#include "module.h"
#include "program_module.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <vector>

namespace {

// What a form designer leaves in its generated code: each control with its text and a fixed
// rectangle in pixels, here read once from the template in the dialog font (dialog units to
// pixels, as the window system does, texts not fitted), and the picture decoded once.
struct Row {
    ControlKind kind;
    QString text;
    QRect rect;
    bool readOnly, multiLine, buddy; // buddy: a mnemonic label, whose buddy is the next box
};

struct Form {
    QString caption;
    QSize size;
    std::vector<Row> rows;
    QPixmap picture;
};

const Form& TheForm() {
    static const Form form = [] {
        const DialogTemplate& dt = kCalculatorTemplate;
        const QFontMetrics metrics(QApplication::font("QDialog"));
        int letters = 0;
        for (char c = 'A'; c <= 'Z'; ++c) {
            letters +=
                metrics.horizontalAdvance(QChar(c)) + metrics.horizontalAdvance(QChar(c + 32));
        }
        const int unitX = (letters / 26 + 1) / 2, unitY = metrics.height();
        const auto px = [&](int x) { return (x * unitX + 2) / 4; };
        const auto py = [&](int y) { return (y * unitY + 4) / 8; };
        Form made{QString::fromUtf8(dt.caption), QSize(px(dt.cx), py(dt.cy)), {}, {}};
        for (std::size_t i = 0; i < dt.itemCount; ++i) {
            const DialogItemTemplate& item = dt.items[i];
            const QString text = QString::fromUtf8(item.text.text ? item.text.text : "");
            made.rows.push_back({item.kind, text,
                                 QRect(px(item.x), py(item.y), px(item.cx), py(item.cy)),
                                 bool(item.style & ES_READONLY), bool(item.style & ES_MULTILINE),
                                 item.kind == ControlKind::StaticText && text.contains(u'&')});
            if (item.kind == ControlKind::Picture) {
                made.picture = QPixmap(ProgramModule().FindImage(item.text.image)->images.front());
            }
        }
        return made;
    }();
    return form;
}

} // namespace

std::unique_ptr<QDialog> MakeBaselineDialog() {
    const Form& form = TheForm();
    auto dialog = std::make_unique<QDialog>();
    dialog->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::WindowMinimizeButtonHint);
    dialog->setWindowTitle(form.caption);
    dialog->setFixedSize(form.size);
    QLabel* buddyOf = nullptr;
    for (const Row& row : form.rows) {
        QWidget* control = nullptr;
        QRect rect = row.rect;
        switch (row.kind) {
        case ControlKind::GroupBox:
            control = new QGroupBox(row.text, dialog.get());
            break;
        case ControlKind::StaticText: {
            auto* label = new QLabel(row.text, dialog.get());
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            buddyOf = row.buddy ? label : nullptr;
            control = label;
            break;
        }
        case ControlKind::EditBox:
            if (row.multiLine) {
                auto* box = new QPlainTextEdit(dialog.get());
                box->setReadOnly(true);
                control = box;
            } else {
                auto* edit = new QLineEdit(dialog.get());
                edit->setReadOnly(row.readOnly);
                control = edit;
                if (buddyOf) {
                    buddyOf->setBuddy(edit);
                }
            }
            buddyOf = nullptr;
            break;
        case ControlKind::PushButton:
            control = new QPushButton(row.text, dialog.get());
            break;
        case ControlKind::Icon:
        case ControlKind::Picture: {
            auto* label = new QLabel(dialog.get());
            label->setPixmap(form.picture);
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            rect.setSize(form.picture.size() + QSize(2, 2));
            control = label;
            break;
        }
        }
        control->setGeometry(rect);
    }
    dialog->move(dialog->screen()->availableGeometry().center() - dialog->rect().center());
    return dialog;
}
