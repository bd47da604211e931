// What a screen reader finds in both windows: names and descriptions from the templates, and
// one text-changed announcement per box the write-back changes.
#include "about_dialog.h"
#include "calculator_dialog.h"
#include "test_support.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMap>
#include <QRegularExpression>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace {

QMap<QObject*, int> g_textEvents;

void CountTextEvents(QAccessibleEvent* event) {
    const QAccessible::Event type = event->type();
    if (type == QAccessible::TextUpdated || type == QAccessible::TextInserted ||
        type == QAccessible::TextRemoved) {
        ++g_textEvents[event->object()];
    }
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // As a screen reader does: accessibility on, and every event reported to us.
        QAccessible::installUpdateHandler(CountTextEvents);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    void cleanup() { VERIFY_NO_WINDOW_OPEN(); }

    void namesAndDescriptions_data() {
        QTest::addColumn<bool>("about");
        QTest::addColumn<QString>("control"); // object name, or the text of an unnamed label
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const QString loss = "Cable Loss from SWR", swr = "SWR from Cable Loss";
        auto row = [](const char* tag, bool about, QString control, QString name, QString desc) {
            QTest::newRow(tag) << about << control << name << desc;
        };
        row("loss length", false, "IDC_LOSS_LENGTH", "Cable Length (m):", loss);
        row("loss SWR", false, "IDC_LOSS_SWR", "SWR:", loss);
        row("loss result", false, "IDC_LOSS_RESULT", "dB/100m:", loss);
        row("swr loss", false, "IDC_SWR_LOSS", "dB/100m:", swr);
        row("swr length", false, "IDC_SWR_LENGTH", "Cable Length (m):", swr);
        row("swr result", false, "IDC_SWR_RESULT", "SWR:", swr);
        row("messages", false, "IDC_MESSAGES", "Program messages", "");
        row("exit", false, "IDCANCEL", "Exit", "");
        row("about button", false, "IDC_ABOUT", "About", "");
        row("picture", false, "picture", "", "A pocket calculator joined by a cable to an antenna");
        row("web address", true, "IDC_WEB_ADDRESS",
            "For more information on this topic, visit the web page of the Varnholt authors:", "");
        row("copy", true, "IDC_COPY", "Copy", "");
        row("ok", true, "IDOK", "OK", "");
        row("icon", true, "icon", "", "Varnholt Calculator");
    }
    void namesAndDescriptions() {
        QFETCH(bool, about);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        CCalculatorDialog calculator;
        CAboutDialog aboutBox;
        CDialog& dialog = about ? static_cast<CDialog&>(aboutBox) : calculator;
        QVERIFY(dialog.Create());
        QWidget* widget = WindowOf(dialog)->findChild<QWidget*>(control);
        if (!widget) { // an image: the only label without text
            for (QLabel* label : WindowOf(dialog)->findChildren<QLabel*>()) {
                if (label->text().isEmpty()) {
                    widget = label;
                }
            }
        }
        QVERIFY(widget);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        QCOMPARE(face->text(QAccessible::Name), name);
        QCOMPARE(face->text(QAccessible::Description), description);
        dialog.EndDialog(IDCANCEL);
    }

    // Per key, the write-back must announce each box whose text it changed exactly once and
    // leave every other box silent; the typed box announces its own change.
    void writeBackAnnouncesChangedBoxesOnce() {
        CCalculatorDialog dialog;
        QVERIFY(dialog.Create());
        const QList<QWidget*> boxes = WindowOf(dialog)->findChildren<QWidget*>(
            QRegularExpression("^IDC_(LOSS|SWR)_|^IDC_MESSAGES$"));
        QCOMPARE(boxes.size(), 7);
        auto texts = [&boxes]() {
            QMap<QObject*, QString> texts;
            for (QWidget* box : boxes) {
                texts[box] =
                    box->property(box->inherits("QLineEdit") ? "text" : "plainText").toString();
            }
            return texts;
        };
        int unchangedMessages = 0;
        // Length 10, then SWR 2.5: messages and results change, and some keys leave them.
        const QList<QPair<const char*, char>> keys = {{"IDC_LOSS_LENGTH", '1'},
                                                      {"IDC_LOSS_LENGTH", '0'},
                                                      {"IDC_LOSS_SWR", '2'},
                                                      {"IDC_LOSS_SWR", '.'},
                                                      {"IDC_LOSS_SWR", '5'}};
        for (const auto& [box, key] : keys) {
            const QMap<QObject*, QString> before = texts();
            g_textEvents.clear();
            QTest::keyClick(WindowOf(dialog)->findChild<QWidget*>(box), key);
            const QMap<QObject*, QString> after = texts();
            QMap<QObject*, int> expected;
            for (QObject* object : after.keys()) {
                if (after[object] != before[object]) {
                    expected[object] = 1;
                }
            }
            unchangedMessages += expected.size() < 3;
            QCOMPARE(g_textEvents, expected);
        }
        QVERIFY(unchangedMessages > 0); // some key left the message as it was
        dialog.EndDialog(IDCANCEL);
    }
};

VARNHOLT_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
