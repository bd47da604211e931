// The About box's Copy on a real X server: another program, reading the clipboard the way a
// paste does, must get exactly the whole web address. The test starts an Xvfb of its own on
// a display that Xvfb picks, makes the application on it and ends both when it is done; it
// skips only where Xvfb or xclip is missing or Xvfb cannot start.
#include "about_dialog.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QWindow>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kAddress = QStringLiteral("https://varnholt.example.org/");

// Starts `xvfb` with -displayfd and waits for the display number it writes when it is ready.
// Returns the server's pid (or -1) and sets `display` or `failure`.
pid_t StartXvfb(const QString& xvfb, QString& display, QString& failure) {
    int ready[2];
    if (pipe(ready) != 0) {
        failure = QStringLiteral("pipe: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return -1;
    }
    const std::string program = xvfb.toStdString();
    const std::string fd = std::to_string(ready[1]);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        // The server must not outlive the test, even where the test crashes.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) {
            _exit(1);
        }
        close(ready[0]);
        const int devNull = open("/dev/null", O_RDWR);
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        execl(program.c_str(), program.c_str(), "-displayfd", fd.c_str(), "-screen", "0",
              "1024x768x24", "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    if (pid < 0) {
        close(ready[0]);
        failure = QStringLiteral("fork: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return -1;
    }

    // Xvfb writes the number and a newline once it is ready; end of file means it has ended.
    QByteArray number;
    char c = 0;
    pollfd watch{ready[0], POLLIN, 0};
    while (poll(&watch, 1, 20000) > 0 && read(ready[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(ready[0]);
    if (c != '\n' || number.isEmpty()) {
        failure = QStringLiteral("Xvfb could not start (no display number within 20 s)");
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return -1;
    }
    display = QStringLiteral(":") + QString::fromLatin1(number);
    return pid;
}

// Ends the server the polite way, so that it removes its socket and lock file; SIGKILL where
// it does not end within 5 s.
void StopXvfb(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 500; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return;
        }
        const timespec tick{0, 10 * 1000 * 1000};
        nanosleep(&tick, nullptr);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

class TestAboutClipboardX11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup() { VERIFY_NO_WINDOW_OPEN(); }

    void pasteElsewhereGivesWholeAddress_data();
    void pasteElsewhereGivesWholeAddress();

private:
    pid_t m_xvfb = -1;
    QString m_xclip;
    std::unique_ptr<QApplication> m_app;
};

void TestAboutClipboardX11::initTestCase() {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    m_xclip = QStandardPaths::findExecutable(QStringLiteral("xclip"));
    if (xvfb.isEmpty() || m_xclip.isEmpty()) {
        QSKIP("needs Xvfb and xclip (Debian packages xvfb and xclip)");
    }
    QString display;
    QString failure;
    m_xvfb = StartXvfb(xvfb, display, failure);
    if (m_xvfb < 0) {
        QSKIP(qPrintable(failure));
    }

    // The application is made here, on the new server, whatever platform the caller set.
    qputenv("DISPLAY", display.toLatin1());
    qputenv("QT_QPA_PLATFORM", "xcb");
    // No session bus for the application under test: without an address, libdbus would try
    // to autolaunch one through the new server (and leaks where it cannot).
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    static int argc = 1;
    static char name[] = "test_about_clipboard_x11";
    static char* argv[] = {name, nullptr};
    m_app = std::make_unique<QApplication>(argc, argv);
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
}

void TestAboutClipboardX11::cleanupTestCase() {
    // The application leaves the server before the server goes.
    m_app.reset();
    if (m_xvfb > 0) {
        StopXvfb(m_xvfb);
        m_xvfb = -1;
    }
}

void TestAboutClipboardX11::pasteElsewhereGivesWholeAddress_data() {
    QTest::addColumn<int>("addressWidth"); // pixels; 0 keeps the template's width
    QTest::addColumn<bool>("closeFirst");  // the box closed before the paste

    QTest::newRow("box open, template width") << 0 << false;
    QTest::newRow("box open, address box narrowed to 40 px") << 40 << false;
    QTest::newRow("box closed before the paste") << 0 << true;
}

void TestAboutClipboardX11::pasteElsewhereGivesWholeAddress() {
    QFETCH(int, addressWidth);
    QFETCH(bool, closeFirst);

    auto box = std::make_unique<CAboutDialog>();
    QVERIFY(box->Create());
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    if (addressWidth > 0) {
        auto* address = box->findChild<QLineEdit*>(QStringLiteral("IDC_WEB_ADDRESS"));
        address->setFixedWidth(addressWidth);
        QVERIFY(address->fontMetrics().horizontalAdvance(kAddress) > address->width());
    }
    auto* copy = box->findChild<QPushButton*>(QStringLiteral("IDC_COPY"));
    QTest::mouseClick(box->windowHandle(), Qt::LeftButton, {},
                      copy->mapTo(box.get(), copy->rect().center()));
    if (closeFirst) {
        box->EndDialog(IDOK);
        box.reset();
    }

    // xclip asks this process for the clipboard, so the event loop must keep running until
    // xclip has its answer.
    QProcess xclip;
    struct KillOnReturn {
        QProcess& process;
        ~KillOnReturn() {
            if (process.state() != QProcess::NotRunning) {
                process.kill();
                process.waitForFinished();
            }
        }
    } killOnReturn{xclip};
    QSignalSpy finished(&xclip, &QProcess::finished);
    xclip.start(m_xclip,
                {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() == 1, 10000);
    QCOMPARE(xclip.exitStatus(), QProcess::NormalExit);
    QCOMPARE(xclip.readAllStandardError(), QByteArray());
    QCOMPARE(xclip.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(xclip.readAllStandardOutput()), kAddress);
    if (box) {
        box->EndDialog(IDOK);
    }
}

QTEST_APPLESS_MAIN(TestAboutClipboardX11)
#include "test_about_clipboard_x11.moc"
