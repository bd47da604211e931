// The About box's Copy on a real X server of the test's own: another program, reading the
// clipboard as a paste does, must get exactly the whole web address.
#include "about_dialog.h"
#include "test_support.h"

#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QWindow>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Starts Xvfb on a display it picks, names the display and returns the server's pid once it is
// ready, or -1.
pid_t StartXvfb(const QString& xvfb, QString& display) {
    int ready[2] = {-1, -1};
    const pid_t pid = pipe(ready) == 0 ? fork() : -1;
    const std::string program = xvfb.toStdString(), fd = std::to_string(ready[1]);
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM); // the server must not outlive a crashed test
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        execl(program.c_str(), program.c_str(), "-displayfd", fd.c_str(), "-screen", "0",
              "1024x768x24", "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid < 0) {
        return -1;
    }
    close(ready[1]);
    // The display number and a newline once the server is ready; end of file if it ended.
    QByteArray number;
    char c = 0;
    while (read(ready[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(ready[0]);
    if (c != '\n' || number.isEmpty()) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return -1;
    }
    display = ":" + QString::fromLatin1(number);
    return pid;
}

} // namespace

class TestAboutClipboardX11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        m_xclip = QStandardPaths::findExecutable(QStringLiteral("xclip"));
        if (xvfb.isEmpty() || m_xclip.isEmpty()) {
            QSKIP("needs Xvfb and xclip (Debian packages xvfb and xclip)");
        }
        QString display;
        m_xvfb = StartXvfb(xvfb, display);
        if (m_xvfb < 0) {
            QSKIP("Xvfb could not start");
        }
        qputenv("DISPLAY", display.toLatin1());
        qputenv("QT_QPA_PLATFORM", "xcb");
        // A dead bus address: libdbus would otherwise autolaunch a session bus on this server.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
        static int argc = 1;
        static char name[] = "test_about_clipboard_x11";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }

    void cleanupTestCase() {
        m_app.reset(); // the application leaves the server before the server goes
        if (m_xvfb > 0) {
            kill(m_xvfb, SIGTERM);
            waitpid(m_xvfb, nullptr, 0);
        }
    }

    void cleanup() { VERIFY_NO_WINDOW_OPEN(); }

    void pasteElsewhereGivesWholeAddress_data() {
        QTest::addColumn<bool>("closeFirst");
        QTest::newRow("box open") << false;
        QTest::newRow("box closed before the paste") << true;
    }

    // Catches a copy that other programs cannot read, or that ends with the box.
    void pasteElsewhereGivesWholeAddress() {
        QFETCH(bool, closeFirst);

        auto box = std::make_unique<CAboutDialog>();
        QVERIFY(box->Create());
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        auto* copy = box->findChild<QPushButton*>(QStringLiteral("IDC_COPY"));
        QTest::mouseClick(box->windowHandle(), Qt::LeftButton, {},
                          copy->mapTo(box.get(), copy->rect().center()));
        if (closeFirst) {
            box.reset();
        }
        // xclip asks this process for the clipboard: the event loop runs until it has its answer.
        QProcess xclip;
        xclip.start(m_xclip, {"-o", "-selection", "clipboard"});
        QTRY_COMPARE_WITH_TIMEOUT(xclip.state(), QProcess::NotRunning, 10000);
        QVERIFY2(xclip.exitStatus() == QProcess::NormalExit && xclip.exitCode() == 0,
                 xclip.readAllStandardError().constData());
        QCOMPARE(QString::fromUtf8(xclip.readAllStandardOutput()),
                 QStringLiteral("https://varnholt.example.org/"));
    }

private:
    pid_t m_xvfb = -1;
    QString m_xclip;
    std::unique_ptr<QApplication> m_app;
};

QTEST_APPLESS_MAIN(TestAboutClipboardX11)
#include "test_about_clipboard_x11.moc"
