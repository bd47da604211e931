// Renders the calculator window with sample inputs to a PNG, for the README and for review:
//   render_window OUT.png [ABOUT.png]
// With a second file, the About box goes there too. Works on the offscreen platform.
#include "about_dialog.h"
#include "calculator_dialog.h"
#include "cwinapp.h"
#include "program_module.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc < 2) {
        qWarning("usage: render_window OUT.png [ABOUT.png]");
        return 2;
    }
    QApplication app(argc, argv);
    AfxRegisterModule(&ProgramModule());

    CCalculatorDialog calculator;
    calculator.Create();
    auto type = [&](const char* name, const char* text) {
        auto* edit = calculator.m_hWnd->findChild<QLineEdit*>(name);
        edit->setFocus();
        QTest::keyClicks(edit, text);
    };
    type("IDC_LOSS_LENGTH", "25");
    type("IDC_LOSS_SWR", "12");
    type("IDC_SWR_LOSS", "5");
    type("IDC_SWR_LENGTH", "20");
    calculator.m_hWnd->findChild<QLineEdit*>("IDC_LOSS_LENGTH")->setFocus();

    bool saved = calculator.m_hWnd->grab().save(QString::fromLocal8Bit(argv[1]));
    if (argc > 2) {
        CAboutDialog about;
        about.Create();
        saved = about.m_hWnd->grab().save(QString::fromLocal8Bit(argv[2])) && saved;
    }
    return saved ? 0 : 1;
}
